#include "Machine.h"
#include "HelpFile.h"
#include "MessageBox.h"
#include "Messages.h"
#include "Names.h"
#include "Stubs.h"
#include "TrayIcon.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmVyre.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QScreen>
#include <QtTest>

// Tray icons, the About box, help and the installed files.
class tst_Desktop : public QObject {
    Q_OBJECT

    // A copy with its windows, whose browser and About box are stand-ins that count.
    struct Machine : ::Machine {
        explicit Machine(InProcessBus& bus) : ::Machine(bus, 3) {
            panel.SetOpener([this](const QUrl& u) {
                opened << u;
                return opens;
            });
            panel.SetAboutOpener([this] { ++abouts; });
            game.SetAboutOpener([this] { ++abouts; });
            Start();
        }
        QList<QUrl> opened;
        bool opens = true; // whether a browser takes the page
        int abouts = 0;
    };
    static QStringList Captions(const QMenu* m) {
        QStringList out;
        for (const QAction* a : m->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    static QAction* Item(const QMenu* m, const QString& text) {
        for (QAction* a : m->actions())
            if (a->text() == text) return a;
        return nullptr;
    }

private slots:
    void activationReasonsMapToActions_data();
    void activationReasonsMapToActions();
    void minimisingHidesOnlyWithATray();
    void trayMenusOfferTheFourItems();
    void exitFromTheGameWindowsTrayMenu();
    void aboutBoxOpensOnceAndLinks();
    void helpIsFoundBesideTheProgram();
    void installPutsEveryFileInPlace();
    void receivedNamesShowAsText_data();
    void receivedNamesShowAsText();
};

void tst_Desktop::activationReasonsMapToActions_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("action");
    using A = TrayIcon::Action;
    QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << int(A::Restore);
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << int(A::Restore);
    QTest::newRow("right click") << int(QSystemTrayIcon::Context) << int(A::Menu);
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << int(A::Nothing);
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << int(A::Nothing);
}

void tst_Desktop::activationReasonsMapToActions() {
    QFETCH(int, reason);
    QTEST(int(TrayIcon::ActionFor(QSystemTrayIcon::ActivationReason(reason))), "action");
}

void tst_Desktop::minimisingHidesOnlyWithATray() {
    InProcessBus bus;
    Machine m(bus);
    for (bool tray : {false, true}) {
        TrayIcon::Available() = [tray] { return tray; };
        m.panel.Minimise();
        m.game.Minimise();
        QTest::qWait(20);
        QCOMPARE(m.panel.isVisible(), !tray);
        QCOMPARE(m.game.isVisible(), !tray);
        m.game.Tray()->Activate(QSystemTrayIcon::Trigger); // a click on the icon brings it back
        TrayIcon::RestoreWindow(m.panel);
        QVERIFY(m.game.isVisible() && !m.game.isMinimized());
        QVERIFY(m.panel.isVisible() && !m.panel.isMinimized());
    }
    TrayIcon::Available() = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
}

void tst_Desktop::trayMenusOfferTheFourItems() {
    InProcessBus bus;
    Machine m(bus);
    const QStringList items{"&Restore", "&Minimize", "&About", "-", "&Exit"};
    QCOMPARE(Captions(m.game.PopupMenu()), items);
    QCOMPARE(Captions(m.panel.mPopupSys), items);
    QCOMPARE(m.game.PopupMenu()->title(), QStringLiteral("&Systray"));
    QCOMPARE(m.panel.mPopupSys->title(), QStringLiteral("&SysTray"));
    Item(m.game.PopupMenu(), QStringLiteral("&About"))->trigger();
    Item(m.panel.mPopupSys, QStringLiteral("&About"))->trigger();
    QCOMPARE(m.abouts, 2);
    TrayIcon::Available() = [] { return false; };
    Item(m.game.PopupMenu(), QStringLiteral("&Minimize"))->trigger();
    QVERIFY(m.game.isMinimized());
    Item(m.game.PopupMenu(), QStringLiteral("&Restore"))->trigger();
    QVERIFY(!m.game.isMinimized());
    TrayIcon::Available() = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
}

void tst_Desktop::exitFromTheGameWindowsTrayMenu() {
    // On the host only the game window closes; on a client the whole program ends.
    InProcessBus bus;
    Machine host(bus), client(bus);
    host.in.State().LocalPlayer = 0;
    client.in.State().LocalPlayer = 1;
    QSignalSpy hostEnded(&host.panel, &frmMain::unloaded), clientEnded(&client.panel, &frmMain::unloaded);
    Item(host.game.PopupMenu(), QStringLiteral("&Exit"))->trigger();
    Item(client.game.PopupMenu(), QStringLiteral("&Exit"))->trigger();
    QVERIFY(!host.game.isVisible() && host.panel.isVisible());
    QCOMPARE(hostEnded.count(), 0);
    QVERIFY(host.panel.cmdServer->isEnabled() && host.panel.cmdPause->isEnabled());
    QCOMPARE(clientEnded.count(), 1);
    QVERIFY(!client.panel.isVisible());
}

void tst_Desktop::aboutBoxOpensOnceAndLinks() {
    frmAbout about;
    QList<QUrl> opened;
    about.SetOpener([&opened](const QUrl& u) { opened << u; });
    about.Open();
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowTitle(), QStringLiteral("About Lumivex"));
    QCOMPARE(about.size(), QSize(282, 128));
    QVERIFY(about.screen()->availableGeometry().contains(about.frameGeometry())); // on the screen, whole
    QStringList texts;
    for (const QLabel* l : about.findChildren<QLabel*>()) texts << l->text();
    QVERIFY(texts.contains(QStringLiteral("Version: " LUMIVEX_VERSION)));
    QVERIFY(texts.contains(QStringLiteral("Help:")));
    QVERIFY(!texts.join(' ').contains(QStringLiteral("Homepage"))); // no site that does not exist
    about.move(10, 10);
    about.Open(); // a second request neither opens another box nor moves this one
    QCOMPARE(about.pos(), QPoint(10, 10));
    QTest::mouseClick(about.lblWebsite, Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{frmAbout::Website()});
    QPushButton* close = nullptr;
    for (QPushButton* b : about.findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Close")) close = b;
    QVERIFY(close);
    close->click();
    QVERIFY(!about.isVisible());
}

void tst_Desktop::helpIsFoundBesideTheProgram() {
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/lumivex"));
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QCOMPARE(HelpFile(bin), QString());
    auto touch = [](const QString& path) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    touch(prefix.filePath(QStringLiteral("share/lumivex/lumivex-help.html")));
    QCOMPARE(
        HelpFile(bin),
        QFileInfo(prefix.filePath(QStringLiteral("share/lumivex/lumivex-help.html"))).canonicalFilePath());
    touch(prefix.filePath(QStringLiteral("bin/lumivex.hlp"))); // a help file of one's own wins
    QCOMPARE(HelpFile(bin),
             QFileInfo(prefix.filePath(QStringLiteral("bin/lumivex.hlp"))).canonicalFilePath());

    InProcessBus bus;
    Machine m(bus);
    QAction* contents = nullptr; // the build puts the help beside this test, as beside the program
    for (QAction* a : m.panel.findChildren<QAction*>())
        if (a->text() == QStringLiteral("&Contents")) contents = a;
    QVERIFY(contents);
    QCOMPARE(contents->shortcut(), QKeySequence(Qt::Key_F1));
    // The help opened lists the keys as they are now.
    QVERIFY(!m.game.Keys().Bind(0, keys::Action::Up, 1, {Qt::Key_F5}));
    contents->trigger();
    QCOMPARE(m.opened.size(), 1);
    QFile shown(m.opened.front().toLocalFile());
    QVERIFY(shown.fileName().endsWith(QStringLiteral("lumivex-help.html")) && shown.open(QIODevice::ReadOnly));
    QVERIFY(shown.readAll().contains("<tr><td>Up</td><td>Up, F5</td>"));
    QVERIFY(m.boxes.isEmpty());
    // Without a browser the player is told where the help is.
    m.opens = false;
    contents->trigger();
    QCOMPARE(m.boxes.size(), 1);
    QVERIFY(m.boxes.front().contains(QDir::toNativeSeparators(shown.fileName())));
}

void tst_Desktop::installPutsEveryFileInPlace() {
#ifdef Q_OS_WIN
    QSKIP("the Windows files are laid out by tools/package-windows.sh, checked with the installer");
#endif
    QTemporaryDir prefix;
    QProcess install;
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(LUMIVEX_BUILD_DIR),
                                            QStringLiteral("--prefix"), prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QCOMPARE(install.exitCode(), 0);
    // The program's folder is the one this build installs to (games/ for the Debian package).
    const QString bin = QStringLiteral(LUMIVEX_INSTALL_BINDIR);
    QVERIFY(QFileInfo(prefix.filePath(bin + QStringLiteral("/lumivex"))).isExecutable());
    for (const char* file :
         {"share/applications/lumivex.desktop", "share/lumivex/lumivex-help.html",
          "share/icons/hicolor/scalable/apps/lumivex.svg", "share/icons/hicolor/48x48/apps/lumivex.png",
          "share/icons/hicolor/256x256/apps/lumivex.png"})
        QVERIFY2(QFileInfo::exists(prefix.filePath(QLatin1String(file))), file);
    QCOMPARE(
        HelpFile(prefix.filePath(bin)),
        QFileInfo(prefix.filePath(QStringLiteral("share/lumivex/lumivex-help.html"))).canonicalFilePath());
    QImage icon(prefix.filePath(QStringLiteral("share/icons/hicolor/48x48/apps/lumivex.png")));
    QCOMPARE(icon.size(), QSize(48, 48));
}

// A name from the network is cleaned of what could forge a line or reorder the text around
// it, and wherever it is shown (the match's winner box, a tool tip) its markup stays letters.
void tst_Desktop::receivedNamesShowAsText_data() {
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("shown");
    const QString link = QStringLiteral("<a href=\"https://example.net\">Claim prize</a>");
    QTest::newRow("a link") << link << link;
    QTest::newRow("markup") << QStringLiteral("<b>Bo</b><img src=x>") << QStringLiteral("<b>Bo</b><img src=x>");
    QTest::newRow("a line feed") << QStringLiteral("Bo\nAnn: gg") << QStringLiteral("BoAnn: gg");
    QTest::newRow("line and paragraph separators")
        << QStringLiteral("Bo\u2028Ann\u2029x") << QStringLiteral("BoAnnx");
    QTest::newRow("bidi override and isolate") << QStringLiteral("\u202Eevil\u2066x\u2069")
                                                << QStringLiteral("evilx");
    QTest::newRow("noncharacters") << QStringLiteral("B\uFFFEo\uFDD0") + QString::fromUcs4(U"\U0001FFFF")
                                   << QStringLiteral("Bo");
    QTest::newRow("a lone surrogate") << QStringLiteral("B") + QChar(0xD800) + QStringLiteral("o")
                                      << QStringLiteral("Bo");
    QTest::newRow("a pair is kept") << QString::fromUcs4(U"Bo\U0001F600") << QString::fromUcs4(U"Bo\U0001F600");
}

void tst_Desktop::receivedNamesShowAsText() {
    QFETCH(QString, received);
    QFETCH(QString, shown);
    const QString name = wire::CleanName(received);
    QCOMPARE(name, shown);
    QWidget parent;
    const QString text = Isolated(name) + QStringLiteral(" won the match!");
    QMessageBox* box = OpenMessageBox(&parent, text, QStringLiteral("Lumivex"), MessageIcon::None);
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->text(), text);
    QTextDocument tip;
    tip.setHtml(PlainToolTip(name));
    QCOMPARE(tip.toPlainText(), name);
}

QTEST_MAIN(tst_Desktop)
#include "tst_Desktop.moc"
