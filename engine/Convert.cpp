#include "Convert.h"

#include <cmath>
#include <limits>

namespace convert {

std::optional<double> ToNumber(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    double value = 0;
    int digits = 0;
    while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
        value = value * 10 + (t[i].unicode() - u'0');
        ++digits;
        ++i;
    }
    if (i < t.size() && t[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9') {
            value += (t[i].unicode() - u'0') * scale;
            scale /= 10;
            ++digits;
            ++i;
        }
    }
    if (digits == 0 || i != t.size() || !std::isfinite(value)) return std::nullopt;
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
