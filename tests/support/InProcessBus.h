#pragma once

#include "Transport.h"

#include <QList>
#include <QPointer>
#include <random>

class BusTransport;

// A network inside one process, for tests and the benchmark: every datagram reaches every
// attached transport, the sender's too, through the event loop and never inside SendData.
// It can also lose, repeat and reorder datagrams, with a fixed seed.
class InProcessBus : public QObject {
    Q_OBJECT
public:
    explicit InProcessBus(QObject* parent = nullptr) : QObject(parent) {}

    struct Faults {
        double loss = 0;      // chance that one delivery is dropped
        double duplicate = 0; // chance that one delivery comes twice
        double reorder = 0;   // chance that one delivery is held back behind the next
        int latencyMs = 0;    // a delivery to another member than the sender comes this late
    };
    void SetFaults(Faults f, std::uint32_t seed) {
        faults_ = f;
        random_.seed(seed);
    }

    void Attach(BusTransport* t);
    void Detach(BusTransport* t);
    void Send(const QByteArray& text, const BusTransport* from = nullptr);

    int Sent() const { return sent_; }

signals:
    // A datagram is being sent, at the moment it is (the sender's state as it sends).
    void sending(const QByteArray& text);

private:
    bool Chance(double p) { return p > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    void Deliver(BusTransport* t, const QByteArray& text, int delayMs = 0);

    QList<QPointer<BusTransport>> members_;
    Faults faults_;
    std::mt19937 random_;
    int sent_ = 0;
    QList<QPair<QPointer<BusTransport>, QByteArray>> held_;
};

class BusTransport : public Transport {
    Q_OBJECT
public:
    explicit BusTransport(InProcessBus& bus, QObject* parent = nullptr);
    ~BusTransport() override;

    void InitSockets() override;
    void SendData(const QByteArray& text) override { bus_.Send(text, this); }
    void Close() override { open_ = false; }
    bool IsOpen() const { return open_; }

    void Receive(const QByteArray& text) {
        if (open_) emit datagramArrived(text);
    }

private:
    InProcessBus& bus_;
    bool open_ = false;
};
