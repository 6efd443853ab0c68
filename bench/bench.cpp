// Lumivex benchmark: host and client costs per tick, tick rates and timing, CPU load and
// network traffic, measured on an eight-rider match on a 1500 x 1500 arena. One figure a line.
#include "BenchUtil.h"
#include "Convert.h"
#include "InProcessBus.h"
#include "Instance.h"
#include "Messages.h"
#include "FloodBench.h"
#include "OnlineBench.h"
#include "RelayBench.h"
#include "WebBench.h"
#include "ReplayBench.h"
#include "PadBench.h"
#include "ReplayFile.h"
#include "RiderBench.h"
#include "SoundBoard.h"
#include "StartBench.h"
#include "frmVyre.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryFile>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
using benchutil::CpuSeconds;
using benchutil::Line;
using benchutil::Percentile;

// Keeps what the host sends, for replay, and passes it on.
class Tap : public Transport {
public:
    explicit Tap(InProcessBus* bus = nullptr) : bus_(bus) {}
    void InitSockets() override {}
    void Close() override {}
    void SendData(const QByteArray& text) override {
        bytes += text.size();
        if (text.startsWith("1\x01")) {
            positions << text;
            stamps.push_back(clock.nsecsElapsed());
        }
        if (bus_) bus_->Send(text);
    }
    void Deliver(const QByteArray& text) { emit datagramArrived(text); }
    InProcessBus* bus_;
    QList<QByteArray> positions;
    std::vector<qint64> stamps;
    qint64 bytes = 0;
    QElapsedTimer clock;
};

// The bus member that feeds a tap's instance.
class TapMember : public BusTransport {
public:
    TapMember(InProcessBus& bus, Tap& tap) : BusTransport(bus) {
        connect(this, &Transport::datagramArrived, &tap, &Tap::Deliver);
    }
};

void SetUpMatch(Instance& in, int speed) {
    MatchState& s = in.State();
    s.LocalPlayer = 0;
    s.NumPlayers = 8;
    s.Speed = static_cast<std::int16_t>(speed);
    s.Thickness = 0;
    s.WarpOn = True16;
    s.TurboOn = True16;
    s.SnapToGrid = False16;
    s.MatchOver = True16; // no countdown between rounds: the benchmark restarts them itself
    in.GetBoard().ResizeArena(1500, 1500);
    in.GetBoard().Arena().SetBackColor(colours::White);
    s.ArenaBackColor = colours::White;
    for (int i = 1; i <= 8; ++i) {
        auto& p = s.Players[i];
        p = PlayerRecord{};
        p.X = static_cast<std::int16_t>(100 + 160 * (i - 1));
        p.Y = static_cast<std::int16_t>(100 + 150 * (i - 1));
        p.Direction = p.RequestedDirection = 2;
        p.Fuel = 85;
        p.Step = 1;
        p.Color = colours::PlayerDefault[i];
        p.Name = QStringLiteral("Rider %1").arg(i);
    }
    s.RoundOver = False16;
}

// The fixed script: every 40 ticks each rider turns, right then up, in a staircase that
// never meets itself; riders 1 and 5 burn turbo now and then.
void Script(MatchState& s, int tick) {
    if (tick % 40 == 0)
        for (int i = 1; i <= 8; ++i) s.Players[i].RequestedDirection = (tick / 40) % 2 ? 1 : 2;
    if (tick % 300 == 0) s.Players[1].Turbo = s.Players[5].Turbo = 1;
}

int restarts = 0;

// A decided round starts over on a clean arena, outside the measured work.
void KeepRiding(Instance& in) {
    MatchState& s = in.State();
    bool crashed = s.RoundOver;
    for (int i = 1; i <= 8; ++i) crashed = crashed || s.Players[i].Crashed == -1;
    if (!crashed) return;
    ++restarts;
    in.GetBoard().Arena().Clear();
    for (int i = 1; i <= 8; ++i) s.Players[i].Crashed = 0;
    s.RoundOver = False16;
}

// Without a window nothing paints, but the changes are taken as the window would take them;
// left alone, a board would gather every trail of a run into one ever growing region.
void DropChanges(Instance& in) {
    Board& board = in.GetBoard();
    QObject::connect(&board, &Board::changed, [&board] { board.TakeChanges(); });
}

