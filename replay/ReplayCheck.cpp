#include "ReplayCheck.h"

#include "Instance.h"
#include "ReplayPlayer.h"

#include <QCryptographicHash>
#include <cstdio>

namespace {
// Read after the round's last Positions are in, as --round-log does.
constexpr qint64 HashAfterMs = 300;
} // namespace

QByteArray ArenaHash(const Canvas& arenaCanvas) {
    const QImage& arena = arenaCanvas.Image();
    return QCryptographicHash::hash(QByteArrayView(arena.constBits(), arena.sizeInBytes()),
                                    QCryptographicHash::Md5)
        .toHex()
        .left(16);
}

int ReplayCheck(const QString& path) {
    replay::Contents file = replay::Load(path);
    if (file.result == replay::Result::NotAReplay) {
        std::fprintf(stderr, "lumivex: %s: %s\n", qUtf8Printable(path), qUtf8Printable(file.problem));
        return 2;
    }
    ReplayTransport feed;
    Instance copy(feed, 1);
    copy.Load();
    ReplayPlayer player(copy.Parts(), feed, std::move(file.records));
    int rounds = 0;
    player.PlayThrough(HashAfterMs, [&copy, &rounds](const QString& outcome) {
        std::printf("round %d: %s %s\n", ++rounds, qUtf8Printable(outcome), ArenaHash(copy.GetBoard().Arena()).constData());
    });
    std::fflush(stdout);
    if (file.result == replay::Result::Damaged) {
        std::fprintf(stderr, "lumivex: %s: damaged at byte %lld (%s); played up to there\n", qUtf8Printable(path),
                     static_cast<long long>(file.offset), qUtf8Printable(file.problem));
        return 1;
    }
    return 0;
}
