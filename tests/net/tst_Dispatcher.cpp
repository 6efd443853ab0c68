#include "Names.h"
#include "RecordingLink.h"
#include "Stubs.h"

#include <QtTest>

// Every handler's effect and its filter, and datagrams that try to break them.
class tst_Dispatcher : public QObject {
    Q_OBJECT

    static QByteArray D(QByteArray text) { return text.replace('|', wire::Delimiter); }

private slots:
    void positionsDrawHeadsAndGauges();
    void gaugesFollowTheFuelWhateverCameBefore_data();
    void gaugesFollowTheFuelWhateverCameBefore();
    void warpMovesEveryRiderToTheOtherSide();
    void steerReachesOnlyTheHost();
    void roundOutcomeShowsAndScores_data();
    void roundOutcomeShowsAndScores();
    void repeatedOutcomeCountsOnce_data();
    void repeatedOutcomeCountsOnce();
    void clientOvertakenByTheNextOutcomeStartsOver();
    void clientThatMissedTheOutcomeCatchesUp_data();
    void clientThatMissedTheOutcomeCatchesUp();
    void matchWonStopsTheMatch();
    void matchSettingsTakeEffectOnClients();
    void matchSettingsAreHeldToTheHostsLimits_data();
    void matchSettingsAreHeldToTheHostsLimits();
    void hostKeepsItsOwnSettings();
    void obstaclesAndResetAllSkipTheHost();
    void resetMatchFillsGaugesAndEndsTheRound();
    void registerFillsTheRosterAndCountsPlayers_data();
    void registerFillsTheRosterAndCountsPlayers();
    void unregisterSearchesBoxesTwoToSix();
    void pauseAndResume();
    void rollCallIsAnswered();
    void chatShowsCleanedLinesOrDropsThem_data();
    void chatShowsCleanedLinesOrDropsThem();
    void chatLeavesTheMatchAlone();
    void floodsAndForgeriesChangeNothing_data();
    void floodsAndForgeriesChangeNothing();
    void hostileDatagramsChangeNothingUnsafe_data();
    void hostileDatagramsChangeNothingUnsafe();
};

void tst_Dispatcher::positionsDrawHeadsAndGauges() {
    InProcessBus bus;
    Node n(bus, 1);
    n.S().NumPlayers = 2;
    n.S().Thickness = 1;
    n.S().Players[1].Color = 0x0000FF;
    n.S().Players[2].Color = 0x00FF00;
    n.S().Players[3].Color = 0xFF0000;
    n.Receive(D("1|50|60|100|60|150|60|0|0|0|0|0|0|0|0|0|0|40|85|85|85|85|85|85|85|"));
    Canvas& a = n.B().Arena();
    QCOMPARE(a.Pixel(52, 60), 0x0000FF); // radius 2
    QCOMPARE(a.Pixel(53, 60), colours::White);
    QCOMPARE(a.Pixel(100, 58), 0x00FF00);
    QCOMPARE(a.Pixel(150, 60), colours::White); // player 3 is not in this match
    QCOMPARE(n.B().Gauge(1).Pixel(39, 4), 0x0000FF);
    QCOMPARE(n.B().Gauge(1).Pixel(40, 4), colours::White);
}

// A gauge is drawn only when its fuel or colour changes; nothing else that paints it may be
// mistaken for the picture last drawn.
void tst_Dispatcher::gaugesFollowTheFuelWhateverCameBefore_data() {
    QTest::addColumn<QStringList>("steps"); // fuel values, "reset" (ResetMatch) or "#colour"
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("colour");
    QTest::newRow("same fuel after a reset") << QStringList{"40", "reset", "40"} << 60 << int(colours::White);
    QTest::newRow("same fuel in a new colour") << QStringList{"40", "#00FF00", "40"} << 10 << 0x00FF00;
    QTest::newRow("back to an earlier fuel") << QStringList{"40", "60", "40"} << 50 << int(colours::White);
    QTest::newRow("full, then none") << QStringList{"85", "0"} << 0 << int(colours::White);
}

void tst_Dispatcher::gaugesFollowTheFuelWhateverCameBefore() {
    QFETCH(QStringList, steps);
    QFETCH(int, x);
    InProcessBus bus;
    Node n(bus, 1);
    n.S().NumPlayers = 2;
    n.S().Players[1].Color = 0x0000FF;
    for (const QString& step : steps) {
        if (step == "reset") n.Receive(D("16|"));
        else if (step.startsWith('#')) n.S().Players[1].Color = step.mid(1).toUInt(nullptr, 16);
        else n.Receive(D("1|50|60|100|60|0|0|0|0|0|0|0|0|0|0|0|0|" + step.toLatin1() + "|85|85|85|85|85|85|85|"));
    }
    QTEST(int(n.B().Gauge(1).Pixel(x, 4)), "colour");
}

