#include "GameList.h"
#include "Gateway.h"
#include "Messages.h"
#include "OnlineClient.h"
#include "OnlineLink.h"
#include "Relay.h"

#include <QSignalSpy>
#include <QtTest>
#include <deque>

namespace {
const QHostAddress RelayAddress(QStringLiteral("192.0.2.1"));
constexpr quint16 RelayPort = 31316;
const QHostAddress GatewayAddress(QStringLiteral("198.51.100.1"));
constexpr quint16 GatewayPort = 31315;

Relay::Peer PeerOf(const QHostAddress& a, quint16 port) { return Relay::Peer::V4(a.toIPv4Address(), port); }

// A relay, a gateway that keeps a room there, and copies that join through it, joined by an
// in-process wire that records every datagram: what the relay's operator, or anyone on the
// path, sees and could send again.
struct World : Relay::Sink {
    struct Packet {
        QHostAddress from;
        quint16 fromPort;
        QHostAddress to;
        quint16 toPort;
        QByteArray bytes;
    };
    QByteArray key = seal::Random(OnlineLink::KeyBytes);
    std::unique_ptr<Relay> relay = std::make_unique<Relay>();
    Gateway gateway{key};
    std::deque<Packet> queue;
    QList<Packet> seen;
    QList<QByteArray> lan;
    std::vector<std::unique_ptr<OnlineClient>> clients;
    QList<QList<QByteArray>> heard;
    qint64 now = 1000; // the relay's clock
    QHash<QString, qint64> sentTo, receivedFrom; // bytes, by "address:port"

    World() {
        gateway.SetOutputs(
            [this](const QByteArray& d, const QHostAddress& to, quint16 port) {
                queue.push_back({GatewayAddress, GatewayPort, to, port, d});
            },
            [this](const QByteArray& d) { lan << d; });
        gateway.UseRelay(RelayAddress, RelayPort);
        Pump();
    }
    void Send(const Relay::Peer& to, std::span<const std::uint8_t> head, std::span<const std::uint8_t> body) override {
        QByteArray d(reinterpret_cast<const char*>(head.data()), qsizetype(head.size()));
        d.append(reinterpret_cast<const char*>(body.data()), qsizetype(body.size()));
        const QHostAddress a(quint32(to.address[12]) << 24 | quint32(to.address[13]) << 16 |
                             quint32(to.address[14]) << 8 | to.address[15]);
        queue.push_back({RelayAddress, RelayPort, a, to.port, d});
    }
    static QHostAddress ClientAddress(int n) { return QHostAddress(QStringLiteral("203.0.113.%1").arg(10 + n)); }
    OnlineLink Link(const QByteArray& withKey) const {
        OnlineLink link;
        link.host = RelayAddress.toString();
        link.port = RelayPort;
        link.room = gateway.Room();
        link.key = withKey;
        return link;
    }
    int Join(const OnlineLink& link) {
        const int n = static_cast<int>(clients.size());
        clients.push_back(std::make_unique<OnlineClient>(link));
        heard.append(QList<QByteArray>());
        QObject::connect(clients.back().get(), &OnlineClient::datagram, clients.back().get(),
                         [this, n](const QByteArray& d) { heard[n] << d; });
        clients.back()->StartRelayWith(RelayAddress, RelayPort, [this, n](const QByteArray& d) {
            queue.push_back({ClientAddress(n), 40000, RelayAddress, RelayPort, d});
        });
        Pump();
        return n;
    }
    void Pump() {
        while (!queue.empty()) {
            const Packet p = queue.front();
            queue.pop_front();
            seen << p;
            if (p.to == RelayAddress) {
                receivedFrom[Key(p.from, p.fromPort)] += p.bytes.size();
                const auto* b = reinterpret_cast<const std::uint8_t*>(p.bytes.constData());
                relay->Receive({b, std::size_t(p.bytes.size())}, PeerOf(p.from, p.fromPort), now, *this);
                continue;
            }
            if (p.from == RelayAddress) sentTo[Key(p.to, p.toPort)] += p.bytes.size();
            if (p.to == GatewayAddress && p.toPort == GatewayPort) {
                gateway.Receive(p.bytes, p.from, p.fromPort);
                continue;
            }
            for (int i = 0; i < int(clients.size()); ++i)
                if (clients[std::size_t(i)] && ClientAddress(i) == p.to && p.toPort == 40000)
                    clients[std::size_t(i)]->ReceiveRelay(p.bytes);
        }
    }
    static QString Key(const QHostAddress& a, quint16 port) { return Gateway::Describe(a, port); }
    // The relay starts again with these limits; the honest room opens there again first.
    void Restart(const Relay::Limits& limits) {
        relay = std::make_unique<Relay>(limits);
        gateway.LanHeard(wire::RollCall());
        Pump();
    }
    void Inject(const QByteArray& bytes, const QHostAddress& from, quint16 port) {
        queue.push_back({from, port, RelayAddress, RelayPort, bytes});
        Pump();
    }
    // Every address that never proved anything got at most what it sent.
    void CheckNoAmplification() const {
        const QString gatewayKey = Key(GatewayAddress, GatewayPort);
        for (auto it = sentTo.begin(); it != sentTo.end(); ++it) {
            if (it.key() == gatewayKey || it.key().startsWith(QLatin1String("203.0.113."))) continue;
            QVERIFY2(it.value() <= receivedFrom.value(it.key()),
                     qPrintable(QStringLiteral("%1: %2 bytes in, %3 out")
                                    .arg(it.key())
                                    .arg(receivedFrom.value(it.key()))
                                    .arg(it.value())));
        }
    }
};

} // namespace

