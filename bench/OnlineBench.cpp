#include "OnlineBench.h"

#include "BenchUtil.h"
#include "Gateway.h"
#include "Messages.h"
#include "OnlineClient.h"
#include "OnlineLink.h"
#include "RiderBench.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
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
                if (out)
                    out(d, port);
                else
                    toCopies.append({port, d});
            },
            [](const QByteArray&) {});
        for (int i = 0; i < n; ++i) {
            OnlineLink link;
            link.key = key;
            copies.push_back(std::make_unique<OnlineClient>(link));
            const quint16 port = static_cast<quint16>(40000 + i);
            copies.back()->StartWith(Here, 31315, [this, port](const QByteArray& d) {
                if (hold && port == 40000)
                    held << d;
                else
                    gateway.Receive(d, Here, port);
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

namespace {
struct Figures {
    std::vector<double> lanToAll, copyToAll;
};

// The gateway's two forwarding paths, n times each; `batched` sends through its own socket
// (one system call per batch), otherwise one send per datagram.
Figures Forward(int n, bool batched) {
    Joined w(7);
    // The copies' ports are taken in this private network, so nothing comes back unreachable.
    std::vector<std::unique_ptr<QUdpSocket>> sinks;
    for (int i = 0; i < 7; ++i) {
        sinks.push_back(std::make_unique<QUdpSocket>());
        sinks.back()->bind(Here, static_cast<quint16>(40000 + i));
    }
    QUdpSocket socket;
    socket.bind(Here, 0);
    if (batched) {
        w.gateway.SetOutputs(nullptr, [](const QByteArray&) {});
        w.gateway.Listen(0, nullptr);
    } else {
        w.out = [&socket](const QByteArray& d, quint16 port) { socket.writeDatagram(d, Here, port); };
    }
    const QByteArray positions = wire::Positions(Row(100), Row(200), Row(85));
    Figures f;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        t.start();
        w.gateway.LanHeard(positions);
        f.lanToAll.push_back(t.nsecsElapsed() / 1000.0);
        if (i % 200 == 0) QCoreApplication::processEvents(); // let the sinks drain
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
            f.copyToAll.push_back(t.nsecsElapsed() / 1000.0);
        }
        if (left > 1000) Pause(1100);
    }
    return f;
}
} // namespace

void Forwarding(int n) {
    const Figures one = Forward(n, false), batch = Forward(n, true);
    std::printf(
        "gateway forwarding of a Positions datagram, %d times each way, one send a datagram / batched:\n", n);
    auto row = [](const char* name, const std::vector<double>& a, const std::vector<double>& b, double p) {
        std::printf("%-44s %9.2f / %6.2f us\n", name, Percentile(a, p), Percentile(b, p));
    };
    row("LAN -> 7 copies (7 seals, 7 sends), median", one.lanToAll, batch.lanToAll, 0.5);
    row("LAN -> 7 copies, p99", one.lanToAll, batch.lanToAll, 0.99);
    row("copy -> LAN + 6 copies (open, 6 seals), median", one.copyToAll, batch.copyToAll, 0.5);
    row("copy -> LAN + 6 copies, p99", one.copyToAll, batch.copyToAll, 0.99);
}

void MatchOnline(double seconds) {
    // The same 8-rider match at Speed 85, taking turns: all on the LAN, then with a gateway
    // in the host that seals everything to seven copies and sends it for real.
    std::vector<double> lan, online, rate;
    for (int run = 0; run < 3; ++run) {
        const riderbench::Timing plain = riderbench::HostRun(85, seconds, {});
        lan.push_back(100 * plain.cpu / plain.seconds);
        Joined w(7);
        // The gateway sends through its own socket, batched, to seven ports taken here.
        std::vector<std::unique_ptr<QUdpSocket>> sinks;
        for (int i = 0; i < 7; ++i) {
            sinks.push_back(std::make_unique<QUdpSocket>());
            sinks.back()->bind(Here, static_cast<quint16>(40000 + i));
        }
        qint64 toFirst = 0;
        QObject::connect(sinks.front().get(), &QUdpSocket::readyRead, [&toFirst, &sinks] {
            while (sinks.front()->hasPendingDatagrams())
                toFirst += sinks.front()->receiveDatagram().data().size();
        });
        for (std::size_t i = 1; i < sinks.size(); ++i) {
            QUdpSocket* s = sinks[i].get();
            QObject::connect(s, &QUdpSocket::readyRead, [s] {
                while (s->hasPendingDatagrams()) s->receiveDatagram();
            });
        }
        w.gateway.SetOutputs(nullptr, [](const QByteArray&) {});
        w.gateway.Listen(0, nullptr);
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
