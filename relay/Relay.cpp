#include "Relay.h"
#include "Relay_p.h"

#include "Envelope.h"
#include "GameList.h"
#include "OnlineLink.h"

#include <QHostAddress>

#include <sodium.h>

#include <algorithm>
#include <cstring>

using relayroom::CookieSeconds;
using relayroom::MostMembers;

using relayroom::Span;
using relayroom::View;

namespace {
constexpr std::size_t StrangerSlots = 1 << 14;

QByteArray Le32(std::uint32_t v) {
    QByteArray b(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>(v >> (8 * i));
    return b;
}
std::uint32_t Le32(QByteArrayView b) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(static_cast<unsigned char>(b[i])) << (8 * i);
    return v;
}
} // namespace

Relay::Relay(Limits limits)
    : limits_(limits), secret_(seal::Random(seal::KeyBytes)), strangers_(StrangerSlots) {}

Relay::~Relay() = default;

std::size_t Relay::RoomBytesUsed() {
    // The room, its id and public key, its join secret (a guarded allocation: its own page and
    // the one that records its size), and the map entries of its gateway and members.
    return sizeof(Room) + 2 * 48 + 2 * 4096 + (MostMembers + 1) * (sizeof(Peer) + sizeof(Role) + 2 * sizeof(void*)) + 64;
}

int Relay::MemberCount() const {
    int n = 0;
    for (const auto& [id, room] : rooms_)
        for (const Member& m : room->members) n += m.used;
    return n;
}

std::uint64_t Relay::PrefixOf(const Peer& p, int prefixBytes) const {
    // An IPv4 address is one source; an IPv6 one counts by its /64 (or the first bytes asked for).
    std::uint8_t bytes[16] = {};
    std::memcpy(bytes, p.address.data(), p.IsV4() ? 16 : static_cast<std::size_t>(prefixBytes));
    std::uint64_t h = 0;
    crypto_shorthash(reinterpret_cast<unsigned char*>(&h), bytes, sizeof bytes,
                     reinterpret_cast<const unsigned char*>(secret_.constData()));
    return h;
}

bool Relay::Spend(Bucket& b, double perSecond, std::int64_t now) { return b.Take(perSecond, perSecond, 1, now); }

bool Relay::Handshake(std::span<const std::uint8_t> d, int bytes, const Peer& from, std::int64_t now) {
    if (d.size() != static_cast<std::size_t>(bytes) || static_cast<char>(d[1]) != relaywire::Version) {
        ++counts_.malformed;
        return false;
    }
    return Stranger(from, now);
}

bool Relay::Stranger(const Peer& from, std::int64_t now) {
    Bucket& b = strangers_[PrefixOf(from) % StrangerSlots];
    if (Spend(b, limits_.strangerPerSecond, now)) return true;
    ++counts_.limited;
    return false;
}

QByteArray Relay::CookieFor(std::uint32_t bucket, const Peer& from, QByteArrayView subject) const {
    const QByteArray b = Le32(bucket);
    const QByteArrayView peer(reinterpret_cast<const char*>(from.address.data()), 16);
    const QByteArray port = Le32(from.port);
    return b + seal::Mac(secret_, {b, peer, port, subject}, 16);
}

bool Relay::CookieGood(QByteArrayView cookie, const Peer& from, QByteArrayView subject, std::int64_t now) const {
    const std::uint32_t bucket = Le32(cookie);
    const auto current = static_cast<std::uint32_t>(now / (1000 * CookieSeconds));
    if (bucket != current && bucket + 1 != current) return false;
    return seal::Same(cookie, CookieFor(bucket, from, subject));
}

void Relay::Answer(Sink& out, const Peer& to, std::span<const std::uint8_t> bytes) { out.Send(to, bytes, {}); }

void Relay::Refuse(Sink& out, const Peer& to, char reason) {
    const std::uint8_t problem[relaywire::ProblemBytes] = {static_cast<std::uint8_t>(relaywire::Problem),
                                                           static_cast<std::uint8_t>(reason)};
    Answer(out, to, problem);
}

