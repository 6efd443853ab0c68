#pragma once

#include <QStringList>

namespace startbench {
// Starts each program `runs` times, taking turns, and reports the median time from starting
// it to both of its windows painted. The programs talk to the network: run this only in a
// private network namespace (tools/netns-run); it refuses otherwise.
int Startup(int runs, const QStringList& programs, const QByteArray& platform);
// Key-down on a client's arena to its Steer datagram heard from the multicast group, over
// `keys` presses. The same refusal outside a private network.
int KeyToWire(int keys);
} // namespace startbench
