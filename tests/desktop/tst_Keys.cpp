#include "ArenaView.h"
#include "KeyBindings.h"
#include "KeysDialog.h"
#include "Stubs.h"
#include "frmVyre.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QtTest>

// Key bindings and the players who share one keyboard, down to the Steer bytes they send.
class tst_Keys : public QObject {
    Q_OBJECT
    using A = keys::Action;

    // A client copy (player 2, slot 1) with its game window, and a recorder on the bus.
    struct Client {
        Client() : net(bus), in(net, 5), game(in.Window()), rec(bus) {
            net.InitSockets();
            in.State().LocalPlayer = 1;
            in.State().TurboOn = 1;
        }
        QList<QByteArray> Steers() const { return rec.Numbered(int(wire::Message::Steer)); }
        void Press(const keys::Key& k) {
            // As X11 reports them: the side of a Shift key comes as its key symbol.
            const quint32 symbol = k.side == 1 ? 0xffe1 : k.side == 2 ? 0xffe2 : 0;
            QKeyEvent e(QEvent::KeyPress, k.code, k.keypad ? Qt::KeypadModifier : Qt::NoModifier, 0, symbol, 0);
            QCoreApplication::sendEvent(game.Arena(), &e);
            QCoreApplication::processEvents();
        }
        InProcessBus bus;
        BusTransport net;
        Instance in;
        frmVyre game;
        Recorder rec;
    };
    static keys::Key K(int code, bool keypad = false, int side = 0) { return {code, keypad, side}; }

private slots:
    void namesReadBackExactly_data();
    void namesReadBackExactly();
    void bindingsRefuseKeysTakenElsewhere_data();
    void bindingsRefuseKeysTakenElsewhere();
    void dialogTakesKeysWhereverTheFocusIs_data();
    void dialogTakesKeysWhereverTheFocusIs();
    void aGarbledSectionKeepsWhatIsGood();
    void aBoundKeySendsWhatTheDefaultSent_data();
    void aBoundKeySendsWhatTheDefaultSent();
    void localPlayersSteerTheirOwnSlots();
    void everyWishGoesInByOneRule_data();
    void everyWishGoesInByOneRule();
    void chatKeyOpensALineThatDoesNotSteer();
};

void tst_Keys::namesReadBackExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    for (const char* n : {"Up", "W", "Num+8", "Num+0", "Left Shift", "Right Shift", "Shift", "Right Ctrl", "Alt",
                          "F5", "Space", "Esc", "Backspace", "\xd0\x96" /* Ж */, "\xc3\x9c" /* Ü */})
        QTest::newRow(n) << QString::fromUtf8(n) << true;
    for (const char* n : {"", "up", "Wibble", "Left W", "Ctrl+W", "Num+", "W,S", "Left  Shift"})
        QTest::newRow(n[0] ? n : "empty") << QString::fromUtf8(n) << false;
}

void tst_Keys::namesReadBackExactly() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    const auto k = keys::Parse(name);
    QCOMPARE(k.has_value(), valid);
    if (valid) QCOMPARE(keys::Name(*k), name);
}

