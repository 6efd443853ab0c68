#pragma once

#include "Cue.h"
#include "MatchClock.h"
#include "MatchState.h"
#include "Decode.h"
#include "Messages.h"
#include "Ports.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class Board;
class Countdown;
class CrashWatch;
class GameLoop;
class Roster;
class RoundSetup;

// What the control panel shows of a match: which buttons can be pressed, the pause caption
// and the players list's choice. The panel renders it and nothing else.
struct ControlState {
    bool optionsEnabled = true; // the match options, name, colours and Client Registration
    bool startEnabled = true;   // Start Match, and the riders that may join before it
    bool pauseEnabled = false;
    bool resetMatchEnabled = true;
    bool resetAllEnabled = true;
    bool leaveEnabled = false;  // Match > Leave Match: a registered client may free its slot
    bool hostPaused = false;    // the host paused: its Pause button offers Resume
    int playersIndex = -1;
    int playersSet = 0; // counts the times the list was set, so the same index set again still shows
    bool operator==(const ControlState&) const = default;
};

// The one owner of a match on this instance: starting it, pause and resume, the two resets,
// and taking over what the host sends (settings and outcomes, with the bookkeeping that
// tells a repeated datagram from a new one and lets a client catch up after a lost outcome).
class MatchControl : public QObject {
    Q_OBJECT
public:
    // Arena limits: a host never sends more, and a received match is held to them.
    static constexpr int MinWidth = 360, MaxWidth = 1500, MinHeight = 200, MaxHeight = 1500;
    // The host sets up each round (obstacles first) two countdown steps after the last one's
    // final Positions. An Obstacle that comes after this much quiet, to a client still in a
    // round it saw riding, means that round's outcome never arrived.
    static constexpr int QuietBeforeSetupMs = 500;
    // A client in a match that hears nothing from the host for this long asks whether it is
    // still there, and takes it for gone when HostAsks roll calls go unanswered, HostAnswerMs
    // apart (gone within 7 s, at any moment of a match).
    static constexpr int HostSilentMs = 3000;
    static constexpr int HostAnswerMs = 1000;
    static constexpr int HostAsks = 3; // roll calls before the host is taken for gone

    // What Start Match takes from the panel: the settings as they go out, and the grid rule.
    struct MatchOptions {
        wire::Settings settings;
        bool snapToGrid = true;
    };
    enum class Start { Started, NoClient1 };

    // A received MatchSettings, field by field; nothing where a field was missing or no number.
    using Settings = wire::msg::MatchSettings;

    struct Parts {
        MatchState& state;
        Board& board;
        Countdown& countdown;
        GameLoop& loop;
        RoundSetup& setup;
        Roster& roster;
        CrashWatch& crashes;
        std::function<void(const QByteArray&)> send;
        MessageBoxFn message;
    };
    explicit MatchControl(Parts parts, QObject* parent = nullptr);

    void SetWindow(WindowPort* window) { window_ = window; }
    // The clock the quiet between rounds is measured on (a replay drives it).
    void SetClock(const MatchClock* clock) { clock_ = clock ? clock : &ownClock_; }
    const ControlState& Controls() const { return controls_; }

    // The panel's buttons; Esc in the arena is the Pause button too.
    // Start Match: width and height are clamped in place to what may be sent.
    Start StartMatch(MatchOptions& options);
    void PauseResume();
    void ResetMatch();
    void ResetAll();
    // Client Registration was pressed: the options are locked until Reset All or Leave Match.
    void BeginRegistration();
    // Match > Leave Match: a registered client frees its slot, as closing its window would,
    // and its panel is free again. Also what a registration that found no free slot ends in.
    void LeaveMatch();
    // The network this copy rode on is gone (a joined online game closed): the panel is freed
    // as by Leave Match, with nobody left to tell.
    void NetworkLost();
    // A match runs here: set up by Start Match or received settings, and not yet won,
    // reset or left. Pause and resume act only while one runs.
    bool MatchRunning() const { return matchRunning_; }
    // The game window closed; a host keeps its panel, which must be able to start again.
    void WindowClosed();
    // Ends the running round at once, so a new match starts with no loop left behind.
    void AbandonRound();
    // The game window's own reset: countdown idle at "3", arena clear, scores 0, no status.
    void ClearBoard();

