#include "Gateway.h"
#include "Instance.h"
#include "Messages.h"
#include "IniFile.h"
#include "NetworkMenu.h"
#include "Settings.h"
#include "PortMapper.h"
#include "Relay.h"
#include "MulticastTransport.h"
#include "OnlineClient.h"
#include "OnlineLink.h"
#include "OnlineTransport.h"
#include "TextCheck.h"
#include "frmMain.h"
#include "frmVyre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QUdpSocket>
#include <QtTest>
#include <deque>
#include <functional>

namespace {
const QHostAddress GatewayAddress(QStringLiteral("198.51.100.1"));

// A copy that can go online, with its Network menu and no port mapping.
struct MenuCopy {
    MenuCopy() { online.SetPortMapping(false); }
    MulticastTransport lan;
    OnlineTransport online{lan};
    Instance instance{online, 1};
    QWidget parent;
    QLabel line;
    NetworkMenu menu{online, instance.GetDispatcher(), instance.GetRoster(), line, parent};
};
constexpr quint16 GatewayPort = 31315;

// A gateway on a port of its own on this computer, the link to it, and what it puts on its LAN.
struct LocalGateway {
    LocalGateway() {
        gateway.SetOutputs(nullptr, [this](const QByteArray& d) { lan << d; });
        QString error;
        if (!gateway.Listen(0, &error)) qWarning("%s", qPrintable(error));
        link.host = QStringLiteral("127.0.0.1");
        link.port = gateway.Port();
        link.key = key;
    }
    QByteArray key = seal::Random(OnlineLink::KeyBytes);
    Gateway gateway{key};
    OnlineLink link;
    QList<QByteArray> lan;
};

// A gateway and the copies that join it, joined by an in-process wire that records every
// datagram: what an attacker on the path could capture and send again from anywhere.
struct World {
    struct Packet {
        QHostAddress from;
        quint16 fromPort;
        QHostAddress to;
        quint16 toPort;
        QByteArray bytes;
    };
    QByteArray key = seal::Random(OnlineLink::KeyBytes);
    Gateway gateway{key};
    std::deque<Packet> queue;
    QList<Packet> seen;
    QList<QByteArray> lan; // what the gateway put on the LAN
    std::vector<std::unique_ptr<OnlineClient>> clients;
    std::vector<QHostAddress> clientAddress;
    QList<QList<QByteArray>> heard; // game datagrams each client received

    World() {
        gateway.SetOutputs(
            [this](const QByteArray& d, const QHostAddress& to, quint16 port) {
                queue.push_back({GatewayAddress, GatewayPort, to, port, d});
            },
            [this](const QByteArray& d) { lan << d; });
    }
    // A copy at 203.0.113.(10 + n) joins with `key`; the returned index names it. `first`
    // reaches the copy before anything the gateway answers.
    int Join(const QByteArray& withKey, const QList<QByteArray>& first = {}, bool firstSendsLost = false) {
        const int n = static_cast<int>(clients.size());
        OnlineLink link;
        link.host = GatewayAddress.toString();
        link.key = withKey;
        clients.push_back(std::make_unique<OnlineClient>(link));
        clientAddress.emplace_back(QStringLiteral("203.0.113.%1").arg(10 + n));
        heard.append(QList<QByteArray>());
        QObject::connect(clients.back().get(), &OnlineClient::datagram, clients.back().get(),
                         [this, n](const QByteArray& d) { heard[n] << d; });
        clients.back()->StartWith(GatewayAddress, GatewayPort, [this, n](const QByteArray& d) {
            queue.push_back(
                {clientAddress[static_cast<std::size_t>(n)], 40000, GatewayAddress, GatewayPort, d});
        });
        for (const QByteArray& d : first) clients.back()->Receive(d);
        if (firstSendsLost) queue.clear();
        Pump();
        return n;
    }
    void Pump() {
        while (!queue.empty()) {
            const Packet p = queue.front();
            queue.pop_front();
            seen << p;
            if (p.to == GatewayAddress) {
                gateway.Receive(p.bytes, p.from, p.fromPort);
                continue;
            }
            for (std::size_t i = 0; i < clients.size(); ++i)
                if (clients[i] && clientAddress[i] == p.to && p.toPort == 40000) clients[i]->Receive(p.bytes);
        }
    }
    // Sends raw bytes to the gateway from anywhere; returns the bytes it sent back there.
    qint64 Inject(const QByteArray& bytes, const QHostAddress& from, quint16 port = 40000) {
        const qsizetype before = seen.size();
        queue.push_back({from, port, GatewayAddress, GatewayPort, bytes});
        Pump();
        qint64 back = 0;
        for (qsizetype i = before; i < seen.size(); ++i)
            if (seen[i].to == from) back += seen[i].bytes.size();
        return back;
    }
    QList<Packet> Captured(char kind) const {
        QList<Packet> out;
        for (const Packet& p : seen)
            if (!p.bytes.isEmpty() && p.bytes[0] == kind && p.to == GatewayAddress) out << p;
        return out;
    }
};
} // namespace

