#include "Board.h"
#include "Countdown.h"
#include "GameLoop.h"
#include "RecordingLink.h"
#include "RoundSetup.h"
#include "PreciseWait.h"
#include "Steering.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

// The host's simulation, round setup, the countdown and steering, driven tick by tick.
class tst_Simulation : public QObject {
    Q_OBJECT

    struct World {
        MatchState s;
        Board board;
        RecordingLink link;
        CountingRandom random;
        GameLoop loop{s, board, link};
        RoundSetup setup{s, board, link, random};
        Countdown countdown{s, board, setup, loop};
        Steering steering{s, link};

        World() {
            loop.SetStartCountdown([this] { countdown.Start(); });
            board.ResizeArena(360, 295);
            board.Arena().SetBackColor(colours::White);
            s.ArenaBackColor = colours::White;
            s.NumPlayers = 2;
            s.LocalPlayer = 0;
            for (int i = 1; i <= 8; ++i) {
                s.Players[i].Color = colours::PlayerDefault[i];
                s.Players[i].Fuel = 85;
                s.Players[i].Step = 1;
            }
            // Player 2 parked far away, riding down a clear column.
            Place(2, 300, 20, 3);
        }
        void Place(int i, int x, int y, int dir) {
            auto& p = s.Players[i];
            p.X = static_cast<std::int16_t>(x);
            p.Y = static_cast<std::int16_t>(y);
            p.Direction = p.RequestedDirection = static_cast<std::int16_t>(dir);
        }
        // One tick and the drawing of its echo.
        void Step() {
            loop.Tick();
            DrawLastPositions(board, s, link);
        }
    };

private slots:
    void pendingTurnWaitsForGrid();
    void withoutSnappingEveryTurnIsTakenAtOnce();
    void diagonalRiderStandsEveryThirdTick();
    void turboOnEmptyTankBurnsOutAndRefills();
    void turboAtMinusOneGivesOneDoubleStep();
    void thinTrailTurboSendsBackStepFirst();
    void headOnRidersCrashInTheSameTick();
    void riderNeverHitsItsOwnLastDisc_data();
    void riderNeverHitsItsOwnLastDisc();
    void thinTrailProbesOnlyThePixelAhead();
    void outsideTheArenaIsAnObstacle();
    void decidedRoundStartsTheNextCountdown();
    void tickWaitFiresOnceAndNotWhenStopped_data();
    void tickWaitFiresOnceAndNotWhenStopped();
    void nextRoundFollowsEvenWhenTheLastEchoIsLost();
    void startingPoints_data();
    void startingPoints();
    void fixedPositionIgnoresScores();
    void obstacleCountFollowsComplexity_data();
    void obstacleCountFollowsComplexity();
    void setupSurvivesBadScoresAndTheLargestArena();
    void countdownRunsThreeTwoOneZero();
    void resumedPauseKeepsTheRound();
    void markerFadesOutAndBackThenErasesItself();
    void keys_data();
    void keys();
    void clientSendsSteerAfterEveryKey();
    void hostAndIdleInstanceSendNothing();
};

void tst_Simulation::pendingTurnWaitsForGrid() {
    // Off the grid the rider keeps its direction and the old one is announced every tick.
    World w;
    w.s.SnapToGrid = True16; // pitch 3 with Thickness 0
    w.Place(1, 91, 150, 2);
    w.s.Players[1].RequestedDirection = 1;
    for (int i = 0; i < 3; ++i) w.Step();
    QCOMPARE(w.link.Starting(QStringLiteral("turn 1")), QStringList({"turn 1 2", "turn 1 2", "turn 1 1"}));
    QCOMPARE(w.s.Players[1].X, std::int16_t(93));
    QCOMPARE(w.s.Players[1].Y, std::int16_t(149));
}

void tst_Simulation::withoutSnappingEveryTurnIsTakenAtOnce() {
    World w;
    w.Place(1, 91, 151, 2);
    w.s.Players[1].RequestedDirection = 3;
    w.Step();
    QCOMPARE(w.s.Players[1].Direction, std::int16_t(3));
    QCOMPARE(w.s.Players[1].Y, std::int16_t(152));
}

