#pragma once

#include "FloodGuard.h"
#include "MatchClock.h"
#include "Messages.h"

#include <QByteArray>
#include <QSet>
#include <functional>
#include <optional>

class Board;
class ChatLog;
class CrashWatch;
class GameLoop;
class MatchControl;
struct MatchState;
class Pilots;
class Roster;
class RoundSetup;

// Acts on every datagram of the group, the instance's own included: it checks the fields and
// hands them to the part that owns what they change. Each step checks its own inputs (field
// present, number valid, index inside its table) and does nothing when they fail; the next
// step still runs. Nothing a datagram holds can crash the instance.
class Dispatcher {
public:
    struct Parts {
        MatchState& state;
        Board& board;
        GameLoop& loop;
        RoundSetup& setup;
        MatchControl& control;
        Roster& roster;
        Pilots& pilots;
        CrashWatch& crashes;
        ChatLog& chat;
    };
    explicit Dispatcher(Parts parts) : p_(parts) {}

    // The sender's address (empty where the transport has none) keeps one sender's flood
    // from stalling the copy.
    void tcpReceive_DataArrival(const QByteArray& datagram, const QString& sender = {});

    void SetClock(const MatchClock* clock) {
        guard_.SetClock(clock ? std::function<qint64()>([clock] { return clock->Ms(); }) : nullptr);
    }
    // Told of every Register for a slot above 0 (the host times its roll calls by them).
    void SetRegisterHook(std::function<void(int slot)> hook) { registerHook_ = std::move(hook); }

    // Datagrams that meant nothing, and Register messages heard (any slot, our own too).
    qint64 Malformed() const { return malformed_; }
    qint64 Flooded() const { return guard_.Dropped(); }
    qint64 RegistersHeard() const { return registers_; }

private:
    using Fields = wire::Fields;
    void Positions(const Fields& f);
    void Steer(const Fields& f);
    void MatchSettings(const Fields& f, const QString& sender);
    void Obstacle(const Fields& f, const QString& sender);
    void Register(const Fields& f);
    void PauseResume(const Fields& f);
    void Unregister(const Fields& f);
    void TurboOff(const Fields& f);
    void Turn(const Fields& f);
    void Chat(const Fields& f);

    Parts p_;
    FloodGuard guard_;
    // The obstacles drawn since the arena was last cleared: the same one again is drawn once.
    QSet<quint64> obstacles_;
    int obstaclesAtClear_ = -1;
    qint64 malformed_ = 0;
    qint64 registers_ = 0;
    std::function<void(int)> registerHook_;
};
