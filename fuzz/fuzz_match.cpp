// libFuzzer target with state: one host and one client (with a computer rider) live across
// inputs on a bus that delivers at once, playing real rounds. Each input is a sequence of
// datagrams, split at the byte FE, that lands in the middle of that match; after each input
// time moves on (a game tick, and now and then a countdown step). The world starts afresh every
// ResetEvery inputs and whenever a match is over.
#include "FuzzWorld.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int ResetEvery = 512;
constexpr int MaxDatagrams = 8;
long long datagrams = 0;

void Report() { std::fprintf(stderr, "fuzz_match: %lld datagrams\n", datagrams); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApp();
    static std::unique_ptr<FuzzWorld> world;
    static int inputs = 0;
    static int step = 0;
    static const bool reported = std::atexit(Report) == 0;
    (void)reported;
    if (!world || ++inputs % ResetEvery == 0 || world->MatchOver()) {
        world.reset();
        world = std::make_unique<FuzzWorld>();
    }
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int n = 0;
    for (const QByteArray& d : input.split('\xFE')) {
        if (++n > MaxDatagrams) break;
        ++datagrams;
        world->bus.Send(d);
    }
    world->Advance(++step);
    return 0;
}
