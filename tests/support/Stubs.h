#pragma once

#include "InProcessBus.h"
#include "Instance.h"
#include "Messages.h"

#include <QStringList>
#include <array>
#include <memory>
#include <vector>

// A stand-in for the game window, so the match logic runs without widgets.
class StubWindow : public WindowPort {
public:
    bool minimised = false;
    int restores = 0, focuses = 0;
    int width = 0, height = 0;
    bool IsMinimised() const override { return minimised; }
    void Minimise() override { minimised = true; }
    void Restore() override {
        minimised = false;
        ++restores;
    }
    void FocusArena() override { ++focuses; }
    void FitArena(int w, int h) override {
        width = w;
        height = h;
    }
};

// One instance of the game on an in-process bus, with stand-in windows.
struct Node {
    Node(InProcessBus& bus, std::uint32_t seed) : transport(bus), instance(transport, seed) {
        instance.SetWindow(&window);
        instance.SetMessageBox([this](const QString& text, const QString&, MessageIcon) { boxes << text; });
        instance.Load();
    }
    MatchState& S() { return instance.State(); }
    const ControlState& Controls() { return instance.Control().Controls(); }
    Board& B() { return instance.GetBoard(); }
    Roster& R() { return instance.GetRoster(); }
    void Receive(const QByteArray& d) { instance.GetDispatcher().tcpReceive_DataArrival(d); }

    BusTransport transport;
    Instance instance;
    StubWindow window;
    QStringList boxes;
};

// Records every datagram on the bus, in order.
class Recorder : public QObject {
public:
    explicit Recorder(InProcessBus& bus) : transport(bus) {
        transport.InitSockets();
        connect(&transport, &Transport::datagramArrived, this, [this](const QByteArray& d) { seen << d; });
    }
    QList<QByteArray> Numbered(int number) const {
        QList<QByteArray> out;
        for (const auto& d : seen)
            if (d.split(wire::Delimiter).value(0) == QByteArray::number(number)) out << d;
        return out;
    }
    BusTransport transport;
    QList<QByteArray> seen;
};

// Default match settings as a host sends them.
inline wire::Settings TestSettings(int players) {
    wire::Settings s;
    s.height = 295;
    s.width = 360;
    s.speed = 1;
    s.thickness = 0;
    s.numPlayers = players;
    s.matchScore = 3;
    s.complexity = 8;
    s.turbo = 1;
    s.name = QStringLiteral("Host");
    s.color = colours::White;
    s.gridColor = colours::White;
    return s;
}

// Start Match on the host, through the roster model, as the panel's button does it.
inline void BecomeHost(Node& host, const wire::Settings& m) {
    if (host.R().Text(1).isEmpty()) host.R().SetText(1, QStringLiteral("Client ready!"));
    MatchControl::MatchOptions o{m, true};
    host.instance.Control().StartMatch(o);
}
