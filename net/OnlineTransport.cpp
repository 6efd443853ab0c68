#include "OnlineTransport.h"
#include "Sockets.h"

#include "MulticastTransport.h"

#include <QLocale>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QTimer>

OnlineTransport::OnlineTransport(MulticastTransport& lan, QObject* parent) : Transport(parent), lan_(lan) {
    connect(&lan_, &Transport::datagramArrived, this, &OnlineTransport::FromLan);
    connect(&lan_, &Transport::note, this, &Transport::note);
    connect(&lan_, &Transport::inUseChanged, this, &Transport::inUseChanged);
}

OnlineTransport::~OnlineTransport() {
    if (relayLookup_ >= 0) QHostInfo::abortHostLookup(relayLookup_);
}

void OnlineTransport::InitSockets() {
    if (mode_ != Mode::Joined) lan_.InitSockets();
}

void OnlineTransport::SendData(const QByteArray& text) {
    if (mode_ != Mode::Joined) {
        lan_.SendData(text);
        return;
    }
    client_->Send(text);
    // Heard back once, a moment later, as the group would have echoed it.
    if (own_.isEmpty()) QTimer::singleShot(0, this, &OnlineTransport::DeliverOwn);
    own_.append(text);
}

void OnlineTransport::DeliverOwn() {
    const QList<QByteArray> own = std::exchange(own_, {});
    for (const QByteArray& d : own) emit datagramArrived(d);
}

void OnlineTransport::Close() {
    if (client_) client_->Leave();
    mapper_.reset();
    if (gateway_) gateway_->Close();
    lan_.Close();
}

QString OnlineTransport::Problem() const { return mode_ == Mode::Joined ? QString() : lan_.Problem(); }
void OnlineTransport::SetSendInterface(const QString& name) { lan_.SetSendInterface(name); }
QString OnlineTransport::InUse() const { return mode_ == Mode::Joined ? QString() : lan_.InUse(); }
Transport::Counts OnlineTransport::Diagnostics() const { return lan_.Diagnostics(); }
QList<QPair<QString, QString>> OnlineTransport::Interfaces() const { return lan_.Interfaces(); }

QString OnlineTransport::LastSender() const {
    return mode_ == Mode::Joined ? client_->GatewayText() : lan_.LastSender();
}

void OnlineTransport::FromLan(const QByteArray& text) {
    if (mode_ == Mode::Joined) return;
    // What the gateway put on the LAN has gone to the remote copies already.
    const bool injected = inject_ && lan_.LastFromHere() && lan_.LastSenderPort() == inject_->localPort();
    if (gateway_ && !injected) gateway_->LanHeard(text);
    emit datagramArrived(text);
}

QStringList OnlineTransport::Addresses() {
    QStringList out, loopback;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!(i.flags() & QNetworkInterface::IsUp)) continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.isLinkLocal()) continue;
            const QString text = a.protocol() == QAbstractSocket::IPv6Protocol
                                     ? QStringLiteral("[%1]").arg(a.toString())
                                     : a.toString();
            (a.isLoopback() ? loopback : out) << text;
        }
    }
    return out + loopback;
}

bool OnlineTransport::Open(quint16 port, QString* error) {
    if (mode_ != Mode::Lan) {
        if (error) *error = tr("This copy has joined an online game: leave it first");
        return false;
    }
    if (gateway_) return true;
    if (!seal::Ready()) {
        if (error) *error = tr("Online play is not available: no source of randomness");
        return false;
    }
    key_ = seal::Secret::Random(OnlineLink::KeyBytes);
    auto gateway = std::make_unique<Gateway>(key_);
    auto inject = std::make_unique<QUdpSocket>();
    if (!inject->bind(QHostAddress::AnyIPv4, 0)) {
        if (error) *error = tr("No network: %1").arg(inject->errorString());
        return false;
    }
    sockets::SendToGroup(*inject, lan_.SendingInterface());
    QUdpSocket* s = inject.get();
    gateway->SetOutputs(nullptr,
                        [this, s](const QByteArray& d) { s->writeDatagram(d, lan_.Group(), lan_.Port()); });
    // Remote datagrams enter the LAN where the game's own leave, also after that changes.
    connect(&lan_, &Transport::inUseChanged, s, [this, s] {
        if (lan_.SendingInterface().isValid()) s->setMulticastInterface(lan_.SendingInterface());
    });
    if (!gateway->Listen(port, error)) return false;
    connect(gateway.get(), &Gateway::changed, this, &Transport::onlineChanged);
    connect(gateway.get(), &Gateway::removed, this, [this](const Gateway::RemoteInfo& info, Gateway::Removal how) {
        const QString line = how == Gateway::Removal::Ban
                                 ? tr("Banned the copy at %1 from this online game").arg(info.address)
                                 : tr("Removed the copy at %1 from this online game for %2 minutes")
                                       .arg(info.address)
                                       .arg(Gateway::KickMs / 60000);
        removals_ << line;
        emit remoteRemoved(info, how);
    });
    gateway_ = std::move(gateway);
    inject_ = std::move(inject);
    mode_ = Mode::Open;
    linkReady_ = false;
    StartReach();
    emit onlineChanged();
    return true;
}

