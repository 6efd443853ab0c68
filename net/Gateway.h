#pragma once

#include "BatchSend.h"
#include "Envelope.h"
#include "FloodGuard.h"
#include "GameList.h"
#include "RelayWire.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Opens a LAN's game to copies elsewhere: every datagram heard on the LAN goes, sealed, to
// every remote copy; every datagram from a remote copy goes to the LAN and to the other remote
// copies as the same bytes. A remote copy is admitted only after it has returned a cookie from
// its own address and proven that it holds the game's key; nothing from anyone else is ever
// forwarded or answered with more than a cookie.
class Gateway : public QObject {
    Q_OBJECT
public:
    static constexpr int MostRemotes = 7;
    static constexpr int KeepAliveMs = 1000;
    static constexpr int SilenceMs = 10000;
    static constexpr double PerSecond = 1000; // each remote copy's datagrams, and its burst
    static constexpr double Burst = 1024;
    static constexpr int CookieSeconds = 30; // a cookie is good for one to two of these

    using SendFn = std::function<void(const QByteArray& datagram, const QHostAddress& to, quint16 port)>;
    using InjectFn = std::function<void(const QByteArray& datagram)>;

    explicit Gateway(seal::Secret gameKey, QObject* parent = nullptr);
    ~Gateway() override;

    // Where datagrams go: to a remote copy (null: through the listening socket, batched),
    // and into the LAN group.
    void SetOutputs(SendFn toRemote, InjectFn toLan);
    // Listens on a UDP port of its own (IPv6 and IPv4); false with the reason when it cannot.
    bool Listen(quint16 port, QString* error);
    quint16 Port() const;
    // Tells every remote copy that the game is closed and frees their seats on the LAN.
    void Close();
    void SetSilenceMs(int ms) { silenceMs_ = ms; }

    // Keeps a room for this game at a relay, from the listening socket, so that copies that
    // cannot reach this port join through the relay. The room is opened again whenever the
    // relay forgets it (it restarted, say), under the same id.
    void UseRelay(const QHostAddress& relay, quint16 port);
    enum class RelayState { None, Opening, Open, Full };
    // Where the relay sees this gateway's datagrams come from (null until it said).
    std::pair<QHostAddress, quint16> SeenByRelay() const { return seen_; }
    RelayState GetRelayState() const { return relayState_; }
    // The room's id at a relay (16 bytes), the same for the whole opening.
    QByteArray Room() const { return room_; }
    // Lists this game publicly at the relay while its room is open, asking `what` for the
    // entry at each refresh; an empty function (or nullopt) takes it off the list.
    using ListingFn = std::function<std::optional<gamelist::Entry>()>;
    void SetListing(ListingFn what);
    // What the relay said of the last listing; nullopt until it said anything.
    std::optional<gamelist::ListStatus> ListState() const { return listState_; }
    static constexpr int RelayKeepMs = 2000;
    static constexpr int RelayLostMs = 6000; // no word from the relay this long: open the room again

    // A datagram to the gateway's port.
    void Receive(QByteArrayView datagram, const QHostAddress& from, quint16 port);
    // A datagram heard on the LAN group (not one this gateway put there).
    void LanHeard(const QByteArray& datagram);

