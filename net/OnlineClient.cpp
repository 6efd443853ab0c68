#include "OnlineClient.h"

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
        Fail(cookie_.isEmpty()
                 ? tr("The online game at %1 did not answer").arg(GatewayText())
                 : tr("The online game at %1 did not accept the link's key").arg(GatewayText()));
    });
    keepAlive_.setInterval(KeepAliveMs);
    connect(&keepAlive_, &QTimer::timeout, this, &OnlineClient::Tick);
}

OnlineClient::~OnlineClient() {
    if (lookup_ >= 0) QHostInfo::abortHostLookup(lookup_);
}

QString OnlineClient::GatewayText() const {
    if (gateway_.isNull()) return QStringLiteral("%1:%2").arg(link_.host).arg(link_.port);
    return Gateway::Describe(gateway_, port_);
}

void OnlineClient::Start() {
    socket_ = std::make_unique<QUdpSocket>();
    if (!socket_->bind(QHostAddress::Any, 0) && !socket_->bind(QHostAddress::AnyIPv4, 0)) {
        QTimer::singleShot(0, this, [this] { Fail(tr("No network: %1").arg(socket_->errorString())); });
        return;
    }
    socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                             QVariant(Gateway::ReceiveBufferBytes));
    connect(socket_.get(), &QUdpSocket::readyRead, this, &OnlineClient::Read);
    const auto send = [this](const QByteArray& d) { socket_->writeDatagram(d, gateway_, port_); };
    const QHostAddress literal(link_.host);
    if (!literal.isNull()) {
        StartWith(literal, link_.port, send);
        return;
    }
    state_ = State::Looking;
    answer_.start();
    lookup_ = QHostInfo::lookupHost(link_.host, this, [this, send](const QHostInfo& info) {
        lookup_ = -1;
        if (state_ != State::Looking) return;
        if (info.addresses().isEmpty()) {
            Fail(tr("The online game's address %1 was not found").arg(link_.host));
            return;
        }
        StartWith(info.addresses().first(), link_.port, send);
    });
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
    if (state_ == State::Hello) {
        QByteArray hello(envelope::HelloBytes, '\0');
        hello[0] = envelope::Hello;
        hello[1] = envelope::Version;
        hello.replace(2, seal::RandomBytes, random_);
        send_(hello);
    } else if (state_ == State::Joining) {
        send_(QByteArray(1, envelope::Join) + envelope::Version + random_ + cookie_ +
              envelope::JoinProof(link_.key, random_, cookie_));
    }
}

void OnlineClient::Read() {
    while (socket_ && socket_->hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_->receiveDatagram(envelope::MostSealedBytes + 1);
        // Only the gateway speaks to this socket; the rest is dropped unread.
        if (d.senderPort() == port_ && d.senderAddress().isEqual(gateway_, QHostAddress::TolerantConversion))
            Receive(d.data());
    }
}

void OnlineClient::Receive(QByteArrayView d) {
    if (d.isEmpty() || d.size() > envelope::MostSealedBytes) return;
    switch (state_) {
    case State::Hello:
        if (d[0] == envelope::Cookie && d.size() == 1 + envelope::CookieBytes) {
            cookie_ = d.sliced(1).toByteArray();
            state_ = State::Joining;
            SayHello();
        }
        return;
    case State::Joining:
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
            Fail(d[1] == envelope::Full
                     ? tr("The online game is full: it has %1 players from elsewhere already")
                           .arg(Gateway::MostRemotes)
                     : tr("The online game refused to let this copy join"));
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
        case envelope::Bye: Lose(tr("Lost the connection to the online game")); break;
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
    send_(out_.Seal(envelope::Sealed, plain));
}

void OnlineClient::Tick() {
    if (heard_.elapsed() >= silenceMs_) {
        Lose(tr("Lost the connection to the online game"));
        return;
    }
    SendSealed(envelope::Ping, envelope::Stamp(clock_.elapsed()));
}

void OnlineClient::Leave() {
    if (state_ == State::Joined) SendSealed(envelope::Bye, {});
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
