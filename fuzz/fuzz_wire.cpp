// libFuzzer target without state: one datagram through the decoder every reader uses, then
// what the readers make of its text (names and chat cleaned), and the seat it names.
#include "Decode.h"
#include "Messages.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray datagram = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    static volatile unsigned sink = 0; // keeps the results from being optimised away
    const wire::Datagram d = wire::Decode(datagram);
    unsigned sum = static_cast<unsigned>(d.index()) + static_cast<unsigned>(wire::SeatOf(d).value_or(0)) +
                   static_cast<unsigned>(wire::NumberOf(datagram));
    if (const auto* r = std::get_if<wire::msg::Register>(&d); r && r->name)
        sum += static_cast<unsigned>(wire::CleanName(*r->name).size());
    if (const auto* s = std::get_if<wire::msg::MatchSettings>(&d); s && s->name)
        sum += static_cast<unsigned>(wire::CleanName(*s->name).size() + s->color.value_or(0));
    if (const auto* c = std::get_if<wire::msg::Chat>(&d); c && c->text)
        sum += static_cast<unsigned>(wire::CleanChat(*c->text).size());
    if (const auto* p = std::get_if<wire::msg::Positions>(&d))
        for (const auto& x : p->x) sum += static_cast<unsigned>(x.value_or(0));
    sink = sink + sum;
    return 0;
}
