#include "ReplayFile.h"
#include "ReplayPlayer.h"
#include "Stubs.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Three blocks of records, as the writer makes them, and where each block starts.
struct Sample {
    QByteArray file;
    std::vector<replay::Record> records;
    QList<qsizetype> blockStarts;
    qsizetype trailerAt = 0;
};
Sample MakeSample() {
    Sample s;
    replay::Header h;
    h.startedMs = 1765000000000;
    h.name = QStringLiteral("Zoë");
    h.program = QStringLiteral("1.24");
    s.file = replay::EncodeHeader(h);
    quint32 ms = 0;
    for (int b = 0; b < 3; ++b) {
        QByteArray records;
        for (int i = 0; i < 40; ++i) {
            ms += quint32(i % 7);
            const QByteArray d = QByteArray("1\x01") + QByteArray::number(b * 100 + i) + QByteArray(i % 30, 'x');
            records += replay::EncodeRecord(ms, d);
            s.records.push_back({ms, d});
        }
        s.blockStarts << s.file.size();
        s.file += replay::EncodeBlock(records);
    }
    s.trailerAt = s.file.size();
    s.file += replay::EncodeTrailer(quint32(s.records.size()));
    return s;
}
// CRC-32 bit by bit, as zlib computes it: the test's own, so a wrong table in the code shows.
quint32 Crc32(QByteArrayView bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}
QByteArray Le32(quint32 v) {
    QByteArray b;
    for (int i = 0; i < 4; ++i) b.append(char(v >> (8 * i)));
    return b;
}
} // namespace

class tst_Replay : public QObject {
    Q_OBJECT
private slots:
    void damaged_data();
    void damaged();
    void writerRoundTrip();
    void jumpsShowWhatPlayingShows_data();
    void jumpsShowWhatPlayingShows();
    void playsAtSpeedAndStops();
};

namespace {
constexpr int StepMs = 60; // short countdown steps, on the host and in the replay alike

// A whole match of computer riders on the in-process bus, as a spectator heard it.
const std::vector<replay::Record>& RecordedMatch() {
    static std::vector<replay::Record> records;
    if (!records.empty()) return records;
    InProcessBus bus;
    Node host(bus, 11);
    host.instance.GetCountdown().SetStepInterval(StepMs);
    for (int i = 0; i < 3; ++i) host.R().AddRider(RiderLevel::Easy); // short rounds
    BusTransport ear(bus);
    ear.InitSockets();
    QElapsedTimer since;
    since.start();
    QObject::connect(&ear, &Transport::datagramArrived, &ear,
                     [&since](const QByteArray& d) { records.push_back({quint32(since.elapsed()), d}); });
    [&] { QTRY_VERIFY(!host.R().Text(3).isEmpty()); }();
    MatchControl::MatchOptions o;
    o.settings = TestSettings(4);
    o.settings.matchScore = 3;
    host.instance.Control().StartMatch(o);
    [&] { QTRY_VERIFY_WITH_TIMEOUT(host.S().MatchOver, 300000); }(); // a sanitized build is slow
    QTest::qWait(200);
    return records;
}

struct Replaying {
    ReplayTransport feed;
    Instance copy{feed, 1};
    ReplayPlayer player;
    explicit Replaying(const std::vector<replay::Record>& records) : player(copy.Parts(), feed, records) {
        copy.Load();
        copy.GetCountdown().SetStepInterval(StepMs);
    }
    QByteArray Hash() {
        const QImage& a = copy.GetBoard().Arena().Image();
        return QCryptographicHash::hash(QByteArrayView(a.constBits(), a.sizeInBytes()), QCryptographicHash::Md5);
    }
    QStringList Scores() {
        QStringList out;
        for (int i = 1; i <= 4; ++i) out << copy.GetBoard().Score(i).text;
        return out;
    }
};

// Each round's end as playing straight through shows it: when, the arena, the scores.
struct Seen {
    qint64 ms;
    QByteArray hash;
    QStringList scores;
};
std::vector<Seen> PlayedThrough(const std::vector<replay::Record>& records) {
    Replaying r(records);
    std::vector<Seen> seen;
    r.player.PlayThrough(StepMs / 3, [&](const QString&) { seen.push_back({r.player.PositionMs(), r.Hash(), r.Scores()}); });
    return seen;
}
} // namespace

