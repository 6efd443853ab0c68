#include "OnlineBench.h"

#include "BenchUtil.h"
#include "Gateway.h"
#include "Messages.h"
#include "OnlineClient.h"
#include "OnlineLink.h"
#include "RiderBench.h"

#include <QEventLoop>
#include <QTimer>
#include <QUdpSocket>
#include <memory>

namespace onlinebench {
using benchutil::CpuSeconds;
using benchutil::Line;
using benchutil::Percentile;

namespace {
const QHostAddress Here(QStringLiteral("127.0.0.1"));

// A gateway with `n` joined copies, wired by functions. Once joined, what the gateway sends
// goes to `out`, and what copy 0 seals is held instead of delivered.
struct Joined {
    QByteArray key = (seal::Ready(), seal::Random(OnlineLink::KeyBytes));
    Gateway gateway{key};
    std::vector<std::unique_ptr<OnlineClient>> copies;
    QList<std::pair<quint16, QByteArray>> toCopies;
    std::function<void(const QByteArray&, quint16)> out;
    bool hold = false;
    QList<QByteArray> held;

    explicit Joined(int n) {
        gateway.SetOutputs(
            [this](const QByteArray& d, const QHostAddress&, quint16 port) {
                if (out) out(d, port);
                else toCopies.append({port, d});
            },
            [](const QByteArray&) {});
        for (int i = 0; i < n; ++i) {
            OnlineLink link;
            link.key = key;
            copies.push_back(std::make_unique<OnlineClient>(link));
            const quint16 port = static_cast<quint16>(40000 + i);
            copies.back()->StartWith(Here, 31315, [this, port](const QByteArray& d) {
                if (hold && port == 40000) held << d;
                else gateway.Receive(d, Here, port);
            });
            while (!toCopies.isEmpty()) {
                const auto [to, d] = toCopies.takeFirst();
                copies[static_cast<std::size_t>(to - 40000)]->Receive(d);
            }
        }
    }
};

std::array<std::int16_t, 8> Row(int base) {
    std::array<std::int16_t, 8> r{};
    for (int i = 0; i < 8; ++i) r[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(base + 37 * i);
    return r;
}

void Pause(int ms) {
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}
} // namespace

void Forwarding(int n) {
    Joined w(7);
    // Real sends, to a port nobody listens on in this private network: the system calls count.
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    w.out = [&socket](const QByteArray& d, quint16) { socket.writeDatagram(d, Here, 9); };
    const QByteArray positions = wire::Positions(Row(100), Row(200), Row(85));
    std::vector<double> lanToAll, copyToAll;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        t.start();
        w.gateway.LanHeard(positions);
        lanToAll.push_back(t.nsecsElapsed() / 1000.0);
    }
    // A copy's datagrams: opened, put on the LAN and sealed to the six others. Batches stay
    // inside the copy's burst budget, with a pause for it to refill.
    for (int left = n; left > 0; left -= 1000) {
        w.hold = true;
        for (int i = 0; i < std::min(left, 1000); ++i) w.copies[0]->Send(positions);
        w.hold = false;
        for (const QByteArray& d : std::exchange(w.held, {})) {
            t.start();
            w.gateway.Receive(d, Here, 40000);
            copyToAll.push_back(t.nsecsElapsed() / 1000.0);
        }
        if (left > 1000) Pause(1100);
    }
    std::printf("gateway forwarding, a Positions datagram of %lld bytes, %d times each way:\n",
                static_cast<long long>(positions.size()), n);
    Line("LAN -> 7 copies (7 seals, 7 sends), median", Percentile(lanToAll, 0.5), "us");
    Line("LAN -> 7 copies, p99", Percentile(lanToAll, 0.99), "us");
    Line("copy -> LAN + 6 copies (open, 7 sends), median", Percentile(copyToAll, 0.5), "us");
    Line("copy -> LAN + 6 copies, p99", Percentile(copyToAll, 0.99), "us");
    Line("per datagram to one copy, median", Percentile(lanToAll, 0.5) / 7, "us");
    Line("datagrams over the budget", static_cast<double>(w.gateway.Stats().overBudget), "");
}

void MatchOnline(double seconds) {
    // The same 8-rider match at Speed 85, taking turns: all on the LAN, then with a gateway
    // in the host that seals everything to seven copies and sends it for real.
    std::vector<double> lan, online, rate;
    for (int run = 0; run < 3; ++run) {
        const riderbench::Timing plain = riderbench::HostRun(85, seconds, {});
        lan.push_back(100 * plain.cpu / plain.seconds);
        Joined w(7);
        QUdpSocket socket;
        socket.bind(QHostAddress::LocalHost, 0);
        qint64 toFirst = 0;
        w.out = [&socket, &toFirst](const QByteArray& d, quint16 port) {
            if (port == 40000) toFirst += d.size();
            socket.writeDatagram(d, Here, 9);
        };
        const riderbench::Timing t = riderbench::HostRun(85, seconds, [&w](const QByteArray& d) {
            w.gateway.LanHeard(d); // the host hears its own datagrams; the gateway sends each on
        });
        online.push_back(100 * t.cpu / t.seconds);
        rate.push_back(toFirst / t.seconds / 1000.0);
    }
    Line("host CPU, 8 riders at Speed 85, all on the LAN, median of 3", Percentile(lan, 0.5), "% of a core");
    Line("the same host as a gateway to 7 copies, median of 3", Percentile(online, 0.5), "% of a core");
    Line("ratio", Percentile(online, 0.5) / Percentile(lan, 0.5), "");
    Line("UDP payload to each copy, median of 3", Percentile(rate, 0.5), "KB/s");
}
} // namespace onlinebench
