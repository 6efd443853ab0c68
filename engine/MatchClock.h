#pragma once

#include <QElapsedTimer>
#include <QtGlobal>
#include <algorithm>

// The time a match runs on: the steady clock in play. A replay moves it by hand, so the
// countdown and the quiet between rounds pass in the recording's time at any speed, and a
// whole file can be played through without waiting.
class MatchClock {
public:
    MatchClock() { wall_.start(); }
    qint64 Ms() const { return driven_ ? now_ : wall_.elapsed(); }
    bool Driven() const { return driven_; }
    // From now on the time is what the caller says; it never goes back.
    void Drive(qint64 ms) {
        driven_ = true;
        now_ = std::max(now_, ms);
    }

private:
    QElapsedTimer wall_;
    bool driven_ = false;
    qint64 now_ = 0;
};