void tst_Simulation::diagonalRiderStandsEveryThirdTick() {
    World w;
    w.Place(1, 100, 100, 6);
    const QList<int> expectedX = {101, 102, 102, 103};
    const QList<int> expectedPhase = {1, 2, 0, 1};
    for (int i = 0; i < 4; ++i) {
        w.Step();
        QCOMPARE(int(w.s.Players[1].X), expectedX[i]);
        QCOMPARE(int(w.s.Players[1].DiagonalPhase), expectedPhase[i]);
        QCOMPARE(w.s.Players[1].Crashed, std::int16_t(0));
    }
}

void tst_Simulation::turboOnEmptyTankBurnsOutAndRefills() {
    World w;
    w.s.Thickness = 1;
    w.Place(1, 20, 60, 2);
    auto& p = w.s.Players[1];
    p.Fuel = 0;
    p.Turbo = 1;
    int ticks = 0;
    while (p.Turbo == 1 && ticks < 10) {
        w.loop.Tick();
        ++ticks;
    }
    QCOMPARE(ticks, 4);
    QCOMPARE(p.Fuel, std::int16_t(-1));
    QCOMPARE(p.RefillTicks, std::int16_t(-40));
    QCOMPARE(w.link.Starting(QStringLiteral("turbooff")), QStringList({"turbooff 1"}));
    QCOMPARE(p.X, std::int16_t(28)); // two pixels a tick, the last one included
    for (int i = 0; i < 69; ++i) w.loop.Tick();
    QCOMPARE(p.Fuel, std::int16_t(-1));
    w.loop.Tick();
    QCOMPARE(p.Fuel, std::int16_t(0));
}

void tst_Simulation::turboAtMinusOneGivesOneDoubleStep() {
    World w;
    w.Place(1, 20, 60, 2);
    w.s.Players[1].Fuel = -1;
    w.s.Players[1].Turbo = 1;
    w.loop.Tick();
    QCOMPARE(w.s.Players[1].X, std::int16_t(22));
    QCOMPARE(w.s.Players[1].Turbo, std::int16_t(0));
    w.loop.Tick();
    QCOMPARE(w.s.Players[1].X, std::int16_t(23));
}

void tst_Simulation::thinTrailTurboSendsBackStepFirst() {
    World w;
    w.Place(1, 20, 60, 2);
    w.s.Players[1].Turbo = 1;
    w.loop.Tick();
    QCOMPARE(w.link.Starting(QStringLiteral("positions")),
             QStringList({"positions 21 60 fuel 85", "positions 22 60 fuel 85"}));
    QCOMPARE(w.link.positions.front()[1].y, std::int16_t(21)); // player 2 rides down one pixel
}

void tst_Simulation::headOnRidersCrashInTheSameTick() {
    World w;
    w.s.Thickness = 1;
    w.Place(1, 100, 100, 2);
    w.Place(2, 120, 100, 4);
    int ticks = 0;
    while (!w.s.RoundOver && ticks < 20) {
        w.Step();
        ++ticks;
    }
    QCOMPARE(w.s.Players[1].Crashed, std::int16_t(-1));
    QCOMPARE(w.s.Players[2].Crashed, std::int16_t(-1));
    QCOMPARE(w.link.Starting(QStringLiteral("outcome")), QStringList({"outcome 5"}));
}

void tst_Simulation::riderNeverHitsItsOwnLastDisc_data() {
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("turnTo");
    for (int t = 0; t <= 3; ++t)
        for (int d = 1; d <= 8; ++d) {
            const int turn = d <= 4 ? (d % 4) + 1 : 0; // a right-angle turn for straight riders
            QTest::newRow(qPrintable(QStringLiteral("T%1 dir %2").arg(t).arg(d))) << t << d << turn;
        }
}

void tst_Simulation::riderNeverHitsItsOwnLastDisc() {
    QFETCH(int, thickness);
    QFETCH(int, direction);
    QFETCH(int, turnTo);
    World w;
    w.s.Thickness = static_cast<std::int16_t>(thickness);
    w.Place(1, 180, 150, direction);
    w.s.Players[1].Turbo = 1; // two-pixel steps as well
    for (int i = 0; i < 24; ++i) {
        if (i == 12 && turnTo) w.s.Players[1].RequestedDirection = static_cast<std::int16_t>(turnTo);
        if (i == 8) w.s.Players[1].Turbo = 0;
        w.Step();
        QCOMPARE(w.s.Players[1].Crashed, std::int16_t(0));
    }
}

