// libFuzzer target for the replay player. Each input is a recording: datagrams split at the
// byte FE, one every 40 ms. Whatever it holds, a jump to a moment must show the same arena
// and scores as playing straight there from the start, whether the jump is the first or comes
// back from the end.
#include "Instance.h"
#include "ReplayPlayer.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {
constexpr int MostRecords = 400;
constexpr quint32 TickMs = 40;

struct Replaying {
    ReplayTransport feed;
    Instance copy{feed, 1};
    ReplayPlayer player;
    explicit Replaying(const std::vector<replay::Record>& r) : player(copy.Parts(), feed, r) { copy.Load(); }
    bool Same(Replaying& o) {
        if (copy.GetBoard().Arena().Image() != o.copy.GetBoard().Arena().Image()) return false;
        for (int i = 1; i <= 8; ++i)
            if (copy.GetBoard().Score(i).text != o.copy.GetBoard().Score(i).text) return false;
        return true;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_replay_play";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<replay::Record> records;
    quint32 ms = 0;
    for (const QByteArray& d : input.split('\xFE')) {
        if (records.size() >= MostRecords) break;
        if (!d.isEmpty()) records.push_back({ms, d});
        ms += TickMs;
    }
    if (records.empty()) return 0;
    const qint64 at = records[records.size() * 2 / 3].ms + TickMs / 2;
    Replaying straight(records), jumped(records);
    straight.player.Seek(0);
    straight.player.RunTo(at);
    jumped.player.Seek(at);
    if (!straight.Same(jumped)) std::abort();
    jumped.player.Seek(jumped.player.DurationMs());
    jumped.player.Seek(at);
    if (!straight.Same(jumped)) std::abort();
    return 0;
}
