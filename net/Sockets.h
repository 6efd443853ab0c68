#pragma once

#include <QNetworkInterface>
#include <QUdpSocket>
#include <QVariant>

// The options every socket of the game is set up with, in one place.
namespace sockets {

constexpr int ReceiveBufferBytes = 1 << 20;

// Room for a burst while the program is busy elsewhere: Windows' own buffer holds a few dozen
// Positions, and a datagram that does not fit is lost.
inline void MakeRoom(QUdpSocket& s) {
    s.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, QVariant(ReceiveBufferBytes));
}

// A socket that sends into the game's group: one hop only, and heard by this computer's own
// copies too (the game relies on hearing itself), out of the interface given when valid.
inline void SendToGroup(QUdpSocket& s, const QNetworkInterface& through) {
    s.setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
    s.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
    if (through.isValid()) s.setMulticastInterface(through);
}

} // namespace sockets
