#pragma once

// Computer riders in the benchmark: their strength against each other, their cost per
// tick, and a host's timing with seven of them.
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
} // namespace riderbench
