#include "ArenaView.h"
#include "GameBoxes.h"
#include "Stubs.h"
#include "Zoom.h"
#include "frmVyre.h"

#include <QMenu>
#include <QScreen>
#include <QSet>
#include <random>
#include <QtTest>

// The game window's zoom and fullscreen: what reaches the screen, pixel by pixel, and where.
// Run once as is and once with QT_SCALE_FACTOR=2.
class tst_View : public QObject {
    Q_OBJECT

    struct Window {
        Window() : net(bus), in(net, 3), game(in.Window()) {}
        InProcessBus bus;
        BusTransport net;
        Instance in;
        frmVyre game;
        Board& board() { return in.GetBoard(); }
        void Size(int w, int h) {
            board().ResizeArena(w, h);
            game.FitArena(w, h);
            game.ShowChanges();
        }
    };

    // What the window's buffer holds now, as the screen would show it, partial repaints
    // included. The offscreen screen grabs only unscaled windows; a scaled one is rendered.
    static QImage OnScreen(QWidget& w) {
        QCoreApplication::processEvents();
        const QPixmap p = w.devicePixelRatioF() == 1 ? w.screen()->grabWindow(w.winId()) : w.grab();
        return p.toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void layoutFollowsTheArenaWidth_data();
    void layoutFollowsTheArenaWidth();
    void arenaPixelsCoverWholeDeviceSquares_data();
    void arenaPixelsCoverWholeDeviceSquares();
    void windowSizes_data();
    void windowSizes();
    void autoFitsTheRoom_data();
    void autoFitsTheRoom();
    void windowsStayOnTheScreen_data();
    void windowsStayOnTheScreen();
    void framesArePlacedInside_data();
    void framesArePlacedInside();
    void fittedViewKeepsEveryTrail_data();
    void fittedViewKeepsEveryTrail();
};

void tst_View::arenaPixelsCoverWholeDeviceSquares_data() {
    QTest::addColumn<int>("zoom");
    for (int z : {1, 2, 3}) QTest::addRow("%dx", z) << z;
}

void tst_View::arenaPixelsCoverWholeDeviceSquares() {
    QFETCH(int, zoom);
    Window w;
    w.Size(120, 90);
    w.game.SetView({zoom, false});
    Canvas& arena = w.board().Arena();
    arena.SetFillStyle(Canvas::FillStyle::Solid);
    arena.SetFillColor(colours::PlayerDefault[3]);
    arena.Box(0, 0, 119, 89, colours::WallOutline);
    arena.Box(10, 7, 13, 30, colours::PlayerDefault[2]);
    w.board().Notify();
    w.game.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.game));
    w.game.ShowChanges();
    OnScreen(w.game);
    // A head drawn after the first paint reaches the screen through the partial repaint alone.
    const QPoint heads[] = {{57, 41}, {117, 87}, {1, 1}};
    for (const QPoint& h : heads) arena.Circle(h.x(), h.y(), 0, colours::PlayerDefault[5]);
    w.board().Notify();
    w.game.ShowChanges();
    const QImage shot = OnScreen(w.game);

    const double dpr = w.game.devicePixelRatioF();
    const int s = w.game.CurrentScale().device;
    QVERIFY(s >= 1 && s <= static_cast<int>(std::lround(zoom * dpr))); // held to what fits the screen
    const QPoint origin = w.game.Arena()->mapTo(&w.game, QPoint(0, 0)) * dpr;
    // The last two columns and rows lie beyond the walls and are not shown.
    for (int y = 0; y < arena.Height() - 2; ++y)
        for (int x = 0; x < arena.Width() - 2; ++x) {
            const QRgb want = Canvas::ToRgb(arena.Pixel(x, y)) | 0xff000000u;
            for (int dy = 0; dy < s; ++dy)
                for (int dx = 0; dx < s; ++dx) {
                    const QRgb got = shot.pixel(origin.x() + s * x + dx, origin.y() + s * y + dy);
                    if (got != want)
                        QFAIL(qPrintable(QStringLiteral("arena (%1, %2) device +(%3, %4): %5, not %6")
                                             .arg(x).arg(y).arg(dx).arg(dy)
                                             .arg(got, 0, 16).arg(want, 0, 16)));
                }
        }
    for (const QPoint& h : heads)
        QCOMPARE(shot.pixel(origin + s * h), Canvas::ToRgb(colours::PlayerDefault[5]) | 0xff000000u);
    // The pixel just past what is shown is the window's, not a smear of the last column.
    QCOMPARE(shot.pixel(origin.x() + s * (arena.Width() - 2), origin.y()),
             w.game.palette().color(QPalette::Window).rgb());
}