class tst_Online : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(seal::Ready()); }
    void link_data();
    void link();
    void replayWindow();
    void attack_data();
    void attack();
    void forwardsBothWaysWithoutLoops();
    void seatsAreTrackedAsEveryCopyReadsThem_data();
    void seatsAreTrackedAsEveryCopyReadsThem();
    void silentCopyFreesItsSeats();
    void budgetBoundsABurst();
    void eighthCopyIsRefusedAndSaysWhy();
    void eachJoinedCopySpendsItsOwnBudget();
    void sealingNeedsAWholeKey();
    void gatewayReadsTheLongestRelayedDatagramWhole();
    void forgedCookieDoesNotWedgeAJoin_data();
    void forgedCookieDoesNotWedgeAJoin();
    void realSockets();
    void aJoinedCopyIsFreedWhenTheGameCloses();
    void linkDialogSaysWhenOnlyThisNetworkCanReach();
    void theOnlineWindowsFollowTheLanguage();
    void eighthCopyIsRefusedOverRealSockets();
    void removedCopiesStayOut_data();
    void removedCopiesStayOut();
    void aPublicGameIsFoundAndJoinedFromTheDialogs();
    void networkSettingsKeepEachOther();
    void reservedAddresses_data();
    void reservedAddresses();
};

void tst_Online::link_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    const QString k = base64url::Encode(QByteArray(32, '\xfb'));
    const QString room = base64url::Encode(QByteArray(16, '\x01'));
    QTest::newRow("ipv4") << "lumivex://203.0.113.7:31315#" + k << true << "203.0.113.7" << 31315;
    QTest::newRow("name, default port")
        << "lumivex://play.example.org#" + k << true << "play.example.org" << 31315;
    QTest::newRow("ipv6") << "lumivex://[2001:db8::1]:4000#" + k << true << "2001:db8::1" << 4000;
    QTest::newRow("room and direct") << "lumivex://relay.example:9/" + room + "?direct=198.51.100.2:5#" + k
                                     << true << "relay.example" << 9;
    QTest::newRow("no key") << "lumivex://203.0.113.7:31315" << false << "" << 0;
    QTest::newRow("short key") << "lumivex://h:1#" + k.left(42) << false << "" << 0;
    QTest::newRow("padded key") << "lumivex://h:1#" + k + "=" << false << "" << 0;
    QTest::newRow("standard base64") << "lumivex://h:1#" + QString(k).replace('_', '/') << false << "" << 0;
    QTest::newRow("port 0") << "lumivex://h:0#" + k << false << "" << 0;
    QTest::newRow("port 65536") << "lumivex://h:65536#" + k << false << "" << 0;
    QTest::newRow("no host") << "lumivex://:31315#" + k << false << "" << 0;
    QTest::newRow("bad ipv6") << "lumivex://[203.0.113.7]:1#" + k << false << "" << 0;
    QTest::newRow("other scheme") << "http://203.0.113.7:31315#" + k << false << "" << 0;
    QTest::newRow("short room") << "lumivex://h:1/AQ#" + k << false << "" << 0;
    QTest::newRow("direct without port") << "lumivex://h:1?direct=h2#" + k << false << "" << 0;
}

void tst_Online::link() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QString why;
    const auto link = OnlineLink::Parse(text, &why);
    QCOMPARE(link.has_value(), valid);
    if (!valid) {
        QVERIFY(!why.isEmpty());
        return;
    }
    QFETCH(QString, host);
    QFETCH(int, port);
    QCOMPARE(link->host, host);
    QCOMPARE(int(link->port), port);
    QCOMPARE(link->key.View(), QByteArrayView(QByteArray(32, '\xfb')));
    // What is written reads back the same.
    QCOMPARE(OnlineLink::Parse(link->ToString())->ToString(), link->ToString());
}

void tst_Online::replayWindow() {
    struct Step {
        std::uint64_t counter;
        bool accepted;
    };
    const Step steps[] = {{0, false},    {1, true},    {1, false},    {3, true},    {2, true},
                          {2, false},    {1030, true}, {6, false}, // 1,024 behind: too old to tell
                          {7, true},     {1029, true}, {1029, false}, {5000, true}, {3977, true},
                          {3976, false}, {4999, true}};
    seal::ReplayWindow w;
    for (const Step& s : steps)
        QVERIFY2(w.Accept(s.counter) == s.accepted, qPrintable(QString::number(s.counter)));
}

// What a stranger or a copy with the wrong key can do: nothing is admitted or forwarded, and
// the gateway never sends more bytes to an address than came from it.
void tst_Online::attack_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("wrong key") << 0;
    QTest::newRow("garbage") << 1;
    QTest::newRow("join replayed from elsewhere") << 2;
    QTest::newRow("sealed replayed from elsewhere") << 3;
    QTest::newRow("sealed replayed from the same address") << 4;
    QTest::newRow("sealed with a flipped bit") << 5;
    QTest::newRow("hellos from a spoofed address") << 6;
    QTest::newRow("oversized") << 7;
}

