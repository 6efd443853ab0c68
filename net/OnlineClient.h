#pragma once

#include "Envelope.h"
#include "OnlineLink.h"
#include "RelayWire.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <functional>
#include <memory>

// A copy's side of a game joined by link: it proves the key to the gateway, then carries the
// game's datagrams sealed both ways and keeps the session alive.
class OnlineClient : public QObject {
    Q_OBJECT
public:
    static constexpr int AnswerMs = 5000; // for the gateway to admit this copy
    static constexpr int RetryMs = 500;   // a Hello or Join that got no answer goes again
    // Joins that got no answer before this copy asks for a cookie again: the one it holds may
    // have been forged by anyone who can send from the gateway's address.
    static constexpr int MostUnansweredJoins = 3;
    static constexpr int KeepAliveMs = 1000;
    static constexpr int SilenceMs = 10000;
    static constexpr int DirectMs = 1500; // a link's direct address gets this long before the relay

    using SendFn = std::function<void(const QByteArray& datagram)>;

    explicit OnlineClient(OnlineLink link, QObject* parent = nullptr);
    ~OnlineClient() override;

    // Looks the gateway up and joins it through a socket of its own.
    void Start();
    // Joins a gateway at a known address with datagrams sent by `send` (tests, fuzzing).
    void StartWith(const QHostAddress& gateway, quint16 port, SendFn send);
    // Joins the link's room through a relay at a known address, likewise.
    void StartRelayWith(const QHostAddress& relay, quint16 port, SendFn send);
    void SetSilenceMs(int ms) { silenceMs_ = ms; }

    // A datagram from the gateway.
    void Receive(QByteArrayView datagram);
    // A datagram from the relay.
    void ReceiveRelay(QByteArrayView datagram);
    bool Relayed() const { return relayState_ != RelayState::Off; }
    // A game datagram for the gateway; dropped until joined.
    void Send(const QByteArray& game);
    // Says goodbye to the gateway and stops.
    void Leave();

    bool Joined() const { return state_ == State::Joined; }
    int RoundTripMs() const { return roundTripMs_; }
    // "203.0.113.7:31315"
    QString GatewayText() const;
    qint64 NotGenuine() const { return notGenuine_; }

signals:
    void joined();
    // Joining did not succeed: why, in one line for the player.
    void failed(const QString& why);
    // The session ended after joining: why.
    void lost(const QString& why);
    void datagram(const QByteArray& game);
    void roundTripChanged();

private:
    enum class State { Idle, Looking, Hello, Joining, Joined, Over };
    enum class RelayState { Off, Knocking, Entering, In };
    QString Address() const; // the gateway's or the relay's
    void SayHello();
    void ToRelay();
    void KnockAgain();
    void Fail(const QString& why);
    void Lose(const QString& why);
    void SendSealed(char what, QByteArrayView payload);
    void Tick();
    void Read();

    OnlineLink link_;
    State state_ = State::Idle;
    std::unique_ptr<QUdpSocket> socket_;
    SendFn send_;
    QHostAddress gateway_;
    quint16 port_ = 0;
    QByteArray random_;
    QByteArray cookie_;
    int joinsUnanswered_ = 0;
    seal::Direction in_, out_;
    QTimer retry_;
    QTimer keepAlive_;
    QTimer answer_;
    QElapsedTimer heard_;
    QElapsedTimer clock_;
    int silenceMs_ = SilenceMs;
    int roundTripMs_ = -1;
    qint64 notGenuine_ = 0;
    int lookup_ = -1;
    SendFn raw_; // to the relay, when the link goes through one
    RelayState relayState_ = RelayState::Off;
    QByteArray tag_;
    seal::Secret joinSecret_;
    QTimer direct_;
    bool relayHasNoRoom_ = false, relayAnswered_ = false;
};
