#pragma once

#include "TokenBucket.h"

#include "MatchClock.h"
#include "Messages.h"

#include <QHash>
#include <QString>
#include <array>

// Keeps one sender from making this copy do unbounded work: each kind of message whose
// handling is costly (a new match resizes the arena and the window, a reset or a pause moves
// windows, an obstacle fills pixels, a roll call makes this copy send, a chat line takes the
// players' eyes) has a budget per sender
// address, refilled over time. Every budget lies far above what an honest copy ever sends;
// what a flood sends past it is dropped and counted. Cheap kinds are never limited: a host at
// Speed 1 sends thousands of Positions a second.
class FloodGuard {
public:
    // Whether a datagram of this kind from this sender may be handled; cost counts pixels
    // for an obstacle and is 1 otherwise. arenaPixels sizes the obstacle budget.
    bool Admit(wire::Message kind, const QString& sender, qint64 cost, qint64 arenaPixels);
    // Whether this kind has a budget at all; the others always pass.
    static bool Costly(wire::Message kind);
    qint64 Dropped() const { return dropped_; }
    // Budgets refill on this clock: a replay played fast spends what the match spent, no more.
    void SetClock(const MatchClock* clock) { clock_ = clock ? clock : &ownClock_; }

    // Senders with budgets of their own; more share the last one.
    static constexpr int MostSenders = 64;

private:
    enum Budget { Settings, Resets, Pause, RollCalls, ObstacleCount, ObstaclePixels, ChatLines, Budgets };
    using Bucket = TokenBucket;
    using Buckets = std::array<Bucket, Budgets>;
    static bool Take(Bucket& b, double perSecond, double burst, double cost, qint64 now) {
        return b.Take(perSecond, burst, cost, now);
    }

    QHash<QString, Buckets> senders_;
    Buckets others_;
    MatchClock ownClock_;
    const MatchClock* clock_ = &ownClock_;
    qint64 dropped_ = 0;
};
