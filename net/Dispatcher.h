#pragma once

#include "Ports.h"

#include <array>

#include <QByteArray>
#include <QElapsedTimer>
#include <QStringList>
#include <optional>

class Instance;

// Acts on every datagram of the group, the instance's own included. Each step checks its own
// inputs (field present, number valid, index inside its table) and does nothing when they
// fail; the next step still runs. Nothing a datagram holds can crash the instance.
class Dispatcher {
public:
    explicit Dispatcher(Instance& instance) : in_(instance) {}

    void tcpReceive_DataArrival(const QByteArray& datagram);

    // Arena limits of a received match; a host never sends more.
    static constexpr int MinWidth = 360, MaxWidth = 1500, MinHeight = 200, MaxHeight = 1500;

    // Datagrams that meant nothing, and Register messages heard (any slot, our own too).
    qint64 Malformed() const { return malformed_; }
    qint64 RegistersHeard() const { return registers_; }
    // Only the host judges crashes; everywhere a rider whose head has stood through this many
    // Positions in a row counts as out: a diagonal rider stands one tick in three, and a thin
    // trail's back-step message repeats a head once.
    static constexpr int StillWhenOut = 4;
    bool SeenOut(int player) const {
        return player >= 1 && player <= 8 && still_[static_cast<std::size_t>(player - 1)] >= StillWhenOut;
    }
    // The host sets up each round (obstacles first) two countdown steps after the last one's
    // final Positions. An Obstacle that comes after this much quiet, to a client still in a
    // round it saw riding, means that round's outcome never arrived.
    static constexpr int QuietBeforeSetupMs = 500;

private:
    class Fields;
    void Positions(const Fields& f);
    void Steer(const Fields& f);
    void RoundOutcome(const Fields& f);
    void MatchSettings(const Fields& f);
    void Obstacle(const Fields& f);
    void ResetAll();
    void ResetMatch();
    void Register(const Fields& f);
    void PauseResume(const Fields& f);
    void RollCall();
    void Unregister(const Fields& f);
    void TurboOff(const Fields& f);
    void Turn(const Fields& f);

    // Positions messages drawn in the round set up last (counted afresh each round setup).
    int RoundPositions();
    // Counts how long each head has stood, and cues a crash where one is seen out.
    void ListenForCrashes(const std::array<MatchLink::Point, 8>& heads, int players);
    void CueCrash(int player, int x);
    // This client saw the round riding and has heard no outcome of it.
    bool RoundUnfinished();
    // A client whose round's outcome was lost sets up the round the host has begun.
    void CatchUpWithTheHost();

    Instance& in_;
    int outcomeAtStep_ = -1;             // countdown steps taken when the last outcome was
    int outcomeAtSetup_ = -1;            // ... and rounds set up
    bool outcomeAfterPositions_ = false; // ... and whether that round had been seen riding
    int positionsRound_ = -1;
    int roundPositions_ = 0;
    QElapsedTimer sincePositions_; // since the last Positions
    QByteArray lastSettings_; // the match settings last taken, and when
    int settingsAtStep_ = -1;
    bool fitted_ = false; // the window was sized for a received match at least once
    int cueRound_ = -1;
    qint64 malformed_ = 0;
    qint64 registers_ = 0;
    std::array<MatchLink::Point, 8> lastHeads_{};
    std::array<int, 8> still_{};
    std::array<bool, 8> crashCued_{};
};