void Relay::Receive(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out) {
    if (d.empty()) return;
    if (d.size() > static_cast<std::size_t>(relaywire::MostRelayedBytes)) {
        ++counts_.malformed;
        return;
    }
    const auto kind = static_cast<char>(d[0]);
    if (kind == relaywire::Data || kind == relaywire::Keep || kind == relaywire::Leave ||
        kind == gamelist::List) {
        const auto it = roles_.find(from);
        if (it == roles_.end()) {
            // Told so it can prove itself again (the relay restarted, say), never at a profit.
            ++counts_.unknown;
            if (d.size() >= relaywire::ProblemBytes && Stranger(from, now)) Refuse(out, from, relaywire::Unknown);
            return;
        }
        const Role role = it->second;
        // Answers go back from the address this peer last spoke to.
        if (role.member < 0)
            role.room->gateway.local = from.local;
        else
            role.room->members[static_cast<std::size_t>(role.member)].peer.local = from.local;
        if (kind == relaywire::Data) {
            OnData(d, role, now, out);
            return;
        }
        Room& room = *role.room;
        if (kind == gamelist::List) {
            if (role.member < 0)
                OnList(d, room, from, now, out);
            else
                ++counts_.malformed;
            return;
        }
        if (kind == relaywire::Leave && role.member >= 0) {
            DropMember(room, role.member);
            return;
        }
        if (role.member < 0) {
            // A gateway's Leave and Keep count only with the room's own signature over a counter
            // not used before: a source address is easily forged, and a captured one is not
            // good twice. (Closing a room, or keeping a dead one, is not for anyone to do.)
            if (d.size() != relaywire::GatewayLeaveBytes) {
                ++counts_.badProof;
                return;
            }
            const QByteArrayView all = View(d);
            quint64 counter = 0;
            for (int i = 0; i < 8; ++i) counter |= quint64(d[1 + std::size_t(i)]) << (8 * i);
            if (counter <= room.controlCounter ||
                !relaywire::Verify(room.publicKey, relaywire::ControlMessage(kind, room.id, all.sliced(1, 8)),
                                   all.sliced(9))) {
                ++counts_.badProof;
                return;
            }
            room.controlCounter = counter;
            if (kind == relaywire::Leave) {
                CloseRoom(room, "its gateway closed it", now);
                return;
            }
        }
        if (role.member < 0) {
            room.heard = now;
        } else {
            room.members[static_cast<std::size_t>(role.member)].heard = now;
            room.memberHeard = now;
        }
        static constexpr std::uint8_t kept[2] = {static_cast<std::uint8_t>(relaywire::Kept), 0};
        if (d.size() >= 2) Answer(out, from, kept);
        if (role.member < 0) TellSeen(out, from);
        return;
    }
    switch (kind) {
    case relaywire::Open: OnOpen(d, from, now, out); return;
    case relaywire::Prove: OnProve(d, from, now, out); return;
    case relaywire::Knock: OnKnock(d, from, now, out); return;
    case relaywire::Enter: OnEnter(d, from, now, out); return;
    case gamelist::Find: OnFind(d, from, now, out); return;
    default: ++counts_.malformed; return;
    }
}

void Relay::OnData(std::span<const std::uint8_t> d, const Role& role, std::int64_t now, Sink& out) {
    Room& room = *role.room;
    if (role.member >= 0) {
        Member& m = room.members[static_cast<std::size_t>(role.member)];
        if (d.size() < 2) {
            ++counts_.malformed;
            return;
        }
        if (!Spend(m.budget, limits_.memberPerSecond, now)) {
            ++counts_.overBudget;
            return;
        }
        m.heard = now;
        room.memberHeard = now;
        std::uint8_t head[1 + relaywire::TagBytes];
        head[0] = static_cast<std::uint8_t>(relaywire::Data);
        std::memcpy(head + 1, m.tag.data(), relaywire::TagBytes);
        ++counts_.forwarded;
        ++room.forwarded;
        out.Send(room.gateway, head, d.subspan(1));
        return;
    }
    if (d.size() < 2 + relaywire::TagBytes) {
        ++counts_.malformed;
        return;
    }
    if (!Spend(room.budget, limits_.gatewayPerSecond, now)) {
        ++counts_.overBudget;
        return;
    }
    room.heard = now;
    for (const Member& m : room.members) {
        if (!m.used || std::memcmp(m.tag.data(), d.data() + 1, relaywire::TagBytes) != 0) continue;
        static constexpr std::uint8_t head[1] = {static_cast<std::uint8_t>(relaywire::Data)};
        ++counts_.forwarded;
        ++room.forwarded;
        out.Send(m.peer, head, d.subspan(1 + relaywire::TagBytes));
        return;
    }
    ++counts_.noMember;
}