std::optional<QPair<QString, quint16>> OnlineTransport::SplitAddress(const QString& hostPort) {
    QString host;
    quint16 port = 0;
    if (!OnlineLink::SplitHostPort(hostPort.trimmed(), host, port, true)) return std::nullopt;
    return qMakePair(host, port);
}

void OnlineTransport::StartReach() {
    // Friends outside reach the game through the router's forwarded port, or the relay, or both.
    if (portMapping_) {
        mapper_ = std::make_unique<PortMapper>();
        connect(mapper_.get(), &PortMapper::done, this, [this] {
            if (!mapper_->Current().mapped) emit note(mapper_->Current().why);
            emit onlineChanged();
            CheckSettled();
        });
        mapper_->Map(gateway_->Port());
    }
    relayGaveUp_ = relayNotFound_ = false;
    if (const auto relay = SplitAddress(relayServer_)) {
        connect(gateway_.get(), &Gateway::relayChanged, this, [this] {
            emit onlineChanged();
            CheckSettled();
        });
        const auto use = [this, port = relay->second](const QHostAddress& a) {
            if (!gateway_) return;
            gateway_->UseRelay(a, port);
            SetListing(listing_);
        };
        const QHostAddress literal(relay->first);
        if (!literal.isNull())
            use(literal);
        else
            relayLookup_ = QHostInfo::lookupHost(relay->first, this, [this, use](const QHostInfo& info) {
                relayLookup_ = -1;
                if (info.addresses().isEmpty()) {
                    emit note(tr("The relay server %1 was not found").arg(relayServer_));
                    relayNotFound_ = relayGaveUp_ = true;
                    CheckSettled();
                    return;
                }
                use(info.addresses().first());
            });
        // The link goes out with the relay in it after this long, opened or not.
        QTimer::singleShot(PortMapper::AnswerMs, this, [this] {
            relayGaveUp_ = true;
            CheckSettled();
        });
    }
    CheckSettled();
}

bool OnlineTransport::LinkSettled() const {
    if (!gateway_) return false;
    const bool mapped = !mapper_ || mapper_->Settled();
    const Gateway::RelayState r = gateway_->GetRelayState();
    const bool relayed = !SplitAddress(relayServer_) || relayGaveUp_ || r == Gateway::RelayState::Open ||
                         r == Gateway::RelayState::Full;
    return mapped && relayed;
}

void OnlineTransport::CheckSettled() {
    if (linkReady_ || !LinkSettled()) return;
    linkReady_ = true;
    emit linkReady();
}

QString OnlineTransport::MappingLine() const { return mapper_ ? mapper_->Line() : QString(); }

QString OnlineTransport::MappedAddress() const {
    if (!mapper_ || !mapper_->Current().mapped || mapper_->Current().doubleNat) return {};
    return mapper_->Current().publicAddress.toString();
}

QString OnlineTransport::RelayLine() const {
    if (!gateway_ || relayServer_.isEmpty()) return {};
    switch (gateway_->GetRelayState()) {
    case Gateway::RelayState::Open: return tr("The relay %1 keeps a room for this game").arg(relayServer_);
    case Gateway::RelayState::Full: return tr("The relay %1 is full: it keeps no room for this game now").arg(relayServer_);
    case Gateway::RelayState::Opening:
    case Gateway::RelayState::None: break;
    }
    if (relayNotFound_) return tr("The relay server %1 was not found").arg(relayServer_);
    return relayGaveUp_ ? tr("The relay %1 does not answer; asking again").arg(relayServer_)
                        : tr("Opening a room at the relay %1...").arg(relayServer_);
}