class tst_Relay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(seal::Ready()); }
    void playsThroughTheRelayWithoutItsReading();
    void resumesAfterTheRelayRestarts();
    void gatewaysOwnLeaveClosesTheRoom();
    void attack_data();
    void attack();
    void publicList_data();
    void publicList();
};

void tst_Relay::playsThroughTheRelayWithoutItsReading() {
    World w;
    QCOMPARE(w.gateway.GetRelayState(), Gateway::RelayState::Open);
    // The relay says where it sees the gateway from (its router's address, outside).
    QCOMPARE(w.gateway.SeenByRelay(), std::make_pair(GatewayAddress, GatewayPort));
    QCOMPARE(w.relay->RoomCount(), 1);
    const int a = w.Join(w.Link(w.key)), b = w.Join(w.Link(w.key));
    QVERIFY(w.clients[std::size_t(a)]->Joined() && w.clients[std::size_t(b)]->Joined());
    QCOMPARE(w.gateway.RemoteCount(), 2);
    QCOMPARE(w.relay->MemberCount(), 2);
    const QByteArray fromA = wire::Chat(QStringLiteral("Ann"), 1, QStringLiteral("a secret plan"));
    const QByteArray fromLan = wire::Chat(QStringLiteral("Lan"), 2, QStringLiteral("another secret"));
    w.clients[std::size_t(a)]->Send(fromA);
    w.Pump();
    w.gateway.LanHeard(fromLan);
    w.Pump();
    QCOMPARE(w.lan, QList<QByteArray>{fromA});
    QCOMPARE(w.heard[b], (QList<QByteArray>{fromA, fromLan}));
    QCOMPARE(w.heard[a], QList<QByteArray>{fromLan});
    // Neither the game's key nor a word of the game crossed the relay in the clear.
    for (const World::Packet& p : w.seen)
        for (const QByteArray& secret : {w.key, QByteArray("secret")})
            QVERIFY2(!p.bytes.contains(secret), qPrintable(p.bytes.toHex()));
    // A copy with the wrong key gets past the relay only with the room's join secret, and
    // never past the gateway.
    const int m = w.Join(w.Link(seal::Random(32)));
    QVERIFY(!w.clients[std::size_t(m)]->Joined());
    QCOMPARE(w.relay->MemberCount(), 2);
    QVERIFY(w.relay->Stats().badProof > 0);
}

