#include "RiderBrain.h"
#include "Stubs.h"

#include <QtTest>
#include <algorithm>

// Computer riders on the in-process bus: they register and leave like clients, steer any
// host through Steer, and play whole matches. The hosting runs through the roster model,
// with no widget.
class tst_Riders : public QObject {
    Q_OBJECT

private slots:
    void ridersPlayWholeMatches_data();
    void ridersPlayWholeMatches();
    void rosterMessagesForRiders();
    void slotTakenElsewhereMovesTheRider();
    void noFreeSlotRefusesWithoutSending();
    void aClientsRiderPlansFromWhatTheHostHolds();
    void theHostsRidersWaitAsLongAsAClientsWish_data();
    void theHostsRidersWaitAsLongAsAClientsWish();
};

namespace {
MatchControl::MatchOptions Options(int players) {
    MatchControl::MatchOptions o;
    o.settings = TestSettings(players);
    o.settings.matchScore = 2;
    o.settings.speed = 1;
    return o;
}

std::unique_ptr<Node> MakeNode(InProcessBus& bus, std::uint32_t seed) {
    auto n = std::make_unique<Node>(bus, seed);
    n->instance.GetCountdown().SetStepInterval(60);
    return n;
}

int Count(const Recorder& r, int number, int slot) {
    int n = 0;
    for (const QByteArray& d : r.Numbered(number))
        if (d.split(wire::Delimiter).value(1) == QByteArray::number(slot)) ++n;
    return n;
}
} // namespace

void tst_Riders::ridersPlayWholeMatches_data() {
    QTest::addColumn<int>("hostRiders");   // riders the host owns
    QTest::addColumn<int>("clientRiders"); // riders a second instance owns
    QTest::newRow("a host with 7 Hard riders") << 7 << 0;
    QTest::newRow("a plain host driven by another instance's two riders") << 0 << 2;
}

void tst_Riders::ridersPlayWholeMatches() {
    // The match ends with a winner on every instance; the riders of a non-hosting instance
    // reach the host only through their Steer messages.
    QFETCH(int, hostRiders);
    QFETCH(int, clientRiders);
    InProcessBus bus;
    auto host = MakeNode(bus, 1);
    auto other = MakeNode(bus, 2);
    for (int i = 0; i < hostRiders; ++i) QVERIFY(host->R().AddRider(RiderLevel::Hard));
    for (int i = 0; i < clientRiders; ++i) QVERIFY(other->R().AddRider(RiderLevel::Hard));
    QTRY_COMPARE(host->R().Text(1).isEmpty(), false);
    Recorder recorder(bus);

    MatchControl::MatchOptions o = Options(1 + hostRiders + clientRiders);
    QCOMPARE(host->instance.Control().StartMatch(o), MatchControl::Start::Started);
    QTRY_VERIFY_WITH_TIMEOUT(host->S().MatchOver, 120000);
    QTest::qWait(50);
    for (Node* n : {host.get(), other.get()}) {
        QVERIFY(n->S().MatchOver);
        QCOMPARE(n->boxes.size(), 1);
    }
    QCOMPARE(host->window.width, 360); // the hosting sequence sized the game window
    if (clientRiders > 0) {
        for (int slot = 1; slot <= clientRiders; ++slot) QVERIFY(Count(recorder, 2, slot) > 0);
        // Only wishes that changed went out: far fewer Steer messages than ticks.
        QVERIFY(recorder.Numbered(2).size() < recorder.Numbered(1).size() / 2);
    }
}

