// Floods the group with one kind of message while a roll call goes out every 250 ms, and
// prints how long the other copies took to answer each: the figure of a copy with its windows
// shown under a flood. Run it inside a private network only (tools/flood-shown.sh does).
//   flood_probe KIND PER_SECOND SECONDS
// KIND is a message number; 6 is one large obstacle, sent again and again, 106 obstacles of
// random places and sizes.
#include "FloodBench.h"
#include "Messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: flood_probe KIND PER_SECOND SECONDS\n");
        return 2;
    }
    const int kind = std::atoi(argv[1]);
    const int perSecond = std::atoi(argv[2]);
    const double seconds = std::atof(argv[3]);
    const QHostAddress group(QStringLiteral("234.10.20.31"));
    constexpr quint16 port = 31314;

    // The flood comes from an address of its own (127.0.0.2, on loopback like the rest), the
    // roll calls from the copy's own: a third copy floods, a second one asks.
    QUdpSocket listen, send, flooder;
    listen.bind(QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    listen.joinMulticastGroup(group);
    send.bind(QHostAddress::AnyIPv4, 0);
    if (!flooder.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0)) flooder.bind(QHostAddress::AnyIPv4, 0);
    const quint16 own = send.localPort(), flooding = flooder.localPort();
    auto out = [&](const QByteArray& d) { send.writeDatagram(d, group, port); };

    // A match of 1500 x 1500 first, as a host would announce it.
    wire::Settings s;
    s.width = s.height = 1500;
    s.speed = 85;
    s.numPlayers = 8;
    s.matchScore = 7;
    s.complexity = 8;
    s.name = QStringLiteral("Flood");
    s.color = s.gridColor = 0xFFFFFF;
    out(wire::MatchSettings(s));

    std::mt19937 random(static_cast<std::uint32_t>(kind));
    std::vector<double> answers;
    QElapsedTimer asked;
    bool waiting = false;
    int unanswered = 0;
    QObject::connect(&listen, &QUdpSocket::readyRead, [&] {
        while (listen.hasPendingDatagrams()) {
            const QNetworkDatagram d = listen.receiveDatagram();
            if (d.senderPort() == own || d.senderPort() == flooding || !waiting) continue;
            if (d.data().startsWith("9\x01")) {
                answers.push_back(asked.nsecsElapsed() / 1e6);
                waiting = false;
            }
        }
    });
    QTimer flood, roll;
    flood.setTimerType(Qt::PreciseTimer);
    int sent = 0;
    QElapsedTimer clock;
    QObject::connect(&flood, &QTimer::timeout, [&] {
        // Paced by the clock, so a late timer catches up instead of lowering the rate.
        const int due = static_cast<int>(clock.nsecsElapsed() / 1e9 * perSecond);
        for (; sent < due; ++sent)
            flooder.writeDatagram(kind == 6 ? wire::Obstacle(10, 10, 1490, 1490) : floodbench::Datagram(kind % 100, random),
                                  group, port);
    });
    QObject::connect(&roll, &QTimer::timeout, [&] {
        if (waiting) ++unanswered;
        waiting = true;
        asked.start();
        out(wire::RollCall());
    });
    QTimer::singleShot(1000, [&] { // the copy has taken the match by then
        clock.start();
        if (kind > 0) flood.start(1);
        roll.start(250);
        QTimer::singleShot(static_cast<int>(seconds * 1000), &app, &QCoreApplication::quit);
    });
    app.exec();
    std::sort(answers.begin(), answers.end());
    const double median = answers.empty() ? -1 : answers[answers.size() / 2];
    const double worst = answers.empty() ? -1 : answers.back();
    std::printf("kind %d: %d datagrams in %.1f s, %zu roll calls answered, %d not: median %.1f ms, worst %.1f ms\n",
                kind, sent, seconds, answers.size(), unanswered, median, worst);
    return 0;
}
