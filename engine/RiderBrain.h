#pragma once

#include "MatchState.h"

#include <array>
#include <cstdint>
#include <random>

class Canvas;
class CellMap;

enum class RiderLevel { Easy = 0, Normal = 1, Hard = 2 };

// All a computer rider may decide from: what its own instance has drawn and heard. Nothing
// here is the host's private state, so a rider owned by a client is as strong as the host's.
struct RiderView {
    struct Head {
        int x = 0;
        int y = 0;
    };
    const Canvas* arena = nullptr;
    Colour back = 0;
    int thickness = 0;
    bool snapToGrid = false;
    bool warp = false;
    bool diagonal = false;
    bool turboOn = false;
    bool teamOn = false;
    int numPlayers = 2;
    int me = 1;                      // the rider's player number, 1..8
    std::array<Head, 9> heads{};     // from the last Positions message
    std::array<int, 9> directions{}; // as announced by Turn
    std::array<int, 9> fuel{};
    std::array<bool, 9> out{}; // seen standing still: crashed
    int requested = 0;         // the direction this rider asked for last
    int turbo = 0;             // its turbo switch as it stands
};

struct RiderWish {
    int direction = 0;
    int turbo = 0;
};

// A computer rider's mind. It obeys every rule a player's keys obey: no reversal, diagonals
// only with diagonal motion, turns planned for the grid, turbo only when the match allows it.
//   Easy   looks a few pixels ahead, turns late and now and then at random; no turbo.
//   Normal takes the move that leaves it the most room (a bounded flood fill over cells) and
//          burns turbo to escape an opponent that comes close.
//   Hard   weighs, besides its room, the cells it reaches before any opponent (territory),
//          as left after the best answer of the nearest opponent when one is close, and
//          counts only its room once it is sealed off from every opponent. Among several
//          opponents on an arena too large for a full race, it counts its room and keeps
//          away from their heads. It weighs its moves at every lane, not every other one,
//          but in a race on such an arena.
class RiderBrain {
public:
    RiderBrain(RiderLevel level, std::uint32_t seed) : level_(level), random_(seed) {}

    RiderLevel Level() const { return level_; }
    // Forgets what it learnt of the last round.
    void NewRound() { lanes_ = 0; }
    // The rider's wish after the latest positions; cheap unless there is something to decide.
    RiderWish Decide(const RiderView& v, CellMap& cells);

    // Where a rider ends up asking for direction c: the tick (1..horizon) its crash test would
    // fail, horizon + 1 when it would not, and where and when the turn is taken.
    struct Path {
        int ticks = 0;
        int turnX = 0;
        int turnY = 0;
        int turnTick = -1; // -1: the grid does not allow the turn within the horizon
    };
    static Path Simulate(const RiderView& v, int c, int step, int horizon);

private:
    struct Candidate {
        int direction = 0;
        Path path;
        int cellX = 0; // the cell the rider enters right after the turn
        int cellY = 0;
        int wall = -1;  // the index of the cell it turns in, a wall behind it for the searches
        int start = -1; // the index of the cell it enters, -1 when that is taken
        bool safe = false;
        double score = 0;
    };
    double Space(const RiderView& v, CellMap& cells, const Candidate& c, int cap) const;
    // Normal's measure of a move: its room, then how long it rides.
    double Room(const RiderView& v, CellMap& cells, const Candidate& c) const;
    // Cells reached before any opponent, less theirs; full: the arena is small enough for an
    // exact race.
    double Territory(const RiderView& v, CellMap& cells, const Candidate& c, bool full) const;
    // The last crowd room counted in one decision, for the moves after it.
    struct RoomMemo {
        std::uint32_t stamp = 0; // the map's stamp of that flood (never 0); any later search moves it on
        int fence = -1;
        int room = 0;
    };
    // Hard's room in a crowd: the cells reachable after the move, counted exactly up to a cap.
    int CrowdRoom(const RiderView& v, CellMap& cells, const Candidate& c, RoomMemo& memo) const;
    double MatesRoom(const RiderView& v, CellMap& cells, const Candidate& c) const;
    int Turbo(const RiderView& v, const CellMap& cells, int straightRun) const;

    RiderLevel level_;
    std::mt19937 random_;
    int lanes_ = 0;      // lane crossings this round
};