void tst_View::windowSizes_data() {
    // On the offscreen platform's 800 x 800 screen.
    QTest::addColumn<QSize>("arena");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("fullscreen");
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<QPoint>("at"); // of the sheet, in the window
    QTest::newRow("1x, the default match") << QSize(360, 295) << 1 << false << QSize(376, 413) << QPoint(0, 0);
    QTest::newRow("1x, wide") << QSize(700, 100) << 1 << false << QSize(716, 218) << QPoint(0, 0);
    // The arena is zoomed; the header above it and the margins keep their size.
    QTest::newRow("3x, held to what fits the screen") << QSize(360, 295) << 3 << false << QSize(736, 708) << QPoint(0, 0);
    QTest::newRow("Auto, the default match") << QSize(360, 295) << zoom::Auto << false << QSize(736, 708)
                                             << QPoint(0, 0);
    QTest::newRow("Auto, small") << QSize(100, 100) << zoom::Auto << false << QSize(616, 718) << QPoint(0, 0);
    QTest::newRow("Auto, tiny") << QSize(60, 40) << zoom::Auto << false << QSize(796, 638) << QPoint(0, 0);
    QTest::newRow("fullscreen") << QSize(360, 295) << 3 << true << QSize(736, 708) << QPoint(32, 46);
    QTest::newRow("fullscreen, small") << QSize(100, 100) << 1 << true << QSize(616, 718) << QPoint(92, 41);
}

void tst_View::windowSizes() {
    QFETCH(QSize, arena);
    QFETCH(int, zoom);
    QFETCH(bool, fullscreen);
    Window w;
    if (w.game.devicePixelRatioF() != 1) QSKIP("sizes are for a ratio of 1");
    w.Size(arena.width(), arena.height());
    w.game.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.game));
    w.game.SetView({zoom, false});
    const QRect before = w.game.geometry();
    if (fullscreen) w.game.SetFullscreen(true);
    QFETCH(QSize, sheet);
    QFETCH(QPoint, at);
    QTRY_COMPARE(w.game.Sheet()->geometry(), QRect(at, sheet));
    if (!fullscreen) QCOMPARE(w.game.size(), w.game.Sheet()->size());
    // The arena is shown at the zoom.
    QCOMPARE(w.game.Arena()->size(), (arena - QSize(2, 2)) * w.game.CurrentScale().device);
    if (fullscreen) {
        QCOMPARE(w.game.size(), w.game.screen()->geometry().size());
        w.game.SetFullscreen(false);
        QTRY_COMPARE(w.game.geometry(), before);
    }
}

void tst_View::autoFitsTheRoom_data() {
    // The arena is zoomed; the header and margins around it (16 x 118) keep their size.
    QTest::addColumn<QSize>("arena");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<double>("dpr");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("device");
    const QSize arena(360, 295), frame(0, 30), none;
    QTest::newRow("laptop 1366 x 768, a panel below") << arena << frame << QSize(1366, 738) << 1.0 << 2 << 2;
    QTest::newRow("laptop, fullscreen") << arena << none << QSize(1366, 768) << 1.0 << 2 << 2;
    QTest::newRow("1920 x 1080") << arena << frame << QSize(1920, 1050) << 1.0 << 3 << 3;
    QTest::newRow("1920 x 1080, fullscreen") << arena << none << QSize(1920, 1080) << 1.0 << 3 << 3;
    QTest::newRow("4K") << arena << frame << QSize(3840, 2110) << 1.0 << 6 << 6;
    QTest::newRow("the frame tips it") << arena << frame << QSize(1920, 737) << 1.0 << 1 << 1;
    QTest::newRow("exactly fits") << arena << frame << QSize(1920, 738) << 1.0 << 2 << 2;
    QTest::newRow("never below 1") << QSize(1500, 1500) << none << QSize(800, 600) << 1.0 << 1 << 1;
    QTest::newRow("ratio 2") << arena << none << QSize(1920, 1080) << 2.0 << 3 << 6;
    QTest::newRow("ratio 1.5: whole device pixels") << arena << none << QSize(1280, 720) << 1.5 << 1 << 2;
}