void tst_Dispatcher::warpMovesEveryRiderToTheOtherSide() {
    InProcessBus bus;
    Node n(bus, 1);
    n.B().ResizeArena(360, 295);
    n.S().NumPlayers = 2;
    n.S().WarpOn = True16;
    n.S().Players[2].Crashed = -1; // crashed riders wrap as well
    n.Receive(D("1|6|100|351|286|0|0|0|0|0|0|0|0|0|0|0|0|85|85|85|85|85|85|85|85|"));
    QCOMPARE(n.S().Players[1].X, std::int16_t(350));
    QCOMPARE(n.S().Players[1].Y, std::int16_t(0)); // untouched: 100 is inside
    QCOMPARE(n.S().Players[2].X, std::int16_t(7));
    QCOMPARE(n.S().Players[2].Y, std::int16_t(7));
}

void tst_Dispatcher::steerReachesOnlyTheHost() {
    InProcessBus bus;
    Node host(bus, 1), client(bus, 2);
    host.S().LocalPlayer = 0;
    host.S().TurboOn = True16;
    client.S().LocalPlayer = 1;
    for (Node* n : {&host, &client}) n->S().Players[2].Direction = 2;
    for (Node* n : {&host, &client}) n->Receive(D("2|1|1|1|"));
    QCOMPARE(host.S().Players[2].RequestedDirection, std::int16_t(1));
    QCOMPARE(host.S().Players[2].Turbo, std::int16_t(1));
    QCOMPARE(client.S().Players[2].RequestedDirection, std::int16_t(0));
    host.S().Players[2].RequestedDirection = 3;
    host.Receive(D("2|1|2|0|")); // the current direction: only the turbo changes
    QCOMPARE(host.S().Players[2].RequestedDirection, std::int16_t(3));
    QCOMPARE(host.S().Players[2].Turbo, std::int16_t(0));
}

void tst_Dispatcher::roundOutcomeShowsAndScores_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("scores");
    QTest::newRow("code 1 credits player 2") << D("3|1") << Isolated("Bo") + " won!" << QStringList{"0", "1", "0", "0"};
    QTest::newRow("code 2 credits player 1") << D("3|2") << Isolated("Al") + " won!" << QStringList{"1", "0", "0", "0"};
    QTest::newRow("team code 6") << D("3|6") << Isolated("Cy") + " & " + Isolated("Di") + " won!" << QStringList{"0", "0", "1", "0"};
    QTest::newRow("draw") << D("3|5") << QStringLiteral("Nobody won!") << QStringList{"0", "0", "0", "0"};
    QTest::newRow("unknown code") << D("3|99") << "" << QStringList{"0", "0", "0", "0"};
    QTest::newRow("no code") << D("3") << "" << QStringList{"0", "0", "0", "0"};
}

void tst_Dispatcher::roundOutcomeShowsAndScores() {
    QFETCH(QByteArray, datagram);
    InProcessBus bus;
    Node n(bus, 1);
    const char* names[] = {"", "Al", "Bo", "Cy", "Di"};
    for (int i = 1; i <= 4; ++i) n.S().Players[i].Name = QString::fromLatin1(names[i]);
    n.Receive(datagram);
    QTEST(n.B().Status(), "status");
    QStringList scores;
    for (int i = 1; i <= 4; ++i) scores << n.B().Score(i).text;
    QTEST(scores, "scores");
    QVERIFY(n.instance.GetCountdown().IsRunning()); // the next round's countdown, whatever the code
    QVERIFY(n.S().RoundOver);
}

void tst_Dispatcher::repeatedOutcomeCountsOnce_data() {
    QTest::addColumn<int>("localPlayer");
    QTest::addColumn<int>("matchScore");
    QTest::addColumn<bool>("setUpAfter"); // a round set up after the match, with no countdown
    QTest::newRow("client, a round") << 1 << 5 << false;
    QTest::newRow("host, a round") << 0 << 5 << false;
    // No countdown follows the match's last outcome: its repeat must not count either.
    QTest::newRow("client, the match's last round") << 1 << 1 << false;
    QTest::newRow("host, the match's last round") << 0 << 1 << false;
    // A client that lost the next match's settings sets its round up from the host's
    // (obstacles after a quiet spell): that round's outcome counts.
    QTest::newRow("client, the match's last round, then a round set up") << 1 << 1 << true;
}

void tst_Dispatcher::repeatedOutcomeCountsOnce() {
    // A datagram delivered twice gives one point; after the countdown has moved on, the next
    // round's outcome counts again.
    QFETCH(int, localPlayer);
    QFETCH(int, matchScore);
    QFETCH(bool, setUpAfter);
    InProcessBus bus;
    Node n(bus, 1);
    n.S().NumPlayers = 2;
    n.S().LocalPlayer = static_cast<std::int16_t>(localPlayer);
    n.S().MatchScore = static_cast<std::int16_t>(matchScore);
    QSignalSpy decided(&n.instance, &Instance::roundDecided);
    n.Receive(D("3|2"));
    n.Receive(D("3|2"));
    QCOMPARE(n.B().Score(1).text, QStringLiteral("1"));
    QCOMPARE(decided.count(), 1);
    if (setUpAfter) {
        n.instance.GetCountdown().SetUpNow();
        n.Receive(D("3|2"));
        QCOMPARE(decided.count(), 2);
    }
    if (matchScore == 1) return;
    n.instance.GetCountdown().tmrStopGo_Timer();
    n.Receive(D("3|2"));
    QCOMPARE(n.B().Score(1).text, QStringLiteral("2"));
}

