#pragma once

#include <QStringList>

namespace startbench {
// Starts each program `runs` times, taking turns, and reports the median time from starting
// it to both of its windows painted. The programs talk to the network: run this only in a
// private network namespace (tools/netns-run); it refuses otherwise.
int Startup(int runs, const QStringList& programs, const QByteArray& platform);
} // namespace startbench
