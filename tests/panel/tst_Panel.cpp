#include "Machine.h"
#include "Language.h"
#include "TextCheck.h"
#include "ArenaView.h"
#include "IniFile.h"
#include "MessageBox.h"
#include "Stubs.h"
#include "NetworkMenu.h"
#include "frmMain.h"
#include "frmVyre.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QMenu>
#include <QAbstractButton>
#include <QtTest>

// The control panel with its game window, one or more "computers" in one process on the
// in-process bus, driven through their widgets.
class tst_Panel : public QObject {
    Q_OBJECT

    struct Machine : ::Machine {
        explicit Machine(InProcessBus& bus, const QByteArray& ini = {}) : ::Machine(bus, 7, ini) {
            panel.SetColourChooser([this](Colour, const QString& title) {
                chooserTitle = title;
                return chosen;
            });
            Start();
            in.GetCountdown().SetStepInterval(30);
        }
        QString Ini(const char* key) { return ReadIniString("Main", QLatin1String(key), in.State().IniFile); }

        std::optional<Colour> chosen;
        QString chooserTitle;
    };

private slots:
    void init() {
        qunsetenv("USERNAME");
        qunsetenv("USER");
    }
    void opensWithDefaultsWithoutAFile();
    void everyTextFollowsTheLanguageAtOnce();
    void rightToLeftMirrorsThePanelNotTheArena();
    void aChosenLanguageShowsAtOnceAndStays();
    void ridersFromThePanel();
    void loadingKeepsWhatTheFileHolds();
    void hostWithItsWindowClosedStillHearsRegistrations();
    void readsTheFileAndFallsBack_data();
    void readsTheFileAndFallsBack();
    void viewAndSoundSectionsRoundTrip_data();
    void viewAndSoundSectionsRoundTrip();
    void keysSectionIsWrittenCleanAndReadBack();
    void aCopyAloneIsToldWhatToCheck();
    void interlocksEnableTeamAndDiagonals();
    void colourPickerAppliesOrCancels();
    void registrationTakesTheFirstFreeSlot_data();
    void registrationTakesTheFirstFreeSlot();
    void lateStarterSeesTheRosterThroughRollCall();
    void aHostHeardNamesTheNextStep();
    void startMatchNeedsClientOne();
    void startMatchStoresAsTypedAndClamps();
    void wholeMatchThroughTheWindows();
    void theGameWindowsMenuActs_data();
    void theGameWindowsMenuActs();
};