void tst_Dispatcher::clientThatMissedTheOutcomeCatchesUp_data() {
    QTest::addColumn<bool>("riding");       // the client drew the round's Positions
    QTest::addColumn<bool>("outcome");      // ... and heard its outcome
    QTest::addColumn<int>("quietMs");       // before the next datagram
    QTest::addColumn<QByteArray>("next");   // the host's next round (an obstacle) or match
    QTest::addColumn<bool>("missed");       // the round is ended as one whose outcome was lost
    QTest::addColumn<bool>("setUp");        // ... and the next round set up at once
    const QByteArray obstacle = D("6|30|30|60|60|");
    const QByteArray match = D("4|295|360|85|0|0|2|7|8|1|0|Host|255|16777215|0|0|");
    QTest::newRow("outcome lost, then the host's setup") << true << false << 600 << obstacle << true << true;
    QTest::newRow("an obstacle in mid-round") << true << false << 0 << obstacle << false << false;
    QTest::newRow("outcome heard: the countdown sets up") << true << true << 600 << obstacle << false << false;
    QTest::newRow("no round seen riding") << false << false << 600 << obstacle << false << false;
    QTest::newRow("outcome lost, then a new match") << true << false << 0 << match << true << false;
    QTest::newRow("a new match after the outcome") << true << true << 0 << match << false << false;
}

void tst_Dispatcher::clientThatMissedTheOutcomeCatchesUp() {
    QFETCH(bool, riding);
    QFETCH(bool, outcome);
    QFETCH(int, quietMs);
    QFETCH(QByteArray, next);
    InProcessBus bus;
    Node n(bus, 1);
    n.B().ResizeArena(360, 295);
    n.S().LocalPlayer = 1;
    n.S().NumPlayers = 2;
    n.S().Players[1].Color = 0x0000FF;
    n.instance.Setup().SetupRound();
    const int setups = n.instance.Setup().SetupsDone();
    int missed = 0;
    QObject::connect(&n.instance, &Instance::roundMissed, [&] { ++missed; });
    if (riding) n.Receive(D("1|150|150|250|150|0|0|0|0|0|0|0|0|0|0|0|0|85|85|85|85|85|85|85|85|"));
    if (outcome) n.Receive(D("3|2"));
    if (quietMs > 0) QTest::qWait(quietMs);
    n.Receive(next);
    QTEST(missed == 1, "missed");
    QFETCH(bool, setUp);
    QCOMPARE(n.instance.Setup().SetupsDone(), setups + (setUp ? 1 : 0));
    if (next.startsWith('6')) {
        QCOMPARE(n.B().Arena().Pixel(150, 150) == 0x0000FF, riding && !setUp); // the old trail
        QCOMPARE(n.B().Arena().Pixel(45, 45), colours::WallFill);              // the new obstacle
    }
}

void tst_Dispatcher::clientOvertakenByTheNextOutcomeStartsOver() {
    // The host decided the next round before this client's "0" step: the client's countdown
    // starts over from "3" and sets up the coming round instead of playing on in the old one.
    InProcessBus bus;
    Node n(bus, 1);
    n.S().NumPlayers = 2;
    n.S().LocalPlayer = 1;
    Countdown& countdown = n.instance.GetCountdown();
    n.Receive(D("3|2"));
    for (int i = 0; i < 3; ++i) countdown.tmrStopGo_Timer(); // "3", "2", "1"
    QCOMPARE(n.B().StopGo().text, QStringLiteral("0"));
    const int setups = n.instance.Setup().SetupsDone();
    const Colour background = n.B().Arena().Pixel(15, 15);
    n.B().Arena().Box(10, 10, 20, 20, 0x123456); // a trail of the round just played

    n.Receive(D("3|2"));
    QCOMPARE(n.B().Score(1).text, QStringLiteral("2"));
    QCOMPARE(n.B().StopGo().text, QStringLiteral("3"));
    QVERIFY(countdown.IsRunning());
    QVERIFY(!countdown.MarkerRunning());
    countdown.tmrStopGo_Timer();
    QCOMPARE(n.B().Arena().Pixel(15, 15), background);
    countdown.tmrStopGo_Timer();
    QCOMPARE(n.instance.Setup().SetupsDone(), setups + 1);
}

void tst_Dispatcher::matchWonStopsTheMatch() {
    InProcessBus bus;
    Node host(bus, 1), client(bus, 2);
    host.S().LocalPlayer = 0;
    client.S().LocalPlayer = 1;
    for (Node* n : {&host, &client}) {
        n->S().MatchScore = 2;
        n->S().Players[3].Name = QStringLiteral("Cy");
        n->S().Players[4].Name = QStringLiteral("Di");
        n->B().SetScoreText(3, QStringLiteral("1"));
        n->instance.GetCountdown().Start();
        n->Receive(D("3|6"));
        QVERIFY(n->S().MatchOver);
        QCOMPARE(n->boxes, QStringList{Isolated("Cy") + " & " + Isolated("Di") + " won the match!"});
    }
    QVERIFY(!host.instance.GetCountdown().IsRunning());
}

