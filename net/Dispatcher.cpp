#include "Dispatcher.h"

#include "Convert.h"
#include "Instance.h"
#include "Messages.h"
#include "Outcome.h"

#include <algorithm>

// Checked access to the fields of one datagram.
class Dispatcher::Fields {
public:
    explicit Fields(wire::FieldList f) : f_(std::move(f)) {}
    std::optional<QString> Text(int i) const {
        if (i < 0 || i >= f_.size()) return std::nullopt;
        return f_[i].toString();
    }
    std::optional<std::int16_t> Int16(int i) const {
        if (i < 0 || i >= f_.size()) return std::nullopt;
        return convert::ToInt16(f_[i]);
    }
    std::optional<std::int32_t> Int32(int i) const {
        if (i < 0 || i >= f_.size()) return std::nullopt;
        return convert::ToInt32(f_[i]);
    }

private:
    wire::FieldList f_;
};

namespace {
bool IsPlayer(int p) { return p >= 0 && p <= 8; } // the table's slots, 0 included
bool IsRosterSlot(int s) { return s >= 1 && s <= 7; }
bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }
} // namespace

int Dispatcher::RoundPositions() {
    const int round = in_.Setup().SetupsDone();
    if (round != positionsRound_) {
        positionsRound_ = round;
        roundPositions_ = 0;
    }
    return roundPositions_;
}

void Dispatcher::tcpReceive_DataArrival(const QByteArray& datagram) {
    const Fields f(wire::SplitFields(datagram));
    const auto number = f.Int16(0);
    if (!number) {
        ++malformed_;
        return;
    }
    if (*number == static_cast<int>(wire::Message::MatchSettings)) {
        // The same settings again before the countdown has taken a step: a repeat (a flood, or
        // a datagram that came twice), not a new match.
        const int steps = in_.GetCountdown().Steps();
        if (datagram == lastSettings_ && steps == settingsAtStep_ && in_.GetCountdown().IsRunning()) return;
        lastSettings_ = datagram;
        settingsAtStep_ = steps;
    }
    switch (static_cast<wire::Message>(*number)) {
    case wire::Message::Positions: Positions(f); break;
    case wire::Message::Steer: Steer(f); break;
    case wire::Message::RoundOutcome: RoundOutcome(f); break;
    case wire::Message::MatchSettings: MatchSettings(f); break;
    case wire::Message::Obstacle: Obstacle(f); break;
    case wire::Message::ResetAll: ResetAll(); break;
    case wire::Message::ResetMatch: ResetMatch(); break;
    case wire::Message::Register: Register(f); break;
    case wire::Message::PauseResume: PauseResume(f); break;
    case wire::Message::RollCall: RollCall(); break;
    case wire::Message::Unregister: Unregister(f); break;
    case wire::Message::TurboOff: TurboOff(f); break;
    case wire::Message::Turn: Turn(f); break;
    default: ++malformed_; return; // numbers outside the catalogue mean nothing
    }
    in_.GetBoard().Notify();
}

void Dispatcher::Positions(const Fields& f) {
    MatchState& s = in_.State();
    Board& board = in_.GetBoard();
    Canvas& arena = board.Arena();
    const int t = s.Thickness;
    const int n = s.PlayerCount();

    RoundPositions();
    ++roundPositions_;
    sincePositions_.start();
    // Fields 1..16 are the heads (x, y), 17..24 the fuels; each is read once.
    std::array<std::optional<std::int16_t>, 25> v;
    for (int i = 1; i < 25; ++i) v[static_cast<std::size_t>(i)] = f.Int16(i);
    const auto X = [&v](int i) { return v[static_cast<std::size_t>(2 * i - 1)]; };
    const auto Y = [&v](int i) { return v[static_cast<std::size_t>(2 * i)]; };
    const auto Fuel = [&v](int i) { return v[static_cast<std::size_t>(16 + i)]; };
    std::array<MatchLink::Point, 8> heads{};
    std::array<int, 8> fuels{};
    for (int i = 1; i <= 8; ++i) {
        heads[static_cast<std::size_t>(i - 1)] = {X(i).value_or(0), Y(i).value_or(0)};
        fuels[static_cast<std::size_t>(i - 1)] = Fuel(i).value_or(0);
    }

    arena.SetFillStyle(Canvas::FillStyle::Solid);
    // Crashed riders are drawn too: only the host knows who crashed, and skipping them there
    // alone would leave its arena, the one crashes are judged on, different from every client's.
    for (int i = 1; i <= n; ++i) {
        const PlayerRecord& p = s.Players[i];
        const auto x = X(i), y = Y(i);
        if (x && y) {
            arena.SetFillColor(p.Color);
            arena.Circle(*x, *y, t + 1, p.Color);
        }
        if (const auto fuel = Fuel(i)) board.ShowFuel(i, *fuel, p.Color);
    }

    if (s.WarpOn) {
        const int w = arena.Width(), h = arena.Height();
        for (int i = 1; i <= n; ++i) {
            PlayerRecord& p = s.Players[i];
            if (const auto x = X(i)) {
                if (*x < t + 7) p.X = static_cast<std::int16_t>(w - 10 - t);
                if (*x > w - 10 - t) p.X = static_cast<std::int16_t>(t + 7);
            }
            if (const auto y = Y(i)) {
                if (*y < t + 7) p.Y = static_cast<std::int16_t>(h - 10 - t);
                if (*y > h - 10 - t) p.Y = static_cast<std::int16_t>(t + 7);
            }
        }
    }
    in_.Loop().PositionsDrawn(heads);
    ListenForCrashes(heads, n);
    in_.GetPilots().OnPositions(heads, fuels);
}

