#include "GameList.h"
#include "OnlineLink.h"
#include "Relay_p.h"

#include <QHostAddress>

#include <algorithm>

// The public list. A game is listed only by its room's gateway, signed with the room's key,
// so it is reachable through its room here whatever its own network does; a direct address
// it names must be the one its datagrams come from. A page of the list goes only to an
// address that returned this relay's cookie, and is never longer than the request for it.

using relayroom::Span;
using relayroom::View;

namespace {
QHostAddress AddressOf(const Relay::Peer& p) {
    Q_IPV6ADDR a;
    std::copy(p.address.begin(), p.address.end(), a.c);
    QHostAddress address(a);
    bool v4 = false;
    if (const quint32 four = address.toIPv4Address(&v4); v4) address = QHostAddress(four);
    return address;
}
} // namespace

void Relay::OnList(std::span<const std::uint8_t> d, Room& room, const Peer& from, std::int64_t now, Sink& out) {
    const auto answer = [&](gamelist::ListStatus status) {
        const std::uint8_t listed[2] = {static_cast<std::uint8_t>(gamelist::Listed), static_cast<std::uint8_t>(status)};
        Answer(out, from, listed);
    };
    constexpr std::size_t head = 1 + 8 + relaywire::SignatureBytes;
    if (d.size() <= head) {
        ++counts_.malformed;
        return;
    }
    const QByteArrayView all = View(d);
    quint64 counter = 0;
    for (int i = 0; i < 8; ++i) counter |= quint64(d[1 + std::size_t(i)]) << (8 * i);
    const QByteArrayView body = all.sliced(head);
    if (counter <= room.controlCounter ||
        !relaywire::Verify(room.publicKey, gamelist::ListMessage(room.id, all.sliced(1, 8), body),
                           all.sliced(9, relaywire::SignatureBytes))) {
        ++counts_.badProof;
        return;
    }
    room.controlCounter = counter;
    room.heard = now;
    qsizetype used = 0;
    const auto entry = gamelist::ReadBody(body, &used);
    if (!entry || used != body.size()) {
        ++counts_.malformed;
        answer(gamelist::ListStatus::Malformed);
        return;
    }
    if (!entry->direct.isEmpty()) {
        QString host;
        quint16 port = 0;
        if (!OnlineLink::SplitHostPort(entry->direct, host, port, true) || QHostAddress(host) != AddressOf(from)) {
            ++counts_.refused;
            answer(gamelist::ListStatus::WrongAddress);
            return;
        }
    }
    if (room.listing.isEmpty()) {
        const auto count = [this](auto same) {
            return std::count_if(listed_.begin(), listed_.end(), [&](const Room* r) { return same(*r); });
        };
        if (static_cast<int>(listed_.size()) >= limits_.listed) {
            ++counts_.refused;
            answer(gamelist::ListStatus::Full);
            return;
        }
        if (count([&](const Room& r) { return r.prefix == room.prefix; }) >= limits_.listedPerAddress ||
            (room.site && count([&](const Room& r) { return r.site == room.site; }) >= limits_.listedPerSite)) {
            ++counts_.refused;
            answer(gamelist::ListStatus::TooMany);
            return;
        }
        listed_.push_back(&room);
        if (log_) log_("room " + base64url::Encode(room.id).toStdString() + " listed as \"" + entry->name.toStdString() + "\"");
    }
    // Stored as it is shown: cleaned, whatever was sent.
    room.listing = gamelist::Body(*entry);
    room.listedAt = now;
    ++counts_.listings;
    answer(gamelist::ListStatus::Listed);
}

void Relay::OnFind(std::span<const std::uint8_t> d, const Peer& from, std::int64_t now, Sink& out) {
    if (d.size() < static_cast<std::size_t>(gamelist::FindBytes) || static_cast<char>(d[1]) != relaywire::Version) {
        ++counts_.malformed;
        return;
    }
    if (!Stranger(from, now)) return;
    const QByteArrayView all = View(d);
    const QByteArrayView cookie = all.sliced(2, relaywire::CookieBytes);
    static const QByteArray subject("lumivex find");
    if (!CookieGood(cookie, from, subject, now)) {
        if (cookie != QByteArray(relaywire::CookieBytes, '\0')) ++counts_.badProof;
        const QByteArray challenge = QByteArray(1, relaywire::Challenge) +
                                     CookieFor(static_cast<std::uint32_t>(now / (1000 * relayroom::CookieSeconds)), from, subject);
        Answer(out, from, Span(challenge));
        return;
    }
    const int first = static_cast<unsigned char>(d[2 + relaywire::CookieBytes]) |
                      static_cast<unsigned char>(d[3 + relaywire::CookieBytes]) << 8;
    QByteArray page(gamelist::GamesHeadBytes, '\0');
    page[0] = gamelist::Games;
    const int total = static_cast<int>(listed_.size());
    int next = std::min(first, total);
    for (; next < total; ++next) {
        const Room& r = *listed_[static_cast<std::size_t>(next)];
        if (page.size() + relaywire::RoomBytes + r.listing.size() > all.size()) break;
        page.append(r.id).append(r.listing);
    }
    page[1] = static_cast<char>(total & 0xff);
    page[2] = static_cast<char>(total >> 8);
    page[3] = static_cast<char>(next & 0xff);
    page[4] = static_cast<char>(next >> 8);
    ++counts_.finds;
    Answer(out, from, Span(page));
}

void Relay::Unlist(Room& room) {
    if (room.listing.isEmpty()) return;
    room.listing.clear();
    listed_.erase(std::remove(listed_.begin(), listed_.end(), &room), listed_.end());
}

void Relay::ExpireListings(std::int64_t now) {
    std::vector<Room*> stale;
    for (Room* r : listed_)
        if (now - r->listedAt >= gamelist::ExpireMs) stale.push_back(r);
    for (Room* r : stale) Unlist(*r);
}
