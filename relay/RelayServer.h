#pragma once

#include "Relay.h"

#include <cstdint>

// Runs a relay on a UDP port (IPv6 and IPv4) until SIGTERM or SIGINT; one log line per room
// opened and closed, and a summary each minute, on standard output. Returns the exit status.
int RunRelay(std::uint16_t port, const Relay::Limits& limits);
