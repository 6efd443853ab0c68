#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class QKeyEvent;

// Which keys do what, for every seat at this keyboard. A key is a Qt key code, whether it
// came from the numeric keypad, and for Shift, Ctrl and Alt which side of the keyboard.
namespace keys {

enum class Action { Up, Right, Down, Left, UpRight, DownRight, DownLeft, UpLeft, Turbo, Pause, Chat, WatchAgain };
constexpr int ActionCount = 12;
constexpr int Seats = 4;    // people at one keyboard, at most
constexpr int PerAction = 2; // keys an action may have

struct Key {
    int code = 0;
    bool keypad = false;
    int side = 0; // 0 either or none, 1 left, 2 right
    bool IsNone() const { return code == 0; }
    bool operator==(const Key& o) const { return code == o.code && keypad == o.keypad && side == o.side; }
};

Key FromEvent(const QKeyEvent& e);
// Portable names, as the settings file keeps them: "Up", "W", "Num+8", "Left Shift", "Ж".
QString Name(const Key& k);
// The name a player reads: Qt's for the key, in the language in use ("Left Shift", "Num+8").
QString ShownName(const Key& k);
std::optional<Key> Parse(const QString& name);
// What the player reads: the action's name in the dialog and in the tool tip.
QString ActionName(Action a);
// The ini key of one slot: "Up1", or "P2.Up1" for the second seat.
QString EntryName(int seat, Action a, int slot);
// The ini key of a seat's pad button for an action: "PadTurbo", "P2.PadTurbo".
QString PadEntryName(int seat, Action a);

// The classic key code the steering understands for an action: keypad keys keep their
// keypad codes, so that they count only under diagonal motion, as they always have.
// The direction an action asks for (1..8, 0 for none): the arrows always, a key on the keypad
// and the diagonals only with diagonal motion.
int DirectionOf(Action a, bool keypad, bool diagonal);

class Bindings {
public:
    Bindings() { RestoreDefaults(); }
    static std::array<std::array<Key, PerAction>, ActionCount> Defaults(int seat);
    void RestoreDefaults();

    const Key& At(int seat, Action a, int slot) const;
    // Who holds a key: the seat and action, if any.
    struct Holder {
        int seat;
        Action action;
    };
    // A keypad key may belong to the first seat and to one other: the first seat's keypad
    // counts only under diagonal motion, the others' only without it.
    static bool Share(int seatA, int seatB, const Key& k) { return k.keypad && (seatA == 0) != (seatB == 0); }
    static constexpr unsigned AllSeats = (1u << Seats) - 1;
    // The holder that would clash with giving k to the seat, among these seats (bit n for seat n).
    std::optional<Holder> Find(const Key& k, int forSeat = 0, unsigned among = AllSeats) const;
    // The seat and action a key press means now, among the seats in play (bit n for seat n).
    std::optional<Holder> Lookup(const Key& k, bool diagonalMotion, unsigned seatsInPlay = 1) const;
    // Binds a key to a slot; refused, naming who holds it, when another action of the seat has
    // it, or, for a seat in use, another seat in use. Seats nobody uses may share keys: they
    // are checked when a seat is added (Clash). Binding a key where it already is succeeds.
    std::optional<Holder> Bind(int seat, Action a, int slot, const Key& k, unsigned seatsInUse = AllSeats);
    // The first of the seat's keys that another of these seats holds, and who holds it.
    struct Clash {
        Key key;
        Holder holder;
    };
    std::optional<Clash> ClashOf(int seat, unsigned seatsInUse) const;
    void Clear(int seat, Action a, int slot);

    // "Up, Num+8" and the like, for a tool tip or the help.
    QString Describe(int seat, Action a) const;

    // A pad's buttons, by SDL's names ("a", "start"); its stick and D-pad steer by themselves.
    // Only these actions take a pad button.
    static bool PadBindable(Action a) {
        return a == Action::Turbo || a == Action::Pause || a == Action::Chat || a == Action::WatchAgain;
    }
    QString PadButton(int seat, Action a) const;
    // Gives the button to this action of the seat, taking it from any other of that seat's;
    // an empty name clears.
    void BindPad(int seat, Action a, const QString& button);
    std::optional<Action> PadAction(int seat, const QString& button) const;

    // The [Keys] section: entry names and values. Reading keeps what is good and takes the
    // default for what is bad (unknown names, keys bound twice).
    using Reader = std::function<QString(const QString& entry)>;
    void Load(const Reader& read);
    // Every entry of the section, each time: a garbled section is written clean.
    QList<QPair<QString, QString>> Entries() const;

private:
    std::array<std::array<std::array<Key, PerAction>, ActionCount>, Seats> keys_{};
    std::array<std::array<QString, ActionCount>, Seats> pad_{};
};

} // namespace keys
