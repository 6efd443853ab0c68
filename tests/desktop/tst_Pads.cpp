#include "ArenaView.h"
#include "Pads.h"
#include "Stubs.h"
#include "frmVyre.h"

#include <SDL.h>

#include <QtTest>

// Game controllers, driven through SDL's virtual joystick: what a pad does must be what the
// same key does, down to the bytes on the wire.
class tst_Pads : public QObject {
    Q_OBJECT

    // A client copy (player 2, slot 1) with its game window, and a recorder on the bus.
    struct Client {
        Client() : net(bus), in(net, 5), game(in.Window()), rec(bus) {
            net.InitSockets();
            in.State().LocalPlayer = 1;
            in.State().TurboOn = 1;
        }
        QList<QByteArray> Steers() const { return rec.Numbered(int(wire::Message::Steer)); }
        void Key(int code, bool keypad = false) {
            QKeyEvent e(QEvent::KeyPress, code, keypad ? Qt::KeypadModifier : Qt::NoModifier);
            QCoreApplication::sendEvent(game.Arena(), &e);
            QCoreApplication::processEvents();
        }
        void Poll() {
            game.GetPads().Poll();
            QCoreApplication::processEvents();
        }
        InProcessBus bus;
        BusTransport net;
        Instance in;
        frmVyre game;
        Recorder rec;
    };
    // A virtual game controller, plugged in for as long as it lives.
    struct VirtualPad {
        VirtualPad() {
            index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                              SDL_CONTROLLER_BUTTON_MAX, 0);
            joystick = SDL_JoystickOpen(index);
        }
        ~VirtualPad() { Unplug(); }
        void Unplug() {
            if (!joystick) return;
            SDL_JoystickClose(joystick);
            SDL_JoystickDetachVirtual(index);
            joystick = nullptr;
        }
        void Button(SDL_GameControllerButton b, bool down) {
            SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
        }
        void Stick(int x, int y) {
            SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
            SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
        }
        int index = -1;
        SDL_Joystick* joystick = nullptr;
    };
    enum Input { DpadUp, DpadRight, DpadUpRight, DpadRolled, South, Start, StickAt };

private slots:
    void padSteersAsKeysDo_data();
    void padSteersAsKeysDo();
    void plugAndUnplugDuringARound();
    void aSecondPadOffersToJoin();
};

void tst_Pads::padSteersAsKeysDo_data() {
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("diagonal");
    QTest::addColumn<int>("key"); // what the same wish is on the keyboard; 0 for nothing sent
    QTest::addColumn<bool>("keypad");
    QTest::newRow("D-pad up") << int(DpadUp) << 0 << 0 << false << int(Qt::Key_Up) << false;
    QTest::newRow("D-pad right") << int(DpadRight) << 0 << 0 << false << int(Qt::Key_Right) << false;
    QTest::newRow("D-pad up and right, diagonal motion")
        << int(DpadUpRight) << 0 << 0 << true << int(Qt::Key_9) << true;
    QTest::newRow("D-pad rolled from right to up within one reading")
        << int(DpadRolled) << 0 << 0 << false << int(Qt::Key_Up) << false;
    QTest::newRow("south button: turbo") << int(South) << 0 << 0 << false << int(Qt::Key_Space) << false;
    QTest::newRow("stick right") << int(StickAt) << 30000 << 2000 << false << int(Qt::Key_Right) << false;
    QTest::newRow("stick down") << int(StickAt) << -3000 << 25000 << false << int(Qt::Key_Down) << false;
    QTest::newRow("stick up-left, diagonal motion")
        << int(StickAt) << -20000 << -20000 << true << int(Qt::Key_7) << true;
    QTest::newRow("stick up-left, no diagonals: the nearer of up and left")
        << int(StickAt) << -21000 << -15000 << false << int(Qt::Key_Left) << false;
    QTest::newRow("stick inside the dead zone") << int(StickAt) << 7000 << -7000 << false << 0 << false;
}

