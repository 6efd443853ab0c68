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
    QStringList lines{winners + QStringLiteral(" won the match!")};
    for (int i = 1; i <= s.PlayerCount(); ++i) {
        const QString name = s.Players[i].Name.isEmpty() ? QStringLiteral("Player %1").arg(i) : s.Players[i].Name;
        lines << QStringLiteral("%1: %2").arg(Isolated(name), p_.board.Score(i).text);
    }
    p_.board.SetBanner(lines);
}

void MatchControl::MatchEnds() {
    matchRunning_ = false;
    hostWatch_.stop();
    hostPaused_ = false;
    Update([](ControlState& c) { c.pauseCaption = QStringLiteral("Pause"); });
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
    const QString text = QStringLiteral("The host has left the match");
    p_.board.SetStatus(text);
    p_.board.Notify();
    Message(text, QStringLiteral("Lumivex"), MessageIcon::Information);
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
        Message(QStringLiteral("No Client 1!"), QStringLiteral("Warning!"), MessageIcon::Warning);
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
        c.pauseCaption = QStringLiteral("Pause");
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
    Update([](ControlState& c) { c.pauseCaption = QStringLiteral("Pause"); });
    // The host rides too: its window comes back and takes the keys, as a client's does.
    if (window_ && window_->IsMinimised()) window_->Restore();
    if (window_) window_->FocusArena();
    Board& board = p_.board;
    board.SetStopGoColor(colours::CountdownIdle);
    board.SetStopGoText(QStringLiteral("3"));
    board.SetStatus(QStringLiteral("Game Resumed!"));
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

void MatchControl::ObstacleArriving() {
    HostHeard(); // only a host sends obstacles
    MatchState& s = p_.state;
    // Obstacles come only from a host setting up a round of a running match. A copy that saw
    // the last match end and no new one begin lost the new match's settings: it goes on with
    // the settings it has, as the new match's countdown would have, instead of sitting the
    // whole match out.
    if (s.MatchOver && s.LocalPlayer != 0 && !p_.countdown.IsRunning() &&
        SincePositionsMs() >= QuietBeforeSetupMs) {
        s.MatchOver = False16;
        MatchBegins();
        FreshScores();
        p_.countdown.SetUpNow();
        return;
    }
    if (!RoundUnfinished() || SincePositionsMs() < QuietBeforeSetupMs) return;
    // What the countdown would have done from the lost outcome on: no point is counted (the
    // winner is unknown), but the old trails go and the new round is set up before its first
    // obstacle is drawn, so this arena agrees with the host's again.
    emit roundMissed();
    p_.countdown.SetUpNow();
}

void MatchControl::OutcomeArrived(std::optional<std::int16_t> code) {
    MatchState& s = p_.state;
    Board& board = p_.board;
    Countdown& countdown = p_.countdown;
    // A network may deliver a datagram twice. Between two real outcomes a whole countdown
    // runs; a repeat comes before its first step and would otherwise hand out a second point.
    // After the match's last outcome no countdown runs, and none comes before a new match,
    // unless a client that lost the new match's settings sets its round up from the host's.
    // An outcome that came before the round was seen riding (forged, or a round decided in
    // its first tick) must not hide the one that comes after the round's Positions.
    const int steps = countdown.Steps();
    const int setups = p_.setup.SetupsDone();
    const bool riding = RoundPositions() > 0;
    const bool waiting = countdown.IsRunning() || (s.MatchOver && setups == outcomeAtSetup_);
    if (steps == outcomeAtStep_ && waiting && (outcomeAfterPositions_ || !riding)) return;
    outcomeAtStep_ = steps;
    outcomeAtSetup_ = setups;
    HostHeard();
    outcomeAfterPositions_ = riding;
    lastOutcome_ = code ? std::optional<int>(*code) : std::nullopt;
    emit roundDecided();
    // The round is over here too, so the next countdown sets up a fresh round even where
    // play was paused at the very moment the round was decided.
    s.RoundOver = True16;
    const auto entry = code ? outcome::Lookup(*code) : std::nullopt;
    if (entry) p_.crashes.OnOutcome(entry->winners, s.PlayerCount(), setups, board.Arena().Width());
    bool matchOver = false;
    if (entry && *code == outcome::Nobody) {
        board.SetStatus(QStringLiteral("Nobody won!"));
    } else if (entry) {
        const QString winners = outcome::WinnersText(*entry, s);
        board.SetStatus(winners + QStringLiteral(" won!"));
        const int box = entry->scoreBox;
        if (const auto score = convert::ToInt16(board.Score(box).text)) {
            if (const auto next = convert::Narrow16(std::int64_t(*score) + 1)) {
                board.SetScoreText(box, QString::number(*next));
                if (*next == s.MatchScore) {
                    if (s.LocalPlayer == 0) countdown.Stop();
                    s.MatchOver = True16;
                    MatchEnds();
                    ShowFinalScores(winners);
                    board.Notify();
                    emit panelWanted();
                    Message(winners + QStringLiteral(" won the match!"), QStringLiteral("Lumivex"), MessageIcon::None);
                    matchOver = true;
                    emit matchWon();
                }
            }
        }
    }
    if (entry) {
        const auto& w = entry->winners;
        const bool localWon = std::find(w.begin(), w.end(), s.LocalIndex()) != w.end();
        emit cue(matchOver ? Cue::MatchWon : localWon ? Cue::RoundWon : Cue::RoundLost, 0);
    }
    if (!s.MatchOver) {
        // A round shorter than a client's lag behind the host is over before the client's own
        // countdown has ended; that countdown starts over, or the client would skip setting up
        // the next round and keep this one's trails and obstacles.
        if (s.LocalPlayer != 0 && countdown.IsRunning() && board.StopGo().text != QLatin1String("3"))
            countdown.CatchUp();
        countdown.Start();
    }
}

bool MatchControl::RepeatsLastSettings(const Settings& f) const {
    return lastSettings_ == f && p_.countdown.Steps() == settingsAtStep_ && p_.countdown.IsRunning();
}

void MatchControl::SettingsArrived(const Settings& f) {
    if (RepeatsLastSettings(f)) return;
    lastSettings_ = f;
    settingsAtStep_ = p_.countdown.Steps();

    MatchState& s = p_.state;
    // A new match that finds this client still in a round it saw riding: the outcome that
    // ended the last match was lost. The settings clear everything; the round ends here.
    if (s.LocalPlayer != 0 && RoundUnfinished()) emit roundMissed();
    if (s.LocalPlayer != 0) TakeSettings(f);

    // A new match replaces whatever round was still running here.
    AbandonRound();
    MatchBegins();

    Board& board = p_.board;
    if (f.name) s.Players[1].Name = wire::CleanName(*f.name);
    if (f.color) {
        s.Players[1].Color = Roster::ShownColour(1, *f.color);
        board.SetScoreColor(1, s.Players[1].Color);
    }
    s.InitGameVariables();
    if (f.back) {
        board.Arena().SetBackColor(*f.back);
        s.ArenaBackColor = board.Arena().Pixel(10, 10);
    }
    board.Arena().Clear();
    FreshScores();
    p_.countdown.Start();
    for (int i = s.PlayerCount() + 1; i <= 8; ++i) s.Players[i].Color = colours::White;
}

void MatchControl::TakeSettings(const Settings& f) {
    MatchState& s = p_.state;
    Board& board = p_.board;
    if (window_ && window_->IsMinimised()) window_->Restore();
    Update([](ControlState& c) {
        c.startEnabled = false;
        c.pauseEnabled = true;
        c.resetAllEnabled = false;
    });
    // A received size is held to the host's own limits: no datagram may ask for an arena
    // that exhausts memory.
    if (f.height && f.width) {
        const int height = std::clamp<int>(*f.height, MinHeight, MaxHeight);
        const int width = std::clamp<int>(*f.width, MinWidth, MaxWidth);
        if (width != board.Arena().Width() || height != board.Arena().Height() || !fitted_) {
            board.ResizeArena(width, height);
            if (window_) window_->FitArena(width, height);
            fitted_ = true;
        }
    }
    // Each setting is taken only within the range a host can send.
    auto take = [](const std::optional<std::int16_t>& v, std::int16_t& target, int lo, int hi) {
        if (v && *v >= lo && *v <= hi) target = *v;
    };
    auto flag = [](const std::optional<std::int16_t>& v, std::int16_t& target) {
        if (v) target = *v != 0 ? True16 : False16;
    };
    take(f.speed, s.Speed, 1, 500);
    take(f.thickness, s.Thickness, 0, 3);
    flag(f.warp, s.WarpOn);
    take(f.players, s.NumPlayers, 2, 8);
    take(f.matchScore, s.MatchScore, 1, 100);
    take(f.complexity, s.Complexity, 1, 30);
    s.MatchOver = False16;
    s.Paused = False16;
    flag(f.turbo, s.TurboOn);
    flag(f.team, s.TeamOn);
    flag(f.fixedPosition, s.FixedPosition);
    flag(f.diagonal, s.DiagonalMotion);
}

void MatchControl::PauseArrived(bool pause) {
    MatchState& s = p_.state;
    Board& board = p_.board;
    if (!matchRunning_) return;
    if (s.LocalPlayer == 0) {
        // The host resumes only by its own button.
        if (!pause) return;
        hostPaused_ = true;
        Update([](ControlState& c) { c.pauseCaption = QStringLiteral("Resume"); });
        board.SetStatus(QStringLiteral("Game Paused!"));
        s.Paused = True16;
        p_.countdown.Stop();
        board.Notify();
        if (window_ && !window_->IsMinimised()) window_->Minimise();
        emit panelMinimised();
    } else if (pause) {
        board.SetStatus(QStringLiteral("Game Paused!"));
        board.Notify();
        emit panelMinimised();
        if (window_ && !window_->IsMinimised()) window_->Minimise();
        Update([](ControlState& c) { c.pauseEnabled = false; });
        s.Paused = True16;
    } else {
        // A repeat of the resume (a flood, or a datagram that came twice) must not hold the
        // countdown at "3" for ever.
        if (p_.countdown.IsRunning() && p_.countdown.Steps() == resumeAtStep_) return;
        resumeAtStep_ = p_.countdown.Steps();
        if (window_ && window_->IsMinimised()) window_->Restore();
        if (window_) window_->FocusArena();
        board.SetStopGoColor(colours::CountdownIdle);
        board.SetStopGoText(QStringLiteral("3"));
        p_.countdown.Start();
        Update([](ControlState& c) { c.pauseEnabled = true; });
        board.SetStatus(QStringLiteral("Game Resumed!"));
    }
}