void tst_Dispatcher::matchSettingsTakeEffectOnClients() {
    InProcessBus bus;
    Node n(bus, 1);
    n.S().LocalPlayer = 1;
    n.window.minimised = true;
    for (int i = 1; i <= 8; ++i) n.S().Players[i].Color = 100 + i;
    n.B().SetScoreText(2, QStringLiteral("4"));
    n.Receive(D("4|300|400|12|0|1|6|9|10|1|1|Host|16777215|255|1|1|"));
    const MatchState& s = n.S();
    QCOMPARE(n.B().Arena().Width(), 400);
    QCOMPARE(n.B().Arena().Height(), 300);
    QCOMPARE(n.window.width, 400);
    QVERIFY(!n.window.minimised);
    QVERIFY(!n.Controls().startEnabled && n.Controls().pauseEnabled && !n.Controls().resetAllEnabled);
    QCOMPARE(s.Speed, std::int16_t(12));
    QVERIFY(s.WarpOn && s.TurboOn && s.TeamOn && s.FixedPosition && s.DiagonalMotion);
    QCOMPARE(s.NumPlayers, std::int16_t(6));
    QCOMPARE(s.MatchScore, std::int16_t(9));
    QCOMPARE(s.Players[1].Name, QStringLiteral("Host"));
    QCOMPARE(s.Players[1].Color, colours::HostDefault);
    QCOMPARE(s.Players[3].Color, colours::HostDefault); // team colours for six players
    QCOMPARE(s.Players[5].Color, 104);
    QCOMPARE(s.Players[7].Color, colours::White); // beyond the match
    QCOMPARE(s.ArenaBackColor, 255);
    QCOMPARE(n.B().Arena().Pixel(200, 200), 255);
    QCOMPARE(n.B().Score(2).text, QStringLiteral("0"));
    QVERIFY(n.instance.GetCountdown().IsRunning());
}

void tst_Dispatcher::matchSettingsAreHeldToTheHostsLimits_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("players");
    QTest::newRow("tiny") << D("4|100|100|85|0|0|2|7|8|1|0|H|0|0|0|0|") << 360 << 200 << 2;
    QTest::newRow("huge") << D("4|32767|32767|85|0|0|8|7|8|1|0|H|0|0|0|0|") << 1500 << 1500 << 8;
    QTest::newRow("negative") << D("4|-5|-32768|85|0|0|3|7|8|1|0|H|0|0|0|0|") << 360 << 200 << 3;
    QTest::newRow("one player") << D("4|295|360|85|0|0|1|7|8|1|0|H|0|0|0|0|") << 360 << 295 << 7;
    QTest::newRow("nine players") << D("4|295|360|85|0|0|9|7|8|1|0|H|0|0|0|0|") << 360 << 295 << 7;
    QTest::newRow("32767 players") << D("4|295|360|85|0|0|32767|7|8|1|0|H|0|0|0|0|") << 360 << 295 << 7;
    QTest::newRow("missing size") << D("4") << 357 << 297 << 7;
}

void tst_Dispatcher::matchSettingsAreHeldToTheHostsLimits() {
    QFETCH(QByteArray, datagram);
    InProcessBus bus;
    Node n(bus, 1);
    n.Receive(datagram);
    QTEST(n.B().Arena().Width(), "width");
    QTEST(n.B().Arena().Height(), "height");
    QTEST(int(n.S().NumPlayers), "players");
}

void tst_Dispatcher::hostKeepsItsOwnSettings() {
    InProcessBus bus;
    Node n(bus, 1);
    n.S().LocalPlayer = 0;
    n.S().Speed = 85;
    n.Receive(D("4|300|400|12|0|1|6|9|10|1|1|Host|5|255|1|1|"));
    QCOMPARE(n.S().Speed, std::int16_t(85));
    QCOMPARE(n.B().Arena().Width(), 357);
    QCOMPARE(n.S().Players[1].Color, 5);
    QCOMPARE(n.B().Score(1).color, 5);
    QVERIFY(n.Controls().startEnabled);
}

void tst_Dispatcher::obstaclesAndResetAllSkipTheHost() {
    InProcessBus bus;
    Node host(bus, 1), client(bus, 2);
    host.S().LocalPlayer = 0;
    client.S().LocalPlayer = 3;
    client.instance.Control().BeginRegistration();
    for (Node* n : {&host, &client}) n->Receive(D("6|10|10|20|20|"));
    QCOMPARE(host.B().Arena().Pixel(15, 15), colours::White);
    QCOMPARE(client.B().Arena().Pixel(10, 10), colours::ObstacleOutline);
    QCOMPARE(client.B().Arena().Pixel(15, 15), colours::WallFill);
    for (Node* n : {&host, &client}) n->Receive(D("7|"));
    QCOMPARE(host.S().LocalPlayer, std::int16_t(0));
    QCOMPARE(client.S().LocalPlayer, std::int16_t(-1));
    QVERIFY(client.S().RoundOver);
    QCOMPARE(client.Controls().optionsEnabled && client.Controls().startEnabled, true); // the panel is free again
    QVERIFY(!client.Controls().pauseEnabled);
}