void tst_Relay::resumesAfterTheRelayRestarts() {
    World w;
    const int a = w.Join(w.Link(w.key));
    w.clients[std::size_t(a)]->Send(wire::Register(3, QStringLiteral("Ann"), 1));
    w.Pump();
    const QByteArray room = w.gateway.Room();
    w.relay = std::make_unique<Relay>(); // it restarts and remembers nothing
    w.gateway.LanHeard(wire::RollCall()); // lost; the relay says it does not know the gateway
    w.Pump();
    QCOMPARE(w.relay->RoomCount(), 1);    // opened again at once, with the same id
    QCOMPARE(w.gateway.Room(), room);
    w.clients[std::size_t(a)]->Send(wire::Steer(3, 1, 0)); // lost too; the copy knocks again
    w.Pump();
    QCOMPARE(w.relay->MemberCount(), 1);
    const QByteArray after = wire::Steer(3, 2, 0);
    w.clients[std::size_t(a)]->Send(after);
    w.gateway.LanHeard(wire::RollCall());
    w.Pump();
    QCOMPARE(w.lan.last(), after);
    QCOMPARE(w.heard[a].last(), wire::RollCall());
    // The same session and the same seat: nothing was joined afresh.
    QCOMPARE(w.gateway.RemoteCount(), 1);
    QCOMPARE(w.gateway.Remotes()[0].seats, QList<int>{3});
    QVERIFY(w.clients[std::size_t(a)]->Joined());
}

// The gateway's own Keep and Leave are signed by the room's key: a Keep is answered, a Leave
// closes the room.
void tst_Relay::gatewaysOwnLeaveClosesTheRoom() {
    World w;
    w.Join(w.Link(w.key));
    QCOMPARE(w.relay->RoomCount(), 1);
    const qsizetype before = w.seen.size();
    // Silent a while, the gateway keeps its room, and the relay answers.
    const auto kept = [&] {
        w.Pump();
        for (qsizetype i = before; i < w.seen.size(); ++i)
            if (w.seen[i].to == GatewayAddress && w.seen[i].bytes.startsWith(char(relaywire::Kept))) return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(kept(), 2 * Gateway::RelayKeepMs + 1000);
    w.gateway.Close();
    w.Pump();
    QCOMPARE(w.relay->RoomCount(), 0);
    QCOMPARE(w.relay->Stats().badProof, 0u);
}

void tst_Relay::attack_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("garbage from many addresses") << 0;
    QTest::newRow("flood from one address") << 1;
    QTest::newRow("100000 rooms opened") << 2;
    QTest::newRow("room id reused without its key") << 3;
    QTest::newRow("member without the join secret") << 4;
    QTest::newRow("knocks from spoofed addresses") << 5;
    QTest::newRow("captured enter replayed elsewhere") << 6;
    QTest::newRow("data from strangers") << 7;
    QTest::newRow("rooms from every /64 of a /56") << 8;
    QTest::newRow("a member's place taken while it plays") << 9;
    QTest::newRow("a forged Leave or Keep of the gateway") << 10;
    QTest::newRow("a full relay lets an empty room go") << 11;
}

