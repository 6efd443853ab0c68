#include "RiderBench.h"

#include "BenchUtil.h"
#include "InProcessBus.h"
#include "Instance.h"
#include "Messages.h"
#include "Outcome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <memory>
#include <vector>

namespace riderbench {
namespace {
using benchutil::CpuSeconds;
using benchutil::Line;
using benchutil::Percentile;
using benchutil::StampingMember;

using benchutil::Loopback;

const char* Name(RiderLevel l) { return l == RiderLevel::Easy ? "Easy" : l == RiderLevel::Normal ? "Normal" : "Hard"; }

} // namespace

// The panel's default options (turbo on, snap to grid, complexity 8, thin trails) on a host
// whose players are all computer riders of the given levels.
void SetUp(Instance& in, const std::vector<RiderLevel>& levels, int w, int h, std::uint32_t seed) {
    MatchState& s = in.State();
    s.LocalPlayer = 0;
    s.NumPlayers = static_cast<std::int16_t>(levels.size());
    s.Speed = 1;
    s.Thickness = 0;
    s.TurboOn = True16;
    s.SnapToGrid = True16;
    s.Complexity = 8;
    s.FixedPosition = True16;
    s.MatchOver = True16; // no countdown: the benchmark starts each round itself
    in.GetBoard().ResizeArena(w, h);
    in.GetBoard().Arena().SetBackColor(colours::White);
    s.ArenaBackColor = colours::White;
    for (int i = 1; i <= 8; ++i) s.Players[i].Color = colours::PlayerDefault[i];
    for (std::size_t i = 0; i < levels.size(); ++i)
        in.GetPilots().Add(static_cast<int>(i), levels[i], seed * 31 + static_cast<std::uint32_t>(i));
    QObject::connect(&in.GetBoard(), &Board::changed, [&in] { in.GetBoard().TakeChanges(); });
}

namespace {

// Plays one round; the winners' player numbers (none for a draw or a round that never ends).
std::vector<int> PlayRound(const std::vector<RiderLevel>& levels, int w, int h, std::uint32_t seed,
                           const Pilots::CostFn& meter = {}) {
    Loopback net;
    Instance in(net, seed);
    net.instance = &in;
    SetUp(in, levels, w, h, seed);
    if (meter) in.GetPilots().SetCostMeter(meter);
    in.Setup().SetupRound();
    for (int tick = 0; tick < 200000 && !in.State().RoundOver; ++tick) in.Loop().Tick();
    const auto entry = outcome::Lookup(net.outcome);
    return entry ? entry->winners : std::vector<int>{};
}

struct Tally {
    int wins = 0, losses = 0, draws = 0;
};

void Duel(RiderLevel a, RiderLevel b, int w, int h, int rounds) {
    Tally t;
    for (int r = 0; r < rounds; ++r) {
        // Start places alternate: on odd rounds the first level rides player 2.
        const bool swap = r % 2 == 1;
        const auto winners = PlayRound(swap ? std::vector{b, a} : std::vector{a, b}, w, h, 1000u + r);
        if (winners.size() != 1) {
            ++t.draws;
            continue;
        }
        const bool aWon = (winners[0] == 1) != swap;
        aWon ? ++t.wins : ++t.losses;
    }
    const int decided = std::max(1, t.wins + t.losses);
    std::printf("%-6s vs %-6s %4d x %-4d  won %5.1f%%  lost %5.1f%%  drawn %5.1f%%  (won %5.1f%% of decided)\n",
                Name(a), Name(b), w, h, 100.0 * t.wins / rounds, 100.0 * t.losses / rounds, 100.0 * t.draws / rounds,
                100.0 * t.wins / decided);
    std::fflush(stdout);
}

} // namespace

void FreeForAll(int rounds, int w, int h) {
    // Two Hard, three Normal and three Easy riders, their places turning every round.
    const std::vector<RiderLevel> mix = {RiderLevel::Hard,   RiderLevel::Hard,   RiderLevel::Normal, RiderLevel::Normal,
                                         RiderLevel::Normal, RiderLevel::Easy,   RiderLevel::Easy,   RiderLevel::Easy};
    std::map<RiderLevel, int> wins;
    int decided = 0;
    for (int r = 0; r < rounds; ++r) {
        std::vector<RiderLevel> levels(8);
        for (int i = 0; i < 8; ++i) levels[static_cast<std::size_t>((i + r) % 8)] = mix[static_cast<std::size_t>(i)];
        const auto winners = PlayRound(levels, w, h, 5000u + r);
        if (winners.size() != 1) continue;
        ++decided;
        ++wins[levels[static_cast<std::size_t>(winners[0] - 1)]];
    }
    const double d = std::max(1, decided);
    std::printf("8-rider free-for-all %4d x %-4d  %d of %d decided: Hard %.1f%% (share 25%%), Normal %.1f%% (37.5%%), "
                "Easy %.1f%% (37.5%%)\n",
                w, h, decided, rounds, 100 * wins[RiderLevel::Hard] / d, 100 * wins[RiderLevel::Normal] / d,
                100 * wins[RiderLevel::Easy] / d);
    std::fflush(stdout);
}

namespace {
// A host and seven Hard riders it owns, on the event loop; decided rounds start over.
// Without riders the same host's players ride straight on: the control for what the
// machine itself does to the ticks.
Timing RealHost(int speed, double seconds, bool riders = true,
                const std::function<void(const QByteArray&)>& tap = {}) {
    InProcessBus bus;
    StampingMember transport(bus);
    transport.tap = tap;
    Instance host(transport, 9);
    transport.InitSockets();
    std::vector<RiderLevel> levels(8, RiderLevel::Hard);
    SetUp(host, levels, 1500, 1500, 9);
    host.GetPilots().Remove(0); // player 1 is the host's own, unsteered here but for its turns
    if (!riders) host.GetPilots().Clear();
    host.State().Speed = static_cast<std::int16_t>(speed);
    double decideNs = 0;
    host.GetPilots().SetCostMeter([&decideNs](RiderLevel, qint64 ns) { decideNs += ns; });
    Timing r;
    auto next = [&] {
        // As the countdown does before a round: without it every round after the first
        // would start on the last one's trails and end in its first tick.
        host.GetBoard().Arena().Clear();
        host.Setup().SetupRound();
        host.Loop().Vyre_Game();
    };
    // The gap between two rounds (setup, the first wait) is no tick period.
    QObject::connect(&host.Loop(), &GameLoop::finished, [&] {
        r.roundStarts.push_back(transport.stamps.size());
        QTimer::singleShot(0, next);
    });
    // Player 1 is steered from outside now and then, as a person would.
    QTimer keys;
    int turn = 0;
    QObject::connect(&keys, &QTimer::timeout, [&] { host.State().Players[1].RequestedDirection = 1 + (++turn % 4); });
    keys.start(700);
    QEventLoop wait;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &wait, &QEventLoop::quit);
    transport.clock.start();
    const double cpu0 = CpuSeconds();
    next();
    wait.exec();
    r.cpu = CpuSeconds() - cpu0;
    r.seconds = transport.clock.nsecsElapsed() / 1e9;
    r.stamps = transport.stamps;
    r.deciding = decideNs / 1e9 / r.seconds;
    host.Loop().Abandon();
    return r;
}

} // namespace

