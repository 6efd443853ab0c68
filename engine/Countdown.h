#pragma once

#include "MatchClock.h"
#include "MatchState.h"

#include <QObject>
#include <QTimer>

class Board;
class GameLoop;
class RoundSetup;

// The "3", "2", "1", "0" countdown before every round and resumption, and the fading
// marker around the local rider. Its only state is the countdown box's text.
class Countdown : public QObject {
    Q_OBJECT
public:
    static constexpr int StepMs = 1000;
    static constexpr int MarkerMs = 10;

    Countdown(MatchState& state, Board& board, RoundSetup& setup, GameLoop& loop, QObject* parent = nullptr);

    // Shorter steps let tests play whole matches quickly.
    void SetStepInterval(int ms) { tmrStopGo_.setInterval(ms); }
    // The clock the steps follow. While it is driven by hand, no timer runs: Advance() takes
    // the steps that have come due, and the marker (which belongs to a rider steered here) stays off.
    void SetClock(const MatchClock* clock) { clock_ = clock; }
    void Advance();
    // When the next step is due on a driven clock; -1 when none is.
    qint64 NextStepMs() const { return drivenRunning_ ? drivenDue_ : -1; }

    // tmrStopGo's switch.
    void Start();
    void Stop();
    bool IsRunning() const { return Driven() ? drivenRunning_ : tmrStopGo_.isActive(); }
    bool MarkerRunning() const { return tmrPosition_.isActive(); }
    void StopMarker();
    // Ends a countdown the host has overtaken (it decided the next round before this one's
    // "0" step): what that step would have done, leaving the box at "3" for a fresh start.
    void CatchUp();
    // For a client that learns the host has begun a round it heard no outcome of: what steps
    // "3" and "2" do for a fresh round, at once.
    void SetUpNow();

    // One step of each timer; public so tests can step without waiting.
    void tmrStopGo_Timer();
    void tmrPosition_Timer();

    int BlinkLevel() const { return blinkLevel_; }
    // Countdown steps taken so far; tells a repeated datagram from the next round's.
    int Steps() const { return steps_; }

signals:
    // A step of the countdown: 3, 2, 1, then 0 as the round starts.
    void stepped(int number);

private:
    bool Driven() const { return clock_ && clock_->Driven(); }
    // Step "3" of a fresh round: the arena cleared, every gauge full.
    void ClearForRound();
    void FinishZeroStep();

    MatchState& s_;
    Board& board_;
    RoundSetup& setup_;
    GameLoop& loop_;
    QTimer tmrStopGo_;
    QTimer tmrPosition_;
    int blinkLevel_ = 255;
    bool blinkRising_ = false;
    int steps_ = 0;
    const MatchClock* clock_ = nullptr;
    bool drivenRunning_ = false;
    qint64 drivenDue_ = 0;
};
