#include "RiderBrain.h"

#include "Canvas.h"
#include "CellMap.h"
#include "GameLoop.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
// Search budgets, in cells visited: they bound a decision's cost on the largest arena.
constexpr int NormalRoom = 1500;
// Hard races over the whole arena when it has at most FullRace cells (the default arena has
// fewer): a finished race is exact. On a larger arena a race would stop part way at any
// affordable budget, and a short one, a judgement of what lies near, plays better there.
constexpr int FullRace = 12000;
constexpr int FullRaceRoom = 4000;
constexpr int HardTerritory = 1500;
constexpr int HardRoom = 1000;
// Among several opponents on a large arena a capped race mostly says who is near, and the
// fights it starts help the riders who stay out of them: there Hard counts its room as far as
// Normal looks, and keeps its distance from the others' heads, up to KeepAway cells. Once
// one opponent is left it fights, in a match that began with more riders only within
// FinalContact cells: the trails of the fallen make a race from further away misleading.
constexpr int KeepAway = 20;
constexpr int FinalContact = 20;
// Hard's room in a crowd is counted exactly up to this cap. A flood stops once it holds its
// cap and so may report up to three cells more; among moves that all reach the cap, that
// excess decides, and measured, it costs a rider most of its wins in a large crowd.
constexpr int CrowdRoomCap = NormalRoom;
constexpr int MateRoom = 500;
// Within this many cells of an opponent every lane crossing is weighed, and turbo helps escape.
constexpr int NearRange = 12;
// Within this many cells (along both axes) Hard weighs the nearest opponent's answer; on an
// arena small enough for a full race, from further away.
constexpr int ReplyRange = 12;
constexpr int FullReplyRange = 32;
constexpr int EscapeRange = 5;
constexpr int TurboReserve = 8;
constexpr double RandomTurnChance = 0.04;

constexpr std::array<std::array<int, 2>, 4> Neighbours = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

// The cell grid as riders move on it; with wrap-around, the last lane a rider can reach on
// one side leads to the first on the other.
struct Lanes {
    const CellMap& map;
    bool warp = false;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    bool marked = false; // the map was built for these lanes and marks the cells between them

    Lanes(const CellMap& m, const RiderView& v) : map(m), warp(v.warp) {
        const int t = v.thickness;
        x0 = m.CellX(warp::Low(t));
        x1 = m.CellX(warp::High(v.arena->Width(), t));
        y0 = m.CellY(warp::Low(t));
        y1 = m.CellY(warp::High(v.arena->Height(), t));
        marked = m.Bounds() == CellMap::LaneBounds{x0, x1, y0, y1};
    }
    void Wrap(int& cx, int& cy) const {
        if (!warp) return;
        if (cx > x1) cx = x0;
        else if (cx < x0) cx = x1;
        if (cy > y1) cy = y0;
        else if (cy < y0) cy = y1;
    }
    // The four neighbours' indices, -1 for those that are blocked.
    std::array<int, 4> Next(int index) const {
        const int cols = map.Cols();
        std::array<int, 4> out{};
        const auto inner = [&] {
            const int cy = index / cols, cx = index - cy * cols;
            return cx > x0 && cx < x1 && cy > y0 && cy < y1;
        };
        if (marked ? map.InnerAt(index) : inner()) {
            // Strictly between the outermost lanes: no wrap, and every neighbour is inside.
            const int n[4] = {index - cols, index + 1, index + cols, index - 1};
            for (std::size_t k = 0; k < 4; ++k) out[k] = map.BlockedAt(n[k]) ? -1 : n[k];
            return out;
        }
        const int cy0 = index / cols, cx0 = index - cy0 * cols;
        for (std::size_t k = 0; k < 4; ++k) {
            int cx = cx0 + Neighbours[k][0], cy = cy0 + Neighbours[k][1];
            Wrap(cx, cy);
            out[k] = map.Blocked(cx, cy) ? -1 : map.Index(cx, cy);
        }
        return out;
    }
};

bool OnGrid(int x, int y, int c, int pitch) {
    const bool xOn = x % pitch == 0, yOn = y % pitch == 0;
    return direction::IsVertical(c) ? xOn : direction::IsHorizontal(c) ? yOn : xOn && yOn;
}

