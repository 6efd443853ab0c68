#include "Gateway.h"
#include "Gateway_p.h"
#include "Sockets.h"

#include "BatchSend.h"
#include "Convert.h"
#include "Decode.h"
#include "Messages.h"

#include <QDateTime>
#include <QNetworkDatagram>

#include <cstring>
#include <QVariant>

#include <algorithm>
#include <cstring>


namespace {
QByteArray Bytes(quint32 v) {
    QByteArray b(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>(v >> (8 * i));
    return b;
}

quint32 Number(QByteArrayView b) {
    quint32 v = 0;
    for (int i = 0; i < 4; ++i) v |= quint32(static_cast<unsigned char>(b[i])) << (8 * i);
    return v;
}

// The same address whether it came as IPv4 or as IPv4 mapped into IPv6.
QByteArray AddressBytes(const QHostAddress& a) {
    const Q_IPV6ADDR v6 = QHostAddress(a.toIPv6Address()).toIPv6Address();
    bool isV4 = false;
    const quint32 v4 = a.toIPv4Address(&isV4);
    if (isV4) return Bytes(v4);
    return QByteArray(reinterpret_cast<const char*>(v6.c), 16);
}

bool SameAddress(const QHostAddress& a, const QHostAddress& b) {
    return a.isEqual(b, QHostAddress::TolerantConversion);
}
} // namespace

Gateway::Gateway(seal::Secret gameKey, QObject* parent)
    : QObject(parent), key_(std::move(gameKey)), cookieSecret_(seal::Secret::Random(seal::KeyBytes)),
      roomKeys_(relaywire::RoomKeys::Fresh()) {
    // One room's keys for the whole opening, so that its id at a relay stays the same.
    room_ = relaywire::RoomOf(roomKeys_.publicKey);
    joinSecret_ = relaywire::JoinSecret(key_, room_);
    clock_.start();
    keepAlive_.setInterval(KeepAliveMs);
    connect(&keepAlive_, &QTimer::timeout, this, &Gateway::KeepAlive);
    keepAlive_.start();
}

Gateway::~Gateway() = default;

void Gateway::SetOutputs(SendFn toRemote, InjectFn toLan) {
    toRemote_ = std::move(toRemote);
    toLan_ = std::move(toLan);
}

bool Gateway::Listen(quint16 port, QString* error) {
    socket_ = std::make_unique<QUdpSocket>();
    if (!socket_->bind(QHostAddress::Any, port)) {
        if (error) *error = tr("UDP port %1 cannot be used (%2)").arg(port).arg(socket_->errorString());
        socket_.reset();
        return false;
    }
    sockets::MakeRoom(*socket_);
    connect(socket_.get(), &QUdpSocket::readyRead, this, &Gateway::Read);
    return true;
}

quint16 Gateway::Port() const { return socket_ ? socket_->localPort() : 0; }

void Gateway::Read() {
    // Everything waiting is handled first; what it asks to send goes out in one batch.
    while (socket_ && socket_->hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_->receiveDatagram(relaywire::MostRelayedBytes + 1);
        Take(d.data(), d.senderAddress(), static_cast<quint16>(d.senderPort()));
    }
    Flush();
}

QString Gateway::Describe(const QHostAddress& address, quint16 port) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4) return QStringLiteral("%1:%2").arg(QHostAddress(v4).toString()).arg(port);
    return QStringLiteral("[%1]:%2").arg(address.toString()).arg(port);
}

Gateway::Remote* Gateway::Find(const Endpoint& at) {
    for (auto& r : remotes_)
        if (r->at.port == at.port && r->at.tag == at.tag && SameAddress(r->at.address, at.address))
            return r.get();
    return nullptr;
}

quint32 Gateway::Bucket() const { return static_cast<quint32>(clock_.elapsed() / (1000 * CookieSeconds)); }

QByteArray Gateway::CookieFor(quint32 bucket, const Endpoint& from, QByteArrayView joiner) const {
    const QByteArray b = Bytes(bucket);
    const QByteArray p = Bytes(from.port);
    return b + seal::Mac(cookieSecret_, {b, AddressBytes(from.address), p, from.tag, joiner}, 16);
}

void Gateway::Receive(QByteArrayView d, const QHostAddress& from, quint16 port) {
    Take(d, from, port);
    Flush();
}

void Gateway::Queue(QByteArray datagram, const Endpoint& to) {
    if (to.tag.isEmpty()) {
        pending_.push_back({std::move(datagram), to.address, to.port});
        return;
    }
    // Through the relay: its Data kind and the member's tag go first.
    QByteArray wrapped;
    wrapped.reserve(1 + relaywire::TagBytes + datagram.size());
    wrapped.append(relaywire::Data).append(to.tag).append(datagram);
    pending_.push_back({std::move(wrapped), to.address, to.port});
}

