#include "AppIcon.h"
#include "Instance.h"
#include "MessageBox.h"
#include "MulticastTransport.h"
#include "NetworkMenu.h"
#include "OnlineTransport.h"
#include "Platform.h"
#include "QuitOnSignal.h"
#include "RelayOptions.h"
#include "RelayServer.h"
#include "ReplayCheck.h"
#include "ReplayFile.h"
#include "Probe.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmReplay.h"
#include "frmVyre.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QPointer>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#ifdef __GLIBC__
#endif
#include <functional>
#include <optional>

namespace {
constexpr int DemoRestartMs = 3000; // the pause before a demo's next match
constexpr int RidersAfterMs = 600;  // after the start-up roll call has been answered
constexpr int JoinedAfterMs = 50;   // at least, through a gateway: the answers take a round trip

struct Options {
    int demo = 0;   // players of a demo match, 0 for none
    int riders = 0; // computer riders to add at start-up
    bool roundLog = false;
    bool quitWhenShown = false;
    bool registerAtStart = false; // press Client Registration once the roll call is answered
    bool quitWhenRosterFull = false;
    QString interfaceName; // for this run, over the saved choice
    bool interfaceSet = false;
    QString config;
    double probe = -1;    // seconds, when probing
    bool open = false;    // open this LAN's game online
    quint16 openPort = 0; // 0: the one kept in the settings
    std::optional<OnlineLink> join;
    int demoDelayMs = 0;
    RiderLevel demoLevel = RiderLevel::Hard;
    bool relay = false; // run as a relay server, with no windows
    quint16 relayPort = relaywire::DefaultPort;
    Relay::Limits relayLimits;
    std::optional<QString> relayServer; // for --open: the relay to keep a room at
    bool portMapping = true;
    QString record; // keep what this copy hears in this replay file
    QString replay;      // play this replay file, and nothing else
    QString replayCheck; // play it through with no window and print its rounds
};

// Reports once every watched window has been painted, after that painting is done.
class PaintWatch : public QObject {
public:
    PaintWatch(std::initializer_list<QWidget*> windows, std::function<void()> done)
        : left_(windows), done_(std::move(done)) {
        for (QWidget* w : windows) w->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && left_.removeOne(static_cast<QWidget*>(watched)) && left_.isEmpty())
            QTimer::singleShot(0, this, done_);
        return false;
    }

private:
    QList<QWidget*> left_;
    std::function<void()> done_;
};