void tst_Panel::everyTextFollowsTheLanguageAtOnce() {
    // Every window and dialog, opened in English; then another language comes (a pseudo one,
    // 40% longer) while it is open. Every text it shows changes at once, and none is cut.
    using namespace textcheck;
    InProcessBus bus;
    Machine m(bus);
    m.game.show();
    QStringList problems;
    Inspect([&] { return QList<QWidget*>{&m.panel, &m.game}; }, problems);
    QVERIFY(Problems(&m.panel).contains(QStringLiteral("frmMain button: Start Match"))); // the check can fail
    // Every window the menus open, but the two of Help that open the player's guide outside the program.
    QList<QWidget*> menus{m.panel.menuBar()};
    if (auto* bar = m.game.findChild<QMenuBar*>()) menus << bar;
    const int opened = OpenEvery(this, menus, {QStringLiteral("update"), QStringLiteral("Homepage")}, problems);
    QVERIFY2(opened >= 5, qPrintable(QString::number(opened))); // 6 where browsers may join
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void tst_Panel::aChosenLanguageShowsAtOnceAndStays() {
    // German chosen from View > Language while the panel, the game window and the Keys dialog
    // are open: each speaks it at once, from the built translation; a new start speaks it too.
    InProcessBus bus;
    QByteArray ini;
    QString dialogTitle;
    {
        Machine m(bus);
        m.game.show();
        QMenu* languages = m.game.ViewMenu()->findChild<QMenu*>(QStringLiteral("languageMenu"));
        QVERIFY(languages);
        emit languages->aboutToShow();
        QAction* german = nullptr;
        for (QAction* a : languages->actions())
            if (a->text() == QLatin1String("Deutsch")) german = a;
        QVERIFY2(german, "no German among the languages found beside the tests");
        QTimer watch; // until the dialog shows, however slow the machine
        connect(&watch, &QTimer::timeout, this, [&] {
            QWidget* keys = QApplication::activeModalWidget();
            if (!keys || !keys->isVisible()) return;
            watch.stop();
            german->trigger();
            QCoreApplication::processEvents();
            dialogTitle = keys->windowTitle();
            keys->close();
        });
        watch.start(50);
        m.panel.OpenKeys();
        QCOMPARE(dialogTitle, QStringLiteral("Tasten"));
        QCOMPARE(m.panel.cmdServer->text(), QStringLiteral("Match starten"));
        QCOMPARE(m.game.ViewMenu()->title().remove(QLatin1Char('&')), QStringLiteral("Ansicht"));
        QFile file(m.in.State().IniFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        ini = file.readAll();
    }
    language::Use(QString());
    QVERIFY(ini.contains("[View]") && ini.contains("Language=de"));
    Machine again(bus, ini);
    QCoreApplication::processEvents(); // as the program's loop does before its first paint
    const QString shown = again.panel.cmdServer->text();
    language::Use(QString());
    QCOMPARE(shown, QStringLiteral("Match starten"));
}

void tst_Panel::rightToLeftMirrorsThePanelNotTheArena() {
    // A right-to-left language: the panel's boxes change sides; the arena and the keys do not.
    InProcessBus bus;
    Machine m(bus);
    m.game.show();
    const QRect start = m.panel.cmdServer->geometry(), name = m.panel.txtName->geometry();
    const int serverFrame = m.panel.cmdServer->parentWidget()->width(), commonFrame = m.panel.txtName->parentWidget()->width();
    const QRect arena = m.game.Arena()->geometry();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    QCoreApplication::processEvents();
    const QRect mirrored = m.panel.cmdServer->geometry();
    const QRect nameMirrored = m.panel.txtName->geometry();
    const QRect arenaAfter = m.game.Arena()->geometry();
    MatchState& s = m.in.State();
    s.LocalPlayer = 0;
    s.Local().Direction = 1;
    QTest::keyClick(m.game.Arena(), Qt::Key_Left);
    const int steered = s.Local().RequestedDirection;
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCoreApplication::processEvents();
    QCOMPARE(mirrored, QRect(serverFrame - start.x() - start.width(), start.y(), start.width(), start.height()));
    QCOMPARE(nameMirrored.x(), commonFrame - name.x() - name.width());
    QCOMPARE(arenaAfter, arena);
    QCOMPARE(steered, 4); // the left arrow still steers left
    QCOMPARE(m.panel.cmdServer->geometry(), start);
}

void tst_Panel::opensWithDefaultsWithoutAFile() {
    InProcessBus bus;
    Machine m(bus);
    frmMain& p = m.panel;
    QCOMPARE(p.cboThickness->currentText(), QStringLiteral("1"));
    QCOMPARE(p.cboSnaptogrid->currentText(), QStringLiteral("Yes"));
    QCOMPARE(p.cboSpeed->currentText(), QStringLiteral("85"));
    QCOMPARE(p.cboTurbo->currentText(), QStringLiteral("Yes"));
    QCOMPARE(p.cboWarp->currentText(), QStringLiteral("No"));
    QCOMPARE(p.cboComplexity->currentText(), QStringLiteral("8"));
    QCOMPARE(p.cboMatch->currentText(), QStringLiteral("7"));
    QCOMPARE(p.cboPlayers->currentText(), QStringLiteral("2"));
    QCOMPARE(p.cboTeam->currentText(), QStringLiteral("No"));
    QVERIFY(!p.cboTeam->isEnabled());
    QCOMPARE(p.txtWidth->text(), QStringLiteral("360"));
    QCOMPARE(p.txtHeight->text(), QStringLiteral("295"));
    QCOMPARE(frmMain::SwatchColour(p.txtPointColor), colours::White);
    QCOMPARE(frmMain::SwatchColour(p.txtBackColor), colours::PanelBack);
    QVERIFY(p.txtName->text().startsWith(QStringLiteral("User")));
    const int number = p.txtName->text().mid(4).toInt();
    QVERIFY(number >= 1 && number <= 9999);
    {
        // Copies started together (here: the same seed) do not all meet one name.
        InProcessBus others;
        Machine second(others), third(others);
        QVERIFY(second.panel.txtName->text() != p.txtName->text() ||
                third.panel.txtName->text() != p.txtName->text());
    }
    QVERIFY(!p.cmdPause->isEnabled() && p.cmdResetMatch->isEnabled() && p.cmdStop->isEnabled());
    QVERIFY(m.game.isVisible());
    // Every option says what it does; a colour nobody chose says so.
    for (QGroupBox* frame : {p.fraCommon, p.fraServer})
        for (QWidget* w : frame->findChildren<QWidget*>())
            if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
                QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->objectName() + QLatin1Char(' ') + w->metaObject()->className()));
    QCOMPARE(p.txtPointColor->text(), QStringLiteral("Default"));
    // Under the colour-blind palette an empty roster box stays neutral: coloured, it looks taken.
    m.game.SetColours(palette::Colours::ColourBlindSafe);
    for (QLineEdit* box : p.txtClient) QCOMPARE(frmMain::SwatchColour(box), colours::FreeRosterBox);
}

