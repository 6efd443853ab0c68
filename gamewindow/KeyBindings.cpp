#include "KeyBindings.h"


#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace keys {
namespace {
// X11 key symbols of the two sides' modifier keys.
constexpr quint32 ShiftL = 0xffe1, ShiftR = 0xffe2, ControlL = 0xffe3, ControlR = 0xffe4, AltL = 0xffe9,
                  AltR = 0xffea;

bool IsModifier(int code) { return code == Qt::Key_Shift || code == Qt::Key_Control || code == Qt::Key_Alt; }

QString ModifierName(int code) {
    switch (code) {
    case Qt::Key_Shift: return QStringLiteral("Shift");
    case Qt::Key_Control: return QStringLiteral("Ctrl");
    default: return QStringLiteral("Alt");
    }
}

Key K(int code, bool keypad = false, int side = 0) { return Key{code, keypad, side}; }
} // namespace

Key FromEvent(const QKeyEvent& e) {
    Key k{e.key(), (e.modifiers() & Qt::KeypadModifier) != 0, 0};
    switch (e.nativeVirtualKey()) {
    case ShiftL:
    case ControlL:
    case AltL: k.side = 1; break;
    case ShiftR:
    case ControlR:
    case AltR: k.side = 2; break;
    default: break;
    }
    if (!IsModifier(k.code)) k.side = 0;
    return k;
}

QString Name(const Key& k) {
    if (k.IsNone()) return {};
    if (IsModifier(k.code)) {
        const QString base = ModifierName(k.code);
        return k.side == 1 ? QStringLiteral("Left ") + base : k.side == 2 ? QStringLiteral("Right ") + base : base;
    }
    const QString base = QKeySequence(k.code).toString(QKeySequence::PortableText);
    if (base.isEmpty()) return {};
    return k.keypad ? QStringLiteral("Num+") + base : base;
}

QString ShownName(const Key& k) {
    if (k.IsNone()) return {};
    const int code = IsModifier(k.code) ? (k.code == Qt::Key_Shift || k.code == Qt::Key_Control ? k.code : Qt::Key_Alt)
                                        : k.code;
    // Qt's own names for keys, in the language in use.
    const QString base = QKeySequence(code).toString(QKeySequence::NativeText);
    if (base.isEmpty()) return {};
    if (IsModifier(k.code) && k.side == 1) return QCoreApplication::translate("keys", "Left %1").arg(base);
    if (IsModifier(k.code) && k.side == 2) return QCoreApplication::translate("keys", "Right %1").arg(base);
    return k.keypad ? QCoreApplication::translate("keys", "Num+%1").arg(base) : base;
}

std::optional<Key> Parse(const QString& text) {
    QString name = text.trimmed();
    if (name.isEmpty()) return std::nullopt;
    int side = 0;
    if (name.startsWith(QLatin1String("Left "))) side = 1, name = name.mid(5);
    else if (name.startsWith(QLatin1String("Right "))) side = 2, name = name.mid(6);
    for (int code : {int(Qt::Key_Shift), int(Qt::Key_Control), int(Qt::Key_Alt)})
        if (name == ModifierName(code)) return K(code, false, side);
    if (side) return std::nullopt;
    bool keypad = false;
    if (name.startsWith(QLatin1String("Num+")) && name.size() > 4) keypad = true, name = name.mid(4);
    const QKeySequence seq = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (seq.count() != 1) return std::nullopt;
    const QKeyCombination c = seq[0];
    if (c.keyboardModifiers() != Qt::NoModifier || c.key() == Qt::Key_unknown || c.key() == 0) return std::nullopt;
    const Key k = K(c.key(), keypad);
    // Only what reads back exactly: "Up", never "up" or "UP" turned into it.
    if (Name(k) != text.trimmed()) return std::nullopt;
    return k;
}