// Reads the command line; an exit code when the program should end at once.
std::optional<int> ParseCommandLine(int argc, char* argv[], Options& o) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lumivex: a trail-riding arena game for up to eight players "
                       "on one local network."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Host a match of N players (2 to 8) at once: player 1 on "
                                                 "autopilot, the others Hard computer riders; a new match "
                                                 "follows each one."),
                                  QStringLiteral("N"));
    const QCommandLineOption riders(
        QStringLiteral("riders"),
        QStringLiteral("Add K computer riders (1 to 7) of the level last chosen at "
                       "start-up."),
        QStringLiteral("K"));
    const QCommandLineOption roundLog(
        QStringLiteral("round-log"),
        QStringLiteral("Print a line at every round end: the round, a hash of the "
                       "arena as drawn here, and this program's memory."));
    // For the start-up benchmark: the time from starting the program to both windows painted.
    QCommandLineOption quitWhenShown(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Print \"shown\" once both windows are painted, and quit."));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    // For the network timing scripts: copies that register by themselves, and one that says
    // when its roster holds all seven.
    QCommandLineOption registerAtStart(QStringLiteral("register"),
                                       QStringLiteral("Register as a client at start-up."));
    registerAtStart.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption rosterFull(QStringLiteral("quit-when-roster-full"),
                                  QStringLiteral("Print \"roster full\" once seven clients show, and quit."));
    rosterFull.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption iface(
        QStringLiteral("interface"),
        QStringLiteral("Send through the network interface NAME for this run, whatever "
                       "the Network menu says."),
        QStringLiteral("NAME"));
    const QCommandLineOption config(
        QStringLiteral("config"),
        QStringLiteral("Keep the settings in FILE instead of ~/.config/lumivex.ini (for "
                       "several copies on one computer)."),
        QStringLiteral("FILE"));
    const QCommandLineOption probe(
        QStringLiteral("probe"),
        QStringLiteral("Without any window: send one roll call, listen for the number of "
                       "seconds that follows (default 2: --probe 5 listens 5 s) and print a "
                       "line per answer (slot, name, colour, sender). Exits 0 when another "
                       "copy answered, 1 when none did."));
    const QCommandLineOption open(
        QStringLiteral("open"),
        QStringLiteral("Open this network's game online, on UDP port PORT if a number "
                       "follows (else the one last chosen, first 31315), and print the "
                       "link friends join with."));
    const QCommandLineOption join(
        QStringLiteral("join"),
        QStringLiteral("Join the online game of LINK (lumivex://...); \"-\" reads the link "
                       "from standard input, where other users cannot see it."),
        QStringLiteral("LINK"));
    // For the online test scripts: the demo fills seats only after this many milliseconds.
    QCommandLineOption demoDelay(QStringLiteral("demo-delay"),
                                 QStringLiteral("Wait MS before a demo fills seats."), QStringLiteral("MS"));
    demoDelay.setFlags(QCommandLineOption::HiddenFromHelp);
    // ... and its own rider rides at this level (0 Easy, 1 Normal, 2 Hard).
    QCommandLineOption demoLevel(QStringLiteral("demo-level"), QStringLiteral("The demo's own rider's level."),
                                 QStringLiteral("N"));
    demoLevel.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption relay(
        QStringLiteral("relay"),
        QStringLiteral("Run as a relay server, with no display and no windows: games that "
                       "friends cannot reach directly keep a room here. It listens on UDP port "
                       "31316 unless --port says otherwise."));
    const RelayOptions relayOptions;
    const QCommandLineOption relayServer(
        QStringLiteral("relay-server"),
        QStringLiteral("With --open: keep a room for the game at the relay HOST:PORT, so that "
                       "friends who cannot reach this computer join through it."),
        QStringLiteral("HOST:PORT"));
    const QCommandLineOption record(QStringLiteral("record"),
                                    QStringLiteral("Keep every datagram this copy hears, with its time, in the "
                                                   "replay file FILE."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption replayFile(
        QStringLiteral("replay"), QStringLiteral("Watch the replay FILE (also: lumivex FILE.lumivex-replay)."),
        QStringLiteral("FILE"));
    const QCommandLineOption replayCheck(
        QStringLiteral("replay-check"),
        QStringLiteral("Play the replay FILE through as fast as possible, with no window, and print each "
                       "round's outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when "
                       "it is no replay."),
        QStringLiteral("FILE"));
    const QCommandLineOption noMapping(QStringLiteral("no-port-mapping"),
                                       QStringLiteral("With --open: do not ask the router to forward the port."));
    parser.addOptions({help, version, demo, riders, roundLog, quitWhenShown, registerAtStart, rosterFull,
                       iface, config, probe, open, join, demoDelay, demoLevel, relay, relayServer, noMapping,
                       record, replayFile, replayCheck});
    relayOptions.AddTo(parser);
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    auto fail = [](const QString& text) {
        std::fprintf(stderr, "lumivex: %s\n", qPrintable(text));
        return 2;
    };
    // --open takes its port only when one follows: the parser knows no optional values.
    for (int i = 1; i < args.size(); ++i) {
        QString port;
        if (args[i] == QLatin1String("--open") && i + 1 < args.size() &&
            QRegularExpression(QStringLiteral("^[0-9]+$")).match(args[i + 1]).hasMatch())
            port = args.takeAt(i + 1);
        else if (args[i].startsWith(QLatin1String("--open=")))
            port = args[i].mid(7), args[i] = QStringLiteral("--open");
        else
            continue;
        bool ok = false;
        const int p = port.toInt(&ok);
        if (!ok || p < 1 || p > 65535)
            return fail(QStringLiteral("--open takes a UDP port from 1 to 65535, not '%1'").arg(port));
        o.openPort = static_cast<quint16>(p);
    }
    if (!parser.parse(args)) return fail(parser.errorText());
    if (parser.isSet(help)) {
        // Without an application object yet, the parser cannot know the program's name.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("lumivex"))),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("lumivex %s\n", LUMIVEX_VERSION);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(probe)) {
        o.probe = 2;
        if (positional.size() > 1) return fail(QStringLiteral("unexpected argument '%1'").arg(positional[1]));
        if (positional.size() == 1) {
            bool ok = false;
            o.probe = positional[0].toDouble(&ok);
            if (!ok || o.probe <= 0 || o.probe > 3600)
                return fail(QStringLiteral("--probe takes a number of seconds, not '%1'").arg(positional[0]));
        }
    } else if (positional.size() == 1 &&
               positional[0].startsWith(QLatin1String("lumivex:"), Qt::CaseInsensitive) &&
               !parser.isSet(join)) {
        // A link clicked in a browser or a chat arrives alone, as the desktop entry passes it.
        // Anything beside it came from elsewhere: a link must never bring options with it.
        if (!parser.optionNames().isEmpty())
            return fail(QStringLiteral("a link opens alone; to join with options, use --join LINK"));
        QString why;
        o.join = OnlineLink::Parse(positional[0], &why);
        if (!o.join) return fail(QStringLiteral("that is not a Lumivex link: %1").arg(why));
    } else if (positional.size() == 1 && positional[0].endsWith(QLatin1String(".lumivex-replay")) &&
               !parser.isSet(replayFile)) {
        // A replay opened from the desktop, which may pass it as a file:// URL; alone, as a link is.
        if (!parser.optionNames().isEmpty())
            return fail(QStringLiteral("a replay file opens alone; to watch it with options, use --replay FILE"));
        const QUrl url(positional[0]);
        o.replay = url.isLocalFile() ? url.toLocalFile() : positional[0];
    } else if (!positional.isEmpty()) {
        return fail(QStringLiteral("unexpected argument '%1'").arg(positional.first()));
    }
    o.open = parser.isSet(open);
    if (parser.isSet(join)) {
        QString text = parser.value(join);
        if (text == QLatin1String("-")) text = QTextStream(stdin).readLine();
        QString why;
        o.join = OnlineLink::Parse(text, &why);
        if (!o.join) return fail(QStringLiteral("that is not a Lumivex link: %1").arg(why));
    }
    if (o.open && o.join) return fail(QStringLiteral("--open and --join exclude each other"));
    o.relay = parser.isSet(relay);
    if (relayOptions.PortSet(parser) && !o.relay) return fail(QStringLiteral("--port goes with --relay"));
    if (o.relay && (o.open || o.join)) return fail(QStringLiteral("--relay runs alone, without --open or --join"));
    QString why;
    const auto relayValues = relayOptions.Read(parser, &why);
    if (!relayValues) return fail(why);
    o.relayPort = relayValues->port;
    o.relayLimits = relayValues->limits;
    auto count = [&](const QCommandLineOption& opt, int lo, int hi, int& out) -> bool {
        if (!parser.isSet(opt)) return true;
        bool ok = false;
        const int v = parser.value(opt).toInt(&ok);
        if (!ok || v < lo || v > hi) return false;
        out = v;
        return true;
    };
    if (parser.isSet(relayServer)) {
        if (!o.open) return fail(QStringLiteral("--relay-server goes with --open"));
        if (!OnlineTransport::SplitAddress(parser.value(relayServer)))
            return fail(QStringLiteral("--relay-server takes HOST:PORT, not '%1'").arg(parser.value(relayServer)));
        o.relayServer = parser.value(relayServer);
    }
    o.portMapping = !parser.isSet(noMapping);
    if (parser.isSet(record)) {
        if (parser.value(record).isEmpty()) return fail(QStringLiteral("--record takes a file name"));
        o.record = QFileInfo(parser.value(record)).absoluteFilePath();
        // Only a replay is ever written over: a mistyped name must not cost a player a file.
        if (QFileInfo::exists(o.record) && !replay::IsReplayFile(o.record))
            return fail(QStringLiteral("%1 exists and is not a Lumivex replay: it is left as it is").arg(o.record));
    }
    if (parser.isSet(replayFile)) o.replay = parser.value(replayFile);
    if (parser.isSet(replayCheck)) o.replayCheck = parser.value(replayCheck);
    if ((!o.replay.isEmpty() || !o.replayCheck.isEmpty()) &&
        (o.open || o.join || o.relay || !o.record.isEmpty() || parser.isSet(demo)))
        return fail(QStringLiteral("a replay is watched alone, without --open, --join, --relay, --record or --demo"));
    if (parser.isSet(demoLevel)) o.demoLevel = static_cast<RiderLevel>(std::clamp(parser.value(demoLevel).toInt(), 0, 2));
    if (parser.isSet(demoDelay)) o.demoDelayMs = std::clamp(parser.value(demoDelay).toInt(), 0, 600000);
    if (parser.isSet(iface)) {
        o.interfaceName = parser.value(iface);
        o.interfaceSet = true;
        QStringList names;
        for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) names << i.name();
        if (!names.contains(o.interfaceName))
            return fail(QStringLiteral("there is no network interface '%1'; there are: %2")
                            .arg(o.interfaceName, names.join(QStringLiteral(", "))));
    }
    if (parser.isSet(config)) {
        o.config = QFileInfo(parser.value(config)).absoluteFilePath();
        if (parser.value(config).isEmpty()) return fail(QStringLiteral("--config takes a file name"));
    }
    if (!count(demo, 2, 8, o.demo))
        return fail(QStringLiteral("--demo takes a number of players from 2 to 8"));
    if (!count(riders, 1, 7, o.riders)) return fail(QStringLiteral("--riders takes a number from 1 to 7"));
    o.roundLog = parser.isSet(roundLog);
    o.quitWhenShown = parser.isSet(quitWhenShown);
    o.registerAtStart = parser.isSet(registerAtStart);
    o.quitWhenRosterFull = parser.isSet(rosterFull);
    return std::nullopt;
}

