#pragma once

#include "FloodGuard.h"
#include "MatchClock.h"
#include "Decode.h"
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
class Steering;
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
        Steering& steering;
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
    // One per kind of message; each checks its own fields and does what they allow.
    void Take(const wire::msg::Positions& m);
    void Take(const wire::msg::Steer& m);
    void Take(const wire::msg::MatchSettings& m, const QString& sender);
    void Take(const wire::msg::Obstacle& m, const QString& sender);
    void Take(const wire::msg::Register& m);
    void Take(const wire::msg::PauseResume& m);
    void Take(const wire::msg::Unregister& m);
    void Take(const wire::msg::TurboOff& m);
    void Take(const wire::msg::Turn& m);
    void Take(const wire::msg::Chat& m);

    Parts p_;
    FloodGuard guard_;
    // The obstacles drawn since the arena was last cleared: the same one again is drawn once.
    QSet<quint64> obstacles_;
    int obstaclesAtClear_ = -1;
    qint64 malformed_ = 0;
    qint64 registers_ = 0;
    std::function<void(int)> registerHook_;
};
