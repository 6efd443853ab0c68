#include "Machine.h"
#include "ArenaView.h"
#include "Messages.h"
#include "ReplayKeeper.h"
#include "Stubs.h"
#include "frmMain.h"
#include "ReplayChooser.h"
#include "frmReplay.h"
#include "frmVyre.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QtTest>

// Replays on the desktop: the panel keeps every match it hears, watches a round again while
// the match goes on, and opens a replay only sealed off from the network.
class tst_Replays : public QObject {
    Q_OBJECT

    // A copy with its windows, on the bus beside a host whose computer riders play.
    struct Machine : ::Machine {
        explicit Machine(InProcessBus& bus) : ::Machine(bus, 3) {
            in.GetCountdown().SetStepInterval(60);
            Start(false);
            game.Load();
        }
        QString Folder() const { return ReplayKeeper::DefaultFolder(); }
        QStringList Kept() const {
            return QDir(Folder()).entryList({QStringLiteral("*.lumivex-replay")}, QDir::Files);
        }
    };
    struct Host {
        explicit Host(InProcessBus& bus) : node(bus, 9) {
            node.instance.GetCountdown().SetStepInterval(60);
            for (int i = 0; i < 3; ++i) node.R().AddRider(RiderLevel::Easy); // short rounds
        }
        void Start(int matchScore) {
            QTRY_VERIFY(!node.R().Text(3).isEmpty());
            MatchControl::MatchOptions o;
            o.settings = TestSettings(4);
            o.settings.matchScore = static_cast<std::int16_t>(matchScore);
            node.instance.Control().StartMatch(o);
        }
        Node node;
    };
    QTemporaryDir made_;

private slots:
    void watchAgainShowsTheRoundJustEnded();
    void openReplay_data();
    void openReplay();
    void oldestReplaysGo_data();
    void oldestReplaysGo();
    void heldMatchIsBounded();
};

// After a round the button is offered; watching again plays that round from the countdown's
// last second at the pace it was ridden in a window of its own (minus slows it to half), ends
// on its outcome, and any other key returns to the match, which went on.
void tst_Replays::watchAgainShowsTheRoundJustEnded() {
    InProcessBus bus;
    Machine m(bus);
    Host host(bus);
    QVERIFY(!m.panel.WatchAgain()); // nothing to watch yet
    host.Start(20);
    QSignalSpy decided(&m.in, &Instance::roundDecided);
    QVERIFY(decided.wait(30000));
    const QStringList scores = [&] {
        QStringList s;
        for (int i = 1; i <= 4; ++i) s << m.in.GetBoard().Score(i).text;
        return s;
    }();
    const auto outcome = m.in.Control().LastOutcome();
    QVERIFY(outcome);
    QVERIFY(m.game.StatusBox()->actions().contains(m.game.WatchAgainButton()));
    frmReplay* again = m.panel.WatchAgain();
    QVERIFY(again);
    QCOMPARE(again->Player().Speed(), 1.0);
    const auto& round = again->Player().Rounds().back();
    QVERIFY(again->Player().PositionMs() >= round.rideMs - 1000 && again->Player().PositionMs() < round.rideMs);
    QTest::keyClick(again->Game().Arena(), Qt::Key_Minus);
    QCOMPARE(again->Player().Speed(), 0.5);
    QSignalSpy ended(&again->Player(), &ReplayPlayer::ended);
    QVERIFY(ended.wait(30000));
    for (int i = 1; i <= 4; ++i) QCOMPARE(again->Copy().GetBoard().Score(i).text, scores[i - 1]);
    QCOMPARE(again->Copy().Control().LastOutcome(), outcome);
    QPointer<frmReplay> window = again;
    QTest::keyClick(again->Game().Arena(), Qt::Key_Q);
    QTRY_VERIFY(!window);
    QVERIFY(m.in.Control().MatchRunning()); // the match went on meanwhile
    QVERIFY(!m.in.Sealed());
}

