#pragma once

#include "TokenBucket.h"

#include "RelayWire.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

// A relay's rooms: it forwards sealed datagrams between a gateway that cannot be reached
// directly and the copies that joined it, without the game's key. It answers an address that
// has not proven anything with at most as many bytes as came from it, and holds a bounded
// amount of memory whatever arrives. The sockets are the caller's: this class only decides.
class Relay {
public:
    // An IPv6 address (IPv4 mapped into it) and a port.
    struct Peer {
        std::array<std::uint8_t, 16> address{};
        std::uint16_t port = 0;
        // The relay's own address this peer talks to, all zeros when unknown: answers leave
        // from it, or a router on the way would not know them (a server with several addresses).
        std::array<std::uint8_t, 16> local{};
        bool operator==(const Peer& o) const { return address == o.address && port == o.port; }
        bool IsV4() const;
        std::string Text() const;
        static Peer V4(std::uint32_t hostOrder, std::uint16_t port);
    };
    struct PeerHash {
        std::size_t operator()(const Peer& p) const noexcept;
    };

    struct Limits {
        int rooms = 4096;
        int roomsPerAddress = 16;         // per IPv4 address or IPv6 /64
        int roomsPerSite = 64;            // per IPv6 /48: a site's many /64s share this
        int emptyRoomMs = 60000;          // a full relay lets a room with no member this long go
        double memberPerSecond = 2000;    // a member's datagrams, and its burst
        double gatewayPerSecond = 16000;  // a gateway sends each member its own copy
        double strangerPerSecond = 64;    // handshakes and strays, per source address
        int idleMs = 20000;               // members and rooms silent this long are gone
        int listed = 1000;                // public games listed at once
        int listedPerAddress = 4;         // per IPv4 address or IPv6 /64
        int listedPerSite = 16;           // per IPv6 /48
    };

    // Where a datagram goes: head then body, as one datagram.
    struct Sink {
        virtual ~Sink() = default;
        virtual void Send(const Peer& to, std::span<const std::uint8_t> head, std::span<const std::uint8_t> body) = 0;
    };

    struct Counts {
        std::uint64_t forwarded = 0;
        std::uint64_t unknown = 0;    // data or keep-alives from addresses that proved nothing
        std::uint64_t overBudget = 0; // a member or gateway over its rate
        std::uint64_t limited = 0;    // a source address over its handshake rate
        std::uint64_t malformed = 0;
        std::uint64_t badProof = 0;   // stale cookies, wrong signatures or join proofs
        std::uint64_t refused = 0;    // rooms full, the relay full, no such room
        std::uint64_t noMember = 0;   // a gateway's datagram for a member that left
        std::uint64_t listings = 0;   // public games listed or refreshed
        std::uint64_t finds = 0;      // list pages sent
        std::uint64_t Dropped() const {
            return unknown + overBudget + limited + malformed + badProof + refused + noMember;
        }
    };

    explicit Relay(Limits limits);
    Relay() : Relay(Limits{}) {}
    ~Relay();

    void Receive(std::span<const std::uint8_t> datagram, const Peer& from, std::int64_t nowMs, Sink& out);
    // Ends silent members and rooms; writes the minute's summary when a minute has passed.
    void Tick(std::int64_t nowMs);
    void SetLog(std::function<void(const std::string&)> log) { log_ = std::move(log); }

    int RoomCount() const { return static_cast<int>(rooms_.size()); }
    int ListedCount() const { return static_cast<int>(listed_.size()); }
    int MemberCount() const;
    const Counts& Stats() const { return counts_; }
    // "forwarded F, dropped D (unknown ..., ...)" between two readings of the counts.
    static std::string Describe(const Counts& now, const Counts& before);
    static std::string Describe(const Counts& now) { return Describe(now, Counts()); }
    // What one room's bookkeeping costs, for the figures.
    static std::size_t RoomBytesUsed();

private:
    struct Room;
    struct Member;
    struct Role {
        Room* room = nullptr;
        int member = -1; // -1: the room's gateway
    };
    using Bucket = TokenBucket;

    void OnOpen(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out);
    void OnProve(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out);
    void OnKnock(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out);
    void OnEnter(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out);
    void OnData(std::span<const std::uint8_t> d, const Role& role, std::int64_t now, Sink& out);
    // The public list: a room's gateway lists its game; anyone reads the list, page by page.
    void OnList(std::span<const std::uint8_t> d, Room& room, const Peer& from, std::int64_t now, Sink& out);
    void OnFind(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out);
    void Unlist(Room& room);
    void ExpireListings(std::int64_t now);
    void Answer(Sink& out, const Peer& to, std::span<const std::uint8_t> bytes);
    void Refuse(Sink& out, const Peer& to, char reason);
    void TellSeen(Sink& out, const Peer& to);
    bool Stranger(const Peer& from, std::int64_t now); // false when over its rate
    // A handshake of its exact size and version from a source within its rate.
    bool Handshake(std::span<const std::uint8_t> d, int bytes, const Peer& from, std::int64_t now);
    static bool Spend(Bucket& b, double perSecond, std::int64_t now);
    QByteArray CookieFor(std::uint32_t bucket, const Peer& from, QByteArrayView subject) const;
    bool CookieGood(QByteArrayView cookie, const Peer& from, QByteArrayView subject, std::int64_t now) const;
    void Forget(const Peer& p);
    void CloseRoom(Room& room, const char* why, std::int64_t now);
    void DropMember(Room& room, int index);
    std::uint64_t PrefixOf(const Peer& p, int bytes = 8) const;
    // A room with no member for the longest, at least emptyRoomMs: the one to let go for a new one.
    Room* LongestEmpty(std::int64_t now) const;

    Limits limits_;
    QByteArray secret_;
    std::unordered_map<std::string, std::unique_ptr<Room>> rooms_; // by room id
    std::unordered_map<Peer, Role, PeerHash> roles_;
    std::unordered_map<std::uint64_t, int> roomsByPrefix_, roomsBySite_;
    std::vector<Room*> listed_;     // in the order they were listed
    std::vector<Bucket> strangers_; // a fixed table, by a keyed hash of the source's prefix
    Counts counts_, lastSummary_;
    std::int64_t summaryAt_ = -1;
    std::function<void(const std::string&)> log_;
};
