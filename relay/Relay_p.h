#pragma once

#include "Relay.h"
#include "Seal.h"

// What the relay keeps of a room and its members (the relay's own files only).
namespace relayroom {
constexpr int MostMembers = 7;
constexpr int CookieSeconds = 10; // a challenge is good for one to two of these
inline QByteArrayView View(std::span<const std::uint8_t> s) {
    return QByteArrayView(reinterpret_cast<const char*>(s.data()), static_cast<qsizetype>(s.size()));
}
inline std::span<const std::uint8_t> Span(const QByteArray& b) {
    return {reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size())};
}
} // namespace relayroom

struct Relay::Member {
    Peer peer;
    std::array<std::uint8_t, relaywire::TagBytes> tag{};
    std::int64_t heard = 0;
    Bucket budget;
    bool used = false;
};

struct Relay::Room {
    QByteArray id; // RoomBytes
    QByteArray publicKey;
    seal::Secret joinSecret; // guarded and wiped like every key here
    Peer gateway;
    std::uint64_t prefix = 0, site = 0; // site: the IPv6 /48, 0 for IPv4
    std::int64_t heard = 0, opened = 0;
    std::int64_t memberHeard = 0; // the last time a member was heard, or the opening
    quint64 controlCounter = 0;   // the gateway's signed Keep and Leave, each newer than the last
    Bucket budget;
    std::uint64_t forwarded = 0;
    std::array<Member, relayroom::MostMembers> members;
    QByteArray listing;        // the public game's body, empty when not listed
    std::int64_t listedAt = 0; // its last refresh
};