void tst_Dispatcher::resetMatchFillsGaugesAndEndsTheRound() {
    InProcessBus bus;
    Node n(bus, 1);
    n.S().Players[4].Color = 0x123456;
    n.B().SetScoreText(4, QStringLiteral("3"));
    n.Receive(D("1|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|"));
    n.Receive(D("16|"));
    QCOMPARE(n.B().Gauge(4).Pixel(80, 4), 0x123456);
    QCOMPARE(n.B().Score(4).text, QStringLiteral("0"));
    QVERIFY(n.S().RoundOver);
}

void tst_Dispatcher::registerFillsTheRosterAndCountsPlayers_data() {
    QTest::addColumn<QList<int>>("taken"); // roster boxes already filled
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("playersIndex");
    QTest::newRow("first client") << QList<int>{} << D("9|1|Bo|16777215|") << 0;
    QTest::newRow("a gap stops the count") << QList<int>{1, 2, 4} << D("9|5|Bo|1|") << 1;
    QTest::newRow("all seven") << QList<int>{1, 2, 3, 4, 5, 6} << D("9|7|Bo|1|") << 6;
    QTest::newRow("box 1 empty") << QList<int>{} << D("9|2|Bo|1|") << -1;
    QTest::newRow("host's answer") << QList<int>{} << D("9|0|Host|1|") << -9;
    QTest::newRow("free instance's answer") << QList<int>{} << D("9|-1||0|") << -9;
}

void tst_Dispatcher::registerFillsTheRosterAndCountsPlayers() {
    QFETCH(QList<int>, taken);
    QFETCH(QByteArray, datagram);
    InProcessBus bus;
    Node n(bus, 1);
    for (int slot : taken) n.R().SetText(slot, QStringLiteral("x"));
    const int setBefore = n.Controls().playersSet;
    n.Receive(datagram);
    // -9: the list was left as it was.
    QTEST(n.Controls().playersSet == setBefore ? -9 : n.Controls().playersIndex, "playersIndex");
    if (datagram == D("9|1|Bo|16777215|")) {
        QCOMPARE(n.R().Text(1), QStringLiteral("Bo ready!"));
        QCOMPARE(n.R().Color(1), colours::PlayerDefault[2]);
        QCOMPARE(n.B().Score(2).color, colours::PlayerDefault[2]);
        QCOMPARE(n.S().Players[2].Name, QStringLiteral("Bo"));
    }
}

void tst_Dispatcher::unregisterSearchesBoxesTwoToSix() {
    InProcessBus bus;
    Node n(bus, 1);
    for (int slot : {1, 2, 3}) n.R().SetText(slot, QStringLiteral("x"));
    n.Receive(D("13|1|"));
    QCOMPARE(n.R().Text(1), QString());
    QCOMPARE(n.R().Color(1), colours::FreeRosterBox);
    QCOMPARE(n.Controls().playersIndex, 2); // first gap from box 2 on is box 4
    for (int slot = 2; slot <= 6; ++slot) n.R().SetText(slot, QStringLiteral("x"));
    const int setBefore = n.Controls().playersSet;
    n.Receive(D("13|7|"));
    QCOMPARE(n.Controls().playersSet, setBefore); // boxes 2..6 filled: the list keeps its selection
    n.Receive(D("13|0|"));
    QCOMPARE(n.R().Text(2), QStringLiteral("x"));
}

void tst_Dispatcher::pauseAndResume() {
    InProcessBus bus;
    Node host(bus, 1), client(bus, 2);
    host.S().LocalPlayer = 0;
    client.S().LocalPlayer = 1;
    for (Node* n : {&host, &client}) n->Receive(wire::MatchSettings(TestSettings(2))); // a match runs
    for (Node* n : {&host, &client}) {
        n->instance.GetCountdown().Start();
        n->Receive(D("10|1"));
        QVERIFY(n->S().Paused);
        QCOMPARE(n->B().Status(), QStringLiteral("Game Paused!"));
        QVERIFY(n->window.minimised);
    }
    QVERIFY(host.Controls().hostPaused);
    QVERIFY(!host.instance.GetCountdown().IsRunning());
    QVERIFY(!client.Controls().pauseEnabled);
    for (Node* n : {&host, &client}) n->Receive(D("10|2"));
    QCOMPARE(host.B().Status(), QStringLiteral("Game Paused!")); // the host resumes by its button only
    QCOMPARE(client.B().Status(), QStringLiteral("Game Resumed!"));
    QVERIFY(client.Controls().pauseEnabled);
    QVERIFY(!client.window.minimised);
    QVERIFY(client.instance.GetCountdown().IsRunning());
    QCOMPARE(client.B().StopGo().text, QStringLiteral("3"));
}

void tst_Dispatcher::rollCallIsAnswered() {
    InProcessBus bus;
    Node n(bus, 1);
    Recorder rec(bus);
    n.S().LocalPlayer = 2;
    n.S().Players[3].Name = QStringLiteral("Cy");
    n.S().Players[3].Color = 42;
    n.Receive(D("11|"));
    QTest::qWait(5);
    QCOMPARE(rec.seen, QList<QByteArray>{D("9|2|Cy|42|")});
}