void tst_Online::attack() {
    QFETCH(int, kind);
    World w;
    const int honest = w.Join(w.key);
    QVERIFY(w.clients[0]->Joined());
    w.clients[0]->Send(wire::RollCall());
    w.Pump();
    QCOMPARE(w.lan.size(), 1);
    const Gateway::Counts before = w.gateway.Stats();
    const QHostAddress mallory(QStringLiteral("192.0.2.66"));
    qint64 in = 0, back = 0;
    auto send = [&](const QByteArray& d, const QHostAddress& from) {
        in += d.size();
        back += w.Inject(d, from);
    };
    switch (kind) {
    case 0: {
        const int m = w.Join(seal::Random(32));
        QVERIFY(!w.clients[static_cast<std::size_t>(m)]->Joined());
        QCOMPARE(w.gateway.Stats().notGenuine, before.notGenuine + 1);
        break;
    }
    case 1:
        for (int i = 0; i < 200; ++i) send(seal::Random(1 + i * 5), mallory);
        break;
    case 2:
        for (const auto& p : w.Captured(envelope::Join)) send(p.bytes, mallory);
        QCOMPARE(w.gateway.Stats().notGenuine, before.notGenuine + 1);
        break;
    case 3:
        for (const auto& p : w.Captured(envelope::Sealed)) send(p.bytes, mallory);
        QVERIFY(w.gateway.Stats().fromStrangers > before.fromStrangers);
        break;
    case 4:
        for (const auto& p : w.Captured(envelope::Sealed)) send(p.bytes, p.from);
        QVERIFY(w.gateway.Stats().notGenuine > before.notGenuine);
        in = back = 0; // the honest copy's own address gets keep-alive answers
        break;
    case 5: {
        QByteArray d = w.Captured(envelope::Sealed).last().bytes;
        d[d.size() / 2] = char(d[d.size() / 2] ^ 4);
        send(d, w.clientAddress[0]);
        QCOMPARE(w.gateway.Stats().notGenuine, before.notGenuine + 1);
        in = back = 0;
        break;
    }
    case 6:
        for (int i = 0; i < 100; ++i) {
            QByteArray hello(envelope::HelloBytes, '\0');
            hello[0] = envelope::Hello;
            hello[1] = envelope::Version;
            send(hello, mallory);
        }
        QCOMPARE(w.gateway.Stats().cookies, before.cookies + 100);
        break;
    case 7: send(QByteArray(envelope::MostSealedBytes + 1, envelope::Sealed), w.clientAddress[0]); break;
    }
    QVERIFY2(back <= in, qPrintable(QStringLiteral("%1 bytes in, %2 back").arg(in).arg(back)));
    QCOMPARE(w.gateway.RemoteCount(), 1);
    QCOMPARE(w.lan.size(), 1); // nothing more reached the LAN
    QVERIFY(w.clients[static_cast<std::size_t>(honest)]->Joined());
}

void tst_Online::forwardsBothWaysWithoutLoops() {
    World w;
    const int a = w.Join(w.key), b = w.Join(w.key);
    w.clients[static_cast<std::size_t>(a)]->Send(wire::Register(3, QStringLiteral("Ann"), 255));
    w.Pump();
    w.gateway.LanHeard(wire::RollCall());
    w.Pump();
    // The LAN got Ann's Register once; b heard it and the roll call; a heard only the roll call.
    QCOMPARE(w.lan, QList<QByteArray>{wire::Register(3, QStringLiteral("Ann"), 255)});
    QCOMPARE(w.heard[b],
             (QList<QByteArray>{wire::Register(3, QStringLiteral("Ann"), 255), wire::RollCall()}));
    QCOMPARE(w.heard[a], QList<QByteArray>{wire::RollCall()});
    QCOMPARE(w.gateway.Remotes()[a].seats, QList<int>{3});
    // Someone on the LAN takes seat 3 over: Ann's copy no longer holds it.
    w.gateway.LanHeard(wire::Register(3, QStringLiteral("Bob"), 1));
    QCOMPARE(w.gateway.Remotes()[a].seats, QList<int>());
}

void tst_Online::seatsAreTrackedAsEveryCopyReadsThem_data() {
    QTest::addColumn<QByteArray>("seat");
    QTest::newRow("3") << QByteArray("3");
    QTest::newRow("2.6 is 3") << QByteArray("2.6");
    QTest::newRow("spaced") << QByteArray(" 3 ");
    QTest::newRow("signed") << QByteArray("+3");
}

void tst_Online::seatsAreTrackedAsEveryCopyReadsThem() {
    // A joined copy takes seat 3 however it writes the number; gone, it frees seat 3.
    QFETCH(QByteArray, seat);
    World w;
    const int a = w.Join(w.key);
    w.clients[static_cast<std::size_t>(a)]->Send("9\x01" + seat + "\x01" "Ann\x01" "255\x01");
    w.Pump();
    QCOMPARE(w.gateway.Remotes()[a].seats, QList<int>{3});
    w.clients[static_cast<std::size_t>(a)]->Send("13\x01" + seat + "\x01");
    w.Pump();
    QCOMPARE(w.gateway.Remotes()[a].seats, QList<int>());
}

void tst_Online::silentCopyFreesItsSeats() {
    World w;
    w.gateway.SetSilenceMs(2500); // well above the keep-alive interval, which the other copy answers
    const int a = w.Join(w.key), b = w.Join(w.key);
    // Seat "2.6" is seat 3 on every copy, so the gateway frees seat 3 when the copy goes.
    w.clients[static_cast<std::size_t>(a)]->Send(QByteArray("9\x01" "2.6\x01" "A\x01" "1\x01"));
    w.clients[static_cast<std::size_t>(a)]->Send(wire::Register(5, QStringLiteral("A2"), 1));
    w.clients[static_cast<std::size_t>(a)]->Send(wire::Unregister(5));
    w.Pump();
    w.lan.clear();
    w.clients[static_cast<std::size_t>(a)].reset(); // killed: it says nothing more
    QSignalSpy changed(&w.gateway, &Gateway::changed);
    // b keeps answering keep-alives; a does not.
    QTRY_COMPARE_WITH_TIMEOUT((w.Pump(), w.gateway.RemoteCount()), 1, 8000);
    QCOMPARE(w.lan, QList<QByteArray>{wire::Unregister(3)});
    QVERIFY(w.heard[b].contains(wire::Unregister(3)));
    QVERIFY(!w.heard[b].contains(wire::Unregister(5)) || w.heard[b].count(wire::Unregister(5)) == 1);
}

