#include "CommandLine.h"

#include "GameList.h"
#include "Messages.h"

#include "OnlineTransport.h"
#include "RelayOptions.h"
#include "ReplayFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <tuple>
#include <QTextStream>
#include <QUrl>
#include <cstdio>
#include <cstring>

std::optional<int> CommandLine::Parse(int argc, char* argv[], Options& o) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Lumivex: a trail-riding arena game for up to eight players "
                       "on one local network."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Show the version and exit."));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  tr("Host a match of N players (2 to 8) at once: player 1 on "
                                                 "autopilot, the others Hard computer riders; a new match "
                                                 "follows each one."),
                                  QStringLiteral("N"));
    const QCommandLineOption riders(
        QStringLiteral("riders"),
        tr("Add K computer riders (1 to 7) of the level last chosen at "
                       "start-up."),
        QStringLiteral("K"));
    const QCommandLineOption roundLog(
        QStringLiteral("round-log"),
        tr("Print a line at every round end: the round, a hash of the "
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
        tr("Send through the network interface NAME for this run, whatever "
                       "the Network menu says."),
        QStringLiteral("NAME"));
    const QCommandLineOption config(
        QStringLiteral("config"),
        tr("Keep the settings in FILE instead of ~/.config/lumivex.ini (for "
                       "several copies on one computer)."),
        QStringLiteral("FILE"));
    const QCommandLineOption probe(
        QStringLiteral("probe"),
        tr("Without any window: send one roll call, listen for the number of "
                       "seconds that follows (default 2: --probe 5 listens 5 s) and print a "
                       "line per answer (slot, name, colour, sender). Exits 0 when another "
                       "copy answered, 1 when none did."));
    const QCommandLineOption open(
        QStringLiteral("open"),
        tr("Open this network's game online, on UDP port PORT if a number "
                       "follows (else the one last chosen, first 31315), and print the "
                       "link friends join with."));
    const QCommandLineOption join(
        QStringLiteral("join"),
        tr("Join the online game of LINK (lumivex://...); \"-\" reads the link "
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
        tr("Run as a relay server, with no display and no windows: games that "
                       "friends cannot reach directly keep a room here. It listens on UDP port "
                       "31316 unless --port says otherwise."));
    const RelayOptions relayOptions;
    const QCommandLineOption relayServer(
        QStringLiteral("relay-server"),
        tr("With --open: keep a room for the game at the relay HOST:PORT, so that "
                       "friends who cannot reach this computer join through it."),
        QStringLiteral("HOST:PORT"));
    const QCommandLineOption publicName(
        QStringLiteral("public"),
        tr("With --open and a relay: list the game publicly at the relay as NAME, for anyone "
                       "to find and join."),
        QStringLiteral("NAME"));
    const QCommandLineOption listGames(
        QStringLiteral("list-games"),
        tr("Without any window: print the public games the relay HOST[:PORT] lists, one line "
                       "each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not "
                       "answer within 5 s, 2 for a malformed address."),
        QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption record(QStringLiteral("record"),
                                    tr("Keep every datagram this copy hears, with its time, in the "
                                                   "replay file FILE."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption replayFile(
        QStringLiteral("replay"), tr("Watch the replay FILE (also: lumivex FILE.lumivex-replay)."),
        QStringLiteral("FILE"));
    const QCommandLineOption replayCheck(
        QStringLiteral("replay-check"),
        tr("Play the replay FILE through as fast as possible, with no window, and print each "
                       "round's outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when "
                       "it is no replay."),
        QStringLiteral("FILE"));
    const QCommandLineOption web(
        QStringLiteral("web"),
        tr("Let browsers on this network join: serve the page on TCP port PORT if a number "
                       "follows (else the one last chosen, first 31317) and print its address."));
    const QCommandLineOption noMapping(QStringLiteral("no-port-mapping"),
                                       tr("With --open: do not ask the router to forward the port."));
    parser.addOptions({help,       version,  demo,        riders,    roundLog, quitWhenShown, registerAtStart,
                       rosterFull, iface,    config,      probe,     open,     join,          demoDelay,
                       demoLevel,  relay,    relayServer, noMapping, record,   replayFile,    replayCheck,
                       publicName, listGames, web});
    relayOptions.AddTo(parser);
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    auto fail = [](const QString& text) {
        std::fprintf(stderr, "lumivex: %s\n", qUtf8Printable(text));
        return 2;
    };
    // --open and --web take their port only when one follows: the parser knows no optional values.
    for (int i = 1; i < args.size(); ++i) {
        for (const auto& [name, kind, out] : {std::tuple{QStringLiteral("--open"), "UDP", &o.openPort},
                                              std::tuple{QStringLiteral("--web"), "TCP", &o.webPort}}) {
            QString port;
            if (args[i] == name && i + 1 < args.size() &&
                QRegularExpression(QStringLiteral("^[0-9]+$")).match(args[i + 1]).hasMatch())
                port = args.takeAt(i + 1);
            else if (args[i].startsWith(name + QLatin1Char('=')))
                port = args[i].mid(name.size() + 1), args[i] = name;
            else
                continue;
            bool ok = false;
            const int p = port.toInt(&ok);
            if (!ok || p < 1 || p > 65535)
                return fail(tr("%1 takes a %2 port from 1 to 65535, not '%3'")
                                .arg(name.mid(2), QLatin1String(kind), port));
            *out = static_cast<quint16>(p);
        }
    }
    if (!parser.parse(args)) return fail(parser.errorText());
    if (parser.isSet(help)) {
        // The usage line names the program as a player types it, not by the path it was started by.
        QString text = parser.helpText();
        const QString started = QCoreApplication::arguments().value(0, QStringLiteral("<executable_name>"));
        if (const qsizetype at = text.indexOf(started); at >= 0 && at < text.indexOf(QLatin1Char('\n')))
            text.replace(at, started.size(), QStringLiteral("lumivex"));
        std::fputs(qUtf8Printable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("lumivex %s\n", LUMIVEX_VERSION);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(probe)) {
        o.probe = 2;
        if (positional.size() > 1) return fail(tr("unexpected argument '%1'").arg(positional[1]));
        if (positional.size() == 1) {
            bool ok = false;
            o.probe = positional[0].toDouble(&ok);
            if (!ok || o.probe <= 0 || o.probe > 3600)
                return fail(tr("--probe takes a number of seconds, not '%1'").arg(positional[0]));
        }
    } else if (positional.size() == 1 &&
               positional[0].startsWith(QLatin1String("lumivex:"), Qt::CaseInsensitive) &&
               !parser.isSet(join)) {
        // A link clicked in a browser or a chat arrives alone, as the desktop entry passes it.
        // Anything beside it came from elsewhere: a link must never bring options with it.
        if (!parser.optionNames().isEmpty())
            return fail(tr("a link opens alone; to join with options, use --join LINK"));
        QString why;
        o.join = OnlineLink::Parse(positional[0], &why);
        if (!o.join) return fail(tr("that is not a Lumivex link: %1").arg(why));
    } else if (positional.size() == 1 && positional[0].endsWith(QLatin1String(".lumivex-replay")) &&
               !parser.isSet(replayFile)) {
        // A replay opened from the desktop, which may pass it as a file:// URL; alone, as a link is.
        if (!parser.optionNames().isEmpty())
            return fail(tr("a replay file opens alone; to watch it with options, use --replay FILE"));
        const QUrl url(positional[0]);
        o.replay = url.isLocalFile() ? url.toLocalFile() : positional[0];
    } else if (!positional.isEmpty()) {
        return fail(tr("unexpected argument '%1'").arg(positional.first()));
    }
    o.open = parser.isSet(open);
    if (parser.isSet(join)) {
        QString text = parser.value(join);
        if (text == QLatin1String("-")) text = QTextStream(stdin).readLine();
        QString why;
        o.join = OnlineLink::Parse(text, &why);
        if (!o.join) return fail(tr("that is not a Lumivex link: %1").arg(why));
    }
    if (o.open && o.join) return fail(tr("--open and --join exclude each other"));
    o.relay = parser.isSet(relay);
    if (relayOptions.PortSet(parser) && !o.relay) return fail(tr("--port goes with --relay"));
    if (o.relay && (o.open || o.join || o.web))
        return fail(tr("--relay runs alone, without --open, --join or --web"));
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
        if (!o.open) return fail(tr("--relay-server goes with --open"));
        if (!OnlineTransport::SplitAddress(parser.value(relayServer)))
            return fail(tr("--relay-server takes HOST:PORT, not '%1'").arg(parser.value(relayServer)));
        o.relayServer = parser.value(relayServer);
    }
    if (parser.isSet(publicName)) {
        if (!o.open) return fail(tr("--public goes with --open"));
        o.publicName = wire::CleanText(parser.value(publicName), gamelist::MostNameUnits).trimmed();
        if (o.publicName.isEmpty())
            return fail(tr("--public takes the name to list the game as"));
    }
    if (parser.isSet(listGames)) {
        Options::ListAt at;
        if (!OnlineLink::SplitHostPort(parser.value(listGames).trimmed(), at.host, at.port, false))
            return fail(tr("--list-games takes HOST or HOST:PORT, not '%1'")
                            .arg(parser.value(listGames)));
        o.listGames = at;
    }
    o.portMapping = !parser.isSet(noMapping);
    if (parser.isSet(record)) {
        if (parser.value(record).isEmpty()) return fail(tr("--record takes a file name"));
        o.record = QFileInfo(parser.value(record)).absoluteFilePath();
        // Only a replay is ever written over: a mistyped name must not cost a player a file.
        if (QFileInfo::exists(o.record) && !replay::IsReplayFile(o.record))
            return fail(tr("%1 exists and is not a Lumivex replay: it is left as it is").arg(o.record));
    }
    if (parser.isSet(replayFile)) o.replay = parser.value(replayFile);
    if (parser.isSet(replayCheck)) o.replayCheck = parser.value(replayCheck);
    o.web = parser.isSet(web);
    if ((!o.replay.isEmpty() || !o.replayCheck.isEmpty()) &&
        (o.open || o.join || o.relay || !o.record.isEmpty() || parser.isSet(demo) || o.web))
        return fail(tr("a replay is watched alone, without --open, --join, --relay, --record, --demo or --web"));
    if (parser.isSet(demoLevel)) o.demoLevel = static_cast<RiderLevel>(std::clamp(parser.value(demoLevel).toInt(), 0, 2));
    if (parser.isSet(demoDelay)) o.demoDelayMs = std::clamp(parser.value(demoDelay).toInt(), 0, 600000);
    if (parser.isSet(iface)) {
        o.interfaceName = parser.value(iface);
        o.interfaceSet = true;
        QStringList names;
        for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) names << i.name();
        if (!names.contains(o.interfaceName))
            return fail(tr("there is no network interface '%1'; there are: %2")
                            .arg(o.interfaceName, names.join(QStringLiteral(", "))));
    }
    if (parser.isSet(config)) {
        o.config = QFileInfo(parser.value(config)).absoluteFilePath();
        if (parser.value(config).isEmpty()) return fail(tr("--config takes a file name"));
    }
    if (!count(demo, 2, 8, o.demo))
        return fail(tr("--demo takes a number of players from 2 to 8"));
    if (!count(riders, 1, 7, o.riders)) return fail(tr("--riders takes a number from 1 to 7"));
    o.roundLog = parser.isSet(roundLog);
    o.quitWhenShown = parser.isSet(quitWhenShown);
    o.registerAtStart = parser.isSet(registerAtStart);
    o.quitWhenRosterFull = parser.isSet(rosterFull);
    return std::nullopt;
}

void HideLinkKeys(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        char* link = argv[i];
        while (*link && qstrnicmp(link, "lumivex:", 8) != 0) ++link;
        if (char* hash = *link ? std::strchr(link, '#') : nullptr)
            for (char* k = hash + 1; *k; ++k) *k = '*';
    }
}
