#pragma once

// A host and a client that live across fuzz inputs, on a bus that delivers at once: the
// fuzzer's datagrams land in the middle of real matches, with rounds being played.
#include "Stubs.h"

#include <QCoreApplication>
#include <deque>
#include <memory>

class SyncBus;

// A member of the bus: what it sends reaches every member, itself included, before
// SendData returns (queued, so a handler that sends never recurses).
class SyncMember : public Transport {
public:
    explicit SyncMember(SyncBus& bus) : bus_(bus) {}
    void InitSockets() override {}
    void Close() override {}
    void SendData(const QByteArray& text) override;
    void Deliver(const QByteArray& text) { emit datagramArrived(text); }

private:
    SyncBus& bus_;
};

class SyncBus {
public:
    void Send(const QByteArray& text) {
        queue_.push_back(text);
        if (delivering_) return;
        delivering_ = true;
        // Bounded, so that nothing a datagram triggers can keep the bus busy for ever.
        for (int n = 0; !queue_.empty() && n < 20000; ++n) {
            const QByteArray d = queue_.front();
            queue_.pop_front();
            for (SyncMember* m : members) m->Deliver(d);
        }
        queue_.clear();
        delivering_ = false;
    }
    std::vector<SyncMember*> members;

private:
    std::deque<QByteArray> queue_;
    bool delivering_ = false;
};

inline void SyncMember::SendData(const QByteArray& text) { bus_.Send(text); }

struct FuzzNode {
    FuzzNode(SyncBus& bus, std::uint32_t seed) : net(bus), instance(net, seed) {
        bus.members.push_back(&net);
        instance.SetWindow(&window);
        instance.SetMessageBox([](const QString&, const QString&, MessageIcon) {});
        instance.Load();
    }
    SyncMember net;
    Instance instance;
    StubWindow window;
};

// Host (slot 0) and a client in slot 1 that owns a Hard computer rider in slot 2.
class FuzzWorld {
public:
    FuzzWorld() {
        host = std::make_unique<FuzzNode>(bus, 1);
        client = std::make_unique<FuzzNode>(bus, 2);
        client->instance.GetRoster().RegisterSelf(QStringLiteral("Client"), colours::White);
        client->instance.GetRoster().AddRider(RiderLevel::Easy);
        MatchControl::MatchOptions o;
        o.settings = TestSettings(3);
        o.settings.matchScore = 3;
        host->instance.Control().StartMatch(o);
    }
    ~FuzzWorld() { bus.members.clear(); }

    bool MatchOver() { return host->instance.State().MatchOver != 0; }

    // One step of time: the countdowns step now and then, and a running round ticks.
    void Advance(int step) {
        for (FuzzNode* n : {host.get(), client.get()}) {
            Countdown& c = n->instance.GetCountdown();
            if (step % 16 == 0 && c.IsRunning() && !n->instance.Loop().IsRunning()) c.tmrStopGo_Timer();
        }
        GameLoop& loop = host->instance.Loop();
        const MatchState& s = host->instance.State();
        if (loop.IsRunning() && !s.RoundOver && !s.Paused) loop.Tick();
        if (loop.IsRunning() && (s.RoundOver || s.Paused)) {
            loop.Abandon();
            emit loop.finished();
        }
    }

    SyncBus bus;
    std::unique_ptr<FuzzNode> host, client;
};

inline QCoreApplication& FuzzApp() {
    static int argc = 1;
    static char name[] = "lumivex_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
