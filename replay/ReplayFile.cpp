#include "ReplayFile.h"

#include <QCoreApplication>
#include <QFile>

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

// What a player reads of a replay file that cannot be read or written.
class ReplayFile {
    Q_DECLARE_TR_FUNCTIONS(ReplayFile)
};

namespace replay {
namespace {
constexpr char FileMagic[8] = {'L', 'U', 'M', 'I', 'V', 'E', 'X', 'R'};
constexpr char BlockMagic[4] = {'L', 'V', 'B', 'K'};
constexpr char EndMagic[4] = {'L', 'V', 'E', 'N'};
constexpr int BlockHead = 16, TrailerBytes = 12;

void Put(QByteArray& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>(v >> (8 * i)));
}
std::uint64_t Get(QByteArrayView in, qsizetype at, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint64_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return v;
}
quint32 Crc(QByteArrayView bytes) {
    return static_cast<quint32>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}
QByteArray Utf8(const QString& s, int most) {
    QByteArray b = s.toUtf8();
    // Cut at a character's start, never inside one.
    if (b.size() > most) {
        b.truncate(most);
        while (!b.isEmpty() && (static_cast<unsigned char>(b.back()) & 0xC0) == 0x80) b.chop(1);
        if (!b.isEmpty() && static_cast<unsigned char>(b.back()) >= 0xC0) b.chop(1);
    }
    return b;
}
} // namespace

QByteArray EncodeHeader(const Header& h) {
    QByteArray out(FileMagic, sizeof FileMagic);
    Put(out, Version, 2);
    Put(out, 0, 2);
    Put(out, static_cast<std::uint64_t>(h.startedMs), 8);
    const QByteArray name = Utf8(h.name, MostNameBytes), program = Utf8(h.program, MostProgramBytes);
    Put(out, static_cast<std::uint64_t>(name.size()), 2);
    out += name;
    Put(out, static_cast<std::uint64_t>(program.size()), 2);
    out += program;
    Put(out, Crc(out), 4);
    return out;
}

QByteArray EncodeRecord(quint32 ms, QByteArrayView datagram) {
    QByteArray out;
    Put(out, ms, 4);
    Put(out, static_cast<std::uint64_t>(datagram.size()), 2);
    out.append(datagram);
    return out;
}

QByteArray EncodeBlock(QByteArrayView records) {
    uLongf packedSize = compressBound(static_cast<uLong>(records.size()));
    QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(records.data()),
              static_cast<uLong>(records.size()), 6);
    packed.truncate(static_cast<qsizetype>(packedSize));
    QByteArray out(BlockMagic, sizeof BlockMagic);
    Put(out, static_cast<std::uint64_t>(records.size()), 4);
    Put(out, static_cast<std::uint64_t>(packed.size()), 4);
    Put(out, Crc(packed), 4);
    return out + packed;
}

QByteArray EncodeTrailer(quint32 records) {
    QByteArray out(EndMagic, sizeof EndMagic);
    Put(out, records, 4);
    Put(out, Crc(out), 4);
    return out;
}

