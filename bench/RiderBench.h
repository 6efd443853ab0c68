#pragma once

#include "RiderBrain.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <vector>

// Computer riders in the benchmark: their strength against each other, their cost per
// tick, and a host's timing with seven of them.
class Instance;

namespace riderbench {
// Round-robin of the three levels, `rounds` rounds per pairing and arena, plus free-for-alls.
void Tournament(int rounds);
// Hard against Normal, and the free-for-all, on one arena size: for tuning the strongest level.
void Strongest(int rounds, int w, int h);
// One pairing of two levels named "easy", "normal" or "hard"; false for an unknown name.
bool Pairing(const char* a, const char* b, int rounds, int w, int h);
// The eight-rider free-for-all alone: two Hard, three Normal and three Easy riders.
void FreeForAll(int rounds, int w, int h);
// Decision cost per rider per tick by level, eight riders on 1500 x 1500.
void Cost();
// A host with seven Hard riders on the event loop: tick timing, CPU and ticks per second.
void HostWithRiders(double seconds);

// A host with the panel's default options (turbo on, snap to grid, complexity 8, thin trails)
// whose players are all computer riders of the given levels, on an arena of w x h.
void SetUp(Instance& in, const std::vector<RiderLevel>& levels, int w, int h, std::uint32_t seed);

struct Timing {
    std::vector<qint64> stamps;
    double deciding = 0; // share of the run spent in the riders' decisions
    double cpu = 0;
    double seconds = 0;
    std::vector<std::size_t> roundStarts; // index of each round's first stamp after the first
};
// That host at `speed` for `seconds`, every datagram it sends handed to `tap` as well.
Timing HostRun(int speed, double seconds, const std::function<void(const QByteArray&)>& tap);
} // namespace riderbench