void tst_Keys::bindingsRefuseKeysTakenElsewhere_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("heldBySeat"); // -1: bound
    QTest::addColumn<int>("heldByAction");
    QTest::addColumn<unsigned>("inUse");     // the seats in use, bit n for seat n
    QTest::addColumn<bool>("clashOnJoin");    // bound to a seat not in use: joining would clash
    QTest::newRow("another action's key") << 0 << int(A::Turbo) << "Up" << 0 << int(A::Up) << keys::Bindings::AllSeats << false;
    // Seats nobody uses may share keys; joining is where they are checked.
    QTest::newRow("a seat not in use takes the first's key") << 2 << int(A::Up) << "Up" << -1 << 0 << 1u << true;
    QTest::newRow("the first takes the key of a seat not in use") << 0 << int(A::Turbo) << "W" << -1 << 0 << 1u << false;
    QTest::newRow("a seat in use refuses another's in use") << 1 << int(A::Up) << "Up" << 0 << int(A::Up) << 3u << false;
    QTest::newRow("a seat not in use, its own other action's key") << 1 << int(A::Turbo) << "W" << 1 << int(A::Up) << 1u << false;
    QTest::newRow("another seat's key") << 1 << int(A::Turbo) << "Space" << 0 << int(A::Turbo) << keys::Bindings::AllSeats << false;
    QTest::newRow("the left Shift is seat 2's") << 2 << int(A::Turbo) << "Left Shift" << 1 << int(A::Turbo) << keys::Bindings::AllSeats << false;
    QTest::newRow("the right Shift is free to take") << 0 << int(A::Turbo) << "Right Shift" << 2 << int(A::Turbo) << keys::Bindings::AllSeats << false;
    QTest::newRow("a free key") << 0 << int(A::Up) << "F5" << -1 << 0 << keys::Bindings::AllSeats << false;
    QTest::newRow("its own key again") << 1 << int(A::Up) << "W" << -1 << 0 << keys::Bindings::AllSeats << false;
    QTest::newRow("the keypad, shared with seat 1") << 3 << int(A::Up) << "Num+9" << -1 << 0 << keys::Bindings::AllSeats << false;
    QTest::newRow("the keypad, not between two others") << 1 << int(A::Up) << "Num+8" << 3 << int(A::Up) << keys::Bindings::AllSeats << false;
}

void tst_Keys::bindingsRefuseKeysTakenElsewhere() {
    QFETCH(int, seat);
    QFETCH(int, action);
    QFETCH(QString, key);
    QFETCH(int, heldBySeat);
    QFETCH(int, heldByAction);
    QFETCH(unsigned, inUse);
    QFETCH(bool, clashOnJoin);
    keys::Bindings b;
    const keys::Key k = *keys::Parse(key);
    const auto held = b.Bind(seat, A(action), 0, k, inUse);
    QCOMPARE(held.has_value(), heldBySeat >= 0);
    if (held) {
        QCOMPARE(held->seat, heldBySeat);
        QCOMPARE(int(held->action), heldByAction);
        QVERIFY(!(b.At(seat, A(action), 0) == k));
        // The dialog says so, naming the action.
        KeysDialog d(b, nullptr, nullptr, inUse);
        d.ShowSeat(seat);
        d.Listen(A(action), 0);
        QVERIFY(d.Press(k).contains(keys::ActionName(A(heldByAction))));
    } else {
        QCOMPARE(b.At(seat, A(action), 0), k);
        QVERIFY(!b.Find(k, seat, inUse & ~(1u << seat)) || !(inUse & (1u << seat))); // no other seat in use has it
        QCOMPARE(b.ClashOf(seat, inUse | 1u << seat).has_value(), clashOnJoin);
        b.RestoreDefaults();
        QCOMPARE(b.At(seat, A(action), 0), keys::Bindings::Defaults(seat)[size_t(action)][0]);
    }
}

// Keys typed into the shown dialog, as a player types them: the seat list holds the focus, and
// must not eat letters, arrows or Space while a key is being chosen.
void tst_Keys::dialogTakesKeysWhereverTheFocusIs_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("refusal"); // empty: bound
    QTest::newRow("a letter") << int(Qt::Key_X) << int(Qt::NoModifier) << QString();
    QTest::newRow("another seat's letter") << int(Qt::Key_W) << int(Qt::NoModifier)
                                           << "W is already the key for \"Up\" of Local player 2.";
    QTest::newRow("an arrow") << int(Qt::Key_Left) << int(Qt::NoModifier) << "Left is already the key for \"Left\".";
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << "Space is already the key for \"Turbo\".";
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << QString();
    QTest::newRow("a free keypad key") << int(Qt::Key_5) << int(Qt::KeypadModifier) << QString();
    QTest::newRow("a taken keypad key") << int(Qt::Key_8) << int(Qt::KeypadModifier)
                                        << "Num+8 is already the key for \"Up\".";
    QTest::newRow("a modifier") << int(Qt::Key_Control) << int(Qt::ControlModifier) << QString();
}

