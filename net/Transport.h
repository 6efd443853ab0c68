#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

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

signals:
    void datagramArrived(const QByteArray& text);
};