void tst_Online::budgetBoundsABurst() {
    World w;
    const int a = w.Join(w.key);
    for (int i = 0; i < 3000; ++i) w.clients[static_cast<std::size_t>(a)]->Send(wire::Steer(1, 2, 0));
    w.Pump();
    const qint64 over = w.gateway.Stats().overBudget;
    QVERIFY2(w.lan.size() <= int(Gateway::Burst) + 50 && w.lan.size() >= int(Gateway::Burst) - 10,
             qPrintable(QString::number(w.lan.size())));
    QCOMPARE(over + w.lan.size(), qint64(3000));
}

void tst_Online::eighthCopyIsRefusedAndSaysWhy() {
    World w;
    for (int i = 0; i < Gateway::MostRemotes; ++i) QVERIFY(w.clients[std::size_t(w.Join(w.key))]->Joined());
    OnlineLink link;
    link.key = w.key;
    const int eighth = static_cast<int>(w.clients.size());
    w.clients.push_back(std::make_unique<OnlineClient>(link));
    w.clientAddress.emplace_back(QStringLiteral("203.0.113.99"));
    w.heard.append(QList<QByteArray>());
    QSignalSpy failed(w.clients.back().get(), &OnlineClient::failed);
    w.clients.back()->StartWith(GatewayAddress, GatewayPort, [&w, eighth](const QByteArray& d) {
        w.queue.push_back({w.clientAddress[std::size_t(eighth)], 40000, GatewayAddress, GatewayPort, d});
    });
    w.Pump();
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed[0][0].toString().contains(QStringLiteral("full")));
    QCOMPARE(w.gateway.RemoteCount(), Gateway::MostRemotes);
}

// Real sockets in this private network: a copy opens its LAN online, another joins it. Each
// hears its own datagrams once; the gateway's copy hears the joined copy's datagram once and
// does not send it back.
// Sealing, as opening, takes nothing but a whole key: the cipher would read past a short one.
void tst_Online::sealingNeedsAWholeKey() {
    for (int bytes : {0, 16, 31, 33}) {
        seal::Direction d{seal::Secret(seal::Random(bytes))};
        QVERIFY(d.Seal(envelope::Sealed, "x").isEmpty());
        QVERIFY(!d.Open(QByteArray(40, envelope::Sealed)));
    }
    const seal::Secret key = seal::Secret::Random(seal::KeyBytes);
    seal::Direction out{key}, in{key};
    QCOMPARE(in.Open(out.Seal(envelope::Sealed, "x")), std::optional<QByteArray>("x"));
}

// What comes through a relay is longer than a sealed datagram by the relay's kind and a tag:
// the gateway's socket reads the longest whole, and knows one longer as too long.
void tst_Online::gatewayReadsTheLongestRelayedDatagramWhole() {
    Gateway gateway(seal::Secret::Random(seal::KeyBytes));
    QString error;
    QVERIFY2(gateway.Listen(0, &error), qPrintable(error));
    QUdpSocket relay;
    QVERIFY(relay.bind(QHostAddress::LocalHost, 0));
    gateway.UseRelay(QHostAddress::LocalHost, relay.localPort());
    QTRY_VERIFY(relay.hasPendingDatagrams()); // its Open
    auto send = [&](int bytes) {
        QByteArray d(bytes, '\x5a');
        d[0] = relaywire::Data;
        d[1 + relaywire::TagBytes] = envelope::Sealed;
        relay.writeDatagram(d, QHostAddress::LocalHost, gateway.Port());
    };
    send(relaywire::MostRelayedBytes);
    QTRY_COMPARE(gateway.Stats().fromStrangers, qint64(1)); // whole: a sealed datagram of a stranger
    QCOMPARE(gateway.Stats().tooLong, qint64(0));
    send(relaywire::MostRelayedBytes + 1);
    QTRY_COMPARE(gateway.Stats().tooLong, qint64(1));
    QCOMPARE(gateway.Stats().fromStrangers, qint64(1));
}

// On the LAN every joined copy speaks from the gateway's one address: the gateway holds each to
// a chat budget of its own, so one flooding copy never spends what another is owed.
void tst_Online::eachJoinedCopySpendsItsOwnBudget() {
    World w;
    const int loud = w.Join(w.key), quiet = w.Join(w.key);
    QVERIFY(w.clients[0]->Joined() && w.clients[1]->Joined());
    for (int i = 0; i < 50; ++i)
        w.clients[static_cast<std::size_t>(loud)]->Send(wire::Chat(QStringLiteral("Loud"), 1, QStringLiteral("spam")));
    w.Pump();
    const qsizetype fromLoud = w.lan.size();
    QVERIFY(fromLoud >= 1 && fromLoud <= 5);
    QCOMPARE(w.gateway.Stats().flooded, qint64(50 - fromLoud));
    const QByteArray line = wire::Chat(QStringLiteral("Quiet"), 2, QStringLiteral("hello"));
    w.clients[static_cast<std::size_t>(quiet)]->Send(line);
    w.Pump();
    QCOMPARE(w.lan.count(line), 1);
}