void tst_Replays::openReplay_data() {
    QTest::addColumn<QString>("here"); // this copy's match
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("refusal"); // empty: the replay opens
    QTest::newRow("a copy in no match") << "none" << false << "";
    QTest::newRow("a copy that hosts a match") << "hosting" << false << "A match is running here: Reset Match first.";
    QTest::newRow("a host after Reset Match") << "reset" << false << "";
    QTest::newRow("a host whose match ended") << "ended" << false << "";
    QTest::newRow("a client in a match") << "riding" << false << "A match is running here: Leave Match first.";
    QTest::newRow("a copy watching a match") << "watching" << false << "";
    QTest::newRow("a file that is no replay") << "none" << true << "match.lumivex-replay cannot be played";
}

// A replay opens whenever no match runs here; while it plays this copy takes nothing it hears
// and says nothing, and once it is closed it is back on the network.
void tst_Replays::openReplay() {
    QFETCH(QString, here);
    QFETCH(bool, foreign);
    QFETCH(QString, refusal);
    InProcessBus bus;
    Machine m(bus);
    QTemporaryDir files;
    QString path = files.filePath(QStringLiteral("match.lumivex-replay"));
    const QString made = made_.filePath(QStringLiteral("made.lumivex-replay"));
    if (!QFile::exists(made)) { // one match's replay serves every row
        Host host(bus);
        host.Start(1);
        QTRY_VERIFY_WITH_TIMEOUT(host.node.S().MatchOver, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(m.Kept().size() == 1 && !m.panel.Keeper().Writing(),
                                 ReplayKeeper::TailMs + 2000);
        QVERIFY(QFile::copy(QDir(m.Folder()).filePath(m.Kept().first()), made));
    }
    QVERIFY(QFile::copy(made, path));
    if (foreign) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Main]\nName=not a replay\n");
    }
    // Open Replay lists a file by when, who and how long.
    const replaychooser::Summary summary = replaychooser::Summarise(path);
    QCOMPARE(summary.started.isValid(), !foreign);
    if (!foreign) {
        QVERIFY2(summary.players.contains(QStringLiteral("Host")), qPrintable(summary.players.join(',')));
        QVERIFY(summary.lengthMs > 0);
        QVERIFY(replaychooser::Length(summary.lengthMs).endsWith(QStringLiteral(" s")));
    }
    std::unique_ptr<Host> elsewhere;
    if (here == "hosting" || here == "reset" || here == "ended") {
        m.in.GetCountdown().SetStepInterval(60);
        if (here == "ended") m.in.GetRoster().AddRider(RiderLevel::Easy); // a match that ends
        QTRY_VERIFY(!m.in.GetRoster().Text(1).isEmpty() || here != "ended");
        if (here != "ended") m.in.GetRoster().SetText(1, QStringLiteral("Ann ready!"));
        MatchControl::MatchOptions o;
        o.settings = TestSettings(2);
        o.settings.matchScore = 1;
        QCOMPARE(m.in.Control().StartMatch(o), MatchControl::Start::Started);
        if (here == "reset") m.in.Control().ResetMatch();
        QTRY_VERIFY_WITH_TIMEOUT(m.in.Control().MatchRunning() == (here == "hosting"), 30000);
    } else if (here == "riding" || here == "watching") {
        if (here == "riding") m.in.State().LocalPlayer = 4;
        elsewhere = std::make_unique<Host>(bus);
        elsewhere->Start(1);
        QTRY_VERIFY(m.in.Control().MatchRunning());
    }
    Recorder heard(bus);
    m.boxes.clear(); // the match's winner
    QPointer<frmReplay> window = m.panel.OpenReplay(path);
    QCOMPARE(bool(window), refusal.isEmpty());
    if (!refusal.isEmpty()) {
        QCOMPARE(m.boxes.size(), 1);
        QVERIFY2(m.boxes.first().startsWith(refusal), qPrintable(m.boxes.first()));
        return;
    }
    QVERIFY(m.boxes.isEmpty());
    elsewhere.reset();
    QTest::qWait(50);
    heard.seen.clear();
    QCOMPARE(window->DamageNote(), QString()); // closed whole once the match was over
    QVERIFY(window->RoundList()->count() >= 1);
    QVERIFY(m.in.Sealed());
    BusTransport other(bus);
    other.InitSockets();
    other.SendData(wire::Register(4, QStringLiteral("Zoe"), 255));
    other.SendData(wire::RollCall());
    m.in.Chat().Say(QStringLiteral("hello"));
    QTest::qWait(100);
    QCOMPARE(m.in.GetRoster().Text(4), QString());
    window->Player().Seek(window->Player().DurationMs()); // a jump resets its own copy: not ours
    QTest::qWait(50);
    // What was said while the replay played. Back on its network, this copy may call the roll
    // and answer it at once (when a roll call came due while it watched): that is its own.
    const QList<QByteArray> whileWatching = heard.seen;
    window->close();
    QTRY_VERIFY(!window);
    QVERIFY(!m.in.Sealed());
    for (const QByteArray& d : whileWatching)
        QVERIFY2(d.startsWith("9\x01"
                              "4") ||
                     d.startsWith("11\x01"),
                 d.constData()); // only the other copy spoke
    other.SendData(wire::Register(4, QStringLiteral("Zoe"), 255));
    QTRY_COMPARE(m.in.GetRoster().Text(4), QStringLiteral("Zoe ready!"));
}

