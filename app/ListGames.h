#pragma once

#include <QString>

// --list-games: prints the public games of the relay at HOST and PORT, one line each, and
// returns the exit code (0 listed, 1 no answer in time or no such host).
int ListGames(const QString& host, quint16 port);
