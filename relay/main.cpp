// lumivex-relay: the relay on its own, for a server that keeps rooms for games whose friends
// cannot reach them directly. No display, no game: what `lumivex --relay` runs.
#include "RelayOptions.h"
#include "RelayServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("lumivex-relay"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMIVEX_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Relay server for Lumivex: games that friends cannot reach directly keep a room here, "
                       "and their sealed datagrams pass through it unread."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // lumivex --relay's own switch, taken so that one command line serves both programs.
    QCommandLineOption relay(QStringLiteral("relay"), QStringLiteral("Ignored: this program is the relay."));
    relay.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(relay);
    const RelayOptions options;
    options.AddTo(parser);
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    auto fail = [](const QString& text) {
        std::fprintf(stderr, "lumivex-relay: %s\n", qPrintable(text));
        return 2;
    };
    if (!parser.parse(args)) return fail(parser.errorText());
    if (parser.isSet(help)) {
        // Without an application object, the parser cannot know the program's name.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("lumivex-relay"))),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("lumivex-relay %s\n", LUMIVEX_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    QString why;
    const auto values = options.Read(parser, &why);
    if (!values) return fail(why);
    return RunRelay(values->port, values->limits);
}