// Host work per tick: simulation, wire text, and drawing its own echo.
void HostWork(int ticks) {
    Tap tap;
    Instance host(tap, 1);
    Instance client(*new Tap, 2); // leaks on purpose: lives to the end of the run
    SetUpMatch(host, 1);
    SetUpMatch(client, 1);
    client.State().LocalPlayer = 1;
    DropChanges(host);
    DropChanges(client);
    std::vector<double> hostUs, clientUs;
    QElapsedTimer t;
    for (int i = 0; i < ticks; ++i) {
        KeepRiding(host);
        Script(host.State(), i);
        const qsizetype before = tap.positions.size();
        t.start();
        host.Loop().Tick();
        for (qsizetype k = before; k < tap.positions.size(); ++k) tap.Deliver(tap.positions[k]);
        hostUs.push_back(t.nsecsElapsed() / 1000.0);
        t.start();
        for (qsizetype k = before; k < tap.positions.size(); ++k)
            client.GetDispatcher().tcpReceive_DataArrival(tap.positions[k]);
        clientUs.push_back(t.nsecsElapsed() / 1000.0);
    }
    Line("host work per tick, median", Percentile(hostUs, 0.5), "us");
    Line("host work per tick, p99", Percentile(hostUs, 0.99), "us");
    Line("client Positions handling per tick, median", Percentile(clientUs, 0.5), "us");
    Line("client Positions handling per tick, p99", Percentile(clientUs, 0.99), "us");
}

// Host work per tick with what it hears recorded to a replay file and without, side by side
// (each tick on both, in turns), and the cost of one recorded datagram on the caller's thread.
void RecordingCost(int ticks) {
    Tap plainTap, keptTap;
    Instance plain(plainTap, 1), kept(keptTap, 1);
    QTemporaryFile file;
    file.open();
    QString error;
    auto writer = replay::Writer::Open(file.fileName(), {0, QStringLiteral("bench"), QStringLiteral("1")}, &error);
    QElapsedTimer since;
    since.start();
    QObject::connect(&keptTap, &Transport::datagramArrived, &keptTap,
                     [&](const QByteArray& d) { writer->Append(quint32(since.elapsed()), d); });
    for (Instance* in : {&plain, &kept}) {
        SetUpMatch(*in, 1);
        DropChanges(*in);
    }
    std::vector<double> plainUs, keptUs;
    QElapsedTimer t;
    for (int i = 0; i < ticks; ++i) {
        for (int k = 0; k < 2; ++k) {
            const bool record = (i + k) % 2 == 1;
            Instance& in = record ? kept : plain;
            Tap& tap = record ? keptTap : plainTap;
            KeepRiding(in);
            Script(in.State(), i);
            const qsizetype before = tap.positions.size();
            t.start();
            in.Loop().Tick();
            for (qsizetype j = before; j < tap.positions.size(); ++j) tap.Deliver(tap.positions[j]);
            (record ? keptUs : plainUs).push_back(t.nsecsElapsed() / 1000.0);
        }
    }
    Line("host work per tick, recording off, median", Percentile(plainUs, 0.5), "us");
    Line("host work per tick, recording on, median", Percentile(keptUs, 0.5), "us");
    Line("recording on / off", Percentile(keptUs, 0.5) / Percentile(plainUs, 0.5), "");
    std::vector<double> appendNs;
    const QByteArray sample = keptTap.positions.isEmpty() ? QByteArray(120, 'x') : keptTap.positions.last();
    for (int batch = 0; batch < 50; ++batch) {
        t.start();
        for (int i = 0; i < 1000; ++i) writer->Append(quint32(since.elapsed()), sample);
        appendNs.push_back(t.nsecsElapsed() / 1000.0);
        QThread::msleep(20); // about a tick's worth of datagrams a batch; the disk keeps up
    }
    Line("recording one Positions datagram, median", Percentile(appendNs, 0.5), "ns");
    Line("datagrams dropped by the recorder", double(writer->Dropped()), "");
}

// Runs the real loop on the event loop for some seconds; returns the tap of the run.
struct Run {
    std::vector<qint64> stamps;
    qint64 bytes = 0;
    double cpu = 0;
    double seconds = 0;
};

