#include "MulticastTransport.h"
#include "Sockets.h"

#include "DefaultRoute.h"

#include <QLocale>
#include <QDateTime>
#include <QFile>
#include <QNetworkDatagram>
#include <QVariant>

#include <algorithm>

MulticastTransport::MulticastTransport(QObject* parent, QHostAddress group, quint16 port)
    : Transport(parent), group_(std::move(group)), port_(port) {
    connect(&tcpReceive_, &QUdpSocket::readyRead, this, &MulticastTransport::tcpReceive_DataArrival);
    follow_.setInterval(FollowMs);
    connect(&follow_, &QTimer::timeout, this, &MulticastTransport::Follow);
}

QList<QNetworkInterface> MulticastTransport::Candidates() {
    QList<QNetworkInterface> out, loopback;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || AddressOf(i).isEmpty()) continue;
        if (f & QNetworkInterface::IsLoopBack) loopback << i;
        else if (f & QNetworkInterface::CanMulticast) out << i;
    }
    // A computer alone (the private test networks): loopback carries the game.
    return out.isEmpty() ? loopback : out;
}

QString MulticastTransport::AddressOf(const QNetworkInterface& i) {
    for (const QNetworkAddressEntry& e : i.addressEntries())
        if (e.ip().protocol() == QAbstractSocket::IPv4Protocol) return e.ip().toString();
    return {};
}

QNetworkInterface MulticastTransport::Automatic() {
    const QList<QNetworkInterface> candidates = Candidates();
    if (const int index = DefaultRouteInterface())
        for (const QNetworkInterface& i : candidates)
            if (i.index() == index) return i;
    return candidates.isEmpty() ? QNetworkInterface() : candidates.first();
}

QString MulticastTransport::NoAnswerHint(const QString& inUse) {
    return tr("No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers "
              "must be on the same network, and a firewall must let UDP port %3 and the group %2 through.")
        .arg(inUse.isEmpty() ? tr("here") : inUse, DefaultGroup().toString())
        .arg(DefaultPort);
}

void MulticastTransport::InitSockets() {
    problem_.clear();
    tcpReceive_.close();
    tcpSend_.close();
    joined_.clear();
    counts_.joined.clear();
    counts_.notJoined.clear();
    // Shared, so that every instance on one computer receives the group, not just the first.
    if (!tcpReceive_.bind(QHostAddress::AnyIPv4, port_,
                          QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        problem_ = tr("No network: port %1 cannot be used (%2)").arg(port_).arg(tcpReceive_.errorString());
        return;
    }
    sockets::MakeRoom(tcpReceive_);
    Follow();
    if (joined_.isEmpty()) {
        problem_ = tr("No network: cannot join the game group (%1)").arg(tcpReceive_.errorString());
        return;
    }
    follow_.start();
}

void MulticastTransport::Follow() {
    const QList<QNetworkInterface> now = Candidates();
    QStringList names;
    ownAddresses_.clear();
    subnets_.clear();
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            ownAddresses_.insert(e.ip());
            subnets_[i.index()].append({e.ip(), e.prefixLength()});
        }
    for (const QNetworkInterface& i : now) {
        names << i.name();
        if (joined_.contains(i.name())) continue;
        if (tcpReceive_.joinMulticastGroup(group_, i)) {
            joined_ << i.name();
            counts_.notJoined.removeAll(i.name());
        } else if (!counts_.notJoined.contains(i.name())) {
            counts_.notJoined << i.name();
        }
    }
    for (const QString& gone : QStringList(joined_)) {
        if (names.contains(gone)) continue;
        // The kernel has dropped the membership with the interface; this only tidies up.
        tcpReceive_.leaveMulticastGroup(group_, QNetworkInterface::interfaceFromName(gone));
        joined_.removeAll(gone);
    }
    counts_.joined = joined_;
    ChooseSendInterface();
}

void MulticastTransport::SetSendInterface(const QString& name) {
    wanted_ = name;
    ChooseSendInterface();
}

void MulticastTransport::ChooseSendInterface() {
    QNetworkInterface pick;
    if (!wanted_.isEmpty()) {
        for (const QNetworkInterface& i : Candidates())
            if (i.name() == wanted_) pick = i;
        if (!pick.isValid() && (!sending_.isValid() || sending_.name() == wanted_ || sending_.name().isEmpty()))
            emit note(tr("%1 is not there: sending automatically").arg(wanted_));
    }
    if (!pick.isValid()) pick = Automatic();
    if (pick.isValid() && sending_.isValid() && pick.name() == sending_.name() &&
        AddressOf(pick) == AddressOf(sending_))
        return;
    const bool before = sending_.isValid();
    sending_ = pick;
    emit inUseChanged();
    if (tcpSend_.state() != QAbstractSocket::BoundState) tcpSend_.bind(QHostAddress::AnyIPv4, 0);
    sockets::SendToGroup(tcpSend_, pick);
    if (before && !wanted_.isEmpty() && pick.name() == wanted_) emit note(tr("Sending on %1 again").arg(wanted_));
}

