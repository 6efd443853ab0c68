#pragma once

#include "MatchState.h"
#include "ReplayFile.h"
#include "Transport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "CopyParts.h"

// What a replay's copy of the game is given instead of the network: it hears only what the
// player hands it, and what it says goes nowhere.
class ReplayTransport : public Transport {
    Q_OBJECT
public:
    using Transport::Transport;
    void InitSockets() override {}
    void SendData(const QByteArray&) override { ++swallowed_; }
    void Close() override {}
    void Deliver(const QByteArray& datagram) { emit datagramArrived(datagram); }
    // What the copy tried to send (a roll call, say): kept from the wire, and counted.
    qint64 Swallowed() const { return swallowed_; }

private:
    qint64 swallowed_ = 0;
};

// Plays a recording into a copy of the game built on a ReplayTransport: every datagram at its
// time, on the copy's own clock, so the countdown and the rounds run as they ran, at any speed,
// paused, or as fast as the machine goes. A jump plays again from the start, leaving out the
// trails of rounds whose arena was cleared before the moment jumped to.
class ReplayPlayer : public QObject {
    Q_OBJECT
public:
    struct Round {
        qint64 startMs = 0;         // a little before the riding begins: the countdown
        qint64 endMs = 0;           // its outcome, or where it stopped without one
        std::optional<int> outcome; // the outcome code; none when the round was not decided
        QStringList winners;        // their names as the match knew them then; none for a draw
        qint64 rideMs = 0;          // the riding begins: its first positions
    };
    static constexpr double Speeds[] = {0.25, 0.5, 1, 2, 4, 8};

    // Plays the records into these parts of a copy that hears only `feed`.
    ReplayPlayer(CopyParts copy, ReplayTransport& feed, std::vector<replay::Record> records,
                 QObject* parent = nullptr);

    const std::vector<Round>& Rounds() const { return rounds_; }
    const std::vector<replay::Record>& Records() const { return records_; }
    qint64 DurationMs() const { return records_.empty() ? 0 : records_.back().ms; }
    qint64 PositionMs() const { return positionMs_; }
    // The round shown at this moment: the last one begun by then; -1 before the first.
    int RoundAt(qint64 ms) const;

    void Play();
    void Pause();
    bool Playing() const { return playing_; }
    void SetSpeed(double speed);
    double Speed() const { return speed_; }
    // Shows the match as it stood at this moment of the recording, playing on if it played.
    void Seek(qint64 ms);
    // Playing stops by itself here (the end of a round watched again); -1 for the file's end.
    void SetStopAt(qint64 ms) { stopAtMs_ = ms; }

    // Plays every datagram up to this moment at once; time never runs back here (Seek does).
    void RunTo(qint64 ms);
    // Plays from here to the end as fast as it goes. At each round's end, once settleMs have
    // passed in the file (the host's last Positions come after its outcome), or at once for a
    // round whose outcome was lost, calls back with the outcome code ("lost" for a lost one).
    void PlayThrough(qint64 settleMs, const std::function<void(const QString& outcome)>& roundEnded);

signals:
    // The moment shown changed (while playing, a few times a second at most).
    void moved(qint64 ms);
    void playingChanged(bool playing);
    // Playing reached the end of the file, or the moment it was told to stop at.
    void ended();

private:
    void Deliver(std::size_t index);
    // Back to the copy as it was before the file began, at the file's moment 0.
    void Restart();
    void Wake();
    void ScheduleWake();
    void FindRounds();
    // Where playing at real speed started, in file time and on the wall.
    void Anchor();

    CopyParts copy_;
    ReplayTransport& feed_;
    // The copy as it stood before the file began: a jump starts again from there.
    struct Start {
        MatchState state;
        int width = 0, height = 0;
        Colour back = 0;
    };
    std::optional<Start> start_;
    std::vector<replay::Record> records_;
    std::vector<Round> rounds_;
    // For each Positions: kept when jumping past its round? The first and last of every
    // stretch between two round marks are kept; the others only draw trails.
    std::vector<bool> trailOnly_;
    // For each record, the first record after it that clears the arena (or the end).
    std::vector<std::size_t> clearedBy_;
    std::size_t next_ = 0;
    std::size_t skipBefore_ = 0; // while jumping: trails whose arena is cleared before this go unplayed
    // Trails left out on the word of a record that should clear the arena: that record, and
    // the arena's clears when the first was left out. Checked once it has played.
    struct Promise {
        std::size_t clearer;
        qint64 clears;
    };
    std::vector<Promise> promises_;
    bool promiseBroken_ = false;
    qint64 positionMs_ = 0;
    qint64 clockBase_ = 0; // the copy's clock at the file's moment 0
    bool playing_ = false;
    double speed_ = 1;
    qint64 stopAtMs_ = -1;
    qint64 anchorFileMs_ = 0;
    QElapsedTimer anchorWall_;
    QTimer wake_;
    qint64 lastMovedMs_ = -1;
};