void tst_Dispatcher::hostileDatagramsChangeNothingUnsafe_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only a delimiter") << D("|");
    QTest::newRow("unknown 5") << D("5|1|2|");
    QTest::newRow("unknown 12") << D("12|");
    QTest::newRow("number out of range") << D("99999|");
    QTest::newRow("64 KiB") << QByteArray(65536, '1');
    QTest::newRow("thousands of fields") << QByteArray("1") + QByteArray(20000, '\x01');
    QTest::newRow("positions truncated") << D("1|5|5|");
    QTest::newRow("positions far outside")
        << D("1|32767|-32768|32767|32767|0|0|0|0|0|0|0|0|0|0|0|0|32767|-32768|9|9|9|9|9|9|");
    QTest::newRow("positions fractional") << D("1|5.5|6.5|x|y|");
    QTest::newRow("steer slot -1") << D("2|-1|1|1|");
    QTest::newRow("steer slot 8") << D("2|8|1|1|");
    QTest::newRow("steer slot 32767") << D("2|32767|1|1|");
    QTest::newRow("steer direction 9") << D("2|1|9|5|");
    QTest::newRow("outcome extra fields") << D("3|1|2|3|4");
    QTest::newRow("settings 9 players") << D("4|295|360|85|0|0|9|7|8|1|0|H|0|0|0|0|");
    QTest::newRow("settings thickness 32767") << D("4|295|360|85|32767|0|2|7|8|1|0|H|0|0|0|0|");
    QTest::newRow("settings speed 0") << D("4|295|360|0|0|0|2|7|8|1|0|H|0|0|0|0|");
    QTest::newRow("settings long name")
        << D("4|295|360|85|0|0|2|7|8|1|0|") + QByteArray(10000, 'n') + D("|0|0|0|0|");
    QTest::newRow("obstacle far outside") << D("6|-32768|-32768|32767|32767|");
    QTest::newRow("obstacle truncated") << D("6|1|2|");
    QTest::newRow("register slot 8") << D("9|8|X|1|");
    QTest::newRow("register slot 32767") << D("9|32767|X|1|");
    QTest::newRow("register invalid UTF-8") << QByteArray("9\x01"
                                                          "1\x01\xFF\xFE\xC3\x01"
                                                          "1\x01");
    QTest::newRow("register name with byte 1 lost in split") << D("9|1|a|b|c|d|");
    QTest::newRow("pause missing field") << D("10");
    QTest::newRow("unregister 32767") << D("13|32767|");
    QTest::newRow("turbo off player 9") << D("14|9|");
    QTest::newRow("turbo off player -5") << D("14|-5|");
    QTest::newRow("turn player 32767") << D("15|32767|1|");
    QTest::newRow("turn direction 0") << D("15|1|0|");
    QTest::newRow("turn player 0") << D("15|0|2|");
    QTest::newRow("steer slot 0") << D("2|0|3|1|");
    QTest::newRow("register name 10000 characters") << D("9|2|") + QByteArray(10000, 'x') + D("|1|");
    QTest::newRow("register slot -1") << D("9|-1|X|1|");
    QTest::newRow("settings 0 players") << D("4|295|360|85|0|0|0|7|8|1|0|H|0|0|0|0|");
    QTest::newRow("positions negative fuel") << D("1|5|5|6|6|0|0|0|0|0|0|0|0|0|0|0|0|-32768|-1|0|0|0|0|0|0|");
    // Every message cut short at each field, and with fields it never has.
    const QList<QByteArray> valid = {D("1|90|147|270|147|0|0|0|0|0|0|0|0|0|0|0|0|85|85|85|85|85|85|85|85|"),
                                     D("2|1|1|1|"),
                                     D("3|1"),
                                     D("4|295|360|85|0|0|3|7|8|1|0|H|16777215|16777215|0|0|"),
                                     D("6|30|30|60|60|"),
                                     D("7|"),
                                     D("9|1|Bo|255|"),
                                     D("10|1"),
                                     D("11|"),
                                     D("13|1|"),
                                     D("14|1|"),
                                     D("15|1|3|"),
                                     D("16|")};
    for (const QByteArray& m : valid) {
        const QList<QByteArray> f = m.split(wire::Delimiter);
        for (int keep = 1; keep < f.size(); ++keep)
            QTest::newRow(qPrintable(QStringLiteral("%1 cut to %2 fields").arg(QString(f[0])).arg(keep)))
                << QList<QByteArray>(f.begin(), f.begin() + keep).join(wire::Delimiter);
        QTest::newRow(qPrintable(QStringLiteral("%1 with extra fields").arg(QString(f[0]))))
            << m + D("9|-9|x|99999|");
    }
}