Run RealLoop(int speed, double seconds, bool window, int zoom = 1) {
    InProcessBus bus;
    Tap tap(&bus);
    TapMember member(bus, tap);
    member.InitSockets();
    Instance host(tap, 1);
    SetUpMatch(host, speed);
    std::unique_ptr<frmVyre> view;
    if (window) {
        view = std::make_unique<frmVyre>(host.Window());
        view->SetView({zoom, false});
        view->FitArena(1500, 1500);
        view->show();
        // Showing the window paints all of it once; the figure is for play, so that first
        // paint (and the first touch of its buffers) comes before the clock starts.
        view->repaint();
        QCoreApplication::processEvents();
    } else {
        DropChanges(host);
    }
    int tick = 0;
    QObject::connect(&host.Loop(), &GameLoop::finished, [&] {
        KeepRiding(host);
        host.Loop().Vyre_Game();
    });
    // Steering between ticks, as keys and Steer messages would.
    QTimer steer;
    QObject::connect(&steer, &QTimer::timeout, [&] { Script(host.State(), 40 * ++tick); });
    steer.start(400);
    tap.clock.start();
    host.Loop().Vyre_Game();
    if (window) {
        // Starting the round clears the arena, so the window shows all of it once. That
        // picture is paid once a round ("whole arena shown" in the paint figures); this
        // figure is for the riding that follows.
        QEventLoop settle;
        QTimer::singleShot(100, &settle, &QEventLoop::quit);
        settle.exec();
        tap.stamps.clear();
        tap.bytes = 0;
        tap.clock.start();
    }
    QEventLoop wait;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &wait, &QEventLoop::quit);
    const double cpu0 = CpuSeconds();
    wait.exec();
    Run r;
    r.cpu = CpuSeconds() - cpu0;
    r.seconds = tap.clock.nsecsElapsed() / 1e9;
    r.stamps = tap.stamps;
    r.bytes = tap.bytes;
    host.Loop().Abandon();
    return r;
}

// What showing one tick costs the host's game window at a zoom: taking the board's changes,
// scaling the exposed part of the arena and painting it into the window's buffer. Two
// hosts ride the same match, one shown at 1x and one at 3x, and take turns tick by tick.
// Host work per tick with the sound board listening and without, two hosts taking turns.
void SoundCost(int ticks) {
    struct Host {
        Host() : in(tap, 1) {
            SetUpMatch(in, 1);
            DropChanges(in);
        }
        double Tick(int i) {
            KeepRiding(in);
            Script(in.State(), i);
            const qsizetype before = tap.positions.size();
            QElapsedTimer t;
            t.start();
            in.Loop().Tick();
            // The script's riders never stand still: a crash cue every 50 ticks stands in
            // for the crashes of a real round (far more than one has).
            if (i % 50 == 0) emit in.cue(Cue::Crash, (i % 7) / 3.0 - 1);
            for (qsizetype k = before; k < tap.positions.size(); ++k) tap.Deliver(tap.positions[k]);
            return t.nsecsElapsed() / 1000.0;
        }
        Tap tap;
        Instance in;
    };
    Host quiet, heard;
    SoundBoard sounds(nullptr, true);
    QObject::connect(&heard.in, &Instance::cue, &sounds, &SoundBoard::Play);
    std::vector<double> off, on;
    for (int i = 0; i < ticks; ++i) {
        off.push_back(quiet.Tick(i));
        on.push_back(heard.Tick(i));
    }
    const double m0 = Percentile(off, 0.5), m1 = Percentile(on, 0.5);
    std::printf("sound output: %s; cues played: %d\n", sounds.HasOutput() ? "a device" : "none (silent)",
                sounds.Played());
    Line("host work per tick, sound off, median", m0, "us");
    Line("host work per tick, sound on, median", m1, "us");
    Line("host work per tick, sound on over off", m1 / m0, "");
}