// Cookies are not authenticated: one forged from the gateway's address, reaching the joining
// copy first, must not keep it out, whether the gateway's own cookie comes or was lost.
void tst_Online::forgedCookieDoesNotWedgeAJoin_data() {
    QTest::addColumn<bool>("gatewaysCookieLost");
    QTest::newRow("the gateway's cookie comes") << false;
    QTest::newRow("the gateway's first cookie is lost") << true;
}

void tst_Online::forgedCookieDoesNotWedgeAJoin() {
    QFETCH(bool, gatewaysCookieLost);
    World w;
    const QByteArray forged = QByteArray(1, envelope::Cookie) + seal::Random(envelope::CookieBytes);
    // Lost: the copy's Hello never reached the gateway, so the forged cookie is all it holds.
    const int n = w.Join(w.key, {forged}, gatewaysCookieLost);
    OnlineClient& c = *w.clients[static_cast<std::size_t>(n)];
    QCOMPARE(c.Joined(), !gatewaysCookieLost); // a fresh cookie from the gateway is taken at once
    QTRY_VERIFY_WITH_TIMEOUT((w.Pump(), c.Joined()), OnlineClient::AnswerMs - 500);
    QCOMPARE(w.gateway.RemoteCount(), 1);
}

void tst_Online::realSockets() {
    MulticastTransport lanA, lanB;
    OnlineTransport open(lanA), joiner(lanB);
    open.InitSockets();
    joiner.InitSockets();
    QVERIFY2(open.Problem().isEmpty(), qPrintable(open.Problem()));
    QString error;
    QVERIFY2(open.Open(0, &error), qPrintable(error));
    const auto link = OnlineLink::Parse(open.LinkText(QStringLiteral("127.0.0.1")));
    QVERIFY(link);
    QSignalSpy joined(&joiner, &OnlineTransport::joined);
    joiner.Join(*link);
    QVERIFY(joined.wait(3000));
    QCOMPARE(open.OnlineLine(), QStringLiteral("Online: 1 player joined"));
    QList<QByteArray> atOpen, atJoiner;
    connect(&open, &Transport::datagramArrived, this, [&atOpen](const QByteArray& d) { atOpen << d; });
    connect(&joiner, &Transport::datagramArrived, this, [&atJoiner](const QByteArray& d) { atJoiner << d; });
    const QByteArray fromJoiner = wire::Chat(QStringLiteral("J"), 1, QStringLiteral("hi"));
    const QByteArray fromOpen = wire::Chat(QStringLiteral("O"), 2, QStringLiteral("hello"));
    joiner.SendData(fromJoiner);
    open.SendData(fromOpen);
    QTRY_VERIFY(atOpen.size() >= 2 && atJoiner.size() >= 2);
    QTest::qWait(300); // anything sent twice or looped would be here by now
    QCOMPARE(atOpen.count(fromJoiner), 1);
    QCOMPARE(atOpen.count(fromOpen), 1);
    QCOMPARE(atJoiner.count(fromJoiner), 1);
    QCOMPARE(atJoiner.count(fromOpen), 1);
    QVERIFY(joiner.OnlineLine().startsWith(QStringLiteral("Joined ")));
    // A stranger floods the gateway's port with garbage, Hellos and sealed-looking bytes; the
    // joined copy's next datagram still gets through, and nothing of the stranger's does.
    QUdpSocket stranger;
    const quint16 port = open.GetGateway()->Port();
    QByteArray hello(envelope::HelloBytes, '\0');
    hello[0] = envelope::Hello;
    hello[1] = envelope::Version;
    const QByteArray kinds[] = {seal::Random(100), hello, QByteArray(1, envelope::Sealed) + seal::Random(120)};
    for (int i = 0; i < 20000; ++i) {
        stranger.writeDatagram(kinds[i % 3], QHostAddress::LocalHost, port);
        if (i % 500 == 0) QTest::qWait(1); // the gateway drains its socket as a busy one would
    }
    const QByteArray during = wire::Chat(QStringLiteral("J"), 1, QStringLiteral("still here"));
    joiner.SendData(during);
    QTRY_COMPARE(atOpen.count(during), 1);
    const Gateway::Counts& c = open.GetGateway()->Stats();
    QVERIFY(c.fromStrangers + c.malformed + c.cookies > 0);
    QCOMPARE(c.forwarded, qint64(2)); // the joined copy's two datagrams, nothing more
    // Closing the game tells the joined copy at once; it goes back to its LAN.
    QSignalSpy lost(&joiner, &OnlineTransport::onlineLost);
    open.CloseOnline();
    QVERIFY(lost.wait(2000));
    QCOMPARE(lost[0][0].toString(), QStringLiteral("Lost the connection to the online game"));
    QCOMPARE(joiner.GetMode(), OnlineTransport::Mode::Lan);
}