void tst_Keys::dialogTakesKeysWhereverTheFocusIs() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, refusal);
    KeysDialog d{keys::Bindings()};
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto* seats = d.findChild<QComboBox*>();
    seats->setFocus();
    d.Listen(A::Pause, 1);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &d;
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(d.Message(), refusal);
    const keys::Key bound = d.Bindings().At(0, A::Pause, 1);
    QCOMPARE(bound.code, refusal.isEmpty() ? key : 0);
    QCOMPARE(seats->currentIndex(), 0); // the seat shown stays
}

void tst_Keys::aGarbledSectionKeepsWhatIsGood() {
    const QHash<QString, QString> file = {
        {QStringLiteral("Up1"), QStringLiteral("F5")},         // good
        {QStringLiteral("Up2"), QStringLiteral("Wibble")},     // unknown: the default
        {QStringLiteral("Down1"), QStringLiteral("F5")},       // twice: the first place keeps it
        {QStringLiteral("Turbo1"), QStringLiteral("Num+0")},   // seat 4's default, shared on the keypad
        {QStringLiteral("Pause2"), QStringLiteral("None")},    // cleared on purpose
        {QStringLiteral("P2.Up1"), QStringLiteral("Up")},      // the first seat's default arrow: taken over
        {QStringLiteral("P3.Turbo1"), QString::fromUtf8("\xd0\x96")},
    };
    keys::Bindings b;
    b.Load([&file](const QString& entry) { return file.value(entry); });
    QCOMPARE(b.Describe(0, A::Up), QStringLiteral("F5, Num+8"));
    QCOMPARE(b.Describe(0, A::Down), QStringLiteral("Num+2"));
    QCOMPARE(b.Describe(0, A::Turbo), QStringLiteral("Num+0"));
    QCOMPARE(b.Describe(0, A::Pause), QStringLiteral("Esc"));
    QCOMPARE(b.Describe(1, A::Up), QStringLiteral("Up"));
    QCOMPARE(b.Describe(2, A::Turbo), QString::fromUtf8("\xd0\x96"));
    QCOMPARE(b.Describe(3, A::Turbo), QStringLiteral("Num+0"));
    // Nothing is bound twice, whatever the file said.
    for (int s = 0; s < keys::Seats; ++s)
        for (int a = 0; a < keys::ActionCount; ++a)
            for (int i = 0; i < keys::PerAction; ++i)
                if (const keys::Key& k = b.At(s, A(a), i); !k.IsNone()) QCOMPARE(b.Find(k, s)->action, A(a));
}

void tst_Keys::aBoundKeySendsWhatTheDefaultSent_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("defaultKey");
    QTest::addColumn<int>("newKey");
    QTest::newRow("up on F5") << int(A::Up) << int(Qt::Key_Up) << int(Qt::Key_F5);
    QTest::newRow("left on a Cyrillic letter") << int(A::Left) << int(Qt::Key_Left) << 0x416;
    QTest::newRow("turbo on G") << int(A::Turbo) << int(Qt::Key_Space) << int(Qt::Key_G);
}

void tst_Keys::aBoundKeySendsWhatTheDefaultSent() {
    QFETCH(int, action);
    QFETCH(int, defaultKey);
    QFETCH(int, newKey);
    Client a, b;
    a.in.State().Local().Direction = b.in.State().Local().Direction = 2;
    QVERIFY(!b.game.Keys().Bind(0, A(action), 1, K(newKey)));
    a.Press(K(defaultKey));
    b.Press(K(newKey));
    QCOMPARE(a.Steers().size(), 1);
    QCOMPARE(b.Steers(), a.Steers());
    b.Press(K(defaultKey)); // the default still works beside it
    QCOMPARE(b.Steers().size(), 2);
}