// Each pad input sends the Steer that its key sends; the dead zone sends nothing.
void tst_Pads::padSteersAsKeysDo() {
    QFETCH(int, input);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, diagonal);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QList<QByteArray> byKey;
    {
        Client c;
        c.in.State().DiagonalMotion = diagonal ? True16 : False16;
        if (key) c.Key(key, keypad);
        QTest::qWait(20);
        byKey = c.Steers();
    }
    QCOMPARE(byKey.isEmpty(), key == 0); // the comparison below is never between two nothings by mistake
    Client c;
    if (!c.game.GetPads().Available()) QSKIP("SDL's game-controller subsystem is not available here");
    c.in.State().DiagonalMotion = diagonal ? True16 : False16;
    c.game.ShowChanges(); // the pads learn whether diagonals steer
    VirtualPad pad;
    c.Poll();
    QCOMPARE(c.game.GetPads().Connected().size(), 1);
    QCOMPARE(c.game.SeatOfPad(c.game.GetPads().Connected().first()), 0); // the first pad is the player's
    switch (Input(input)) {
    case DpadUp: pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true); break;
    case DpadRight: pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true); break;
    case DpadUpRight:
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        c.Poll();
        c.rec.seen.clear(); // the up on its own
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        break;
    case DpadRolled:
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        c.Poll();
        c.rec.seen.clear();
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false); // SDL reports the up arrow first
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        break;
    case South: pad.Button(SDL_CONTROLLER_BUTTON_A, true); break;
    case Start: pad.Button(SDL_CONTROLLER_BUTTON_START, true); break;
    case StickAt: pad.Stick(x, y); break;
    }
    c.Poll();
    QTest::qWait(20);
    QCOMPARE(c.Steers(), byKey);
}

// A pad plugged in while a match runs takes the player's seat at once and steers; pulled out,
// it is let go; plugged in again, it steers again.
void tst_Pads::plugAndUnplugDuringARound() {
    Client c;
    if (!c.game.GetPads().Available()) QSKIP("SDL's game-controller subsystem is not available here");
    MatchControl::Settings settings;
    settings.players = 2;
    c.in.Control().SettingsArrived(settings);
    c.in.State().LocalPlayer = 1;
    QVERIFY(c.in.Control().MatchRunning());
    QSignalSpy removed(&c.game.GetPads(), &Pads::removed);
    for (int plugged = 1; plugged <= 2; ++plugged) {
        auto pad = std::make_unique<VirtualPad>();
        c.Poll();
        QCOMPARE(c.game.GetPads().Connected().size(), 1);
        QCOMPARE(c.game.SeatOfPad(c.game.GetPads().Connected().first()), 0);
        const qsizetype before = c.Steers().size();
        pad->Button(plugged == 1 ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
        c.Poll();
        QTest::qWait(10);
        QCOMPARE(c.Steers().size(), before + 1);
        pad.reset();
        c.Poll();
        QCOMPARE(c.game.GetPads().Connected().size(), 0);
        QCOMPARE(removed.size(), plugged);
    }
}

// The first pad is the player's; a button on the second offers "Join with this pad", and A on
// it again asks for a new local player; the panel then binds it to that seat, where it steers.
void tst_Pads::aSecondPadOffersToJoin() {
    Client c;
    if (!c.game.GetPads().Available()) QSKIP("SDL's game-controller subsystem is not available here");
    VirtualPad first, second;
    c.Poll();
    const QList<int> pads = c.game.GetPads().Connected();
    QCOMPARE(pads.size(), 2);
    const int mine = c.game.SeatOfPad(pads[0]) == 0 ? pads[0] : pads[1],
              other = mine == pads[0] ? pads[1] : pads[0];
    QCOMPARE(c.game.SeatOfPad(other), -1);
    QSignalSpy join(&c.game, &frmVyre::joinWithPad);
    const bool secondIsOther = SDL_JoystickInstanceID(second.joystick) == other;
    VirtualPad& unbound = secondIsOther ? second : first;
    unbound.Button(SDL_CONTROLLER_BUTTON_B, true);
    c.Poll();
    QVERIFY(c.in.GetBoard().Status().startsWith(QStringLiteral("Join with this pad")));
    QCOMPARE(join.size(), 0);
    unbound.Button(SDL_CONTROLLER_BUTTON_A, true);
    c.Poll();
    QCOMPARE(join.size(), 1);
    QCOMPARE(join.first().first().toInt(), other);
}

QTEST_MAIN(tst_Pads)
#include "tst_Pads.moc"
