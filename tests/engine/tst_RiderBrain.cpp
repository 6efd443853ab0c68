#include "Canvas.h"
#include "CellMap.h"
#include "RiderBrain.h"

#include <QtTest>

// A computer rider's decisions on small boards drawn as text, one character a cell of a thin
// trail's lanes (3 x 3 pixels): '#' is taken, '.' free, 'R' the rider's head, 'M' a team
// mate's head. The outer walls are drawn as round setup draws them.
class tst_RiderBrain : public QObject {
    Q_OBJECT

private slots:
    void decisionsOnSmallBoards_data();
    void decisionsOnSmallBoards();
    void headsFromAnywhereStayInsideTheArena_data();
    void headsFromAnywhereStayInsideTheArena();
    void cellsAreBlockedByTheirPixels_data();
    void cellsAreBlockedByTheirPixels();
};

namespace {
constexpr Colour Back = 0xFFFFFF;
constexpr Colour Taken = 0x404040;
constexpr int Pitch = 3;

struct Board {
    Canvas arena{1, 1, Back};
    QPoint rider, mate{-1, -1};
};

Board Draw(const QStringList& art) {
    Board b;
    const int w = static_cast<int>(art[0].size()) * Pitch, h = static_cast<int>(art.size()) * Pitch;
    b.arena.Resize(w, h);
    b.arena.SetFillStyle(Canvas::FillStyle::Solid);
    b.arena.SetFillColor(Taken);
    b.arena.Box(0, 0, 1, h - 3, Taken);
    b.arena.Box(0, 0, w - 3, 1, Taken);
    b.arena.Box(1, h - 4, w - 3, h - 3, Taken);
    b.arena.Box(w - 4, 1, w - 3, h - 3, Taken);
    for (int j = 0; j < art.size(); ++j)
        for (int i = 0; i < art[j].size(); ++i) {
            const QChar c = art[j][i];
            const int x = i * Pitch, y = j * Pitch;
            if (c == QLatin1Char('#')) b.arena.Box(x - 1, y - 1, x + 1, y + 1, Taken);
            if (c == QLatin1Char('R') || c == QLatin1Char('M')) b.arena.Circle(x, y, 1, Taken);
            if (c == QLatin1Char('R')) b.rider = {x, y};
            if (c == QLatin1Char('M')) b.mate = {x, y};
        }
    return b;
}
} // namespace