// Cells reachable from start, at most cap; the cells in fence count as walls.
int Flood(CellMap& m, const Lanes& lanes, int start, const std::vector<int>& fence, int cap, bool seedBlocked) {
    if (start < 0) return 0;
    const std::uint32_t stamp = m.NewStamp();
    auto& seen = m.Stamps();
    auto& queue = m.Queue();
    queue.clear();
    for (int f : fence)
        if (f >= 0) seen[static_cast<std::size_t>(f)] = stamp;
    if (seen[static_cast<std::size_t>(start)] == stamp) return 0;
    if (!seedBlocked && m.Blocked(start % m.Cols(), start / m.Cols())) return 0;
    seen[static_cast<std::size_t>(start)] = stamp;
    queue.push_back(start);
    for (std::size_t head = 0; head < queue.size() && static_cast<int>(queue.size()) < cap; ++head) {
        for (const int n : lanes.Next(queue[head])) {
            if (n >= 0 && seen[static_cast<std::size_t>(n)] != stamp) {
                seen[static_cast<std::size_t>(n)] = stamp;
                queue.push_back(n);
            }
        }
    }
    return static_cast<int>(queue.size()) - (seedBlocked ? 1 : 0);
}

// Cells each side reaches first, moving one cell a tick from its seeds (ties belong to nobody).
struct Voronoi {
    int mine = 0;
    int theirs = 0;
    bool contact = false; // the two sides met somewhere
    bool capped = false;  // the budget ran out before every reachable cell was counted
};
struct Seed {
    int index;
    std::uint8_t owner; // 1 mine, 2 theirs
    std::uint16_t time; // when its rider gets there, in cells
};
// Seeds come in order of their time, so the queue stays ordered by time.
Voronoi Race(CellMap& m, const Lanes& lanes, const std::vector<Seed>& seeds, const std::vector<int>& fence,
                  int cap) {
    constexpr std::uint8_t Tie = 3;
    Voronoi r;
    const std::uint32_t stamp = m.NewStamp();
    auto& seen = m.Stamps();
    auto& owner = m.Owners();
    auto& when = m.Times();
    auto& queue = m.Queue();
    queue.clear();
    for (int f : fence)
        if (f >= 0) {
            seen[static_cast<std::size_t>(f)] = stamp;
            owner[static_cast<std::size_t>(f)] = 0;
        }
    for (const Seed& s : seeds) {
        if (s.index < 0) continue;
        const auto i = static_cast<std::size_t>(s.index);
        if (seen[i] == stamp) {
            if (owner[i] != 0 && owner[i] != s.owner && when[i] == s.time) owner[i] = Tie;
            continue;
        }
        seen[i] = stamp;
        owner[i] = s.owner;
        when[i] = s.time;
        queue.push_back(s.index);
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        if (static_cast<int>(queue.size()) >= cap) {
            r.capped = true;
            break;
        }
        const auto from = static_cast<std::size_t>(queue[head]);
        const std::uint8_t o = owner[from];
        const auto next = static_cast<std::uint16_t>(when[from] + 1);
        for (const int n : lanes.Next(queue[head])) {
            if (n < 0) continue;
            const auto ni = static_cast<std::size_t>(n);
            if (seen[ni] != stamp) {
                seen[ni] = stamp;
                owner[ni] = o;
                when[ni] = next;
                queue.push_back(n);
            } else if (owner[ni] != 0 && owner[ni] != o) {
                r.contact = true;
                if (when[ni] == next) owner[ni] = Tie; // both get there at once: nobody's
            }
        }
    }
    for (int i : queue) {
        const std::uint8_t o = owner[static_cast<std::size_t>(i)];
        r.mine += o == 1;
        r.theirs += o == 2;
    }
    return r;
}

bool IsMate(const RiderView& v, int i) {
    const int n = v.numPlayers;
    if (!v.teamOn || !TeamsPossible(n)) return false;
    return (i <= n / 2) == (v.me <= n / 2);
}
bool IsOpponent(const RiderView& v, int i) { return i != v.me && !v.out[i] && !IsMate(v, i); }

