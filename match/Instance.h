#pragma once

#include "Board.h"
#include "ChatLog.h"
#include "CopyParts.h"
#include "Cue.h"
#include "Countdown.h"
#include "CrashWatch.h"
#include "Dispatcher.h"
#include "GameLoop.h"
#include "MatchControl.h"
#include "MatchState.h"
#include "NetLink.h"
#include "Pilots.h"
#include "Ports.h"
#include "Random.h"
#include "RoundSetup.h"
#include "Roster.h"
#include "RoundTrip.h"
#include "Steering.h"

#include <QElapsedTimer>
#include <QObject>

class Transport;

// One copy of the game without its windows: match state, board model, transport, dispatcher,
// match control, game loop, countdown, round setup and steering. The program makes one; tests
// make several. It builds the parts and wires them; each part gets only what it uses.
class Instance : public QObject, public CopyLife {
    Q_OBJECT
public:
    Instance(Transport& transport, std::uint32_t seed, QObject* parent = nullptr);

    MatchState& State() { return state_; }
    Board& GetBoard() { return board_; }
    GameLoop& Loop() { return loop_; }
    Countdown& GetCountdown() { return countdown_; }
    RoundSetup& Setup() { return setup_; }
    Steering& GetSteering() { return steering_; }
    Dispatcher& GetDispatcher() { return dispatcher_; }
    MatchControl& Control() { return control_; }
    CrashWatch& Crashes() { return crashes_; }
    Transport& Net() { return transport_; }
    SeededRandom& Random() { return random_; }
    Roster& GetRoster() { return roster_; }
    Pilots& GetPilots() { return pilots_; }
    MatchLink& Link() { return link_; }
    MatchClock& Clock() { return clock_; }
    ChatLog& Chat() { return chat_; }
    CopyParts Parts() { return {state_, board_, countdown_, control_, clock_}; }
    WindowParts Window() {
        return {state_,   board_, roster_,    control_,    steering_, countdown_,
                crashes_, chat_,  transport_, dispatcher_, *this};
    }

    void SetWindow(WindowPort* w) { control_.SetWindow(w); }
    void SetMessageBox(MessageBoxFn fn) { messageBox_ = std::move(fn); }
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) const override;

    void SendData(const QByteArray& text) override;
    // While a replay is watched here, this copy sends nothing and takes nothing it hears, so
    // no roll call is answered and no match is disturbed.
    void SetSealed(bool sealed) override { sealed_ = sealed; }
    bool Sealed() const { return sealed_; }

    // The game window's procedures that are not drawing.
    void Load() override;
    // Frees the buttons and says goodbye; true (with the sockets closed) when the program should end.
    bool Unload() override;

signals:
    // Forwarded from the match control, for the program and its tests.
    void roundDecided();
    void roundMissed();
    void matchWon();
    void cue(Cue c, double pan);

private:
    static constexpr int AskRoundTripAtTick = 20;
    Transport& transport_;
    MatchClock clock_;
    MatchState state_;
    Board board_;
    NetLink link_;
    SeededRandom random_;
    GameLoop loop_;
    RoundSetup setup_;
    Countdown countdown_;
    Steering steering_;
    CrashWatch crashes_;
    Pilots pilots_;
    Roster roster_;
    MatchControl control_;
    ChatLog chat_;
    Dispatcher dispatcher_;
    MessageBoxFn messageBox_;
    RoundTrip roundTrip_;
    QElapsedTimer sinceStart_; // the round trip's clock
    bool loadedBefore_ = false;
    bool sealed_ = false;
};
