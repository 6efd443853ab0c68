#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The replay file: what one copy heard during a match, every datagram with its time, in
// compressed blocks with a check each (docs/replay-format.md). Reading takes what it can and
// says where it stopped; writing never touches the disk on the caller's thread.
namespace replay {

constexpr quint16 Version = 1;
constexpr int MostBlockBytes = 1 << 20;
constexpr int MostNameBytes = 64;
constexpr int MostProgramBytes = 32;
constexpr int MostDatagramBytes = 1024;
// What one file may hold at the most. A real match is far below: three hours of eight riders at
// the default speed are about 1.4 million records, 86 MiB of datagrams and 16 MiB on disk.
// Past these a file plays up to where it reached them, so that no file, however made, takes
// more than a few hundred megabytes or more than seconds to read.
constexpr qint64 MostFileBytes = qint64(32) << 20;
constexpr qint64 MostRecords = 1'500'000;
constexpr qint64 MostRecordBytes = qint64(96) << 20; // the datagrams' own bytes, all together

struct Header {
    qint64 startedMs = 0; // since the epoch, UTC
    QString name;         // the recording copy's player
    QString program;      // the program's version
};

struct Record {
    quint32 ms = 0; // since the recording began
    QByteArray datagram;
    bool operator==(const Record&) const = default;
};

enum class Result { Whole, Damaged, NotAReplay };

struct Contents {
    Result result = Result::NotAReplay;
    Header header;
    std::vector<Record> records;
    QString problem; // why it stopped, for the player; empty when whole
    qint64 offset = -1; // the byte where it stopped
};

Contents Parse(QByteArrayView file);
Contents Load(const QString& path);
// Whether the file at `path` begins as a replay does (its first bytes only).
bool IsReplayFile(const QString& path);

// The pieces a file is made of (the writer's, and the tests').
QByteArray EncodeHeader(const Header& h);
QByteArray EncodeRecord(quint32 ms, QByteArrayView datagram);
QByteArray EncodeBlock(QByteArrayView records);
QByteArray EncodeTrailer(quint32 records);

// Records to a file from any thread: Append only copies into a buffer; a thread of its own
// writes a block about every second, whole and flushed, and the trailer when closed.
class Writer {
public:
    static std::unique_ptr<Writer> Open(const QString& path, const Header& header, QString* error);
    ~Writer(); // closes
    void Append(quint32 ms, QByteArrayView datagram);
    // Closes the file, waiting for the last block and the end mark to be written.
    void Close();
    // The same without waiting: the writer's thread finishes alone; Done() tells when.
    void Finish();
    bool Done() const { return done_; }
    static constexpr int FlushMs = 1000;
    // Records dropped because the disk fell behind a flood.
    quint64 Dropped() {
        std::lock_guard lock(mutex_);
        return dropped_;
    }

private:
    Writer() = default;
    void Run();
    void WriteBlock(const QByteArray& records);

    std::FILE* file_ = nullptr;
    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable wake_;
    QByteArray gathered_;
    std::vector<QByteArray> full_; // blocks gathered, waiting for the disk
    quint32 count_ = 0;
    quint64 dropped_ = 0;
    bool stopping_ = false;
    std::atomic<bool> done_ = false;
};

} // namespace replay
