#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPair>
#include <QObject>
#include <QString>
#include <QStringList>

// How an instance reaches the group: every datagram sent goes to every member, the
// sender included, and arrives whole, one at a time, on the UI thread.
class Transport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void InitSockets() = 0;
    // Sends one datagram. Works after Close() too: the last goodbye must still go out.
    virtual void SendData(const QByteArray& text) = 0;
    virtual void Close() = 0;
    // Why this instance cannot receive (bind or join failed); empty when all is well.
    virtual QString Problem() const { return {}; }

    // Where datagrams leave: an interface's name, or empty for the automatic choice.
    virtual void SetSendInterface(const QString&) {}
    // What is in use, for the status area: "on eth0, 192.168.1.20"; empty where it means nothing.
    virtual QString InUse() const { return {}; }

    // What the diagnostics show. Sender addresses serve diagnosis only.
    struct Counts {
        qint64 sent = 0;
        qint64 received = 0;
        qint64 ownHeard = 0; // of those received, our own
        qint64 malformed = 0; // received but meaning nothing (the dispatcher's count)
        qint64 flooded = 0;   // dropped because their sender sent too many (the dispatcher's count)
        qint64 notLan = 0;    // dropped unread: not sent to the group, or from beyond this network
        QMap<QString, qint64> bySender;
        QMap<QString, qint64> lastHeard; // milliseconds since the epoch
        QStringList joined;    // interfaces the group was joined on
        QStringList notJoined; // candidates where joining failed
    };
    virtual Counts Diagnostics() const { return {}; }
    // The interfaces one may send through (name and address), for the Network menu.
    virtual QList<QPair<QString, QString>> Interfaces() const { return {}; }
    // The sender's address of the datagram being delivered now; empty where it means nothing.
    virtual QString LastSender() const { return {}; }
    // Online play, for the panel: its line ("Online: 2 players joined"), the round-trip time of
    // the remote copy that holds a slot (-1 for none), and its lines in the diagnostics.
    virtual QString OnlineLine() const { return {}; }
    virtual int RoundTripMs(int /*slot*/) const { return -1; }
    virtual QStringList OnlineReport() const { return {}; }

signals:
    void datagramArrived(const QByteArray& text);
    // The send interface changed by itself (the chosen one went away, or came back).
    void note(const QString& text);
    // What InUse() says has changed.
    void inUseChanged();
    // What OnlineLine() or RoundTripMs() say has changed.
    void onlineChanged();
};