void tst_View::autoFitsTheRoom() {
    QFETCH(QSize, arena);
    QFETCH(QSize, frame);
    QFETCH(QSize, room);
    QFETCH(double, dpr);
    QFETCH(int, zoom);
    const zoom::Sheet sheet{arena, QSize(16, 118)};
    const int z = zoom::Fitting(sheet, frame, room, dpr);
    QCOMPARE(z, zoom);
    QTEST(zoom::ScaleFor(z, dpr).device, "device");
    const QSize need = zoom::Needed(sheet, z, dpr) + frame;
    QVERIFY((need.height() <= room.height() && need.width() <= room.width()) || z == 1);
    // The header is as large at every zoom: the next zoom up would not fit.
    QVERIFY(!zoom::Fits(sheet, frame, room, z + 1, dpr));
}

void tst_View::windowsStayOnTheScreen_data() {
    // On the offscreen platform's 800 x 800 screen.
    QTest::addColumn<QSize>("arena");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("shown"); // the zoom shown: below 0, shrunk by that many times
    QTest::newRow("2x fits") << QSize(360, 295) << 2 << 2; // 736 x 708
    QTest::newRow("3x does not") << QSize(360, 295) << 3 << 2;
    QTest::newRow("4x of a tiny arena") << QSize(60, 40) << 4 << 4;
    QTest::newRow("4x, too large") << QSize(200, 150) << 4 << 3;
    QTest::newRow("1x, too large") << QSize(1500, 1500) << 1 << -3;
    QTest::newRow("Auto, too large") << QSize(900, 700) << zoom::Auto << -2;
    QTest::newRow("Auto, wide") << QSize(1500, 300) << zoom::Auto << -2;
}

void tst_View::windowsStayOnTheScreen() {
    // Whatever zoom is asked for, the window never outgrows the screen, and only zooms that
    // fit are offered.
    QFETCH(QSize, arena);
    QFETCH(int, zoom);
    Window w;
    if (w.game.devicePixelRatioF() != 1) QSKIP("sizes are for a ratio of 1");
    w.Size(arena.width(), arena.height());
    w.game.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.game));
    w.game.move(300, -50);
    w.game.SetZoom(zoom);
    w.game.PlaceOnScreen();
    const QRect room = w.game.screen()->availableGeometry();
    QTRY_VERIFY2(room.contains(w.game.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(w.game.x()).arg(w.game.y()).arg(w.game.width()).arg(w.game.height())));
    const zoom::Scale& s = w.game.CurrentScale();
    QTEST(s.shrink > 1 ? -s.shrink : s.device, "shown");
    QMenu* zoomMenu = w.game.ViewMenu()->actions().front()->menu();
    emit zoomMenu->aboutToShow();
    for (QAction* a : zoomMenu->actions()) {
        const int z = a->data().toInt();
        if (a->isSeparator() || !a->isCheckable() || z == zoom::Auto) continue;
        const QSize need = zoom::Scaled(arena, zoom::ScaleFor(z, 1)) + QSize(16, 118);
        QCOMPARE(a->isEnabled(), need.width() <= room.width() && need.height() <= room.height());
    }
}

