#include "OnlineClient.h"
#include "Sockets.h"

#include "Gateway.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QVariant>

#include <cstring>

OnlineClient::OnlineClient(OnlineLink link, QObject* parent)
    : QObject(parent), link_(std::move(link)), random_(seal::Random(seal::RandomBytes)) {
    clock_.start();
    retry_.setInterval(RetryMs);
    connect(&retry_, &QTimer::timeout, this, &OnlineClient::SayHello);
    answer_.setSingleShot(true);
    answer_.setInterval(AnswerMs);
    connect(&answer_, &QTimer::timeout, this, [this] {
        if (relayHasNoRoom_ && cookie_.isEmpty())
            Fail(tr("The relay at %1 has no such game: it was closed, or the link is old").arg(Address()));
        else if (relayState_ != RelayState::Off && relayState_ != RelayState::In)
            Fail(relayAnswered_ ? tr("The relay at %1 did not let this copy in").arg(Address())
                                : tr("The relay at %1 did not answer").arg(Address()));
        else
            Fail(cookie_.isEmpty()
                     ? tr("The online game at %1 did not answer").arg(GatewayText())
                     : tr("The online game at %1 did not accept the link's key").arg(GatewayText()));
    });
    direct_.setSingleShot(true);
    direct_.setInterval(DirectMs);
    connect(&direct_, &QTimer::timeout, this, [this] {
        if (state_ == State::Hello || state_ == State::Looking) ToRelay();
    });
    tag_ = seal::Random(relaywire::TagBytes);
    if (!link_.room.isEmpty()) joinSecret_ = relaywire::JoinSecret(link_.key, link_.room);
    keepAlive_.setInterval(KeepAliveMs);
    connect(&keepAlive_, &QTimer::timeout, this, &OnlineClient::Tick);
}

OnlineClient::~OnlineClient() {
    if (lookup_ >= 0) QHostInfo::abortHostLookup(lookup_);
}

QString OnlineClient::Address() const {
    return gateway_.isNull() ? QStringLiteral("%1:%2").arg(link_.host).arg(link_.port) : Gateway::Describe(gateway_, port_);
}

QString OnlineClient::GatewayText() const {
    return relayState_ == RelayState::Off ? Address() : tr("%1 (relay)").arg(Address());
}

void OnlineClient::Start() {
    socket_ = std::make_unique<QUdpSocket>();
    if (!socket_->bind(QHostAddress::Any, 0) && !socket_->bind(QHostAddress::AnyIPv4, 0)) {
        QTimer::singleShot(0, this, [this] { Fail(tr("No network: %1").arg(socket_->errorString())); });
        return;
    }
    sockets::MakeRoom(*socket_);
    connect(socket_.get(), &QUdpSocket::readyRead, this, &OnlineClient::Read);
    QString host = link_.host;
    quint16 port = link_.port;
    if (!link_.room.isEmpty()) {
        if (link_.direct.isEmpty()) {
            ToRelay();
            return;
        }
        // The direct address first; the relay when it has not answered in time.
        // Read as the link's own address is (the link was checked when it was read).
        OnlineLink::SplitHostPort(link_.direct, host, port, true);
        direct_.start();
    }
    const auto send = [this](const QByteArray& d) { socket_->writeDatagram(d, gateway_, port_); };
    const QHostAddress literal(host);
    if (!literal.isNull()) {
        StartWith(literal, port, send);
        return;
    }
    state_ = State::Looking;
    answer_.start();
    lookup_ = QHostInfo::lookupHost(host, this, [this, send, host, port](const QHostInfo& info) {
        lookup_ = -1;
        if (state_ != State::Looking || relayState_ != RelayState::Off) return;
        if (info.addresses().isEmpty()) {
            if (!link_.room.isEmpty()) {
                ToRelay();
                return;
            }
            Fail(tr("The online game's address %1 was not found").arg(host));
            return;
        }
        StartWith(info.addresses().first(), port, send);
    });
}

void OnlineClient::ToRelay() {
    direct_.stop();
    if (lookup_ >= 0) QHostInfo::abortHostLookup(lookup_);
    lookup_ = -1;
    const auto send = [this](const QByteArray& d) { socket_->writeDatagram(d, gateway_, port_); };
    const QHostAddress literal(link_.host);
    if (!literal.isNull()) {
        StartRelayWith(literal, link_.port, send);
        return;
    }
    state_ = State::Looking;
    relayState_ = RelayState::Knocking;
    answer_.start();
    lookup_ = QHostInfo::lookupHost(link_.host, this, [this, send](const QHostInfo& info) {
        lookup_ = -1;
        if (state_ != State::Looking) return;
        if (info.addresses().isEmpty()) {
            Fail(tr("The relay's address %1 was not found").arg(link_.host));
            return;
        }
        StartRelayWith(info.addresses().first(), link_.port, send);
    });
}