void tst_Panel::ridersFromThePanel() {
    // A rider of the chosen level fills the first free box; its level is kept in a section of
    // its own, the [Main] keys untouched; after Client Registration riders can no longer be added.
    InProcessBus bus;
    Machine m(bus, "[Main]\nName=Ann\nPlayers=3\n");
    // The level is kept by its own name, not the one shown (which a translation changes).
    m.panel.cboLevel->setItemText(2, QStringLiteral("Schwer"));
    m.panel.cboLevel->setCurrentIndex(2);
    m.panel.cmdAddRider->click();
    QTRY_COMPARE(m.panel.RosterText(1), QStringLiteral("Computer 2 (Hard) ready!"));
    // Too long for its box, the name ends in an ellipsis and the tool tip holds it whole.
    QVERIFY(m.panel.txtClient[0]->text().endsWith(QChar(0x2026)));
    QCOMPARE(m.panel.txtClient[0]->toolTip(), PlainToolTip(QStringLiteral("Computer 2 (Hard) ready!")));
    QCOMPARE(ReadIniString("Riders", QStringLiteral("Level"), m.in.State().IniFile), QStringLiteral("Hard"));
    QCOMPARE(m.Ini("Players"), QStringLiteral("3"));
    QVERIFY(m.panel.cmdRemoveRider->isEnabled());
    m.panel.cmdRemoveRider->click();
    QTRY_COMPARE(m.panel.txtClient[0]->text(), QString());
    QVERIFY(!m.panel.cmdRemoveRider->isEnabled());
    m.panel.cmdClient->click();
    QVERIFY(!m.panel.cmdAddRider->isEnabled());

    m.panel.cboLevel->setCurrentIndex(0);
    m.panel.PopulateControls(); // as at the next start
    QCOMPARE(m.panel.cboLevel->currentIndex(), 2);
}

void tst_Panel::loadingKeepsWhatTheFileHolds() {
    // The boxes' limits hold what is typed, not what the file holds; Start Match clamps.
    InProcessBus bus;
    Machine m(bus, "[Main]\nWidth=10000\nHeight=20000\nName=Maximilian Alexander Long\n");
    QCOMPARE(m.panel.txtWidth->text(), QStringLiteral("10000"));
    QCOMPARE(m.panel.txtHeight->text(), QStringLiteral("20000"));
    QCOMPARE(m.panel.txtName->text(), QStringLiteral("Maximilian Alexander Long"));
    m.panel.txtWidth->clear();
    QTest::keyClicks(m.panel.txtWidth, QStringLiteral("123456"));
    QCOMPARE(m.panel.txtWidth->text(), QStringLiteral("1234"));
}

void tst_Panel::hostWithItsWindowClosedStillHearsRegistrations() {
    // Closing the host's game window keeps its network open: a registration made meanwhile
    // shows in its roster.
    InProcessBus bus;
    Machine host(bus), late(bus);
    host.panel.SetRosterText(1, QStringLiteral("Bo ready!"));
    QTest::mouseClick(host.panel.cmdServer, Qt::LeftButton);
    host.game.close();
    QVERIFY(host.game.IsUnloaded());
    late.panel.cmdClient->click();
    QTRY_COMPARE(host.panel.RosterText(1), QStringLiteral("%1 ready!").arg(late.panel.txtName->text()));
}

void tst_Panel::readsTheFileAndFallsBack_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("userName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("players");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<bool>("teamEnabled");
    QTest::newRow("four players enable Team")
        << QByteArray("[Main]\nPlayers=2\nName=Ann\n") << QByteArray() << "Ann"
        << "4"
        << "85" << true;
    QTest::newRow("empty values read as defaults")
        << QByteArray("[Main]\nPlayers=\nSpeed=\nName=\n") << QByteArray("bob") << "bob"
        << "2"
        << "85" << false;
    QTest::newRow("out of range and junk")
        << QByteArray("[Main]\nPlayers=99\nSpeed=abc\n") << QByteArray("c") << "c"
        << "2"
        << "85" << false;
    QTest::newRow("garbage file") << QByteArray("\xFF\xFE\x00garbage\n[[[\n=\n", 17) << QByteArray("d") << "d"
                                  << "2"
                                  << "85" << false;
}