void tst_Simulation::thinTrailProbesOnlyThePixelAhead() {
    World w;
    w.Place(1, 100, 100, 2);
    w.board.Arena().SetFillColor(0);
    w.board.Arena().Box(101, 101, 101, 101, 0); // beside the path, diagonally ahead
    w.Step();
    QCOMPARE(w.s.Players[1].Crashed, std::int16_t(0));
    w.board.Arena().Box(103, 100, 103, 100, 0); // straight ahead of the next head
    w.Step();
    QCOMPARE(w.s.Players[1].Crashed, std::int16_t(-1));
}

void tst_Simulation::outsideTheArenaIsAnObstacle() {
    World w;
    w.Place(1, 358, 100, 2);
    w.Step();
    QCOMPARE(w.s.Players[1].Crashed, std::int16_t(-1));
}

void tst_Simulation::decidedRoundStartsTheNextCountdown() {
    World w;
    w.Place(1, 358, 100, 2);
    w.Step();
    QVERIFY(w.s.RoundOver);
    QVERIFY(w.countdown.IsRunning());
    w.countdown.Stop();
    w.s.RoundOver = False16;
    w.s.MatchOver = True16;
    w.Place(1, 358, 100, 2);
    w.s.Players[1].Crashed = 0;
    w.Step();
    QVERIFY(!w.countdown.IsRunning());
}

void tst_Simulation::nextRoundFollowsEvenWhenTheLastEchoIsLost() {
    // Nothing ever echoes here, so every tick waits out the echo gate; the round's end must
    // not wait for it, or a quick countdown finds the loop still running and stops for good.
    World w;
    w.s.Complexity = 1;
    w.countdown.SetStepInterval(10);
    w.board.SetStopGoText(QStringLiteral("0"));
    w.Place(1, 90, 147, 2);
    w.Place(2, 356, 147, 2); // rides into the right edge at once
    w.countdown.tmrStopGo_Timer();
    QVERIFY(w.loop.IsRunning());
    QTRY_COMPARE(w.setup.SetupsDone(), 1); // the round was decided and the next countdown reached "2"
}

void tst_Simulation::startingPoints_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("dir");
    // Arena 360 x 295: W/2 180, W/4 90, W/16 22.5 -> 22, H/2 147.5 -> 148, H/16 18.4 -> 18,
    // H/4 73.75 -> 74, 3H/4 221.25 -> 221.
    QTest::newRow("2 players, point 0") << 2 << 0 << 90 << 148 << 2;
    QTest::newRow("2 players, point 1") << 2 << 1 << 270 << 148 << 4;
    QTest::newRow("2 players, no point 2") << 2 << 2 << -1 << -1 << 0;
    QTest::newRow("3 players, point 2") << 3 << 2 << 180 << 74 << 3;
    QTest::newRow("4 players, point 3") << 4 << 3 << 180 << 221 << 1;
    QTest::newRow("5 players, point 2 moves right") << 5 << 2 << 202 << 74 << 3;
    QTest::newRow("5 players, point 4") << 5 << 4 << 158 << 74 << 3;
    QTest::newRow("6 players, point 3 moves right") << 6 << 3 << 202 << 221 << 1;
    QTest::newRow("6 players, point 5") << 6 << 5 << 158 << 221 << 1;
    QTest::newRow("7 players, point 0 moves up") << 7 << 0 << 90 << 130 << 2;
    QTest::newRow("7 players, point 1 stays") << 7 << 1 << 270 << 148 << 4;
    QTest::newRow("7 players, point 6") << 7 << 6 << 90 << 166 << 2;
    QTest::newRow("8 players, point 1 moves up") << 8 << 1 << 270 << 130 << 4;
    QTest::newRow("8 players, point 7") << 8 << 7 << 270 << 166 << 4;
}

void tst_Simulation::startingPoints() {
    QFETCH(int, players);
    QFETCH(int, k);
    const auto p = RoundSetup::StartingPoint(k, players, 360, 295);
    QTEST(p ? int(p->x) : -1, "x");
    QTEST(p ? int(p->y) : -1, "y");
    QTEST(p ? int(p->direction) : 0, "dir");
}