// Whatever arrives, the honest room keeps playing, nobody unproven gets more bytes than it
// sent, and the relay's memory stays bounded.
void tst_Relay::attack() {
    QFETCH(int, kind);
    World w;
    const int honest = w.Join(w.Link(w.key));
    QVERIFY(w.clients[std::size_t(honest)]->Joined());
    const QByteArray room = w.gateway.Room();
    const Relay::Counts before = w.relay->Stats();
    const QHostAddress mallory(QStringLiteral("192.0.2.66"));
    switch (kind) {
    case 0:
        for (int i = 0; i < 20000; ++i)
            w.Inject(seal::Random(1 + i % 300), QHostAddress(quint32(0x0A000000 + i)), quint16(1000 + i));
        break;
    case 1:
        for (int i = 0; i < 20000; ++i) {
            const QByteArray kinds[] = {relaywire::KnockRequest(room, "12345678"), relaywire::OpenRequest(seal::Random(32)),
                                        QByteArray(1, relaywire::Data) + seal::Random(40)};
            w.Inject(kinds[i % 3], mallory, 5000);
        }
        QVERIFY(w.relay->Stats().limited > before.limited + 10000);
        break;
    case 2: {
        // Each room needs its own key and a signature over a fresh challenge: the attacker
        // here has both, from 100,000 addresses, and still no more rooms than the cap.
        Relay::Limits small;
        small.rooms = 64;
        w.Restart(small);
        relaywire::RoomKeys keys = relaywire::RoomKeys::Fresh();
        for (int i = 0; i < 100000; ++i) {
            const QHostAddress from(quint32(0x0B000000 + i));
            if (i % 100 == 0) keys = relaywire::RoomKeys::Fresh();
            w.Inject(relaywire::OpenRequest(keys.publicKey), from, 7000);
            const QByteArray cookie = w.seen.last().bytes.mid(1);
            if (w.seen.last().to != from || cookie.size() != relaywire::CookieBytes) continue;
            if (i % 100 != 0) continue; // signing is the attacker's cost; a sample proves the cap
            w.Inject(relaywire::ProveRequest(keys, cookie, QByteArray(32, 's')), from, 7000);
        }
        QCOMPARE(w.relay->RoomCount(), 64);
        QVERIFY(w.relay->Stats().refused > 0);
        w.clients[std::size_t(honest)]->Send(wire::RollCall()); // in again through the restarted relay
        w.Pump();
        break;
    }
    case 3: {
        // Mallory knows the room's id and public key (both travel in the clear) but not its
        // secret key: a signature of its own does not move the room.
        relaywire::RoomKeys own = relaywire::RoomKeys::Fresh();
        w.Inject(relaywire::OpenRequest(w.seen.first().bytes.mid(2, 32)), mallory, 6000);
        const QByteArray cookie = w.seen.last().bytes.mid(1);
        w.Inject(QByteArray(1, relaywire::Prove) + relaywire::Version + w.seen.first().bytes.mid(2, 32) + cookie +
                     QByteArray(32, 'm') + own.Sign(relaywire::OpenMessage(cookie, room, QByteArray(32, 'm'))),
                 mallory, 6000);
        QCOMPARE(w.relay->Stats().badProof, before.badProof + 1);
        // Its own replay of the gateway's Prove from elsewhere carries a cookie for another address.
        for (const World::Packet& p : w.seen)
            if (p.bytes.startsWith(char(relaywire::Prove))) w.Inject(p.bytes, mallory, 6000);
        QCOMPARE(w.relay->RoomCount(), 1);
        break;
    }
    case 4: {
        w.Inject(relaywire::KnockRequest(room, "mallory!"), mallory, 6000);
        const QByteArray cookie = w.seen.last().bytes.mid(1);
        w.Inject(relaywire::EnterRequest(room, "mallory!", cookie, seal::Random(32)), mallory, 6000);
        QCOMPARE(w.relay->Stats().badProof, before.badProof + 1);
        break;
    }
    case 5:
        for (int i = 0; i < 5000; ++i)
            w.Inject(relaywire::KnockRequest(i % 2 ? room : seal::Random(16), "spoofed!"), QHostAddress(quint32(0x0C000000 + i)), 9);
        break;
    case 6:
        for (const World::Packet& p : w.seen)
            if (p.bytes.startsWith(char(relaywire::Enter))) w.Inject(p.bytes, mallory, 40000);
        QVERIFY(w.relay->Stats().badProof > before.badProof);
        break;
    case 7:
        for (int i = 0; i < 3000; ++i)
            w.Inject(QByteArray(1, relaywire::Data) + QByteArray(8, char(i)) + seal::Random(60),
                     QHostAddress(quint32(0x0D000000 + i % 50)), 3000);
        QVERIFY(w.relay->Stats().unknown >= before.unknown + 3000);
        break;
    case 8: {
        // 256 /64s of one /56, each opening as many rooms as an address may: the whole site
        // gets its share of rooms, the relay stays open to everyone else.
        struct Drop : Relay::Sink {
            QByteArray last;
            void Send(const Relay::Peer&, std::span<const std::uint8_t> head, std::span<const std::uint8_t> body) override {
                last = QByteArray(reinterpret_cast<const char*>(head.data()), qsizetype(head.size())) +
                       QByteArray(reinterpret_cast<const char*>(body.data()), qsizetype(body.size()));
            }
        } sink;
        auto send = [&](const QByteArray& b, const Relay::Peer& from) {
            w.relay->Receive({reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())}, from,
                             w.now, sink);
        };
        for (int net = 0; net < 256; ++net)
            for (int i = 0; i < 16; ++i) {
                Relay::Peer from;
                from.address = {0x20, 0x01, 0x0d, 0xb8, 0x77, 0x00, 0x00, std::uint8_t(net), 0, 0, 0, 0, 0, 0, 0, std::uint8_t(i + 1)};
                from.port = 7000;
                const relaywire::RoomKeys keys = relaywire::RoomKeys::Fresh();
                send(relaywire::OpenRequest(keys.publicKey), from);
                if (sink.last.size() != relaywire::ChallengeBytes) continue;
                send(relaywire::ProveRequest(keys, sink.last.mid(1), QByteArray(32, 's')), from);
                w.now += 1; // the site's handshakes come at their own pace
            }
        QCOMPARE(w.relay->RoomCount(), 1 + Relay::Limits().roomsPerSite);
        QVERIFY(w.relay->Stats().refused > before.refused);
        break;
    }
    case 9: {
        // Mallory saw the join secret (in the gateway's Prove) and the member's tag (in its
        // Knock) and enters with both from another address while the member plays.
        const QByteArray prove = [&] {
            for (const World::Packet& p : w.seen)
                if (p.bytes.startsWith(char(relaywire::Prove))) return p.bytes;
            return QByteArray();
        }();
        const QByteArray secret = prove.mid(2 + relaywire::PublicKeyBytes + relaywire::CookieBytes, relaywire::SecretBytes);
        QByteArray tag;
        for (const World::Packet& p : w.seen)
            if (p.bytes.startsWith(char(relaywire::Knock))) tag = p.bytes.mid(2 + relaywire::RoomBytes, relaywire::TagBytes);
        w.now += 1000;
        w.clients[std::size_t(honest)]->Send(wire::RollCall()); // the member speaks
        w.Pump();
        w.Inject(relaywire::KnockRequest(room, tag), mallory, 6000);
        const QByteArray cookie = w.seen.last().bytes.mid(1);
        w.Inject(relaywire::EnterRequest(room, tag, cookie, secret), mallory, 6000);
        QVERIFY(w.relay->Stats().refused > before.refused);
        break;
    }
    case 10: {
        // A Leave and a Keep from the gateway's address: bare (as anyone can forge them) and
        // signed by another key. None closes the room, none keeps it.
        const relaywire::RoomKeys other = relaywire::RoomKeys::Fresh();
        for (char kind : {relaywire::Leave, relaywire::Keep}) {
            w.Inject(QByteArray(kind == relaywire::Keep ? relaywire::KeepBytes : 1, '\0').replace(0, 1, QByteArray(1, kind)),
                     GatewayAddress, GatewayPort);
            w.Inject(relaywire::GatewayControl(kind, other, room, 99), GatewayAddress, GatewayPort);
        }
        QCOMPARE(w.relay->RoomCount(), 1);
        QCOMPARE(w.relay->Stats().badProof, before.badProof + 4);
        break;
    }
    case 11: {
        // Rooms opened by others, with nobody in them, fill a small relay; a new gateway's
        // room still opens once they have stood empty a while, and the honest room stays.
        Relay::Limits small;
        small.rooms = 4;
        w.Restart(small);
        w.clients[std::size_t(honest)]->Send(wire::RollCall()); // and its member comes back in
        w.Pump();
        auto open = [&](const QHostAddress& from) {
            const relaywire::RoomKeys keys = relaywire::RoomKeys::Fresh();
            w.Inject(relaywire::OpenRequest(keys.publicKey), from, 7000);
            const qsizetype before = w.seen.size();
            w.Inject(relaywire::ProveRequest(keys, w.seen.last().bytes.mid(1), QByteArray(32, 's')), from, 7000);
            return std::any_of(w.seen.begin() + before, w.seen.end(),
                               [](const World::Packet& p) { return p.bytes.startsWith(char(relaywire::Opened)); });
        };
        for (int i = 0; i < 3; ++i) QVERIFY(open(QHostAddress(quint32(0x0E000000 + i))));
        QVERIFY(!open(QHostAddress(QStringLiteral("198.51.100.9")))); // full, and nothing stood empty long
        w.now += small.emptyRoomMs;
        QVERIFY(open(QHostAddress(QStringLiteral("198.51.100.9"))));
        QCOMPARE(w.relay->RoomCount(), 4);
        break;
    }
    }
    w.CheckNoAmplification();
    QVERIFY(w.relay->MemberCount() <= 1 + 0);
    // The honest room still plays both ways.
    const QByteArray up = wire::Steer(2, 1, 0), down = wire::RollCall();
    w.clients[std::size_t(honest)]->Send(up);
    w.gateway.LanHeard(down);
    w.Pump();
    QCOMPARE(w.lan.last(), up);
    QCOMPARE(w.heard[honest].last(), down);
    QVERIFY(w.clients[std::size_t(honest)]->Joined());
    qInfo("honest room: relay holds %d rooms, %d members; %s", w.relay->RoomCount(), w.relay->MemberCount(),
          Relay::Describe(w.relay->Stats()).c_str());
}