// Each damaged file gives its documented result: the records of every whole block before the
// damage, the place it stopped, and never a crash or a record that was not there.
void tst_Replay::damaged_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("records"); // kept
    QTest::addColumn<QString>("problem");
    const Sample s = MakeSample();
    const int whole = int(replay::Result::Whole), damaged = int(replay::Result::Damaged),
              foreign = int(replay::Result::NotAReplay);
    QTest::newRow("whole") << s.file << whole << 120 << "";
    for (int b = 0; b < 3; ++b) {
        QTest::addRow("cut at block %d", b + 1) << s.file.left(s.blockStarts[b]) << damaged << 40 * b << "end mark";
        QTest::addRow("cut inside block %d", b + 1) << s.file.left(s.blockStarts[b] + 30) << damaged << 40 * b << "cut short";
    }
    QTest::newRow("cut before the end mark") << s.file.left(s.trailerAt) << damaged << 120 << "end mark";
    QTest::newRow("cut inside the end mark") << s.file.left(s.trailerAt + 6) << damaged << 120 << "end mark";
    QByteArray flipped = s.file;
    flipped[s.blockStarts[1] + 40] = char(flipped[s.blockStarts[1] + 40] ^ 0x10);
    QTest::newRow("flipped byte in block 2") << flipped << damaged << 40 << "check";
    QByteArray flippedHead = s.file;
    flippedHead[14] = char(flippedHead[14] ^ 1);
    QTest::newRow("flipped byte in the header") << flippedHead << foreign << 0 << "damaged";
    QTest::newRow("empty") << QByteArray() << foreign << 0 << "not a Lumivex replay";
    QTest::newRow("foreign") << QByteArray("\x89PNG\r\n\x1a\n and then some more bytes of a picture") << foreign << 0
                             << "not a Lumivex replay";
    // A header exactly as a newer writer would make it: numbered 2, with a right check.
    QByteArray future = s.file.left(s.blockStarts[0] - 4);
    future[8] = 2;
    future += Le32(Crc32(future)) + s.file.mid(s.blockStarts[0]);
    QTest::newRow("future version") << future << foreign << 0 << "newer Lumivex";
    QByteArray huge = s.file.left(s.blockStarts[1]);
    huge += QByteArray("LVBK") + Le32(0xFFFFFFFFu) + Le32(0xFFFFFFF0u) + Le32(0) + QByteArray(64, 'z');
    QTest::newRow("a block claiming 4 GB") << huge << damaged << 40 << "impossible size";
    QTest::newRow("bytes after the end mark") << s.file + "junk" << damaged << 120 << "follow";
    QByteArray miscount = s.file.left(s.trailerAt) + replay::EncodeTrailer(7);
    QTest::newRow("end mark counts wrongly") << miscount << damaged << 120 << "counts";
    const QByteArray backwards = s.file.left(s.blockStarts[1]) +
                                 replay::EncodeBlock(replay::EncodeRecord(50, "a") + replay::EncodeRecord(10, "b"));
    QTest::newRow("time going back") << backwards << damaged << 40 << "back in time";
    const QByteArray zeroLength =
        s.file.left(s.blockStarts[1]) + replay::EncodeBlock(QByteArray(4, '\0') + QByteArray(2, '\0'));
    QTest::newRow("a record of no length") << zeroLength << damaged << 40 << "impossible length";
}

void tst_Replay::damaged() {
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    QFETCH(int, records);
    QFETCH(QString, problem);
    const replay::Contents c = replay::Parse(file);
    QCOMPARE(int(c.result), result);
    QCOMPARE(int(c.records.size()), records);
    const Sample s = MakeSample();
    for (int i = 0; i < records; ++i) QCOMPARE(c.records[std::size_t(i)], s.records[std::size_t(i)]);
    QVERIFY2(c.problem.contains(problem), qPrintable(c.problem));
    QCOMPARE(c.result == replay::Result::Whole, c.offset < 0);
    if (result == int(replay::Result::Whole)) QCOMPARE(c.header.name, QStringLiteral("Zoë"));
}

