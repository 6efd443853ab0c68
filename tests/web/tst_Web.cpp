// Seats lent to browsers, as a page and as a hostile client see them: a page joins, steers
// and leaves; every kind of bad client is turned away while the copy goes on answering the LAN.
#include "Stubs.h"
#include "WebFrames.h"
#include "WebSeats.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QWebSocket>
#include <QtTest>

#include <zlib.h>

namespace {
// The serving copy and the host on one in-process LAN, the serving copy lending seats on loopback.
struct Lan {
    InProcessBus bus;
    Node host{bus, 1};
    Node serving{bus, 2};
    Recorder heard{bus};
    WebSeats web{serving.instance.Window()};
    QString secret, origin;
    quint16 port = 0;
    Lan() {
        // Only 127.0.0.0/30 is this copy's network: 127.0.0.9 is another.
        web.SetLan([] { return WebSeats::Lan{QHostAddress(QStringLiteral("127.0.0.1")), {{QHostAddress(QStringLiteral("127.0.0.0")), 30}}}; });
        QString error;
        if (!web.Open(0, &error)) qFatal("cannot serve: %s", qPrintable(error));
        const QUrl url(web.Address());
        port = static_cast<quint16>(url.port());
        secret = url.path().mid(1);
        origin = QStringLiteral("http://127.0.0.1:%1").arg(port);
    }
    // A page's socket, connected; null when the copy would not have it.
    std::unique_ptr<QWebSocket> Page(const QString& origin, const QString& path) {
        auto page = std::make_unique<QWebSocket>(origin);
        page->open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(path)));
        QSignalSpy up(page.get(), &QWebSocket::connected);
        if (!up.wait(3000)) return nullptr;
        QTest::qWait(20); // the copy checks the page once it is upgraded
        return page->state() == QAbstractSocket::ConnectedState ? std::move(page) : nullptr;
    }
    std::unique_ptr<QWebSocket> Page() { return Page(origin, QStringLiteral("/%1/ws").arg(secret)); }
    // How long a roll call on the LAN waits for the serving copy's answer.
    qint64 RollCallAnsweredMs() {
        const qsizetype before = heard.Numbered(int(wire::Message::Register)).size();
        QElapsedTimer t;
        t.start();
        host.instance.SendData(wire::RollCall());
        while (heard.Numbered(int(wire::Message::Register)).size() == before && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return t.elapsed();
    }
};

void Say(QWebSocket& page, const QJsonObject& m) {
    page.sendTextMessage(QString::fromUtf8(QJsonDocument(m).toJson(QJsonDocument::Compact)));
}
bool Closed(QWebSocket& page) {
    return QTest::qWaitFor([&] { return page.state() == QAbstractSocket::UnconnectedState; }, 3000);
}
} // namespace

class tst_Web : public QObject {
    Q_OBJECT
private slots:
    void aPageJoinsIsSeenEverywhereAndLeaves();
    void hostileClientsAreTurnedAway_data();
    void hostileClientsAreTurnedAway();
    void patchesCarryTheArenasOwnPixels();
};

void tst_Web::aPageJoinsIsSeenEverywhereAndLeaves() {
    Lan lan;
    auto page = lan.Page();
    QVERIFY(page);
    QStringList got;
    connect(page.get(), &QWebSocket::textMessageReceived, this, [&](const QString& m) { got << m; });
    Say(*page, {{"t", "join"}, {"name", "Phone"}, {"colour", "#00c000"}});
    QTRY_VERIFY(lan.host.R().Name(1) == QStringLiteral("Phone"));
    QCOMPARE(lan.serving.R().SlotOfBrowser(1), 1);
    QTRY_VERIFY(got.join(QString()).contains(QStringLiteral("\"t\":\"joined\"")));
    // A roll call is answered for the page's rider too.
    QVERIFY(lan.RollCallAnsweredMs() < 100);
    // A silent close: every copy frees the seat.
    page->abort();
    QTRY_VERIFY(lan.host.R().Text(1).isEmpty());
    QCOMPARE(lan.web.Seats(), 0);
    QCOMPARE(lan.web.Diagnostics().dropped, 0);
}

void tst_Web::hostileClientsAreTurnedAway_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("refused"); // else dropped once connected
    QTest::newRow("wrong secret") << "secret" << true;
    QTest::newRow("wrong origin") << "origin" << true;
    QTest::newRow("another subnet") << "subnet" << true;
    QTest::newRow("17 connections") << "crowd" << true;
    QTest::newRow("oversized request") << "request" << true;
    QTest::newRow("oversized frame") << "frame" << false;
    QTest::newRow("input flood") << "flood" << false;
    QTest::newRow("binary garbage") << "binary" << false;
    QTest::newRow("not JSON") << "text" << false;
    QTest::newRow("unknown wish") << "wish" << false;
    QTest::newRow("no such direction") << "direction" << false;
}

