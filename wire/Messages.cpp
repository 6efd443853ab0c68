#include "Messages.h"

#include "Convert.h"

#include <QStringDecoder>
#include <algorithm>

namespace wire {

namespace {
enum class Trailing { Yes, No };

QByteArray Join(std::initializer_list<QByteArray> fields, Trailing trailing) {
    QByteArray out;
    bool first = true;
    for (const QByteArray& f : fields) {
        if (!first) out += Delimiter;
        out += f;
        first = false;
    }
    if (trailing == Trailing::Yes) out += Delimiter;
    return out;
}

QByteArray N(qint64 v) { return QByteArray::number(v); }

bool IsAscii(QByteArrayView raw) {
    unsigned char any = 0;
    for (const char c : raw) any |= static_cast<unsigned char>(c);
    return any < 0x80;
}
QByteArray Name(const QString& name) { return CleanName(name).toUtf8(); }
} // namespace

int NumberOf(const QByteArray& d) {
    // Only the first field is read, and a number is never long: " +0009.4" is 9 as well.
    constexpr qsizetype Longest = 24;
    const qsizetype end = d.indexOf(Delimiter);
    const qsizetype length = end < 0 ? d.size() : end;
    if (length == 0 || length > Longest) return 0;
    return convert::ToInt16(QString::fromLatin1(d.constData(), length)).value_or(0);
}

std::optional<QString> Fields::Text(qsizetype i) const {
    if (i < 0 || i >= f_.size()) return std::nullopt;
    return f_[i].toString();
}

std::optional<std::int16_t> Fields::Int16(qsizetype i) const {
    if (i < 0 || i >= f_.size()) return std::nullopt;
    return convert::ToInt16(f_[i]);
}

std::optional<std::int32_t> Fields::Int32(qsizetype i) const {
    if (i < 0 || i >= f_.size()) return std::nullopt;
    return convert::ToInt32(f_[i]);
}

bool IsKnown(int n) {
    constexpr int known[] = {1, 2, 3, 4, 6, 7, 9, 10, 11, 13, 14, 15, 16, 20};
    return std::find(std::begin(known), std::end(known), n) != std::end(known);
}

QByteArray Positions(const std::array<std::int16_t, 8>& x, const std::array<std::int16_t, 8>& y,
                     const std::array<std::int16_t, 8>& fuel) {
    QByteArray out = "1";
    for (int i = 0; i < 8; ++i) out += Delimiter + N(x[i]) + Delimiter + N(y[i]);
    for (int i = 0; i < 8; ++i) out += Delimiter + N(fuel[i]);
    return out + Delimiter;
}

QByteArray Steer(int slot, int dir, int turbo) {
    return Join({"2", N(slot), N(dir), N(turbo)}, Trailing::Yes);
}
QByteArray RoundOutcome(int code) { return Join({"3", N(code)}, Trailing::No); }

QByteArray MatchSettings(const Settings& s) {
    return Join({"4", N(s.height), N(s.width), N(s.speed), N(s.thickness), N(s.warp), N(s.numPlayers),
                 N(s.matchScore), N(s.complexity), N(s.turbo), N(s.team), Name(s.name), N(s.color),
                 N(s.gridColor), N(s.fixedPosition), N(s.diagonalMotion)},
                Trailing::Yes);
}

QByteArray Chat(const QString& name, Colour color, const QString& text) {
    return Join({"20", Name(name), N(color), CleanChat(text).toUtf8()}, Trailing::Yes);
}

QString CleanText(QStringView text, int most) {
    QString out;
    out.reserve(std::min<qsizetype>(text.size(), most));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        const QStringView whole = text.sliced(i, pair ? 2 : 1);
        i += whole.size() - 1;
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate: // one without its other half
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            continue;
        default:
            break;
        }
        if (QChar::isNonCharacter(c)) continue;
        if (out.size() + whole.size() > most) break;
        out += whole;
    }
    return out;
}

QString CleanChat(const QString& text) { return CleanText(text, MaxChatLength).trimmed(); }

QByteArray Obstacle(int x1, int y1, int x2, int y2) {
    return Join({"6", N(x1), N(y1), N(x2), N(y2)}, Trailing::Yes);
}
QByteArray ResetAll() { return Join({"7"}, Trailing::Yes); }
QByteArray Register(int slot, const QString& name, Colour c) {
    return Join({"9", N(slot), Name(name), N(c)}, Trailing::Yes);
}
QByteArray PauseResume(bool pause) { return Join({"10", pause ? "1" : "2"}, Trailing::No); }
QByteArray RollCall() { return Join({"11"}, Trailing::Yes); }
QByteArray Unregister(int slot) { return Join({"13", N(slot)}, Trailing::Yes); }
QByteArray TurboOff(int player) { return Join({"14", N(player)}, Trailing::Yes); }
QByteArray Turn(int player, int dir) { return Join({"15", N(player), N(dir)}, Trailing::Yes); }
QByteArray ResetMatch() { return Join({"16"}, Trailing::Yes); }

FieldList SplitFields(const QByteArray& datagram) {
    // Every datagram goes through here. Its fields share one string, delimiters kept, and the
    // list holds where each ends: a datagram of a few dozen fields costs one allocation.
    FieldList out;
    const char* const data = datagram.constData();
    const qsizetype size = datagram.size();
    // One pass finds where each field ends and whether every byte is plain ASCII.
    unsigned char any = 0;
    for (qsizetype i = 0; i < size; ++i) {
        any |= static_cast<unsigned char>(data[i]);
        if (data[i] == Delimiter) out.ends_.push_back(i);
    }
    out.ends_.push_back(size);
    // Numbers and most names are plain ASCII, which reads the same in every encoding.
    if (any < 0x80) {
        out.text_ = QString::fromLatin1(datagram);
        return out;
    }
    // Field by field, and each end becomes a place in the text.
    qsizetype start = 0;
    for (qsizetype k = 0; k < out.ends_.size(); ++k) {
        const QByteArrayView raw(data + start, out.ends_[k] - start);
        start = out.ends_[k] + 1;
        if (IsAscii(raw)) {
            out.text_ += QLatin1StringView(raw);
        } else {
            // Byte 1 never occurs inside a UTF-8 sequence, so each field decodes on its own.
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            QString text = utf8.decode(raw);
            if (utf8.hasError()) text = QString::fromLatin1(raw);
            out.text_ += text;
        }
        out.ends_[k] = out.text_.size();
        if (k + 1 < out.ends_.size()) out.text_ += QChar(Delimiter); // fields stand apart as in the datagram
    }
    return out;
}

QStringList Split(const QByteArray& datagram) {
    const FieldList f = SplitFields(datagram);
    QStringList fields;
    fields.reserve(f.size());
    for (qsizetype i = 0; i < f.size(); ++i) fields << f[i].toString();
    return fields;
}

QString CleanName(const QString& name) { return CleanText(name, MaxNameLength); }

} // namespace wire
