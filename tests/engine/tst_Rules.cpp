#include "Board.h"
#include "Canvas.h"
#include "Convert.h"
#include "Outcome.h"

#include <QtTest>

// Rule tables of the engine: number conversion, the canvas's exact pixels, round outcomes
// and the game window's layout.
class tst_Rules : public QObject {
    Q_OBJECT

private slots:
    void conversionFollowsTheGameRules_data();
    void conversionFollowsTheGameRules();
    void discNeverReachesBeyondItsRadius_data();
    void discNeverReachesBeyondItsRadius();
    void boxIncludesBothCornersAndClipsToTheSurface();
    void transparentBoxDrawsOnlyItsOutline();
    void coloursReadBackExactly();
    void readsFollowTheImageWhileItIsShown();
    void outcomeDecidesTheRound_data();
    void outcomeDecidesTheRound();
    void outcomeTableCreditsTheDocumentedBox();
};

void tst_Rules::conversionFollowsTheGameRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("int16"); // -99999: no value
    QTest::addColumn<qlonglong>("int32");
    const int none = -99999;
    const qlonglong none32 = -9999999999LL;
    QTest::newRow("negative") << "-1" << -1 << -1LL;
    QTest::newRow("spaces") << " 12 " << 12 << 12LL;
    QTest::newRow("half down to even") << "12.5" << 12 << 12LL;
    QTest::newRow("half up to even") << "13.5" << 14 << 14LL;
    QTest::newRow("negative half") << "-2.5" << -2 << -2LL;
    QTest::newRow("plus sign") << "+7" << 7 << 7LL;
    QTest::newRow("16-bit top") << "32767" << 32767 << 32767LL;
    QTest::newRow("16-bit overflow") << "32768" << none << 32768LL;
    QTest::newRow("16-bit bottom") << "-32768" << -32768 << -32768LL;
    QTest::newRow("colour") << "16777215" << none << 16777215LL;
    QTest::newRow("32-bit overflow") << "2147483648" << none << none32;
    QTest::newRow("empty") << "" << none << none32;
    QTest::newRow("letters") << "abc" << none << none32;
    QTest::newRow("trailing junk") << "12x" << none << none32;
    QTest::newRow("lone sign") << "-" << none << none32;
    QTest::newRow("inner space") << "1 2" << none << none32;
    QTest::newRow("huge") << QString(400, u'9') << none << none32;
}

void tst_Rules::conversionFollowsTheGameRules() {
    QFETCH(QString, text);
    QFETCH(int, int16);
    QFETCH(qlonglong, int32);
    const auto a = convert::ToInt16(text);
    QCOMPARE(a ? int(*a) : -99999, int16);
    const auto b = convert::ToInt32(text);
    QCOMPARE(b ? qlonglong(*b) : -9999999999LL, int32);
}

void tst_Rules::discNeverReachesBeyondItsRadius_data() {
    QTest::addColumn<int>("r");
    for (int r = 1; r <= 4; ++r) QTest::newRow(qPrintable(QString::number(r))) << r;
}

void tst_Rules::discNeverReachesBeyondItsRadius() {
    // A disc of radius r covers its axis points at distance r and nothing farther, so a
    // rider's probes at T + 1 never touch its own last disc of radius T + 1... from the next head.
    QFETCH(int, r);
    Canvas c(40, 40, 0xFFFFFF);
    c.SetFillColor(0x123456);
    c.Circle(20, 20, r, 0x123456);
    QCOMPARE(c.Pixel(20 + r, 20), 0x123456);
    QCOMPARE(c.Pixel(20, 20 - r), 0x123456);
    QCOMPARE(c.Pixel(20 + r + 1, 20), 0xFFFFFF);
    QCOMPARE(c.Pixel(20, 20 + r + 1), 0xFFFFFF);
    int covered = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const int dx = x - 20, dy = y - 20;
            const bool inside = dx * dx + dy * dy <= r * r + r;
            QCOMPARE(c.Pixel(x, y) == 0x123456, inside);
            covered += inside;
        }
    QVERIFY(covered > 0);
}

