#pragma once

#include "RelayWire.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// Public games, as a relay lists them. A gateway with a room at a relay may list its game
// there; anyone may ask a relay for its list. The datagrams (the kinds follow the relay's):
//   List     gateway -> relay: kind, counter (8), the room's signature (64) over the counter and
//            the body, body: the game's key (32), players (1), flags (1: bit 0 playing), then
//            name, version and direct address, each a length (1) and UTF-8
//   Listed   relay -> gateway: kind, status (1): one of ListStatus
//   Find     anyone -> relay: kind, version, cookie (20, zeros at first), first entry (2, little
//            endian), zeros up to at least FindBytes; the answer is never longer than the Find
//   Games    relay -> finder: kind, games listed (2), the entry after these (2), then entries:
//            room (16) and body, as many as fit
// A relay answers a Find without its cookie with a Challenge, which is shorter: it sends an
// address that proved nothing no more than it received from it.
namespace gamelist {

enum Kind : char { List = relaywire::Seen + 1, Listed, Find, Games };
enum class ListStatus : char { Listed = 0, NotOpen = 1, Full = 2, TooMany = 3, WrongAddress = 4, Malformed = 5 };

constexpr int MostNameUnits = 32;
constexpr int MostVersionBytes = 24;
constexpr int MostDirectBytes = 64;
constexpr int FindBytes = 64;
// A finder's requests: their size, and so the largest page of the list it gets back.
constexpr int AskBytes = 1024;
static_assert(AskBytes <= relaywire::MostRelayedBytes, "a relay reads no longer datagram");
constexpr int FindHeadBytes = 2 + relaywire::CookieBytes + 2;
constexpr int GamesHeadBytes = 1 + 2 + 2;
constexpr int RefreshMs = 15000; // a gateway lists its game again this often
constexpr int ExpireMs = 45000;  // and a relay lets a listing go after this long without

struct Entry {
    QString name;    // cleaned, at most MostNameUnits
    int players = 0; // 0..8
    bool playing = false;
    QString version;
    QString direct;  // "HOST:PORT" to try first, empty when none
    QByteArray key;  // the game's key: a public game is open to anyone by choice
    QByteArray room; // set by the relay's answer
};

// The body of a List as the gateway sends it (names cleaned and cut here).
QByteArray Body(const Entry& e);
// Reads a body from the front of `bytes`; `used` tells how many bytes it took.
std::optional<Entry> ReadBody(QByteArrayView bytes, qsizetype* used);
QByteArray ListRequest(const relaywire::RoomKeys& keys, QByteArrayView room, quint64 counter, const Entry& e);
// What the room's signature covers.
QByteArray ListMessage(QByteArrayView room, QByteArrayView counter, QByteArrayView body);
// A Find of `size` bytes (at least FindBytes); `cookie` empty for the first.
QByteArray FindRequest(QByteArrayView cookie, int first, int size);

struct Page {
    int total = 0;
    int next = 0;
    std::vector<Entry> entries;
};
std::optional<Page> ReadGames(QByteArrayView datagram);

// The link that joins a listed game through the relay it was found at.
QString LinkOf(const Entry& e, const QString& relayHost, quint16 relayPort);

} // namespace gamelist