void Relay::OnOpen(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out) {
    if (!Handshake(d, relaywire::OpenBytes, from, now)) return;
    const QByteArray challenge =
        QByteArray(1, relaywire::Challenge) +
        CookieFor(static_cast<std::uint32_t>(now / (1000 * CookieSeconds)), from,
                  View(d.subspan(2, relaywire::PublicKeyBytes)));
    Answer(out, from, Span(challenge));
}

void Relay::OnProve(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out) {
    if (!Handshake(d, relaywire::ProveBytes, from, now)) return;
    const QByteArrayView all = View(d);
    const QByteArrayView publicKey = all.sliced(2, relaywire::PublicKeyBytes);
    const QByteArrayView cookie = all.sliced(2 + relaywire::PublicKeyBytes, relaywire::CookieBytes);
    const QByteArrayView secret =
        all.sliced(2 + relaywire::PublicKeyBytes + relaywire::CookieBytes, relaywire::SecretBytes);
    const QByteArrayView signature = all.sliced(relaywire::ProveBytes - relaywire::SignatureBytes);
    // The cheap check first: a signature is looked at only for a cookie this relay gave.
    const QByteArray room = relaywire::RoomOf(publicKey);
    if (!CookieGood(cookie, from, publicKey, now) ||
        !relaywire::Verify(publicKey, relaywire::OpenMessage(cookie, room, secret), signature)) {
        ++counts_.badProof;
        return;
    }
    const std::string key = room.toStdString();
    auto it = rooms_.find(key);
    if (it == rooms_.end()) {
        const std::uint64_t prefix = PrefixOf(from);
        const std::uint64_t site = from.IsV4() ? 0 : PrefixOf(from, 6);
        const auto taken = [](const auto& counts, std::uint64_t k) {
            const auto c = counts.find(k);
            return c == counts.end() ? 0 : c->second;
        };
        if (taken(roomsByPrefix_, prefix) >= limits_.roomsPerAddress ||
            (site && taken(roomsBySite_, site) >= limits_.roomsPerSite)) {
            ++counts_.refused;
            Refuse(out, from, relaywire::RelayFull);
            return;
        }
        if (static_cast<int>(rooms_.size()) >= limits_.rooms) {
            // Full: a room nobody has been in for a while makes way, the emptiest first.
            Room* empty = LongestEmpty(now);
            if (!empty) {
                ++counts_.refused;
                Refuse(out, from, relaywire::RelayFull);
                return;
            }
            CloseRoom(*empty, "it stood empty and the relay was full", now);
        }
        Forget(from);
        auto fresh = std::make_unique<Room>();
        fresh->id = room;
        fresh->publicKey = publicKey.toByteArray();
        fresh->prefix = prefix;
        fresh->site = site;
        fresh->opened = fresh->memberHeard = now;
        ++roomsByPrefix_[prefix];
        if (site) ++roomsBySite_[site];
        it = rooms_.emplace(key, std::move(fresh)).first;
        if (log_)
            log_("room " + base64url::Encode(room).toStdString() + " opened by " + from.Text() + " (" +
                 std::to_string(rooms_.size()) + " rooms)");
    } else if (it->second->gateway != from) {
        // The room's key proved again: its gateway moved (a new port on its router, say).
        roles_.erase(it->second->gateway);
        Forget(from);
        if (log_) log_("room " + base64url::Encode(room).toStdString() + " moved to " + from.Text());
    }
    Room& r = *it->second;
    r.gateway = from;
    r.joinSecret = seal::Secret(secret);
    r.heard = now;
    roles_[from] = Role{&r, -1};
    const QByteArray opened = QByteArray(1, relaywire::Opened) + room;
    Answer(out, from, Span(opened));
    TellSeen(out, from);
}

