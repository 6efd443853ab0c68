#include "RoundTrip.h"

#include <algorithm>

void RoundTrip::Asked(qint64 nowNs) {
    askedAt_ = nowNs;
    answered_ = 0;
}

void RoundTrip::Answered(int slot, qint64 nowNs) {
    if (askedAt_ < 0 || slot < 1 || slot > 7 || (answered_ & (1u << slot))) return;
    const qint64 trip = nowNs - askedAt_;
    if (trip < 0 || trip > AnswerWithinNs) return;
    answered_ |= 1u << slot;
    trips_.push_back(std::min(trip, LongestNs));
    if (trips_.size() > Kept) trips_.erase(trips_.begin());
}

qint64 RoundTrip::MedianNs() const {
    if (trips_.empty()) return 0;
    std::vector<qint64> sorted = trips_;
    const auto mid = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), mid, sorted.end());
    return *mid;
}
