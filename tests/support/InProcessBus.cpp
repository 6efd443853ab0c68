#include "InProcessBus.h"

#include <QMetaObject>
#include <QTimer>

void InProcessBus::Attach(BusTransport* t) {
    if (!members_.contains(t)) members_.append(t);
}

void InProcessBus::Detach(BusTransport* t) { members_.removeAll(t); }

void InProcessBus::Send(const QByteArray& text, const BusTransport* from) {
    ++sent_;
    emit sending(text);
    for (const auto& m : members_) {
        if (!m || Chance(faults_.loss)) continue;
        if (Chance(faults_.reorder)) {
            held_.append({m, text});
            continue;
        }
        const int delay = m == from ? 0 : faults_.latencyMs;
        Deliver(m, text, delay);
        if (Chance(faults_.duplicate)) Deliver(m, text, delay);
        // What was held back goes out behind the datagram that overtook it.
        for (qsizetype i = 0; i < held_.size();) {
            if (held_[i].first == m) {
                Deliver(m, held_[i].second);
                held_.removeAt(i);
            } else {
                ++i;
            }
        }
    }
}

void InProcessBus::Deliver(BusTransport* t, const QByteArray& text, int delayMs) {
    QPointer<BusTransport> target(t);
    if (delayMs > 0) {
        QTimer::singleShot(delayMs, Qt::PreciseTimer, this, [target, text] {
            if (target) target->Receive(text);
        });
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [target, text] {
            if (target) target->Receive(text);
        },
        Qt::QueuedConnection);
}

BusTransport::BusTransport(InProcessBus& bus, QObject* parent) : Transport(parent), bus_(bus) {}

BusTransport::~BusTransport() { bus_.Detach(this); }

void BusTransport::InitSockets() {
    open_ = true;
    bus_.Attach(this);
}
