#include "platform/Types.h"

#include <climits>
#include <cmath>

int Int(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);  // truncation toward zero
}

qint64 leadingInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    int end = 0;
    if (end < trimmed.size() && (trimmed[end] == '-' || trimmed[end] == '+')) ++end;
    const int digitsFrom = end;
    while (end < trimmed.size() && trimmed[end].isDigit() && end - digitsFrom < 18) ++end;
    return trimmed.left(end).toLongLong();
}