void tst_Dispatcher::hostileDatagramsChangeNothingUnsafe() {
    QFETCH(QByteArray, datagram);
    InProcessBus bus;
    Node host(bus, 1), client(bus, 2);
    host.S().LocalPlayer = 0;
    host.S().NumPlayers = 2;
    client.S().LocalPlayer = 1;
    for (Node* n : {&host, &client}) {
        n->Receive(datagram);
        const MatchState& s = n->S();
        QVERIFY(s.NumPlayers >= 2 && s.NumPlayers <= 8);
        QVERIFY(s.Thickness >= 0 && s.Thickness <= 3);
        QVERIFY(s.Speed >= 1 && s.Speed <= 500);
        QVERIFY(n->B().Arena().Width() <= 1500 && n->B().Arena().Height() <= 1500);
        for (int i = 0; i <= 8; ++i) {
            QVERIFY(s.Players[i].Direction >= 0 && s.Players[i].Direction <= 8);
            QVERIFY(s.Players[i].RequestedDirection >= 0 && s.Players[i].RequestedDirection <= 8);
            QVERIFY(s.Players[i].Name.size() <= wire::MaxNameLength);
        }
    }
    // The host can still set a round up and play it on whatever the datagram left.
    host.instance.Setup().SetupRound();
    for (int tick = 0; tick < 5; ++tick) host.instance.Loop().Tick();
    QTest::qWait(1);
}

void tst_Dispatcher::floodsAndForgeriesChangeNothing_data() {
    QTest::addColumn<QString>("attack");
    QTest::newRow("a forged outcome before the round rides does not hide the real one") << "outcome";
    QTest::newRow("a Positions that is not the host's own does not open its echo gate") << "echo";
    QTest::newRow("the same match settings again neither refit the window nor reallocate") << "settings";
}

void tst_Dispatcher::floodsAndForgeriesChangeNothing() {
    // Each row fails without its mend; what honest peers see stays as it was.
    QFETCH(QString, attack);
    InProcessBus bus;
    Node n(bus, 1);
    n.instance.GetCountdown().SetStepInterval(100000); // steps only when the test says so
    const QByteArray positions = D("1|90|147|270|147|0|0|0|0|0|0|0|0|0|0|0|0|85|85|85|85|85|85|85|85|");
    if (attack == QLatin1String("outcome")) {
        n.S().LocalPlayer = 1;
        n.S().NumPlayers = 2;
        n.S().Players[1].Name = QStringLiteral("Ann");
        n.S().Players[2].Name = QStringLiteral("Bo");
        n.instance.Setup().SetupRound();
        n.Receive(D("3|2"));    // forged: Ann won, before anyone rode
        n.Receive(positions);   // the round rides
        n.Receive(D("3|1"));    // the real outcome: Bo won
        QCOMPARE(n.B().Status(), Isolated("Bo") + " won!");
        QCOMPARE(n.B().Score(2).text, QStringLiteral("1"));
        n.Receive(D("3|1"));    // and its repeat still counts once
        QCOMPARE(n.B().Score(2).text, QStringLiteral("1"));
    } else if (attack == QLatin1String("echo")) {
        RecordingLink link;
        GameLoop loop(n.S(), n.B(), link);
        n.S().NumPlayers = 2;
        n.S().Players[1] = {90, 147, 2, 0, 2, 0, 85, 0, 0, 0xFF, 1, 0, {}};
        n.S().Players[2] = {270, 147, 4, 0, 4, 0, 85, 0, 0, 0xFF00, 1, 0, {}};
        loop.Tick();
        QVERIFY(loop.AwaitingEcho());
        std::array<MatchLink::Point, 8> foreign = link.positions.back();
        foreign[0].x += 5;
        loop.PositionsDrawn(foreign);
        QVERIFY(loop.AwaitingEcho());
        loop.PositionsDrawn(link.positions.back());
        QVERIFY(!loop.AwaitingEcho());
    } else {
        n.S().LocalPlayer = 1;
        const QByteArray settings = wire::MatchSettings(TestSettings(2));
        n.Receive(settings);
        QCOMPARE(n.window.width, 360);
        const uchar* memory = n.B().Arena().Image().constBits();
        n.window.width = 0;
        n.B().SetScoreText(1, QStringLiteral("1"));
        for (int i = 0; i < 50; ++i) n.Receive(settings);
        QCOMPARE(n.window.width, 0);                              // no refit
        QCOMPARE(n.B().Score(1).text, QStringLiteral("1"));       // no restart
        QCOMPARE(n.B().Arena().Image().constBits(), memory);      // no new arena
        n.instance.GetCountdown().tmrStopGo_Timer();              // a step later it is a new match
        n.Receive(settings);
        QCOMPARE(n.B().Score(1).text, QStringLiteral("0"));
        QCOMPARE(n.B().Arena().Image().constBits(), memory);      // same size: cleared in place
    }
}

