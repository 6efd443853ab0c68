#include "ListGames.h"

#include "GameFinder.h"
#include "Gateway.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <cstdio>

int ListGames(const QString& host, quint16 port) {
    QHostAddress address(host);
    if (address.isNull()) {
        const QHostInfo found = QHostInfo::fromName(host);
        if (found.addresses().isEmpty()) {
            std::fprintf(stderr, "lumivex: the relay %s was not found\n", qUtf8Printable(host));
            return 1;
        }
        address = found.addresses().first();
    }
    GameFinder finder;
    int code = 1;
    QObject::connect(&finder, &GameFinder::found, &finder, [&] {
        for (const gamelist::Entry& e : finder.Games())
            std::printf("%s\t%d/8\t%s\t%s\n", qUtf8Printable(e.name), e.players, e.playing ? "playing" : "waiting",
                        qUtf8Printable(finder.Link(e)));
        std::fflush(stdout);
        code = 0;
        QCoreApplication::quit();
    });
    QObject::connect(&finder, &GameFinder::failed, &finder, [&](const QString& why) {
        std::fprintf(stderr, "lumivex: %s: %s\n", qUtf8Printable(Gateway::Describe(address, port)), qUtf8Printable(why));
        QCoreApplication::quit();
    });
    finder.Ask(address, port, host);
    QCoreApplication::exec();
    return code;
}