void Dispatcher::ListenForCrashes(const std::array<MatchLink::Point, 8>& heads, int players) {
    const int round = in_.Setup().SetupsDone();
    if (round != cueRound_) {
        cueRound_ = round;
        still_.fill(0);
        crashCued_.fill(false);
    } else {
        for (int i = 0; i < 8; ++i) {
            const auto& h = heads[static_cast<std::size_t>(i)];
            const auto& before = lastHeads_[static_cast<std::size_t>(i)];
            int& still = still_[static_cast<std::size_t>(i)];
            still = (h.x == before.x && h.y == before.y) ? still + 1 : 0;
            if (still == StillWhenOut && i < players) CueCrash(i + 1, h.x);
        }
    }
    lastHeads_ = heads;
}

void Dispatcher::CueCrash(int player, int x) {
    bool& cued = crashCued_[static_cast<std::size_t>(player - 1)];
    if (cued) return;
    cued = true;
    const int width = std::max(1, in_.GetBoard().Arena().Width());
    emit in_.cue(Cue::Crash, std::clamp(2.0 * x / width - 1, -1.0, 1.0));
}

void Dispatcher::Steer(const Fields& f) {
    MatchState& s = in_.State();
    if (s.LocalPlayer != 0) return;
    const auto slot = f.Int16(1);
    if (!slot || !IsPlayer(*slot + 1)) return;
    PlayerRecord& p = s.Players[*slot + 1];
    const auto dir = f.Int16(2), turbo = f.Int16(3);
    Steering::ApplySteer(p, dir ? *dir : 0, turbo ? *turbo : -1);
}

void Dispatcher::RoundOutcome(const Fields& f) {
    MatchState& s = in_.State();
    Board& board = in_.GetBoard();
    // A network may deliver a datagram twice. Between two real outcomes a whole countdown
    // runs; a repeat comes before its first step and would otherwise hand out a second point.
    // After the match's last outcome no countdown runs, and none comes before a new match,
    // unless a client that lost the new match's settings sets its round up from the host's.
    // An outcome that came before the round was seen riding (forged, or a round decided in
    // its first tick) must not hide the one that comes after the round's Positions.
    const int steps = in_.GetCountdown().Steps();
    const int setups = in_.Setup().SetupsDone();
    const bool riding = RoundPositions() > 0;
    const bool waiting = in_.GetCountdown().IsRunning() || (s.MatchOver && setups == outcomeAtSetup_);
    if (steps == outcomeAtStep_ && waiting && (outcomeAfterPositions_ || !riding)) return;
    outcomeAtStep_ = steps;
    outcomeAtSetup_ = setups;
    outcomeAfterPositions_ = riding;
    emit in_.roundDecided();
    // The round is over here too, so the next countdown sets up a fresh round even where
    // play was paused at the very moment the round was decided.
    s.RoundOver = True16;
    const auto code = f.Int16(1);
    const auto entry = code ? outcome::Lookup(*code) : std::nullopt;
    // The crashes that decided the round came too late for a head to be seen standing.
    bool localWon = false;
    if (entry && cueRound_ == in_.Setup().SetupsDone()) {
        for (int i = 1; i <= s.PlayerCount() && i <= 8; ++i) {
            const bool won = std::find(entry->winners.begin(), entry->winners.end(), i) != entry->winners.end();
            if (!won) CueCrash(i, lastHeads_[static_cast<std::size_t>(i - 1)].x);
        }
    }
    if (entry) localWon = std::find(entry->winners.begin(), entry->winners.end(), s.LocalIndex()) != entry->winners.end();
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
                    if (s.LocalPlayer == 0) in_.GetCountdown().Stop();
                    s.MatchOver = True16;
                    board.Notify();
                    in_.ShowMessage(winners + QStringLiteral(" won the match!"), QStringLiteral("Lumivex"),
                                    MessageIcon::None);
                    matchOver = true;
                    emit in_.matchWon();
                }
            }
        }
    }
    if (entry) emit in_.cue(matchOver ? Cue::MatchWon : localWon ? Cue::RoundWon : Cue::RoundLost, 0);
    if (!s.MatchOver) {
        // A round shorter than a client's lag behind the host is over before the client's own
        // countdown has ended; that countdown starts over, or the client would skip setting up
        // the next round and keep this one's trails and obstacles.
        Countdown& countdown = in_.GetCountdown();
        if (s.LocalPlayer != 0 && countdown.IsRunning() && board.StopGo().text != QLatin1String("3"))
            countdown.CatchUp();
        countdown.Start();
    }
}

