#include "ArenaView.h"
#include "Messages.h"
#include "Palette.h"
#include "Stubs.h"
#include "frmVyre.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QtTest>
#include <cmath>

// Colours everyone can tell apart, and names at the riders: only ever the picture.
class tst_Colours : public QObject {
    Q_OBJECT
private slots:
    void namesAtRidersNeverOverlap_data();
    void namesAtRidersNeverOverlap();
    void playersStayApartUnderEveryDeficiency_data();
    void playersStayApartUnderEveryDeficiency();
    void thePictureChangesNotTheArena_data();
    void thePictureChangesNotTheArena();
};

namespace {
// The simulation of Machado, Oliveira and Fernandes (2009) at full severity, on linear RGB.
using Matrix = std::array<std::array<double, 3>, 3>;
const Matrix Protanopia{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
const Matrix Deuteranopia{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
const Matrix Tritanopia{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double Linear(int c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
// CIE L*a*b* (D65) of a linear RGB triple, clipped to what a screen shows.
std::array<double, 3> Lab(std::array<double, 3> rgb) {
    for (double& v : rgb) v = std::clamp(v, 0.0, 1.0);
    const double X = 0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2];
    const double Y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double Z = 0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2];
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double fx = f(X / 0.95047), fy = f(Y), fz = f(Z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}
std::array<double, 3> Seen(QRgb c, const Matrix& m) {
    const std::array<double, 3> l{Linear(qRed(c)), Linear(qGreen(c)), Linear(qBlue(c))};
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i) out[i] = m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2];
    return Lab(out);
}
// The smallest CIE76 distance between two of these colours, as the eye of m sees them.
double Closest(const std::vector<QRgb>& colours, const Matrix& m) {
    double least = 1e9;
    for (std::size_t a = 0; a < colours.size(); ++a)
        for (std::size_t b = a + 1; b < colours.size(); ++b) {
            const auto p = Seen(colours[a], m), q = Seen(colours[b], m);
            least = std::min(least, std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]));
        }
    return least;
}
constexpr double ApartEnough = 15; // CIE76: clearly two colours at a glance
} // namespace

void tst_Colours::playersStayApartUnderEveryDeficiency_data() {
    QTest::addColumn<bool>("safe");
    QTest::addColumn<int>("deficiency");
    QTest::addColumn<bool>("apart");
    const char* names[] = {"protanopia", "deuteranopia", "tritanopia"};
    for (int d = 0; d < 3; ++d) QTest::addRow("safe palette, %s", names[d]) << true << d << true;
    // Today's default colours: two greens, a red and a brown run together for about one man in twelve.
    QTest::addRow("default colours, protanopia") << false << 0 << false;
    QTest::addRow("default colours, deuteranopia") << false << 1 << false;
}

void tst_Colours::playersStayApartUnderEveryDeficiency() {
    QFETCH(bool, safe);
    QFETCH(int, deficiency);
    QFETCH(bool, apart);
    std::vector<QRgb> shown;
    for (int i = 1; i <= 8; ++i)
        shown.push_back(Canvas::ToRgb(
            palette::Shown(safe ? palette::Colours::ColourBlindSafe : palette::Colours::AsChosen, i,
                           colours::PlayerDefault[i], colours::White)));
    const Matrix* m[] = {&Protanopia, &Deuteranopia, &Tritanopia};
    const double closest = Closest(shown, *m[deficiency]);
    qInfo("closest two players: %.1f", closest);
    QCOMPARE(closest >= ApartEnough, apart);
}

void tst_Colours::thePictureChangesNotTheArena_data() {
    QTest::addColumn<bool>("safe");
    QTest::addColumn<bool>("names");
    QTest::newRow("as chosen, no names") << false << false;
    QTest::newRow("as chosen, names") << false << true;
    QTest::newRow("colour-blind safe, no names") << true << false;
    QTest::newRow("colour-blind safe, names") << true << true;
}

