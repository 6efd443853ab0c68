#pragma once

// Online play in the benchmark: the gateway's cost per forwarded datagram, sealing and
// opening included, and what an 8-rider match at Speed 85 costs and sends when seven copies
// join it from elsewhere.
namespace onlinebench {
void Forwarding(int datagrams);
void MatchOnline(double seconds);
} // namespace onlinebench