bool OnlineTransport::RemoveRemote(quint64 id, Gateway::Removal how) {
    return gateway_ && gateway_->Remove(id, how);
}

void OnlineTransport::SetListing(Gateway::ListingFn what) {
    listing_ = std::move(what);
    if (!gateway_) return;
    if (!listing_) {
        gateway_->SetListing({});
        return;
    }
    gateway_->SetListing([this]() -> std::optional<gamelist::Entry> {
        if (!listing_) return std::nullopt;
        std::optional<gamelist::Entry> e = listing_();
        if (!e) return e;
        e->version = QStringLiteral(LUMIVEX_VERSION);
        // The router's forwarded port is worth trying first, where the relay sees the game at
        // that address (it lists no other).
        if (const QString mapped = MappedAddress();
            !mapped.isEmpty() && gateway_ && QHostAddress(mapped) == gateway_->SeenByRelay().first)
            e->direct = Gateway::Describe(QHostAddress(mapped), gateway_->Port());
        return e;
    });
}

QString OnlineTransport::ListLine() const {
    if (!listing_ || !gateway_) return {};
    if (relayServer_.isEmpty())
        return tr("Not listed: a public game is listed at a relay (Network menu, Relay Server...)");
    const auto state = gateway_->ListState();
    if (!state) return tr("Listing this game at %1...").arg(relayServer_);
    switch (*state) {
    case gamelist::ListStatus::Listed: return tr("Listed publicly at %1").arg(relayServer_);
    case gamelist::ListStatus::Full: return tr("Not listed at %1: its list is full").arg(relayServer_);
    case gamelist::ListStatus::TooMany:
        return tr("Not listed at %1: it lists enough games from this address").arg(relayServer_);
    case gamelist::ListStatus::WrongAddress:
        return tr("Not listed at %1: it sees this game at another address").arg(relayServer_);
    default: return tr("Not listed at %1").arg(relayServer_);
    }
}

bool OnlineTransport::RelayOpen() const {
    return gateway_ && gateway_->GetRelayState() == Gateway::RelayState::Open;
}

QString OnlineTransport::SeenAddress() const {
    if (!gateway_ || gateway_->SeenByRelay().first.isNull()) return {};
    return gateway_->SeenByRelay().first.toString();
}

QString OnlineTransport::LinkText(const QString& host) const {
    if (!gateway_) return {};
    OnlineLink link;
    const QString mapped = MappedAddress();
    QString h = !host.isEmpty() ? host : !mapped.isEmpty() ? mapped : Addresses().value(0, QStringLiteral("127.0.0.1"));
    if (h.startsWith(QLatin1Char('['))) h = h.mid(1, h.size() - 2);
    // The router may forward another port number than the game's own; the address the relay
    // saw comes with the port the router gave the game's datagrams.
    const QString seen = SeenAddress();
    const quint16 port = !mapped.isEmpty() && h == mapped ? mapper_->Current().publicPort
                         : !seen.isEmpty() && h == seen   ? gateway_->SeenByRelay().second
                                                           : gateway_->Port();
    link.key = key_;
    const auto relay = SplitAddress(relayServer_);
    if (!relay) {
        link.host = h;
        link.port = port;
        return link.ToString();
    }
    // Through the relay, with this address to try first, unless it is one that nobody outside
    // can reach (this network's own): waiting for it would only delay every join.
    link.host = relay->first;
    link.port = relay->second;
    link.room = gateway_->Room();
    const QHostAddress literal(h);
    if (literal.isNull() || !PortMapper::Reserved(literal))
        link.direct = QStringLiteral("%1:%2").arg(h.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(h) : h).arg(port);
    return link.ToString();
}

void OnlineTransport::CloseOnline() {
    if (!gateway_) return;
    mapper_.reset(); // the router forgets the port
    gateway_->Close();
    gateway_.reset();
    removals_.clear();
    inject_.reset();
    key_ = {};
    mode_ = Mode::Lan;
    emit onlineChanged();
}