    // What the diagnostics and the panel show.
    struct RemoteInfo {
        quint64 id = 0; // the same for as long as the copy stays joined
        QString address;
        int roundTripMs = -1;
        qint64 in = 0, out = 0;
        qint64 overBudget = 0, notGenuine = 0;
        QList<int> seats;
    };
    QList<RemoteInfo> Remotes() const;
    // Keeping the game clean. Kick drops a joined copy at once, frees its seats on the LAN,
    // tells it, and refuses its address (its tag, through a relay) for KickMs; Ban refuses it
    // for as long as the game stays open. False when no such copy is joined.
    enum class Removal { Kick, Ban };
    static constexpr qint64 KickMs = 10 * 60 * 1000;
    bool Remove(quint64 id, Removal how);
    // The joined copy that holds a seat (its id), 0 when none does.
    quint64 OwnerOfSeat(int slot) const;
    void SetKickMs(qint64 ms) { kickMs_ = ms; }
    // While closed, no new copy may join; the copies joined stay.
    void SetClosedToNew(bool closed) { closedToNew_ = closed; }
    bool ClosedToNew() const { return closedToNew_; }
    int RemoteCount() const { return static_cast<int>(remotes_.size()); }
    // The round-trip time of the remote copy that holds a seat; -1 when no remote copy does.
    int RoundTripOfSlot(int slot) const;
    struct Counts {
        qint64 fromStrangers = 0; // sealed datagrams from addresses never admitted
        qint64 notGenuine = 0;    // failed authentication, replays, bad cookies or proofs
        qint64 malformed = 0;     // of no kind, or of the wrong length
        qint64 tooLong = 0;
        qint64 overBudget = 0;
        qint64 flooded = 0; // costly kinds past a joined copy's own budget, kept off the LAN
        qint64 cookies = 0;
        qint64 refused = 0;
        qint64 forwarded = 0; // remote datagrams put on the LAN
        qint64 relayOpened = 0; // times the room was opened at the relay
    };
    const Counts& Stats() const { return counts_; }
    static QString Describe(const QHostAddress& address, quint16 port);

signals:
    // A remote copy joined, left, or its round-trip time changed.
    void changed();
    // The room at the relay opened, was lost, or the relay refused it.
    void relayChanged();
    // A joined copy was removed (its address and seats as they were).
    void removed(const Gateway::RemoteInfo& info, Gateway::Removal how);

private:
    struct Remote;
    // Where a remote copy is: its address and port, or its tag at the relay.
    struct Endpoint {
        QHostAddress address;
        quint16 port = 0;
        QByteArray tag; // empty: reached directly
    };
    Remote* Find(const Endpoint& at);
    // What a datagram asks for is queued, then sent in one batch when it has been handled.
    void Take(QByteArrayView datagram, const QHostAddress& from, quint16 port);
    void TakeFrom(QByteArrayView datagram, const Endpoint& from);
    void Queue(QByteArray datagram, const Endpoint& to);
    void Flush();
    void OnHello(QByteArrayView d, const Endpoint& from);
    void OnJoin(QByteArrayView d, const Endpoint& from);
    void OnRelay(QByteArrayView d);
    void RelayTick();
    void ListTick();
    void OnListed(QByteArrayView d);
    void SendToRelay(QByteArray datagram);
    void OnSealed(Remote& r, QByteArrayView d);
    void FromRemote(Remote& r, const QByteArray& game);
    void SendSealed(Remote& r, char what, QByteArrayView payload);
    void Drop(Remote& r, bool sayBye, char why = 0);
    // Who a copy is, for refusing it again: its address, or its tag at the relay.
    static QByteArray Identity(const Endpoint& at);
    // Why a copy at this endpoint may not join now, or 0.
    char Refusal(const Endpoint& at);
    void KeepAlive();
    QByteArray CookieFor(quint32 bucket, const Endpoint& from, QByteArrayView joiner) const;
    quint32 Bucket() const;
    // Seats taken or freed by a Register or Unregister; `owner` is null for the LAN.
    void TrackSeats(const QByteArray& datagram, Remote* owner);
    void Read();

    seal::Secret key_;
    seal::Secret cookieSecret_;
    SendFn toRemote_;
    InjectFn toLan_;
    std::unique_ptr<QUdpSocket> socket_;
    std::vector<std::unique_ptr<Remote>> remotes_;
    std::vector<Outgoing> pending_;
    std::array<Remote*, 9> seatOwner_{}; // seats 1..8 (index 0 unused)
    QTimer keepAlive_;
    QElapsedTimer clock_;
    int silenceMs_ = SilenceMs;
    Counts counts_;
    // Budgets of the costly kinds, one per joined copy: on the LAN they all come from this
    // gateway's one address, where one copy could spend what all of them are owed.
    FloodGuard guard_;
    QHostAddress relay_;
    quint16 relayPort_ = 0;
    std::pair<QHostAddress, quint16> seen_{QHostAddress(), 0};
    relaywire::RoomKeys roomKeys_;
    quint64 controlCounter_ = 0; // of the signed Keep and Leave sent to the relay
    quint64 ControlCounter();
    QByteArray room_;
    seal::Secret joinSecret_;
    RelayState relayState_ = RelayState::None;
    QTimer relayTimer_;
    QElapsedTimer relayHeard_, relaySaid_;
    ListingFn listing_;
    struct Refused {
        QByteArray who;
        qint64 until; // on clock_; -1: while the game stays open
    };
    std::vector<Refused> refused_;
    qint64 kickMs_ = KickMs;
    bool closedToNew_ = false;
    quint64 nextId_ = 1;
    QElapsedTimer listed_; // since the last List sent
    std::optional<gamelist::ListStatus> listState_;
};
