#include "InProcessBus.h"
#include "Instance.h"
#include "Messages.h"
#include "MulticastTransport.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// The transports. The multicast cases use real sockets and run inside a private network
// namespace (the test runner sees to it).
class tst_Transport : public QObject {
    Q_OBJECT

private slots:
    void ownDatagramComesBack();
    void twoInstancesOnOneComputerBothReceive();
    void goodbyeAfterCloseStillGoesOut();
    void failedJoinIsReported();
    void busDeliversToEveryoneLaterAndInOrder();
    void busFaultsAreRepeatable();
    void echoGateNeverLetsTheCrashTestReadStaleTrails();
};

namespace {
QList<QByteArray> Received(const QSignalSpy& spy) {
    QList<QByteArray> out;
    for (const auto& args : spy) out << args.at(0).toByteArray();
    return out;
}
} // namespace

void tst_Transport::ownDatagramComesBack() {
    MulticastTransport t;
    t.InitSockets();
    QCOMPARE(t.Problem(), QString());
    QSignalSpy spy(&t, &Transport::datagramArrived);
    t.SendData("11\x01");
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(Received(spy).front(), QByteArray("11\x01"));
}

void tst_Transport::twoInstancesOnOneComputerBothReceive() {
    MulticastTransport a, b;
    a.InitSockets();
    b.InitSockets();
    QCOMPARE(b.Problem(), QString());
    QSignalSpy spyA(&a, &Transport::datagramArrived), spyB(&b, &Transport::datagramArrived);
    b.SendData("hello");
    QTRY_COMPARE(spyA.count(), 1);
    QTRY_COMPARE(spyB.count(), 1);
}

void tst_Transport::goodbyeAfterCloseStillGoesOut() {
    MulticastTransport leaving, staying;
    leaving.InitSockets();
    staying.InitSockets();
    QSignalSpy spy(&staying, &Transport::datagramArrived), own(&leaving, &Transport::datagramArrived);
    leaving.Close();
    leaving.SendData(wire::Unregister(3));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(Received(spy).front(), wire::Unregister(3));
    QCOMPARE(own.count(), 0); // closed: it hears nothing any more
}

void tst_Transport::failedJoinIsReported() {
    MulticastTransport t(nullptr, QHostAddress(QStringLiteral("10.1.2.3")), 31315);
    t.InitSockets();
    QVERIFY(t.Problem().startsWith(QStringLiteral("No network")));
}

void tst_Transport::busDeliversToEveryoneLaterAndInOrder() {
    InProcessBus bus;
    BusTransport a(bus), b(bus), c(bus);
    for (BusTransport* t : {&a, &b, &c}) t->InitSockets();
    QSignalSpy spyA(&a, &Transport::datagramArrived), spyB(&b, &Transport::datagramArrived),
        spyC(&c, &Transport::datagramArrived);
    a.SendData("one");
    a.SendData("two");
    b.SendData("three");
    QCOMPARE(spyA.count(), 0); // never inside SendData
    QTRY_COMPARE(spyC.count(), 3);
    const QList<QByteArray> expected{"one", "two", "three"};
    QCOMPARE(Received(spyA), expected);
    QCOMPARE(Received(spyB), expected);
    QCOMPARE(Received(spyC), expected);
}

void tst_Transport::busFaultsAreRepeatable() {
    auto run = [](std::uint32_t seed) {
        InProcessBus bus;
        bus.SetFaults({0.2, 0.1, 0.1}, seed);
        BusTransport a(bus);
        a.InitSockets();
        QSignalSpy spy(&a, &Transport::datagramArrived);
        for (int i = 0; i < 200; ++i) a.SendData(QByteArray::number(i));
        QTest::qWait(20);
        return Received(spy);
    };
    const auto first = run(5);
    QCOMPARE(run(5), first);
    QVERIFY(first.size() > 100 && first.size() < 230);
}

namespace {
// Delivers each datagram back to its sender after a delay, like a slow network.
class SlowLoopback : public Transport {
public:
    int sentPositions = 0;
    int deliveredPositions = 0;
    int staleTicks = 0;
    void InitSockets() override {}
    void Close() override {}
    void SendData(const QByteArray& text) override {
        if (text.startsWith("1\x01")) {
            // A new Positions message while an older one is still undrawn: the crash test
            // that preceded it read stale trails.
            if (deliveredPositions < sentPositions) ++staleTicks;
            ++sentPositions;
        }
        QTimer::singleShot(3, this, [this, text] {
            if (text.startsWith("1\x01")) ++deliveredPositions;
            emit datagramArrived(text);
        });
    }
};
} // namespace

void tst_Transport::echoGateNeverLetsTheCrashTestReadStaleTrails() {
    SlowLoopback net;
    Instance host(net, 1);
    MatchState& s = host.State();
    s.LocalPlayer = 0;
    s.NumPlayers = 2;
    s.Speed = 1;
    s.Thickness = 1;
    s.MatchOver = True16;
    host.GetBoard().ResizeArena(360, 295);
    host.GetBoard().Arena().SetBackColor(colours::White);
    s.ArenaBackColor = colours::White;
    s.Players[1] = PlayerRecord{100, 100, 2, 0, 2, 0, 85, 0, 0, 0xFF, 1, 0, QStringLiteral("A")};
    s.Players[2] = PlayerRecord{140, 100, 4, 0, 4, 0, 85, 0, 0, 0xFF00, 1, 0, QStringLiteral("B")};
    QSignalSpy finished(&host.Loop(), &GameLoop::finished);
    QVERIFY(host.Loop().Vyre_Game());
    QVERIFY(finished.wait(5000));
    QVERIFY(net.sentPositions > 10);
    QCOMPARE(net.staleTicks, 0);
    QCOMPARE(s.Players[1].Crashed, std::int16_t(-1)); // they met head-on
    QCOMPARE(s.Players[2].Crashed, std::int16_t(-1));
}

QTEST_GUILESS_MAIN(tst_Transport)
#include "tst_Transport.moc"
