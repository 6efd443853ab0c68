#include "Machine.h"
#include "ArenaView.h"
#include "KeysDialog.h"
#include "ReplayFile.h"
#include "Stubs.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmReplay.h"
#include "frmVyre.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// Every window on a laptop's 1366 x 768 screen (and, run again, a 1920 x 1080 one): wholly
// on the screen, and no text on it cut or wider than the widget that shows it.
class tst_Screens : public QObject {
    Q_OBJECT

    struct Machine : ::Machine {
        explicit Machine(InProcessBus& bus) : ::Machine(bus, 5) { Start(); }
    };

    // The texts a window shows that do not fit where they are shown.
    static QStringList CutTexts(QWidget* top) {
        QStringList cut;
        const auto tooWide = [&cut](QWidget* w, const QString& text, int room) {
            QString plain = text;
            plain.remove(QLatin1Char('&'));
            if (!plain.isEmpty() && (w->fontMetrics().horizontalAdvance(plain) > room || plain.contains(QChar(0x2026))))
                cut << QStringLiteral("%1 \"%2\" (%3 > %4)").arg(QString::fromLatin1(w->metaObject()->className()), plain).arg(w->fontMetrics().horizontalAdvance(plain)).arg(room);
        };
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(top) || w->width() <= 0) continue;
            if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && l->pixmap().isNull())
                tooWide(l, l->text(), l->contentsRect().width());
            else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty())
                tooWide(b, b->text(), b->width() - 8 - (b->icon().isNull() ? 0 : b->iconSize().width() + 4));
            else if (auto* c = qobject_cast<QComboBox*>(w))
                tooWide(c, c->currentText(), c->width() - 20);
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                tooWide(g, g->title(), g->width() - 16);
        }
        // The title bar: its text, beside the frame's three buttons and the icon.
        QFont bold = top->font();
        bold.setBold(true);
        if (QFontMetrics(bold).horizontalAdvance(top->windowTitle()) + 110 > top->width())
            cut << QStringLiteral("title \"%1\"").arg(top->windowTitle());
        return cut;
    }

    static void Check(QWidget* w) {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect room = w->screen()->availableGeometry();
        QVERIFY2(room.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 on %6x%7")
                                .arg(w->windowTitle()).arg(w->frameGeometry().x()).arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width()).arg(w->frameGeometry().height())
                                .arg(room.width()).arg(room.height())));
        // Without fonts (Qt's offscreen platform on Windows has none) a text's width means nothing.
        if (QFontDatabase::families().isEmpty()) return;
        const QStringList cut = CutTexts(w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

private slots:
    void everyWindowFits_data();
    void everyWindowFits();
    void theArenaFillsTheScreen();
};

void tst_Screens::everyWindowFits_data() {
    QTest::addColumn<QString>("window");
    for (const char* w : {"panel", "game window", "keys", "add local player", "replay controls", "about"})
        QTest::newRow(w) << QString::fromLatin1(w);
}

void tst_Screens::everyWindowFits() {
    QFETCH(QString, window);
    InProcessBus bus;
    Machine m(bus);
    if (window == QLatin1String("panel")) {
        Check(&m.panel);
    } else if (window == QLatin1String("game window")) {
        Check(&m.game);
    } else if (window == QLatin1String("keys")) {
        KeysDialog keys(m.game.Keys(), nullptr, &m.panel);
        keys.show();
        Check(&keys);
    } else if (window == QLatin1String("add local player")) {
        // The real dialog, looked at while it waits for the player.
        bool seen = false;
        QTimer::singleShot(200, [&seen] {
            QWidget* ask = QApplication::activeModalWidget();
            QVERIFY(ask);
            Check(ask);
            seen = true;
            ask->close();
        });
        m.panel.AddLocalPlayer();
        QVERIFY(seen);
    } else if (window == QLatin1String("replay controls")) {
        replay::Contents contents;
        contents.result = replay::Result::Whole;
        contents.header.name = QStringLiteral("Ann");
        contents.header.startedMs = QDateTime::currentMSecsSinceEpoch();
        auto* replay = new frmReplay(std::move(contents));
        replay->Start();
        Check(replay);
        Check(&replay->Game());
        replay->close();
    } else {
        frmAbout about;
        about.Open();
        Check(&about);
    }
}

void tst_Screens::theArenaFillsTheScreen() {
    // The default arena at the largest whole zoom that fits: 2x on a laptop, 3x on 1920 x 1080,
    // in a window and fullscreen.
    InProcessBus bus;
    Machine m(bus);
    const int wanted = m.game.screen()->size().height() >= 1080 ? 3 : 2;
    QVERIFY(QTest::qWaitForWindowExposed(&m.game));
    QTRY_COMPARE(m.game.CurrentScale().device, wanted);
    m.game.SetFullscreen(true);
    QTRY_COMPARE(m.game.CurrentScale().device, wanted);
    QVERIFY(m.game.Sheet()->geometry().top() >= 0);
}

int main(int argc, char** argv) {
    // The screen, from LUMIVEX_TEST_SCREEN ("1920x1080"); a laptop's when unset.
    const QString size = qEnvironmentVariableIsSet("LUMIVEX_TEST_SCREEN") ? qEnvironmentVariable("LUMIVEX_TEST_SCREEN")
                                                                            : QStringLiteral("1366x768");
    // Beside the test, by a name without a drive letter: the platform's options are split at colons.
    const QString config = QStringLiteral("lumivex-screen-%1.json").arg(size);
    QFile f(config);
    if (f.open(QIODevice::WriteOnly))
        f.write(QStringLiteral(R"({"screens":[{"name":"test","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96,"dpr":1}]})")
                    .arg(size.section(QLatin1Char('x'), 0, 0), size.section(QLatin1Char('x'), 1, 1))
                    .toUtf8());
    f.close();
    qputenv("QT_QPA_PLATFORM", QStringLiteral("offscreen:configfile=%1").arg(config).toLocal8Bit());
    QApplication app(argc, argv);
    tst_Screens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_Screens.moc"
