// Plays one match between the fuzz world's host and client and writes what crossed the bus
// as seed files for fuzz_match: the datagrams in order, a few dozen to a file, joined by
// the byte FE.
//   record_match OUTPUT_DIR
#include "FuzzWorld.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    FuzzApp();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    FuzzWorld world;
    QList<QByteArray> seen;
    QObject::connect(&world.host->net, &Transport::datagramArrived, [&seen](const QByteArray& d) { seen << d; });
    for (int step = 1; step < 40000 && !world.MatchOver(); ++step) world.Advance(step);
    // The whole match in stretches: small files, and every kind of moment in one of them.
    constexpr int PerFile = 8;
    int files = 0;
    for (qsizetype i = 0; i < seen.size(); i += PerFile) {
        QFile f(out.filePath(QStringLiteral("match-%1").arg(++files, 3, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly)) return 1;
        f.write(seen.mid(i, PerFile).join('\xFE'));
    }
    std::printf("%lld datagrams, %d seed files\n", static_cast<long long>(seen.size()), files);
    return 0;
}
