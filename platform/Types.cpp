#include "platform/Types.h"

#include <climits>
#include <cmath>

int Int(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);  // truncation toward zero
}

double Val(const QString& text) {
    const QString trimmed = text.trimmed();
    int end = 0;
    const int size = static_cast<int>(trimmed.size());
    if (end < size && (trimmed[end] == '-' || trimmed[end] == '+')) ++end;
    const int digitsFrom = end;
    while (end < size && trimmed[end].isDigit()) ++end;
    if (end < size && trimmed[end] == '.') {
        ++end;
        while (end < size && trimmed[end].isDigit()) ++end;
    }
    if (end == digitsFrom || (end == digitsFrom + 1 && trimmed[digitsFrom] == '.')) return 0;
    return trimmed.left(end).toDouble();
}