QString ActionName(Action a) {
    static const char* names[] = {QT_TRANSLATE_NOOP("keys", "Up"),
                                  QT_TRANSLATE_NOOP("keys", "Right"),
                                  QT_TRANSLATE_NOOP("keys", "Down"),
                                  QT_TRANSLATE_NOOP("keys", "Left"),
                                  QT_TRANSLATE_NOOP("keys", "Up and right"),
                                  QT_TRANSLATE_NOOP("keys", "Down and right"),
                                  QT_TRANSLATE_NOOP("keys", "Down and left"),
                                  QT_TRANSLATE_NOOP("keys", "Up and left"),
                                  QT_TRANSLATE_NOOP("keys", "Turbo"),
                                  QT_TRANSLATE_NOOP("keys", "Pause"),
                                  QT_TRANSLATE_NOOP("keys", "Chat"),
                                  QT_TRANSLATE_NOOP("keys", "Watch the round again")};
    return QCoreApplication::translate("keys", names[static_cast<int>(a)]);
}

QString EntryName(int seat, Action a, int slot) {
    static const char* names[] = {"Up", "Right", "Down", "Left", "UpRight", "DownRight", "DownLeft", "UpLeft",
                                  "Turbo", "Pause", "Chat", "WatchAgain"};
    const QString base = QLatin1String(names[static_cast<int>(a)]) + QString::number(slot + 1);
    return seat == 0 ? base : QStringLiteral("P%1.").arg(seat + 1) + base;
}

QString PadEntryName(int seat, Action a) {
    // "PadTurbo", or "P2.PadTurbo" for the second seat.
    const QString base = QStringLiteral("Pad") + EntryName(0, a, 0).chopped(1);
    return seat == 0 ? base : QStringLiteral("P%1.").arg(seat + 1) + base;
}

int DirectionOf(Action a, bool keypad, bool diagonal) {
    // The actions' order is the directions': up, right, down, left (1..4), then the diagonals
    // (5..8). The keypad's keys steer only with diagonal motion, as of old.
    const int i = static_cast<int>(a);
    return (i < 4 && !keypad) || (i < 8 && diagonal) ? i + 1 : 0;
}

std::array<std::array<Key, PerAction>, ActionCount> Bindings::Defaults(int seat) {
    std::array<std::array<Key, PerAction>, ActionCount> d{};
    auto set = [&d](Action a, Key k1, Key k2 = {}) { d[static_cast<size_t>(a)] = {k1, k2}; };
    switch (seat) {
    case 0:
        set(Action::Up, K(Qt::Key_Up), K(Qt::Key_8, true));
        set(Action::Right, K(Qt::Key_Right), K(Qt::Key_6, true));
        set(Action::Down, K(Qt::Key_Down), K(Qt::Key_2, true));
        set(Action::Left, K(Qt::Key_Left), K(Qt::Key_4, true));
        set(Action::UpRight, K(Qt::Key_9, true));
        set(Action::DownRight, K(Qt::Key_3, true));
        set(Action::DownLeft, K(Qt::Key_1, true));
        set(Action::UpLeft, K(Qt::Key_7, true));
        set(Action::Turbo, K(Qt::Key_Space));
        set(Action::Pause, K(Qt::Key_Escape));
        set(Action::Chat, K(Qt::Key_T));
        set(Action::WatchAgain, K(Qt::Key_R));
        break;
    case 1:
        set(Action::Up, K(Qt::Key_W));
        set(Action::Left, K(Qt::Key_A));
        set(Action::Down, K(Qt::Key_S));
        set(Action::Right, K(Qt::Key_D));
        set(Action::Turbo, K(Qt::Key_Shift, false, 1));
        break;
    case 2:
        set(Action::Up, K(Qt::Key_I));
        set(Action::Left, K(Qt::Key_J));
        set(Action::Down, K(Qt::Key_K));
        set(Action::Right, K(Qt::Key_L));
        set(Action::Turbo, K(Qt::Key_Shift, false, 2));
        break;
    default:
        // The keypad, which the first seat uses only under diagonal motion.
        set(Action::Up, K(Qt::Key_8, true));
        set(Action::Left, K(Qt::Key_4, true));
        set(Action::Down, K(Qt::Key_5, true), K(Qt::Key_2, true));
        set(Action::Right, K(Qt::Key_6, true));
        set(Action::Turbo, K(Qt::Key_0, true));
        break;
    }
    return d;
}