void tst_Rules::boxIncludesBothCornersAndClipsToTheSurface() {
    Canvas c(20, 10, 0);
    c.SetFillColor(0x00FF00);
    c.Box(15, 8, 2, 3, 0x0000FF); // corners in any order
    QCOMPARE(c.Pixel(2, 3), 0x0000FF);
    QCOMPARE(c.Pixel(15, 8), 0x0000FF);
    QCOMPARE(c.Pixel(8, 5), 0x00FF00);
    QCOMPARE(c.Pixel(16, 8), 0);
    c.Box(-30000, -30000, 30000, 30000, 0x0000FF); // outline far outside: only the fill shows
    QCOMPARE(c.Pixel(0, 0), 0x00FF00);
    QCOMPARE(c.Pixel(19, 9), 0x00FF00);
    QCOMPARE(c.Pixel(20, 5), -1);
    QCOMPARE(c.Pixel(-1, 0), -1);
}

void tst_Rules::transparentBoxDrawsOnlyItsOutline() {
    Canvas c(20, 20, 0xFFFFFF);
    c.SetFillStyle(Canvas::FillStyle::Transparent);
    c.Box(2, 2, 10, 10, 0x808080);
    QCOMPARE(c.Pixel(2, 6), 0x808080);
    QCOMPARE(c.Pixel(6, 6), 0xFFFFFF);
}

void tst_Rules::coloursReadBackExactly() {
    Canvas c(4, 4, 0);
    for (Colour col : {0x000001, 0xFFC0C0, 0x404080, 0xB0541C, 0xFFFFFF}) {
        c.SetBackColor(col);
        QCOMPARE(c.Pixel(1, 1), col);
    }
}

void tst_Rules::readsFollowTheImageWhileItIsShown() {
    // The view holds copies of the image; a change then gives the canvas memory of its own,
    // and the crash test must read that, not what the view holds.
    Canvas c(8, 8, 0);
    c.SetFillColor(0x0000FF);
    QImage shown = c.Image();
    c.Circle(3, 3, 1, 0x0000FF);
    QCOMPARE(c.Pixel(3, 3), 0x0000FF);
    shown = c.Image();
    c.SetBackColor(0x00FF00);
    QCOMPARE(c.Pixel(3, 3), 0x00FF00);
    shown = c.Image();
    c.Resize(20, 5);
    QCOMPARE(c.Pixel(19, 4), 0x00FF00);
    QCOMPARE(c.Pixel(7, 5), -1);
    QCOMPARE(Canvas::FromRgb(shown.pixel(3, 3)), 0x00FF00);
}

