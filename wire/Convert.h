#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

// Number conversions shared by every reader of message fields, settings and box texts.
// Decimal text with an optional sign and surrounding spaces; a fraction is rounded
// halves to even; anything else, or a value outside the target range, yields nothing
// so that the caller skips the step that needed it.
namespace convert {

std::optional<double> ToNumber(QStringView text);
std::optional<std::int16_t> ToInt16(QStringView text);
std::optional<std::int32_t> ToInt32(QStringView text);

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
std::int64_t RoundHalfEven(double value);

// Fits the value into 16 bits, or yields nothing on overflow.
std::optional<std::int16_t> Narrow16(std::int64_t value);

} // namespace convert
