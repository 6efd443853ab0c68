// libFuzzer target without state: one datagram through the message splitter and the field
// conversions every handler uses.
#include "Convert.h"
#include "Messages.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray datagram = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static volatile unsigned sink = 0; // keeps the results from being optimised away
    for (const QString& field : wire::Split(datagram)) {
        sink = sink + static_cast<unsigned>(convert::ToInt16(field).value_or(0)) +
               static_cast<unsigned>(convert::ToInt32(field).value_or(0)) +
               static_cast<unsigned>(wire::CleanName(field).size());
    }
    return 0;
}
