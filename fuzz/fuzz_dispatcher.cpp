// libFuzzer target: arbitrary datagrams into a host's and a client's dispatcher, followed by
// countdown steps and game ticks on whatever state they leave. The input is split into
// datagrams at the bytes FE FF.
#include "Stubs.h"

#include <QCoreApplication>

namespace {
QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "fuzz_dispatcher";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    App();
    InProcessBus bus;
    Node host(bus, 1), client(bus, 2);
    host.S().LocalPlayer = 0;
    client.S().LocalPlayer = 1;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& datagram : input.split('\xFE')) {
        const QByteArray d = datagram.startsWith('\xFF') ? datagram.mid(1) : datagram;
        host.Receive(d);
        client.Receive(d);
    }
    for (Node* n : {&host, &client}) {
        for (int step = 0; step < 4; ++step) n->instance.GetCountdown().tmrStopGo_Timer();
        n->instance.Control().AbandonRound();
        for (int tick = 0; tick < 3; ++tick) n->instance.Loop().Tick();
    }
    QCoreApplication::processEvents(); // deliver what the handlers sent, then let it go
    return 0;
}