void tst_View::framesArePlacedInside_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("inside stays") << QRect(10, 20, 300, 200) << QPoint(10, 20);
    QTest::newRow("title bar above the top") << QRect(100, -40, 300, 200) << QPoint(100, 0);
    QTest::newRow("off the right and bottom") << QRect(700, 500, 300, 200) << QPoint(500, 400);
    QTest::newRow("taller than the screen: the top shows") << QRect(50, -100, 300, 900) << QPoint(50, 0);
    QTest::newRow("left of the screen") << QRect(-30, 10, 300, 200) << QPoint(0, 10);
}

void tst_View::framesArePlacedInside() {
    QFETCH(QRect, frame);
    QTEST(zoom::PlaceInside(frame, QRect(0, 0, 800, 600)), "at");
}

void tst_View::fittedViewKeepsEveryTrail_data() {
    QTest::addColumn<QSize>("arena");
    QTest::newRow("1500 x 1500") << QSize(1500, 1500);
    QTest::newRow("900 x 700") << QSize(900, 700);
    QTest::newRow("1500 x 300") << QSize(1500, 300);
}

void tst_View::fittedViewKeepsEveryTrail() {
    // One-pixel trails wander over an arena shown shrunk: every block a trail crosses shows a
    // trail's colour on the screen, partial repaints included; the arena's pixels are untouched.
    QFETCH(QSize, arena);
    Window w;
    w.Size(arena.width(), arena.height());
    w.game.SetView({zoom::Auto, false});
    w.game.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.game));
    const int k = w.game.CurrentScale().shrink;
    QVERIFY(k > 1);
    Canvas& canvas = w.board().Arena();
    const QImage before = canvas.Image();
    std::mt19937 random(static_cast<std::uint32_t>(arena.width()));
    QList<QPoint> trail;
    for (int rider = 1; rider <= 8; ++rider) {
        QPoint p(int(random() % arena.width()), int(random() % arena.height()));
        for (int step = 0; step < 400; ++step) {
            p += QPoint(int(random() % 3) - 1, int(random() % 3) - 1);
            p = QPoint(std::clamp(p.x(), 0, arena.width() - 3), std::clamp(p.y(), 0, arena.height() - 3));
            canvas.Circle(p.x(), p.y(), 0, colours::PlayerDefault[static_cast<std::size_t>(rider)]);
            trail << p;
        }
        w.board().Notify();
        w.game.ShowChanges();
    }
    const QImage shot = OnScreen(w.game);
    const double dpr = w.game.devicePixelRatioF();
    const int s = w.game.CurrentScale().device;
    const QPoint origin = w.game.Arena()->mapTo(&w.game, QPoint(0, 0)) * dpr;
    const QRgb back = Canvas::ToRgb(canvas.BackColor()) | 0xff000000u;
    for (const QPoint& p : trail)
        QVERIFY2(shot.pixel(origin + s * QPoint(p.x() / k, p.y() / k)) != back,
                 qPrintable(QStringLiteral("trail at %1, %2 lost").arg(p.x()).arg(p.y())));
    int changed = 0; // the arena holds exactly the trails, drawn at full size
    for (int y = 0; y < arena.height(); ++y)
        for (int x = 0; x < arena.width(); ++x) changed += canvas.Image().pixel(x, y) != before.pixel(x, y);
    QCOMPARE(changed, int(QSet<QPoint>(trail.begin(), trail.end()).size()));
}

void tst_View::layoutFollowsTheArenaWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("firstScore");
    QTest::addColumn<int>("lastScore");
    QTest::addColumn<int>("stopGo");
    QTest::newRow("360") << 360 << 108 << 276 << 328;
    QTest::newRow("357 rounds 178.5 to 178") << 357 << 106 << 274 << 326;
}

void tst_View::layoutFollowsTheArenaWidth() {
    QFETCH(int, width);
    const BoardLayout l = BoardLayout::For(width, 295);
    QTEST(l.scoreLeft[0], "firstScore");
    QTEST(l.scoreLeft[7], "lastScore");
    QTEST(l.stopGoLeft, "stopGo");
    QCOMPARE(l.statusWidth, width);
}

QTEST_MAIN(tst_View)
#include "tst_View.moc"
