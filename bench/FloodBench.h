#pragma once

// Streams of datagrams that must not slow the game: the event loop's lateness, the host's
// tick and memory under a flood of each kind of message.
namespace floodbench {
void Floods(double seconds, int perSecond);
} // namespace floodbench