void Relay::TellSeen(Sink& out, const Peer& to) {
    // Where the gateway's datagrams come from, as a router outside its network sees them:
    // an address its friends may reach it at when nothing else is known.
    std::array<std::uint8_t, relaywire::SeenBytes> seen{};
    seen[0] = static_cast<std::uint8_t>(relaywire::Seen);
    std::memcpy(seen.data() + 1, to.address.data(), 16);
    seen[17] = static_cast<std::uint8_t>(to.port >> 8);
    seen[18] = static_cast<std::uint8_t>(to.port & 0xff);
    Answer(out, to, seen);
}

void Relay::OnKnock(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out) {
    if (!Handshake(d, relaywire::KnockBytes, from, now)) return;
    const QByteArrayView roomAndTag = View(d.subspan(2, relaywire::RoomBytes + relaywire::TagBytes));
    if (!rooms_.contains(roomAndTag.first(relaywire::RoomBytes).toByteArray().toStdString())) {
        ++counts_.refused;
        Refuse(out, from, relaywire::NoRoom);
        return;
    }
    const QByteArray challenge =
        QByteArray(1, relaywire::Challenge) +
        CookieFor(static_cast<std::uint32_t>(now / (1000 * CookieSeconds)), from, roomAndTag);
    Answer(out, from, Span(challenge));
}

void Relay::OnEnter(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out) {
    if (!Handshake(d, relaywire::EnterBytes, from, now)) return;
    const QByteArrayView all = View(d);
    const QByteArrayView roomAndTag = all.sliced(2, relaywire::RoomBytes + relaywire::TagBytes);
    const QByteArrayView room = roomAndTag.first(relaywire::RoomBytes);
    const QByteArrayView tag = roomAndTag.sliced(relaywire::RoomBytes);
    const QByteArrayView cookie = all.sliced(2 + relaywire::RoomBytes + relaywire::TagBytes, relaywire::CookieBytes);
    const QByteArrayView proof = all.sliced(relaywire::EnterBytes - 16);
    const auto it = rooms_.find(room.toByteArray().toStdString());
    if (it == rooms_.end()) {
        ++counts_.refused;
        Refuse(out, from, relaywire::NoRoom);
        return;
    }
    Room& r = *it->second;
    if (!CookieGood(cookie, from, roomAndTag, now) ||
        !seal::Same(proof, relaywire::EnterProof(r.joinSecret, cookie, room, tag))) {
        ++counts_.badProof;
        return;
    }
    if (from == r.gateway) {
        ++counts_.malformed;
        return;
    }
    // The same tag enters again after the relay restarted, or from a new port: it keeps its place.
    Member* place = nullptr;
    for (Member& m : r.members)
        if (m.used && std::memcmp(m.tag.data(), tag.data(), relaywire::TagBytes) == 0) place = &m;
    if (!place)
        for (Member& m : r.members)
            if (!m.used) {
                place = &m;
                break;
            }
    if (!place) {
        ++counts_.refused;
        Refuse(out, from, relaywire::RoomFull);
        return;
    }
    // The join secret travels in the clear, and tags are seen in every Knock: a place held by
    // an address that still speaks is never handed to another one. A member that moved (a new
    // port on its router) gets its place back once the old address has been silent its time.
    if (place->used && place->peer != from && now - place->heard < limits_.idleMs) {
        ++counts_.refused;
        return;
    }
    if (place->used && place->peer != from) roles_.erase(place->peer);
    Forget(from);
    place->used = true;
    place->peer = from;
    std::memcpy(place->tag.data(), tag.data(), relaywire::TagBytes);
    place->heard = now;
    r.memberHeard = now;
    roles_[from] = Role{&r, static_cast<int>(place - r.members.data())};
    const QByteArray entered = QByteArray(1, relaywire::Entered) + tag.toByteArray();
    Answer(out, from, Span(entered));
}