void tst_Riders::rosterMessagesForRiders() {
    // A roll call is answered with the owner's own Register and one per rider; removal and
    // exit say goodbye for each rider; after Reset All no rider is left anywhere.
    InProcessBus bus;
    auto owner = MakeNode(bus, 3);
    auto host = MakeNode(bus, 4);
    owner->R().AddRider(RiderLevel::Easy);
    owner->R().AddRider(RiderLevel::Normal);
    owner->R().AddRider(RiderLevel::Hard);
    QTRY_COMPARE(host->R().Text(3), QStringLiteral("Computer 4 (Hard) ready!"));
    QCOMPARE(host->R().Text(1), QStringLiteral("Computer 2 (Easy) ready!"));

    Recorder recorder(bus);
    auto late = MakeNode(bus, 5);
    late->instance.SendData(wire::RollCall());
    QTRY_COMPARE(late->R().Text(2), QStringLiteral("Computer 3 (Normal) ready!"));
    QTest::qWait(20);
    for (int slot = 1; slot <= 3; ++slot) QCOMPARE(Count(recorder, 9, slot), 1);

    QVERIFY(owner->R().RemoveRider(2));
    QTRY_COMPARE(host->R().Text(2), QString());
    QCOMPARE(Count(recorder, 13, 2), 1);
    owner->R().RemoveAllRiders(); // the program's exit
    QTRY_COMPARE(host->R().Text(1), QString());
    QCOMPARE(Count(recorder, 13, 1), 1);
    QCOMPARE(Count(recorder, 13, 3), 1);

    owner->R().AddRider(RiderLevel::Hard);
    QTRY_VERIFY(!host->R().Text(1).isEmpty());
    host->S().LocalPlayer = 0; // Reset All pressed on a host: everyone else forgets
    host->instance.SendData(wire::ResetAll());
    QTRY_VERIFY(owner->R().Riders().empty());
    QVERIFY(owner->instance.GetPilots().Empty());
    late->instance.SendData(wire::RollCall());
    QTest::qWait(30);
    QCOMPARE(late->R().Text(1), QString());
}

void tst_Riders::slotTakenElsewhereMovesTheRider() {
    // Two instances claimed slot 1 at once: the rider's owner gives it up and takes the next
    // free slot, noting it, and never keeps two riders in one slot.
    InProcessBus bus;
    auto owner = MakeNode(bus, 6);
    auto watcher = MakeNode(bus, 7);
    QSignalSpy notes(&owner->R(), &Roster::note);
    owner->R().AddRider(RiderLevel::Hard);
    QTRY_VERIFY(!watcher->R().Text(1).isEmpty());
    watcher->instance.SendData(wire::Register(1, QStringLiteral("Zoe"), colours::White));
    QTRY_COMPARE(watcher->R().Text(2), QStringLiteral("Computer 3 (Hard) ready!"));
    QCOMPARE(watcher->R().Text(1), QStringLiteral("Zoe ready!"));
    QCOMPARE(owner->R().Riders().size(), std::size_t(1));
    QCOMPARE(owner->R().Riders().front().slot, 2);
    QVERIFY(owner->instance.GetPilots().Has(2));
    QVERIFY(!owner->instance.GetPilots().Has(1));
    QCOMPARE(notes.count(), 1);
    // Our own announcement coming back is not a conflict.
    owner->instance.SendData(wire::RollCall());
    QTest::qWait(30);
    QCOMPARE(owner->R().Riders().front().slot, 2);
}

void tst_Riders::noFreeSlotRefusesWithoutSending() {
    // With all seven slots taken the rider is refused in the program's words; nothing is sent.
    InProcessBus bus;
    auto n = MakeNode(bus, 8);
    for (int slot = 1; slot <= 7; ++slot) n->R().SetText(slot, QStringLiteral("x"));
    Recorder recorder(bus);
    QVERIFY(!n->R().AddRider(RiderLevel::Hard));
    QTest::qWait(20);
    QCOMPARE(n->boxes, QStringList{QStringLiteral("Only 7 instances can serve as clients")});
    QVERIFY(recorder.seen.isEmpty());
}

