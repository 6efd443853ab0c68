// libFuzzer target without state: one datagram through the message splitter and the field
// conversions every handler uses.
#include "Convert.h"
#include "Messages.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray datagram = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static volatile unsigned sink = 0; // keeps the results from being optimised away
    const wire::FieldList fields = wire::SplitFields(datagram);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QStringView field = fields[i];
        const auto number = convert::ToInt32(field);
        // A field that is no number is read as a name, as the handlers read one.
        sink = sink + static_cast<unsigned>(convert::ToInt16(field).value_or(0)) +
               static_cast<unsigned>(number ? *number : wire::CleanName(field.toString()).size());
    }
    return 0;
}
