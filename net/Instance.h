#pragma once

#include "Board.h"
#include "Countdown.h"
#include "Dispatcher.h"
#include "GameLoop.h"
#include "MatchState.h"
#include "NetLink.h"
#include "Ports.h"
#include "Random.h"
#include "RoundSetup.h"
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

    void SetWindow(WindowPort* w) { window_ = w; }
    WindowPort* Window() const { return window_; }
    void SetPanel(PanelPort* p);
    PanelPort* Panel() const { return panel_; }
    void SetMessageBox(MessageBoxFn fn) { messageBox_ = std::move(fn); }
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) const;

    void SendData(const QByteArray& text);

    // The game window's procedures that are not drawing.
    void Load();
    // Closes the sockets, frees the buttons and says goodbye; true when the program should end.
    bool Unload();
    void InitGameVariables();
    void InitControls();
    // Ends the running round at once, so a new match starts with no loop left behind.
    void AbandonRound();

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
    WindowPort* window_ = nullptr;
    PanelPort* panel_ = nullptr;
    MessageBoxFn messageBox_;
    bool loadedBefore_ = false;
};
