#pragma once

#include "Transport.h"

#include <QHostAddress>
#include <QUdpSocket>

// The real network: one socket joined to the game's multicast group, one to send.
class MulticastTransport : public Transport {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 31314;
    static QHostAddress DefaultGroup() { return QHostAddress(QStringLiteral("234.10.20.31")); }

    explicit MulticastTransport(QObject* parent = nullptr, QHostAddress group = DefaultGroup(),
                                quint16 port = DefaultPort);

    void InitSockets() override;
    void SendData(const QByteArray& text) override;
    void Close() override;
    QString Problem() const override { return problem_; }

    // Takes the waiting datagram, whole; false when none waits.
    bool ReadData(QByteArray& out);

private:
    void tcpReceive_DataArrival();

    QHostAddress group_;
    quint16 port_;
    QUdpSocket tcpReceive_;
    QUdpSocket tcpSend_;
    QString problem_;
};
