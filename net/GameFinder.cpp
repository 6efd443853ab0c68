#include "GameFinder.h"

#include <QNetworkDatagram>

GameFinder::GameFinder(QObject* parent) : QObject(parent) {
    giveUp_.setSingleShot(true);
    giveUp_.setInterval(GiveUpMs);
    connect(&giveUp_, &QTimer::timeout, this, [this] {
        socket_.close();
        resend_.stop();
        games_.clear();
        emit failed(tr("the relay did not answer within %1 s").arg(GiveUpMs / 1000));
    });
    connect(&socket_, &QUdpSocket::readyRead, this, &GameFinder::Read);
    resend_.setInterval(ResendMs);
    connect(&resend_, &QTimer::timeout, this, [this] { Send(first_); });
}

void GameFinder::Ask(const QHostAddress& relay, quint16 port, const QString& host) {
    relay_ = relay;
    port_ = port;
    host_ = host;
    cookie_.clear();
    pending_.clear(); // the last list stays shown until this one is read through
    pages_ = 0;
    challenges_ = 0;
    roundTripMs_ = -1;
    socket_.close();
    const bool v6 = relay.protocol() == QAbstractSocket::IPv6Protocol;
    if (!socket_.bind(v6 ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4, 0)) {
        emit failed(socket_.errorString());
        return;
    }
    asked_.start();
    giveUp_.start();
    Send(0);
}

void GameFinder::Send(int first) {
    first_ = first;
    resend_.start();
    socket_.writeDatagram(gamelist::FindRequest(cookie_, first, gamelist::AskBytes), relay_, port_);
}

void GameFinder::Read() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_.receiveDatagram(gamelist::AskBytes + 1);
        if (d.senderPort() != port_ || !d.senderAddress().isEqual(relay_, QHostAddress::TolerantConversion)) continue;
        const QByteArray bytes = d.data();
        if (bytes.size() == relaywire::ChallengeBytes && bytes[0] == relaywire::Challenge) {
            // The first round, or the cookie grew stale while the list was read: ask again.
            if (++challenges_ > 3) continue;
            if (challenges_ == 1) roundTripMs_ = static_cast<int>(asked_.elapsed());
            cookie_ = bytes.sliced(1);
            Send(first_);
            continue;
        }
        const auto page = gamelist::ReadGames(bytes);
        if (!page || cookie_.isEmpty()) continue;
        if (page->next <= first_ && page->next < page->total) continue; // a late answer to a page read already
        for (const gamelist::Entry& e : page->entries)
            if (std::none_of(pending_.begin(), pending_.end(), [&e](const gamelist::Entry& g) { return g.room == e.room; }))
                pending_.push_back(e);
        // A page that moved on and a list not yet read through: ask for the next page.
        if (page->next < page->total && !page->entries.empty() && ++pages_ < MostPages) {
            giveUp_.start(); // it answers: a long list takes a while
            Send(page->next);
            continue;
        }
        giveUp_.stop();
        resend_.stop();
        games_ = std::move(pending_);
        pending_.clear();
        listedMs_ = static_cast<int>(asked_.elapsed());
        socket_.close();
        emit found();
        return;
    }
}
