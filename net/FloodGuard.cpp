#include "FloodGuard.h"

#include <algorithm>

bool FloodGuard::Take(Bucket& b, double perSecond, double burst, double cost, qint64 now) {
    if (b.tokens < 0) b.tokens = burst;
    else b.tokens = std::min(burst, b.tokens + (now - b.at) * perSecond / 1000.0);
    b.at = now;
    if (b.tokens < cost) return false;
    b.tokens -= cost;
    return true;
}

bool FloodGuard::Admit(wire::Message kind, const QString& sender, qint64 cost, qint64 arenaPixels) {
    using M = wire::Message;
    if (!clock_.isValid()) clock_.start();
    const qint64 now = clock_.elapsed();
    auto buckets = [&]() -> Buckets& {
        const auto it = senders_.find(sender);
        if (it != senders_.end()) return *it;
        if (senders_.size() < MostSenders) return senders_[sender];
        return others_;
    };
    bool ok = true;
    switch (kind) {
    // A press of Start Match, Reset Match, Reset All or Pause is one message each.
    case M::MatchSettings: ok = Take(buckets()[Settings], 10, 20, 1, now); break;
    case M::ResetAll:
    case M::ResetMatch: ok = Take(buckets()[Resets], 10, 20, 1, now); break;
    case M::PauseResume: ok = Take(buckets()[Pause], 20, 40, 1, now); break;
    // Every copy asks once at start-up; a probe asks once.
    case M::RollCall: ok = Take(buckets()[RollCalls], 10, 20, 1, now); break;
    case M::Obstacle: {
        // A round's obstacles stand in cells of their own: at most 784 of them, covering about
        // the arena once, and rounds are a countdown apart.
        Buckets& b = buckets();
        const double pixels = std::max<qint64>(arenaPixels, 1);
        ok = Take(b[ObstacleCount], 2000, 2000, 1, now) && Take(b[ObstaclePixels], 4 * pixels, 4 * pixels, cost, now);
        break;
    }
    default: break;
    }
    if (!ok) ++dropped_;
    return ok;
}
