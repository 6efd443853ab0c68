// libFuzzer target for the relay's receive path. A room is opened and a member let in
// properly; then each input is a list of datagrams from eight addresses (the room's gateway
// and member among them), with the clock moving between them. Whatever arrives, the relay must
// not crash, keep the room with its own gateway and member, send no address that proved
// nothing more bytes than it sent, and hold no more rooms or members than its limits allow.
#include "Relay.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace {
struct Wire : Relay::Sink {
    std::map<std::uint16_t, std::uint64_t> out; // bytes, by the peer's port (one per address here)
    QByteArray last;
    Relay::Peer lastTo;
    void Send(const Relay::Peer& to, std::span<const std::uint8_t> head, std::span<const std::uint8_t> body) override {
        out[to.port] += head.size() + body.size();
        last = QByteArray(reinterpret_cast<const char*>(head.data()), qsizetype(head.size())) +
               QByteArray(reinterpret_cast<const char*>(body.data()), qsizetype(body.size()));
        lastTo = to;
    }
};
Relay::Peer At(int i) { return Relay::Peer::V4(0xC6336400u + std::uint32_t(i), std::uint16_t(40000 + i)); }
void Deliver(Relay& r, const QByteArray& d, const Relay::Peer& from, std::int64_t now, Wire& w) {
    r.Receive({reinterpret_cast<const std::uint8_t*>(d.constData()), std::size_t(d.size())}, from, now, w);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = seal::Ready();
    if (!ready) std::abort();
    static const relaywire::RoomKeys keys = relaywire::RoomKeys::Fresh();
    static const QByteArray room = relaywire::RoomOf(keys.publicKey);
    static const QByteArray secret(relaywire::SecretBytes, 's');
    Relay::Limits limits;
    limits.rooms = 4;
    Relay relay(limits);
    Wire w;
    std::int64_t now = 1000;
    // The gateway (address 0) opens the room; the member (address 1) enters it.
    Deliver(relay, relaywire::OpenRequest(keys.publicKey), At(0), now, w);
    const QByteArray cookie = w.last.mid(1);
    Deliver(relay, relaywire::ProveRequest(keys, cookie, secret), At(0), now, w);
    Deliver(relay, relaywire::KnockRequest(room, "membertg"), At(1), now, w);
    const QByteArray dare = w.last.mid(1);
    Deliver(relay, relaywire::EnterRequest(room, "membertg", dare, secret), At(1), now, w);
    if (relay.RoomCount() != 1 || relay.MemberCount() != 1) std::abort();
    w.out.clear();

    // Records: a byte of how (address in the low 3 bits, the rest moves the clock), a byte of
    // length, then the bytes.
    std::map<std::uint16_t, std::uint64_t> in;
    std::size_t at = 0;
    while (at + 2 <= size) {
        const int how = data[at];
        const std::size_t n = std::min<std::size_t>(data[at + 1] * 5u, size - at - 2);
        const QByteArray bytes(reinterpret_cast<const char*>(data + at + 2), static_cast<qsizetype>(n));
        at += 2 + n;
        now += (how >> 3) * 37; // up to about a second a step: limits refill, nothing times out
        const Relay::Peer from = At(how & 7);
        in[from.port] += std::uint64_t(n);
        Deliver(relay, bytes, from, now, w);
        relay.Tick(now);
        if (relay.RoomCount() > limits.rooms || relay.MemberCount() > 7 * relay.RoomCount()) std::abort();
    }
    for (const auto& [port, bytes] : w.out)
        if (port >= 40002 && bytes > in[port]) std::abort(); // strangers: never more than they sent

    // The room is still the gateway's: what the member sends goes there and nowhere else (when
    // the input has not closed the room, let the member go, or spent its budget).
    const std::uint64_t before = relay.Stats().forwarded;
    Deliver(relay, QByteArray(1, relaywire::Data) + "x", At(1), now, w);
    if (relay.Stats().forwarded > before && (w.lastTo.port != 40000 || w.last != QByteArray(1, relaywire::Data) + "membertgx"))
        std::abort();
    return 0;
}
