#pragma once

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// Small helpers the benchmark's parts share.
namespace benchutil {
inline double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5))];
}

inline double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

inline void Line(const char* name, double value, const char* unit) {
    std::printf("%-44s %12.3f %s\n", name, value, unit);
}
} // namespace benchutil
