// One "computer" of the two-computer test: sends its own name to the group a few times and
// prints every distinct datagram it hears, one per line.
#include "MulticastTransport.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QByteArray me = "computer " + qgetenv("LUMIVEX_COMPUTER");
    MulticastTransport net;
    net.InitSockets();
    if (!net.Problem().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(net.Problem()));
        return 1;
    }
    QSet<QByteArray> heard;
    QObject::connect(&net, &Transport::datagramArrived, [&](const QByteArray& d) { heard.insert(d); });
    QTimer send;
    int left = 6;
    QObject::connect(&send, &QTimer::timeout, [&] {
        if (left-- > 0) net.SendData(me);
    });
    send.start(150);
    QTimer::singleShot(1500, &app, &QCoreApplication::quit);
    app.exec();
    for (const QByteArray& d : heard) std::printf("%s heard %s\n", me.constData(), d.constData());
    return 0;
}