void Dispatcher::MatchSettings(const Fields& f) {
    MatchState& s = in_.State();
    Board& board = in_.GetBoard();
    WindowPort* window = in_.Window();
    PanelPort* panel = in_.Panel();

    // A new match that finds this client still in a round it saw riding: the outcome that
    // ended the last match was lost. The settings clear everything; the round ends here.
    if (s.LocalPlayer != 0 && RoundUnfinished()) emit in_.roundMissed();
    if (s.LocalPlayer != 0) {
        if (window && window->IsMinimised()) window->Restore();
        if (panel) {
            panel->SetStartEnabled(false);
            panel->SetPauseEnabled(true);
            panel->SetResetAllEnabled(false);
        }
        // A received size is held to the host's own limits: no datagram may ask for an arena
        // that exhausts memory.
        const auto h = f.Int16(1), w = f.Int16(2);
        if (h && w) {
            const int height = std::clamp<int>(*h, MinHeight, MaxHeight);
            const int width = std::clamp<int>(*w, MinWidth, MaxWidth);
            if (width != board.Arena().Width() || height != board.Arena().Height() || !fitted_) {
                board.ResizeArena(width, height);
                if (window) window->FitArena(width, height);
                fitted_ = true;
            }
        }
        // Each setting is taken only within the range a host can send.
        auto take = [&f](int i, std::int16_t& target, int lo, int hi) {
            if (const auto v = f.Int16(i); v && InRange(*v, lo, hi)) target = *v;
        };
        auto flag = [&f](int i, std::int16_t& target) {
            if (const auto v = f.Int16(i)) target = *v != 0 ? True16 : False16;
        };
        take(3, s.Speed, 1, 500);
        take(4, s.Thickness, 0, 3);
        flag(5, s.WarpOn);
        take(6, s.NumPlayers, 2, 8);
        take(7, s.MatchScore, 1, 100);
        take(8, s.Complexity, 1, 30);
        s.MatchOver = False16;
        flag(9, s.TurboOn);
        flag(10, s.TeamOn);
        flag(14, s.FixedPosition);
        flag(15, s.DiagonalMotion);
    }

    // A new match replaces whatever round was still running here.
    in_.AbandonRound();

    if (const auto name = f.Text(11)) s.Players[1].Name = wire::CleanName(*name);
    if (const auto c = f.Int32(12)) {
        s.Players[1].Color = *c == colours::White ? colours::HostDefault : *c;
        board.SetScoreColor(1, s.Players[1].Color);
    }
    in_.InitGameVariables();
    if (const auto back = f.Int32(13)) {
        board.Arena().SetBackColor(*back);
        s.ArenaBackColor = board.Arena().Pixel(10, 10);
    }
    board.SetStopGoColor(colours::CountdownIdle);
    board.SetStopGoText(QStringLiteral("3"));
    board.Arena().Clear();
    for (int i = 1; i <= 8; ++i) board.SetScoreText(i, QStringLiteral("0"));
    board.SetStatus(QString());
    in_.GetCountdown().Start();
    for (int i = s.PlayerCount() + 1; i <= 8; ++i) s.Players[i].Color = colours::White;
}

void Dispatcher::Obstacle(const Fields& f) {
    if (in_.State().LocalPlayer == 0) return;
    const auto x1 = f.Int16(1), y1 = f.Int16(2), x2 = f.Int16(3), y2 = f.Int16(4);
    if (!x1 || !y1 || !x2 || !y2) return;
    if (RoundUnfinished() && sincePositions_.elapsed() >= QuietBeforeSetupMs) CatchUpWithTheHost();
    Canvas& arena = in_.GetBoard().Arena();
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    arena.SetFillColor(colours::WallFill);
    arena.Box(*x1, *y1, *x2, *y2, colours::ObstacleOutline);
}

bool Dispatcher::RoundUnfinished() {
    return !in_.State().RoundOver && !in_.GetCountdown().IsRunning() && RoundPositions() > 0;
}

