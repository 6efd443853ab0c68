#include "Convert.h"

#include <cmath>
#include <limits>

namespace convert {

std::optional<double> ToNumber(QStringView text) {
    const QStringView t = text.trimmed();
    const QChar* p = t.begin();
    const QChar* const end = t.end();
    bool negative = false;
    if (p != end && (*p == u'-' || *p == u'+')) negative = *p++ == u'-';
    const auto digit = [&] { return p != end && p->unicode() >= u'0' && p->unicode() <= u'9'; };
    double value = 0;
    int digits = 0;
    for (; digit(); ++p, ++digits) value = value * 10 + (p->unicode() - u'0');
    if (p != end && *p == u'.') {
        ++p;
        double scale = 0.1;
        for (; digit(); ++p, ++digits, scale /= 10) value += (p->unicode() - u'0') * scale;
    }
    if (digits == 0 || p != end || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::int64_t RoundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    if (value > 9e18) return std::numeric_limits<std::int64_t>::max();
    if (value < -9e18) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::nearbyint(value)); // default rounding mode: halves to even
}

std::optional<std::int16_t> Narrow16(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> ToInt16(QStringView text) {
    const auto n = ToNumber(text);
    if (!n) return std::nullopt;
    return Narrow16(RoundHalfEven(*n));
}

std::optional<std::int32_t> ToInt32(QStringView text) {
    const auto n = ToNumber(text);
    if (!n) return std::nullopt;
    const std::int64_t v = RoundHalfEven(*n);
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

} // namespace convert
