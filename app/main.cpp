#include "AppIcon.h"
#include "CommandLine.h"
#include "Instance.h"
#include "ListGames.h"
#include "MessageBox.h"
#include "MulticastTransport.h"
#include "NetworkMenu.h"
#include "OnlineTransport.h"
#include "Platform.h"
#include "Probe.h"
#include "QuitOnSignal.h"
#include "RelayServer.h"
#include "WebSeats.h"
#include "ReplayCheck.h"
#include "ReplayFile.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmReplay.h"
#include "frmVyre.h"
#include "IniFile.h"
#include "Language.h"
#include "Settings.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <functional>
#include <optional>

namespace {
constexpr int DemoRestartMs = 3000; // the pause before a demo's next match
constexpr int RidersAfterMs = 600;  // after the start-up roll call has been answered
constexpr int JoinedAfterMs = 50;   // at least, through a gateway: the answers take a round trip


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
    // Until a window opens, the program speaks on the terminal, in the system's language: an
    // application of its own carries the translation until then.
    auto terminal = std::make_unique<QCoreApplication>(argc, argv);
    language::Use(language::FromSystem());
    Options options;
    if (const auto exit = CommandLine::Parse(argc, argv, options)) return *exit;
    HideLinkKeys(argc, argv);
    if (options.relay) {
        terminal.reset(); // the relay makes its own
        return RunRelay(options.relayPort, options.relayLimits); // headless
    }
    if (!options.replayCheck.isEmpty()) return ReplayCheck(options.replayCheck); // headless too
    if (options.listGames) return ListGames(options.listGames->host, options.listGames->port); // no window either
    if (options.probe > 0) return Probe(options.probe, options.interfaceName); // no window, no display needed
    std::optional<replay::Contents> watched;
    if (!options.replay.isEmpty()) {
        watched = replay::Load(options.replay);
        if (watched->result == replay::Result::NotAReplay) {
            std::fprintf(stderr, "lumivex: %s: %s\n", qUtf8Printable(options.replay), qUtf8Printable(watched->problem));
            return 2;
        }
    }
    if (!HasDisplay()) {
        std::fprintf(stderr, "lumivex: %s\n", qUtf8Printable(CommandLine::tr("no display: set DISPLAY, or use --probe, which needs none")));
        return 1;
    }
    terminal.reset(); // the windows' application takes over
    if (watched) { // a replay alone: no panel, no sockets, nothing on the wire
        QApplication app(argc, argv);
        // In the language the panel would speak.
        Settings settings;
        settings.Load(options.config.isEmpty() ? DefaultSettingsFile() : options.config);
        language::Use(language::Wanted(settings.GetView().language));
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
    frmVyre game(instance.Window());
    frmMain panel(instance.Window(), game);
    // Browsers are served on the interface the LAN's datagrams leave by.
    panel.Web().SetLan([&lan] { return WebSeats::LanOf(lan.SendingInterface()); });
    frmAbout about;
    game.SetAboutOpener([&about] { about.Open(); });
    panel.SetAboutOpener([&about] { about.Open(); });
    // One box at a time: a new message replaces one nobody has answered yet (the last match's
    // winner, say), so boxes never pile up while the game plays on.
    QPointer<QMessageBox> shown;
    instance.SetMessageBox([&panel, &options, &shown](const QString& text, const QString& title,
                                                      MessageIcon icon) {
        if (options.demo) { // a demo plays on by itself: nobody answers its boxes
            std::printf("%s\n", qUtf8Printable(text));
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
            std::fprintf(stderr, "lumivex: %s\n", qUtf8Printable(error));
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
        if (!options.publicName.isEmpty())
            panel.Network().ListPublicly(options.publicName);
        transport.SetPortMapping(options.portMapping);
        if (!panel.Network().OpenOnlineOn(port, &error)) {
            std::fprintf(stderr, "lumivex: %s\n",
                         qUtf8Printable(CommandLine::tr("the game could not be opened online: %1").arg(error)));
            return 1;
        }
        // The link goes out once the router and the relay have answered, or have had their time.
        const auto print = [&transport] {
            for (const QString& line : {transport.MappingLine(), transport.RelayLine(), transport.ListLine()})
                if (!line.isEmpty()) std::fprintf(stderr, "lumivex: %s\n", qUtf8Printable(line));
            std::printf("%s\n", qUtf8Printable(transport.LinkText()));
            std::fflush(stdout);
        };
        if (transport.LinkSettled())
            print();
        else
            QObject::connect(&transport, &OnlineTransport::linkReady, &panel, print, Qt::SingleShotConnection);
    }

    if (options.web) {
        QString error;
        const quint16 port = options.webPort ? options.webPort : panel.Network().SavedWebPort();
        if (!panel.Network().OpenBrowsersOn(port, &error)) {
            std::fprintf(stderr, "lumivex: %s\n", qUtf8Printable(CommandLine::tr("browsers cannot join: %1").arg(error)));
            return 1;
        }
        std::printf("%s\n", qUtf8Printable(panel.Web().Address()));
        std::fflush(stdout);
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
            std::fprintf(stderr, "lumivex: %s\n", qUtf8Printable(why));
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
            const QByteArray hash = ArenaHash(instance.GetBoard().Arena());
            const Resident r = ResidentKiB();
            QStringList scores;
            for (int i = 1; i <= instance.State().PlayerCount(); ++i)
                scores << instance.GetBoard().Score(i).text;
            QStringList mine;
            for (int slot : instance.GetRoster().OwnedSlots()) mine << QString::number(slot);
            std::printf("round %d arena %s rss %ld anon %ld at %.1f%s scores %s mine %s\n", round,
                        hash.constData(), r.all, r.anonymous, sinceStart.elapsed() / 1000.0, qUtf8Printable(how),
                        qUtf8Printable(scores.join(QLatin1Char(','))), qUtf8Printable(mine.join(QLatin1Char(','))));
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
