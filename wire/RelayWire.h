#pragma once

#include "Envelope.h"
#include "Seal.h"

#include <QByteArray>

// The datagrams between a relay and the copies that use it. The first byte is the kind; the
// relay's kinds never collide with the envelope's (1 to 6).
//   Open       gateway -> relay: kind, version, room's public key (32), zeros up to 64 bytes
//   Challenge  relay -> either: kind, cookie (4 + 16); shorter than what asked for it
//   Prove      gateway -> relay: kind, version, public key, cookie, join secret (32), signature (64)
//   Opened     relay -> gateway: kind, room (16)
//   Knock      member -> relay: kind, version, room, tag (8), zeros up to 64 bytes
//   Enter      member -> relay: kind, version, room, tag, cookie, mac of the cookie (16)
//   Entered    relay -> member: kind, tag
//   Data       member -> relay: kind, datagram     relay -> gateway: kind, tag, datagram
//              gateway -> relay: kind, tag, datagram     relay -> member: kind, datagram
//   Problem    relay -> either: kind, reason (never longer than what it answers)
//   Seen       relay -> gateway: kind, the address (16, IPv4 mapped into IPv6) and port (2, big
//              endian) its datagrams come from, after Opened and Kept; older gateways ignore it
//   Keep       member -> relay: kind, zeros up to 8 bytes; answered by Kept (2 bytes)
//              gateway -> relay: kind, counter (8), the room's signature (64) over the counter
//   Leave      member -> relay: kind
//              gateway -> relay: kind, counter (8), the room's signature (64) over the counter;
//              closes its room (a bare Leave from a gateway's address is ignored: anyone may send one)
// A room's id is a hash of a public key that only its gateway holds the secret of, so only it
// can open the room again. Members prove the join secret, which comes from the game's key; the
// game's key itself never reaches the relay, and everything in Data stays sealed end to end.
namespace relaywire {

enum Kind : char {
    Open = 0x20, Challenge, Prove, Opened, Knock, Enter, Entered, Data, Problem, Keep, Kept, Leave, Seen
};
enum Reason : char { Unknown = 1, NoRoom = 2, RoomFull = 3, RelayFull = 4 };

constexpr char Version = 1;
constexpr int RoomBytes = 16;
constexpr int TagBytes = 8;
constexpr int PublicKeyBytes = 32;
constexpr int SignatureBytes = 64;
constexpr int SecretBytes = 32;
constexpr int CookieBytes = 4 + 16;
constexpr int OpenBytes = 64;
constexpr int ChallengeBytes = 1 + CookieBytes;
constexpr int ProveBytes = 2 + PublicKeyBytes + CookieBytes + SecretBytes + SignatureBytes;
constexpr int OpenedBytes = 1 + RoomBytes;
constexpr int KnockBytes = 64;
constexpr int EnterBytes = 2 + RoomBytes + TagBytes + CookieBytes + 16;
constexpr int EnteredBytes = 1 + TagBytes;
constexpr int ProblemBytes = 2;
constexpr int SeenBytes = 1 + 16 + 2;
constexpr int KeepBytes = 8;
constexpr int GatewayLeaveBytes = 1 + 8 + SignatureBytes;
constexpr int GatewayKeepBytes = 1 + 8 + SignatureBytes;
constexpr quint16 DefaultPort = 31316;
// The longest datagram of online play on any socket: a sealed one with the relay's Data kind and
// a member's tag before it. Every socket reads one byte more, so that a longer one shows.
constexpr int MostRelayedBytes = 1 + TagBytes + envelope::MostSealedBytes;

// The room of a public key.
QByteArray RoomOf(QByteArrayView publicKey);
// What members prove to the relay; derived from the game's key, useless for reading the game.
inline seal::Secret JoinSecret(QByteArrayView gameKey, QByteArrayView room) {
    QByteArray made = seal::Mac(gameKey, {"lumivex relay join secret", room}, SecretBytes);
    seal::Secret secret(made);
    seal::Wipe(made);
    return secret;
}
inline QByteArray EnterProof(QByteArrayView joinSecret, QByteArrayView cookie, QByteArrayView room,
                             QByteArrayView tag) {
    return seal::Mac(joinSecret, {"lumivex relay enter", cookie, room, tag}, 16);
}
// What the gateway signs to open its room: the relay's fresh cookie, the room and its secret.
inline QByteArray OpenMessage(QByteArrayView cookie, QByteArrayView room, QByteArrayView joinSecret) {
    QByteArray m("lumivex relay open");
    return m.append(cookie).append(room).append(joinSecret);
}

// A room's signing keys, fresh for each opening.
struct RoomKeys {
    QByteArray publicKey;
    seal::Secret secretKey;
    static RoomKeys Fresh();
    QByteArray Sign(QByteArrayView message) const;
};
bool Verify(QByteArrayView publicKey, QByteArrayView message, QByteArrayView signature);

// What a gateway signs to close its room, or to keep it, counter by counter.
inline QByteArray ControlMessage(char kind, QByteArrayView room, QByteArrayView counter) {
    return QByteArray(kind == Leave ? "lumivex leave" : "lumivex keep").append(room).append(counter);
}

// The requests, whole: a gateway's Open, Prove and Leave, a member's Knock and Enter.
QByteArray GatewayControl(char kind, const RoomKeys& keys, QByteArrayView room, quint64 counter);
inline QByteArray GatewayLeave(const RoomKeys& keys, QByteArrayView room, quint64 counter) {
    return GatewayControl(Leave, keys, room, counter);
}
QByteArray OpenRequest(QByteArrayView publicKey);
QByteArray ProveRequest(const RoomKeys& keys, QByteArrayView cookie, QByteArrayView joinSecret);
QByteArray KnockRequest(QByteArrayView room, QByteArrayView tag);
QByteArray EnterRequest(QByteArrayView room, QByteArrayView tag, QByteArrayView cookie, QByteArrayView joinSecret);

} // namespace relaywire