void Gateway::Flush() {
    if (pending_.empty()) return;
    if (toRemote_)
        for (const Outgoing& o : pending_) toRemote_(o.datagram, o.to, o.port);
    else if (socket_)
        SendBatch(*socket_, pending_);
    pending_.clear();
}

void Gateway::Take(QByteArrayView d, const QHostAddress& from, quint16 port) {
    if (relayPort_ && port == relayPort_ && SameAddress(from, relay_)) {
        OnRelay(d);
        return;
    }
    TakeFrom(d, Endpoint{from, port, {}});
}

void Gateway::TakeFrom(QByteArrayView d, const Endpoint& from) {
    if (d.isEmpty()) return;
    if (d.size() > envelope::MostSealedBytes) {
        ++counts_.tooLong;
        return;
    }
    switch (d[0]) {
    case envelope::Sealed:
        // Only admitted addresses are worth opening: anything else is dropped before any work.
        if (Remote* r = Find(from))
            OnSealed(*r, d);
        else
            ++counts_.fromStrangers;
        return;
    case envelope::Hello: OnHello(d, from); return;
    case envelope::Join: OnJoin(d, from); return;
    default: ++counts_.malformed; return;
    }
}

void Gateway::OnHello(QByteArrayView d, const Endpoint& from) {
    if (d.size() != envelope::HelloBytes || d[1] != envelope::Version) {
        ++counts_.malformed;
        return;
    }
    ++counts_.cookies;
    const QByteArray cookie = CookieFor(Bucket(), from, d.sliced(2, seal::RandomBytes));
    Queue(QByteArray(1, envelope::Cookie) + cookie, from);
}

void Gateway::OnJoin(QByteArrayView d, const Endpoint& from) {
    if (d.size() != envelope::JoinBytes || d[1] != envelope::Version) {
        ++counts_.malformed;
        return;
    }
    const QByteArrayView joiner = d.sliced(2, seal::RandomBytes);
    const QByteArrayView cookie = d.sliced(2 + seal::RandomBytes, envelope::CookieBytes);
    const QByteArrayView proof = d.sliced(2 + seal::RandomBytes + envelope::CookieBytes);
    const quint32 bucket = Number(cookie);
    const quint32 now = Bucket();
    // The cookie proves the address: it went there and came back. The proof shows the key.
    if ((bucket != now && bucket + 1 != now) || !seal::Same(cookie, CookieFor(bucket, from, joiner)) ||
        !seal::Same(proof, envelope::JoinProof(key_, joiner, cookie))) {
        ++counts_.notGenuine;
        return;
    }
    Remote* r = Find(from);
    if (r && r->joinerRandom != joiner) { // the same address joins afresh: the old session ends
        Drop(*r, false);
        r = nullptr;
    }
    if (!r) {
        if (const char reason = Refusal(from)) {
            ++counts_.refused;
            Queue(QByteArray(1, envelope::Refused) + reason + envelope::RefusedProof(key_, joiner, reason), from);
            return;
        }
        if (static_cast<int>(remotes_.size()) >= MostRemotes) {
            ++counts_.refused;
            const char reason = envelope::Full;
            Queue(QByteArray(1, envelope::Refused) + reason + envelope::RefusedProof(key_, joiner, reason), from);
            return;
        }
        auto fresh = std::make_unique<Remote>();
        fresh->at = from;
        fresh->joinerRandom = joiner.toByteArray();
        fresh->gatewayRandom = seal::Random(seal::RandomBytes);
        const seal::SessionKeys keys = seal::Derive(key_, fresh->joinerRandom, fresh->gatewayRandom);
        fresh->in = seal::Direction(keys.toGateway);
        fresh->out = seal::Direction(keys.fromGateway);
        fresh->heard.start();
        fresh->info.id = nextId_++;
        fresh->info.address = from.tag.isEmpty()
                                  ? Describe(from.address, from.port)
                                  : tr("%1 through the relay").arg(QString::fromLatin1(from.tag.toHex()));
        r = fresh.get();
        remotes_.push_back(std::move(fresh));
        emit changed();
    }
    // A lost Welcome is sent again, the same, for the same Join.
    Queue(QByteArray(1, envelope::Welcome) + r->gatewayRandom +
              envelope::WelcomeProof(key_, r->joinerRandom, r->gatewayRandom),
          from);
}