// Two players chose one colour. With the palette on they are shown apart, the walls keep
// their colour, and the arena's own pixels, which crashes are judged on, are those of a copy
// with everything off; names show only over the picture.
void tst_Colours::thePictureChangesNotTheArena() {
    QFETCH(bool, safe);
    QFETCH(bool, names);
    auto play = [](frmVyre* window, Instance& in) {
        MatchState& s = in.State();
        s.LocalPlayer = -1;
        s.NumPlayers = 2;
        s.Thickness = 1;
        for (int i = 1; i <= 2; ++i) {
            s.Players[i].Color = colours::PlayerDefault[3]; // the same green
            s.Players[i].Name = QStringLiteral("Rider %1").arg(i);
        }
        in.GetBoard().ResizeArena(360, 295);
        if (window) window->ShowChanges();
        Dispatcher& d = in.GetDispatcher();
        for (int k = 0; k < 60; ++k) {
            wire::FieldList f;
            QByteArray p = "1";
            for (int v : {60 + k, 100, 300 - k, 200}) p += wire::Delimiter + QByteArray::number(v);
            for (int i = 0; i < 12; ++i) p += wire::Delimiter + QByteArray("0");
            for (int i = 0; i < 8; ++i) p += wire::Delimiter + QByteArray("85");
            d.tcpReceive_DataArrival(p + wire::Delimiter);
        }
        in.GetBoard().Notify();
    };
    auto hash = [](Instance& in) {
        const QImage& a = in.GetBoard().Arena().Image();
        return QCryptographicHash::hash(QByteArrayView(a.constBits(), a.sizeInBytes()),
                                        QCryptographicHash::Md5);
    };
    InProcessBus bus;
    BusTransport plainNet(bus), shownNet(bus);
    Instance plain(plainNet, 3), shown(shownNet, 3);
    frmVyre window(shown.Window());
    window.SetColours(safe ? palette::Colours::ColourBlindSafe : palette::Colours::AsChosen);
    window.SetNamesAtRiders(names);
    play(nullptr, plain);
    play(&window, shown);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowChanges();
    QCOMPARE(hash(shown), hash(plain));

    const QImage picture = window.Arena()->grab().toImage();
    const int z = window.CurrentScale().device; // the window zooms the arena to fit its screen
    const QPoint first = QPoint(90, 100) * z, second = QPoint(270, 200) * z; // along each rider's trail
    const QRgb a = picture.pixel(first), b = picture.pixel(second);
    QCOMPARE(a != b, safe);
    if (safe) {
        QCOMPARE(a, palette::SafeFor(1, 0xFFFFFFFF));
        QCOMPARE(b, palette::SafeFor(2, 0xFFFFFFFF));
    }
    QCOMPARE(picture.pixel(0, 0), shown.GetBoard().Arena().Image().pixel(0, 0)); // the walls: as they are
    QCOMPARE(QColor(window.ScoreBox(2)->palette().color(QPalette::Base)).rgb(),
             Canvas::ToRgb(window.ShownColour(2, shown.GetBoard().Score(2).color)));
    // The heads were drawn, but names show only at a round's start: from its setup (step "2")
    // through the countdown, in the colours shown.
    QVERIFY(window.Arena()->Tags().isEmpty());
    MatchControl::Settings settings;
    settings.players = 2;
    shown.Control().SettingsArrived(settings);
    shown.State().Players[1].Name = QStringLiteral("Ann");
    shown.GetCountdown().tmrStopGo_Timer(); // "3": the arena cleared
    window.ShowChanges();
    QVERIFY(window.Arena()->Tags().isEmpty());
    shown.GetCountdown().tmrStopGo_Timer(); // "2": the round set up, every rider at its start
    window.ShowChanges();
    const QList<ArenaView::Tag> tags = window.Arena()->Tags();
    QCOMPARE(tags.size(), names ? 2 : 0);
    if (names) {
        QCOMPARE(tags[0].name, QStringLiteral("Ann"));
        QCOMPARE(tags[1].colour.rgb(), Canvas::ToRgb(window.ShownColour(2, shown.State().Players[2].Color)));
        QCOMPARE(tags[0].head, QPoint(shown.State().Players[1].X, shown.State().Players[1].Y));
    }
}

void tst_Colours::namesAtRidersNeverOverlap_data() {
    QTest::addColumn<QList<QPoint>>("heads");
    QTest::addColumn<QSize>("view");
    QList<QPoint> cluster, column, row, corner;
    for (int i = 0; i < 8; ++i) {
        cluster << QPoint(350 + (i % 4) * 6, 290 + (i / 4) * 6);
        column << QPoint(360, 200 + i * 6);
        row << QPoint(300 + i * 12, 295);
        corner << QPoint(4 + i, 4 + i);
    }
    QTest::newRow("eight starting together") << cluster << QSize(720, 590);
    QTest::newRow("a column") << column << QSize(720, 590);
    QTest::newRow("a row across the middle") << row << QSize(720, 590);
    QTest::newRow("a corner of a small view") << corner << QSize(360, 295);
}

void tst_Colours::namesAtRidersNeverOverlap() {
    QFETCH(QList<QPoint>, heads);
    QFETCH(QSize, view);
    QList<QSize> sizes;
    for (int i = 0; i < heads.size(); ++i) sizes << QSize(110 + 7 * i, 16); // "Computer 8 (Hard)"
    const QList<QRect> at = ArenaView::PlaceTags(sizes, heads, view);
    QCOMPARE(at.size(), heads.size());
    for (int i = 0; i < at.size(); ++i) {
        QVERIFY(QRect(QPoint(), view).contains(at[i]));
        QCOMPARE(at[i].size(), sizes[i]);
        for (int j = 0; j < i; ++j)
            QVERIFY2(!at[i].intersects(at[j]), qPrintable(QStringLiteral("%1 and %2").arg(i + 1).arg(j + 1)));
    }
}

QTEST_MAIN(tst_Colours)
#include "tst_Colours.moc"
