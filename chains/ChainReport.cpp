#include "chains/ChainReport.h"

#include "core/Hexagram.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <memory>

namespace ChainReport {

namespace {

class Report {
public:
    QString text;

    // Pieces are appended one by one: a text of megabytes is copied once, into the report.
    void block(int k, const Hexagram& h) {
        add({u"Hexagram ", QString::number(k), u":  ", h.name, CR, CR});
        add({u"  above:  ", trigramLine(h.above, true), CR});
        add({u"  below:  ", trigramLine(h.below, false), CR, CR});
        add({u"  ", h.description, CR, u"  ", h.judgement, CR});
    }

    void transition(const Hexagram& h, int mask) {
        add({CR, u"  Transformations...", CR});
        for (int line = 1; line <= 6; ++line) {
            if (!(mask & (1 << (line - 1)))) continue;
            const bool yang = h.N_Bool & (1 << (line - 1));
            add({yang ? u"    nine in the " : u"    six in the ", M_globals::firsttosixth[line], u" place:", CR,
                 h.placesSTR[static_cast<size_t>(line)], CR});
        }
        add({CR});
    }

private:
    bool readFailed = false;

    void add(std::initializer_list<QStringView> pieces) {
        qsizetype size = text.size();
        for (QStringView piece : pieces) size += piece.size();
        // Room grows by half again, so that the report is copied a bounded number of times.
        if (size > text.capacity()) text.reserve(std::max(size, text.capacity() + text.capacity() / 2));
        for (QStringView piece : pieces) text.append(piece);
    }

    // Lines read in this report: a trigram's row is read once.
    std::map<int, QString> trigramLines;

    // NAME  (FAMILY, BODY, ANIMAL, DIRECTION, ATTRIBUTE) of trigram t, empty when it cannot be read.
    QString trigramLine(int t, bool isUpper) {
        if (const auto found = trigramLines.find(t); found != trigramLines.end()) return found->second;
        SQLDatabase* db = M_globals::db.get();
        if (!db || readFailed) return {};
        auto rows = db->SQLSelect(
            "select  * from " + quoteIdentifier(M_globals::TableTri) + "  where " + TextColumn::NumberBoolean + " = ?1",
            {t});
        if (!rows || db->Error()) {
            readFailed = true;
            sayReadProblem(readFailure(tableNotRead(M_globals::TableTri)));
            return {};
        }
        rows->MoveFirst();
        if (rows->isEOF()) {
            // Said for an upper trigram; the lower one is left empty quietly.
            if (isUpper) sayReadProblem(QString("Trigram %1 is not in the table %2.").arg(t).arg(M_globals::TableTri));
            return {};
        }
        auto text = [&rows](const char* column) { return rows->Field(column).StringValue(); };
        const QString line = text(TextColumn::Name) + "  (" + text(TextColumn::Family) + ", " + text(TextColumn::Body) +
                             ", " + text(TextColumn::Animal) + ", " + text(TextColumn::Direction) + ", " +
                             text(TextColumn::Attribute) + ")";
        rows->Close();
        trigramLines[t] = line;
        return line;
    }
};

}  // namespace

QString report(const std::vector<M_globals::ChainLink>& chain) {
    // What cannot be read, hexagrams and trigrams alike, is said once for the report.
    ReadProblemsSaidOnce once;
    Report report;
    const HexagramList hexagrams = readChainHexagrams(chain, false);
    const int count = static_cast<int>(chain.size());
    for (int k = 1; k <= count; ++k) {
        const Hexagram& hexagram = *hexagrams[static_cast<size_t>(k - 1)];
        report.block(k, hexagram);
        if (k < count) report.transition(hexagram, chain[static_cast<size_t>(k - 1)].mask);
    }
    return report.text;
}

}  // namespace ChainReport
