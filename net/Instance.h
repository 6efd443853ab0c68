#pragma once

#include "Board.h"
#include "Cue.h"
#include "Countdown.h"
#include "Dispatcher.h"
#include "GameLoop.h"
#include "MatchState.h"
#include "NetLink.h"
#include "Pilots.h"
#include "Ports.h"
#include "Random.h"
#include "RoundSetup.h"
#include "Roster.h"
#include "Steering.h"

#include <QObject>

class Transport;

// One copy of the game without its windows: match state, board model, transport, dispatcher,
// game loop, countdown, round setup and steering. The program makes one; tests make several.
class Instance : public QObject {
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
    Transport& Net() { return transport_; }
    SeededRandom& Random() { return random_; }
    Roster& GetRoster() { return roster_; }
    Pilots& GetPilots() { return pilots_; }
    MatchLink& Link() { return link_; }

    void SetWindow(WindowPort* w) { window_ = w; }
    WindowPort* Window() const { return window_; }
    void SetPanel(PanelPort* p);
    PanelPort* Panel() const { return panel_; }
    void SetMessageBox(MessageBoxFn fn) { messageBox_ = std::move(fn); }
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) const;

    void SendData(const QByteArray& text);

    // The game window's procedures that are not drawing.
    void Load();
    // Frees the buttons and says goodbye; true (with the sockets closed) when the program should end.
    bool Unload();
    void InitGameVariables();
    void InitControls();
    // Ends the running round at once, so a new match starts with no loop left behind.
    void AbandonRound();

signals:
    // A round's outcome arrived here.
    void roundDecided();
    // A client learnt that the host had begun a new round or match, though no outcome of the
    // last round arrived (it was lost on the way). Emitted before the old arena is cleared.
    void roundMissed();
    // A player or team has won the match on this instance.
    void matchWon();
    // Something to be heard; pan runs from -1 (left) to 1 (right).
    void cue(Cue c, double pan);

private:
    Transport& transport_;
    MatchState state_;
    Board board_;
    NetLink link_;
    SeededRandom random_;
    GameLoop loop_;
    RoundSetup setup_;
    Countdown countdown_;
    Steering steering_;
    Dispatcher dispatcher_;
    Roster roster_;
    Pilots pilots_;
    WindowPort* window_ = nullptr;
    PanelPort* panel_ = nullptr;
    MessageBoxFn messageBox_;
    bool loadedBefore_ = false;
};
