#include "ArenaView.h"
#include "Stubs.h"
#include "Zoom.h"
#include "frmVyre.h"

#include <QScreen>
#include <QtTest>

// The game window's zoom and fullscreen: what reaches the screen, pixel by pixel, and where.
// Run once as is and once with QT_SCALE_FACTOR=2.
class tst_View : public QObject {
    Q_OBJECT

    struct Window {
        Window() : net(bus), in(net, 3), game(in) {}
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
    void arenaPixelsCoverWholeDeviceSquares_data();
    void arenaPixelsCoverWholeDeviceSquares();
    void windowSizes_data();
    void windowSizes();
    void autoFitsTheRoom_data();
    void autoFitsTheRoom();
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
    const QPoint heads[] = {{57, 41}, {118, 88}, {1, 1}};
    for (const QPoint& h : heads) arena.Circle(h.x(), h.y(), 0, colours::PlayerDefault[5]);
    w.board().Notify();
    w.game.ShowChanges();
    const QImage shot = OnScreen(w.game);

    const double dpr = w.game.devicePixelRatioF();
    const int s = w.game.CurrentScale().device;
    QCOMPARE(s, static_cast<int>(std::lround(zoom * dpr)));
    const QPoint origin = w.game.Arena()->mapTo(&w.game, QPoint(0, 0)) * dpr;
    for (int y = 0; y < arena.Height(); ++y)
        for (int x = 0; x < arena.Width(); ++x) {
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
    // The pixel just past the arena is the window's, not a smear of the arena's last column.
    QCOMPARE(shot.pixel(origin.x() + s * arena.Width(), origin.y()), w.game.palette().color(QPalette::Window).rgb());
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
    QTest::newRow("3x, larger than the screen") << QSize(360, 295) << 3 << false << QSize(1128, 1239) << QPoint(0, 0);
    QTest::newRow("Auto, the default match") << QSize(360, 295) << zoom::Auto << false << QSize(376, 413)
                                             << QPoint(0, 0);
    QTest::newRow("Auto, small") << QSize(100, 100) << zoom::Auto << false << QSize(348, 654) << QPoint(0, 0);
    QTest::newRow("Auto, tiny") << QSize(60, 40) << zoom::Auto << false << QSize(380, 790) << QPoint(0, 0);
    QTest::newRow("fullscreen") << QSize(360, 295) << 3 << true << QSize(376, 413) << QPoint(212, 193);
    QTest::newRow("fullscreen, small") << QSize(100, 100) << 1 << true << QSize(348, 654) << QPoint(226, 73);
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
    // The arena scales with everything around it.
    QCOMPARE(w.game.Arena()->size(), arena * w.game.CurrentScale().device);
    if (fullscreen) {
        QCOMPARE(w.game.size(), w.game.screen()->geometry().size());
        w.game.SetFullscreen(false);
        QTRY_COMPARE(w.game.geometry(), before);
    }
}

void tst_View::autoFitsTheRoom_data() {
    QTest::addColumn<QSize>("layout");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<double>("dpr");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("device");
    QTest::newRow("4K, default match") << QSize(376, 413) << QSize(0, 30) << QSize(3840, 2110) << 1.0 << 5 << 5;
    QTest::newRow("the frame tips it") << QSize(376, 413) << QSize(0, 30) << QSize(1920, 855) << 1.0 << 1 << 1;
    QTest::newRow("exactly fits") << QSize(376, 413) << QSize(0, 30) << QSize(1920, 856) << 1.0 << 2 << 2;
    QTest::newRow("never below 1") << QSize(1516, 1618) << QSize() << QSize(800, 600) << 1.0 << 1 << 1;
    QTest::newRow("ratio 2") << QSize(376, 413) << QSize() << QSize(1920, 1080) << 2.0 << 2 << 4;
    QTest::newRow("ratio 1.5: whole device pixels") << QSize(376, 413) << QSize() << QSize(1280, 720) << 1.5 << 1 << 2;
}

void tst_View::autoFitsTheRoom() {
    QFETCH(QSize, layout);
    QFETCH(QSize, frame);
    QFETCH(QSize, room);
    QFETCH(double, dpr);
    QFETCH(int, zoom);
    const int z = zoom::Fitting(layout, frame, room, dpr);
    QCOMPARE(z, zoom);
    QTEST(zoom::ScaleFor(z, dpr).device, "device");
    QVERIFY(zoom::Scaled(layout, zoom::ScaleFor(z, dpr)).height() + frame.height() <= room.height() || z == 1);
}

QTEST_MAIN(tst_View)
#include "tst_View.moc"
