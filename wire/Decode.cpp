#include "Decode.h"

namespace wire {

Datagram Decode(const QByteArray& datagram) {
    const Fields f(datagram);
    const auto number = f.Number();
    if (!number || !IsKnown(*number)) return msg::Unknown{number};
    switch (static_cast<Message>(*number)) {
    case Message::Positions: {
        // Fields 1..16 are the heads (x, y), 17..24 the fuels.
        msg::Positions p;
        for (int i = 0; i < 8; ++i) {
            const auto at = static_cast<std::size_t>(i);
            p.x[at] = f.Int16(2 * i + 1);
            p.y[at] = f.Int16(2 * i + 2);
            p.fuel[at] = f.Int16(17 + i);
        }
        return p;
    }
    case Message::Steer: return msg::Steer{f.Int16(1), f.Int16(2), f.Int16(3)};
    case Message::RoundOutcome: return msg::RoundOutcome{f.Int16(1)};
    case Message::MatchSettings: {
        msg::MatchSettings m;
        m.height = f.Int16(1);
        m.width = f.Int16(2);
        m.speed = f.Int16(3);
        m.thickness = f.Int16(4);
        m.warp = f.Int16(5);
        m.players = f.Int16(6);
        m.matchScore = f.Int16(7);
        m.complexity = f.Int16(8);
        m.turbo = f.Int16(9);
        m.team = f.Int16(10);
        m.name = f.Text(11);
        m.color = f.Int32(12);
        m.back = f.Int32(13);
        m.fixedPosition = f.Int16(14);
        m.diagonal = f.Int16(15);
        return m;
    }
    case Message::Obstacle: return msg::Obstacle{f.Int16(1), f.Int16(2), f.Int16(3), f.Int16(4)};
    case Message::ResetAll: return msg::ResetAll{};
    case Message::Register: return msg::Register{f.Int16(1), f.Text(2), f.Int32(3)};
    case Message::PauseResume: return msg::PauseResume{f.Text(1)};
    case Message::RollCall: return msg::RollCall{};
    case Message::Unregister: return msg::Unregister{f.Int16(1)};
    case Message::TurboOff: return msg::TurboOff{f.Int16(1)};
    case Message::Turn: return msg::Turn{f.Int16(1), f.Int16(2)};
    case Message::ResetMatch: return msg::ResetMatch{};
    case Message::Chat: return msg::Chat{f.Text(1), f.Int32(2), f.Text(3)};
    }
    return msg::Unknown{number};
}

std::optional<Message> KindOf(const Datagram& d) {
    static constexpr Message kinds[] = {Message::Positions,  Message::Steer,      Message::RoundOutcome,
                                        Message::MatchSettings, Message::Obstacle, Message::ResetAll,
                                        Message::Register,   Message::PauseResume, Message::RollCall,
                                        Message::Unregister, Message::TurboOff,   Message::Turn,
                                        Message::ResetMatch, Message::Chat};
    static_assert(std::variant_size_v<Datagram> == 1 + std::size(kinds));
    if (d.index() == 0) return std::nullopt;
    return kinds[d.index() - 1];
}

std::optional<std::int16_t> SeatOf(const Datagram& d) {
    if (const auto* r = std::get_if<msg::Register>(&d)) return r->slot;
    if (const auto* u = std::get_if<msg::Unregister>(&d)) return u->slot;
    return std::nullopt;
}

} // namespace wire
