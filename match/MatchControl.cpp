#include "MatchControl.h"

#include "Names.h"

#include "Board.h"
#include "Convert.h"
#include "Countdown.h"
#include "CrashWatch.h"
#include "GameLoop.h"
#include "Outcome.h"
#include "Roster.h"
#include "RoundSetup.h"

#include <algorithm>

MatchControl::MatchControl(Parts parts, QObject* parent) : QObject(parent), p_(std::move(parts)) {
    hostWatch_.setInterval(HostAnswerMs);
    connect(&hostWatch_, &QTimer::timeout, this, &MatchControl::WatchHost);
}

void MatchControl::MatchBegins() {
    matchRunning_ = true;
    p_.board.SetBanner({});
    HostHeard();
    if (p_.state.LocalPlayer > 0 && !hostWatch_.isActive()) hostWatch_.start();
    emit matchBegan();
}

void MatchControl::HostHeard() {
    // Called with every Positions: the panel hears of the host only when it was not there.
    const qint64 now = clock_->Ms();
    const bool back = hostAtMs_ == 0 || now - hostAtMs_ >= HostSilentMs;
    hostAtMs_ = now;
    asks_ = 0;
    if (back) emit hostHeard();
}

void MatchControl::ShowFinalScores(const QString& winners) {
    const MatchState& s = p_.state;
    QStringList lines{tr("%1 won the match!").arg(winners)};
    for (int i = 1; i <= s.PlayerCount(); ++i) {
        const QString name = s.Players[i].Name.isEmpty() ? tr("Player %1").arg(i) : s.Players[i].Name;
        lines << QStringLiteral("%1: %2").arg(Isolated(name), p_.board.Score(i).text);
    }
    p_.board.SetBanner(lines);
}

void MatchControl::MatchEnds() {
    matchRunning_ = false;
    hostWatch_.stop();
    hostPaused_ = false;
    Update([](ControlState& c) { c.hostPaused = false; });
}

void MatchControl::WatchHost() {
    // A host may go at any moment, in a countdown and between rounds too, where nothing is
    // due from it for seconds: so a client in a match asks whenever the host was silent.
    if (p_.state.LocalPlayer <= 0 || !matchRunning_) {
        asks_ = 0;
        hostWatch_.stop();
        return;
    }
    if (clock_->Ms() - hostAtMs_ < HostSilentMs) return;
    if (asks_ > 0 && sinceAsked_.elapsed() < HostAnswerMs) return;
    if (asks_ < HostAsks) {
        // Nothing on the wire says that a host has gone: ask, as any copy may, and again on
        // a lossy network before taking it for gone.
        ++asks_;
        sinceAsked_.start();
        p_.send(wire::RollCall());
        return;
    }
    HostLeft();
}

void MatchControl::HostClosedItsWindow() {
    // Its match stopped with its window, though the program runs on.
    if (p_.state.LocalPlayer > 0 && matchRunning_) HostLeft();
}

void MatchControl::HostLeft() {
    MatchState& s = p_.state;
    asks_ = 0;
    AbandonRound();
    s.RoundOver = True16;
    s.MatchOver = True16;
    MatchEnds();
    // The registration stays: a new host picks this copy up with its next match.
    Update([](ControlState& c) {
        c.optionsEnabled = c.startEnabled = c.resetAllEnabled = c.resetMatchEnabled = true;
        c.pauseEnabled = false;
    });
    const QString text = tr("The host has left the match");
    p_.board.SetStatus(text);
    p_.board.Notify();
    Message(text, tr("Lumivex"), MessageIcon::Information);
}

void MatchControl::Update(const std::function<void(ControlState&)>& change) {
    ControlState next = controls_;
    change(next);
    if (next == controls_) return;
    controls_ = next;
    emit controlsChanged();
}

void MatchControl::Message(const QString& text, const QString& title, MessageIcon icon) const {
    if (p_.message) p_.message(text, title, icon);
}

