#pragma once

#include "Messages.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <variant>

// The one typed decoder: a datagram becomes one message struct. Every field is read by the
// number rules of convert (" 2.6" is 3, "9.4" is 9, 32768 is no 16-bit number) and is empty
// when it is missing or no number; what a reader does with a message whose fields are partly
// there is its own affair (the dispatcher acts on what is there, step by step).
namespace wire::msg {
using I16 = std::optional<std::int16_t>;
using I32 = std::optional<std::int32_t>;
using Text = std::optional<QString>;

struct Positions {
    std::array<I16, 8> x, y, fuel; // riders 1 to 8
};
struct Steer {
    I16 slot, direction, turbo;
};
struct RoundOutcome {
    I16 code;
};
struct MatchSettings {
    I16 height, width, speed, thickness, warp, players, matchScore, complexity, turbo, team, fixedPosition, diagonal;
    Text name;
    I32 color, back;
    bool operator==(const MatchSettings&) const = default;
};
struct Obstacle {
    I16 x1, y1, x2, y2;
};
struct ResetAll {};
struct Register {
    I16 slot;
    Text name;
    I32 colour;
};
struct PauseResume {
    Text pause; // "1" pauses, anything else resumes
};
struct RollCall {};
struct Unregister {
    I16 slot;
};
struct TurboOff {
    I16 player;
};
struct Turn {
    I16 player, direction;
};
struct ResetMatch {};
struct Chat {
    Text name;
    I32 colour;
    Text text;
};
// No message number, or one outside the catalogue.
struct Unknown {
    I16 number;
};
} // namespace wire::msg

namespace wire {
using Datagram = std::variant<msg::Unknown, msg::Positions, msg::Steer, msg::RoundOutcome, msg::MatchSettings,
                              msg::Obstacle, msg::ResetAll, msg::Register, msg::PauseResume, msg::RollCall,
                              msg::Unregister, msg::TurboOff, msg::Turn, msg::ResetMatch, msg::Chat>;
Datagram Decode(const QByteArray& datagram);
// The catalogue's number of a decoded message; nullopt for Unknown.
std::optional<Message> KindOf(const Datagram& d);
// The seat a Register or an Unregister names, as every reader takes it.
std::optional<std::int16_t> SeatOf(const Datagram& d);
} // namespace wire
