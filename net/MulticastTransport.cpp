#include "MulticastTransport.h"

#include <QNetworkDatagram>
#include <QVariant>

MulticastTransport::MulticastTransport(QObject* parent, QHostAddress group, quint16 port)
    : Transport(parent), group_(std::move(group)), port_(port) {
    connect(&tcpReceive_, &QUdpSocket::readyRead, this, &MulticastTransport::tcpReceive_DataArrival);
}

void MulticastTransport::InitSockets() {
    problem_.clear();
    tcpReceive_.close();
    tcpSend_.close();
    // Shared, so that every instance on one computer receives the group, not just the first.
    if (!tcpReceive_.bind(QHostAddress::AnyIPv4, port_,
                          QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        problem_ = tr("No network: port %1 cannot be used (%2)").arg(port_).arg(tcpReceive_.errorString());
        return;
    }
    if (!tcpReceive_.joinMulticastGroup(group_)) {
        problem_ = tr("No network: cannot join the game group (%1)").arg(tcpReceive_.errorString());
        return;
    }
    tcpReceive_.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
}

void MulticastTransport::SendData(const QByteArray& text) {
    // An unbound socket binds itself on the first send, also after Close().
    tcpSend_.setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
    tcpSend_.writeDatagram(text, group_, port_);
}

void MulticastTransport::Close() {
    tcpReceive_.close();
    tcpSend_.close();
}

bool MulticastTransport::ReadData(QByteArray& out) {
    if (!tcpReceive_.hasPendingDatagrams()) return false;
    out = tcpReceive_.receiveDatagram().data();
    return true;
}

void MulticastTransport::tcpReceive_DataArrival() {
    QByteArray datagram;
    while (ReadData(datagram)) emit datagramArrived(datagram);
}
