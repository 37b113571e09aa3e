#include "display/ChainLogic.h"

#include "core/M_globals.h"
#include "core/trigramClass.h"

#include <QStringList>

namespace ChainLogic {

namespace {
const QChar CR(13);
const QChar Tab(9);

// The name of trigram t of the table in use; empty for a number outside 0..7.
QString trigramName(int t) {
    if (t < 0 || t > 7 || static_cast<size_t>(t) >= M_globals::tridata.size() || !M_globals::tridata[static_cast<size_t>(t)])
        return QString();
    return M_globals::tridata[static_cast<size_t>(t)]->name;
}
}  // namespace

QString chainString(const HexagramList& chain, int count) {
    QStringList links;
    for (int k = 1; k <= count && k <= static_cast<int>(chain.size()); ++k) {
        const Hexagram& hexagram = *chain[static_cast<size_t>(k - 1)];
        const int mask = k == count ? 0 : hexagram.changeMask();
        links << QString("%1,%2").arg(hexagram.N_Bool).arg(mask);
    }
    return links.join(';');
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