void Tournament(int rounds) {
    std::printf("Computer riders, %d rounds per pairing, start places alternating\n", rounds);
    for (auto [w, h] : {std::pair{360, 295}, std::pair{1500, 1500}}) {
        Duel(RiderLevel::Hard, RiderLevel::Easy, w, h, rounds);
        Duel(RiderLevel::Normal, RiderLevel::Easy, w, h, rounds);
        Duel(RiderLevel::Hard, RiderLevel::Normal, w, h, rounds);
        FreeForAll(rounds, w, h);
    }
}

void Strongest(int rounds, int w, int h) {
    Duel(RiderLevel::Hard, RiderLevel::Normal, w, h, rounds);
    FreeForAll(std::max(10, rounds / 2), w, h);
}

bool Pairing(const char* a, const char* b, int rounds, int w, int h) {
    const auto level = [](const QByteArray& name) -> std::optional<RiderLevel> {
        for (RiderLevel l : {RiderLevel::Easy, RiderLevel::Normal, RiderLevel::Hard})
            if (name.compare(Name(l), Qt::CaseInsensitive) == 0) return l;
        return std::nullopt;
    };
    const auto la = level(a), lb = level(b);
    if (!la || !lb) return false;
    Duel(*la, *lb, w, h, rounds);
    return true;
}

