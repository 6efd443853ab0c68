#pragma once

#include <QString>

// Where the help for players is: a "lumivex.hlp" beside the program wins; otherwise the
// HTML help beside the program (build tree) or in the installed data folder. Empty when
// none exists.
QString HelpFile(const QString& programDir);

namespace keys {
class Bindings;
}
// The help as installed, with this player's keys written in where it asks for them; the file
// to open (the installed one when nothing is to be written in, or writing failed).
QString PersonalHelp(const QString& installed, const keys::Bindings& keys);
