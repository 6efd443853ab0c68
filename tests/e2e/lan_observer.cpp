// The fourth computer of the end-to-end test: joins the group like any instance in no match,
// logs every datagram, and replays the host's rules on what it sees: the first heads of a
// round must sit on the starting points, and every RoundOutcome must be the outcome that the
// recorded positions give on the arena drawn from the same messages.
//   lan_observer OUTPUT_DIR SECONDS
#include "GameLoop.h"
#include "Instance.h"
#include "Messages.h"
#include "MulticastTransport.h"
#include "Outcome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <cstdlib>

namespace {
struct Verdict {
    int positions = 0, rounds = 0, outcomesAgreed = 0, outcomesDisagreed = 0, startsChecked = 0,
        startsWrong = 0;
    QString notes;
};
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QFile log(out.filePath(QStringLiteral("traffic.log")));
    if (!log.open(QIODevice::WriteOnly)) return 1;
    MulticastTransport net;
    Verdict v;
    int roundSeen = 0;
    int pendingOutcome = 0;
    Instance* in = nullptr;

    auto write = [&out](const char* name, const QString& text) {
        QFile f(out.filePath(QLatin1String(name)));
        if (f.open(QIODevice::WriteOnly)) f.write(text.toUtf8());
    };
    auto finish = [&] {
        write("verdict.txt",
              QStringLiteral("positions %1\nrounds %2\noutcomes agreed %3\noutcomes disagreed %4\n"
                             "starts checked %5\nstarts wrong %6\n")
                      .arg(v.positions)
                      .arg(v.rounds)
                      .arg(v.outcomesAgreed)
                      .arg(v.outcomesDisagreed)
                      .arg(v.startsChecked)
                      .arg(v.startsWrong) +
                  v.notes);
        QCoreApplication::quit();
    };

    // Connected before the instance's own handler, so each check sees the state before the message.
    QObject::connect(&net, &Transport::datagramArrived, [&](const QByteArray& d) {
        QByteArray line = d;
        log.write(line.replace(wire::Delimiter, '|') + '\n');
        log.flush();
        const QStringList f = wire::Split(d);
        MatchState& s = in->State();
        if (f[0] == QLatin1String("1") && f.size() >= 17) {
            ++v.positions;
            if (in->Setup().SetupsDone() != roundSeen) { // the round's first tick
                roundSeen = in->Setup().SetupsDone();
                for (int i = 1; i <= s.PlayerCount(); ++i) {
                    const int dx = std::abs(f[2 * i - 1].toInt() - s.Players[i].X);
                    const int dy = std::abs(f[2 * i].toInt() - s.Players[i].Y);
                    ++v.startsChecked;
                    if (dx + dy != 1) ++v.startsWrong;
                }
            }
            for (int i = 1; i <= s.PlayerCount(); ++i) {
                PlayerRecord& p = s.Players[i];
                if (p.Crashed == -1) continue;
                const auto look = GameLoop::LookAhead(p.Direction, s.Thickness);
                if (GameLoop::Hits(in->GetBoard().Arena(), s.ArenaBackColor, f[2 * i - 1].toInt(),
                                   f[2 * i].toInt(), p.Direction, look))
                    p.Crashed = -1;
            }
            // The host sends the outcome before the positions of the tick that decided it.
            if (pendingOutcome) {
                const auto expected = outcome::Decide(s);
                if (expected && *expected == pendingOutcome) {
                    ++v.outcomesAgreed;
                } else {
                    ++v.outcomesDisagreed;
                    QString crashed;
                    for (int i = 1; i <= s.PlayerCount(); ++i)
                        crashed += QString::number(s.Players[i].Crashed) + u' ';
                    v.notes += QStringLiteral("round %1: host says %2, replay says %3; crashed: %4\n")
                                   .arg(v.rounds)
                                   .arg(pendingOutcome)
                                   .arg(expected.value_or(0))
                                   .arg(crashed);
                }
                pendingOutcome = 0;
            }
        } else if (f[0] == QLatin1String("3") && f.size() >= 2) {
            ++v.rounds;
            pendingOutcome = f[1].toInt();
        } else if (f[0] == QLatin1String("13") && f.value(1).toInt() > 0) {
            QTimer::singleShot(500, finish);
        }
    });
    Instance instance(net, 1);
    in = &instance;
    instance.GetCountdown(); // the observer follows countdowns like any instance
    QObject::connect(&net, &Transport::datagramArrived, [&](const QByteArray&) {
        if (instance.State().MatchOver) write("match-over", QStringLiteral("yes\n"));
    });
    instance.Load();
    if (!net.Problem().isEmpty()) {
        write("verdict.txt", net.Problem());
        return 1;
    }
    QTimer::singleShot(std::atoi(argv[2]) * 1000, finish);
    return app.exec();
}