void tst_Web::hostileClientsAreTurnedAway() {
    QFETCH(QString, how);
    QFETCH(bool, refused);
    Lan lan;
    auto fair = lan.Page(); // a fair page stays joined through it all
    QVERIFY(fair);
    Say(*fair, {{"t", "join"}, {"name", "Fair"}});
    QTRY_COMPARE(lan.web.Seats(), 1);

    std::vector<std::unique_ptr<QTcpSocket>> raw;
    std::unique_ptr<QWebSocket> bad;
    if (how == "secret") {
        bad = lan.Page(lan.origin, QStringLiteral("/AAAAAAAAAAAAAAAAAAAAAA/ws"));
    } else if (how == "origin") {
        bad = lan.Page(QStringLiteral("http://evil.example"), QStringLiteral("/%1/ws").arg(lan.secret));
    } else if (how == "subnet" || how == "request") {
        auto s = std::make_unique<QTcpSocket>();
        if (how == "subnet") QVERIFY(s->bind(QHostAddress(QStringLiteral("127.0.0.9"))));
        s->connectToHost(QHostAddress::LocalHost, lan.port);
        QVERIFY(s->waitForConnected(2000));
        s->write("GET /" + lan.secret.toLatin1() + " HTTP/1.1\r\nHost: x\r\n");
        if (how == "request") s->write("X-Padding: " + QByteArray(WebSeats::MostRequestBytes, 'a') + "\r\n");
        QVERIFY(QTest::qWaitFor([&] { return s->state() == QAbstractSocket::UnconnectedState; }, 3000));
        QVERIFY(s->readAll().isEmpty()); // not a byte of the page
        raw.push_back(std::move(s));
    } else if (how == "crowd") {
        for (int i = 0; i < WebSeats::MostConnections; ++i) { // the fair page is one already
            auto s = std::make_unique<QTcpSocket>();
            s->connectToHost(QHostAddress::LocalHost, lan.port);
            QVERIFY(s->waitForConnected(2000));
            raw.push_back(std::move(s));
        }
        QTest::qWait(50);
        int cut = 0;
        for (auto& s : raw) cut += s->state() == QAbstractSocket::UnconnectedState;
        QCOMPARE(cut, 1);
    } else {
        bad = lan.Page();
        QVERIFY(bad);
        if (how == "frame") Say(*bad, {{"t", "say"}, {"text", QString(WebSeats::MostMessageBytes, QLatin1Char('x'))}});
        if (how == "flood")
            for (int i = 0; i < 5 * WebSeats::InputsPerSecond; ++i) Say(*bad, {{"t", "turbo"}});
        if (how == "binary") bad->sendBinaryMessage(QByteArray(16, '\xff'));
        if (how == "text") bad->sendTextMessage(QStringLiteral("{\"t\": \"join\""));
        if (how == "wish") Say(*bad, {{"t", "fire"}});
        if (how == "direction") Say(*bad, {{"t", "join"}, {"name", "Bad"}});
        if (how == "direction") Say(*bad, {{"t", "go"}, {"d", 9}});
        QVERIFY(Closed(*bad));
    }
    if (how == "secret" || how == "origin") QVERIFY(!bad);
    if (refused) QTRY_VERIFY(lan.web.Diagnostics().refused >= 1);
    else QTRY_COMPARE(lan.web.Diagnostics().dropped, 1);
    // The copy goes on: its fair page rides, and the LAN hears it at once.
    QCOMPARE(lan.web.Seats(), 1);
    QCOMPARE(fair->state(), QAbstractSocket::ConnectedState);
    const qint64 ms = lan.RollCallAnsweredMs();
    QVERIFY2(ms < 100, qPrintable(QString::number(ms)));
}

void tst_Web::patchesCarryTheArenasOwnPixels() {
    // Pieces of a picture, packed and unpacked, give its pixels back; too many pieces go as one.
    QImage arena(360, 295, QImage::Format_RGB32);
    for (int y = 0; y < arena.height(); ++y)
        for (int x = 0; x < arena.width(); ++x) arena.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * y) & 0xFF));
    QRegion many;
    for (int i = 0; i < webframe::MostRects + 5; ++i) many |= QRect(3 * i, 2 * i, 2, 1);
    struct Case {
        QRegion region;
        quint8 flags;
        int rects;
        bool raw;
    };
    for (const Case& c : {Case{QRegion(QRect(10, 20, 5, 4)) | QRect(300, 200, 3, 3), 0, 2, true},
                          Case{many, 0, 1, false}, Case{QRegion(QRect(350, 290, 40, 40)), 0, 1, true},
                          Case{QRegion(), webframe::Whole | webframe::Resized, 1, false}}) {
        const QByteArray f = webframe::Patches(arena, c.region, c.flags);
        QCOMPARE(f.at(0), 'P');
        QCOMPARE(bool(f.at(1) & webframe::Raw), c.raw);
        const auto u16 = [&f](int at) { return int(quint8(f[at])) | int(quint8(f[at + 1])) << 8; };
        QCOMPARE(u16(2), 360);
        QCOMPARE(u16(6), c.rects);
        const int head = 8 + 8 * c.rects;
        QByteArray rgb = f.mid(head); // a few pieces come as they are
        uLongf size = static_cast<uLongf>(rgb.size());
        if (!(f.at(1) & webframe::Raw)) {
            rgb = QByteArray(360 * 295 * 3, 0);
            size = static_cast<uLongf>(rgb.size());
            QCOMPARE(uncompress(reinterpret_cast<Bytef*>(rgb.data()), &size,
                                reinterpret_cast<const Bytef*>(f.constData() + head), uLong(f.size() - head)),
                     Z_OK);
        }
        qsizetype k = 0;
        for (int r = 0; r < c.rects; ++r) {
            const QRect rect(u16(8 + 8 * r), u16(10 + 8 * r), u16(12 + 8 * r), u16(14 + 8 * r));
            QVERIFY(arena.rect().contains(rect));
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x, k += 3)
                    QCOMPARE(qRgb(quint8(rgb[k]), quint8(rgb[k + 1]), quint8(rgb[k + 2])), arena.pixel(x, y));
        }
        QCOMPARE(qsizetype(size), k);
    }
}

QTEST_MAIN(tst_Web)
#include "tst_Web.moc"
