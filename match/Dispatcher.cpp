#include "Dispatcher.h"

#include "Board.h"
#include "ChatLog.h"
#include "Convert.h"
#include "CrashWatch.h"
#include "GameLoop.h"
#include "MatchControl.h"
#include "Messages.h"
#include "Pilots.h"
#include "Roster.h"
#include "RoundSetup.h"
#include "Steering.h"

#include <algorithm>

namespace {
bool IsPlayer(int p) { return p >= 0 && p <= 8; } // the table's slots, 0 included
bool IsRosterSlot(int s) { return s >= 1 && s <= 7; }
} // namespace

void Dispatcher::tcpReceive_DataArrival(const QByteArray& datagram, const QString& sender) {
    const Fields f(datagram);
    const auto number = f.Int16(0);
    if (!number) {
        ++malformed_;
        return;
    }
    MatchControl& control = p_.control;
    const auto kind = static_cast<wire::Message>(*number);
    // Obstacles are weighed by their size, and a repeat of the match settings costs nothing.
    const bool weighedLater = kind == wire::Message::Obstacle || kind == wire::Message::MatchSettings;
    if (!weighedLater && !guard_.Admit(kind, sender, 1, 0)) return;
    switch (kind) {
    case wire::Message::Positions: Positions(f); break;
    case wire::Message::Steer: Steer(f); break;
    case wire::Message::RoundOutcome: control.OutcomeArrived(f.Int16(1)); break;
    case wire::Message::MatchSettings: MatchSettings(f, sender); break;
    case wire::Message::Obstacle: Obstacle(f, sender); break;
    case wire::Message::ResetAll: control.ResetAllArrived(); break;
    case wire::Message::ResetMatch: control.ResetMatchArrived(); break;
    case wire::Message::Register: Register(f); break;
    case wire::Message::PauseResume: PauseResume(f); break;
    case wire::Message::RollCall: p_.roster.AnswerRollCall(p_.control.MatchRunning()); break;
    case wire::Message::Unregister: Unregister(f); break;
    case wire::Message::TurboOff: TurboOff(f); break;
    case wire::Message::Turn: Turn(f); break;
    case wire::Message::Chat: Chat(f); break;
    default: ++malformed_; return; // numbers outside the catalogue mean nothing
    }
    p_.board.Notify();
}

void Dispatcher::Positions(const Fields& f) {
    MatchState& s = p_.state;
    Board& board = p_.board;
    Canvas& arena = board.Arena();
    const int t = s.Thickness;
    const int n = s.PlayerCount();

    p_.control.PositionsArrived();
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
            board.RiderDrawn(i, *x, *y, t + 1);
        }
        if (const auto fuel = Fuel(i)) board.ShowFuel(i, *fuel, p.Color);
    }

    if (s.WarpOn) {
        const int w = arena.Width(), h = arena.Height();
        for (int i = 1; i <= n; ++i) {
            PlayerRecord& p = s.Players[i];
            if (const auto x = X(i); x && warp::Wrap(*x, w, t) != *x)
                p.X = static_cast<std::int16_t>(warp::Wrap(*x, w, t));
            if (const auto y = Y(i); y && warp::Wrap(*y, h, t) != *y)
                p.Y = static_cast<std::int16_t>(warp::Wrap(*y, h, t));
        }
    }
    p_.loop.PositionsDrawn(heads);
    p_.crashes.OnPositions(heads, n, p_.setup.SetupsDone(), arena.Width());
    p_.pilots.OnPositions(heads, fuels);
}

void Dispatcher::Steer(const Fields& f) {
    MatchState& s = p_.state;
    if (s.LocalPlayer != 0) return;
    const auto slot = f.Int16(1);
    if (!slot || !IsPlayer(*slot + 1)) return;
    PlayerRecord& p = s.Players[*slot + 1];
    const auto dir = f.Int16(2), turbo = f.Int16(3);
    Steering::ApplySteer(p, dir ? *dir : 0, turbo ? *turbo : -1);
}

void Dispatcher::MatchSettings(const Fields& f, const QString& sender) {
    MatchControl::Settings m;
    m.height = f.Int16(1);
    m.width = f.Int16(2);
    m.speed = f.Int16(3);
    m.thickness = f.Int16(4);
    m.warp = f.Int16(5);
    m.players = f.Int16(6);
    m.matchScore = f.Int16(7);
    m.complexity = f.Int16(8);
    m.turbo = f.Int16(9);
    m.team = f.Int16(10);
    m.name = f.Text(11);
    m.color = f.Int32(12);
    m.back = f.Int32(13);
    m.fixedPosition = f.Int16(14);
    m.diagonal = f.Int16(15);
    if (p_.control.RepeatsLastSettings(m) || !guard_.Admit(wire::Message::MatchSettings, sender, 1, 0)) return;
    p_.control.SettingsArrived(m);
}

