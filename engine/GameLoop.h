#pragma once

#include "MatchState.h"
#include "Ports.h"
#include "PreciseWait.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

class Board;
class Canvas;

// Vyre_Game: the host's simulation of one round, run as a tick scheduler on the event loop.
//
// One tick, in this order:
//   1. Delay: wait until the tick's deadline (Speed's count of empty rounds x 14 ns after
//      the previous deadline), and until the host has drawn its own previous Positions
//      message(s), at most EchoTimeoutMs. The round ends here when RoundOver or Paused is set.
//   2. Clear the double-step flag; with Thickness 0 also the back-step offsets.
//   3. For each riding player, in player order: clear its look-ahead; Step from Turbo;
//      take a requested turn if the rider is on the grid and announce the Direction with
//      Turn; move; note a two-pixel step of a thin trail; turbo burn or refill (TurboOff).
//   4. Crash test for every player, then the round's outcome (RoundOutcome, RoundOver and,
//      unless the match is over, the countdown to the next round).
//   5. With Thickness 0 and a two-pixel step: a Positions message of the back-step points.
//   6. A Positions message of the eight heads and eight fuel values.
//   7. Return to the event loop, which delivers the echo, steering, pause and reset. A tick
//      that decided the round ends the loop here.
class GameLoop : public QObject {
    Q_OBJECT
public:
    static constexpr int EchoTimeoutMs = 50;
    // One empty round of the classic delay count lasts this long.
    static constexpr qint64 NanosecondsPerRound = 14;
    static qint64 DelayNs(int speed);

    GameLoop(MatchState& state, Board& board, MatchLink& link, QObject* parent = nullptr);

    // Monotonic nanoseconds; the benchmark and tests may supply their own.
    void SetClock(std::function<qint64()> clock) { clock_ = std::move(clock); }
    // Enables the countdown timer for the next round.
    void SetStartCountdown(std::function<void()> start) { startCountdown_ = std::move(start); }
    // Called at each deadline before the tick, with the tick's number in this ride (1, 2, ...).
    void SetBeforeTick(std::function<void(int)> hook) { beforeTick_ = std::move(hook); }

    // Starts the loop; false when one is already running (there is never a second one).
    bool Vyre_Game();
    bool IsRunning() const { return running_; }
    // Stops at once without reporting; used when a new match replaces the round.
    void Abandon();
    // The dispatcher has drawn a Positions message with these heads. Only the echo of what
    // this loop sent in its last tick counts towards the echo gate.
    void PositionsDrawn(const std::array<MatchLink::Point, 8>& heads);
    bool AwaitingEcho() const { return echoesPending_ > 0; }

    // Steps 2 to 6 of one tick.
    void Tick();

    struct Offset {
        std::int16_t dx = 0;
        std::int16_t dy = 0;
    };
    // Where a rider moving in a direction probes, relative to its new head.
    static Offset LookAhead(int direction, int thickness);
    // Whether a riding player at (x, y) moving in a direction runs into anything, probing at
    // look (zero on a diagonal rider's standing tick is never asked for).
    static bool Hits(const Canvas& arena, Colour back, int x, int y, int direction, Offset look);

signals:
    // The round was decided, paused or reset and the loop has returned.
    void finished();

private:
    void Arm();
    void OnDeadline();
    void Finish();
    qint64 Now() const { return clock_ ? clock_() : elapsed_.nsecsElapsed(); }
    void MovePlayer(int i, bool& doubleStep);
    void TurboBookkeeping(int i);
    void CrashTest();
    void Sent(const std::array<MatchLink::Point, 8>& heads);

    MatchState& s_;
    Board& board_;
    MatchLink& link_;
    std::function<void()> startCountdown_;
    std::function<void(int)> beforeTick_;
    int ticks_ = 0; // in this ride
    std::function<qint64()> clock_;
    QElapsedTimer elapsed_;
    PreciseWait delayTimer_;
    QTimer echoTimer_;
    bool running_ = false;
    int echoesPending_ = 0;
    std::array<std::array<MatchLink::Point, 8>, 2> sent_{}; // the heads of the tick's Positions messages
    int sentCount_ = 0;
    qint64 deadline_ = 0;
    std::array<Offset, 9> look_{};
    std::array<Offset, 9> back_{};
};