    // What the dispatcher hands on, its fields checked.
    // The same settings again before the countdown has taken a step: a repeat (a flood, or a
    // datagram that came twice), not a new match.
    bool RepeatsLastSettings(const Settings& settings) const;
    void SettingsArrived(const Settings& settings);
    void OutcomeArrived(std::optional<std::int16_t> code);
    // The code of the last outcome taken (none when it was not a number).
    std::optional<int> LastOutcome() const { return lastOutcome_; }
    void PositionsArrived();
    // Called before a received obstacle is drawn.
    void ObstacleArriving();
    void PauseArrived(bool pause);
    void ResetAllArrived();
    void ResetMatchArrived();
    void SetPlayersIndex(int index);
    // The host answered a roll call (its Register with slot 0): it is still there.
    void HostAnswered() { HostHeard(); }
    // An Unregister with slot 0: a host's game window closed.
    void HostClosedItsWindow();
    // Every cue of the copy goes out through here (the countdown, the turbo, crashes, chat and
    // what the dispatcher hears of on the way), so a window listens to one place.
    void Sound(Cue c, double pan = 0) { emit cue(c, pan); }

signals:
    void controlsChanged();
    // A round's outcome arrived here.
    void roundDecided();
    // A client learnt that the host had begun a new round or match, though no outcome of the
    // last round arrived (it was lost on the way). Emitted before the old arena is cleared.
    void roundMissed();
    // A player or team has won the match on this instance.
    void matchWon();
    // Something to be heard; pan runs from -1 (left) to 1 (right).
    void cue(Cue c, double pan);
    // Play paused: the panel steps aside as the game window does.
    void panelMinimised();
    // The match is over: the panel comes back before the box that says so.
    void panelWanted();
    // A match began here (the first-run hint has done its work).
    void matchBegan();
    // Something only a host sends arrived (its match's datagrams, its answer to a roll call)
    // after none had for HostSilentMs, or ever.
    void hostHeard();

private:
    void Update(const std::function<void(ControlState&)>& change);
    // Reset All on this instance: no registrations, no riders, every control free.
    void ResetEverything();
    void Message(const QString& text, const QString& title, MessageIcon icon) const;
    // Positions drawn in the round set up last (counted afresh each round setup).
    int RoundPositions();
    // This client saw the round riding and has heard no outcome of it.
    bool RoundUnfinished();
    void TakeSettings(const Settings& f);
    // Score boxes, countdown box and status as a new match begins.
    void FreshScores();
    void MatchBegins();
    // Over the arena until the next match: who won, and every player's score.
    void ShowFinalScores(const QString& winners);
    // No match runs any more: a paused host has nothing left to resume.
    void MatchEnds();
    // Once a second while a client is in a match: is the host still there?
    void WatchHost();
    void HostHeard();
    void HostLeft();

    Parts p_;
    WindowPort* window_ = nullptr;
    ControlState controls_;
    bool hostPaused_ = false; // the host paused play; only its own Resume goes on
    int outcomeAtStep_ = -1;             // countdown steps taken when the last outcome was
    int outcomeAtSetup_ = -1;            // ... and rounds set up
    bool outcomeAfterPositions_ = false; // ... and whether that round had been seen riding
    std::optional<int> lastOutcome_;
    int positionsRound_ = -1;
    int roundPositions_ = 0;
    // Since the last Positions, in milliseconds; a very long time when none came yet.
    qint64 SincePositionsMs() const { return positionsAtMs_ ? clock_->Ms() - *positionsAtMs_ : 1LL << 40; }
    MatchClock ownClock_;
    const MatchClock* clock_ = &ownClock_;
    std::optional<qint64> positionsAtMs_;
    std::optional<Settings> lastSettings_; // the match settings last taken, and when
    int settingsAtStep_ = -1;
    int resumeAtStep_ = -1; // countdown steps taken when the last resume was
    bool fitted_ = false; // the window was sized for a received match at least once
    bool matchRunning_ = false;
    QTimer hostWatch_;
    int asks_ = 0;           // roll calls sent to see whether the host is there
    qint64 hostAtMs_ = 0;    // when something only a host sends last came
    QElapsedTimer sinceAsked_;
};
