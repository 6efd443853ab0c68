#pragma once

#include "InProcessBus.h"
#include "Instance.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

// Small helpers the benchmark's parts share.
namespace benchutil {
// Delivers every datagram to its own instance at once: a whole round runs without an
// event loop, as fast as the simulation and the riders allow. Keeps the last outcome sent.
class Loopback : public Transport {
public:
    void InitSockets() override {}
    void Close() override {}
    void SendData(const QByteArray& text) override {
        if (text.startsWith("3\x01")) outcome = text.mid(2).toInt();
        if (instance) instance->GetDispatcher().tcpReceive_DataArrival(text);
    }
    Instance* instance = nullptr;
    int outcome = 0;
};

inline double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5))];
}

inline double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

inline void Line(const char* name, double value, const char* unit) {
    std::printf("%-44s %12.3f %s\n", name, value, unit);
}
// A bus member that notes when each Positions message leaves: the tick's own time, before
// anyone has handled it.
class StampingMember : public BusTransport {
public:
    using BusTransport::BusTransport;
    void SendData(const QByteArray& text) override {
        if (text.startsWith("1\x01")) stamps.push_back(clock.nsecsElapsed());
        if (tap) tap(text);
        BusTransport::SendData(text);
    }
    std::function<void(const QByteArray&)> tap;
    std::vector<qint64> stamps;
    QElapsedTimer clock;
};
} // namespace benchutil