void tst_Dispatcher::chatShowsCleanedLinesOrDropsThem_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("copies");   // sent this many times from one sender
    QTest::addColumn<QString>("shown"); // the last line shown; empty: nothing
    QTest::addColumn<int>("lines");    // lines shown
    QTest::newRow("a line") << D("20|Ann|255|gg|") << 1 << "Ann: gg" << 1;
    QTest::newRow("no fields") << D("20") << 1 << QString() << 0;
    QTest::newRow("a bare delimiter") << D("20|") << 1 << QString() << 0;
    QTest::newRow("no text") << D("20|Ann|255|") << 1 << QString() << 0;
    QTest::newRow("no colour") << D("20|Ann||hi|") << 1 << "Ann: hi" << 1;
    QTest::newRow("70,000 characters") << D("20|Ann|255|" + QByteArray(70000, 'x') + "|") << 1
                                       << "Ann: " + QString(200, 'x') << 1;
    QTest::newRow("control characters") << D("20|Ann|255|a\tb\x07" "c\r\nd|") << 1 << "Ann: abcd" << 1;
    QTest::newRow("markup stays text") << D("20|Ann|255|<b>hi</b> <a href=\"x\">y</a>|") << 1
                                       << "Ann: <b>hi</b> <a href=\"x\">y</a>" << 1;
    QTest::newRow("invalid UTF-8 reads as Latin-1") << D("20|Ann|255|caf\xe9|") << 1 << "Ann: caf\u00e9" << 1;
    QTest::newRow("a long name is cut") << D("20|" + QByteArray(100, 'n') + "|255|hi|") << 1
                                        << QString(64, 'n') + ": hi" << 1;
    QTest::newRow("a separator forging a line") << D("20|Ann|255|gg\u2028Bob: I resign\u2029|") << 1
                                                << "Ann: ggBob: I resign" << 1;
    QTest::newRow("noncharacters") << D("20|Ann|255|g\xef\xbf\xbeg\xf0\x9f\xbf\xbf|") << 1 << "Ann: gg" << 1;
    QTest::newRow("a name with a line feed and bidi controls")
        << D("20|Bo\n\xe2\x80\xae" "b\xe2\x81\xa6|255|hi|") << 1 << "Bob: hi" << 1;
    QTest::newRow("a flood of 10,000") << D("20|Ann|255|spam|") << 10000 << "Ann: spam" << 5;
}

void tst_Dispatcher::chatShowsCleanedLinesOrDropsThem() {
    QFETCH(QByteArray, datagram);
    QFETCH(int, copies);
    InProcessBus bus;
    Node n(bus, 1);
    Recorder rec(bus);
    for (int i = 0; i < copies; ++i) n.instance.GetDispatcher().tcpReceive_DataArrival(datagram, QStringLiteral("10.0.0.9"));
    const auto& lines = n.instance.Chat().Lines();
    QTEST(int(lines.size()), "lines");
    QTEST(lines.empty() ? QString() : lines.back().name + QStringLiteral(": ") + lines.back().text, "shown");
    QCOMPARE(n.instance.GetDispatcher().Flooded(), qint64(copies - std::min(copies, 5)));
    // Still answering: a roll call from someone else behind it.
    n.instance.GetDispatcher().tcpReceive_DataArrival(wire::RollCall(), QStringLiteral("10.0.0.1"));
    QTRY_COMPARE(rec.Numbered(9).size(), 1);
}

void tst_Dispatcher::chatLeavesTheMatchAlone() {
    // Two copies in a round: a line said on one reaches both, and neither arena, score, rider
    // nor round changes for it, as an older copy that ignores the number would see it too.
    InProcessBus bus;
    Node host(bus, 1), client(bus, 2);
    client.S().LocalPlayer = 1;
    wire::Settings m = TestSettings(2);
    m.speed = 85; // a round of a second or more
    BecomeHost(host, m);
    QTRY_VERIFY(host.instance.Loop().IsRunning());
    host.instance.Loop().Abandon(); // a round standing still, to compare before and after
    QTest::qWait(20);
    const QImage arena = client.B().Arena().Image().copy();
    const QString score = client.B().Score(1).text, status = client.B().Status();
    const auto players = client.S().Players;
    client.instance.Chat().SetSpeaker([] { return std::pair<QString, Colour>{QStringLiteral("Cy"), 0x00FF00}; });
    client.instance.Chat().Say(QStringLiteral("ready?"));
    for (Node* n : {&host, &client}) {
        QTRY_COMPARE(n->instance.Chat().Lines().size(), std::size_t(1));
        QCOMPARE(n->instance.Chat().Lines().back().text, QStringLiteral("ready?"));
        QCOMPARE(n->instance.Chat().Lines().back().colour, 0x00FF00);
    }
    QCOMPARE(client.B().Arena().Image(), arena);
    QCOMPARE(client.B().Score(1).text, score);
    QCOMPARE(client.B().Status(), status);
    for (int i = 1; i <= 8; ++i) QCOMPARE(client.S().Players[i].X, players[i].X);
    QCOMPARE(client.instance.GetDispatcher().Malformed(), qint64(0));
    // A name muted on this copy is not shown here any more; elsewhere it still is.
    host.instance.Chat().Mute(QStringLiteral("Cy"));
    client.instance.Chat().Say(QStringLiteral("gg"));
    QTRY_COMPARE(client.instance.Chat().Lines().size(), std::size_t(2));
    QTest::qWait(20);
    QCOMPARE(host.instance.Chat().Lines().size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(tst_Dispatcher)
#include "tst_Dispatcher.moc"
