// Hexagram codes, change masks, line patterns and chain strings.
#include "core/M_globals.h"

#include <QStringList>
#include <algorithm>
#include <climits>

namespace M_globals {

namespace {
constexpr int kWeights[6] = {32, 16, 8, 4, 2, 1};  // lines 6 down to 1
}

bool takeLine(int& remainder, int weight) {
    if (weight <= remainder) {
        remainder -= weight;
        return true;
    }
    return false;
}

int TwoHex(int a, int b) {
    int result = 0;
    for (int weight : kWeights) {
        const bool lineA = takeLine(a, weight);
        const bool lineB = takeLine(b, weight);
        if (lineA != lineB) result += weight;
    }
    return result;
}

int Hex69sToHex(int hex, int mask) {
    int result = 0;
    for (int weight : kWeights) {
        const bool changes = takeLine(mask, weight);
        const bool set = takeLine(hex, weight);
        if (changes != set) result += weight;
    }
    return result;
}

QString getYinYangCharString(int n) {
    QString text;
    for (int weight : kWeights) text.prepend(takeLine(n, weight) ? QChar('|') : QChar(':'));
    return text.left(3) + " " + text.right(3);
}

QString HexChainChangeLink(const QString& chain, const QString& link, int index, bool merge) {
    const QStringList fields = chain.split(';');
    const int count = static_cast<int>(fields.size());
    // An index outside the chain's links leaves the chain unchanged.
    if (index < 1 || index > count) return chain;
    QString result;
    const int keepBefore = merge ? index - 2 : index - 1;
    for (int i = 1; i <= keepBefore; ++i) result += fields[i - 1] + ";";
    result += link;
    for (int i = index + 1; i <= count; ++i) result += ";" + fields[i - 1];
    return result;
}

std::vector<ChainLink> readChainLinks(const QString& chain) {
    // A number beyond the range of int reads as the nearest int, never as a wrapped-round code.
    auto field = [](const QStringList& fields, int index) {
        return static_cast<int>(std::clamp<qint64>(leadingInteger(fields.value(index)), INT_MIN, INT_MAX));
    };
    std::vector<ChainLink> links;
    if (chain.isEmpty()) return links;
    for (const QString& record : chain.split(';')) {
        const QStringList fields = record.split(',');
        links.push_back({field(fields, 0), field(fields, 1)});
    }
    return links;
}

bool DoesStringHaveText(QString& s) {
    while (!s.isEmpty()) {
        if (s[0] != QChar(' ')) return true;
        s.remove(0, 1);
    }
    s.clear();
    return false;
}

}  // namespace M_globals
