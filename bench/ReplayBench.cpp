#include "ReplayBench.h"

#include "BenchUtil.h"
#include "Instance.h"
#include "ReplayFile.h"
#include "ReplayPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace replaybench {
using benchutil::Line;
using benchutil::Percentile;

int Describe(const char* path) {
    const replay::Contents c = replay::Load(QString::fromLocal8Bit(path));
    if (c.result == replay::Result::NotAReplay || c.records.empty()) {
        std::fprintf(stderr, "%s: %s\n", path, qPrintable(c.problem));
        return 2;
    }
    qint64 raw = 0;
    for (const replay::Record& r : c.records) raw += r.datagram.size() + 6;
    const double minutes = c.records.back().ms / 60000.0;
    const qint64 file = QFile(QString::fromLocal8Bit(path)).size();
    Line("records", double(c.records.size()), "");
    Line("recording length", minutes * 60, "s");
    Line("records, raw", raw / 1024.0, "KiB");
    Line("file", file / 1024.0, "KiB");
    Line("raw per minute", raw / 1024.0 / minutes, "KiB");
    Line("file per minute", file / 1024.0 / minutes, "KiB");
    return 0;
}

int OpenAndJump(const char* path, int minutes) {
    const replay::Contents one = replay::Load(QString::fromLocal8Bit(path));
    if (one.records.empty()) return 2;
    // The match again and again, each a second after the last, until the length is reached.
    std::vector<replay::Record> all;
    const quint32 span = one.records.back().ms + 1000;
    for (quint32 base = 0; base + span <= quint32(minutes) * 60000u; base += span)
        for (const replay::Record& r : one.records) all.push_back({base + r.ms, r.datagram});
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("long.lumivex-replay"));
    {
        QString error;
        auto w = replay::Writer::Open(file, {0, QStringLiteral("bench"), QStringLiteral("1")}, &error);
        for (const replay::Record& r : all) w->Append(r.ms, r.datagram);
    }
    std::vector<double> loadMs, openMs, jumpMs;
    std::size_t rounds = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        replay::Contents c = replay::Load(file);
        loadMs.push_back(t.nsecsElapsed() / 1e6);
        ReplayTransport feed;
        Instance copy(feed, 1);
        copy.Load();
        ReplayPlayer player(copy.Parts(), feed, std::move(c.records));
        player.Seek(0);
        openMs.push_back(t.nsecsElapsed() / 1e6);
        rounds = player.Rounds().size();
        t.start();
        player.Seek(player.Rounds().back().startMs);
        jumpMs.push_back(t.nsecsElapsed() / 1e6);
    }
    Line("replay length", all.back().ms / 60000.0, "min");
    Line("replay records", double(all.size()), "");
    Line("replay rounds", double(rounds), "");
    Line("replay file", QFile(file).size() / 1024.0, "KiB");
    Line("reading the file, median", Percentile(loadMs, 0.5), "ms");
    Line("opening (read, index, first moment), median", Percentile(openMs, 0.5), "ms");
    Line("jump to the last round, median", Percentile(jumpMs, 0.5), "ms");
    Line("jump to the last round, worst", Percentile(jumpMs, 1), "ms");
    return 0;
}
} // namespace replaybench
