#include "display/ChainLogic.h"

#include "core/M_globals.h"
#include "core/TrigramLookup.h"

#include <QStringList>
#include <algorithm>
#include <climits>

namespace ChainLogic {

namespace {
const QChar Tab(9);

}  // namespace

QString chainString(const HexagramList& chain, int count) {
    std::vector<M_globals::ChainLink> links;
    for (int k = 1; k <= count && k <= static_cast<int>(chain.size()); ++k) {
        const Hexagram& hexagram = *chain[static_cast<size_t>(k - 1)];
        links.push_back({hexagram.N_Bool, k == count ? 0 : hexagram.changeMask()});
    }
    return M_globals::chainText(links);
}

QString chainTooLongMessage(qsizetype links, const QString& outcome) {
    return QString("This chain would hold %1 hexagrams, more than the %2 that a chain may hold. ")
               .arg(links)
               .arg(MaxChainLength) +
           outcome;
}

QString storedChainTooLong(const QString& form, const QString& outcome) {
    // One ";" ends the header and each link but the last.
    const qsizetype links = form.count(QChar(';'));
    return links > MaxChainLength ? chainTooLongMessage(links, outcome) : QString();
}

std::optional<StoredChain> readStoredChain(const QString& form) {
    const int separator = static_cast<int>(form.indexOf(';'));
    if (separator < 0) return std::nullopt;
    // The header is two whole numbers; only the second, the height, is used.
    const QStringList header = form.left(separator).split(',');
    if (header.size() != 2 || !M_globals::wholeNumber(header[0])) return std::nullopt;
    const auto height = M_globals::wholeNumber(header[1]);
    auto links = M_globals::readChainLinks(form.mid(separator + 1));
    if (!height || *height < 1 || !links || links->empty()) return std::nullopt;
    StoredChain stored;
    stored.height = static_cast<int>(std::min<qint64>(*height, INT_MAX));
    stored.links = std::move(*links);
    stored.body = M_globals::chainText(stored.links);
    return stored;
}

namespace {
QString link(int code, int mask) { return QString("%1,%2").arg(code).arg(mask); }
// The edits work on the display's own chain string; a damaged one holds no link to edit.
std::vector<M_globals::ChainLink> linksOf(const QString& chain) {
    return M_globals::readChainLinks(chain).value_or(std::vector<M_globals::ChainLink>());
}
}  // namespace

ChainEdit replaceHexagram(const QString& chain, int count, int k, int n) {
    const auto links = linksOf(chain);
    if (k < 1 || k > count || count > static_cast<int>(links.size())) return {chain, QString()};
    // A code outside 0..63 would write a link that no reader takes.
    if (!M_globals::isSixLines(n)) return {chain, QString("Hexagram code %1 is not 0 to 63, Can't Do Edit").arg(n)};
    QString edited = chain;
    if (k > 1) {
        const int p = links[static_cast<size_t>(k - 2)].code;
        if (p == n) return {chain, "Edited Hexagram = Previous Hexagram, Can't Do Edit"};
        edited = M_globals::HexChainChangeLink(edited, link(p, M_globals::TwoHex(p, n)), k - 1, false);
    }
    if (k < count) {
        const int q = links[static_cast<size_t>(k)].code;
        if (q == n) return {chain, "Edited Hexagram = Next Hexagram, Can't Do Edit"};
        edited = M_globals::HexChainChangeLink(edited, link(n, M_globals::TwoHex(n, q)), k, false);
    } else {
        edited = M_globals::HexChainChangeLink(edited, link(n, 0), k, false);
    }
    return {edited, QString()};
}

ChainEdit changeTransition(const QString& chain, int count, int k, int mask) {
    const auto links = linksOf(chain);
    if (k < 1 || k >= count || count > static_cast<int>(links.size())) return {chain, QString()};
    if (!M_globals::isSixLines(mask)) return {chain, QString("Change mask %1 is not 0 to 63, Can't Do Edit").arg(mask)};
    const int a = links[static_cast<size_t>(k - 1)].code;
    const int next = M_globals::Hex69sToHex(a, mask);
    const bool hasNextToNext = k + 1 < count;
    const int c = hasNextToNext ? links[static_cast<size_t>(k + 1)].code : 0;
    if (hasNextToNext && next == c)
        return {chain, "Changed Next Hexagram = NextToNext Hexagram" + CR + "Can not do so."};
    QString edited = M_globals::HexChainChangeLink(chain, link(a, mask), k, false);
    edited = M_globals::HexChainChangeLink(edited, link(next, hasNextToNext ? M_globals::TwoHex(next, c) : 0), k + 1, false);
    return {edited, QString()};
}

std::optional<ChainEdit> deleteHexagram(const QString& chain, int count, int k) {
    const auto links = linksOf(chain);
    if (count < 2 || k < 1 || k > count || count > static_cast<int>(links.size())) return std::nullopt;
    if (k == 1) return ChainEdit{chain.section(';', 1), QString()};
    const int p = links[static_cast<size_t>(k - 2)].code;
    if (k == count) return ChainEdit{M_globals::HexChainChangeLink(chain, link(p, 0), k, true), QString()};
    const int q = links[static_cast<size_t>(k)].code;
    // Joined, the two neighbours would be one hexagram following itself.
    if (p == q) return ChainEdit{chain, "Previous Hexagram = Next Hexagram, Can't Delete"};
    return ChainEdit{M_globals::HexChainChangeLink(chain, link(p, M_globals::TwoHex(p, q)), k, true), QString()};
}

QString transitionText(const Hexagram& hexagram) {
    QString text;
    for (int line = 6; line >= 1; --line) {
        const auto L = static_cast<size_t>(line);
        if (!hexagram.places[L]) continue;
        text += hexagram.YinYang[L] ? "Nine in the " : "Six in the ";
        text += M_globals::firsttosixth.size() > L ? M_globals::firsttosixth[L] : QString();
        text += QString(" place:") + CR + hexagram.placesSTR[L] + CR + CR;
    }
    return text;
}

int transitionTop(int th, int hexH, int top) {
    if (th <= hexH) return Int(hexH / 2.0 + top - th / 2.0);
    if (th <= hexH + top) return Int((hexH + top) / 2.0 - th / 2.0);
    return 10;
}

std::optional<Hit> hitTest(double x, int count) {
    for (int k = 1; k <= count - 1; ++k) {
        const int left = columnX(k);
        if (left < x && x < left + ColumnWidth) return Hit{k, false};
        if (left + ColumnWidth < x && x < Pitch * k) return Hit{k, true};
    }
    if (count >= 1) {
        const int left = columnX(count);
        if (left < x && x < left + ColumnWidth) return Hit{count, false};
    }
    return std::nullopt;
}

bool selectionIsValid(bool isSelected, int number, bool isTransition, int count) {
    if (!isSelected || number < 1) return false;
    return isTransition ? number + 1 <= count : number <= count;
}

QString gettransition(const Hexagram& hexagram) {
    QString text;
    for (int line = 1; line <= 6; ++line)
        if (hexagram.places[static_cast<size_t>(line)]) text += hexagram.placesSTR[static_cast<size_t>(line)] + Tab;
    return text;
}

QString spokenTransition(const Hexagram& from, const Hexagram& to) {
    using M_globals::trigramName;
    return "From " + from.name + " to " + to.name + ".  " + "Above: from " + trigramName(from.above) + " to " +
           trigramName(to.above) + ".  " + "Below: from " + trigramName(from.below) + " to " + trigramName(to.below) +
           ". " + "The transition is, " + Tab + gettransition(from);
}

QString spokenHexagram(const Hexagram& hexagram) { return hexagram.name + ".  " + hexagram.description + hexagram.judgement; }

QString spokenChain(const HexagramList& chain, int count) {
    QString text;
    for (int k = 1; k <= count && k <= static_cast<int>(chain.size()); ++k) {
        const Hexagram& hexagram = *chain[static_cast<size_t>(k - 1)];
        text += hexagram.name + "." + hexagram.description + "." + hexagram.judgement;
        if (k < count) text += ".  Next hexagram.";
    }
    return text;
}

}  // namespace ChainLogic