void OnlineClient::StartRelayWith(const QHostAddress& relay, quint16 port, SendFn send) {
    // From here on the session's datagrams go in the relay's Data, once it has let this copy in.
    raw_ = std::move(send);
    send_ = [this](const QByteArray& d) {
        if (relayState_ != RelayState::In) return; // lost while the relay lets this copy in again
        QByteArray wrapped;
        wrapped.reserve(1 + d.size());
        wrapped.append(relaywire::Data).append(d);
        raw_(wrapped);
    };
    gateway_ = relay;
    port_ = port;
    relayState_ = RelayState::Knocking;
    cookie_.clear();
    state_ = State::Hello;
    answer_.start(); // the relay gets its own time
    retry_.start();
    KnockAgain();
}

void OnlineClient::KnockAgain() {
    if (relayState_ == RelayState::Knocking) raw_(relaywire::KnockRequest(link_.room, tag_));
}

void OnlineClient::ReceiveRelay(QByteArrayView d) {
    if (d.isEmpty() || relayState_ == RelayState::Off || state_ == State::Over) return;
    relayAnswered_ = true;
    switch (d[0]) {
    case relaywire::Data:
        if (relayState_ == RelayState::In) Receive(d.sliced(1));
        return;
    case relaywire::Challenge:
        if (d.size() != relaywire::ChallengeBytes || relayState_ == RelayState::In) return;
        relayState_ = RelayState::Entering;
        raw_(relaywire::EnterRequest(link_.room, tag_, d.sliced(1), joinSecret_));
        return;
    case relaywire::Entered:
        if (d.size() != relaywire::EnteredBytes || d.sliced(1) != tag_ || relayState_ == RelayState::In) return;
        relayState_ = RelayState::In;
        relayHasNoRoom_ = false;
        if (state_ == State::Hello || state_ == State::Joining) SayHello();
        return;
    case relaywire::Problem:
        if (d.size() != relaywire::ProblemBytes) return;
        switch (d[1]) {
        case relaywire::Unknown: // the relay restarted: in again, the session goes on
        case relaywire::NoRoom:  // the gateway has not opened its room again yet, or never will
            relayHasNoRoom_ = d[1] == relaywire::NoRoom;
            if (relayState_ == RelayState::In) {
                relayState_ = RelayState::Knocking;
                KnockAgain();
            } else if (relayState_ == RelayState::Entering) {
                relayState_ = RelayState::Knocking;
            }
            return;
        case relaywire::RoomFull:
            if (state_ != State::Joined)
                Fail(tr("The online game is full: it has %1 players from elsewhere already").arg(Gateway::MostRemotes));
            return;
        default: return;
        }
    default: return;
    }
}

void OnlineClient::StartWith(const QHostAddress& gateway, quint16 port, SendFn send) {
    gateway_ = gateway;
    port_ = port;
    send_ = std::move(send);
    state_ = State::Hello;
    if (!answer_.isActive()) answer_.start();
    retry_.start();
    SayHello();
}

void OnlineClient::SayHello() {
    if (relayState_ == RelayState::Knocking || relayState_ == RelayState::Entering) {
        relayState_ = RelayState::Knocking;
        KnockAgain();
        return;
    }
    if (state_ == State::Hello) {
        QByteArray hello(envelope::HelloBytes, '\0');
        hello[0] = envelope::Hello;
        hello[1] = envelope::Version;
        hello.replace(2, seal::RandomBytes, random_);
        send_(hello);
    } else if (state_ == State::Joining) {
        if (joinsUnanswered_++ >= MostUnansweredJoins) {
            state_ = State::Hello;
            SayHello();
            return;
        }
        send_(QByteArray(1, envelope::Join) + envelope::Version + random_ + cookie_ +
              envelope::JoinProof(link_.key, random_, cookie_));
    }
}

void OnlineClient::Read() {
    while (socket_ && socket_->hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_->receiveDatagram(relaywire::MostRelayedBytes + 1);
        // Only the gateway (or the relay) speaks to this socket; the rest is dropped unread.
        if (d.senderPort() != port_ || !d.senderAddress().isEqual(gateway_, QHostAddress::TolerantConversion))
            continue;
        if (relayState_ != RelayState::Off)
            ReceiveRelay(d.data());
        else
            Receive(d.data());
    }
}