void Bindings::RestoreDefaults() {
    for (int s = 0; s < Seats; ++s) {
        keys_[static_cast<size_t>(s)] = Defaults(s);
        auto& pad = pad_[static_cast<size_t>(s)];
        pad = {};
        pad[static_cast<size_t>(Action::Turbo)] = QStringLiteral("a");
        pad[static_cast<size_t>(Action::Pause)] = QStringLiteral("start");
        if (s == 0) pad[static_cast<size_t>(Action::WatchAgain)] = QStringLiteral("back");
    }
}

QString Bindings::PadButton(int seat, Action a) const {
    if (seat < 0 || seat >= Seats) return {};
    return pad_[static_cast<size_t>(seat)][static_cast<size_t>(a)];
}

void Bindings::BindPad(int seat, Action a, const QString& button) {
    if (seat < 0 || seat >= Seats || !PadBindable(a)) return;
    auto& pad = pad_[static_cast<size_t>(seat)];
    if (!button.isEmpty())
        for (QString& b : pad)
            if (b == button) b.clear();
    pad[static_cast<size_t>(a)] = button;
}

std::optional<Action> Bindings::PadAction(int seat, const QString& button) const {
    if (seat < 0 || seat >= Seats || button.isEmpty()) return std::nullopt;
    const auto& pad = pad_[static_cast<size_t>(seat)];
    for (int a = 0; a < ActionCount; ++a)
        if (pad[static_cast<size_t>(a)] == button) return static_cast<Action>(a);
    return std::nullopt;
}

const Key& Bindings::At(int seat, Action a, int slot) const {
    return keys_[static_cast<size_t>(seat)][static_cast<size_t>(a)][static_cast<size_t>(slot)];
}

std::optional<Bindings::Holder> Bindings::Find(const Key& k, int forSeat, unsigned among) const {
    if (k.IsNone()) return std::nullopt;
    for (int s = 0; s < Seats; ++s) {
        if (!(among & (1u << s)) || Share(s, forSeat, k)) continue;
        for (int a = 0; a < ActionCount; ++a)
            for (const Key& bound : keys_[static_cast<size_t>(s)][static_cast<size_t>(a)])
                if (bound == k) return Holder{s, static_cast<Action>(a)};
    }
    return std::nullopt;
}

std::optional<Bindings::Holder> Bindings::Lookup(const Key& k, bool diagonalMotion, unsigned seatsInPlay) const {
    std::optional<Holder> first, others;
    for (int s = 0; s < Seats; ++s)
        if (seatsInPlay & (1u << s))
        for (int a = 0; a < ActionCount; ++a)
            for (const Key& bound : keys_[static_cast<size_t>(s)][static_cast<size_t>(a)])
                if (!k.IsNone() && bound == k) (s == 0 ? first : others) = Holder{s, static_cast<Action>(a)};
    if (!first || !others) return first ? first : others;
    return diagonalMotion ? first : others;
}

std::optional<Bindings::Holder> Bindings::Bind(int seat, Action a, int slot, const Key& k, unsigned seatsInUse) {
    if (seat < 0 || seat >= Seats || slot < 0 || slot >= PerAction || k.IsNone()) return std::nullopt;
    auto& keys = keys_[static_cast<size_t>(seat)][static_cast<size_t>(a)];
    const unsigned among = seatsInUse & (1u << seat) ? seatsInUse : 1u << seat;
    if (const auto h = Find(k, seat, among)) {
        if (h->seat != seat || h->action != a) return h;
        // Already this action's: moving it to the other slot leaves no duplicate behind.
        for (Key& bound : keys)
            if (bound == k) bound = {};
    }
    keys[static_cast<size_t>(slot)] = k;
    return std::nullopt;
}

std::optional<Bindings::Clash> Bindings::ClashOf(int seat, unsigned seatsInUse) const {
    const unsigned others = seatsInUse & ~(1u << seat);
    for (int a = 0; a < ActionCount; ++a)
        for (const Key& k : keys_[static_cast<size_t>(seat)][static_cast<size_t>(a)])
            if (const auto h = Find(k, seat, others)) return Clash{k, *h};
    return std::nullopt;
}