void Relay::Forget(const Peer& p) {
    // One address and port plays one part: what it was before ends.
    const auto it = roles_.find(p);
    if (it == roles_.end()) return;
    const Role role = it->second;
    if (role.member >= 0)
        DropMember(*role.room, role.member);
    else
        CloseRoom(*role.room, "its gateway took another part", 0);
}

void Relay::DropMember(Room& room, int index) {
    Member& m = room.members[static_cast<std::size_t>(index)];
    if (!m.used) return;
    roles_.erase(m.peer);
    m = Member{};
}

void Relay::CloseRoom(Room& room, const char* why, std::int64_t now) {
    Unlist(room);
    for (int i = 0; i < MostMembers; ++i) DropMember(room, i);
    roles_.erase(room.gateway);
    if (auto p = roomsByPrefix_.find(room.prefix); p != roomsByPrefix_.end() && --p->second <= 0)
        roomsByPrefix_.erase(p);
    if (auto p = roomsBySite_.find(room.site); room.site && p != roomsBySite_.end() && --p->second <= 0)
        roomsBySite_.erase(p);
    if (log_)
        log_("room " + base64url::Encode(room.id).toStdString() + " closed (" + why + ") after " +
             std::to_string(std::max<std::int64_t>(0, now - room.opened) / 1000) + " s and " +
             std::to_string(room.forwarded) + " datagrams (" + std::to_string(rooms_.size() - 1) + " rooms)");
    rooms_.erase(room.id.toStdString()); // `room` is gone from here on
}

Relay::Room* Relay::LongestEmpty(std::int64_t now) const {
    Room* best = nullptr;
    for (const auto& [id, room] : rooms_) {
        if (now - room->memberHeard < limits_.emptyRoomMs) continue;
        if (std::any_of(room->members.begin(), room->members.end(), [](const Member& m) { return m.used; })) continue;
        if (!best || room->memberHeard < best->memberHeard) best = room.get();
    }
    return best;
}

void Relay::Tick(std::int64_t now) {
    std::vector<Room*> silent;
    for (auto& [id, room] : rooms_) {
        if (now - room->heard >= limits_.idleMs) {
            silent.push_back(room.get());
            continue;
        }
        for (int i = 0; i < MostMembers; ++i)
            if (room->members[static_cast<std::size_t>(i)].used &&
                now - room->members[static_cast<std::size_t>(i)].heard >= limits_.idleMs)
                DropMember(*room, i);
    }
    for (Room* r : silent) CloseRoom(*r, "its gateway went silent", now);
    ExpireListings(now);
    if (summaryAt_ < 0) summaryAt_ = now;
    if (now - summaryAt_ < 60000) return;
    summaryAt_ = now;
    if (log_)
        log_("rooms " + std::to_string(rooms_.size()) + ", members " + std::to_string(MemberCount()) +
             "; last minute: " + Describe(counts_, lastSummary_));
    lastSummary_ = counts_;
}

std::string Relay::Describe(const Counts& c, const Counts& l) {
    return "forwarded " + std::to_string(c.forwarded - l.forwarded) + ", dropped " +
           std::to_string(c.Dropped() - l.Dropped()) + " (unknown " + std::to_string(c.unknown - l.unknown) +
           ", over budget " + std::to_string(c.overBudget - l.overBudget) + ", limited " +
           std::to_string(c.limited - l.limited) + ", malformed " + std::to_string(c.malformed - l.malformed) +
           ", bad proof " + std::to_string(c.badProof - l.badProof) + ", refused " +
           std::to_string(c.refused - l.refused) + ", no member " + std::to_string(c.noMember - l.noMember) + ")";
}
