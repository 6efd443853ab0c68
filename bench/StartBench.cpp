#include "StartBench.h"

#include "BenchUtil.h"

#include "ArenaView.h"
#include "Instance.h"
#include "MulticastTransport.h"
#include "frmVyre.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QNetworkInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace startbench {
namespace {
bool OnlyLoopback() {
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
        if ((i.flags() & QNetworkInterface::IsUp) && !(i.flags() & QNetworkInterface::IsLoopBack)) return false;
    return true;
}

// Milliseconds from start to "shown", or a negative number when the program failed.
double OneStart(const QString& program, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(program, {QStringLiteral("--quit-when-shown")});
    QByteArray out;
    while (!out.contains("shown") && p.waitForReadyRead(10000)) out += p.readAllStandardOutput();
    const double ms = t.nsecsElapsed() / 1e6;
    if (!p.waitForFinished(5000)) p.kill();
    return out.contains("shown") ? ms : -1;
}
} // namespace

int Startup(int runs, const QStringList& programs, const QByteArray& platform) {
    if (!OnlyLoopback()) {
        std::fprintf(stderr, "startup: this machine has a real network; run under tools/netns-run\n");
        return 2;
    }
    QTemporaryDir home; // a new player's settings: none
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
    std::vector<std::vector<double>> ms(programs.size());
    for (int r = 0; r < runs; ++r)
        for (qsizetype i = 0; i < programs.size(); ++i) {
            const double v = OneStart(programs[i], env);
            if (v < 0) {
                std::fprintf(stderr, "startup: %s did not show its windows\n", qPrintable(programs[i]));
                return 1;
            }
            ms[i].push_back(v);
        }
    std::printf("start to both windows painted, %s, median of %d:\n", platform.constData(), runs);
    for (qsizetype i = 0; i < programs.size(); ++i) {
        benchutil::Line(qPrintable(programs[i].right(44)), benchutil::Percentile(ms[i], 0.5), "ms");
    }
    return 0;
}
int KeyToWire(int keys) {
    if (!OnlyLoopback()) {
        std::fprintf(stderr, "keys: this machine has a real network; run under tools/netns-run\n");
        return 2;
    }
    MulticastTransport net, ear;
    Instance client(net, 9);
    frmVyre game(client.Window());
    net.InitSockets();
    ear.InitSockets();
    client.State().LocalPlayer = 1;
    client.State().Local().Direction = 2;
    QElapsedTimer clock;
    clock.start();
    qint64 heard = -1;
    QObject::connect(&ear, &Transport::datagramArrived, [&](const QByteArray& d) {
        if (d.startsWith("2\x01")) heard = clock.nsecsElapsed();
    });
    std::vector<double> us;
    const int codes[] = {Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right};
    for (int i = 0; i < keys; ++i) {
        QCoreApplication::processEvents(); // nothing left over from the last press
        heard = -1;
        QKeyEvent press(QEvent::KeyPress, codes[i % 4], Qt::NoModifier);
        const qint64 t0 = clock.nsecsElapsed();
        QCoreApplication::sendEvent(game.Arena(), &press);
        while (heard < 0 && clock.nsecsElapsed() - t0 < 1000000000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (heard >= 0) us.push_back((heard - t0) / 1000.0);
    }
    std::printf("key-down to Steer heard from the group: %zu of %d keys\n", us.size(), keys);
    benchutil::Line("key-down to Steer on the wire, median", benchutil::Percentile(us, 0.5), "us");
    benchutil::Line("key-down to Steer on the wire, p99", benchutil::Percentile(us, 0.99), "us");
    return 0;
}
} // namespace startbench