// Whether a riding opponent's head is within this many pixels along both axes.
bool OpponentNear(const RiderView& v, int pixels) {
    for (int i = 1; i <= v.numPlayers; ++i) {
        if (!IsOpponent(v, i)) continue;
        if (std::abs(v.heads[i].x - v.heads[v.me].x) <= pixels && std::abs(v.heads[i].y - v.heads[v.me].y) <= pixels)
            return true;
    }
    return false;
}
// The nearest riding opponent to cell (cx, cy) closer than range cells along both axes:
// player 0 for none, and then the distance is range.
struct Nearest {
    int player = 0;
    int distance = 0;
};
Nearest NearestOpponent(const RiderView& v, const CellMap& cells, int cx, int cy, int range) {
    Nearest n{0, range};
    for (int i = 1; i <= v.numPlayers; ++i) {
        if (!IsOpponent(v, i)) continue;
        const int d = std::max(std::abs(cells.CellX(v.heads[i].x) - cx), std::abs(cells.CellY(v.heads[i].y) - cy));
        if (d < n.distance) n = {i, d};
    }
    return n;
}
// The same from the rider's own head.
int NearestOpponent(const RiderView& v, const CellMap& cells, int range) {
    return NearestOpponent(v, cells, cells.CellX(v.heads[v.me].x), cells.CellY(v.heads[v.me].y), range).player;
}
// Several opponents ride, or one is left far away in a match that began with more riders.
bool InCrowd(const RiderView& v, const CellMap& cells) {
    int opponents = 0;
    for (int i = 1; i <= v.numPlayers; ++i) opponents += IsOpponent(v, i);
    return opponents > 1 || (v.numPlayers > 2 && NearestOpponent(v, cells, FinalContact) == 0);
}
} // namespace

RiderBrain::Path RiderBrain::Simulate(const RiderView& v, int c, int step, int horizon) {
    const int t = v.thickness;
    const int pitch = v.snapToGrid ? 2 * t + 3 : 1;
    const int w = v.arena->Width(), h = v.arena->Height();
    int x = v.heads[v.me].x, y = v.heads[v.me].y;
    int cur = v.directions[v.me];
    Path p;
    p.ticks = horizon + 1;
    if (cur == c) {
        p.turnTick = 0;
        p.turnX = x;
        p.turnY = y;
    }
    int phase = 0;
    for (int k = 1; k <= horizon; ++k) {
        if (cur != c && OnGrid(x, y, c, pitch)) {
            cur = c;
            p.turnTick = k;
            p.turnX = x;
            p.turnY = y;
        }
        if (direction::IsDiagonal(cur) && ++phase > 2) {
            phase = 0; // the standing tick
            continue;
        }
        const auto m = direction::MotionOf(cur);
        x += m.dx * step;
        y += m.dy * step;
        if (GameLoop::Hits(*v.arena, v.back, x, y, cur, GameLoop::LookAhead(cur, t))) {
            p.ticks = k;
            return p;
        }
        if (v.warp) {
            x = warp::Wrap(x, w, t);
            y = warp::Wrap(y, h, t);
        }
    }
    return p;
}

double RiderBrain::Space(const RiderView& v, CellMap& cells, const Candidate& c, int cap) const {
    const Lanes lanes(cells, v);
    return Flood(cells, lanes, c.start, {c.wall}, cap, false);
}

int RiderBrain::CrowdRoom(const RiderView& v, CellMap& cells, const Candidate& c, RoomMemo& memo) const {
    const Lanes lanes(cells, v);
    const int wall = c.wall, start = c.start;
    // A move whose first cell the last flood reached, behind the same fence, opens into the
    // same region, and an exact count of a region is the same from any of its cells.
    if (start >= 0 && start != wall && memo.stamp != 0 && memo.stamp == cells.Stamp() && memo.fence == wall &&
        cells.Stamps()[static_cast<std::size_t>(start)] == memo.stamp)
        return memo.room;
    const int room = std::min(Flood(cells, lanes, start, {wall}, CrowdRoomCap, false), CrowdRoomCap);
    if (start >= 0) memo = {cells.Stamp(), wall, room};
    return room;
}

double RiderBrain::MatesRoom(const RiderView& v, CellMap& cells, const Candidate& c) const {
    const Lanes lanes(cells, v);
    const auto m = direction::MotionOf(c.direction);
    int ax = c.cellX + m.dx, ay = c.cellY + m.dy;
    lanes.Wrap(ax, ay);
    std::vector<int> fence = {c.wall};
    if (c.start >= 0) fence.push_back(c.start);
    if (!cells.Blocked(ax, ay)) fence.push_back(cells.Index(ax, ay));
    double room = 0;
    for (int i = 1; i <= v.numPlayers; ++i) {
        if (i == v.me || v.out[i] || !IsMate(v, i)) continue;
        const int hx = cells.CellX(v.heads[i].x), hy = cells.CellY(v.heads[i].y);
        if (!cells.Inside(hx, hy)) continue;
        room += Flood(cells, lanes, cells.Index(hx, hy), fence, MateRoom, true);
    }
    return room;
}

