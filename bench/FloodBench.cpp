#include "FloodBench.h"

#include "BenchUtil.h"
#include "InProcessBus.h"
#include "Instance.h"
#include "Messages.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <random>

namespace floodbench {
namespace {
using benchutil::Percentile;
using benchutil::StampingMember;

long ResidentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> f = statm.readAll().split(' ');
    return f.size() > 1 ? f[1].toLong() * 4 : 0;
}

} // namespace

QByteArray Datagram(int kind, std::mt19937& r) {
    auto n = [&r](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(r); };
    switch (kind) {
    case 1: {
        std::array<std::int16_t, 8> x{}, y{}, f{};
        for (int i = 0; i < 8; ++i) {
            x[i] = static_cast<std::int16_t>(n(0, 1500));
            y[i] = static_cast<std::int16_t>(n(0, 1500));
            f[i] = static_cast<std::int16_t>(n(-1, 85));
        }
        return wire::Positions(x, y, f);
    }
    case 2: return wire::Steer(n(1, 7), n(1, 8), n(0, 1));
    case 3: return wire::RoundOutcome(n(1, 15));
    case 4: {
        wire::Settings s;
        s.width = n(360, 1500);
        s.height = n(200, 1500);
        s.speed = 85;
        s.numPlayers = 8;
        s.matchScore = 7;
        s.complexity = 8;
        s.name = QStringLiteral("Flood");
        s.color = s.gridColor = colours::White;
        return wire::MatchSettings(s);
    }
    case 6: return wire::Obstacle(n(0, 1500), n(0, 1500), n(0, 1500), n(0, 1500));
    case 7: return wire::ResetAll();
    case 9: return wire::Register(n(1, 7), QStringLiteral("Flood %1").arg(n(0, 999)), n(0, 0xFFFFFF));
    case 10: return wire::PauseResume(n(0, 1) == 1);
    case 11: return wire::RollCall();
    case 13: return wire::Unregister(n(1, 7));
    case 14: return wire::TurboOff(n(1, 8));
    case 15: return wire::Turn(n(1, 8), n(1, 8));
    default: return wire::ResetMatch();
    }
}

namespace {

struct Result {
    double lateP50 = 0, lateP99 = 0, tickP99 = 0;
    long rssBefore = 0, rssAfter = 0;
};

// A host riding a round with two computer riders, a client, and a flooder sending one kind.
Result Flood(int kind, double seconds, int perSecond) {
    InProcessBus bus;
    StampingMember hostNet(bus);
    BusTransport clientNet(bus), flooder(bus);
    Instance host(hostNet, 1), client(clientNet, 2);
    hostNet.InitSockets();
    clientNet.InitSockets();
    for (Instance* in : {&host, &client})
        QObject::connect(&in->GetBoard(), &Board::changed, [in] { in->GetBoard().TakeChanges(); });
    client.State().LocalPlayer = 1;
    host.GetPilots().Add(0, RiderLevel::Hard, 1);
    client.GetRoster().AddRider(RiderLevel::Hard);
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    MatchControl::MatchOptions o;
    o.settings.width = 1500;
    o.settings.height = 1500;
    o.settings.speed = 85;
    o.settings.numPlayers = 3;
    o.settings.matchScore = 100;
    o.settings.complexity = 8;
    o.settings.turbo = 1;
    o.settings.name = QStringLiteral("Host");
    o.settings.color = o.settings.gridColor = colours::White;
    host.GetRoster().SetText(1, QStringLiteral("Client ready!"));
    host.GetCountdown().SetStepInterval(10);
    client.GetCountdown().SetStepInterval(10);
    host.Control().StartMatch(o);

    std::mt19937 random(static_cast<std::uint32_t>(kind));
    QTimer flood;
    flood.setTimerType(Qt::PreciseTimer);
    const int perTick = std::max(1, perSecond / 1000);
    QObject::connect(&flood, &QTimer::timeout, [&] {
        for (int i = 0; i < perTick; ++i) flooder.SendData(Datagram(kind, random));
    });
    std::vector<double> late;
    QElapsedTimer since;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        late.push_back(std::max(0.0, since.nsecsElapsed() / 1e6 - 1.0));
        since.start();
    });
    Result r;
    QEventLoop wait;
    QTimer::singleShot(300, [&] { // the round is riding by then
        r.rssBefore = ResidentKiB();
        hostNet.stamps.clear();
        hostNet.clock.start();
        since.start();
        probe.start(1);
        if (kind > 0) flood.start(1);
        QTimer::singleShot(static_cast<int>(seconds * 1000), &wait, &QEventLoop::quit);
    });
    wait.exec();
    probe.stop();
    flood.stop();
    r.rssAfter = ResidentKiB();
    r.lateP50 = Percentile(late, 0.5);
    r.lateP99 = Percentile(late, 0.99);
    const double configured = GameLoop::DelayNs(85) / 1e6;
    std::vector<double> deviations;
    for (size_t i = 1; i < hostNet.stamps.size(); ++i) {
        const double ms = (hostNet.stamps[i] - hostNet.stamps[i - 1]) / 1e6;
        if (ms >= 0.05) deviations.push_back(std::abs(ms - configured));
    }
    r.tickP99 = Percentile(deviations, 0.99);
    host.Loop().Abandon();
    return r;
}
} // namespace

void Floods(double seconds, int perSecond) {
    std::printf("Floods of %d datagrams a second of one kind from a third copy, while a host rides a round "
                "on 1500 x 1500 at Speed 85 with a client (%.1f s each)\n",
                perSecond, seconds);
    std::printf("%-14s %22s %22s %18s %18s\n", "kind", "1 ms timer late p50", "p99", "host tick dev p99",
                "memory growth");
    const std::pair<int, const char*> kinds[] = {
        {0, "none"},          {1, "Positions"}, {2, "Steer"},      {3, "RoundOutcome"}, {4, "MatchSettings"},
        {6, "Obstacle"},      {7, "ResetAll"},  {9, "Register"},   {10, "PauseResume"}, {11, "RollCall"},
        {13, "Unregister"},   {14, "TurboOff"}, {15, "Turn"},      {16, "ResetMatch"}};
    for (const auto& [kind, name] : kinds) {
        const Result r = Flood(kind, seconds, perSecond);
        std::printf("%-14s %19.3f ms %19.3f ms %15.3f ms %14ld KiB\n", name, r.lateP50, r.lateP99, r.tickP99,
                    r.rssAfter - r.rssBefore);
        std::fflush(stdout);
    }
}
} // namespace floodbench
