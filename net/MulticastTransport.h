#pragma once

#include "Transport.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QTimer>
#include <QSet>
#include <QHash>
#include <QNetworkDatagram>
#include <QUdpSocket>

// The real network: one socket joined to the game's multicast group on every interface that
// can carry it, and one to send through a single chosen interface.
class MulticastTransport : public Transport {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 31314;
    static constexpr int FollowMs = 2000; // how often interfaces that come and go are looked for
    static QHostAddress DefaultGroup() { return QHostAddress(QStringLiteral("234.10.20.31")); }

    explicit MulticastTransport(QObject* parent = nullptr, QHostAddress group = DefaultGroup(),
                                quint16 port = DefaultPort);

    void InitSockets() override;
    void SendData(const QByteArray& text) override;
    void Close() override;
    QString Problem() const override { return problem_; }
    void SetSendInterface(const QString& name) override;
    QString InUse() const override;
    Counts Diagnostics() const override { return counts_; }
    QList<QPair<QString, QString>> Interfaces() const override;
    QString LastSender() const override { return lastSender_; }
    // The sender's port of the datagram being delivered now, and whether it came from this computer.
    quint16 LastSenderPort() const { return lastPort_; }
    bool LastFromHere() const { return lastFromHere_; }
    // Where datagrams leave; invalid when nowhere.
    QNetworkInterface SendingInterface() const { return sending_; }
    QHostAddress Group() const { return group_; }
    quint16 Port() const { return port_; }
    // The diagnostics as text, a line each.
    static QString Report(const Counts& c, const QString& inUse);

    // Takes the waiting datagram, whole; false when none waits.
    bool ReadData(QByteArray& out);

    // Up, multicast-capable IPv4 interfaces; loopback only when it is the only one.
    static QList<QNetworkInterface> Candidates();
    // The interface of the default route, else the first candidate; invalid when none.
    static QNetworkInterface Automatic();
    static QString AddressOf(const QNetworkInterface& i);
    // What to check when no other copy answers, naming where this copy listens.
    static QString NoAnswerHint(const QString& inUse);

signals:
    // Like datagramArrived, with the sender's address.
    void datagramFrom(const QByteArray& text, const QString& sender);

private:
    void tcpReceive_DataArrival();
    // Joins the group where it is not yet joined, leaves it where an interface went away,
    // and checks that the send interface still exists.
    void Follow();
    void ChooseSendInterface();

    QHostAddress group_;
    quint16 port_;
    QUdpSocket tcpReceive_;
    QUdpSocket tcpSend_;
    QString problem_;
    QTimer follow_;
    QStringList joined_;
    QString wanted_;   // the player's choice, kept even while that interface is gone
    QNetworkInterface sending_;
    QSet<QHostAddress> ownAddresses_;
    // Each card's subnets, by interface index, as Follow last saw them.
    QHash<int, QList<QPair<QHostAddress, int>>> subnets_;
    bool FromThisNetwork(const QNetworkDatagram& d) const;
    Counts counts_;
    QString lastSender_;
    quint16 lastPort_ = 0;
    bool lastFromHere_ = false;
};
