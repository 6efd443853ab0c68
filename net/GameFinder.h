#pragma once

#include "GameList.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <vector>

// Asks one relay for its public games: a cookie round first, then the list page by page,
// each page answered by a datagram no longer than the request.
class GameFinder : public QObject {
    Q_OBJECT
public:
    static constexpr int GiveUpMs = 5000;   // no answer this long: the relay does not answer
    static constexpr int MostPages = 256;
    static constexpr int ResendMs = 300; // a request unanswered this long is sent again (lost, or the relay's rate)

    explicit GameFinder(QObject* parent = nullptr);
    // Starts asking; `host` is how the relay is named in the links it gives.
    void Ask(const QHostAddress& relay, quint16 port, const QString& host);
    const std::vector<gamelist::Entry>& Games() const { return games_; }
    QString Link(const gamelist::Entry& e) const { return gamelist::LinkOf(e, host_, port_); }
    // The relay's round trip (its cookie round), and the time from asking to the whole list, in ms.
    int RoundTripMs() const { return roundTripMs_; }
    int ListedMs() const { return listedMs_; }

signals:
    void found();
    void failed(const QString& why);

private:
    void Send(int first);
    void Read();

    QUdpSocket socket_;
    QTimer giveUp_, resend_;
    QElapsedTimer asked_;
    QHostAddress relay_;
    quint16 port_ = 0;
    QString host_;
    QByteArray cookie_;
    std::vector<gamelist::Entry> games_, pending_;
    int pages_ = 0;
    int first_ = 0;
    int challenges_ = 0;
    int roundTripMs_ = -1;
    int listedMs_ = -1;
};
