#pragma once

// Streams of datagrams that must not slow the game: the event loop's lateness, the host's
// tick and memory under a flood of each kind of message.
#include <QByteArray>
#include <random>

namespace floodbench {
// A datagram of one kind (its message number), with fields that change from one to the next
// as a misbehaving host's would.
QByteArray Datagram(int kind, std::mt19937& r);

void Floods(double seconds, int perSecond);
} // namespace floodbench