namespace {
// Speaks to the relay directly, from any address (IPv6 too), and keeps its last answer.
struct Direct : Relay::Sink {
    Relay& relay;
    qint64& now;
    QByteArray last;
    qint64 in = 0, out = 0;
    Direct(Relay& r, qint64& n) : relay(r), now(n) {}
    void Send(const Relay::Peer&, std::span<const std::uint8_t> head,
              std::span<const std::uint8_t> body) override {
        last = QByteArray(reinterpret_cast<const char*>(head.data()), qsizetype(head.size())) +
               QByteArray(reinterpret_cast<const char*>(body.data()), qsizetype(body.size()));
        out += last.size();
    }
    QByteArray Say(const QByteArray& b, const Relay::Peer& from) {
        last.clear();
        in += b.size();
        relay.Receive({reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size())}, from,
                      now, *this);
        return last;
    }
    // Opens a room from `from` and lists a game in it; the relay's answer to the listing.
    QByteArray OpenAndList(const Relay::Peer& from, const gamelist::Entry& e,
                           const relaywire::RoomKeys& keys) {
        const QByteArray challenge = Say(relaywire::OpenRequest(keys.publicKey), from);
        if (challenge.size() != relaywire::ChallengeBytes) return {};
        Say(relaywire::ProveRequest(keys, challenge.mid(1), QByteArray(32, 's')), from);
        return Say(gamelist::ListRequest(keys, relaywire::RoomOf(keys.publicKey), quint64(now) + 1, e), from);
    }
    // A whole list, as a finder reads it: the cookie round, then page after page.
    std::vector<gamelist::Entry> List(const Relay::Peer& from) {
        std::vector<gamelist::Entry> all;
        const QByteArray cookie = Say(gamelist::FindRequest({}, 0, gamelist::AskBytes), from).mid(1);
        for (int first = 0, pages = 0; pages < 200; ++pages) {
            const auto page =
                gamelist::ReadGames(Say(gamelist::FindRequest(cookie, first, gamelist::AskBytes), from));
            if (!page) break;
            all.insert(all.end(), page->entries.begin(), page->entries.end());
            if (page->next >= page->total || page->next == first) break;
            first = page->next;
        }
        return all;
    }
};
Relay::Peer V6(std::uint16_t site, std::uint16_t net, std::uint16_t host) {
    Relay::Peer p;
    p.address = {0x20,
                 0x01,
                 0x0d,
                 0xb8,
                 std::uint8_t(site >> 8),
                 std::uint8_t(site),
                 std::uint8_t(net >> 8),
                 std::uint8_t(net),
                 0,
                 0,
                 0,
                 0,
                 0,
                 0,
                 std::uint8_t(host >> 8),
                 std::uint8_t(host)};
    p.port = 7000;
    return p;
}
gamelist::Entry Game(const QString& name, const QString& direct = {}) {
    gamelist::Entry e;
    e.name = name;
    e.players = 2;
    e.version = QStringLiteral("1.25");
    e.direct = direct;
    e.key = QByteArray(32, 'k');
    return e;
}
} // namespace