void Gateway::OnSealed(Remote& r, QByteArrayView d) {
    const std::optional<QByteArray> plain = r.in.Open(d);
    if (!plain || plain->isEmpty()) {
        ++counts_.notGenuine;
        ++r.info.notGenuine;
        return;
    }
    r.heard.start();
    const qint64 now = clock_.elapsed();
    if (!r.budget.Take(PerSecond, Burst, 1, now)) {
        ++counts_.overBudget;
        ++r.info.overBudget;
        return;
    }
    ++r.info.in;
    const QByteArray payload = plain->mid(1);
    switch (plain->at(0)) {
    case envelope::Game: FromRemote(r, payload); break;
    case envelope::Ping: SendSealed(r, envelope::Pong, payload); break;
    case envelope::Pong:
        if (const int rtt = envelope::RoundTrip(payload, now); rtt >= 0) {
            r.info.roundTripMs = rtt;
            emit changed();
        }
        break;
    case envelope::Bye: Drop(r, false); break;
    default: break;
    }
}

void Gateway::FromRemote(Remote& r, const QByteArray& game) {
    if (game.isEmpty() || game.size() > envelope::MostGameBytes) {
        ++counts_.tooLong;
        return;
    }
    // The number alone, read as the dispatcher reads it: every datagram of a remote host passes here.
    const qsizetype end = game.indexOf(wire::Delimiter);
    if (const auto number = convert::ToInt16(QString::fromLatin1(end < 0 ? game : game.first(end)));
        number && *number != static_cast<int>(wire::Message::Obstacle) &&
        FloodGuard::Costly(static_cast<wire::Message>(*number))) {
        const QString copy = Describe(r.at.address, r.at.port) + QString::fromLatin1(r.at.tag.toHex());
        if (!guard_.Admit(static_cast<wire::Message>(*number), copy, 1, 0)) {
            ++counts_.flooded;
            return;
        }
    }
    TrackSeats(game, &r);
    ++counts_.forwarded;
    if (toLan_) toLan_(game);
    for (auto& other : remotes_)
        if (other.get() != &r) SendSealed(*other, envelope::Game, game);
}

void Gateway::LanHeard(const QByteArray& datagram) {
    if (datagram.isEmpty() || datagram.size() > envelope::MostGameBytes) return;
    TrackSeats(datagram, nullptr);
    for (auto& r : remotes_) SendSealed(*r, envelope::Game, datagram);
    Flush();
}

void Gateway::TrackSeats(const QByteArray& datagram, Remote* owner) {
    // Read by the decoder every copy reads with (" 2.6" is seat 3); only these two kinds are
    // decoded here, the rest pass on their number alone.
    const int kind = wire::NumberOf(datagram);
    const bool reg = kind == int(wire::Message::Register), unreg = kind == int(wire::Message::Unregister);
    if (!reg && !unreg) return;
    const auto seat = wire::SeatOf(wire::Decode(datagram));
    if (!seat || *seat < 1 || *seat > 7) return;
    auto& held = seatOwner_[static_cast<std::size_t>(*seat)];
    if (held) held->info.seats.removeAll(*seat);
    held = reg ? owner : nullptr;
    if (held) held->info.seats.append(*seat);
}

void Gateway::SendSealed(Remote& r, char what, QByteArrayView payload) {
    QByteArray plain;
    plain.reserve(payload.size() + 1);
    plain.append(what);
    plain.append(payload);
    ++r.info.out;
    if (QByteArray d = r.out.Seal(envelope::Sealed, plain); !d.isEmpty()) Queue(std::move(d), r.at);
}

void Gateway::Drop(Remote& r, bool sayBye, char why) {
    if (sayBye) SendSealed(r, envelope::Bye, why ? QByteArray(1, why) : QByteArray());
    // Its seats are freed as it would have freed them, on the LAN and at the other remotes.
    const QList<int> seats = r.info.seats;
    for (int seat : seats) {
        seatOwner_[static_cast<std::size_t>(seat)] = nullptr;
        const QByteArray bye = wire::Unregister(seat);
        if (toLan_) toLan_(bye);
        for (auto& other : remotes_)
            if (other.get() != &r) SendSealed(*other, envelope::Game, bye);
    }
    std::erase_if(remotes_, [&r](const auto& p) { return p.get() == &r; });
    emit changed();
}

void Gateway::Close() {
    while (!remotes_.empty()) Drop(*remotes_.front(), true);
    // Signed, so that nobody else can close the room.
    if (relayState_ == RelayState::Open)
        SendToRelay(relaywire::GatewayLeave(roomKeys_, room_, ControlCounter()));
    relayTimer_.stop();
    relayState_ = RelayState::None;
    Flush();
    keepAlive_.stop();
    socket_.reset();
}

