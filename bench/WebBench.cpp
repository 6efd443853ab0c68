#include "WebBench.h"

#include "BenchUtil.h"
#include "Instance.h"
#include "RiderBench.h"
#include "WebFrames.h"

#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace webbench {
namespace {
// A host of 8 Hard riders on an arena of w x h, its round set up.
void SetUp(Instance& in, int w, int h) {
    riderbench::SetUp(in, std::vector<RiderLevel>(8, RiderLevel::Hard), w, h, 77);
    in.Setup().SetupRound();
}
} // namespace

int Frames() {
    for (const auto& [w, h] : {std::pair{360, 295}, std::pair{1500, 1500}}) {
        benchutil::Loopback net;
        Instance in(net, 5);
        net.instance = &in;
        SetUp(in, w, h);
        std::vector<double> ms;
        qsizetype bytes = 0;
        for (int i = 0; i < 15; ++i) {
            QElapsedTimer t;
            t.start();
            bytes = webframe::Patches(in.GetBoard().Arena().Image(), {}, webframe::Whole | webframe::Resized).size();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("round-start picture %4d x %-4d  %7lld bytes (raw %lld)  packed in %.2f ms (median of 15)\n", w, h,
                    static_cast<long long>(bytes), static_cast<long long>(qsizetype(w) * h * 3),
                    benchutil::Percentile(ms, 0.5));
        // The round's pieces: as a page sees them with one frame a tick, and with four ticks
        // coalesced into one frame.
        QRegion tick, four;
        QObject::connect(&in.GetBoard(), &Board::noticed, [&](const Board::Changes& c) {
            tick |= c.arena;
            four |= c.arena;
        });
        qsizetype perTick = 0, perFour = 0;
        int ticks = 0, frames4 = 0;
        std::vector<double> tickMs;
        for (; ticks < 3000 && !in.State().RoundOver; ++ticks) {
            in.Loop().Tick();
            in.GetBoard().Notify();
            if (!tick.isEmpty()) {
                QElapsedTimer t;
                t.start();
                perTick += webframe::Patches(in.GetBoard().Arena().Image(), tick, 0).size();
                tickMs.push_back(t.nsecsElapsed() / 1e6);
            }
            tick = QRegion();
            if (ticks % 4 == 3 && !four.isEmpty()) {
                perFour += webframe::Patches(in.GetBoard().Arena().Image(), four, 0).size();
                four = QRegion();
                ++frames4;
            }
        }
        std::printf("  a round of 8 riders: %d ticks; %.0f bytes a tick when each tick is a frame (packed in %.3f ms "
                    "median, %.3f ms p99), %.0f bytes a frame of 4 ticks\n",
                    ticks, double(perTick) / std::max(1, ticks), benchutil::Percentile(tickMs, 0.5),
                    benchutil::Percentile(tickMs, 0.99),
                    double(perFour) / std::max(1, frames4));
    }
    return 0;
}
} // namespace webbench