void tst_Simulation::fixedPositionIgnoresScores() {
    World w;
    w.s.NumPlayers = 3;
    w.s.FixedPosition = True16;
    w.board.SetScoreText(1, QStringLiteral("2"));
    w.setup.SetupRound();
    QCOMPARE(w.s.Players[1].X, std::int16_t(90)); // point 0, snapped to the pitch of 3
    QCOMPARE(w.s.Players[1].Y, std::int16_t(147));
    QCOMPARE(w.s.Players[3].Direction, std::int16_t(3));
    w.s.FixedPosition = False16; // S = 2: player 3 takes point 0
    w.setup.SetupRound();
    QCOMPARE(w.s.Players[3].X, std::int16_t(90));
}

void tst_Simulation::obstacleCountFollowsComplexity_data() {
    QTest::addColumn<int>("complexity");
    QTest::addColumn<int>("obstacles");
    QTest::newRow("1") << 1 << 0;
    QTest::newRow("3") << 3 << 0;
    QTest::newRow("4") << 4 << 0;
    QTest::newRow("5") << 5 << 1;
    QTest::newRow("6") << 6 << 4;
    QTest::newRow("8") << 8 << 16;
    QTest::newRow("30") << 30 << 676;
}

void tst_Simulation::obstacleCountFollowsComplexity() {
    QFETCH(int, complexity);
    QFETCH(int, obstacles);
    World w;
    w.s.Complexity = static_cast<std::int16_t>(complexity);
    w.s.Thickness = 1;
    w.setup.SetupRound();
    const QStringList sent = w.link.Starting(QStringLiteral("obstacle"));
    QCOMPARE(sent.size(), obstacles);
    const int cells = complexity >= 3 ? (complexity - 2) * (complexity - 2) : 0;
    QCOMPARE(w.random.drawn, 4 * cells);
    for (const QString& o : sent) {
        const QStringList v = o.split(u' ');
        const int g = 5; // pitch for Thickness 1
        QCOMPARE((v[1].toInt() - 3) % g, 0);
        QCOMPARE((v[2].toInt() - 3) % g, 0);
        QCOMPARE((v[3].toInt() - 2) % g, 0);
        QCOMPARE((v[4].toInt() - 2) % g, 0);
        QCOMPARE(w.board.Arena().Pixel(v[1].toInt(), v[2].toInt()), colours::ObstacleOutline);
    }
    // Cell (3, 3) of 72 x 59 with every number 0.5: w 34, h 27, dx 19, dy 15, then snapped.
    if (complexity == 5) QCOMPARE(sent.front(), QStringLiteral("obstacle 243 198 262 217"));
}

void tst_Simulation::setupSurvivesBadScoresAndTheLargestArena() {
    World w;
    w.board.ResizeArena(1500, 1500);
    w.s.NumPlayers = 8;
    w.s.Complexity = 30;
    w.s.Thickness = 3;
    w.board.SetScoreText(1, QStringLiteral("many"));
    w.board.SetScoreText(2, QStringLiteral("32767"));
    w.board.SetScoreText(3, QStringLiteral("32767"));
    w.setup.SetupRound();
    QCOMPARE(w.link.Starting(QStringLiteral("obstacle")).size(), 676);
    for (int i = 1; i <= 8; ++i) {
        QCOMPARE(w.s.Players[i].Fuel, std::int16_t(85));
        QVERIFY(w.s.Players[i].X > 0 && w.s.Players[i].X < 1500);
    }
    QCOMPARE(w.board.Arena().Pixel(0, 0), colours::WallOutline);
}