void tst_Relay::publicList_data() {
    QTest::addColumn<QString>("row");
    for (const char* row :
         {"find without a cookie", "stale cookie", "cookie from a spoofed address",
          "2000 listings from one /64 and its /48", "markup and controls in a name",
          "a listing that claims another address", "a listing not refreshed", "a forged listing"})
        QTest::newRow(row) << QString::fromLatin1(row);
}

// A relay lists what a gateway of its own rooms asks it to, within its caps, and gives the
// list only to an address that returned its cookie, never in more bytes than it was asked
// with. Whatever else arrives, the honest game stays listed, with a link that joins it.
void tst_Relay::publicList() {
    QFETCH(QString, row);
    World w;
    Relay::Limits limits;
    limits.idleMs = 600000; // rooms stay: what goes here goes from the list alone
    limits.roomsPerAddress = limits.roomsPerSite = 4096;
    w.Restart(limits);
    int refreshes = 0;
    w.gateway.SetListing([&refreshes] {
        ++refreshes;
        return std::optional<gamelist::Entry>(Game(QStringLiteral("Honest")));
    });
    w.Pump();
    QCOMPARE(w.gateway.ListState(), std::optional(gamelist::ListStatus::Listed));
    Relay& relay = *w.relay;
    Direct d(relay, w.now);
    const Relay::Peer finder = PeerOf(QHostAddress(QStringLiteral("192.0.2.50")), 4000);
    const Relay::Peer mallory = PeerOf(QHostAddress(QStringLiteral("192.0.2.66")), 6000);
    const int listedBefore = relay.ListedCount();
    if (row == QLatin1String("find without a cookie")) {
        const QByteArray answer = d.Say(gamelist::FindRequest({}, 0, gamelist::FindBytes), mallory);
        QCOMPARE(answer.size(), relaywire::ChallengeBytes);
        QVERIFY(d.Say(gamelist::FindRequest({}, 0, 10), mallory).isEmpty() || d.out <= d.in);
    } else if (row == QLatin1String("stale cookie")) {
        const QByteArray cookie = d.Say(gamelist::FindRequest({}, 0, gamelist::AskBytes), mallory).mid(1);
        w.now += 25000;
        QVERIFY(!gamelist::ReadGames(d.Say(gamelist::FindRequest(cookie, 0, gamelist::AskBytes), mallory)));
    } else if (row == QLatin1String("cookie from a spoofed address")) {
        const QByteArray cookie = d.Say(gamelist::FindRequest({}, 0, gamelist::AskBytes), mallory).mid(1);
        QVERIFY(!gamelist::ReadGames(d.Say(gamelist::FindRequest(cookie, 0, gamelist::AskBytes), finder)));
    } else if (row == QLatin1String("2000 listings from one /64 and its /48")) {
        // Each with a room of its own and a good signature: the caps still hold.
        for (int i = 0; i < 2000; ++i) {
            const Relay::Peer from = i < 1000 ? V6(7, 1, std::uint16_t(i + 1)) : V6(7, std::uint16_t(i), 1);
            d.OpenAndList(from, Game(QStringLiteral("spam %1").arg(i)), relaywire::RoomKeys::Fresh());
            w.now += 20; // within each address's handshake rate
        }
        QCOMPARE(relay.ListedCount(), listedBefore + Relay::Limits().listedPerSite);
        int fromOne64 = 0;
        for (const gamelist::Entry& e : d.List(finder))
            fromOne64 += e.name.startsWith(QLatin1String("spam ")) && e.name.mid(5).toInt() < 1000;
        QCOMPARE(fromOne64, Relay::Limits().listedPerAddress);
    } else if (row == QLatin1String("markup and controls in a name")) {
        d.OpenAndList(mallory,
                      Game(QStringLiteral("<b>Bold</b>\x01\u202eevil\nline and then some more than fits")),
                      relaywire::RoomKeys::Fresh());
        bool seen = false;
        for (const gamelist::Entry& e : d.List(finder))
            if (e.name.startsWith(QLatin1String("<b>"))) {
                QCOMPARE(e.name, QStringLiteral("<b>Bold</b>evilline and then some more than fits").left(32));
                seen = true;
            }
        QVERIFY(seen);
    } else if (row == QLatin1String("a listing that claims another address")) {
        const QByteArray refused =
            d.OpenAndList(mallory, Game(QStringLiteral("Elsewhere"), QStringLiteral("192.0.2.99:31315")),
                          relaywire::RoomKeys::Fresh());
        QCOMPARE(refused.size(), 2);
        QCOMPARE(refused[1], char(gamelist::ListStatus::WrongAddress));
        QCOMPARE(relay.ListedCount(), listedBefore);
        const Relay::Peer other = PeerOf(QHostAddress(QStringLiteral("192.0.2.67")), 6000);
        d.OpenAndList(other, Game(QStringLiteral("Here"), QStringLiteral("192.0.2.67:31315")),
                      relaywire::RoomKeys::Fresh());
        QCOMPARE(relay.ListedCount(), listedBefore + 1);
    } else if (row == QLatin1String("a listing not refreshed")) {
        d.OpenAndList(mallory, Game(QStringLiteral("Gone")), relaywire::RoomKeys::Fresh());
        QCOMPARE(relay.ListedCount(), listedBefore + 1);
        w.now += gamelist::ExpireMs - 1000;
        w.gateway.SetListing([] { return std::optional(Game(QStringLiteral("Honest"))); }); // it refreshes
        w.Pump();
        w.now += 1000;
        relay.Tick(w.now);
        QCOMPARE(relay.ListedCount(), listedBefore);
    } else if (row == QLatin1String("a forged listing")) {
        // From the gateway's own address, signed by another key: the honest listing stays as it was.
        const QByteArray room = w.gateway.Room();
        w.Inject(gamelist::ListRequest(relaywire::RoomKeys::Fresh(), room, quint64(w.now) + 99999999999ULL,
                                       Game(QStringLiteral("Hijacked"))),
                 GatewayAddress, GatewayPort);
        QVERIFY(relay.Stats().badProof > 0);
    }
    if (row.contains(QLatin1String("cookie"))) // nobody here proved anything: no more out than in
        QVERIFY2(d.out <= d.in, qPrintable(QStringLiteral("%1 bytes in, %2 out").arg(d.in).arg(d.out)));
    w.CheckNoAmplification();
    // The honest game is listed still, and its link joins it.
    const std::vector<gamelist::Entry> list = d.List(finder);
    const auto honest = std::find_if(list.begin(), list.end(),
                                     [&](const gamelist::Entry& e) { return e.room == w.gateway.Room(); });
    QVERIFY(honest != list.end());
    QCOMPARE(honest->name, QStringLiteral("Honest"));
    const auto link = OnlineLink::Parse(gamelist::LinkOf(*honest, RelayAddress.toString(), RelayPort));
    QVERIFY(link);
    QCOMPARE(link->room, w.gateway.Room());
    const int joined = w.Join(*link);
    QVERIFY(w.clients[std::size_t(joined)]->Joined());
}

QTEST_MAIN(tst_Relay)
#include "tst_Relay.moc"