QList<QPair<QString, QString>> MulticastTransport::Interfaces() const {
    QList<QPair<QString, QString>> out;
    for (const QNetworkInterface& i : Candidates()) out.append({i.name(), AddressOf(i)});
    return out;
}

QString MulticastTransport::Report(const Counts& c, const QString& inUse) {
    QStringList lines;
    lines << tr("Sending %1 to the group %2, UDP port %3.")
                 .arg(inUse.isEmpty() ? tr("nowhere") : inUse, DefaultGroup().toString())
                 .arg(DefaultPort);
    for (const QString& name : c.joined) lines << tr("Group joined on %1.").arg(name);
    for (const QString& name : c.notJoined) lines << tr("Group NOT joined on %1.").arg(name);
    lines << tr("Datagrams sent: %1; received: %2, of them dropped as malformed: %3.")
                 .arg(QLocale().toString(c.sent), QLocale().toString(c.received), QLocale().toString(c.malformed));
    if (c.flooded > 0) lines << tr("Dropped because their sender sent too many: %1.").arg(QLocale().toString(c.flooded));
    if (c.notLan > 0)
        lines << tr("Dropped unread as not from this network (sent to this computer alone, or from beyond a "
                    "router): %1.").arg(QLocale().toString(c.notLan));
    lines << (c.ownHeard > 0 ? tr("This copy hears its own datagrams (%1).").arg(QLocale().toString(c.ownHeard))
                             : tr("This copy does NOT hear its own datagrams."));
    for (auto it = c.bySender.begin(); it != c.bySender.end(); ++it)
        lines << tr("From %1: %2 datagrams, last heard %3.")
                     .arg(it.key(), QLocale().toString(it.value()),
                          QLocale().toString(QDateTime::fromMSecsSinceEpoch(c.lastHeard.value(it.key())).time(),
                                             QLocale::LongFormat));
    return lines.join(QLatin1Char('\n'));
}

QString MulticastTransport::InUse() const {
    if (!sending_.isValid()) return {};
    return tr("on %1, %2").arg(sending_.name(), AddressOf(sending_));
}

void MulticastTransport::SendData(const QByteArray& text) {
    // Closed sockets bind again on the first send: the last goodbye must still go out.
    if (tcpSend_.state() != QAbstractSocket::BoundState) {
        sending_ = QNetworkInterface();
        ChooseSendInterface();
    }
    tcpSend_.writeDatagram(text, group_, port_);
    ++counts_.sent;
}

void MulticastTransport::Close() {
    follow_.stop();
    tcpReceive_.close();
    tcpSend_.close();
}

bool MulticastTransport::FromThisNetwork(const QNetworkDatagram& d) const {
    const QHostAddress from = d.senderAddress();
    // This computer's own copies, the online gateway's injecting socket and --probe; and a
    // sender the system does not name (Wine's sockets), which cannot be told apart.
    if (ownAddresses_.contains(from) || from.isNull() || from == QHostAddress(QHostAddress::AnyIPv4)) return true;
    // Sent to the group, not to this computer alone: unicast to the port comes from anywhere.
    const QHostAddress to = d.destinationAddress();
    if (!to.isNull() && !to.isEqual(group_, QHostAddress::TolerantConversion)) return false;
    // From a subnet of the card it came in on: beyond a router is not this network.
    const auto card = subnets_.constFind(d.interfaceIndex());
    if (d.interfaceIndex() <= 0 || card == subnets_.constEnd()) return true; // a card Follow has not seen yet
    return std::any_of(card->begin(), card->end(),
                       [&from](const QPair<QHostAddress, int>& s) { return from.isInSubnet(s.first, s.second); });
}

bool MulticastTransport::ReadData(QByteArray& out) {
    QNetworkDatagram d;
    do {
        if (tcpReceive_.state() != QAbstractSocket::BoundState || !tcpReceive_.hasPendingDatagrams()) return false;
        d = tcpReceive_.receiveDatagram();
        if (FromThisNetwork(d)) break;
        ++counts_.notLan;
    } while (true);
    out = d.data();
    const QString from = d.senderAddress().toString();
    ++counts_.received;
    lastFromHere_ = ownAddresses_.contains(d.senderAddress());
    lastPort_ = static_cast<quint16>(d.senderPort());
    if (lastFromHere_) ++counts_.ownHeard;
    // A few dozen copies at most share a network; a flood of forged senders is capped.
    if (counts_.bySender.contains(from) || counts_.bySender.size() < 64) {
        ++counts_.bySender[from];
        counts_.lastHeard[from] = QDateTime::currentMSecsSinceEpoch();
    }
    lastSender_ = from;
    return true;
}

void MulticastTransport::tcpReceive_DataArrival() {
    QByteArray datagram;
    while (ReadData(datagram)) {
        emit datagramFrom(datagram, lastSender_);
        emit datagramArrived(datagram);
    }
}
