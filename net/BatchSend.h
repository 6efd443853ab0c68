#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <vector>

class QUdpSocket;

// Several datagrams to several addresses through one socket, in as few system calls as the
// platform allows (one sendmmsg on Linux; one send each elsewhere).
struct Outgoing {
    QByteArray datagram;
    QHostAddress to;
    quint16 port = 0;
};
void SendBatch(QUdpSocket& socket, const std::vector<Outgoing>& batch);