void tst_Panel::readsTheFileAndFallsBack() {
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, userName);
    if (!userName.isEmpty()) qputenv("USERNAME", userName);
    InProcessBus bus;
    Machine m(bus, ini);
    QTEST(m.panel.txtName->text(), "name");
    QTEST(m.panel.cboPlayers->currentText(), "players");
    QTEST(m.panel.cboSpeed->currentText(), "speed");
    QTEST(m.panel.cboTeam->isEnabled(), "teamEnabled");
}

void tst_Panel::viewAndSoundSectionsRoundTrip_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("fullscreen");
    QTest::addColumn<int>("volume");
    QTest::addColumn<bool>("muted");
    const int v = SoundBoard::DefaultVolume;
    QTest::newRow("no file") << QByteArray() << int(zoom::Auto) << false << v << false;
    QTest::newRow("as stored") << QByteArray("[View]\nZoom=3\nFullscreen=1\n[Sound]\nVolume=40\nMute=1\n") << 3
                               << true << 40 << true;
    QTest::newRow("Auto, silent") << QByteArray("[View]\nZoom=Auto\nFullscreen=0\n[Sound]\nVolume=0\n")
                                  << int(zoom::Auto) << false << 0 << false;
    QTest::newRow("garbled") << QByteArray("[View]\nZoom=9\nFullscreen=yes please\n[Sound]\nVolume=101\nMute=on\n")
                             << int(zoom::Auto) << false << v << false;
    QTest::newRow("junk") << QByteArray("[View]\nZoom=2x\nFullscreen=\n[Sound]\nVolume=-5\nMute=\n")
                          << int(zoom::Auto) << false << v << false;
    QTest::newRow("in [Main] it is not ours") << QByteArray("[Main]\nZoom=2\nVolume=10\n") << int(zoom::Auto) << false
                                              << v << false;
}

void tst_Panel::viewAndSoundSectionsRoundTrip() {
    QFETCH(QByteArray, ini);
    QFETCH(int, zoom);
    QFETCH(bool, fullscreen);
    QFETCH(int, volume);
    QFETCH(bool, muted);
    InProcessBus bus;
    {
        Machine m(bus, ini);
        QCOMPARE(m.game.Sounds().Volume(), volume);
        QCOMPARE(m.game.Sounds().Muted(), muted);
        QCOMPARE(m.game.View().zoom, zoom);
        QCOMPARE(m.game.View().fullscreen, fullscreen);
        QCOMPARE(m.game.isFullScreen(), fullscreen);
        // Changed through the View menu, the choice is stored at once, and [Main] is untouched.
        const QString main = ReadIniString("Main", "Zoom", m.in.State().IniFile);
        for (QAction* a : m.panel.menuBar()->actions())
            if (a->menu() == m.game.ViewMenu())
                for (QAction* item : a->menu()->actions())
                    if (item->text() == QLatin1String("&Fullscreen")) item->trigger();
        m.game.SetZoom(zoom == 2 ? 4 : 2);
        m.game.Sounds().Menu()->actions().first()->trigger(); // Mute
        QCOMPARE(ReadIniString("Main", "Zoom", m.in.State().IniFile), main);
        QFile stored(m.in.State().IniFile);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        Machine again(bus, stored.readAll());
        QCOMPARE(again.game.View().zoom, zoom == 2 ? 4 : 2);
        QCOMPARE(again.game.View().fullscreen, !fullscreen);
        QCOMPARE(again.game.Sounds().Muted(), !muted);
        QCOMPARE(again.game.Sounds().Volume(), volume);
    }
}

