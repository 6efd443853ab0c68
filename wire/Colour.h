#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR values (red in the low byte) everywhere in the game and on the wire.
using Colour = std::int32_t;
