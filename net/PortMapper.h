#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

// Asks the home router to forward a UDP port to this computer, with UPnP IGD and then NAT-PMP,
// renews the mapping before it lapses and removes it when done. The router's answers are
// awaited on a thread of its own, so the game never waits for them.
class PortMapper : public QObject {
    Q_OBJECT
public:
    static constexpr int AnswerMs = 3000; // no router answered in this long: no mapping
    static constexpr int LeaseSeconds = 3600;

    struct Result {
        bool mapped = false;
        QString method; // "UPnP" or "NAT-PMP"
        QHostAddress publicAddress;
        quint16 publicPort = 0;
        bool doubleNat = false; // mapped on a router whose own address is not public
        QString why;            // when not mapped
    };

    explicit PortMapper(QObject* parent = nullptr);
    // Removes the mapping, waiting at most about a second for the router; one still being
    // asked for is removed by its worker as soon as the router grants it.
    ~PortMapper() override;

    // Maps `port` (the same number outside as inside); done() follows within a few seconds.
    void Map(quint16 port);
    // Removes the mapping now (waiting at most about a second).
    void Unmap();
    bool Busy() const { return busy_; }
    bool Settled() const { return settled_; }
    const Result& Current() const { return result_; }
    // One line for the player on what the router did.
    QString Line() const;
    // Whether an address is one the internet cannot reach (private, shared, reserved).
    static bool Reserved(const QHostAddress& address);

signals:
    void done();

private:
    struct Lease; // what removing the mapping needs
    struct Job;   // one request, shared with its worker thread
    static Result Ask(quint16 port, Lease& lease);
    static void Remove(const Lease& lease);
    void Finished(Result result, std::shared_ptr<Lease> lease);

    quint16 port_ = 0;
    bool busy_ = false, settled_ = false;
    Result result_;
    std::shared_ptr<Lease> lease_;
    std::shared_ptr<Job> job_;
    QTimer renew_;
};