Contents Parse(QByteArrayView whole) {
    Contents c;
    // Past the most a file may be, only its first part is read.
    const QByteArrayView f = whole.first(std::min<qsizetype>(whole.size(), MostFileBytes));
    auto notReplay = [&c](const QString& why) {
        c.result = Result::NotAReplay;
        c.problem = why;
        c.offset = 0;
        return c;
    };
    if (f.size() < 8 || std::memcmp(f.data(), FileMagic, 8) != 0) return notReplay(ReplayFile::tr("not a Lumivex replay"));
    // Header: magic, version, flags, start, then the two texts and the check.
    if (f.size() < 22) return notReplay(ReplayFile::tr("not a Lumivex replay (its header is cut short)"));
    const auto version = static_cast<int>(Get(f, 8, 2));
    qsizetype at = 20;
    const auto nameLength = static_cast<qsizetype>(Get(f, at, 2));
    if (nameLength > MostNameBytes || f.size() < at + 2 + nameLength + 2)
        return notReplay(ReplayFile::tr("not a Lumivex replay (its header is damaged)"));
    const QByteArrayView name = f.sliced(at + 2, nameLength);
    at += 2 + nameLength;
    const auto programLength = static_cast<qsizetype>(Get(f, at, 2));
    if (programLength > MostProgramBytes || f.size() < at + 2 + programLength + 4)
        return notReplay(ReplayFile::tr("not a Lumivex replay (its header is damaged)"));
    const QByteArrayView program = f.sliced(at + 2, programLength);
    at += 2 + programLength;
    if (Get(f, at, 4) != Crc(f.first(at))) return notReplay(ReplayFile::tr("not a Lumivex replay (its header is damaged)"));
    if (version > Version)
        return notReplay(ReplayFile::tr("a replay made by a newer Lumivex (format version %1; this one reads %2)")
                             .arg(version)
                             .arg(Version));
    if (version < 1) return notReplay(ReplayFile::tr("not a Lumivex replay (format version 0)"));
    c.header.startedMs = static_cast<qint64>(Get(f, 12, 8));
    c.header.name = QString::fromUtf8(name);
    c.header.program = QString::fromUtf8(program);
    at += 4;

    c.result = Result::Damaged;
    auto stop = [&c](qsizetype offset, const QString& why) {
        c.offset = offset;
        c.problem = why;
        return c;
    };
    quint32 last = 0;
    int block = 0;
    qint64 recordBytes = 0;
    QByteArray records;
    // Room for every record at once when the end mark says how many (up to the most a file
    // may hold, whatever it claims): the list never grows by doubling.
    if (f.size() - at >= TrailerBytes && std::memcmp(f.data() + f.size() - TrailerBytes, EndMagic, 4) == 0)
        c.records.reserve(static_cast<size_t>(
            std::min<qint64>(static_cast<qint64>(Get(f, f.size() - TrailerBytes + 4, 4)), MostRecords)));
    const QString tooLarge = ReplayFile::tr("it holds more than a replay may (%1 records, %2 MiB of datagrams, "
                                            "%3 MiB in all): it plays up to there")
                                 .arg(MostRecords)
                                 .arg(MostRecordBytes >> 20)
                                 .arg(MostFileBytes >> 20);
    while (at < f.size()) {
        if (f.size() - at >= 4 && std::memcmp(f.data() + at, EndMagic, 4) == 0) {
            if (f.size() - at < TrailerBytes) return stop(at, ReplayFile::tr("its end mark is cut short"));
            if (Get(f, at + 8, 4) != Crc(f.sliced(at, 8))) return stop(at, ReplayFile::tr("its end mark is damaged"));
            if (Get(f, at + 4, 4) != c.records.size())
                return stop(at, ReplayFile::tr("its end mark counts %1 records, the blocks hold %2")
                                    .arg(Get(f, at + 4, 4))
                                    .arg(c.records.size()));
            if (f.size() > at + TrailerBytes) return stop(at + TrailerBytes, ReplayFile::tr("bytes follow its end mark"));
            c.result = Result::Whole;
            c.offset = -1;
            return c;
        }
        ++block;
        // A block cut short where the reading stopped at the most a file may be is no damage.
        const QString cutShort = whole.size() > f.size() ? tooLarge : ReplayFile::tr("block %1 is cut short").arg(block);
        if (f.size() - at < BlockHead) return stop(at, cutShort);
        if (std::memcmp(f.data() + at, BlockMagic, 4) != 0) return stop(at, ReplayFile::tr("block %1 is not a block").arg(block));
        const auto size = Get(f, at + 4, 4), packedSize = Get(f, at + 8, 4);
        if (size < 1 || size > MostBlockBytes || packedSize < 1 || packedSize > MostBlockBytes)
            return stop(at, ReplayFile::tr("block %1 claims an impossible size").arg(block));
        if (static_cast<std::uint64_t>(f.size() - at - BlockHead) < packedSize) return stop(at, cutShort);
        const QByteArrayView packed = f.sliced(at + BlockHead, static_cast<qsizetype>(packedSize));
        if (Get(f, at + 12, 4) != Crc(packed)) return stop(at, ReplayFile::tr("block %1 fails its check").arg(block));
        records.resize(static_cast<qsizetype>(size));
        uLongf got = static_cast<uLongf>(size);
        if (uncompress(reinterpret_cast<Bytef*>(records.data()), &got, reinterpret_cast<const Bytef*>(packed.data()),
                       static_cast<uLong>(packed.size())) != Z_OK ||
            got != size)
            return stop(at, ReplayFile::tr("block %1 does not unpack to its size").arg(block));
        // A block counts whole or not at all.
        std::vector<Record> found;
        qsizetype r = 0;
        quint32 time = last;
        while (r < records.size()) {
            if (records.size() - r < 6) return stop(at, ReplayFile::tr("block %1 ends inside a record").arg(block));
            const auto ms = static_cast<quint32>(Get(records, r, 4));
            const auto length = static_cast<qsizetype>(Get(records, r + 4, 2));
            if (length < 1 || length > MostDatagramBytes || records.size() - r - 6 < length)
                return stop(at, ReplayFile::tr("block %1 holds a record of an impossible length").arg(block));
            if (ms < time) return stop(at, ReplayFile::tr("block %1 goes back in time").arg(block));
            time = ms;
            if (static_cast<qint64>(c.records.size() + found.size()) >= MostRecords ||
                (recordBytes += length) > MostRecordBytes)
                return stop(at, tooLarge);
            found.push_back({ms, records.mid(r + 6, length)});
            r += 6 + length;
        }
        last = time;
        c.records.insert(c.records.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
        at += BlockHead + static_cast<qsizetype>(packedSize);
    }
    if (whole.size() > f.size()) return stop(at, tooLarge);
    return stop(at, ReplayFile::tr("it ends without its end mark (cut short, or the program did not end cleanly)"));
}

Contents Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Contents c;
        c.problem = ReplayFile::tr("cannot be read: %1").arg(file.errorString());
        c.offset = 0;
        return c;
    }
    // One byte past the most a file may be tells that it is larger.
    return Parse(file.read(MostFileBytes + 1));
}