void Bindings::Clear(int seat, Action a, int slot) {
    keys_[static_cast<size_t>(seat)][static_cast<size_t>(a)][static_cast<size_t>(slot)] = {};
}

QString Bindings::Describe(int seat, Action a) const {
    QStringList names;
    for (const Key& k : keys_[static_cast<size_t>(seat)][static_cast<size_t>(a)])
        if (!k.IsNone()) names << ShownName(k);
    return names.join(QStringLiteral(", "));
}

void Bindings::Load(const Reader& read) {
    RestoreDefaults();
    // What the file says replaces the defaults first, slot by slot; a key the file gives a
    // seat twice keeps its first place; an unreadable one keeps the default, where that is
    // free. Seats may share keys (only those in use may not, checked as a seat is added).
    std::array<std::array<std::array<std::optional<Key>, PerAction>, ActionCount>, Seats> wanted{};
    for (int s = 0; s < Seats; ++s)
        for (int a = 0; a < ActionCount; ++a)
            for (int i = 0; i < PerAction; ++i) {
                const QString v = read(EntryName(s, static_cast<Action>(a), i));
                if (v.trimmed() == QLatin1String("None")) wanted[s][a][i] = Key{};
                else if (const auto k = Parse(v)) wanted[s][a][i] = *k;
            }
    for (int s = 0; s < Seats; ++s)
        for (int a = 0; a < ActionCount; ++a)
            for (int i = 0; i < PerAction; ++i)
                if (wanted[s][a][i]) keys_[s][a][i] = {};
    for (int s = 0; s < Seats; ++s)
        for (int a = 0; a < ActionCount; ++a)
            for (int i = 0; i < PerAction; ++i)
                if (const auto& k = wanted[s][a][i]; k && !k->IsNone() && !Find(*k, s, 1u << s)) keys_[s][a][i] = *k;
    // The pad's buttons: a name of letters alone, or None; anything else keeps the default.
    for (int s = 0; s < Seats; ++s)
        for (int a = 0; a < ActionCount; ++a) {
            if (!PadBindable(static_cast<Action>(a))) continue;
            const QString v = read(PadEntryName(s, static_cast<Action>(a))).trimmed();
            if (v == QLatin1String("None")) BindPad(s, static_cast<Action>(a), QString());
            else if (!v.isEmpty() && v.size() <= 16 && std::all_of(v.begin(), v.end(), [](QChar c) { return c.isLower() && c.isLetter(); }))
                BindPad(s, static_cast<Action>(a), v);
        }
    // Defaults that a stored key has taken over elsewhere in their seat are dropped.
    for (int s = 0; s < Seats; ++s)
        for (int a = 0; a < ActionCount; ++a)
            for (int i = 0; i < PerAction; ++i) {
                Key& k = keys_[s][a][i];
                if (wanted[s][a][i] || k.IsNone()) continue;
                const Key mine = k;
                k = {};
                if (!Find(mine, s, 1u << s)) k = mine;
            }
}

} // namespace keys

namespace keys {
QList<QPair<QString, QString>> Bindings::Entries() const {
    QList<QPair<QString, QString>> entries;
    for (int seat = 0; seat < Seats; ++seat)
        for (int a = 0; a < ActionCount; ++a)
            for (int slot = 0; slot < PerAction; ++slot) {
                const Key& k = At(seat, static_cast<Action>(a), slot);
                entries.append({EntryName(seat, static_cast<Action>(a), slot),
                                k.IsNone() ? QStringLiteral("None") : Name(k)});
            }
    for (int seat = 0; seat < Seats; ++seat)
        for (int a = 0; a < ActionCount; ++a)
            if (PadBindable(static_cast<Action>(a))) {
                const QString b = PadButton(seat, static_cast<Action>(a));
                entries.append({PadEntryName(seat, static_cast<Action>(a)), b.isEmpty() ? QStringLiteral("None") : b});
            }
    return entries;
}
} // namespace keys