// What the writer puts out, from another thread's point of view, reads back whole; a flood
// larger than a block goes out in several.
void tst_Replay::writerRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("m.lumivex-replay"));
    replay::Header h;
    h.name = QStringLiteral("Host");
    h.program = QStringLiteral("1.24");
    h.startedMs = 42;
    std::vector<replay::Record> sent;
    {
        QString error;
        auto w = replay::Writer::Open(path, h, &error);
        QVERIFY2(w, qPrintable(error));
        for (quint32 i = 0; i < 3000; ++i) {
            const QByteArray d = QByteArray::number(i) + QByteArray(int(i % 1000), char('a' + i % 26));
            w->Append(i / 10, d);
            sent.push_back({i / 10, d});
        }
        // Mid-recording, the file already holds whole blocks: a crash now keeps them.
        QTest::qWait(replay::Writer::FlushMs + 300);
        const replay::Contents partial = replay::Load(path);
        QCOMPARE(partial.result, replay::Result::Damaged);
        QVERIFY(partial.records.size() >= 3000 - 1000);
        w->Append(400, "last");
        sent.push_back({400, "last"});
    }
    const replay::Contents c = replay::Load(path);
    QVERIFY2(c.result == replay::Result::Whole, qPrintable(c.problem));
    QCOMPARE(c.header.name, h.name);
    QCOMPARE(c.header.startedMs, h.startedMs);
    QCOMPARE(c.records.size(), sent.size());
    QVERIFY(c.records == sent);
}

// A jump plays again from the start, leaving out trails whose arena was cleared before the
// moment jumped to: the picture and the scores must be those of playing straight there, going
// forwards from nothing or backwards over what was shown.
void tst_Replay::jumpsShowWhatPlayingShows_data() {
    QTest::addColumn<bool>("backwards");
    QTest::newRow("from a fresh player") << false;
    QTest::newRow("back from the file's end") << true;
}

void tst_Replay::jumpsShowWhatPlayingShows() {
    QFETCH(bool, backwards);
    const auto& records = RecordedMatch();
    const std::vector<Seen> through = PlayedThrough(records);
    QVERIFY2(through.size() >= 3, "the match decided too few rounds");
    Replaying r(records);
    // Trails of earlier rounds are left out, so a jump into the last round delivers that round
    // and well under half of what came before it.
    qint64 delivered = 0, intoLast = 0;
    QObject::connect(&r.feed, &Transport::datagramArrived, &r.feed, [&delivered] { ++delivered; });
    for (std::size_t k = 0; k < through.size(); ++k) {
        const Seen& want = backwards ? through[through.size() - 1 - k] : through[k];
        if (backwards) r.player.Seek(r.player.DurationMs());
        delivered = 0;
        r.player.Seek(want.ms);
        if (&want == &through.back()) intoLast = delivered;
        QCOMPARE(r.Scores(), want.scores);
        QVERIFY2(r.Hash() == want.hash, qPrintable(QStringLiteral("round ends at %1 ms").arg(want.ms)));
    }
    const qint64 lastStart = r.player.Rounds()[r.player.RoundAt(through.back().ms)].startMs;
    qint64 before = 0, within = 0;
    for (const replay::Record& rec : records)
        if (rec.ms <= through.back().ms) ++(rec.ms < lastStart ? before : within);
    QVERIFY2(intoLast < within + before / 2, qPrintable(QStringLiteral("%1 of %2 + %3").arg(intoLast).arg(within).arg(before)));
    QVERIFY(r.player.Rounds().size() >= through.size());
    QCOMPARE(r.feed.Swallowed() > 0, true); // the copy's resets went nowhere
}

// Played on the wall clock at 8x, the replay ends by itself with the picture of playing through.
void tst_Replay::playsAtSpeedAndStops() {
    const auto& records = RecordedMatch();
    Replaying through(records);
    through.player.RunTo(through.player.DurationMs());
    Replaying r(records);
    QSignalSpy ended(&r.player, &ReplayPlayer::ended);
    r.player.SetSpeed(8);
    QElapsedTimer wall;
    wall.start();
    r.player.Play();
    QVERIFY(ended.wait(int(r.player.DurationMs() / 8 + 5000)));
    QVERIFY(wall.elapsed() >= r.player.DurationMs() / 8 - 50);
    QVERIFY(!r.player.Playing());
    QCOMPARE(r.player.PositionMs(), r.player.DurationMs());
    QCOMPARE(r.Hash(), through.Hash());
}

QTEST_MAIN(tst_Replay)
#include "tst_Replay.moc"