// The game closes in the middle of a match: the joined copy shows one message and is free to
// play on its own LAN at once, and the host's LAN frees its seat and takes its rider out.
void tst_Online::aJoinedCopyIsFreedWhenTheGameCloses() {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    MulticastTransport lanA, lanB(nullptr, MulticastTransport::DefaultGroup(), MulticastTransport::DefaultPort + 7);
    OnlineTransport open(lanA), joiner(lanB);
    open.SetPortMapping(false);
    Instance host(open, 1), guest(joiner, 2);
    frmVyre hostGame(host.Window()), guestGame(guest.Window());
    frmMain hostPanel(host.Window(), hostGame), guestPanel(guest.Window(), guestGame);
    QStringList boxes;
    guest.SetMessageBox([&boxes](const QString& text, const QString&, MessageIcon) { boxes << text; });
    host.SetMessageBox([](const QString&, const QString&, MessageIcon) {});
    hostPanel.Load();
    guestPanel.Load();
    QString error;
    QVERIFY2(open.Open(0, &error), qPrintable(error));
    QSignalSpy joined(&joiner, &OnlineTransport::joined);
    joiner.Join(*OnlineLink::Parse(open.LinkText(QStringLiteral("127.0.0.1"))));
    QVERIFY(joined.wait(3000));
    guestPanel.txtName->setText(QStringLiteral("Far"));
    QTest::mouseClick(guestPanel.cmdClient, Qt::LeftButton);
    QTRY_COMPARE(hostPanel.RosterText(1), QStringLiteral("Far ready!"));
    QTest::mouseClick(hostPanel.cmdServer, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(host.Loop().IsRunning() && guest.Control().MatchRunning(), 10000);

    QSignalSpy decided(&host, &Instance::roundDecided);
    open.CloseOnline();
    QTRY_COMPARE(boxes, QStringList{QStringLiteral("Lost the connection to the online game")});
    QCOMPARE(joiner.GetMode(), OnlineTransport::Mode::Lan);
    QVERIFY(!guest.Control().MatchRunning());
    QCOMPARE(guest.State().LocalPlayer, std::int16_t(-1));
    QVERIFY(guest.Control().Controls().startEnabled && guest.Control().Controls().optionsEnabled);
    QCOMPARE(hostPanel.RosterText(1), QString());
    QTRY_VERIFY(decided.count() > 0); // the departed rider left the round
    QCOMPARE(host.State().Players[2].Crashed, std::int16_t(-1));
    QTest::qWait(2500); // the roll call on the joined copy's own, empty LAN went unanswered
    QCOMPARE(guestPanel.Network().NoticeText(), QString());
    QCOMPARE(boxes.size(), 1);
}

// No port mapping, no relay room, and only this network's addresses: the dialog says so before
// anyone shares the link, and offers the address the relay sees the game from.
void tst_Online::theOnlineWindowsFollowTheLanguage() {
    // Every window of the Network menu, on the LAN and then with the game open online: its texts
    // follow another language (40% longer) at once, and none is cut.
    MenuCopy copy;
    copy.parent.show();
    QStringList problems;
    const int lan = textcheck::OpenEvery(this, {copy.menu.Menu()}, {}, problems);
    QString error;
    QVERIFY2(copy.menu.OpenOnlineOn(0, &error), qPrintable(error));
    const int online = textcheck::OpenEvery(this, {copy.menu.Menu()}, {}, problems);
    copy.online.CloseOnline();
    QVERIFY2(lan >= 5 && online >= 4, qPrintable(QStringLiteral("%1 %2").arg(lan).arg(online)));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void tst_Online::linkDialogSaysWhenOnlyThisNetworkCanReach() {
    MenuCopy copy;
    OnlineTransport& online = copy.online;
    NetworkMenu& menu = copy.menu;
    QUdpSocket relay; // answers like a relay that has not opened the room (yet)
    QVERIFY(relay.bind(QHostAddress::LocalHost, 0));
    menu.SetRelayServerForThisRun(QStringLiteral("127.0.0.1:%1").arg(relay.localPort()));
    QString error;
    QVERIFY2(menu.OpenOnlineOn(0, &error), qPrintable(error));
    menu.ShowLink();
    auto* dialog = copy.parent.findChild<QDialog*>(QStringLiteral("onlineLink"));
    QVERIFY(dialog);
    auto* warning = dialog->findChild<QLabel*>(QStringLiteral("onlyThisNetwork"));
    QVERIFY(warning->isVisible());
    QVERIFY(warning->text().contains(QStringLiteral("works only on this network")));
    QVERIFY(warning->text().contains(QStringLiteral("Relay Server")));

    QTRY_VERIFY(relay.hasPendingDatagrams());
    const QNetworkDatagram open = relay.receiveDatagram();
    QByteArray seen(1, relaywire::Seen);
    seen += QByteArray::fromHex("00000000000000000000ffffcb007107"); // 203.0.113.7
    seen += QByteArray::fromHex("9c41");                             // port 40001
    relay.writeDatagram(seen, open.senderAddress(), open.senderPort());
    auto* addresses = dialog->findChild<QComboBox*>();
    QTRY_COMPARE(addresses->itemText(0), QStringLiteral("203.0.113.7"));
    QVERIFY(warning->isVisible()); // a documentation address is this side's own too
    dialog->close();
    online.CloseOnline();
}

// The refusal goes out through the gateway's own socket like every other answer (it once went
// through the test hook only, and a real gateway stopped the program there).
void tst_Online::eighthCopyIsRefusedOverRealSockets() {
    LocalGateway local;
    Gateway& gateway = local.gateway;
    QVERIFY(gateway.Port());
    const OnlineLink& link = local.link;
    std::vector<std::unique_ptr<OnlineClient>> copies;
    for (int i = 0; i <= Gateway::MostRemotes; ++i) {
        copies.push_back(std::make_unique<OnlineClient>(link));
        QSignalSpy joined(copies.back().get(), &OnlineClient::joined);
        QSignalSpy failed(copies.back().get(), &OnlineClient::failed);
        copies.back()->Start();
        QTRY_VERIFY(joined.size() + failed.size() == 1);
        QCOMPARE(failed.size(), i == Gateway::MostRemotes ? 1 : 0);
        if (!failed.isEmpty()) QVERIFY(failed[0][0].toString().contains(QStringLiteral("full")));
    }
    QCOMPARE(gateway.RemoteCount(), Gateway::MostRemotes);
}

void tst_Online::removedCopiesStayOut_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("backAfterItsTime");
    QTest::newRow("kicked: told, freed, kept out for its time") << "kick" << true;
    QTest::newRow("banned: kept out while the game is open") << "ban" << false;
    QTest::newRow("closed to new players, then open again") << "close" << true;
}

// Over real sockets: the host removes a joined copy (or closes the game to new ones). The copy
// is told, its seat is freed on the LAN, and it cannot come back until its time is up (the
// kick's ten minutes shortened here).
void tst_Online::removedCopiesStayOut() {
    QFETCH(QString, how);
    QFETCH(bool, backAfterItsTime);
    LocalGateway local;
    Gateway& gateway = local.gateway;
    QVERIFY(gateway.Port());
    const OnlineLink& link = local.link;
    const QList<QByteArray>& lan = local.lan;
    gateway.SetKickMs(1500);
    // A copy tries to join; the line it was refused with, or empty once in.
    std::vector<std::unique_ptr<OnlineClient>> copies;
    const auto join = [&]() -> QString {
        copies.push_back(std::make_unique<OnlineClient>(link));
        QSignalSpy joined(copies.back().get(), &OnlineClient::joined);
        QSignalSpy failed(copies.back().get(), &OnlineClient::failed);
        copies.back()->Start();
        if (!QTest::qWaitFor([&] { return joined.size() + failed.size() > 0; }, 3000)) return QStringLiteral("no answer");
        return failed.isEmpty() ? QString() : failed[0][0].toString();
    };
    if (how == QLatin1String("close")) {
        gateway.SetClosedToNew(true);
        QCOMPARE(join(), QStringLiteral("The online game is closed to new players"));
        gateway.SetClosedToNew(false);
        QCOMPARE(join(), QString());
        return;
    }
    QCOMPARE(join(), QString());
    OnlineClient& mal = *copies.back();
    QSignalSpy lost(&mal, &OnlineClient::lost);
    mal.Send(wire::Register(3, QStringLiteral("Mal"), 255));
    QTRY_VERIFY(gateway.OwnerOfSeat(3) != 0);
    QSignalSpy removed(&gateway, &Gateway::removed);
    QVERIFY(gateway.Remove(gateway.OwnerOfSeat(3), how == QLatin1String("ban") ? Gateway::Removal::Ban : Gateway::Removal::Kick));
    QCOMPARE(removed.size(), 1);
    QTRY_COMPARE(lost.size(), 1);
    QCOMPARE(lost[0][0].toString(), QStringLiteral("The host removed you from the online game"));
    QVERIFY(lan.contains(wire::Unregister(3)));
    QCOMPARE(gateway.RemoteCount(), 0);
    QCOMPARE(join(), QStringLiteral("The host removed you from the online game"));
    QTest::qWait(1600);
    QCOMPARE(join(), backAfterItsTime ? QString() : QStringLiteral("The host removed you from the online game"));
}

namespace {
// A relay on a socket of its own, inside the test's event loop.
struct LocalRelay : Relay::Sink {
    Relay relay;
    QUdpSocket socket;
    QElapsedTimer clock;
    LocalRelay() {
        clock.start();
        socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket, &QUdpSocket::readyRead, &socket, [this] {
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram d = socket.receiveDatagram();
                const QByteArray b = d.data();
                relay.Receive({reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())},
                              Relay::Peer::V4(d.senderAddress().toIPv4Address(), quint16(d.senderPort())),
                              clock.elapsed(), *this);
            }
        });
    }
    void Send(const Relay::Peer& to, std::span<const std::uint8_t> head, std::span<const std::uint8_t> body) override {
        QByteArray d(reinterpret_cast<const char*>(head.data()), qsizetype(head.size()));
        d.append(reinterpret_cast<const char*>(body.data()), qsizetype(body.size()));
        const quint32 v4 = quint32(to.address[12]) << 24 | quint32(to.address[13]) << 16 | quint32(to.address[14]) << 8 |
                           to.address[15];
        socket.writeDatagram(d, QHostAddress(v4), to.port);
    }
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(socket.localPort()); }
};
} // namespace

