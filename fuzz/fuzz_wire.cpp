// libFuzzer target without state: one datagram through the message splitter and the field
// conversions. Each field is read once, the way the handlers read it: the message number and
// most fields as 16-bit numbers, colours and back-colours as 32-bit numbers, names as text.
#include "Convert.h"
#include "Messages.h"

#include <cstddef>
#include <cstdint>

namespace {
enum class Kind { Int16, Int32, Name };

Kind FieldKind(int message, qsizetype i) {
    using wire::Message;
    if (message == static_cast<int>(Message::Register)) return i == 2 ? Kind::Name : i == 3 ? Kind::Int32 : Kind::Int16;
    if (message == static_cast<int>(Message::MatchSettings))
        return i == 11 ? Kind::Name : i == 12 || i == 13 ? Kind::Int32 : Kind::Int16;
    return Kind::Int16;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray datagram = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static volatile unsigned sink = 0; // keeps the results from being optimised away
    const wire::FieldList fields = wire::SplitFields(datagram);
    const int message = convert::ToInt16(fields[0]).value_or(-1);
    unsigned sum = static_cast<unsigned>(message);
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QStringView field = fields[i];
        switch (FieldKind(message, i)) {
        case Kind::Int16: sum += static_cast<unsigned>(convert::ToInt16(field).value_or(0)); break;
        case Kind::Int32: sum += static_cast<unsigned>(convert::ToInt32(field).value_or(0)); break;
        case Kind::Name: sum += static_cast<unsigned>(wire::CleanName(field.toString()).size()); break;
        }
    }
    sink = sink + sum;
    return 0;
}
