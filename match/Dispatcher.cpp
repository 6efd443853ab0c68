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
    const wire::Datagram d = wire::Decode(datagram);
    const auto kind = wire::KindOf(d);
    if (!kind) { // no number, or one outside the catalogue: it means nothing
        ++malformed_;
        return;
    }
    // Obstacles are weighed by their size, and a repeat of the match settings costs nothing.
    const bool weighedLater = *kind == wire::Message::Obstacle || *kind == wire::Message::MatchSettings;
    if (!weighedLater && !guard_.Admit(*kind, sender, 1, 0)) return;
    MatchControl& control = p_.control;
    using namespace wire::msg;
    std::visit(
        [&](const auto& m) {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, RoundOutcome>) control.OutcomeArrived(m.code);
            else if constexpr (std::is_same_v<M, ResetAll>) control.ResetAllArrived();
            else if constexpr (std::is_same_v<M, ResetMatch>) control.ResetMatchArrived();
            else if constexpr (std::is_same_v<M, RollCall>) p_.roster.AnswerRollCall(control.MatchRunning());
            else if constexpr (std::is_same_v<M, wire::msg::MatchSettings> || std::is_same_v<M, wire::msg::Obstacle>)
                Take(m, sender);
            else if constexpr (!std::is_same_v<M, Unknown>) Take(m);
        },
        d);
    p_.board.Notify();
}

void Dispatcher::Take(const wire::msg::Positions& m) {
    MatchState& s = p_.state;
    Board& board = p_.board;
    Canvas& arena = board.Arena();
    const int t = s.Thickness;
    const int n = s.PlayerCount();

    p_.control.PositionsArrived();
    const auto X = [&m](int i) { return m.x[static_cast<std::size_t>(i - 1)]; };
    const auto Y = [&m](int i) { return m.y[static_cast<std::size_t>(i - 1)]; };
    const auto Fuel = [&m](int i) { return m.fuel[static_cast<std::size_t>(i - 1)]; };
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

void Dispatcher::Take(const wire::msg::Steer& m) {
    MatchState& s = p_.state;
    if (s.LocalPlayer != 0) return;
    if (!m.slot || !IsPlayer(*m.slot + 1)) return;
    p_.steering.Want(*m.slot, {Wish::From::Wire, m.direction.value_or(0), m.turbo.value_or(-1)});
}

void Dispatcher::Take(const wire::msg::MatchSettings& m, const QString& sender) {
    if (p_.control.RepeatsLastSettings(m) || !guard_.Admit(wire::Message::MatchSettings, sender, 1, 0)) return;
    p_.control.SettingsArrived(m);
}

void Dispatcher::Take(const wire::msg::Obstacle& m, const QString& sender) {
    if (p_.state.LocalPlayer == 0) return;
    const auto x1 = m.x1, y1 = m.y1, x2 = m.x2, y2 = m.y2;
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

void Dispatcher::Take(const wire::msg::Register& m) {
    ++registers_;
    MatchState& s = p_.state;
    Roster& roster = p_.roster;
    const auto slot = m.slot;
    if (slot == 0) p_.control.HostAnswered();
    if (!slot || *slot <= 0) return;
    if (registerHook_) registerHook_(*slot);
    const int p = *slot + 1;
    if (p <= 8) {
        if (m.name) s.Players[p].Name = wire::CleanName(*m.name);
        roster.ShowRegistered(*slot, s.Players[p].Name);
        const auto c = m.colour;
        if (c) s.Players[p].Color = Roster::ShownColour(p, *c);
        roster.SetColor(*slot, s.Players[p].Color);
        p_.board.SetScoreColor(p, s.Players[p].Color);
        if (c) roster.Registered(*slot, s.Players[p].Name, *c);
    }
    if (const auto index = roster.PlayersAfterRegister()) p_.control.SetPlayersIndex(*index);
}

void Dispatcher::Take(const wire::msg::PauseResume& m) {
    if (m.pause) p_.control.PauseArrived(*m.pause == QLatin1String("1"));
}

void Dispatcher::Take(const wire::msg::Unregister& m) {
    Roster& roster = p_.roster;
    const auto slot = m.slot;
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

void Dispatcher::Take(const wire::msg::TurboOff& m) {
    const auto p = m.player;
    if (!p || !IsPlayer(*p)) return;
    PlayerRecord& rider = p_.state.Players[*p];
    if (*p == p_.state.LocalIndex() && *p > 0 && rider.Turbo != 0) p_.control.Sound(Cue::TurboOff);
    rider.Turbo = 0;
}

void Dispatcher::Take(const wire::msg::Turn& m) {
    const auto p = m.player, dir = m.direction;
    if (p && IsPlayer(*p) && dir && direction::IsValid(*dir)) p_.state.Players[*p].Direction = *dir;
}

void Dispatcher::Take(const wire::msg::Chat& m) {
    if (!m.name || !m.text) return;
    p_.chat.Arrived({wire::CleanName(*m.name), m.colour.value_or(colours::White), wire::CleanChat(*m.text)});
}