void OnlineTransport::Join(const OnlineLink& link) {
    if (mode_ != Mode::Lan) {
        emit joinFailed(mode_ == Mode::Open ? tr("This copy has opened its game online: close it first")
                                            : tr("This copy has joined an online game already"));
        return;
    }
    if (!seal::Ready()) {
        emit joinFailed(tr("Online play is not available: no source of randomness"));
        return;
    }
    client_ = std::make_unique<OnlineClient>(link);
    mode_ = Mode::Joining;
    connect(client_.get(), &OnlineClient::joined, this, [this] {
        // From now on the game goes through the gateway only.
        lan_.Close();
        mode_ = Mode::Joined;
        emit inUseChanged();
        emit onlineChanged();
        emit joined();
    });
    connect(client_.get(), &OnlineClient::failed, this, [this](const QString& why) {
        BackToLan();
        emit joinFailed(why);
    });
    connect(client_.get(), &OnlineClient::lost, this, [this](const QString& why) {
        BackToLan();
        emit onlineLost(why);
    });
    connect(client_.get(), &OnlineClient::datagram, this, [this](const QByteArray& d) {
        if (mode_ == Mode::Joined) emit datagramArrived(d);
    });
    connect(client_.get(), &OnlineClient::roundTripChanged, this, &Transport::onlineChanged);
    client_->Start();
    emit onlineChanged();
}

void OnlineTransport::LeaveOnline() {
    if (!client_) return;
    client_->Leave();
    BackToLan();
}

void OnlineTransport::BackToLan() {
    const bool wasJoined = mode_ == Mode::Joined;
    // Called from the client's own signals: it goes once they return.
    if (client_) client_.release()->deleteLater();
    own_.clear();
    mode_ = Mode::Lan;
    if (wasJoined) lan_.InitSockets();
    emit inUseChanged();
    emit onlineChanged();
}

QString OnlineTransport::OnlineLine() const {
    switch (mode_) {
    case Mode::Open: {
        const int n = gateway_->RemoteCount();
        const QString joined =
            n == 1 ? tr("Online: 1 player joined") : tr("Online: %1 players joined").arg(QLocale().toString(n));
        const QString listed = ListLine();
        return listed.isEmpty() ? joined : QStringLiteral("%1; %2").arg(joined, listed);
    }
    case Mode::Joining: return tr("Joining %1...").arg(client_->GatewayText());
    case Mode::Joined:
        return client_->RoundTripMs() < 0
                   ? tr("Joined %1").arg(client_->GatewayText())
                   : tr("Joined %1, %2 ms").arg(client_->GatewayText(), QLocale().toString(client_->RoundTripMs()));
    case Mode::Lan: break;
    }
    return {};
}

int OnlineTransport::RoundTripMs(int slot) const { return gateway_ ? gateway_->RoundTripOfSlot(slot) : -1; }

QStringList OnlineTransport::OnlineReport() const {
    QStringList lines;
    if (gateway_) {
        const Gateway::Counts& c = gateway_->Stats();
        lines << tr("Open online on UDP port %1; copies joined from elsewhere: %2.")
                     .arg(gateway_->Port())
                     .arg(gateway_->RemoteCount());
        for (const QString& line : {MappingLine(), RelayLine(), ListLine()})
            if (!line.isEmpty()) lines << line + QLatin1Char('.');
        if (gateway_->ClosedToNew()) lines << tr("Closed to new players.");
        for (const QString& line : removals_) lines << line + QLatin1Char('.');
        for (const Gateway::RemoteInfo& r : gateway_->Remotes())
            lines << tr("Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, "
                        "%6 not genuine.")
                         .arg(r.address)
                         .arg(r.roundTripMs)
                         .arg(r.in)
                         .arg(r.out)
                         .arg(r.overBudget)
                         .arg(r.notGenuine);
        lines << tr("Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, "
                    "%5 over "
                    "budget. Cookies sent: %6; copies refused: %7.")
                     .arg(c.fromStrangers)
                     .arg(c.notGenuine)
                     .arg(c.malformed)
                     .arg(c.tooLong)
                     .arg(c.overBudget)
                     .arg(c.cookies)
                     .arg(c.refused);
    }
    if (client_ && mode_ == Mode::Joined)
        lines << tr("Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.")
                     .arg(client_->GatewayText())
                     .arg(client_->RoundTripMs())
                     .arg(client_->NotGenuine());
    return lines;
}
