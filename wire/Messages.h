#pragma once

#include "Colour.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <array>
#include <optional>

// The wire format: one datagram per message, text fields joined by the byte 1, field 0 the
// message number. Names go out as UTF-8; what comes in is read as UTF-8 where it is valid
// and as Latin-1 otherwise.
namespace wire {

constexpr char Delimiter = '\x01';
constexpr int MaxNameLength = 64;
constexpr int MaxChatLength = 200;

enum class Message {
    Positions = 1,
    Steer = 2,
    RoundOutcome = 3,
    MatchSettings = 4,
    Obstacle = 6,
    ResetAll = 7,
    Register = 9,
    PauseResume = 10,
    RollCall = 11,
    Unregister = 13,
    TurboOff = 14,
    Turn = 15,
    ResetMatch = 16,
    // Added after the first copies: they ignore it, as they ignore any number they do not know.
    Chat = 20,
};
bool IsKnown(int number);
// The message number a datagram starts with, read without splitting it, by the same rules as
// every other field (Fields::Int16); 0 when it starts with none.
int NumberOf(const QByteArray& datagram);

struct Settings {
    int height = 0;
    int width = 0;
    int speed = 0;
    int thickness = 0;
    int warp = 0;
    int numPlayers = 0;
    int matchScore = 0;
    int complexity = 0;
    int turbo = 0;
    int team = 0;
    QString name;
    Colour color = 0;
    Colour gridColor = 0;
    int fixedPosition = 0;
    int diagonalMotion = 0;
};

QByteArray Positions(const std::array<std::int16_t, 8>& x, const std::array<std::int16_t, 8>& y,
                     const std::array<std::int16_t, 8>& fuel);
QByteArray Steer(int slot, int requestedDirection, int turbo);
QByteArray RoundOutcome(int code);
QByteArray MatchSettings(const Settings& s);
QByteArray Obstacle(int x1, int y1, int x2, int y2);
QByteArray ResetAll();
QByteArray Register(int slot, const QString& name, Colour color);
QByteArray PauseResume(bool pause);
QByteArray RollCall();
QByteArray Unregister(int slot);
QByteArray TurboOff(int player);
QByteArray Turn(int player, int direction);
QByteArray ResetMatch();
// Fields: the sender's name, its colour and the text, each followed by the delimiter.
QByteArray Chat(const QString& name, Colour color, const QString& text);

// The datagram's fields, in order (a trailing delimiter yields a last, empty field), as views
// of one decoded string.
class FieldList {
public:
    qsizetype size() const { return ends_.size(); }
    QStringView operator[](qsizetype i) const { // 0 <= i < size()
        const qsizetype begin = i == 0 ? 0 : ends_[i - 1] + 1;
        return QStringView(text_.constData() + begin, ends_[i] - begin);
    }

private:
    friend FieldList SplitFields(const QByteArray& datagram);
    QString text_;
    QVarLengthArray<qsizetype, 32> ends_;
};
FieldList SplitFields(const QByteArray& datagram);

// The one reader of a datagram's fields, for every part of the program that looks inside one:
// numbers by the rules of convert (" 2.6" is 3), each field checked for being there.
class Fields {
public:
    explicit Fields(const QByteArray& datagram) : f_(SplitFields(datagram)) {}
    qsizetype Size() const { return f_.size(); }
    std::optional<QString> Text(qsizetype i) const;
    std::optional<std::int16_t> Int16(qsizetype i) const;
    std::optional<std::int32_t> Int32(qsizetype i) const;
    // Field 0, the message number.
    std::optional<std::int16_t> Number() const { return Int16(0); }

private:
    FieldList f_;
};

// The same fields as strings of their own.
QStringList Split(const QByteArray& datagram);

// Received text as it may be shown: no control or format characters (the delimiter, line
// feeds, bidi overrides and isolates among them), no line or paragraph separators, no
// noncharacters and no lone surrogates, and at most `most` UTF-16 units, never cutting a pair.
QString CleanText(QStringView text, int most);
// A name as it may travel and be shown: clean text of at most MaxNameLength units.
QString CleanName(const QString& name);
// Chat text as it may travel and be shown: clean text of at most MaxChatLength units, trimmed.
QString CleanChat(const QString& text);

} // namespace wire
