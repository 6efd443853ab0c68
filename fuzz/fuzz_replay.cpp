// libFuzzer target for the replay reader. Whatever the file holds, reading it must not crash
// or allocate from a size it has not checked; what it keeps must be records it could frame,
// and a file it calls whole must read the same after its blocks are written out again.
#include "ReplayFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const replay::Contents c = replay::Parse(file);
    if (c.result == replay::Result::NotAReplay && !c.records.empty()) std::abort();
    if ((c.result == replay::Result::Whole) != (c.offset < 0)) std::abort();
    if (c.offset > qint64(size)) std::abort();
    quint32 last = 0;
    for (const replay::Record& r : c.records) {
        if (r.datagram.isEmpty() || r.datagram.size() > replay::MostDatagramBytes || r.ms < last) std::abort();
        last = r.ms;
    }
    if (c.result == replay::Result::Whole) {
        QByteArray again = replay::EncodeHeader(c.header), records;
        for (const replay::Record& r : c.records) {
            const QByteArray one = replay::EncodeRecord(r.ms, r.datagram);
            if (records.size() + one.size() > replay::MostBlockBytes) again += replay::EncodeBlock(std::exchange(records, {}));
            records += one;
        }
        if (!records.isEmpty()) again += replay::EncodeBlock(records);
        again += replay::EncodeTrailer(quint32(c.records.size()));
        const replay::Contents d = replay::Parse(again);
        if (d.result != replay::Result::Whole || !(d.records == c.records)) std::abort();
    }
    return 0;
}
