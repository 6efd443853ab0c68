#include "Probe.h"

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
        std::fprintf(stderr, "lumivex: %s\n", qPrintable(net.Problem()));
        return 1;
    }
    int answers = 0;
    QObject::connect(&net, &MulticastTransport::datagramFrom, [&answers](const QByteArray& d, const QString& from) {
        const QStringList f = wire::Split(d);
        if (f.value(0) != QString::number(int(wire::Message::Register)) || f.size() < 4) return;
        ++answers;
        std::printf("%s %s %s %s\n", qPrintable(f[1]), qPrintable(wire::CleanName(f[2])), qPrintable(f[3]),
                    qPrintable(from));
        std::fflush(stdout);
    });
    net.SendData(wire::RollCall());
    QTimer::singleShot(static_cast<int>(seconds * 1000), QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    if (answers > 0) return 0;
    std::printf("%s\n", qPrintable(MulticastTransport::NoAnswerHint(net.InUse())));
    return 1;
}