double RiderBrain::Room(const RiderView& v, CellMap& cells, const Candidate& c) const {
    return 10 * Space(v, cells, c, NormalRoom) + c.path.ticks;
}

double RiderBrain::Territory(const RiderView& v, CellMap& cells, const Candidate& c, bool full) const {
    const int cap = full ? FullRace : HardTerritory;
    const Lanes lanes(cells, v);
    const std::vector<int> fence = {c.wall};
    const int mine = c.start;
    std::vector<Seed> seeds;
    for (int i = 1; i <= v.numPlayers; ++i) {
        if (!IsOpponent(v, i)) continue;
        const int hx = cells.CellX(v.heads[i].x), hy = cells.CellY(v.heads[i].y);
        if (cells.Inside(hx, hy)) seeds.push_back({cells.Index(hx, hy), 2, 0});
    }
    if (seeds.empty()) return Flood(cells, lanes, mine, fence, cap, false);

    std::vector<Seed> all = seeds;
    all.push_back({mine, 1, 1});
    const Voronoi base = Race(cells, lanes, all, fence, cap);
    // Sealed off from everyone, only the room counts.
    if (!base.contact && !base.capped) return base.mine;
    const double value = base.mine - base.theirs;
    if (v.diagonal) return value;
    const int rival = NearestOpponent(v, cells, full ? FullReplyRange : ReplyRange);
    if (rival == 0) return value;
    // A close opponent answers the move: of its next cells (its reversal aside), the one that
    // leaves this rider the least counts. Both entering the same cell is a head-on crash.
    const int hx = cells.CellX(v.heads[rival].x), hy = cells.CellY(v.heads[rival].y);
    if (!cells.Inside(hx, hy)) return value;
    const int from = cells.Index(hx, hy);
    const auto next = lanes.Next(from);
    const auto back = direction::MotionOf(direction::Opposite(v.directions[rival]));
    std::vector<int> trail = fence;
    trail.push_back(from);
    std::vector<Seed> answer;
    double worst = value;
    bool answered = false;
    for (std::size_t k = 0; k < 4; ++k) {
        if (next[k] < 0 || (Neighbours[k][0] == back.dx && Neighbours[k][1] == back.dy)) continue;
        double left = 0;
        if (next[k] != mine) {
            answer.clear();
            for (const Seed& s : seeds)
                if (s.index != from) answer.push_back(s);
            answer.push_back({next[k], 2, 1});
            answer.push_back({mine, 1, 1});
            const Voronoi r = Race(cells, lanes, answer, trail, cap);
            left = r.mine - r.theirs;
        }
        worst = answered ? std::min(worst, left) : left;
        answered = true;
    }
    return worst;

}

int RiderBrain::Turbo(const RiderView& v, const CellMap& cells, int straightRun) const {
    if (!v.turboOn || level_ == RiderLevel::Easy) return 0;
    const int g = cells.Pitch();
    if (v.fuel[v.me] <= TurboReserve && v.turbo == 0) return 0;
    if (v.fuel[v.me] < 0) return 0;
    // Escape: burn when an opponent comes close and the way ahead is long and clear.
    return OpponentNear(v, EscapeRange * g) && straightRun > 4 * g ? 1 : 0;
}

