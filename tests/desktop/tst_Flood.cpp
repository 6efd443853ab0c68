#include "ArenaView.h"
#include "Stubs.h"
#include "frmVyre.h"

#include <QtTest>
#include <random>

// Floods of one kind of message from one sender, through a shown game window on a 1500 x 1500
// arena: a roll call from someone else, queued behind the flood, is still answered, and the
// flood did bounded work (pixels repainted, arenas cleared, windows moved, answers sent).
class tst_Flood : public QObject {
    Q_OBJECT

    // Repaints of a widget: how many, and how many pixels they covered.
    struct PaintCounter : QObject {
        qint64 paints = 0, pixels = 0, stateChanges = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) {
                ++paints;
                for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixels += qint64(r.width()) * r.height();
            }
            if (e->type() == QEvent::WindowStateChange) ++stateChanges;
            return false;
        }
    };

private slots:
    void floodDoesBoundedWork_data();
    void floodDoesBoundedWork();
};

void tst_Flood::floodDoesBoundedWork_data() {
    QTest::addColumn<int>("kind");       // message number; 106: obstacles of random places and sizes
    QTest::addColumn<double>("arenas");  // most arena areas repainted by the flood
    QTest::addColumn<double>("filled");  // most arena areas of pixels filled or read by drawing
    QTest::addColumn<int>("moves");      // most window state changes (minimise, restore)
    QTest::addColumn<int>("answers");    // most Register answers sent
    const int any = 1 << 30;
    QTest::newRow("Positions") << 1 << 1.0 << 0.2 << 0 << 0;
    QTest::newRow("MatchSettings") << 4 << 21.0 << 21.0 << any << 0;
    QTest::newRow("same obstacle") << 6 << 1.0 << 1.0 << 0 << 0;
    QTest::newRow("random obstacles") << 106 << 5.0 << 5.0 << 0 << 0;
    QTest::newRow("ResetAll") << 7 << 1.0 << 1.0 << 0 << 0;
    QTest::newRow("Register") << 9 << 0.0 << 0.0 << 0 << 0;
    // A restored window is painted whole; a flood restores it once per countdown step at most.
    QTest::newRow("PauseResume") << 10 << 3.0 << 0.0 << 80 << 0;
    QTest::newRow("RollCall") << 11 << 0.0 << 0.0 << 0 << 20;
    QTest::newRow("Unregister") << 13 << 0.0 << 0.0 << 0 << 0;
    QTest::newRow("ResetMatch") << 16 << 1.0 << 1.0 << 0 << 0;
}

void tst_Flood::floodDoesBoundedWork() {
    QFETCH(int, kind);
    QFETCH(double, arenas);
    QFETCH(double, filled);
    QFETCH(int, moves);
    QFETCH(int, answers);
    InProcessBus bus;
    BusTransport net(bus);
    Instance in(net, 5);
    // The countdown clears the arena at its first step; a slow machine would count that as the
    // flood's work.
    in.GetCountdown().SetStepInterval(24 * 3600 * 1000);
    frmVyre game(in.Window());
    game.Load();
    Recorder rec(bus);
    Dispatcher& d = in.GetDispatcher();
    const QString host = QStringLiteral("10.0.0.1"), flooder = QStringLiteral("10.0.0.66");
    // A match of 1500 x 1500 has been taken and shown.
    wire::Settings s = TestSettings(8);
    s.width = s.height = 1500;
    d.tcpReceive_DataArrival(wire::MatchSettings(s), host);
    d.tcpReceive_DataArrival(wire::Obstacle(100, 100, 200, 200), host);
    QVERIFY(QTest::qWaitForWindowExposed(&game));
    QTest::qWait(3 * frmVyre::FrameMs);
    PaintCounter counter;
    game.Arena()->installEventFilter(&counter);
    game.installEventFilter(&counter);
    const qint64 visitedBefore = in.GetBoard().Arena().PixelsVisited();

    std::mt19937 random(static_cast<std::uint32_t>(kind));
    auto n = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int i = 0; i < 2000; ++i) {
        QByteArray datagram;
        switch (kind) {
        case 1: {
            std::array<std::int16_t, 8> x{}, y{}, f{};
            for (int p = 0; p < 8; ++p) x[p] = std::int16_t(n(0, 1499)), y[p] = std::int16_t(n(0, 1499));
            datagram = wire::Positions(x, y, f);
            break;
        }
        case 4: s.width = n(360, 1500), s.height = n(200, 1500), datagram = wire::MatchSettings(s); break;
        case 6: datagram = wire::Obstacle(10, 10, 1490, 1490); break;
        case 106: datagram = wire::Obstacle(n(0, 1499), n(0, 1499), n(0, 1499), n(0, 1499)); break;
        case 9: datagram = wire::Register(n(1, 7), QStringLiteral("F%1").arg(i), n(0, 0xFFFFFF)); break;
        case 10: datagram = wire::PauseResume(i % 2 == 0); break;
        case 13: datagram = wire::Unregister(n(1, 7)); break;
        default: datagram = QByteArray::number(kind) + wire::Delimiter; break;
        }
        d.tcpReceive_DataArrival(datagram, flooder);
    }
    const qsizetype answersBefore = rec.Numbered(9).size();
    d.tcpReceive_DataArrival(wire::RollCall(), host);
    QTest::qWait(5 * frmVyre::FrameMs);

    const QList<QByteArray> registers = rec.Numbered(9);
    QVERIFY2(registers.size() > answersBefore, "the roll call behind the flood was not answered");
    QVERIFY(registers.size() - 1 <= answers);
    const Canvas& arena = in.GetBoard().Arena();
    QVERIFY2(counter.pixels <= arenas * 1500.0 * 1500.0 + 200000,
             qPrintable(QStringLiteral("%1 pixels repainted").arg(counter.pixels)));
    QVERIFY2(counter.paints <= 20, qPrintable(QStringLiteral("%1 repaints").arg(counter.paints)));
    // MatchSettings resize the arena: its area is at most the largest.
    const double arenaPixels = 1500.0 * 1500.0;
    QVERIFY2(arena.PixelsVisited() - visitedBefore <= filled * arenaPixels + 100000,
             qPrintable(QStringLiteral("%1 pixels filled").arg(arena.PixelsVisited() - visitedBefore)));
    QVERIFY2(counter.stateChanges <= moves, qPrintable(QStringLiteral("%1 window moves").arg(counter.stateChanges)));
}

QTEST_MAIN(tst_Flood)
#include "tst_Flood.moc"
