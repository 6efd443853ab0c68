// What the network brings to the match: obstacles, a round's outcome, the host's settings and
// its pauses, acted on as the host and every client must.
#include "MatchControl.h"

#include "Board.h"
#include "Convert.h"
#include "Countdown.h"
#include "CrashWatch.h"
#include "Outcome.h"
#include "Roster.h"
#include "RoundSetup.h"

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
        board.SetStatus(tr("Nobody won!"));
    } else if (entry) {
        const QString winners = outcome::WinnersText(*entry, s);
        board.SetStatus(tr("%1 won!").arg(winners));
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
                    Message(tr("%1 won the match!").arg(winners), tr("Lumivex"), MessageIcon::None);
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
        Update([](ControlState& c) { c.hostPaused = true; });
        board.SetStatus(tr("Game Paused!"));
        s.Paused = True16;
        p_.countdown.Stop();
        board.Notify();
        if (window_ && !window_->IsMinimised()) window_->Minimise();
        emit panelMinimised();
    } else if (pause) {
        board.SetStatus(tr("Game Paused!"));
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
        board.SetStatus(tr("Game Resumed!"));
    }
}
