#include "Pilots.h"

#include "Board.h"
#include "CrashWatch.h"
#include "RoundSetup.h"
#include "Steering.h"

#include <algorithm>

void Pilots::Add(int slot, RiderLevel level, std::uint32_t seed) {
    Remove(slot);
    pilots_.push_back({slot, RiderBrain(level, seed)});
}

void Pilots::AddHuman(int slot) {
    Remove(slot);
    pilots_.push_back({slot, RiderBrain(RiderLevel::Easy, 0)});
    pilots_.back().human = true;
}

void Pilots::Remove(int slot) {
    pilots_.erase(std::remove_if(pilots_.begin(), pilots_.end(), [slot](const Pilot& p) { return p.slot == slot; }),
                  pilots_.end());
    held_.erase(std::remove_if(held_.begin(), held_.end(), [slot](const Held& h) { return h.slot == slot; }), held_.end());
}

void Pilots::Move(int from, int to) {
    for (Pilot& p : pilots_)
        if (p.slot == from) p.slot = to;
    for (Held& h : held_)
        if (h.slot == from) h.slot = to;
}

bool Pilots::Has(int slot) const {
    return std::any_of(pilots_.begin(), pilots_.end(), [slot](const Pilot& p) { return p.slot == slot; });
}

RiderView Pilots::ViewFor(int slot) const {
    const MatchState& s = s_;
    RiderView v;
    v.arena = &board_.Arena();
    v.back = s.ArenaBackColor;
    v.thickness = std::clamp<int>(s.Thickness, 0, 3);
    // Only the host knows whether turns wait for the grid (the match settings do not carry it);
    // elsewhere a rider plans as if they do, which is never too late.
    v.snapToGrid = s.LocalPlayer == 0 ? s.SnapToGrid != 0 : true;
    v.warp = s.WarpOn != 0;
    v.diagonal = s.DiagonalMotion != 0;
    v.turboOn = s.TurboOn != 0;
    v.teamOn = s.TeamOn != 0;
    v.numPlayers = s.PlayerCount();
    v.me = slot + 1;
    for (int i = 1; i <= 8; ++i) {
        v.heads[i] = heads_[i];
        v.directions[i] = s.Players[i].Direction;
        v.fuel[i] = fuel_[i];
        v.out[i] = crashes_.SeenOut(i);
    }
    v.requested = s.Players[v.me].RequestedDirection;
    v.turbo = s.Players[v.me].Turbo;
    return v;
}

void Pilots::OnPositions(const std::array<MatchLink::Point, 8>& heads, const std::array<int, 8>& fuel) {
    if (pilots_.empty()) return;
    const MatchState& s = s_;
    const Board& board = board_;
    const int n = s.PlayerCount();
    const bool newRound = setup_.SetupsDone() != round_;
    for (int i = 1; i <= 8; ++i) {
        const auto& h = heads[static_cast<std::size_t>(i - 1)];
        heads_[i] = {h.x, h.y};
        fuel_[i] = fuel[static_cast<std::size_t>(i - 1)];
    }
    if (newRound) {
        // The arena as this round's setup and obstacles left it, with the first discs on it.
        round_ = setup_.SetupsDone();
        cells_.Build(board.Arena(), s.ArenaBackColor, s.Thickness);
        for (Pilot& p : pilots_) {
            p.brain.NewRound();
            const PlayerRecord& r = s.Players[static_cast<std::size_t>(std::clamp(p.slot + 1, 1, 8))];
            p.sent = {r.RequestedDirection, r.Turbo};
        }
        held_.clear(); // last round's wishes

    } else {
        for (int i = 1; i <= n; ++i) cells_.MarkDisc(heads_[i].x, heads_[i].y);
    }
    if (s.RoundOver || s.Paused) return;
    QElapsedTimer watch;
    for (Pilot& p : pilots_) {
        if (p.human || p.slot + 1 > n) continue;
        // A thin trail's back-step message repeats the heads of riders without turbo: nothing
        // new for a rider whose own head has not moved.
        const auto& head = heads_[static_cast<std::size_t>(p.slot + 1)];
        if (!newRound && head.x == p.decidedAt.x && head.y == p.decidedAt.y) continue;
        p.decidedAt = head;
        if (meter_) watch.start();
        const RiderWish wish = p.brain.Decide(ViewFor(p.slot), cells_);
        if (meter_) meter_(p.brain.Level(), watch.nsecsElapsed());
        Steer(p, wish);
    }
}

void Pilots::TakeDueWishes() {
    if (held_.empty()) return;
    // A wish made in the last round never counts in a new one (set up before its first tick).
    if (setup_.SetupsDone() != round_) {
        held_.clear();
        return;
    }
    const qint64 now = clock_.nsecsElapsed();
    std::size_t k = 0;
    for (; k < held_.size() && held_[k].due <= now; ++k) Take(held_[k].slot, held_[k].wish);
    held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(k));
}

void Pilots::Steer(Pilot& pilot, const RiderWish& wish) {
    MatchState& s = s_;
    const int slot = pilot.slot;
    PlayerRecord& p = s.Players[static_cast<std::size_t>(slot + 1)];
    if (p.Turbo == 0) pilot.sent.turbo = 0; // the host switched it off when the fuel ran out
    if (wish.direction == pilot.sent.direction && wish.turbo == pilot.sent.turbo) return;
    pilot.sent = wish;
    if (s.LocalPlayer == 0 && delayNs_ > 0) {
        held_.push_back({clock_.nsecsElapsed() + delayNs_, slot, wish});
        return;
    }
    Take(slot, wish);
}

void Pilots::Take(int slot, const RiderWish& wish) {
    // The record takes the wish as the host's does when the Steer arrives, on a client too.
    // Written in as it stood, a wish for the present direction looked here like a pending turn
    // cancelled, which the host keeps: the rider planned from a turn the host would not take,
    // or missed one it would, and client riders lost nearly every round to the host's. Every
    // rider in a client's slot also steers on the wire, so any host drives it and every copy
    // sees who asked for what.
    steering_.Want(std::clamp(slot, 0, 7), {Wish::From::Rider, wish.direction, wish.turbo});
}