void tst_RiderBrain::decisionsOnSmallBoards_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("art");
    QTest::addColumn<int>("heading");
    QTest::addColumn<int>("nudgeX"); // pixels the head lies past its lane crossing
    QTest::addColumn<QString>("flags"); // s: snap to grid, w: wrap-around, t: team play
    QTest::addColumn<QList<int>>("allowed");

    const QStringList oneWay = {"#########", "#.......#", "#.......#", "#.......#", "###R#####", "#########"};
    const QStringList fork = {"###########", "#...#.....#", "#...#.....#", "#...#.....#", "#...R.....#",
                              "###########"};
    const QStringList boxedIn = {"#######", "#######", "#..R#.#", "#######", "#######"};
    const QStringList diagonalOnly = {"#######", "##.#.##", "#..R#.#", "##.#.##", "#######"};
    // The one way up from the lower corridor is at its far end: turning at any earlier lane
    // crossing runs into the wall.
    const QStringList lastLane = {"##########", "#........#", "#........#", "######.###", "#.R....###",
                                  "##########"};
    const QStringList wrap = {"###############", "#.....###.....#", "#.....###.#####", "#.....###R...##",
                              "#.....###.#####", "#.....###.#####", "###############"};
    // Up is safe but leads into a pocket; straight on, through the edge, lies the larger room.
    const QStringList wrapRoom = {"###############", "#.....###.....#", "#.....###.#####", "#.....###.#####",
                                  "#.....###.#####", "#.....###.#####", "#.....###.#####", "#.....###.#####",
                                  "#.....###R...##", "#.....#########", "#.....#########", "###############"};
    const QStringList mate = {"#############", "#....##.....#", "#....##.....#", "#....##.....#",
                              "#.....R.....#", "#####.#######", "###...#######", "###.M.#######",
                              "#############"};
    // A T whose corridors are both long enough to be safe: one ends in a pocket, the other
    // opens into a larger region. Mirrored, the pocket side is the one weighed first.
    QStringList tee = {QString(26, QLatin1Char('#'))};
    for (int r = 1; r <= 10; ++r) tee << QStringLiteral("###############..........#");
    tee << QStringLiteral("###.........R............#") << QString(26, QLatin1Char('#'));
    QStringList teeMirrored;
    for (QString row : tee) {
        std::reverse(row.begin(), row.end());
        teeMirrored << row;
    }
    const QList<int> anyButReverse = {1, 2, 3};

    for (int level = 0; level <= 2; ++level) {
        const char* name = level == 0 ? "Easy" : level == 1 ? "Normal" : "Hard";
        QTest::addRow("%s: with one way out it takes it", name) << level << oneWay << 2 << 0 << "s" << QList<int>{1};
        QTest::addRow("%s: never asks for the reverse", name) << level << boxedIn << 2 << 0 << "s" << anyButReverse;
        QTest::addRow("%s: no diagonal without diagonal motion", name)
            << level << diagonalOnly << 2 << 0 << "s" << anyButReverse;
    }
    for (int level = 1; level <= 2; ++level) {
        const char* name = level == 1 ? "Normal" : "Hard";
        QTest::addRow("%s: at a fork, the larger region", name) << level << fork << 1 << 0 << "s" << QList<int>{2};
        QTest::addRow("%s: grid: no turn that the next crossing would take too early", name)
            << level << lastLane << 2 << 3 << "s" << QList<int>{2};
        QTest::addRow("%s: grid: asks before the last crossing", name)
            << level << lastLane << 2 << 10 << "s" << QList<int>{1};
        QTest::addRow("%s: wrap-around: rides through the edge to escape", name)
            << level << wrap << 2 << 0 << "sw" << QList<int>{2};
        QTest::addRow("%s: without wrap-around the same corridor is a dead end", name)
            << level << wrap << 2 << 0 << "s" << QList<int>{1, 3};
        QTest::addRow("%s: wrap-around: counts the room beyond the edge", name)
            << level << wrapRoom << 2 << 0 << "sw" << QList<int>{2};
        QTest::addRow("%s: without wrap-around it takes the pocket", name)
            << level << wrapRoom << 2 << 0 << "s" << QList<int>{1};
    }
    // c: the board lies in the corner of an arena too large for a full race, with two
    // opponents riding far away: a crowd.
    QTest::addRow("Hard: in a crowd, the larger region") << 2 << tee << 1 << 0 << "sc" << QList<int>{2};
    QTest::addRow("Hard: in a crowd, the larger region, weighed second") << 2 << teeMirrored << 1 << 0 << "sc"
                                                                         << QList<int>{4};
    QTest::addRow("Normal: team play: leaves the mate's way out open")
        << 1 << mate << 1 << 0 << "st" << QList<int>{2};
    QTest::addRow("Normal: without team play the same rider takes the larger room")
        << 1 << mate << 1 << 0 << "s" << QList<int>{4};
}

void tst_RiderBrain::decisionsOnSmallBoards() {
    QFETCH(int, level);
    QFETCH(QStringList, art);
    QFETCH(int, heading);
    QFETCH(int, nudgeX);
    QFETCH(QString, flags);
    QFETCH(QList<int>, allowed);

    const bool crowd = flags.contains(QLatin1Char('c'));
    if (crowd) {
        for (QString& row : art) row += QString(120 - row.size(), QLatin1Char('.'));
        while (art.size() < 110) art << QString(120, QLatin1Char('.'));
    }
    const Board b = Draw(art);
    RiderView v;
    v.arena = &b.arena;
    v.back = Back;
    v.snapToGrid = flags.contains(QLatin1Char('s'));
    v.warp = flags.contains(QLatin1Char('w'));
    v.teamOn = flags.contains(QLatin1Char('t'));
    v.numPlayers = v.teamOn ? 4 : 2;
    v.me = 1;
    v.heads[1] = {b.rider.x() + nudgeX, b.rider.y()};
    v.directions[1] = heading;
    v.requested = heading;
    for (int i = 2; i <= 8; ++i) v.out[i] = true; // nobody else rides, unless a mate is drawn
    if (b.mate.x() >= 0) {
        v.heads[2] = {b.mate.x(), b.mate.y()};
        v.directions[2] = 1;
        v.out[2] = false;
    }
    if (crowd) {
        v.numPlayers = 3;
        for (int i : {2, 3}) {
            v.heads[i] = {(60 + 20 * i) * Pitch, 90 * Pitch};
            v.directions[i] = 1;
            v.out[i] = false;
        }
    }
    CellMap cells;
    cells.Build(b.arena, Back, 0);
    RiderBrain brain(static_cast<RiderLevel>(level), 1);
    const RiderWish wish = brain.Decide(v, cells);
    QVERIFY2(allowed.contains(wish.direction), qPrintable(QStringLiteral("asked for %1").arg(wish.direction)));
    QCOMPARE(wish.turbo, 0); // turbo is off in this match
}

