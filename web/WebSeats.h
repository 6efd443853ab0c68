#pragma once

#include "Colour.h"
#include "CopyParts.h"
#include "TokenBucket.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class QNetworkInterface;
class QWebSocket;
class WebServer;
class WebListener;

// Seats lent to browsers on the LAN. This copy serves a page (its own files, nothing from
// elsewhere) at a secret address; a browser that joins rides a seat of this copy, which
// registers it, answers roll calls for it and steers it through the one entry point every
// seat uses. The page is sent what the game window shows: the arena's changed pixels and the
// boxes' texts. The LAN sees an ordinary copy with one more player.
class WebSeats : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 31317;
    static constexpr int MostSeats = 7;
    static constexpr int MostConnections = 16;
    static constexpr int SilentMs = 10000;     // a page heard from for this long is gone
    static constexpr int InputsPerSecond = 100; // per page; a page far over it is dropped
    static constexpr int MostMessageBytes = 2048; // what a page sends: a wish, a name, a chat line
    static constexpr int MostRequestBytes = 8192; // an HTTP request, headers and all
    static constexpr int RequestMs = 10000;       // for a request to arrive whole
    static constexpr int FrameMs = 8;             // changes go out at most this often (a tick at Speed 85 is 10 ms)
    static constexpr qint64 MostQueued = 256 * 1024; // a page that far behind skips to a whole picture

    // Where the server listens and whom it takes: an IPv4 address of the LAN's interface, and
    // that interface's subnets.
    struct Lan {
        QHostAddress address;
        QList<QPair<QHostAddress, int>> subnets;
    };
    using LanFn = std::function<Lan()>;
    static Lan LanOf(const QNetworkInterface& i);

    // Whether this build can serve browsers at all.
    static bool Available();

    explicit WebSeats(WindowParts parts, QObject* parent = nullptr);
    ~WebSeats() override;
    // The LAN interface in use (by default, the automatic choice of the multicast transport).
    void SetLan(LanFn lan) { lan_ = std::move(lan); }

    // Starts serving on `port` (0: any free one) with a new secret; false with why.
    bool Open(quint16 port, QString* error);
    void Close();
    bool IsOpen() const { return server_ != nullptr; }
    // "http://ADDRESS:PORT/TOKEN"; empty while closed.
    QString Address() const;
    int Seats() const;
    int Connections() const;
    // Bytes sent to pages since opening, for the measurements.
    qint64 BytesSent() const { return bytesSent_; }

    struct Counts {
        qint64 pages = 0;   // pages that connected
        qint64 joined = 0;  // of them, joined a seat
        qint64 refused = 0; // connections or pages turned away (wrong place, address or secret; too many)
        qint64 dropped = 0; // pages cut off for flooding or garbage
    };
    const Counts& Diagnostics() const { return counts_; }
    // The diagnostics' lines.
    QStringList Report() const;

signals:
    // Opened, closed, a seat taken or freed.
    void changed();

private:
    struct Page {
        int id = 0;
        QWebSocket* socket = nullptr;
        QString name;
        Colour colour = 0;
        TokenBucket inputs;
        int over = 0; // inputs beyond the cap in a row
        QElapsedTimer heard;
        QByteArray stateSent;
        bool needWhole = true;
        int slot = -1;
    };
    void Accept(QWebSocket* socket);
    void OnText(int id, const QString& text);
    void Join(Page& page, const QJsonObject& m);
    // Cuts a page off (counted as dropped when `hostile`) and frees its seat.
    void Drop(int id, bool hostile);
    void Forget(int id);
    Page* Find(int id);
    void Send(Page& page, const QByteArray& text);
    void SendBinary(Page& page, const QByteArray& bytes);
    void Schedule();
    void Flush();
    void SeatsMoved();
    void CheckSilence();
    QByteArray StateFor(const Page& page) const;

    WindowParts in_;
    LanFn lan_;
    Lan serving_;
    WebServer* server_ = nullptr;
    WebListener* listener_ = nullptr;
    QByteArray token_;
    quint16 port_ = 0;
    std::vector<std::unique_ptr<Page>> pages_;
    int nextId_ = 0;
    QRegion region_;
    bool resized_ = false;
    bool boxesChanged_ = true; // scores, gauges, countdown, status, banner or a page's seat
    QTimer frame_;
    QElapsedTimer sinceFlush_;
    QTimer silence_;
    Counts counts_;
    qint64 bytesSent_ = 0;
};