// The whole way through the windows: a host lists its game from the Open dialog's choices, a
// stranger finds it in Find Games Online and joins with a double-click, and the host removes
// it from Online Players: the stranger is told, and its seat is free again.
void tst_Online::aPublicGameIsFoundAndJoinedFromTheDialogs() {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    LocalRelay relay;
    MenuCopy host;
    host.online.InitSockets(); // its LAN hears the stranger's Register, as the panel's would
    host.menu.SetRelayServerForThisRun(relay.Address());
    host.menu.ListPublicly(QStringLiteral("Friday <game>"));
    QString error;
    QVERIFY2(host.menu.OpenOnlineOn(0, &error), qPrintable(error));
    QTRY_VERIFY(host.online.ListLine().startsWith(QStringLiteral("Listed publicly at")));

    MulticastTransport lanB(nullptr, MulticastTransport::DefaultGroup(), MulticastTransport::DefaultPort + 9);
    OnlineTransport strangerNet(lanB);
    Instance stranger(strangerNet, 2);
    QWidget parent;
    QLabel line;
    NetworkMenu menu(strangerNet, stranger.GetDispatcher(), stranger.GetRoster(), line, parent);
    menu.SetRelayServerForThisRun(relay.Address());
    menu.FindGames();
    auto* games = parent.findChild<QTreeWidget*>(QStringLiteral("publicGames"));
    QVERIFY(games);
    auto* status = parent.findChild<QLabel*>(QStringLiteral("findStatus"));
    QTRY_VERIFY2(games->topLevelItemCount() == 1, qPrintable(status->text()));
    QTreeWidgetItem* game = games->topLevelItem(0);
    QCOMPARE(game->text(0), QStringLiteral("Friday <game>"));
    QCOMPARE(game->text(1), QStringLiteral("1/8"));
    QCOMPARE(game->text(2), QStringLiteral("waiting"));
    QSignalSpy joined(&strangerNet, &OnlineTransport::joined);
    game->setSelected(true);
    emit games->itemDoubleClicked(game, 0);
    QVERIFY(joined.wait(5000));

    strangerNet.SendData(wire::Register(3, QStringLiteral("Mal"), 255));
    QTRY_VERIFY(host.online.GetGateway()->OwnerOfSeat(3) != 0);
    QTRY_COMPARE(host.instance.GetRoster().Name(3), QStringLiteral("Mal"));
    QMenu roster;
    host.menu.AddRemovals(roster, 3);
    QCOMPARE(roster.actions().size(), 2);
    host.menu.OpenOnlinePlayers();
    auto* players = host.parent.findChild<QTreeWidget*>(QStringLiteral("onlinePlayers"));
    QVERIFY(players);
    QTRY_COMPARE(players->topLevelItemCount(), 1);
    QCOMPARE(players->topLevelItem(0)->text(0), QStringLiteral("Mal"));
    QSignalSpy removed(&host.menu, &NetworkMenu::gatewayNotice);
    QSignalSpy lost(&strangerNet, &OnlineTransport::onlineLost);
    players->topLevelItem(0)->setSelected(true);
    QTest::mouseClick(host.parent.findChild<QPushButton*>(QStringLiteral("kick")), Qt::LeftButton);
    QTRY_COMPARE(lost.size(), 1);
    QCOMPARE(lost[0][0].toString(), QStringLiteral("The host removed you from the online game"));
    QCOMPARE(removed.size(), 1);
    QVERIFY(removed[0][0].toString().startsWith(QStringLiteral("Mal (")));
    QTRY_COMPARE(players->topLevelItemCount(), 0);
    QCOMPARE(host.online.GetGateway()->OwnerOfSeat(3), quint64(0));
    QVERIFY(host.online.OnlineReport().join(QLatin1Char(' ')).contains(QStringLiteral("for 10 minutes")));
    host.parent.findChild<QCheckBox*>(QStringLiteral("closeToNew"))->click();
    QVERIFY(host.online.GetGateway()->ClosedToNew());
    QCOMPARE(removed.size(), 2); // said in the chat pane too
    host.online.CloseOnline();
}