RiderWish RiderBrain::Decide(const RiderView& v, CellMap& cells) {
    const int me = v.me;
    const int d = v.directions[me];
    RiderWish keep{direction::IsValid(v.requested) && direction::Opposite(v.requested) != d ? v.requested : d,
                   v.turbo};
    if (!v.arena || !direction::IsValid(d) || v.out[me] || cells.Cols() == 0) return keep;
    const int g = cells.Pitch();
    const auto head = v.heads[me];
    const int step = v.turbo ? 2 : 1;

    // Turns are chosen where a turn to either side would be taken on the grid of lanes.
    const bool xOn = head.x % g == 0, yOn = head.y % g == 0;
    const bool atLane = direction::IsHorizontal(d) ? xOn : direction::IsVertical(d) ? yOn : xOn && yOn;
    const bool easy = level_ == RiderLevel::Easy;
    const int dangerHorizon = easy ? g + 2 : 2 * g + 2;
    const bool danger = Simulate(v, keep.direction, step, dangerHorizon).ticks <= dangerHorizon;
    std::uniform_real_distribution<double> unit(0, 1);
    const bool randomTurn = easy && atLane && unit(random_) < RandomTurnChance;
    if (!danger && !randomTurn && (easy || !atLane)) return keep;

    const bool full = cells.Cols() * cells.Rows() <= FullRace;
    const bool crowd = level_ == RiderLevel::Hard && !full && InCrowd(v, cells); // only Hard tells
    // In open play every other lane is often enough; near an opponent, every lane counts.
    // Hard weighs every lane, except in a race on an arena too large for a full one: there a
    // capped race asked at every lane turns it after what lies near, and it loses more duels.
    const bool everyLane = level_ == RiderLevel::Hard && (full || crowd);
    if (!danger && !easy && !everyLane && ++lanes_ % 2 == 0 && !OpponentNear(v, NearRange * g)) return keep;

    const Lanes lanes(cells, v);
    const int horizon = easy ? g + 2 : 4 * g + 4;
    std::vector<Candidate> options;
    for (int c = 1; c <= (v.diagonal ? 8 : 4); ++c) {
        if (c == direction::Opposite(d)) continue;
        Candidate o;
        o.direction = c;
        o.path = Simulate(v, c, step, horizon);
        if (o.path.turnTick < 0) continue; // the grid does not let it turn in time
        const auto m = direction::MotionOf(c);
        o.cellX = cells.CellX(o.path.turnX + g * m.dx);
        o.cellY = cells.CellY(o.path.turnY + g * m.dy);
        lanes.Wrap(o.cellX, o.cellY);
        o.wall = cells.IndexOrNone(cells.CellX(o.path.turnX), cells.CellY(o.path.turnY));
        o.start = cells.Blocked(o.cellX, o.cellY) ? -1 : cells.Index(o.cellX, o.cellY);
        o.safe = o.path.ticks > std::max(o.path.turnTick, 0) + g;
        options.push_back(o);
    }
    if (options.empty()) return keep;

    if (randomTurn && !danger) {
        std::vector<int> turns;
        for (const Candidate& o : options)
            if (o.safe && o.direction != d) turns.push_back(o.direction);
        if (!turns.empty())
            return {turns[static_cast<std::size_t>(random_() % turns.size())], 0};
    }

    // Being caught out counts first: a safe move beats any unsafe one, and among unsafe ones
    // the one that rides longest. The searches below only order moves of one such rank, so
    // they are spared for moves that cannot win, and when one move is left there is nothing
    // to weigh (Easy's are cheap, and its dice stay as they fall).
    const auto rank = [](const Candidate& o) { return o.safe ? 1e8 : o.path.ticks * 1e6; };
    double top = 0;
    for (const Candidate& o : options) top = std::max(top, rank(o));
    const auto contenders = std::count_if(options.begin(), options.end(),
                                          [&](const Candidate& o) { return rank(o) == top; });
    RoomMemo memo;
    for (Candidate& o : options) {
        o.score = rank(o);
        o.score += o.direction == d ? 0.5 : 0;
        if (!easy && (rank(o) < top || contenders == 1)) continue;
        switch (level_) {
        case RiderLevel::Easy: o.score += o.path.ticks + unit(random_) * 0.1; break;
        case RiderLevel::Normal:
            o.score += Room(v, cells, o);
            if (v.teamOn) o.score += 5 * MatesRoom(v, cells, o);
            break;
        case RiderLevel::Hard:
            if (crowd) {
                const int distance = NearestOpponent(v, cells, o.cellX, o.cellY, KeepAway).distance;
                o.score += 10 * distance + 10 * CrowdRoom(v, cells, o, memo) + o.path.ticks;
            } else {
                // Territory wins rounds, but only with room to use it: both count.
                o.score += 3 * Territory(v, cells, o, full) +
                           10 * Space(v, cells, o, full ? FullRaceRoom : HardRoom) + o.path.ticks;
            }
            if (v.teamOn) o.score += 5 * MatesRoom(v, cells, o);
            break;
        }
    }

    const Candidate& best = *std::max_element(
        options.begin(), options.end(), [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    const int run = Simulate(v, best.direction, 2, 8 * g).ticks;
    return {best.direction, Turbo(v, cells, run)};
}