void MatchControl::SetPlayersIndex(int index) {
    Update([index](ControlState& c) {
        c.playersIndex = index;
        ++c.playersSet;
    });
}

void MatchControl::AbandonRound() {
    p_.loop.Abandon();
    p_.countdown.Stop();
    p_.countdown.StopMarker();
}

void MatchControl::ClearBoard() {
    p_.countdown.Stop();
    p_.countdown.StopMarker();
    p_.board.Arena().Clear();
    p_.board.ForgetHeads(); // no rider's disc stays in the emptied arena
    FreshScores();
    p_.board.Notify();
}

void MatchControl::FreshScores() {
    Board& board = p_.board;
    board.SetStopGoColor(colours::CountdownIdle);
    board.SetStopGoText(QStringLiteral("3"));
    for (int i = 1; i <= 8; ++i) board.SetScoreText(i, QStringLiteral("0"));
    board.SetStatus(QString());
}

MatchControl::Start MatchControl::StartMatch(MatchOptions& o) {
    if (p_.roster.Text(1).isEmpty()) {
        Message(tr("No Client 1!"), tr("Warning!"), MessageIcon::Warning);
        return Start::NoClient1;
    }
    // Pressed during a running round, the old round stops here, so only one loop ever runs.
    AbandonRound();

    wire::Settings& m = o.settings;
    MatchState& s = p_.state;
    s.MatchOver = False16;
    // A new match is not paused, even when the last one was left paused: its first countdown
    // must set a fresh round up.
    s.Paused = False16;
    hostPaused_ = false;
    s.Complexity = static_cast<std::int16_t>(m.complexity);
    s.Speed = static_cast<std::int16_t>(m.speed);
    s.MatchScore = static_cast<std::int16_t>(m.matchScore);
    s.NumPlayers = static_cast<std::int16_t>(m.numPlayers);
    s.Thickness = static_cast<std::int16_t>(m.thickness);
    s.LocalPlayer = 0;
    s.WarpOn = m.warp ? True16 : False16;
    s.TurboOn = m.turbo ? True16 : False16;
    s.TeamOn = m.team ? True16 : False16;
    s.SnapToGrid = o.snapToGrid ? True16 : False16;
    s.FixedPosition = m.fixedPosition ? True16 : False16;
    s.DiagonalMotion = m.diagonalMotion ? True16 : False16;
    MatchBegins();
    m.width = std::clamp(m.width, MinWidth, MaxWidth);
    m.height = std::clamp(m.height, MinHeight, MaxHeight);

    Update([](ControlState& c) {
        c.pauseEnabled = true;
        c.resetAllEnabled = true;
        c.leaveEnabled = false;
        c.hostPaused = false;
    });
    if (window_ && window_->IsMinimised()) window_->Restore();
    Board& board = p_.board;
    board.SetStopGoText(QStringLiteral("3"));
    for (int i = 1; i <= 8; ++i) board.SetScoreText(i, QStringLiteral("0"));
    board.SetStatus(QString());

    p_.send(wire::MatchSettings(m));

    board.ResizeArena(m.width, m.height);
    if (window_) window_->FitArena(m.width, m.height);
    p_.countdown.Start();
    board.Arena().Clear();
    board.Notify();
    if (window_) window_->FocusArena();
    return Start::Started;
}

void MatchControl::PauseResume() {
    // Outside a match there is nothing to pause, and a resume would play a round of none.
    if (!matchRunning_) return;
    if (!hostPaused_) {
        // Every copy pauses on the message, this one included; only the host's press resumes.
        p_.send(wire::PauseResume(true));
        return;
    }
    hostPaused_ = false;
    Update([](ControlState& c) { c.hostPaused = false; });
    // The host rides too: its window comes back and takes the keys, as a client's does.
    if (window_ && window_->IsMinimised()) window_->Restore();
    if (window_) window_->FocusArena();
    Board& board = p_.board;
    board.SetStopGoColor(colours::CountdownIdle);
    board.SetStopGoText(QStringLiteral("3"));
    board.SetStatus(tr("Game Resumed!"));
    board.Notify();
    p_.countdown.Start();
    p_.send(wire::PauseResume(false));
}

