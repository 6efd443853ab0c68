#pragma once

#include <QByteArray>
#include <QString>

class Canvas;

// The hash of a copy's arena that --round-log and --replay-check print at a round's end.
QByteArray ArenaHash(const Canvas& arena);

// --replay-check FILE: plays a replay through as fast as it goes, with no window, and prints
// one line a round. Exit 0 for a whole file, 1 for a damaged one (what came before the
// damage is played), 2 for a missing file or one that is not a replay.
int ReplayCheck(const QString& path);