void OnlineClient::Receive(QByteArrayView d) {
    if (d.isEmpty() || d.size() > envelope::MostSealedBytes) return;
    switch (state_) {
    case State::Hello:
        if (d[0] == envelope::Cookie && d.size() == 1 + envelope::CookieBytes) {
            direct_.stop(); // the direct way answered
            cookie_ = d.sliced(1).toByteArray();
            joinsUnanswered_ = 0;
            state_ = State::Joining;
            SayHello();
        }
        return;
    case State::Joining:
        // A cookie is not authenticated: a fresh one replaces the one held, so a forged cookie
        // that came first never wedges the join.
        if (d[0] == envelope::Cookie && d.size() == 1 + envelope::CookieBytes) {
            if (d.sliced(1) != QByteArrayView(cookie_)) {
                cookie_ = d.sliced(1).toByteArray();
                joinsUnanswered_ = 0;
                SayHello();
            }
            return;
        }
        if (d[0] == envelope::Welcome && d.size() == envelope::WelcomeBytes) {
            const QByteArrayView theirs = d.sliced(1, seal::RandomBytes);
            if (!seal::Same(d.sliced(1 + seal::RandomBytes),
                            envelope::WelcomeProof(link_.key, random_, theirs))) {
                ++notGenuine_;
                return;
            }
            const seal::SessionKeys keys = seal::Derive(link_.key, random_, theirs);
            out_ = seal::Direction(keys.toGateway);
            in_ = seal::Direction(keys.fromGateway);
            state_ = State::Joined;
            retry_.stop();
            answer_.stop();
            heard_.start();
            keepAlive_.start();
            Tick();
            emit joined();
        } else if (d[0] == envelope::Refused && d.size() == envelope::RefusedBytes) {
            if (!seal::Same(d.sliced(2), envelope::RefusedProof(link_.key, random_, d[1]))) {
                ++notGenuine_;
                return;
            }
            switch (d[1]) {
            case envelope::Full:
                Fail(tr("The online game is full: it has %1 players from elsewhere already").arg(Gateway::MostRemotes));
                break;
            case envelope::Removed: Fail(tr("The host removed you from the online game")); break;
            case envelope::Closed: Fail(tr("The online game is closed to new players")); break;
            default: Fail(tr("The online game refused to let this copy join")); break;
            }
        }
        return;
    case State::Joined: {
        if (d[0] != envelope::Sealed) return;
        const std::optional<QByteArray> plain = in_.Open(d);
        if (!plain || plain->isEmpty()) {
            ++notGenuine_;
            return;
        }
        heard_.start();
        const QByteArray payload = plain->mid(1);
        switch (plain->at(0)) {
        case envelope::Game:
            if (payload.size() <= envelope::MostGameBytes) emit datagram(payload);
            break;
        case envelope::Ping: SendSealed(envelope::Pong, payload); break;
        case envelope::Pong:
            if (const int rtt = envelope::RoundTrip(payload, clock_.elapsed()); rtt >= 0) {
                roundTripMs_ = rtt;
                emit roundTripChanged();
            }
            break;
        case envelope::Bye:
            Lose(payload == QByteArray(1, envelope::ByeRemoved) ? tr("The host removed you from the online game")
                                                                : tr("Lost the connection to the online game"));
            break;
        default: break;
        }
        return;
    }
    default: return;
    }
}

void OnlineClient::Send(const QByteArray& game) {
    if (state_ != State::Joined || game.size() > envelope::MostGameBytes) return;
    SendSealed(envelope::Game, game);
}

void OnlineClient::SendSealed(char what, QByteArrayView payload) {
    QByteArray plain;
    plain.reserve(payload.size() + 1);
    plain.append(what);
    plain.append(payload);
    if (QByteArray d = out_.Seal(envelope::Sealed, plain); !d.isEmpty()) send_(d);
}

void OnlineClient::Tick() {
    if (heard_.elapsed() >= silenceMs_) {
        Lose(tr("Lost the connection to the online game"));
        return;
    }
    if (relayState_ == RelayState::Knocking || relayState_ == RelayState::Entering) {
        relayState_ = RelayState::Knocking; // ask the relay to let this copy in again
        KnockAgain();
        return;
    }
    SendSealed(envelope::Ping, envelope::Stamp(clock_.elapsed()));
}

void OnlineClient::Leave() {
    if (state_ == State::Joined) SendSealed(envelope::Bye, {});
    if (relayState_ == RelayState::In) raw_(QByteArray(1, relaywire::Leave));
    direct_.stop();
    state_ = State::Over;
    retry_.stop();
    answer_.stop();
    keepAlive_.stop();
}

void OnlineClient::Fail(const QString& why) {
    Leave();
    emit failed(why);
}

void OnlineClient::Lose(const QString& why) {
    state_ = State::Over;
    keepAlive_.stop();
    emit lost(why);
}
