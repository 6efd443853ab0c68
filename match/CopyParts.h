#pragma once

class Board;
class Countdown;
class MatchClock;
class MatchControl;
struct MatchState;

// What of a copy a replay drives: the match's state and board, the countdown, the match
// control, and the clock they run on. A copy hands these out instead of itself.
struct CopyParts {
    MatchState& state;
    Board& board;
    Countdown& countdown;
    MatchControl& control;
    MatchClock& clock;
};

class ChatLog;
class CrashWatch;
class Dispatcher;
class QByteArray;
class QString;
class Roster;
class Steering;
class Transport;
enum class MessageIcon;

// What only a copy as a whole does: start and end its part in the match, show a message,
// keep still while a replay is watched, and send.
class CopyLife {
public:
    virtual void Load() = 0;
    // True (with the sockets closed) when the program should end.
    virtual bool Unload() = 0;
    virtual void ShowMessage(const QString& text, const QString& title, MessageIcon icon) const = 0;
    virtual void SetSealed(bool sealed) = 0;
    virtual void SendData(const QByteArray& text) = 0;

protected:
    ~CopyLife() = default;
};

// What the two windows use of a copy: the parts they show and steer, and the copy's life.
// Every wish goes in by the steering's one entry point; every cue comes out of the match
// control.
struct WindowParts {
    MatchState& state;
    Board& board;
    Roster& roster;
    MatchControl& control;
    Steering& steering;
    Countdown& countdown;
    CrashWatch& crashes;
    ChatLog& chat;
    Transport& net;
    Dispatcher& dispatcher;
    CopyLife& copy;
};