void tst_RiderBrain::headsFromAnywhereStayInsideTheArena_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("far left and up") << -32768 << -32768;
    QTest::newRow("far right and down") << 32767 << 32767;
    QTest::newRow("just outside the right edge") << 27 << 4;
    QTest::newRow("on the top edge") << 9 << -1;
}

void tst_RiderBrain::headsFromAnywhereStayInsideTheArena() {
    // Positions come from the network: whatever they say, a rider reads only inside the
    // arena and still asks for a direction it may take (the sanitizer build checks the reads).
    QFETCH(int, x);
    QFETCH(int, y);
    const Board b = Draw({"#########", "#.......#", "#...R...#", "#.......#", "#########"});
    CellMap cells;
    cells.Build(b.arena, Back, 0);
    for (int level = 0; level <= 2; ++level) {
        RiderView v;
        v.arena = &b.arena;
        v.back = Back;
        v.numPlayers = 4;
        v.teamOn = true;
        v.turboOn = true;
        v.warp = level == 1;
        for (int i = 1; i <= 4; ++i) {
            v.heads[i] = {x + i, y - i};
            v.directions[i] = 2;
        }
        v.requested = 2;
        RiderBrain brain(static_cast<RiderLevel>(level), 3);
        const RiderWish wish = brain.Decide(v, cells);
        QVERIFY(wish.direction >= 1 && wish.direction <= 4 && wish.direction != 4);
    }
}

void tst_RiderBrain::cellsAreBlockedByTheirPixels_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("thickness");
    QTest::newRow("thin, cells fit") << 30 << 21 << 0;
    QTest::newRow("thin, a part cell at each edge") << 31 << 23 << 0;
    QTest::newRow("thickness 1") << 37 << 26 << 1;
    QTest::newRow("thickness 3, odd sizes") << 61 << 47 << 3;
}

void tst_RiderBrain::cellsAreBlockedByTheirPixels() {
    // A cell is blocked when any of its pixels is not the background: checked pixel by
    // pixel, for single pixels at every place of a cell, against the map built in one pass.
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, thickness);
    Canvas arena(width, height, Back);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x * 7 + y * 13) % 23 == 0) arena.Box(x, y, x, y, Taken);
    CellMap cells;
    cells.Build(arena, Back, thickness);
    std::vector<bool> expected(static_cast<std::size_t>(cells.Cols() * cells.Rows()));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (arena.Pixel(x, y) != Back) expected[static_cast<std::size_t>(cells.Index(cells.CellX(x), cells.CellY(y)))] = true;
    const int pitch = cells.Pitch(), reach = thickness + 1;
    for (int cy = 0; cy < cells.Rows(); ++cy)
        for (int cx = 0; cx < cells.Cols(); ++cx) {
            const bool edge = cx == 0 || cy == 0 || (cx == cells.Cols() - 1 && cx * pitch + reach > width - 1) ||
                              (cy == cells.Rows() - 1 && cy * pitch + reach > height - 1);
            QVERIFY2(cells.Blocked(cx, cy) == (edge || expected[static_cast<std::size_t>(cells.Index(cx, cy))]),
                     qPrintable(QStringLiteral("cell %1,%2").arg(cx).arg(cy)));
        }
}

QTEST_GUILESS_MAIN(tst_RiderBrain)
#include "tst_RiderBrain.moc"
