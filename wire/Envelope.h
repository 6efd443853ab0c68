#pragma once

#include "Seal.h"

#include <QByteArray>

#include <cstring>

// The datagrams between a gateway and the copies that joined it. The first byte is the kind.
//   Hello    joiner -> gateway: kind, version, joiner's random (32), zeros up to 64 bytes
//   Cookie   gateway -> joiner: kind, time bucket (4), mac (16); shorter than the Hello
//   Join     joiner -> gateway: kind, version, joiner's random, cookie (20), proof of the key (32)
//   Welcome  gateway -> joiner: kind, gateway's random (32), proof of the key (32)
//   Refused  gateway -> joiner: kind, reason, proof of the key (16)
//   Sealed   both ways: kind, counter (8), then sealed: what (1) and the rest
// Nothing but a Cookie answers a sender that has not proven the key, and a Cookie is never
// longer than what asked for it.
namespace envelope {

enum Kind : char { Hello = 1, Cookie = 2, Join = 3, Welcome = 4, Refused = 5, Sealed = 6 };
enum What : char { Game = 0, Ping = 1, Pong = 2, Bye = 3 };
// Why a Join was refused. Copies before 1.25 know only Full, and say the game refused them.
enum Reason : char { Full = 1, Removed = 2, Closed = 3 };
// A Bye may carry why: the host removed the copy. Older copies read any Bye as the game gone.
constexpr char ByeRemoved = 1;

constexpr char Version = 1;
constexpr int HelloBytes = 64;
constexpr int CookieBytes = 4 + 16; // after the kind
constexpr int JoinBytes = 2 + seal::RandomBytes + CookieBytes + 32;
constexpr int WelcomeBytes = 1 + seal::RandomBytes + 32;
constexpr int RefusedBytes = 2 + 16;
// Game datagrams are at most this long; none of the game's messages is longer.
constexpr int MostGameBytes = 1024;
constexpr int MostSealedBytes = 1 + seal::CounterBytes + 1 + MostGameBytes + seal::TagBytes;

// A keep-alive carries the sender's clock in milliseconds; its Pong brings it back.
inline QByteArray Stamp(qint64 nowMs) { return QByteArray(reinterpret_cast<const char*>(&nowMs), 8); }
// The round trip a Pong tells, or -1 when it tells none.
inline int RoundTrip(QByteArrayView pong, qint64 nowMs) {
    if (pong.size() != 8) return -1;
    qint64 sent = 0;
    std::memcpy(&sent, pong.data(), 8);
    return sent >= 0 && sent <= nowMs ? static_cast<int>(nowMs - sent) : -1;
}

inline QByteArray JoinProof(QByteArrayView key, QByteArrayView joiner, QByteArrayView cookie) {
    return seal::Mac(key, {"lumivex join", joiner, cookie}, 32);
}
inline QByteArray WelcomeProof(QByteArrayView key, QByteArrayView joiner, QByteArrayView gateway) {
    return seal::Mac(key, {"lumivex welcome", joiner, gateway}, 32);
}
inline QByteArray RefusedProof(QByteArrayView key, QByteArrayView joiner, char reason) {
    return seal::Mac(key, {"lumivex refused", joiner, QByteArrayView(&reason, 1)}, 16);
}

} // namespace envelope
