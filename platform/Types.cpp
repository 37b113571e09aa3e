#include "platform/Types.h"

#include <cmath>
#include <limits>

namespace {
// Truncation toward zero; a value beyond the type's range gives its nearest end, NaN gives 0.
template <typename Integer>
Integer truncated(double value) {
    constexpr Integer lowest = std::numeric_limits<Integer>::min();
    constexpr Integer highest = std::numeric_limits<Integer>::max();
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(highest)) return highest;
    if (value <= static_cast<double>(lowest)) return lowest;
    return static_cast<Integer>(value);
}
}  // namespace

int Int(double value) { return truncated<int>(value); }

qint64 Int64(double value) { return truncated<qint64>(value); }

qint64 leadingInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    int end = 0;
    if (end < trimmed.size() && (trimmed[end] == '-' || trimmed[end] == '+')) ++end;
    const int digitsFrom = end;
    while (end < trimmed.size() && trimmed[end].isDigit() && end - digitsFrom < 18) ++end;
    return trimmed.left(end).toLongLong();
}