// The splitter and number reader every received datagram goes through, without a fuzzer's
// hooks: typical datagrams a second, reading the fields as views of one string (what the
// dispatcher does) and as strings of their own (how it read them before).
void Parsing(int rounds) {
    std::array<std::int16_t, 8> x{90, 270, 180, 180, 45, 315, 100, 260}, y{147, 147, 72, 219, 30, 250, 60, 200};
    std::array<std::int16_t, 8> fuel{};
    fuel.fill(85);
    wire::Settings st;
    st.height = 295;
    st.width = 360;
    st.name = QStringLiteral("Zo\u00eb");
    const std::vector<QByteArray> datagrams = {wire::Positions(x, y, fuel), wire::Steer(3, 2, 1), wire::Turn(4, 1),
                                               wire::MatchSettings(st), QByteArray("9\x01" "2\x01Zo\xEB\x01" "255\x01")};
    volatile int sink = 0;
    const auto time = [&](auto&& parse) {
        std::vector<double> rates;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer t;
            t.start();
            for (int r = 0; r < rounds; ++r)
                for (const QByteArray& d : datagrams) sink = sink + parse(d);
            rates.push_back(double(rounds) * datagrams.size() / (t.nsecsElapsed() / 1e9));
        }
        return Percentile(rates, 0.5);
    };
    const double views = time([](const QByteArray& d) {
        const wire::FieldList f = wire::SplitFields(d);
        int sum = 0;
        for (qsizetype i = 0; i < f.size(); ++i) sum += convert::ToInt16(f[i]).value_or(0);
        return sum;
    });
    const double strings = time([](const QByteArray& d) {
        const QStringList f = wire::Split(d);
        int sum = 0;
        for (const QString& field : f) sum += convert::ToInt16(field).value_or(0);
        return sum;
    });
    Line("datagrams parsed per second, fields as views, median of 5", views, "/s");
    Line("datagrams parsed per second, fields as strings, median of 5", strings, "/s");
}

void Painting(int ticks) {
    struct Shown {
        explicit Shown(int zoom, QScreen* on = nullptr) : host(tap, 1), view(host.Window()) {
            SetUpMatch(host, 1);
            if (on) {
                view.setScreen(on);
                view.move(on->geometry().topLeft());
            }
            view.SetView({zoom, false});
            view.FitArena(1500, 1500);
            view.show();
            view.repaint();
            QCoreApplication::processEvents();
        }
        double Tick(int i) {
            KeepRiding(host);
            Script(host.State(), i);
            const qsizetype before = tap.positions.size();
            host.Loop().Tick();
            for (qsizetype k = before; k < tap.positions.size(); ++k) tap.Deliver(tap.positions[k]);
            QElapsedTimer t;
            t.start();
            view.ShowChanges();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            return t.nsecsElapsed() / 1000.0;
        }
        // A round's start clears the arena: the whole of it is scaled and shown once.
        double Whole() {
            // Something to clear: a clear of a clear arena does nothing.
            host.GetBoard().Arena().Box(100, 100, 200, 200, colours::WallOutline);
            host.GetBoard().Notify();
            view.ShowChanges();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            host.GetBoard().Arena().Clear();
            host.GetBoard().Notify();
            QElapsedTimer t;
            t.start();
            view.ShowChanges();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            return t.nsecsElapsed() / 1e6;
        }
        Tap tap;
        Instance host;
        frmVyre view;
    };
    const QList<QScreen*> screens = QGuiApplication::screens();
    Shown at1(1), at3(3), fitted(zoom::Auto, screens.size() > 1 ? screens[1] : nullptr);
    std::vector<double> whole1, whole3, wholeFitted;
    for (int i = 0; i < 5; ++i) {
        whole1.push_back(at1.Whole());
        whole3.push_back(at3.Whole());
        wholeFitted.push_back(fitted.Whole());
    }
    const int shrink = fitted.view.CurrentScale().shrink;
    Line("whole arena shown at round start, 1x, median", Percentile(whole1, 0.5), "ms");
    Line("whole arena shown at round start, 3x, median", Percentile(whole3, 0.5), "ms");
    std::printf("%-44s %12.3f ms (shown at 1/%d)\n", "whole arena shown at round start, fitted, median",
                Percentile(wholeFitted, 0.5), shrink);
    std::vector<double> one, three, fit;
    for (int i = 0; i < ticks; ++i) {
        one.push_back(at1.Tick(i));
        three.push_back(at3.Tick(i));
        fit.push_back(fitted.Tick(i));
    }
    const double m1 = Percentile(one, 0.5), m3 = Percentile(three, 0.5), mf = Percentile(fit, 0.5);
    Line("paint per tick at 1x, median", m1, "us");
    Line("paint per tick at 3x, median", m3, "us");
    Line("paint per tick, fitted, median", mf, "us");
    Line("paint per tick at 1x, p99", Percentile(one, 0.99), "us");
    Line("paint per tick at 3x, p99", Percentile(three, 0.99), "us");
    Line("paint per tick, fitted, p99", Percentile(fit, 0.99), "us");
    Line("paint per tick, 3x over 1x (medians)", m3 / m1, "");
    Line("paint per tick, fitted over 1x (medians)", mf / m1, "");
}