void Dispatcher::CatchUpWithTheHost() {
    // What the countdown would have done from the lost outcome on: no point is counted (the
    // winner is unknown), but the old trails go and the new round is set up before its first
    // obstacle is drawn, so this arena agrees with the host's again.
    emit in_.roundMissed();
    in_.GetCountdown().SetUpNow();
}

void Dispatcher::ResetAll() {
    MatchState& s = in_.State();
    if (s.LocalPlayer == 0) return;
    in_.InitControls();
    in_.GetRoster().Clear();
    in_.GetRoster().ForgetRiders();
    if (in_.Panel()) in_.Panel()->InitControls();
    s.RoundOver = True16;
    s.LocalPlayer = -1;
}

void Dispatcher::ResetMatch() {
    MatchState& s = in_.State();
    in_.InitControls();
    for (int i = 1; i <= 8; ++i) in_.GetBoard().FillGauge(i, s.Players[i].Color);
    s.RoundOver = True16;
}

void Dispatcher::Register(const Fields& f) {
    ++registers_;
    MatchState& s = in_.State();
    Roster& roster = in_.GetRoster();
    const auto slot = f.Int16(1);
    if (!slot || *slot <= 0) return;
    const int p = *slot + 1;
    if (p <= 8) {
        if (const auto name = f.Text(2)) s.Players[p].Name = wire::CleanName(*name);
        roster.SetText(*slot, s.Players[p].Name + QStringLiteral(" ready!"));
        const auto c = f.Int32(3);
        if (c) s.Players[p].Color = *c == colours::White ? colours::PlayerDefault[p] : *c;
        roster.SetColor(*slot, s.Players[p].Color);
        in_.GetBoard().SetScoreColor(p, s.Players[p].Color);
        if (c) roster.Registered(*slot, s.Players[p].Name, *c);
    }
    if (PanelPort* panel = in_.Panel()) {
        // The list shows the host and the clients in front of the first gap.
        int index = 6;
        for (int i = 1; i <= 7; ++i) {
            if (roster.Text(i).isEmpty()) {
                index = i - 2;
                break;
            }
        }
        panel->SetPlayersIndex(index);
    }
}

void Dispatcher::PauseResume(const Fields& f) {
    MatchState& s = in_.State();
    Board& board = in_.GetBoard();
    WindowPort* window = in_.Window();
    PanelPort* panel = in_.Panel();
    const auto what = f.Text(1);
    if (!what) return;
    const bool pause = *what == QLatin1String("1");

    if (s.LocalPlayer == 0) {
        // The host resumes only by its own button.
        if (!pause) return;
        if (panel) panel->SetPauseCaption(QStringLiteral("Resume"));
        board.SetStatus(QStringLiteral("Game Paused!"));
        s.Paused = True16;
        in_.GetCountdown().Stop();
        board.Notify();
        if (window) window->Minimise();
        if (panel) panel->Minimise();
    } else if (pause) {
        board.SetStatus(QStringLiteral("Game Paused!"));
        board.Notify();
        if (panel) panel->Minimise();
        if (window) window->Minimise();
        if (panel) panel->SetPauseEnabled(false);
        s.Paused = True16;
    } else {
        if (window && window->IsMinimised()) window->Restore();
        if (window) window->FocusArena();
        board.SetStopGoColor(colours::CountdownIdle);
        board.SetStopGoText(QStringLiteral("3"));
        in_.GetCountdown().Start();
        if (panel) panel->SetPauseEnabled(true);
        board.SetStatus(QStringLiteral("Game Resumed!"));
    }
}

void Dispatcher::RollCall() { in_.GetRoster().AnswerRollCall(); }

void Dispatcher::Unregister(const Fields& f) {
    Roster& roster = in_.GetRoster();
    const auto slot = f.Int16(1);
    if (!slot || *slot <= 0) return;
    if (IsRosterSlot(*slot)) {
        roster.SetText(*slot, QString());
        roster.SetColor(*slot, colours::FreeRosterBox);
        roster.Unregistered(*slot);
    }
    PanelPort* panel = in_.Panel();
    if (!panel) return;
    for (int i = 2; i <= 6; ++i) {
        if (roster.Text(i).isEmpty()) {
            panel->SetPlayersIndex(i - 2);
            break;
        }
    }
}

void Dispatcher::TurboOff(const Fields& f) {
    const auto p = f.Int16(1);
    if (!p || !IsPlayer(*p)) return;
    PlayerRecord& rider = in_.State().Players[*p];
    if (*p == in_.State().LocalIndex() && *p > 0 && rider.Turbo != 0) emit in_.cue(Cue::TurboOff, 0);
    rider.Turbo = 0;
}

void Dispatcher::Turn(const Fields& f) {
    const auto p = f.Int16(1), dir = f.Int16(2);
    if (p && IsPlayer(*p) && dir && direction::IsValid(*dir)) in_.State().Players[*p].Direction = *dir;
}