void tst_Simulation::countdownRunsThreeTwoOneZero() {
    World w;
    w.s.Complexity = 1;
    QSignalSpy finished(&w.loop, &GameLoop::finished);
    const QList<QPair<QString, Colour>> steps = {{"2", 0x8080FF}, {"1", 0x80C0FF}, {"0", 0x00C000}};
    for (const auto& [text, colour] : steps) {
        w.countdown.tmrStopGo_Timer();
        QCOMPARE(w.board.StopGo().text, text);
        QCOMPARE(w.board.StopGo().color, colour);
        QVERIFY(!w.loop.IsRunning());
    }
    QVERIFY(w.countdown.MarkerRunning());
    w.countdown.tmrStopGo_Timer(); // "0": the host's loop starts
    QVERIFY(w.loop.IsRunning());
    QVERIFY(!w.countdown.MarkerRunning());
    QCOMPARE(w.board.StopGo().text, QStringLiteral("0"));
    QCOMPARE(w.board.StopGo().color, colours::CountdownIdle);
    w.s.RoundOver = True16;
    QVERIFY(finished.wait(2000));
    QCOMPARE(w.board.StopGo().text, QStringLiteral("3"));

    w.s.LocalPlayer = 1; // a client is back at "3" right after its "0" step
    w.board.SetStopGoText(QStringLiteral("0"));
    w.countdown.tmrStopGo_Timer();
    QCOMPARE(w.board.StopGo().text, QStringLiteral("3"));
    QVERIFY(!w.loop.IsRunning());
}

void tst_Simulation::resumedPauseKeepsTheRound() {
    // After a pause neither clearing nor setup nor marker: the riders go on where they stood.
    World w;
    w.s.LocalPlayer = 1;
    w.Place(1, 50, 60, 2);
    w.board.Arena().SetFillColor(0);
    w.board.Arena().Box(10, 10, 20, 20, 0);
    w.s.Paused = True16;
    for (int i = 0; i < 3; ++i) w.countdown.tmrStopGo_Timer();
    QCOMPARE(w.board.Arena().Pixel(15, 15), 0);
    QCOMPARE(w.s.Players[1].X, std::int16_t(50));
    QVERIFY(!w.countdown.MarkerRunning());
    w.countdown.tmrStopGo_Timer();
    QVERIFY(!w.s.Paused);
    w.s.Paused = False16; // a fresh round clears the arena at "3"
    w.countdown.tmrStopGo_Timer();
    QCOMPARE(w.board.Arena().Pixel(15, 15), colours::White);
}

void tst_Simulation::markerFadesOutAndBackThenErasesItself() {
    // From white to black in 51 steps and back in 51, around the local rider; then gone.
    // It is shown over the arena and never touches the arena itself.
    World w;
    w.s.Complexity = 1;
    w.s.Thickness = 3;
    w.board.SetStopGoText(QStringLiteral("2"));
    w.countdown.tmrStopGo_Timer();
    QVERIFY(w.countdown.MarkerRunning());
    const QImage arena = w.board.Arena().Image().copy();
    const auto& p = w.s.Players[1];
    for (int step = 1; step <= 102; ++step) {
        w.countdown.tmrPosition_Timer();
        if (step == 51) {
            QCOMPARE(w.board.GetMarker().color, 0);
            QCOMPARE(w.board.GetMarker().rect, QRect(QPoint(p.X - 8, p.Y - 8), QPoint(p.X + 8, p.Y + 8)));
        }
        if (step < 102) QVERIFY(w.countdown.MarkerRunning());
    }
    QVERIFY(!w.countdown.MarkerRunning());
    QCOMPARE(w.countdown.BlinkLevel(), 255);
    QVERIFY(w.board.GetMarker().rect.isNull());
    QCOMPARE(w.board.Arena().Image(), arena);
}

void tst_Simulation::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("diagonal");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("requested"); // after the key, starting from a pending 0
    QTest::newRow("up") << int(Steering::Up) << false << 2 << 1;
    QTest::newRow("right") << int(Steering::Right) << false << 1 << 2;
    QTest::newRow("down") << int(Steering::Down) << false << 2 << 3;
    QTest::newRow("left") << int(Steering::Left) << false << 1 << 4;
    QTest::newRow("reverse refused") << int(Steering::Down) << false << 1 << 0;
    QTest::newRow("same direction accepted") << int(Steering::Up) << false << 1 << 1;
    QTest::newRow("keypad ignored without diagonals") << int(Steering::Pad8) << false << 2 << 0;
    QTest::newRow("pad 9 up-right") << int(Steering::Pad9) << true << 1 << 5;
    QTest::newRow("pad 3 down-right") << int(Steering::Pad3) << true << 1 << 6;
    QTest::newRow("pad 1 down-left") << int(Steering::Pad1) << true << 1 << 7;
    QTest::newRow("pad 7 up-left") << int(Steering::Pad7) << true << 1 << 8;
    QTest::newRow("pad 7 refused moving down-right") << int(Steering::Pad7) << true << 6 << 0;
    QTest::newRow("pad 5 down") << int(Steering::Pad5) << true << 2 << 3;
    QTest::newRow("pad 2 down refused moving up") << int(Steering::Pad2) << true << 1 << 0;
    QTest::newRow("pad 4 left") << int(Steering::Pad4) << true << 1 << 4;
    QTest::newRow("unknown key") << 65 << true << 1 << 0;
}