void tst_Riders::aClientsRiderPlansFromWhatTheHostHolds() {
    // A client's rider against the host's, both Hard. Each wish the client's rider sends leaves
    // its request and turbo on the client as the host holds them once the Steer arrived there
    // (given the same direction): it plans its next move from what the host will really do.
#ifdef Q_OS_WIN
    // Under Wine the host's timer sometimes ticks before a queued Steer is taken, and the
    // pairs below then compare across a tick: the property is proven by the native runs.
    QSKIP("pairs Steers tick by tick; too slow under Wine to keep them on one tick");
#endif
    InProcessBus bus;
    auto host = MakeNode(bus, 11), client = MakeNode(bus, 12);
    for (Node* n : {host.get(), client.get()}) n->instance.GetCountdown().SetStepInterval(20);
    QVERIFY(client->R().AddRider(RiderLevel::Hard));
    QTRY_VERIFY(!host->R().Text(1).isEmpty());
    host->instance.GetPilots().Add(0, RiderLevel::Hard, 5);
    struct Held {
        int direction, requested, turbo;
    };
    QList<Held> atHost, atClient;
    const auto held = [](const PlayerRecord& p) { return Held{p.Direction, p.RequestedDirection, p.Turbo}; };
    // The host's record right after a Steer of the client's rider was taken.
    connect(&host->transport, &Transport::datagramArrived, this, [&](const QByteArray& d) {
        if (d.startsWith("2\x01" "1\x01")) atHost << held(host->S().Players[2]);
    });
    // The client's record as its rider sends each Steer.
    connect(&bus, &InProcessBus::sending, this, [&](const QByteArray& d) {
        if (d.startsWith("2\x01" "1\x01")) atClient << held(client->S().Players[2]);
    });
    wire::Settings m = TestSettings(2);
    m.speed = 20;
    m.matchScore = 100;
    BecomeHost(*host, m);
    QSignalSpy decided(&host->instance, &Instance::roundDecided);
    // Enough Steers to compare, however short the rounds (slow under the sanitizers).
    QTRY_VERIFY_WITH_TIMEOUT(decided.count() >= 3 && atClient.size() >= 80, 180000);
    QTRY_COMPARE(atHost.size(), atClient.size());
    int compared = 0;
    QStringList differ;
    for (qsizetype k = 0; k < atHost.size(); ++k) {
        const Held &c = atClient[k], &h = atHost[k];
        if (c.direction != h.direction) continue; // the host turned it in between
        ++compared;
        if (c.requested != h.requested || c.turbo != h.turbo)
            differ << QStringLiteral("request %1/%2 turbo %3/%4").arg(c.requested).arg(h.requested).arg(c.turbo).arg(h.turbo);
    }
    QVERIFY(compared > 30);
    QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QStringLiteral("; "))));
}

void tst_Riders::theHostsRidersWaitAsLongAsAClientsWish_data() {
    QTest::addColumn<int>("latencyMs");
    QTest::newRow("next door") << 0;
    QTest::newRow("a millisecond each way") << 1;
    QTest::newRow("four milliseconds each way") << 4;
}

void tst_Riders::theHostsRidersWaitAsLongAsAClientsWish() {
    // Where a tick is shorter than the trip a client's wish makes, the rider that acts first
    // wins nearly every duel. The host measures that trip and holds its own riders' wishes
    // as long; its own seats' answers (two riders here) are not a trip and must not count.
    QFETCH(int, latencyMs);
    InProcessBus bus;
    bus.SetFaults({.latencyMs = latencyMs}, 1);
    auto host = MakeNode(bus, 21), client = MakeNode(bus, 22);
    for (Node* n : {host.get(), client.get()}) n->instance.GetCountdown().SetStepInterval(20);
    QVERIFY(client->R().AddRider(RiderLevel::Hard));
    QTRY_VERIFY(!host->R().Text(1).isEmpty());
    QVERIFY(host->R().AddRider(RiderLevel::Hard));
    QVERIFY(host->R().AddRider(RiderLevel::Hard));
    host->instance.GetPilots().Add(0, RiderLevel::Hard, 5);
    wire::Settings m = TestSettings(4);
    m.speed = 20;
    m.matchScore = 100;
    BecomeHost(*host, m);
    QSignalSpy decided(&host->instance, &Instance::roundDecided);
    QTRY_VERIFY_WITH_TIMEOUT(decided.count() >= 3, 120000);
    const qint64 held = host->instance.GetPilots().WishDelay() / 1'000'000; // ms
    // At least the trip, and more by what the copies take to answer: on a busy run (the
    // sanitizers, Wine) that can be a tenth of a second, so only the floor is held to.
    QVERIFY2(held >= 2 * latencyMs, QByteArray::number(held).constData());
    QCOMPARE(client->instance.GetPilots().WishDelay(), 0); // a client's wishes cross anyway
}

QTEST_GUILESS_MAIN(tst_Riders)
#include "tst_Riders.moc"