// The [Network] keys are written one at a time: choosing an interface, opening online and
// naming a relay each keep what the others wrote.
void tst_Online::networkSettingsKeepEachOther() {
    QTemporaryDir home;
    const QString ini = home.filePath(QStringLiteral("lumivex.ini"));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Main]\nName=A\n[Network]\nRelayServer=127.0.0.1:31316\n");
    f.close();
    MenuCopy copy;
    OnlineTransport& online = copy.online;
    NetworkMenu& menu = copy.menu;
    Settings settings;
    settings.Load(ini);
    menu.SetSettings(&settings);
    menu.ChooseInterface(QStringLiteral("lo"));
    QString error;
    QVERIFY2(menu.OpenOnlineOn(31377, &error), qPrintable(error));
    QCOMPARE(online.RelayServer(), QStringLiteral("127.0.0.1:31316"));
    QVERIFY(OnlineLink::Parse(online.LinkText())->room.size() == OnlineLink::RoomBytes);
    QCOMPARE(ReadIniString(QStringLiteral("Network"), QStringLiteral("Interface"), ini), QStringLiteral("lo"));
    QCOMPARE(ReadIniString(QStringLiteral("Network"), QStringLiteral("OnlinePort"), ini), QStringLiteral("31377"));
    QCOMPARE(ReadIniString(QStringLiteral("Network"), QStringLiteral("RelayServer"), ini), QStringLiteral("127.0.0.1:31316"));
    online.CloseOnline();
}

void tst_Online::reservedAddresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("reserved");
    // A router whose own address is one of these stands behind another: a double NAT.
    for (const char* a : {"10.0.0.1", "172.16.5.4", "172.31.255.255", "192.168.1.1", "100.64.0.1", "100.127.255.1",
                          "169.254.3.3", "127.0.0.1", "198.51.100.1", "203.0.113.7", "192.0.2.1", "0.0.0.0", "fd00::1"})
        QTest::newRow(a) << QString::fromLatin1(a) << true;
    for (const char* a : {"100.63.0.1", "172.32.0.1", "11.0.0.1", "100.128.0.1", "2001:4860::1"})
        QTest::newRow(a) << QString::fromLatin1(a) << false;
}

void tst_Online::reservedAddresses() {
    QFETCH(QString, address);
    QFETCH(bool, reserved);
    QCOMPARE(PortMapper::Reserved(QHostAddress(address)), reserved);
}

QTEST_MAIN(tst_Online)
#include "tst_Online.moc"