void Dispatcher::Obstacle(const Fields& f, const QString& sender) {
    if (p_.state.LocalPlayer == 0) return;
    const auto x1 = f.Int16(1), y1 = f.Int16(2), x2 = f.Int16(3), y2 = f.Int16(4);
    if (!x1 || !y1 || !x2 || !y2) return;
    Canvas& arena = p_.board.Arena();
    const QRect area = QRect(QPoint(std::min(*x1, *x2), std::min(*y1, *y2)), QPoint(std::max(*x1, *x2), std::max(*y1, *y2))) &
                       arena.Image().rect();
    const qint64 arenaPixels = qint64(arena.Width()) * arena.Height();
    if (!guard_.Admit(wire::Message::Obstacle, sender, qint64(area.width()) * area.height(), arenaPixels)) return;
    p_.control.ObstacleArriving();
    // A repeat would only scan what is there already (megabytes for a large box), or paint
    // over trails drawn since; the host draws each obstacle once.
    if (arena.Clears() != obstaclesAtClear_) {
        obstaclesAtClear_ = arena.Clears();
        obstacles_.clear();
    }
    const auto key = [](std::int16_t v) { return quint64(quint16(v)); };
    const quint64 box = key(*x1) << 48 | key(*y1) << 32 | key(*x2) << 16 | key(*y2);
    constexpr qsizetype MostRemembered = 4096; // a round of the densest obstacles has 784
    if (obstacles_.contains(box)) return;
    if (obstacles_.size() < MostRemembered) obstacles_.insert(box);
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    arena.SetFillColor(colours::WallFill);
    arena.Box(*x1, *y1, *x2, *y2, colours::ObstacleOutline);
}

void Dispatcher::Register(const Fields& f) {
    ++registers_;
    MatchState& s = p_.state;
    Roster& roster = p_.roster;
    const auto slot = f.Int16(1);
    if (slot == 0) p_.control.HostAnswered();
    if (!slot || *slot <= 0) return;
    if (registerHook_) registerHook_(*slot);
    const int p = *slot + 1;
    if (p <= 8) {
        if (const auto name = f.Text(2)) s.Players[p].Name = wire::CleanName(*name);
        roster.SetText(*slot, s.Players[p].Name + QStringLiteral(" ready!"));
        const auto c = f.Int32(3);
        if (c) s.Players[p].Color = Roster::ShownColour(p, *c);
        roster.SetColor(*slot, s.Players[p].Color);
        p_.board.SetScoreColor(p, s.Players[p].Color);
        if (c) roster.Registered(*slot, s.Players[p].Name, *c);
    }
    if (const auto index = roster.PlayersAfterRegister()) p_.control.SetPlayersIndex(*index);
}

void Dispatcher::PauseResume(const Fields& f) {
    if (const auto what = f.Text(1)) p_.control.PauseArrived(*what == QLatin1String("1"));
}

void Dispatcher::Unregister(const Fields& f) {
    Roster& roster = p_.roster;
    const auto slot = f.Int16(1);
    if (slot == 0) p_.control.HostClosedItsWindow();
    if (!slot || *slot <= 0) return;
    // On the host, a seat given up while its round rides takes its rider out of the round:
    // nobody steers it any more (its copy left, or lost the online game it joined through).
    MatchState& s = p_.state;
    if (s.LocalPlayer == 0 && p_.loop.IsRunning() && *slot + 1 <= s.PlayerCount())
        s.Players[*slot + 1].Crashed = -1;
    if (IsRosterSlot(*slot)) {
        roster.SetText(*slot, QString());
        roster.SetColor(*slot, colours::FreeRosterBox);
        roster.Unregistered(*slot);
    }
    if (const auto index = roster.PlayersAfterUnregister()) p_.control.SetPlayersIndex(*index);
}

void Dispatcher::TurboOff(const Fields& f) {
    const auto p = f.Int16(1);
    if (!p || !IsPlayer(*p)) return;
    PlayerRecord& rider = p_.state.Players[*p];
    if (*p == p_.state.LocalIndex() && *p > 0 && rider.Turbo != 0) p_.control.Sound(Cue::TurboOff);
    rider.Turbo = 0;
}

void Dispatcher::Turn(const Fields& f) {
    const auto p = f.Int16(1), dir = f.Int16(2);
    if (p && IsPlayer(*p) && dir && direction::IsValid(*dir)) p_.state.Players[*p].Direction = *dir;
}

void Dispatcher::Chat(const Fields& f) {
    const auto name = f.Text(1), text = f.Text(3);
    if (!name || !text) return;
    p_.chat.Arrived({wire::CleanName(*name), f.Int32(2).value_or(colours::White), wire::CleanChat(*text)});
}