void Timing(double seconds) {
    // Thin trails with turbo send two Positions in one tick: count ticks by distinct times.
    const Run fast = RealLoop(1, 2, false);
    Line("ticks per second at Speed 1", fast.stamps.size() / fast.seconds, "ticks/s");

    const Run r = RealLoop(85, seconds, false);
    const double configured = GameLoop::DelayNs(85) / 1e6;
    std::vector<double> periods, deviations;
    for (size_t i = 1; i < r.stamps.size(); ++i) {
        const double ms = (r.stamps[i] - r.stamps[i - 1]) / 1e6;
        if (ms < 0.05) continue; // the second message of a two-message tick
        periods.push_back(ms);
        deviations.push_back(std::abs(ms - configured));
    }
    double mean = 0;
    for (double p : periods) mean += p;
    mean /= std::max<size_t>(1, periods.size());
    Line("configured tick period at Speed 85", configured, "ms");
    Line("mean tick period at Speed 85", mean, "ms");
    Line("p50 deviation from the configured period", Percentile(deviations, 0.5), "ms");
    Line("p99 deviation from the configured period", Percentile(deviations, 0.99), "ms");
    Line("bytes per second on the wire at Speed 85", r.bytes / r.seconds, "B/s");

    // CPU load swings from run to run on a shared machine: the median of three runs each,
    // headless and shown taking turns.
    std::vector<double> headless{100 * r.cpu / r.seconds}, shown;
    for (int i = 0; i < 3; ++i) {
        const Run w = RealLoop(85, seconds, true);
        shown.push_back(100 * w.cpu / w.seconds);
        if (i == 2) break;
        const Run h = RealLoop(85, seconds, false);
        headless.push_back(100 * h.cpu / h.seconds);
    }
    std::vector<double> shown3;
    for (int i = 0; i < 3; ++i) {
        const Run w = RealLoop(85, seconds, true, 3);
        shown3.push_back(100 * w.cpu / w.seconds);
    }
    Line("host CPU at Speed 85, headless, median of 3", Percentile(headless, 0.5), "% of a core");
    Line("host CPU at Speed 85, window shown, median of 3", Percentile(shown, 0.5), "% of a core");
    Line("host CPU at Speed 85, window shown at 3x, median of 3", Percentile(shown3, 0.5), "% of a core");
    Line("rounds restarted after a crash, all runs", restarts, "");
}

} // namespace

