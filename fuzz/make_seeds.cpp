// Writes one seed file per valid message (and a few sequences) for the fuzz target.
#include "Messages.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    std::array<std::int16_t, 8> x{90, 270, 180, 180, 0, 0, 0, 0}, y{147, 147, 72, 219, 0, 0, 0, 0}, fuel{};
    fuel.fill(85);
    wire::Settings s;
    s.height = 295;
    s.width = 360;
    s.speed = 85;
    s.numPlayers = 4;
    s.matchScore = 7;
    s.complexity = 8;
    s.turbo = 1;
    s.name = QStringLiteral("Host");
    s.color = 16777215;
    s.gridColor = 16777215;
    const QByteArray settings = wire::MatchSettings(s);
    const QList<QByteArray> seeds = {
        wire::Positions(x, y, fuel),
        wire::Steer(1, 1, 1),
        wire::RoundOutcome(1),
        settings,
        wire::Obstacle(30, 30, 60, 60),
        wire::ResetAll(),
        wire::Register(1, QStringLiteral("Bo"), 255),
        wire::PauseResume(true),
        wire::PauseResume(false),
        wire::RollCall(),
        wire::Unregister(1),
        wire::TurboOff(1),
        wire::Turn(1, 3),
        wire::ResetMatch(),
        wire::Chat(QStringLiteral("Bo"), 255, QStringLiteral("gg <b>&amp;</b>")),
        settings + "\xFE\xFF" + wire::Positions(x, y, fuel) + "\xFE\xFF" + wire::RoundOutcome(2),
        wire::Register(1, QStringLiteral("Bo"), 255) + "\xFE\xFF" + settings + "\xFE\xFF" + wire::Turn(2, 1)};
    for (int i = 0; i < seeds.size(); ++i) {
        QFile f(out.filePath(QStringLiteral("seed%1").arg(i, 2, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly)) return 1;
        f.write(seeds[i]);
    }
    return 0;
}