void tst_Replays::oldestReplaysGo_data() {
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("keep");
    QTest::newRow("more than kept") << 7 << 3;
    QTest::newRow("fewer than kept") << 2 << 50;
    QTest::newRow("none kept") << 4 << 0;
}

// The newest replays stay (by their time, not their names); other files in the folder are left alone.
void tst_Replays::oldestReplaysGo() {
    QFETCH(int, files);
    QFETCH(int, keep);
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < files; ++i) {
        // Names in the opposite order of their times.
        QFile f(dir.filePath(QStringLiteral("%1.lumivex-replay").arg(files - i)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.setFileTime(now.addSecs(i * 60), QFileDevice::FileModificationTime);
    }
    QFile other(dir.filePath(QStringLiteral("notes.txt")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    ReplayKeeper::Prune(dir.path(), keep);
    QStringList want;
    for (int i = files - 1; i >= std::max(0, files - keep); --i)
        want << QStringLiteral("%1.lumivex-replay").arg(files - i);
    QStringList left = QDir(dir.path()).entryList({QStringLiteral("*.lumivex-replay")}, QDir::Files);
    left.sort();
    want.sort();
    QCOMPARE(left, want);
    QVERIFY(other.exists());
}

// The match held for watching again keeps only messages this copy knows, and stops at its
// most: a flood of strangers' datagrams never piles up until the next match.
void tst_Replays::heldMatchIsBounded() {
    InProcessBus bus;
    Host host(bus);
    ReplayKeeper keeper(host.node.instance.Control(), host.node.instance.State(), host.node.transport); // in memory only
    host.Start(20);
    QTRY_VERIFY(!keeper.Match().empty());
    const std::size_t before = keeper.Match().size();
    const QByteArray unknown = "99" + QByteArray(1, wire::Delimiter) + QByteArray(1000, 'x');
    for (int i = 0; i < 150000; ++i) host.node.transport.Receive(unknown);
    QCOMPARE(keeper.Match().size(), before);
    QByteArray chat = wire::Chat(QStringLiteral("Ann"), 8, QStringLiteral("hello"));
    chat.append(QByteArray(1000, 'y')); // a long one, as a stranger may send
    for (int i = 0; i < 40000; ++i) host.node.transport.Receive(chat);
    qint64 held = 0;
    for (const replay::Record& r : keeper.Match()) held += r.datagram.size() + ReplayKeeper::RecordCost;
    QVERIFY(held <= ReplayKeeper::MostHeldBytes);
    QVERIFY(held > ReplayKeeper::MostHeldBytes - 2000);
    QSignalSpy decided(&host.node.instance, &Instance::roundDecided);
    QVERIFY(decided.wait(30000));
    QVERIFY(!keeper.RoundToWatch()); // its rounds are past what is held
}

QTEST_MAIN(tst_Replays)
#include "tst_Replays.moc"