void tst_Panel::keysSectionIsWrittenCleanAndReadBack() {
    InProcessBus bus;
    Machine m(bus, "[Keys]\nUp1=Wibble\nUp1=F6\nP9.Up1=W\n[Main]\nName=Kay\n");
    QCOMPARE(m.game.Keys().Describe(0, keys::Action::Up), QStringLiteral("Up, Num+8")); // the first Up1 counts
    keys::Bindings b = m.game.Keys();
    QVERIFY(!b.Bind(0, keys::Action::Up, 1, {Qt::Key_F5}));
    QVERIFY(!b.Bind(2, keys::Action::Turbo, 0, {0x416}));
    m.panel.ApplyKeys(b);
    QCOMPARE(ReadIniString("Keys", "Up1", m.in.State().IniFile), QStringLiteral("Up"));
    QCOMPARE(ReadIniString("Keys", "P3.Turbo1", m.in.State().IniFile), QString::fromUtf8("\xd0\x96"));
    QCOMPARE(m.Ini("Name"), QStringLiteral("Kay"));
    QFile stored(m.in.State().IniFile);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray text = stored.readAll();
    QCOMPARE(text.count("\nUp1="), 1);
    QVERIFY(!text.contains("P9.") && !text.contains("Wibble"));
    Machine again(bus, text);
    for (int seat = 0; seat < keys::Seats; ++seat)
        for (int a = 0; a < keys::ActionCount; ++a)
            QCOMPARE(again.game.Keys().Describe(seat, keys::Action(a)), b.Describe(seat, keys::Action(a)));

    // A seat nobody uses may keep the first player's key; it cannot join with it.
    Machine shared(bus, "[Keys]\nP2.Up1=Up\n");
    QCOMPARE(shared.game.Keys().Describe(1, keys::Action::Up).section(QLatin1Char(','), 0, 0), QStringLiteral("Up"));
    shared.panel.SetNameAsker([](const QString& name, int) { return std::optional<QString>(name); });
    shared.panel.AddLocalPlayer();
    QCOMPARE(shared.in.GetRoster().SeatsInUse(), 1u);
    QCOMPARE(shared.titled.size(), 1);
    QVERIFY2(shared.titled.first().contains(QStringLiteral("Up is the key for \"Up\" of Player 1 (you) and of Local player 2")),
             qPrintable(shared.titled.first()));

    // A new local player is asked with its seat's keys in view, and the colour chooser says whose.
    Machine fresh(bus);
    int asked = -1;
    fresh.panel.SetNameAsker([&asked](const QString&, int seat) {
        asked = seat;
        return std::optional<QString>(QStringLiteral("Ann"));
    });
    fresh.chosen = colours::PlayerDefault[6];
    fresh.panel.AddLocalPlayer();
    QCOMPARE(asked, 1);
    QCOMPARE(fresh.chooserTitle, QStringLiteral("Colour of Ann"));
    QVERIFY2(fresh.panel.SeatKeys(1).startsWith(QStringLiteral("W A S D to steer, ")), qPrintable(fresh.panel.SeatKeys(1)));
    QCOMPARE(fresh.in.GetRoster().SeatsInUse(), 3u);
}