// A link's key is the game's secret: once read, it is blanked in the program's own copy of
// its arguments, which other users of this computer can read in the process list. (Windows
// keeps a copy of its own there: `--join -` keeps it private.)
void HideLinkKeys(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        char* link = argv[i];
        while (*link && qstrnicmp(link, "lumivex:", 8) != 0) ++link;
        if (char* hash = *link ? std::strchr(link, '#') : nullptr)
            for (char* k = hash + 1; *k; ++k) *k = '*';
    }
}

// Whether windows can be shown at all. Without a display the toolkit would abort the
// program with its own error; the player gets one line instead.
bool HasDisplay() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("lumivex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMIVEX_VERSION));
    UseParentConsole();
    Options options;
    if (const auto exit = ParseCommandLine(argc, argv, options)) return *exit;
    HideLinkKeys(argc, argv);
    if (options.relay) return RunRelay(options.relayPort, options.relayLimits); // headless
    if (!options.replayCheck.isEmpty()) { // headless too
        QCoreApplication app(argc, argv);
        return ReplayCheck(options.replayCheck);
    }
    if (options.probe > 0) { // no window, so no display needed
        QCoreApplication app(argc, argv);
        return Probe(options.probe, options.interfaceName);
    }
    std::optional<replay::Contents> watched;
    if (!options.replay.isEmpty()) {
        watched = replay::Load(options.replay);
        if (watched->result == replay::Result::NotAReplay) {
            std::fprintf(stderr, "lumivex: %s: %s\n", qPrintable(options.replay), qPrintable(watched->problem));
            return 2;
        }
    }
    if (!HasDisplay()) {
        std::fputs("lumivex: no display: set DISPLAY, or use --probe, which needs none\n", stderr);
        return 1;
    }
    if (watched) { // a replay alone: no panel, no sockets, nothing on the wire
        QApplication app(argc, argv);
        app.setApplicationName(QStringLiteral("Lumivex"));
        app.setWindowIcon(AppIcon::Icon());
        QPointer<frmReplay> window = new frmReplay(std::move(*watched));
        QObject::connect(window, &frmReplay::closed, &app, &QApplication::quit, Qt::QueuedConnection);
        QuitOnSignal(&app, [window] {
            if (window) window->close();
        });
        std::optional<PaintWatch> watch;
        if (options.quitWhenShown)
            watch.emplace(std::initializer_list<QWidget*>{window, &window->Game()}, [] {
                std::printf("shown\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        window->Start();
        const int code = app.exec();
        delete window.data(); // once closed it goes by itself, maybe not yet
        return code;
    }

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Lumivex"));
    // The game window on the host may close while the panel stays; the panel's own
    // unload is what ends the program.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(AppIcon::Icon());

    MulticastTransport lan;
    OnlineTransport transport(lan);
    Instance instance(transport, static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    frmVyre game(instance);
    frmMain panel(instance, game);
    frmAbout about;
    game.SetAboutOpener([&about] { about.Open(); });
    panel.SetAboutOpener([&about] { about.Open(); });
    // One box at a time: a new message replaces one nobody has answered yet (the last match's
    // winner, say), so boxes never pile up while the game plays on.
    QPointer<QMessageBox> shown;
    instance.SetMessageBox([&panel, &options, &shown](const QString& text, const QString& title,
                                                      MessageIcon icon) {
        if (options.demo) { // a demo plays on by itself: nobody answers its boxes
            std::printf("%s\n", qPrintable(text));
            std::fflush(stdout);
            return;
        }
        if (shown) shown->close();
        // Information shows no icon here, as before: only a warning has one.
        shown = OpenMessageBox(&panel, text, title, icon == MessageIcon::Warning ? icon : MessageIcon::None);
    });
    QObject::connect(&panel, &frmMain::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    // Ended from outside (a service manager, a terminal's Ctrl+C): as File > Exit does.
    QuitOnSignal(&app, [&panel] { panel.close(); });

    std::optional<PaintWatch> watch;
    if (options.quitWhenShown)
        watch.emplace(std::initializer_list<QWidget*>{&panel, &game}, [] {
            std::printf("shown\n");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    if (!options.config.isEmpty()) panel.SetSettingsFile(options.config);
    if (options.interfaceSet) panel.Network().SetInterfaceForThisRun(options.interfaceName);
    panel.Network().SetNoticeEnabled(options.demo == 0);
    panel.Load();
    // What this copy hears from now on, kept as a replay; closed whole when the program ends.
    std::unique_ptr<replay::Writer> recorder;
    if (!options.record.isEmpty()) {
        QString error;
        recorder = replay::Writer::Open(options.record,
                                        {QDateTime::currentMSecsSinceEpoch(), instance.State().UserName,
                                         QStringLiteral(LUMIVEX_VERSION)},
                                        &error);
        if (!recorder) {
            std::fprintf(stderr, "lumivex: %s\n", qPrintable(error));
            return 1;
        }
        auto since = std::make_shared<QElapsedTimer>();
        since->start();
        QObject::connect(&transport, &Transport::datagramArrived, &panel, [&recorder, since](const QByteArray& d) {
            recorder->Append(static_cast<quint32>(since->elapsed()), d);
        });
    }
    panel.show();
    if (game.isFullScreen()) { // a fullscreen game window comes up in front
        game.raise();
        game.activateWindow();
    }

#ifdef __GLIBC__
    // A round's end frees what the round built (messages, regions, the riders' plans) in
    // small pieces all over the heap. Giving the free pages back then keeps a copy that
    // plays for hours at the size it had after its first round.
    QObject::connect(&instance, &Instance::roundDecided, &panel, [] { ReturnFreeMemory(); });
#endif

    if (options.open) {
        QString error;
        const quint16 port = options.openPort ? options.openPort : panel.Network().SavedOnlinePort();
        if (options.relayServer) panel.Network().SetRelayServerForThisRun(*options.relayServer);
        transport.SetPortMapping(options.portMapping);
        if (!panel.Network().OpenOnlineOn(port, &error)) {
            std::fprintf(stderr, "lumivex: the game could not be opened online: %s\n", qPrintable(error));
            return 1;
        }
        // The link goes out once the router and the relay have answered, or have had their time.
        const auto print = [&transport] {
            for (const QString& line : {transport.MappingLine(), transport.RelayLine()})
                if (!line.isEmpty()) std::fprintf(stderr, "lumivex: %s\n", qPrintable(line));
            std::printf("%s\n", qPrintable(transport.LinkText()));
            std::fflush(stdout);
        };
        if (transport.LinkSettled())
            print();
        else
            QObject::connect(&transport, &OnlineTransport::linkReady, &panel, print, Qt::SingleShotConnection);
    }

    Roster& roster = instance.GetRoster();
    // What the command line asks to do at start-up; a copy that joins online does it once joined.
    // Each is called with the wait for the roll call's answers.
    QList<std::function<void(int)>> startUp;
    if (options.registerAtStart)
        startUp <<
            [&panel](int ms) { QTimer::singleShot(ms, &panel, [&panel] { panel.cmdClient_Click(); }); };
    if (options.quitWhenRosterFull)
        QObject::connect(&roster, &Roster::changed, &panel, [&roster] {
            for (int slot = 1; slot <= Roster::Slots; ++slot)
                if (roster.Text(slot).isEmpty()) return;
            std::printf("roster full\n");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    if (options.riders > 0)
        startUp << [&panel, &options](int ms) {
            QTimer::singleShot(ms, &panel, [&panel, &options] {
                for (int i = 0; i < options.riders; ++i) panel.cmdAddRider_Click();
            });
        };
    if (options.demo > 0) {
        auto start = [&panel, &instance, &options] {
            MatchControl::MatchOptions o = panel.Options();
            o.settings.numPlayers = options.demo;
            instance.Control().StartMatch(o);
        };
        startUp << [&panel, &instance, &roster, &options, start](int ms) {
            QTimer::singleShot(
                ms + options.demoDelayMs, &panel, [&instance, &roster, &options, start] {
                    instance.GetPilots().Add(0, options.demoLevel,
                                             static_cast<std::uint32_t>(instance.Random().Next() * 1e6f));
                    // Seats other copies already fill stay theirs.
                    int filled = 0;
                    for (int slot = 1; slot <= Roster::Slots; ++slot) filled += !roster.Text(slot).isEmpty();
                    for (int i = filled + 1; i < options.demo; ++i) roster.AddRider(RiderLevel::Hard);
                    // Their own Register messages come back before the match starts.
                    QTimer::singleShot(RidersAfterMs, start);
                });
        };
        QObject::connect(&instance, &Instance::matchWon, &panel,
                         [start] { QTimer::singleShot(DemoRestartMs, start); });
    }
    if (options.join) {
        // Joined, the start-up roll call goes again through the gateway, then what was asked.
        // The roll call that joining sends is answered within a round trip or so: once the
        // first keep-alive has measured one, the start-up actions follow.
        auto done = std::make_shared<bool>(false);
        auto go = [startUp, done, &transport] {
            if (std::exchange(*done, true)) return; // a later join from the menu asks nothing of them
            const OnlineClient* c = transport.Client();
            const int rtt = c ? c->RoundTripMs() : -1;
            for (const auto& f : startUp) f(rtt < 0 ? RidersAfterMs : std::clamp(3 * rtt, JoinedAfterMs, RidersAfterMs));
        };
        QObject::connect(&transport, &OnlineTransport::joined, &panel, [go, &transport, &panel] {
            if (transport.Client()) QObject::connect(transport.Client(), &OnlineClient::roundTripChanged, &panel, go);
            QTimer::singleShot(RidersAfterMs, &panel, go);
        });
        QObject::connect(&transport, &OnlineTransport::joinFailed, &app, [](const QString& why) {
            std::fprintf(stderr, "lumivex: %s\n", qPrintable(why));
            QCoreApplication::exit(1);
        });
        transport.Join(*options.join);
    } else {
        for (const auto& f : startUp) f(RidersAfterMs);
    }
    if (options.roundLog) {
        // The last Positions of a round comes after its outcome; the arena is read once it is in.
        // The count and the clock live in the handler: this block ends long before the rounds do.
        QElapsedTimer sinceStart;
        sinceStart.start();
        auto rounds = std::make_shared<int>(0);
        const auto log = [&instance, sinceStart](int round, const QString& how) {
            const QByteArray hash = ArenaHash(instance);
            const Resident r = ResidentKiB();
            QStringList scores;
            for (int i = 1; i <= instance.State().PlayerCount(); ++i)
                scores << instance.GetBoard().Score(i).text;
            QStringList mine;
            for (int slot : instance.GetRoster().OwnedSlots()) mine << QString::number(slot);
            std::printf("round %d arena %s rss %ld anon %ld at %.1f%s scores %s mine %s\n", round,
                        hash.constData(), r.all, r.anonymous, sinceStart.elapsed() / 1000.0, qPrintable(how),
                        qPrintable(scores.join(QLatin1Char(','))), qPrintable(mine.join(QLatin1Char(','))));
            std::fflush(stdout);
        };
        QObject::connect(&instance, &Instance::roundDecided, &panel, [&instance, rounds, log] {
            const int round = ++*rounds;
            const auto code = instance.Control().LastOutcome();
            const QString how = QStringLiteral(" outcome ") + (code ? QString::number(*code) : QStringLiteral("?"));
            QTimer::singleShot(300, &instance, [round, log, how] { log(round, how); });
        });
        // The outcome was lost; the arena is the round's last, read before the next round clears it.
        QObject::connect(&instance, &Instance::roundMissed, &panel,
                         [rounds, log] { log(++*rounds, QStringLiteral(" outcome lost")); });
        const Resident r = ResidentKiB();
        std::printf("start rss %ld anon %ld\n", r.all, r.anonymous);
    }
    return app.exec();
}