bool IsReplayFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(sizeof FileMagic);
    return head.size() == sizeof FileMagic && std::memcmp(head.data(), FileMagic, sizeof FileMagic) == 0;
}

std::unique_ptr<Writer> Writer::Open(const QString& path, const Header& header, QString* error) {
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f) {
        if (error) *error = ReplayFile::tr("%1 cannot be written: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    }
    std::unique_ptr<Writer> w(new Writer);
    w->file_ = f;
    const QByteArray head = EncodeHeader(header);
    std::fwrite(head.constData(), 1, static_cast<std::size_t>(head.size()), f);
    std::fflush(f);
    w->worker_ = std::thread([raw = w.get()] { raw->Run(); });
    return w;
}

Writer::~Writer() { Close(); }

void Writer::Append(quint32 ms, QByteArrayView datagram) {
    if (datagram.isEmpty() || datagram.size() > MostDatagramBytes) return;
    const QByteArray record = EncodeRecord(ms, datagram);
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    if (gathered_.size() + record.size() > MostBlockBytes) {
        // A flood gathers a block before the second is out: it goes as it is, and if the disk
        // cannot keep up, what comes is dropped rather than held without end.
        if (full_.size() >= 8) {
            ++dropped_;
            return;
        }
        full_.push_back(std::exchange(gathered_, {}));
        wake_.notify_one();
    }
    gathered_ += record;
    ++count_;
}

void Writer::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait_for(lock, std::chrono::milliseconds(FlushMs), [this] { return stopping_ || !full_.empty(); });
        std::vector<QByteArray> blocks = std::exchange(full_, {});
        blocks.push_back(std::exchange(gathered_, {}));
        const quint32 count = count_;
        const bool last = stopping_;
        lock.unlock();
        for (const QByteArray& records : blocks)
            if (!records.isEmpty()) WriteBlock(records);
        if (last) {
            const QByteArray end = EncodeTrailer(count);
            std::fwrite(end.constData(), 1, static_cast<std::size_t>(end.size()), file_);
            std::fflush(file_);
            done_ = true;
            return;
        }
        lock.lock();
    }
}

void Writer::WriteBlock(const QByteArray& records) {
    const QByteArray block = EncodeBlock(records);
    std::fwrite(block.constData(), 1, static_cast<std::size_t>(block.size()), file_);
    std::fflush(file_);
    // Whole on the disk before the next second's block is gathered.
#ifdef Q_OS_WIN
    _commit(_fileno(file_));
#else
    fdatasync(fileno(file_));
#endif
}

void Writer::Finish() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
}

void Writer::Close() {
    Finish();
    if (worker_.joinable()) worker_.join();
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

} // namespace replay