void tst_Simulation::keys() {
    QFETCH(int, key);
    QFETCH(bool, diagonal);
    QFETCH(int, current);
    World w;
    w.s.DiagonalMotion = diagonal ? True16 : False16;
    w.s.Players[1].Direction = static_cast<std::int16_t>(current);
    w.s.Players[1].RequestedDirection = 0;
    w.steering.KeyDown(key);
    QTEST(int(w.s.Players[1].RequestedDirection), "requested");
}

void tst_Simulation::clientSendsSteerAfterEveryKey() {
    World w;
    w.s.LocalPlayer = 2; // rides player 3
    w.s.Players[3].Direction = 2;
    w.s.Players[3].RequestedDirection = 1; // a pending turn up
    w.steering.KeyDown(Steering::Left);    // refused against the current direction
    w.steering.KeyDown(Steering::Down);    // replaces the pending up
    w.steering.KeyDown(Steering::Space);   // turbo is off for this match
    w.s.TurboOn = True16;
    w.steering.KeyDown(Steering::Space);
    w.steering.KeyDown(65); // steers nothing, sends nothing
    QCOMPARE(w.link.sent, QStringList({"steer 2 1 0", "steer 2 3 0", "steer 2 3 0", "steer 2 3 1"}));
}

void tst_Simulation::hostAndIdleInstanceSendNothing() {
    World w;
    w.steering.KeyDown(Steering::Up);
    QCOMPARE(w.s.Players[1].RequestedDirection, std::int16_t(1));
    w.s.LocalPlayer = -1;
    w.steering.KeyDown(Steering::Left);
    QCOMPARE(w.s.Players[0].RequestedDirection, std::int16_t(4));
    QVERIFY(w.link.sent.isEmpty());
}

void tst_Simulation::tickWaitFiresOnceAndNotWhenStopped_data() {
    QTest::addColumn<QString>("script"); // s N: start a wait of N ms, x: stop it, w N: let N ms pass
    QTest::addColumn<int>("fired");
    QTest::newRow("one wait") << "s 5 w 40" << 1;
    QTest::newRow("no wait at all") << "s 0 w 20" << 1;
    QTest::newRow("stopped before its time") << "s 5 x w 40" << 0;
    QTest::newRow("stopped after it expired, before the loop saw it") << "s 1 b 5 x w 30" << 0;
    QTest::newRow("replaced before its time") << "s 5 s 15 w 60" << 1;
    QTest::newRow("started again after firing") << "s 2 w 30 s 2 w 30" << 2;
}

void tst_Simulation::tickWaitFiresOnceAndNotWhenStopped() {
    // The game loop's deadline wait: a stopped or replaced wait must never tick the loop.
    QFETCH(QString, script);
    QFETCH(int, fired);
    PreciseWait wait;
    int count = 0;
    QObject::connect(&wait, &PreciseWait::timeout, [&count] { ++count; });
    const QStringList steps = script.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString& op = steps[i];
        if (op == QLatin1String("s")) wait.Start(steps[++i].toLongLong() * 1'000'000);
        else if (op == QLatin1String("x")) wait.Stop();
        else if (op == QLatin1String("w")) QTest::qWait(steps[++i].toInt());
        else if (op == QLatin1String("b")) QThread::msleep(steps[++i].toULong()); // the loop is busy
    }
    QCOMPARE(count, fired);
    QVERIFY(!wait.IsActive());
}

QTEST_GUILESS_MAIN(tst_Simulation)
#include "tst_Simulation.moc"
