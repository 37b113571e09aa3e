// Hexagram codes, change masks, line patterns and chain strings.
#include "core/M_globals.h"

#include <QStringList>

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

QString lineOrdinal(int line) {
    static const char* const ordinals[] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    return line >= 1 && line <= 6 ? QString(ordinals[line - 1]) : QString();
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

std::optional<qint64> wholeNumber(const QString& text) {
    // Digits only: a sign, a blank or any other character makes the text no number. Eighteen
    // digits at most, so that the value always fits.
    if (text.isEmpty() || text.size() > 18) return std::nullopt;
    for (const QChar c : text)
        if (c < QChar('0') || c > QChar('9')) return std::nullopt;
    return text.toLongLong();
}

std::optional<std::vector<ChainLink>> readChainLinks(const QString& chain) {
    std::vector<ChainLink> links;
    if (chain.isEmpty()) return links;
    for (const QString& record : chain.split(';')) {
        const QStringList fields = record.split(',');
        if (fields.size() != 2) return std::nullopt;
        const auto code = wholeNumber(fields[0]);
        const auto mask = wholeNumber(fields[1]);
        if (!code || !mask || !isSixLines(*code) || !isSixLines(*mask)) return std::nullopt;
        links.push_back({static_cast<int>(*code), static_cast<int>(*mask)});
    }
    return links;
}

QString chainText(const std::vector<ChainLink>& links) {
    QStringList records;
    for (const ChainLink& link : links) records << QString("%1,%2").arg(link.code).arg(link.mask);
    return records.join(';');
}

QString storedChainForm(int width, int height, const QString& chain) {
    return QString("%1,%2;").arg(width).arg(height) + chain;
}

bool DoesStringHaveText(QString& s) {
    // The leading blanks go at once, so that a text of a million blanks costs what it holds.
    qsizetype blanks = 0;
    while (blanks < s.size() && s[blanks] == QChar(' ')) ++blanks;
    s.remove(0, blanks);
    return !s.isEmpty();
}

}  // namespace M_globals
