#pragma once

#include <QString>

// --list-games: prints the public games of the relay HOST[:PORT], one line each, and returns
// the exit code (0 listed, 1 no answer in time or no such host, 2 a malformed address).
int ListGames(const QString& relay);