void Cost() {
    for (RiderLevel level : {RiderLevel::Easy, RiderLevel::Normal, RiderLevel::Hard}) {
        std::vector<double> us;
        for (std::uint32_t seed = 1; seed <= 3; ++seed)
            PlayRound(std::vector<RiderLevel>(8, level), 1500, 1500, seed,
                      [&us](RiderLevel, qint64 ns) { us.push_back(ns / 1000.0); });
        std::printf("rider decision per tick, %-6s (8 riders, 1500 x 1500)  median %7.2f us  p99 %8.2f us  "
                    "max %8.2f us  (%zu decisions)\n",
                    Name(level), Percentile(us, 0.5), Percentile(us, 0.99), Percentile(us, 1.0), us.size());
    }
}

namespace {
struct TickFigures {
    double mean = 0, p50 = 0, p99 = 0, cpu = 0;
};
TickFigures Figures(const Timing& r, double configured) {
    std::vector<double> deviations;
    double sum = 0;
    for (size_t i = 1; i < r.stamps.size(); ++i) {
        const double ms = (r.stamps[i] - r.stamps[i - 1]) / 1e6;
        // The second message of a two-message tick, and the gap between two rounds.
        if (ms < 0.05 || std::find(r.roundStarts.begin(), r.roundStarts.end(), i) != r.roundStarts.end()) continue;
        sum += ms;
        deviations.push_back(std::abs(ms - configured));
    }
    return {sum / std::max<size_t>(1, deviations.size()), Percentile(deviations, 0.5), Percentile(deviations, 0.99),
            100 * r.cpu / r.seconds};
}
} // namespace

void HostWithRiders(double seconds) {
    const Timing fast = RealHost(1, 2);
    Line("ticks per second at Speed 1, 7 Hard riders", fast.stamps.size() / fast.seconds, "ticks/s");
    Line("share of that run spent deciding", 100 * fast.deciding, "%");
    // A timer's wake-up on a shared machine is late by a millisecond or more now and then,
    // riders or not: three runs each, with and without the riders, taking turns.
    const double configured = GameLoop::DelayNs(85) / 1e6;
    std::vector<double> mean, p50, p99, cpu, p99Plain, cpuPlain;
    for (int i = 0; i < 3; ++i) {
        const TickFigures plain = Figures(RealHost(85, seconds, false), configured);
        p99Plain.push_back(plain.p99);
        cpuPlain.push_back(plain.cpu);
        const TickFigures f = Figures(RealHost(85, seconds), configured);
        mean.push_back(f.mean);
        p50.push_back(f.p50);
        p99.push_back(f.p99);
        cpu.push_back(f.cpu);
    }
    Line("mean tick period at Speed 85, 7 Hard riders, median of 3", Percentile(mean, 0.5), "ms");
    Line("p50 deviation, 7 Hard riders, median of 3", Percentile(p50, 0.5), "ms");
    Line("p99 deviation, 7 Hard riders, median of 3", Percentile(p99, 0.5), "ms");
    Line("p99 deviation, 7 Hard riders, worst of 3", Percentile(p99, 1.0), "ms");
    Line("p99 deviation, the same host without riders, median of 3", Percentile(p99Plain, 0.5), "ms");
    Line("host CPU at Speed 85, 7 Hard riders, median of 3", Percentile(cpu, 0.5), "% of a core");
    Line("host CPU at Speed 85, without riders, median of 3", Percentile(cpuPlain, 0.5), "% of a core");
}

Timing HostRun(int speed, double seconds, const std::function<void(const QByteArray&)>& tap) {
    return RealHost(speed, seconds, true, tap);
}

} // namespace riderbench
