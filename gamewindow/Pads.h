#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

// Game controllers, through SDL's game-controller subsystem alone (no SDL window, no video):
// picked up when plugged in and let go when pulled out, while the game runs. SDL offers
// nothing to wait on, so it is read on a timer: every PollMs while a pad is there, and once a
// second, to notice a new one, while none is.
class Pads : public QObject {
    Q_OBJECT
public:
    static constexpr int PollMs = 4;      // while riding: a press reaches the wire within a few ms
    static constexpr int BetweenMs = 100; // with a pad, outside a match: menus and joining only
    static constexpr int IdleMs = 1000;   // no pad: only a new one is looked for
    // The left stick counts once it leans this far (of 32767): a stick at rest drifts a little.
    static constexpr int DeadZone = 12000;

    explicit Pads(QObject* parent = nullptr);
    ~Pads() override;

    // SDL's game-controller subsystem came up; without it there are simply no pads.
    bool Available() const { return available_; }
    QList<int> Connected() const { return open_.keys(); }
    QString Name(int pad) const;
    // A short shake, where the pad can.
    void Rumble(int pad);
    // Reads what SDL has gathered; the timer calls it, tests may too.
    void Poll();
    // Where a stick pointing at (x, y) steers: 0..3 up, right, down, left, 4..7 up-right,
    // down-right, down-left, up-left (diagonals only when allowed); -1 inside the dead zone.
    static int StickDirection(int x, int y, bool diagonals);
    // SDL's name of a button ("a", "start", "dpup"), and how a player reads it ("A", "Start", "D-pad up").
    static QString ButtonText(const QString& name);

    // Diagonals are steered only under diagonal motion; the game window says which holds.
    void SetDiagonals(bool on) { diagonals_ = on; }
    // Read at the riding rate while a match runs here, and at a leisurely one otherwise.
    void SetRiding(bool on) {
        if (riding_ == on) return;
        riding_ = on;
        if (available_) Schedule();
    }

signals:
    void added(int pad);
    void removed(int pad);
    // A button went down, by SDL's name for it.
    void pressed(int pad, const QString& button);
    // The stick, or the D-pad, points somewhere new (see StickDirection).
    void steered(int pad, int direction);

private:
    struct Pad {
        void* controller = nullptr;
        int stick = -1;    // the stick's direction now
        int dpad = -1;     // the D-pad's
        unsigned held = 0; // D-pad buttons down: 1 up, 2 right, 4 down, 8 left
    };
    void Open(int deviceIndex);
    void Close(int pad);
    int DpadDirection(unsigned held) const;
    void Schedule();

    bool available_ = false;
    bool diagonals_ = false;
    bool riding_ = false;
    QMap<int, Pad> open_; // by SDL's instance id
    QTimer poll_;
};
