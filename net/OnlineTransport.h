#pragma once

#include "Gateway.h"
#include "OnlineClient.h"
#include "OnlineLink.h"
#include "PortMapper.h"
#include "Transport.h"

#include <QUdpSocket>
#include <memory>

class MulticastTransport;

// The game's way to the others: its LAN group, optionally opened online through a gateway, or
// instead of the LAN a game joined by link. Open and Join exclude each other. Joined, this copy
// still hears each of its own datagrams once, from itself, as it does on the LAN.
class OnlineTransport : public Transport {
    Q_OBJECT
public:
    enum class Mode { Lan, Open, Joining, Joined };

    explicit OnlineTransport(MulticastTransport& lan, QObject* parent = nullptr);
    ~OnlineTransport() override;

    void InitSockets() override;
    void SendData(const QByteArray& text) override;
    void Close() override;
    QString Problem() const override;
    void SetSendInterface(const QString& name) override;
    QString InUse() const override;
    Counts Diagnostics() const override;
    QList<QPair<QString, QString>> Interfaces() const override;
    QString LastSender() const override;
    QString OnlineLine() const override;
    int RoundTripMs(int slot) const override;
    QStringList OnlineReport() const override;

    Mode GetMode() const { return mode_; }
    // Before Open: the relay to keep a room at ("HOST:PORT", empty for none), and whether to ask
    // the router to forward the port.
    void SetRelayServer(const QString& hostPort) { relayServer_ = hostPort; }
    QString RelayServer() const { return relayServer_; }
    void SetPortMapping(bool on) { portMapping_ = on; }
    // "HOST:PORT" split; nullopt when malformed.
    static std::optional<QPair<QString, quint16>> SplitAddress(const QString& hostPort);
    // Whether the link is as good as it will get: the router answered (or did not in time) and
    // the relay opened the room (or did not in time).
    bool LinkSettled() const;
    // What the router and the relay did, one line each for the player (empty when not asked).
    QString MappingLine() const;
    QString RelayLine() const;
    // Lists the game publicly at the relay as long as it is open online (an empty function:
    // not listed). `what` gives the name, players and whether a match runs at each refresh.
    void SetListing(Gateway::ListingFn what);
    bool Listing() const { return static_cast<bool>(listing_); }
    // Removes a joined copy (see Gateway::Remove); false when none has that id.
    bool RemoveRemote(quint64 id, Gateway::Removal how);
    // "Listed publicly at RELAY", or why not; empty when not asked to list.
    QString ListLine() const;
    // The router's public address when it forwards the port (empty when it does not).
    QString MappedAddress() const;
    // The address the relay sees this game's datagrams come from; empty until it said.
    QString SeenAddress() const;
    // A relay keeps a room for this game: friends anywhere reach it through there.
    bool RelayOpen() const;
    // Opens this LAN's game on a UDP port with a fresh key; false with the reason when it cannot.
    bool Open(quint16 port, QString* error);
    // The link while open, naming `host` (this computer's first address when empty).
    QString LinkText(const QString& host = {}) const;
    // This computer's addresses a friend may reach (one per interface, loopback last).
    static QStringList Addresses();
    void CloseOnline();
    // Joins a game by link; joined() or joinFailed() follows.
    void Join(const OnlineLink& link);
    void LeaveOnline();
    Gateway* GetGateway() const { return gateway_.get(); }
    OnlineClient* Client() const { return client_.get(); }

signals:
    void joined();
    // The link is settled (see LinkSettled()).
    void linkReady();
    void joinFailed(const QString& why);
    // A joined game ended by itself (the gateway closed or went silent): back on the LAN.
    void onlineLost(const QString& why);
    // The host removed a joined copy (as it was just before).
    void remoteRemoved(const Gateway::RemoteInfo& info, Gateway::Removal how);

private:
    void FromLan(const QByteArray& text);
    void BackToLan();
    void DeliverOwn();
    void StartReach();
    void CheckSettled();

    MulticastTransport& lan_;
    Mode mode_ = Mode::Lan;
    std::unique_ptr<Gateway> gateway_;
    std::unique_ptr<QUdpSocket> inject_;
    seal::Secret key_;
    std::unique_ptr<OnlineClient> client_;
    QList<QByteArray> own_; // this copy's datagrams, to hear once joined
    bool lanClosed_ = false;
    QString relayServer_;
    Gateway::ListingFn listing_;
    QStringList removals_; // what the host removed, for the diagnostics
    bool portMapping_ = true;
    std::unique_ptr<PortMapper> mapper_;
    bool relayGaveUp_ = false, relayNotFound_ = false, linkReady_ = false;
    int relayLookup_ = -1;
};