void tst_Panel::aCopyAloneIsToldWhatToCheck() {
    // Nobody answers the start-up roll call: a notice names the port and the group, and
    // sending the roll call again with company there takes it away. A copy with company
    // never sees it.
    InProcessBus bus;
    Machine alone(bus);
    QTRY_VERIFY_WITH_TIMEOUT(alone.panel.Network().NoticeText().contains(QStringLiteral("UDP port 31314")), 4000);
    QVERIFY(alone.panel.Network().NoticeText().contains(QStringLiteral("234.10.20.31")));
    QVERIFY(alone.titled.isEmpty()); // not one of the game's message boxes
    QVERIFY(alone.panel.Network().NoticeText().startsWith(QStringLiteral("You are the only one here.")));
    Machine other(bus);
    alone.panel.tmrStart_Timer();
    QVERIFY(alone.panel.Network().NoticeText().isEmpty());
    QTest::qWait(2300);
    QVERIFY(alone.panel.Network().NoticeText().isEmpty());
    QVERIFY(other.panel.Network().NoticeText().isEmpty());

    // Its first answer fills the match's other seat with a computer rider.
    InProcessBus solo;
    Machine lone(solo);
    QTRY_VERIFY_WITH_TIMEOUT(!lone.panel.Network().NoticeText().isEmpty(), 4000);
    QPushButton* riders = nullptr;
    for (QPushButton* b : lone.panel.findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Add Computer Riders")) riders = b;
    QVERIFY(riders);
    riders->click();
    QTRY_COMPARE(lone.in.GetRoster().Riders().size(), std::size_t(1));
    QTRY_VERIFY(lone.panel.Network().NoticeText().isEmpty());
}

void tst_Panel::interlocksEnableTeamAndDiagonals() {
    InProcessBus bus;
    Machine m(bus);
    frmMain& p = m.panel;
    p.cboPlayers->setCurrentIndex(2);
    p.cboTeam->setCurrentIndex(1);
    p.cboPlayers->setCurrentIndex(1); // three players
    QVERIFY(!p.cboTeam->isEnabled());
    QCOMPARE(p.cboTeam->currentIndex(), 1);
    p.cboPlayers->setCurrentIndex(2);
    QVERIFY(p.cboTeam->isEnabled());
    QCOMPARE(p.cboTeam->currentIndex(), 1);
    p.cboThickness->setCurrentIndex(1);
    QVERIFY(!p.cboDiagonalMotion->isEnabled());
    p.cboThickness->setCurrentIndex(0);
    QVERIFY(p.cboDiagonalMotion->isEnabled());
}

void tst_Panel::colourPickerAppliesOrCancels() {
    InProcessBus bus;
    Machine m(bus);
    m.chosen = std::nullopt;
    QTest::mouseClick(m.panel.txtBackColor, Qt::LeftButton);
    QCOMPARE(m.Ini("BackColor"), QString());
    QCOMPARE(frmMain::SwatchColour(m.panel.txtBackColor), colours::PanelBack);
    m.chosen = 0x00FF00;
    QTest::mouseClick(m.panel.txtBackColor, Qt::LeftButton);
    QCOMPARE(m.Ini("BackColor"), QStringLiteral("65280"));
    QCOMPARE(m.game.palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(m.panel.fraServer->palette().color(QPalette::Window), QColor(0, 255, 0));
    m.chosen = 0x0000FF;
    QTest::mouseClick(m.panel.txtGridColor, Qt::LeftButton);
    QCOMPARE(m.Ini("GridColor"), QStringLiteral("255"));
}

void tst_Panel::registrationTakesTheFirstFreeSlot_data() {
    QTest::addColumn<QList<int>>("taken");
    QTest::addColumn<int>("slot");
    QTest::newRow("empty roster") << QList<int>{} << 1;
    QTest::newRow("gap in the middle") << QList<int>{1, 2, 4} << 3;
    QTest::newRow("all seven taken") << QList<int>{1, 2, 3, 4, 5, 6, 7} << -1;
}

void tst_Panel::registrationTakesTheFirstFreeSlot() {
    QFETCH(QList<int>, taken);
    InProcessBus bus;
    Machine m(bus);
    for (int s : taken) m.panel.SetRosterText(s, QStringLiteral("someone ready!"));
    m.panel.txtName->setText(QStringLiteral("Eve"));
    QTest::mouseClick(m.panel.cmdClient, Qt::LeftButton);
    QVERIFY(!m.panel.cmdServer->isEnabled() && !m.panel.cmdStop->isEnabled() &&
            !m.panel.cmdClient->isEnabled());
    QVERIFY(m.panel.cmdPause->isEnabled() && !m.panel.cboSpeed->isEnabled() && !m.panel.txtName->isEnabled());
    QTRY_VERIFY(!m.panel.tmrClient.isActive());
    QTEST(int(m.in.State().LocalPlayer), "slot");
    QCOMPARE(m.Ini("Name"), QStringLiteral("Eve"));
    QCOMPARE(m.Ini("Speed"), QString()); // only the name is saved
    if (taken.size() == 7) {
        QCOMPARE(m.titled, QStringList{"Lumivex: Only 7 instances can serve as clients"});
    } else {
        QTRY_COMPARE(m.panel.RosterText(m.in.State().LocalPlayer), QStringLiteral("Eve ready!"));
    }
}

void tst_Panel::lateStarterSeesTheRosterThroughRollCall() {
    InProcessBus bus;
    Machine a(bus), b(bus);
    a.panel.txtName->setText(QStringLiteral("Ann"));
    QTest::mouseClick(a.panel.cmdClient, Qt::LeftButton);
    QTRY_COMPARE(b.panel.RosterText(1), QStringLiteral("Ann ready!"));
    Machine late(bus);
    QCOMPARE(late.panel.RosterText(1), QString());
    QTRY_COMPARE(late.panel.RosterText(1), QStringLiteral("Ann ready!"));
}

void tst_Panel::aHostHeardNamesTheNextStep() {
    // Heard through its match or its answer to a late starter's roll call, a host makes
    // Client Registration the next step; taking the seat takes the hint away.
    InProcessBus bus;
    Machine host(bus), guest(bus);
    const QString hint = QStringLiteral("Press Client Registration to take a seat in the match");
    QTest::qWait(300);
    QVERIFY(!guest.panel.Network().LineText().contains(hint));
    host.panel.SetRosterText(1, QStringLiteral("Bo ready!"));
    QTest::mouseClick(host.panel.cmdServer, Qt::LeftButton);
    QTRY_VERIFY(guest.panel.Network().LineText().contains(hint));
    QVERIFY(guest.panel.cmdClient->isDefault());
    QVERIFY(!host.panel.Network().LineText().contains(hint));
    Machine late(bus);
    QTRY_VERIFY(late.panel.Network().LineText().contains(hint));
    QTest::mouseClick(guest.panel.cmdClient, Qt::LeftButton);
    QTRY_VERIFY(!guest.panel.Network().LineText().contains(hint));
    QVERIFY(!guest.panel.cmdClient->isDefault());
}

void tst_Panel::startMatchNeedsClientOne() {
    InProcessBus bus;
    Machine m(bus);
    Recorder rec(bus);
    m.panel.SetRosterText(2, QStringLiteral("Bo ready!"));
    QTest::mouseClick(m.panel.cmdServer, Qt::LeftButton);
    QCOMPARE(m.titled, QStringList{"Warning!: No Client 1!"});
    QTest::qWait(5);
    QVERIFY(rec.seen.isEmpty());
    QCOMPARE(m.Ini("Speed"), QString());
    QCOMPARE(int(m.in.State().LocalPlayer), -1);
}

void tst_Panel::startMatchStoresAsTypedAndClamps() {
    InProcessBus bus;
    Machine m(bus);
    Recorder rec(bus);
    m.panel.SetRosterText(1, QStringLiteral("Bo ready!"));
    m.panel.txtWidth->setText(QStringLiteral("2000"));
    m.panel.txtHeight->setText(QStringLiteral("abc"));
    m.panel.cboPlayers->setCurrentIndex(1); // three players: Team is disabled...
    m.panel.cboTeam->setCurrentIndex(1);    // ...though it shows Yes
    QTest::mouseClick(m.panel.cmdServer, Qt::LeftButton);
    QCOMPARE(m.Ini("Width"), QStringLiteral("2000"));
    QCOMPARE(m.Ini("Height"), QStringLiteral("abc"));
    QCOMPARE(m.panel.txtWidth->text(), QStringLiteral("1500"));
    QCOMPARE(m.panel.txtHeight->text(), QStringLiteral("200"));
    QCOMPARE(m.in.GetBoard().Arena().Width(), 1500);
    QCOMPARE(m.in.State().LocalPlayer, std::int16_t(0));
    QVERIFY(!m.in.State().TeamOn);
    QTRY_COMPARE(rec.Numbered(4).size(), 1);
    const QList<QByteArray> f = rec.Numbered(4).front().split(wire::Delimiter);
    QCOMPARE(f[1], QByteArray("200"));
    QCOMPARE(f[2], QByteArray("1500"));
    QCOMPARE(f[10], QByteArray("0")); // the host plays without teams, and says so
    QVERIFY(m.panel.cmdPause->isEnabled() && m.panel.cmdStop->isEnabled());
    QVERIFY(m.in.GetCountdown().IsRunning());
}

void tst_Panel::wholeMatchThroughTheWindows() {
    // One computer registers, another hosts; they play, pause, resume, reset the match and
    // start again with the same client, and Reset All frees everybody.
    InProcessBus bus;
    Machine client(bus), host(bus);
    client.panel.txtName->setText(QStringLiteral("Cli"));
    QTest::mouseClick(client.panel.cmdClient, Qt::LeftButton);
    QTRY_COMPARE(host.panel.RosterText(1), QStringLiteral("Cli ready!"));

    host.panel.cboMatch->setCurrentIndex(1); // two wins take the match
    QTest::mouseClick(host.panel.cmdServer, Qt::LeftButton);
    QTRY_VERIFY(host.panel.isMinimized());
    QTRY_VERIFY(client.in.GetCountdown().IsRunning());
    QVERIFY(!client.panel.cmdServer->isEnabled() && !client.panel.cmdStop->isEnabled());

    QTRY_VERIFY_WITH_TIMEOUT(host.in.Loop().IsRunning(), 5000);
    QTest::mouseClick(client.panel.cmdPause, Qt::LeftButton);
    QTRY_COMPARE(host.panel.cmdPause->text(), QStringLiteral("Resume"));
    QTRY_VERIFY(!client.panel.cmdPause->isEnabled());
    QTRY_VERIFY(!host.in.Loop().IsRunning());
    QTest::mouseClick(host.panel.cmdPause, Qt::LeftButton);
    QCOMPARE(host.in.GetBoard().StopGo().text, QStringLiteral("3"));
    QTRY_VERIFY(client.panel.cmdPause->isEnabled());
    QCOMPARE(client.in.GetBoard().Status(), QStringLiteral("Game Resumed!"));

    // Steer through the arena's keys: the client turns up and meets the top wall first.
    QTimer keys;
    connect(&keys, &QTimer::timeout, [&] { QTest::keyClick(client.game.Arena(), Qt::Key_Up); });
    keys.start(100);
    QTRY_VERIFY_WITH_TIMEOUT(host.in.State().MatchOver, 30000);
    keys.stop();
    QTest::qWait(20);
    QCOMPARE(client.titled.size(), 1);
    QVERIFY(client.titled.front().endsWith(QStringLiteral(" won the match!")));
    for (int i = 1; i <= 2; ++i) QCOMPARE(client.game.ScoreBox(i)->text(), host.game.ScoreBox(i)->text());
    // The scoreboard names its riders and leaves the empty seats blank; the panels, minimised
    // at the start, came back before the box that ended the match.
    QTRY_COMPARE(client.game.ScoreName(2)->text(), QStringLiteral("Cli"));
    QCOMPARE(client.game.ScoreBox(3)->text(), QString());
    QCOMPARE(client.game.ScoreName(3)->text(), QString());
    for (Machine* m : {&host, &client}) QVERIFY(!m->panel.isMinimized());

    QTest::mouseClick(host.panel.cmdResetMatch, Qt::LeftButton);
    QTRY_COMPARE(client.game.ScoreBox(1)->text(), QStringLiteral("0"));
    QTest::mouseClick(host.panel.cmdServer, Qt::LeftButton); // the same client takes part again
    QTRY_VERIFY(!client.in.State().MatchOver);
    QCOMPARE(client.in.State().LocalPlayer, std::int16_t(1));

    QTest::mouseClick(host.panel.cmdStop, Qt::LeftButton);
    QTRY_COMPARE(client.in.State().LocalPlayer, std::int16_t(-1));
    QCOMPARE(host.in.State().LocalPlayer, std::int16_t(-1));
    QVERIFY(client.panel.cmdClient->isEnabled() && client.panel.cmdServer->isEnabled());
    QCOMPARE(client.panel.RosterText(1), QString());
}

void tst_Panel::theGameWindowsMenuActs_data() {
    QTest::addColumn<bool>("onHost");
    QTest::addColumn<QString>("action");
    QTest::newRow("pause") << true << QStringLiteral("&Pause");
    QTest::newRow("the panel") << true << QStringLiteral("Show the &Control Panel");
    QTest::newRow("the game window, closed") << true << QStringLiteral("Show the &Game Window");
    QTest::newRow("leave") << false << QStringLiteral("&Leave Match");
}

void tst_Panel::theGameWindowsMenuActs() {
    // The right button's menu over the game window, and View's way back to the game window.
    QFETCH(bool, onHost);
    QFETCH(QString, action);
    InProcessBus bus;
    Machine client(bus), host(bus);
    QTest::mouseClick(client.panel.cmdClient, Qt::LeftButton);
    QTRY_VERIFY(!host.panel.RosterText(1).isEmpty());
    QTest::mouseClick(host.panel.cmdServer, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(host.in.Loop().IsRunning(), 5000);
    Machine& m = onHost ? host : client;
    if (onHost) QTRY_VERIFY(m.panel.isMinimized());
    if (action.contains(QStringLiteral("Game Window"))) {
        m.game.close();
        QVERIFY(m.game.IsUnloaded() && !m.game.isVisible());
    }
    QAction* chosen = nullptr;
    for (QMenu* menu : {m.game.GameMenu(), m.game.ViewMenu()}) {
        emit menu->aboutToShow();
        for (QAction* a : menu->actions())
            if (a->text() == action) chosen = a;
    }
    QVERIFY2(chosen && chosen->isEnabled(), qPrintable(action));
    chosen->trigger();
    if (action == QLatin1String("&Pause")) QTRY_VERIFY(host.in.State().Paused);
    if (action.contains(QStringLiteral("Panel"))) QTRY_VERIFY(!m.panel.isMinimized());
    if (action.contains(QStringLiteral("Game Window"))) QTRY_VERIFY(m.game.isVisible() && !m.game.IsUnloaded());
    if (action.contains(QStringLiteral("Leave"))) {
        QTRY_COMPARE(host.panel.RosterText(1), QString());
        QVERIFY(m.in.Control().Controls().optionsEnabled);
    }
}

QTEST_MAIN(tst_Panel)
#include "tst_Panel.moc"
