#pragma once

#include <algorithm>
#include <cstdint>

// A budget that refills at a steady rate up to a burst, full at its first use: how every
// guard here (a sender's costly messages, a joined copy's datagrams, a relay's strangers and
// rooms) keeps one source from taking more than its share.
struct TokenBucket {
    double tokens = -1; // below 0: never used, so full
    std::int64_t at = 0; // milliseconds of the caller's clock at the last refill

    bool Take(double perSecond, double burst, double cost, std::int64_t nowMs) {
        if (tokens < 0) tokens = burst;
        else tokens = std::min(burst, tokens + static_cast<double>(nowMs - at) * perSecond / 1000.0);
        at = nowMs;
        if (tokens < cost) return false;
        tokens -= cost;
        return true;
    }
};
