#include "GameList.h"

#include "Messages.h"
#include "OnlineLink.h"

namespace gamelist {
namespace {
void AppendText(QByteArray& out, const QString& text, int mostBytes) {
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() > mostBytes) {
        // Cut on a character's first byte, never inside one.
        qsizetype n = mostBytes;
        while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xc0) == 0x80) --n;
        utf8.truncate(n);
    }
    out.append(static_cast<char>(utf8.size())).append(utf8);
}
std::optional<QString> ReadText(QByteArrayView bytes, qsizetype& at, int mostBytes) {
    if (at >= bytes.size()) return std::nullopt;
    const int n = static_cast<unsigned char>(bytes[at]);
    if (n > mostBytes || at + 1 + n > bytes.size()) return std::nullopt;
    const QString text = QString::fromUtf8(bytes.sliced(at + 1, n));
    at += 1 + n;
    return text;
}
} // namespace

QByteArray Body(const Entry& e) {
    QByteArray b = e.key.left(OnlineLink::KeyBytes).leftJustified(OnlineLink::KeyBytes, '\0');
    b.append(static_cast<char>(std::clamp(e.players, 0, 8))).append(static_cast<char>(e.playing ? 1 : 0));
    AppendText(b, wire::CleanText(e.name, MostNameUnits), 4 * MostNameUnits);
    AppendText(b, wire::CleanText(e.version, MostVersionBytes), MostVersionBytes);
    AppendText(b, wire::CleanText(e.direct, MostDirectBytes), MostDirectBytes);
    return b;
}

std::optional<Entry> ReadBody(QByteArrayView bytes, qsizetype* used) {
    if (bytes.size() < OnlineLink::KeyBytes + 2) return std::nullopt;
    Entry e;
    e.key = bytes.first(OnlineLink::KeyBytes).toByteArray();
    const int players = static_cast<unsigned char>(bytes[OnlineLink::KeyBytes]);
    const int flags = static_cast<unsigned char>(bytes[OnlineLink::KeyBytes + 1]);
    if (players > 8 || flags > 1) return std::nullopt;
    e.players = players;
    e.playing = flags & 1;
    qsizetype at = OnlineLink::KeyBytes + 2;
    const auto name = ReadText(bytes, at, 4 * MostNameUnits);
    const auto version = name ? ReadText(bytes, at, MostVersionBytes) : std::nullopt;
    const auto direct = version ? ReadText(bytes, at, MostDirectBytes) : std::nullopt;
    if (!direct) return std::nullopt;
    // Whoever wrote it, it is shown as clean text only.
    e.name = wire::CleanText(*name, MostNameUnits);
    e.version = wire::CleanText(*version, MostVersionBytes);
    e.direct = wire::CleanText(*direct, MostDirectBytes);
    if (used) *used = at;
    return e;
}

QByteArray ListMessage(QByteArrayView room, QByteArrayView counter, QByteArrayView body) {
    return QByteArray("lumivex list").append(room).append(counter).append(body);
}

QByteArray ListRequest(const relaywire::RoomKeys& keys, QByteArrayView room, quint64 counter, const Entry& e) {
    QByteArray c(8, '\0');
    for (int i = 0; i < 8; ++i) c[i] = static_cast<char>(counter >> (8 * i));
    const QByteArray body = Body(e);
    return QByteArray(1, List).append(c).append(keys.Sign(ListMessage(room, c, body))).append(body);
}

QByteArray FindRequest(QByteArrayView cookie, int first, int size) {
    QByteArray f(std::max(size, FindBytes), '\0');
    f[0] = Find;
    f[1] = relaywire::Version;
    if (cookie.size() == relaywire::CookieBytes) f.replace(2, relaywire::CookieBytes, cookie.toByteArray());
    f[2 + relaywire::CookieBytes] = static_cast<char>(first & 0xff);
    f[3 + relaywire::CookieBytes] = static_cast<char>((first >> 8) & 0xff);
    return f;
}

std::optional<Page> ReadGames(QByteArrayView d) {
    if (d.size() < GamesHeadBytes || d[0] != Games) return std::nullopt;
    Page p;
    p.total = static_cast<unsigned char>(d[1]) | static_cast<unsigned char>(d[2]) << 8;
    p.next = static_cast<unsigned char>(d[3]) | static_cast<unsigned char>(d[4]) << 8;
    qsizetype at = GamesHeadBytes;
    while (at < d.size()) {
        if (d.size() - at < relaywire::RoomBytes) return std::nullopt;
        const QByteArray room = d.sliced(at, relaywire::RoomBytes).toByteArray();
        qsizetype used = 0;
        auto e = ReadBody(d.sliced(at + relaywire::RoomBytes), &used);
        if (!e) return std::nullopt;
        e->room = room;
        p.entries.push_back(std::move(*e));
        at += relaywire::RoomBytes + used;
    }
    return p;
}

QString LinkOf(const Entry& e, const QString& relayHost, quint16 relayPort) {
    OnlineLink link;
    link.host = relayHost;
    link.port = relayPort;
    link.room = e.room;
    link.direct = e.direct;
    link.key = seal::Secret(e.key);
    return link.ToString();
}

} // namespace gamelist