void Gateway::KeepAlive() {
    std::vector<Remote*> silent;
    for (auto& r : remotes_) {
        if (r->heard.elapsed() >= silenceMs_)
            silent.push_back(r.get());
        else {
            const qint64 now = clock_.elapsed();
            SendSealed(*r, envelope::Ping, envelope::Stamp(now));
        }
    }
    for (Remote* r : silent) Drop(*r, false);
    Flush();
}

QList<Gateway::RemoteInfo> Gateway::Remotes() const {
    QList<RemoteInfo> out;
    for (const auto& r : remotes_) out << r->info;
    return out;
}

int Gateway::RoundTripOfSlot(int slot) const {
    if (slot < 1 || slot > 7) return -1;
    const Remote* r = seatOwner_[static_cast<std::size_t>(slot)];
    return r ? r->info.roundTripMs : -1;
}

void Gateway::UseRelay(const QHostAddress& relay, quint16 port) {
    relay_ = relay;
    relayPort_ = port;
    relayState_ = RelayState::Opening;
    relayTimer_.setInterval(1000);
    connect(&relayTimer_, &QTimer::timeout, this, &Gateway::RelayTick, Qt::UniqueConnection);
    relayTimer_.start();
    relayHeard_.start();
    RelayTick();
    emit relayChanged();
}

void Gateway::SendToRelay(QByteArray datagram) {
    relaySaid_.start();
    pending_.push_back({std::move(datagram), relay_, relayPort_});
    Flush();
}

quint64 Gateway::ControlCounter() {
    // Milliseconds of the wall clock, and never the same twice: the relay takes each once.
    controlCounter_ = std::max(controlCounter_ + 1, static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    return controlCounter_;
}

void Gateway::RelayTick() {
    if (relayState_ == RelayState::Open && relayHeard_.elapsed() >= RelayLostMs) {
        relayState_ = RelayState::Opening; // it restarted, or the way there changed
        emit relayChanged();
    }
    if (relayState_ == RelayState::Open) {
        if (!relaySaid_.isValid() || relaySaid_.elapsed() >= RelayKeepMs)
            SendToRelay(relaywire::GatewayControl(relaywire::Keep, roomKeys_, room_, ControlCounter()));
        ListTick();
        return;
    }
    // Opening, or refused for want of room there: ask (again) once a second.
    SendToRelay(relaywire::OpenRequest(roomKeys_.publicKey));
}

void Gateway::OnRelay(QByteArrayView d) {
    if (d.isEmpty() || relayState_ == RelayState::None) return;
    switch (d[0]) {
    case relaywire::Data:
        if (d.size() <= 1 + relaywire::TagBytes) return;
        relayHeard_.start();
        TakeFrom(d.sliced(1 + relaywire::TagBytes),
                 Endpoint{relay_, relayPort_, d.sliced(1, relaywire::TagBytes).toByteArray()});
        return;
    case relaywire::Challenge: {
        if (d.size() != relaywire::ChallengeBytes || relayState_ == RelayState::Open) return;
        const QByteArrayView cookie = d.sliced(1);
        SendToRelay(relaywire::ProveRequest(roomKeys_, cookie, joinSecret_));
        return;
    }
    case relaywire::Opened:
        if (d.size() != relaywire::OpenedBytes || d.sliced(1) != room_) return;
        relayHeard_.start();
        if (relayState_ != RelayState::Open) {
            relayState_ = RelayState::Open;
            ++counts_.relayOpened;
            listed_.invalidate(); // a room opened again is listed again at once
            emit relayChanged();
            ListTick();
        }
        return;
    case relaywire::Kept: relayHeard_.start(); return;
    case gamelist::Listed: OnListed(d); return;
    case relaywire::Seen: {
        if (d.size() != relaywire::SeenBytes) return;
        Q_IPV6ADDR a;
        std::memcpy(a.c, d.constData() + 1, 16);
        QHostAddress address(a);
        bool v4 = false;
        if (const quint32 four = address.toIPv4Address(&v4); v4) address = QHostAddress(four);
        const quint16 port = static_cast<quint16>((quint8(d[17]) << 8) | quint8(d[18]));
        if (address == seen_.first && port == seen_.second) return;
        seen_ = {address, port};
        emit relayChanged();
        return;
    }
    case relaywire::Problem:
        if (d.size() != relaywire::ProblemBytes) return;
        if (d[1] == relaywire::Unknown && relayState_ == RelayState::Open) {
            // The relay forgot the room: open it again at once, under the same id.
            relayState_ = RelayState::Opening;
            emit relayChanged();
            RelayTick();
        } else if (d[1] == relaywire::RelayFull && relayState_ != RelayState::Full) {
            relayState_ = RelayState::Full;
            emit relayChanged();
        }
        return;
    default: return;
    }
}
