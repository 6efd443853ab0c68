#include "Probe.h"

#include "Decode.h"
#include "Messages.h"
#include "MulticastTransport.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int Probe(double seconds, const QString& interfaceName) {
    MulticastTransport net;
    net.SetSendInterface(interfaceName);
    net.InitSockets();
    if (!net.Problem().isEmpty()) {
        std::fprintf(stderr, "lumivex: %s\n", qUtf8Printable(net.Problem()));
        return 1;
    }
    int answers = 0;
    QObject::connect(&net, &MulticastTransport::datagramFrom, [&answers](const QByteArray& d, const QString& from) {
        const wire::Datagram decoded = wire::Decode(d);
        const auto* r = std::get_if<wire::msg::Register>(&decoded);
        if (!r || !r->slot || !r->name || !r->colour) return;
        ++answers;
        std::printf("%d %s %d %s\n", *r->slot, qUtf8Printable(wire::CleanName(*r->name)), *r->colour, qUtf8Printable(from));
        std::fflush(stdout);
    });
    net.SendData(wire::RollCall());
    QTimer::singleShot(static_cast<int>(seconds * 1000), QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    if (answers > 0) return 0;
    std::printf("%s\n", qUtf8Printable(MulticastTransport::NoAnswerHint(net.InUse())));
    return 1;
}