void tst_Rules::outcomeDecidesTheRound_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("teams");
    QTest::addColumn<QList<int>>("out");
    QTest::addColumn<int>("code"); // 0: the round goes on
    QTest::newRow("2: both out") << 2 << false << QList<int>{1, 2} << 5;
    QTest::newRow("2: player 1 out") << 2 << false << QList<int>{1} << 1;
    QTest::newRow("2: player 2 out") << 2 << false << QList<int>{2} << 2;
    QTest::newRow("2: both ride") << 2 << false << QList<int>{} << 0;
    QTest::newRow("2: teams ignored") << 2 << true << QList<int>{1} << 1;
    QTest::newRow("3: 1 and 3 out") << 3 << false << QList<int>{1, 3} << 1;
    QTest::newRow("3: 2 and 3 out") << 3 << false << QList<int>{2, 3} << 2;
    QTest::newRow("3: 1 and 2 out") << 3 << false << QList<int>{1, 2} << 3;
    QTest::newRow("3: one out") << 3 << false << QList<int>{2} << 0;
    QTest::newRow("3: all out") << 3 << false << QList<int>{1, 2, 3} << 5;
    QTest::newRow("4 teams: 1 2 out") << 4 << true << QList<int>{1, 2} << 6;
    QTest::newRow("4 teams: 1 2 4 out") << 4 << true << QList<int>{1, 2, 4} << 6;
    QTest::newRow("4 teams: 3 4 out") << 4 << true << QList<int>{3, 4} << 7;
    QTest::newRow("4 teams: 1 3 out") << 4 << true << QList<int>{1, 3} << 0;
    QTest::newRow("4 teams: all out") << 4 << true << QList<int>{1, 2, 3, 4} << 5;
    QTest::newRow("4: 4 rides") << 4 << false << QList<int>{1, 2, 3} << 4;
    QTest::newRow("4: 2 rides") << 4 << false << QList<int>{1, 3, 4} << 1;
    QTest::newRow("4: 3 rides") << 4 << false << QList<int>{1, 2, 4} << 3;
    QTest::newRow("4: 1 rides") << 4 << false << QList<int>{2, 3, 4} << 2;
    QTest::newRow("4: two ride") << 4 << false << QList<int>{1, 2} << 0;
    QTest::newRow("5: 5 rides") << 5 << false << QList<int>{1, 2, 3, 4} << 8;
    QTest::newRow("5: 1 rides") << 5 << false << QList<int>{2, 3, 4, 5} << 2;
    QTest::newRow("6 teams: 1-3 out") << 6 << true << QList<int>{1, 2, 3} << 11;
    QTest::newRow("6 teams: 4-6 out") << 6 << true << QList<int>{4, 5, 6} << 10;
    QTest::newRow("6: 6 rides") << 6 << false << QList<int>{1, 2, 3, 4, 5} << 9;
    QTest::newRow("7: 7 rides") << 7 << false << QList<int>{1, 2, 3, 4, 5, 6} << 12;
    QTest::newRow("7: 2 rides") << 7 << false << QList<int>{1, 3, 4, 5, 6, 7} << 1;
    QTest::newRow("8 teams: 1-4 out") << 8 << true << QList<int>{1, 2, 3, 4} << 14;
    QTest::newRow("8 teams: 5-8 out") << 8 << true << QList<int>{5, 6, 7, 8} << 13;
    QTest::newRow("8: 8 rides") << 8 << false << QList<int>{1, 2, 3, 4, 5, 6, 7} << 15;
    QTest::newRow("8: all out") << 8 << false << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 5;
    QTest::newRow("8: two ride") << 8 << false << QList<int>{1, 2, 3, 4, 5, 6} << 0;
}

void tst_Rules::outcomeDecidesTheRound() {
    QFETCH(int, players);
    QFETCH(bool, teams);
    QFETCH(QList<int>, out);
    QFETCH(int, code);
    MatchState s;
    s.NumPlayers = static_cast<std::int16_t>(players);
    s.TeamOn = teams ? True16 : False16;
    for (int p : out) s.Players[p].Crashed = -1;
    QCOMPARE(outcome::Decide(s).value_or(0), code);
}

void tst_Rules::outcomeTableCreditsTheDocumentedBox() {
    // Codes 1 and 2 credit players 2 and 1; team codes credit the team's first member.
    MatchState s;
    for (int i = 1; i <= 8; ++i) s.Players[i].Name = QStringLiteral("P%1").arg(i);
    struct Row {
        int code;
        const char* text;
        int box;
    };
    const Row rows[] = {{1, "P2", 2},
                        {2, "P1", 1},
                        {5, "", 0},
                        {6, "P3 & P4", 3},
                        {7, "P1 & P2", 1},
                        {11, "P4 & P5 & P6", 4},
                        {14, "P5 & P6 & P7 & P8", 5},
                        {15, "P8", 8}};
    for (const Row& r : rows) {
        const auto e = outcome::Lookup(r.code);
        QVERIFY(e);
        // Each name stands in a bidi isolate of its own.
        QCOMPARE(outcome::WinnersText(*e, s).remove(QChar(0x2068)).remove(QChar(0x2069)), QString::fromLatin1(r.text));
        QCOMPARE(outcome::WinnersText(*e, s).count(QChar(0x2068)), e->winners.size());
        QCOMPARE(e->scoreBox, r.box);
    }
    QVERIFY(!outcome::Lookup(0));
    QVERIFY(!outcome::Lookup(16));
}

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_Rules.moc"
