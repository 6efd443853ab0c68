#pragma once

#include "TokenBucket.h"

#include "Messages.h"

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <array>
#include <functional>

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
    // Budgets refill on this clock (milliseconds): a replay played fast spends what the match
    // spent, no more. Without one, they refill in real time.
    void SetClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

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
    QElapsedTimer wall_ = [] { QElapsedTimer t; t.start(); return t; }();
    std::function<qint64()> clock_;
    qint64 dropped_ = 0;
};
