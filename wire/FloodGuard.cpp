#include "FloodGuard.h"

#include <algorithm>

bool FloodGuard::Costly(wire::Message kind) {
    using M = wire::Message;
    return kind == M::MatchSettings || kind == M::ResetAll || kind == M::ResetMatch || kind == M::PauseResume ||
           kind == M::RollCall || kind == M::Obstacle || kind == M::Chat;
}

bool FloodGuard::Admit(wire::Message kind, const QString& sender, qint64 cost, qint64 arenaPixels) {
    using M = wire::Message;
    // Cheap kinds pass at once: this runs for every datagram of every tick.
    if (!Costly(kind)) return true;
    const qint64 now = clock_ ? clock_() : wall_.elapsed();
    Buckets* b = &others_;
    if (const auto it = senders_.find(sender); it != senders_.end()) b = &*it;
    else if (senders_.size() < MostSenders) b = &senders_[sender];
    bool ok = true;
    switch (kind) {
    // A press of Start Match, Reset Match, Reset All or Pause is one message each.
    case M::MatchSettings: ok = Take((*b)[Settings], 10, 20, 1, now); break;
    case M::ResetAll:
    case M::ResetMatch: ok = Take((*b)[Resets], 10, 20, 1, now); break;
    case M::PauseResume: ok = Take((*b)[Pause], 20, 40, 1, now); break;
    // Every copy asks once at start-up; a probe asks once.
    case M::RollCall: ok = Take((*b)[RollCalls], 10, 20, 1, now); break;
    // At most five lines a second are shown from one sender.
    case M::Chat: ok = Take((*b)[ChatLines], 5, 5, 1, now); break;
    default: {
        // A round's obstacles stand in cells of their own: at most 784 of them, covering about
        // the arena once, and rounds are a countdown apart.
        const double pixels = std::max<qint64>(arenaPixels, 1);
        ok = Take((*b)[ObstacleCount], 2000, 2000, 1, now) && Take((*b)[ObstaclePixels], 4 * pixels, 4 * pixels, cost, now);
        break;
    }
    }
    if (!ok) ++dropped_;
    return ok;
}