void tst_Keys::localPlayersSteerTheirOwnSlots() {
    Client c;
    const int ann = *c.in.GetRoster().AddLocalPlayer(QStringLiteral("Ann"), colours::PlayerDefault[3]);
    const int bo = *c.in.GetRoster().AddLocalPlayer(QStringLiteral("Bo"), colours::PlayerDefault[4]);
    QCOMPARE(QSet<int>({ann, bo}), QSet<int>({2, 3}));
    MatchState& s = c.in.State();
    s.Players[ann + 1].Direction = 3; // Ann rides down, Bo right
    s.Players[bo + 1].Direction = 2;
    s.Local().Direction = 2;
    auto steeredSlots = [&c] {
        QList<int> out;
        for (const QByteArray& d : c.Steers()) out << d.split(wire::Delimiter).value(1).toInt();
        return out;
    };
    // Each seat's keys steer its own rider, and each key that steers sends, refused or not.
    c.Press(K(Qt::Key_W)); // Ann rides down: up would reverse
    c.Press(K(Qt::Key_A));
    c.Press(K(Qt::Key_J)); // Bo rides right: left would reverse
    c.Press(K(Qt::Key_I));
    c.Press(K(Qt::Key_Shift, false, 1));
    c.Press(K(Qt::Key_Up));
    QCOMPARE(steeredSlots(), QList<int>({ann, ann, bo, bo, ann, 1}));
    QCOMPARE(c.Steers()[4], wire::Steer(ann, 4, 1));
    // Nobody's keys moved anyone else's rider.
    QCOMPARE(s.Players[bo + 1].RequestedDirection, 1);
    QCOMPARE(s.Players[ann + 1].RequestedDirection, 4);
    QCOMPARE(s.Local().RequestedDirection, 1);
    // A roll call is answered for every seat, and removal says goodbye for each.
    const qsizetype before = c.rec.Numbered(int(wire::Message::Register)).size();
    c.in.GetRoster().AnswerRollCall(true);
    QCoreApplication::processEvents();
    QList<int> answered;
    for (const QByteArray& d : c.rec.Numbered(int(wire::Message::Register)).mid(before))
        answered << d.split(wire::Delimiter).value(1).toInt();
    QCOMPARE(answered, QList<int>({1, ann, bo}));
    c.in.GetRoster().RemoveAllRiders();
    QCoreApplication::processEvents();
    QCOMPARE(c.rec.Numbered(int(wire::Message::Unregister)).size(), 2);
}

void tst_Keys::chatKeyOpensALineThatDoesNotSteer() {
    // T opens a line over the status line; what is typed there steers nothing; Enter sends it
    // as Chat, Esc puts it away unsent; the arena has the keys again afterwards.
    Client c;
    c.game.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c.game));
    c.in.Chat().SetSpeaker([] { return std::pair<QString, Colour>{QStringLiteral("Cy"), 255}; });
    const auto steers = c.Steers().size();
    c.Press(K(Qt::Key_T));
    QVERIFY(c.game.ChatInput()->isVisible());
    QTest::keyClicks(c.game.ChatInput(), QStringLiteral("wasd hi"));
    QTest::keyClick(c.game.ChatInput(), Qt::Key_Left);
    QCOMPARE(c.Steers().size(), steers);
    QTest::keyClick(c.game.ChatInput(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(!c.game.ChatInput()->isVisible());
    QCOMPARE(c.rec.Numbered(20), QList<QByteArray>{wire::Chat(QStringLiteral("Cy"), 255, QStringLiteral("wasd hi"))});
    QTRY_COMPARE(c.game.Arena()->ShownSaid().size(), 1); // over the arena for a while
    c.Press(K(Qt::Key_T));
    // Near the limit the line counts down what is left.
    const auto left = [&c] {
        for (QLabel* l : c.game.ChatInput()->findChildren<QLabel*>())
            if (l->isVisible()) return l->text();
        return QString();
    };
    c.game.ChatInput()->setText(QString(wire::MaxChatLength - 25, QLatin1Char('x')));
    QCOMPARE(left(), QString());
    c.game.ChatInput()->setText(QString(wire::MaxChatLength - 7, QLatin1Char('x')));
    QCOMPARE(left(), QStringLiteral("7"));
    c.game.ChatInput()->clear();
    QTest::keyClicks(c.game.ChatInput(), QStringLiteral("never mind"));
    QTest::keyClick(c.game.ChatInput(), Qt::Key_Escape);
    QVERIFY(!c.game.ChatInput()->isVisible());
    QCOMPARE(c.rec.Numbered(20).size(), 1);
    c.Press(K(Qt::Key_F9)); // bound to nothing: sends nothing
    QCOMPARE(c.Steers().size(), steers);
    c.Press(K(Qt::Key_Up));
    QCOMPARE(c.Steers().size(), steers + 1);
}

QTEST_MAIN(tst_Keys)
#include "tst_Keys.moc"

// Every wish goes in by one way and one rule, whoever makes it: a key of the first seat or of
// another local seat, a pad, a computer rider, or on the host a Steer from another copy. A
// turn is taken; a reversal is refused, but for a Steer, which the host takes as its sender
// decided; the turbo switches only where the match allows turbo; and what is bound to nothing
// does nothing. A wish made here goes on the wire, one Steer each; a Steer heard does not.
void tst_Keys::everyWishGoesInByOneRule_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("wish"); // turn, reversal, turbo, nothing
    QTest::addColumn<bool>("turboOn");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("turbo");
    QTest::addColumn<int>("steers");
    for (const char* way : {"first seat's key", "second seat's key", "pad", "computer rider", "Steer"}) {
        const bool heard = QByteArray(way) == "Steer";
        const bool local = !heard;
        const QByteArray w = QByteArray(way) + ": ";
        QTest::newRow(w + "a turn") << way << "turn" << true << 1 << 0 << int(local);
        QTest::newRow(w + "a reversal") << way << "reversal" << true << (heard ? 4 : 0) << 0 << int(local);
        QTest::newRow(w + "the turbo") << way << "turbo" << true << 0 << 1 << int(local);
        QTest::newRow(w + "the turbo in a match without it")
            << way << "turbo" << false << 0 << 0 << int(local);
        if (QByteArray(way) != "computer rider") // a rider has nothing to bind
            QTest::newRow(w + "nothing bound") << way << "nothing" << true << 0 << 0 << 0;
    }
}

