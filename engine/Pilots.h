#pragma once

#include "CellMap.h"
#include "Ports.h"
#include "RiderBrain.h"

#include <QElapsedTimer>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

class Board;
class CrashWatch;
class RoundSetup;
class Steering;

// Steers the computer riders an instance owns, from what the instance draws: after every
// Positions message each rider may change its wish, and only a change is sent, as Steer.
// On the host a wish also goes into the player's record, as a Steer would on arrival, so it
// counts whatever the network does. It goes in as late as a client's rider's would: a
// client's wish crosses the network twice (the positions out, the Steer back), and where a
// tick is shorter than that trip the rider that acts first wins nearly every duel. So the
// host's riders decide from the same positions and their wishes wait for the round trip the
// host measured to its clients (SetWishDelay) before they count.
class Pilots {
public:
    Pilots(MatchState& state, const Board& board, const RoundSetup& setup, const CrashWatch& crashes,
           Steering& steering)
        : s_(state), board_(board), setup_(setup), crashes_(crashes), steering_(steering) {
        clock_.start();
    }

    // Slot 0 is the hosting instance's own player 1 (the demo's autopilot).
    void Add(int slot, RiderLevel level, std::uint32_t seed);
    // A person at this keyboard rides this slot: no brain, keys instead.
    void AddHuman(int slot);
    void Remove(int slot);
    void Move(int from, int to);
    void Clear() {
        pilots_.clear();
        held_.clear();
    }
    bool Has(int slot) const;
    bool Empty() const { return pilots_.empty(); }
    bool HasComputerRiders() const {
        return std::any_of(pilots_.begin(), pilots_.end(), [](const Pilot& p) { return !p.human; });
    }

    // A Positions message was drawn: heads and fuel of players 1..8, as received.
    void OnPositions(const std::array<MatchLink::Point, 8>& heads, const std::array<int, 8>& fuel);

    // How long the host's riders' wishes wait before they count (0: not at all).
    void SetWishDelay(qint64 nanoseconds) { delayNs_ = std::max<qint64>(0, nanoseconds); }
    qint64 WishDelay() const { return delayNs_; }
    // Before each tick: the wishes whose wait is over count now.
    void TakeDueWishes();

    // The view a rider of this slot decides from; tests and the benchmark use it too.
    RiderView ViewFor(int slot) const;
    CellMap& Cells() { return cells_; }
    // The benchmark's stopwatch: called with each decision's cost.
    using CostFn = std::function<void(RiderLevel level, qint64 nanoseconds)>;
    void SetCostMeter(CostFn meter) { meter_ = std::move(meter); }

private:
    struct Pilot {
        int slot;
        RiderBrain brain;
        RiderWish sent{}; // the wish last passed on
        RiderView::Head decidedAt{-1, -1};
        bool human = false;
    };
    void Steer(Pilot& pilot, const RiderWish& wish);
    void Take(int slot, const RiderWish& wish);

    MatchState& s_;
    const Board& board_;
    const RoundSetup& setup_;
    const CrashWatch& crashes_;
    Steering& steering_;
    std::vector<Pilot> pilots_;
    CostFn meter_;
    CellMap cells_;
    int round_ = -1; // the round setup the cells were built for
    std::array<RiderView::Head, 9> heads_{};
    std::array<int, 9> fuel_{};
    struct Held {
        qint64 due;
        int slot;
        RiderWish wish;
    };
    std::vector<Held> held_; // the host's riders' wishes, in the order they were made
    qint64 delayNs_ = 0;
    QElapsedTimer clock_;
};