int main(int argc, char* argv[]) {
    // The programs timed at start-up show their windows where the caller asked.
    const QByteArray platform = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM")
                                                                             : QByteArrayLiteral("offscreen");
    // A screen large enough for a 1500 x 1500 arena at 3x, and beside it one of 1280 x 1024,
    // where the same arena is shown shrunk.
    // A path with a drive letter cannot be handed over: ':' separates the platform's arguments.
    QTemporaryFile screens;
    if (screens.open() && !screens.fileName().contains(QLatin1Char(':'))) {
        screens.write(R"({"screens": [
            {"name": "large", "x": 0, "y": 0, "width": 4600, "height": 4900},
            {"name": "small", "x": 4600, "y": 0, "width": 1280, "height": 1024}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "tournament") {
        riderbench::Tournament(argc > 2 ? std::atoi(argv[2]) : 300);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "strongest") { // strongest ROUNDS WIDTH HEIGHT
        riderbench::Strongest(argc > 2 ? std::atoi(argv[2]) : 100, argc > 3 ? std::atoi(argv[3]) : 360,
                              argc > 4 ? std::atoi(argv[4]) : 295);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "freeforall") { // freeforall ROUNDS [WIDTH HEIGHT]
        riderbench::FreeForAll(argc > 2 ? std::atoi(argv[2]) : 100, argc > 3 ? std::atoi(argv[3]) : 360,
                               argc > 4 ? std::atoi(argv[4]) : 295);
        return 0;
    }
    if (argc > 4 && QByteArray(argv[1]) == "pairing") { // pairing A B ROUNDS [WIDTH HEIGHT]
        const bool known = riderbench::Pairing(argv[2], argv[3], std::atoi(argv[4]), argc > 5 ? std::atoi(argv[5]) : 360,
                                               argc > 6 ? std::atoi(argv[6]) : 295);
        return known ? 0 : 2;
    }
    if (argc > 1 && QByteArray(argv[1]) == "startup") { // startup RUNS PROGRAM...
        QStringList programs;
        for (int i = 3; i < argc; ++i) programs << QString::fromLocal8Bit(argv[i]);
        if (argc < 4) programs << QCoreApplication::applicationDirPath() + QStringLiteral("/../app/lumivex");
        return startbench::Startup(argc > 2 ? std::atoi(argv[2]) : 10, programs, platform);
    }
    if (argc > 1 && QByteArray(argv[1]) == "hostwork") { // hostwork [TICKS]: host tick and client Positions alone
        HostWork(argc > 2 ? std::atoi(argv[2]) : 20000);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "keys") return startbench::KeyToWire(argc > 2 ? std::atoi(argv[2]) : 1000);
    if (argc > 1 && QByteArray(argv[1]) == "sound") {
        SoundCost(argc > 2 ? std::atoi(argv[2]) : 20000);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "parse") {
        Parsing(argc > 2 ? std::atoi(argv[2]) : 200000);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "paint") {
        Painting(argc > 2 ? std::atoi(argv[2]) : 2000);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "riders") { // riders [SECONDS]: the host with 7 Hard riders
        riderbench::Cost();
        riderbench::HostWithRiders(argc > 2 ? std::atof(argv[2]) : 5.0);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "gateway") { // gateway [DATAGRAMS]: run in a private network
        onlinebench::Forwarding(argc > 2 ? std::atoi(argv[2]) : 5000);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "online") { // online [SECONDS]: run in a private network
        onlinebench::MatchOnline(argc > 2 ? std::atof(argv[2]) : 5.0);
        return 0;
    }
    // The relay's figures: tools/relay-bench.sh runs these, pinned, in a private network.
    if (argc > 1 && QByteArray(argv[1]) == "relayload") return relaybench::Load(argc, argv, true);
    if (argc > 1 && QByteArray(argv[1]) == "forwardload") return relaybench::Load(argc, argv, false);
    if (argc > 1 && QByteArray(argv[1]) == "forwarder") return relaybench::Forwarder(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "relaymemory") return relaybench::Memory(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "relaylist") return relaybench::List(argc, argv);
#ifdef LUMIVEX_WEB
    if (argc > 1 && QByteArray(argv[1]) == "webframes") return webbench::Frames();
#endif
    if (argc > 1 && QByteArray(argv[1]) == "pads") return padbench::ButtonToWire(argc > 2 ? std::atoi(argv[2]) : 300);
    if (argc > 1 && QByteArray(argv[1]) == "padidle") return padbench::IdleCpu(argc > 2 ? std::atof(argv[2]) : 20);
    if (argc > 1 && QByteArray(argv[1]) == "recording") {
        RecordingCost(argc > 2 ? std::atoi(argv[2]) : 20000);
        return 0;
    }
    if (argc > 2 && QByteArray(argv[1]) == "replayfile") return replaybench::Describe(argv[2]);
    if (argc > 2 && QByteArray(argv[1]) == "replayopen") // replayopen FILE [MINUTES]
        return replaybench::OpenAndJump(argv[2], argc > 3 ? std::atoi(argv[3]) : 60);
    if (argc > 1 && QByteArray(argv[1]) == "floods") {
        floodbench::Floods(argc > 2 ? std::atof(argv[2]) : 2.0, 5000);
        return 0;
    }
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    if (argc > 2 && QByteArray(argv[2]) == "window") { // for profiling the view alone
        const int zoom = argc > 3 ? std::atoi(argv[3]) : 1; // 0: no window
        const Run shown = RealLoop(85, seconds, zoom > 0, zoom);
        Line(zoom > 0 ? "host CPU at Speed 85, window shown" : "host CPU at Speed 85, headless",
             100 * shown.cpu / shown.seconds, "% of a core");
        Line("rounds restarted after a crash", restarts, "");
        return 0;
    }
    std::printf("Lumivex benchmark: 8 riders, 1500 x 1500 arena, thin trails, wrap-around\n");
    HostWork(20000);
    SoundCost(20000);
    Painting(2000);
    Parsing(100000);
    Timing(seconds);
    riderbench::Cost();
    riderbench::HostWithRiders(seconds);
    startbench::KeyToWire(1000);
    startbench::Startup(10, {QCoreApplication::applicationDirPath() + QStringLiteral("/../app/lumivex")}, platform);
    return 0;
}