void tst_Keys::everyWishGoesInByOneRule() {
    QFETCH(QString, way);
    QFETCH(QString, wish);
    QFETCH(bool, turboOn);
    Client c;
    MatchState& s = c.in.State();
    s.TurboOn = turboOn;
    const bool heard = way == QLatin1String("Steer");
    const bool second = way == QLatin1String("second seat's key") || way == QLatin1String("pad");
    if (heard) s.LocalPlayer = 0;
    const int slot =
        second ? *c.in.GetRoster().AddLocalPlayer(QStringLiteral("Ann"), colours::PlayerDefault[3]) : 2;
    if (way == QLatin1String("first seat's key")) s.LocalPlayer = slot;
    PlayerRecord& rider = s.Players[slot + 1];
    rider.Direction = 2; // riding right
    const A action = wish == QLatin1String("turn")       ? A::Up
                     : wish == QLatin1String("reversal") ? A::Left
                                                         : A::Turbo;
    const int direction = keys::DirectionOf(action, false, false);
    const bool nothing = wish == QLatin1String("nothing");
    if (way == QLatin1String("pad")) {
        c.game.BindPad(7, 1);
        Pads& pads = c.game.GetPads();
        if (nothing)
            emit pads.pressed(7, QStringLiteral("x"));
        else if (action == A::Turbo)
            emit pads.pressed(7, QStringLiteral("a"));
        else
            emit pads.steered(7, int(action));
    } else if (way == QLatin1String("computer rider")) {
        // A rider asks for a state, not a switch: the turbo on, or nothing of the turbo.
        c.in.GetSteering().Want(slot, {Wish::From::Rider, direction, action == A::Turbo ? 1 : -1});
    } else if (heard) {
        c.in.GetDispatcher().tcpReceive_DataArrival(
            nothing ? wire::Steer(slot, 9, 7) : wire::Steer(slot, direction, action == A::Turbo ? 1 : 0));
    } else {
        const int seat = second ? 1 : 0;
        c.Press(nothing ? K(Qt::Key_F9) : keys::Bindings::Defaults(seat)[std::size_t(action)][0]);
    }
    QCoreApplication::processEvents();
    QTEST(int(rider.RequestedDirection), "requested");
    QTEST(int(rider.Turbo), "turbo");
    int steers = 0;
    for (const QByteArray& d : c.Steers()) steers += d.split(wire::Delimiter).value(1).toInt() == slot;
    QTEST(steers, "steers");
}
