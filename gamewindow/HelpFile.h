#pragma once

#include <QString>

// Where the help for players is: a "lumivex.hlp" beside the program wins; otherwise the
// HTML help beside the program (build tree) or in the installed data folder. Empty when
// none exists.
QString HelpFile(const QString& programDir);