void MatchControl::ResetMatch() {
    p_.state.MatchOver = True16;
    p_.send(wire::ResetMatch());
}

void MatchControl::ResetAll() {
    // The press acts at once, on a host too; the message then resets everyone else.
    ResetEverything();
    p_.send(wire::ResetAll());
}

void MatchControl::ResetAllArrived() {
    // Reset All pressed elsewhere leaves a host's own match alone.
    if (p_.state.LocalPlayer != 0) ResetEverything();
}

void MatchControl::ResetEverything() {
    MatchState& s = p_.state;
    // What tells a repeated datagram from a new one belongs to the match that went: the next
    // match's settings or outcome, even the same text at the same countdown step, is new.
    lastSettings_.reset();
    settingsAtStep_ = outcomeAtStep_ = outcomeAtSetup_ = resumeAtStep_ = -1;
    outcomeAfterPositions_ = false;
    positionsAtMs_.reset();
    positionsRound_ = -1;
    roundPositions_ = 0;
    p_.roster.ForgetRiders();
    p_.roster.Clear();
    ClearBoard();
    MatchEnds();
    Update([](ControlState& c) {
        c.optionsEnabled = c.startEnabled = c.resetMatchEnabled = c.resetAllEnabled = true;
        c.pauseEnabled = c.leaveEnabled = false;
    });
    s.RoundOver = True16;
    s.LocalPlayer = -1;
}

void MatchControl::ResetMatchArrived() {
    MatchEnds();
    ClearBoard();
    for (int i = 1; i <= 8; ++i) p_.board.FillGauge(i, p_.state.Players[i].Color);
    p_.state.RoundOver = True16;
}

void MatchControl::BeginRegistration() {
    Update([](ControlState& c) {
        c.optionsEnabled = c.startEnabled = c.resetMatchEnabled = c.resetAllEnabled = false;
        c.pauseEnabled = c.leaveEnabled = true;
    });
}

void MatchControl::LeaveMatch() {
    MatchState& s = p_.state;
    if (s.LocalPlayer == 0) return; // a host ends its match with Reset Match or Reset All
    if (s.LocalPlayer > 0) p_.send(wire::Unregister(s.LocalPlayer));
    NetworkLost();
}

void MatchControl::NetworkLost() {
    MatchState& s = p_.state;
    if (s.LocalPlayer == 0) return;
    AbandonRound();
    MatchEnds();
    s.LocalPlayer = -1;
    s.RoundOver = True16;
    Update([](ControlState& c) {
        c.optionsEnabled = c.startEnabled = c.resetMatchEnabled = c.resetAllEnabled = true;
        c.pauseEnabled = c.leaveEnabled = false;
    });
}

void MatchControl::WindowClosed() {
    AbandonRound();
    MatchEnds();
    // A host whose game window closes keeps its panel, and the panel keeps listening: its
    // roster must still hear registrations and roll calls.
    Update([](ControlState& c) { c.startEnabled = c.pauseEnabled = c.resetAllEnabled = true; });
}

int MatchControl::RoundPositions() {
    const int round = p_.setup.SetupsDone();
    if (round != positionsRound_) {
        positionsRound_ = round;
        roundPositions_ = 0;
    }
    return roundPositions_;
}

void MatchControl::PositionsArrived() {
    RoundPositions();
    ++roundPositions_;
    positionsAtMs_ = clock_->Ms();
    HostHeard();
    if (p_.state.LocalPlayer > 0 && matchRunning_ && !hostWatch_.isActive()) hostWatch_.start();
}

bool MatchControl::RoundUnfinished() {
    return !p_.state.RoundOver && !p_.countdown.IsRunning() && RoundPositions() > 0;
}
