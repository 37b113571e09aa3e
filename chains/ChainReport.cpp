#include "chains/ChainReport.h"

#include "core/Hexagram.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

namespace ChainReport {

namespace {

const QString CR(QChar(13));

class Report {
public:
    QString text;

    void block(int k, const Hexagram& h) {
        text += "Hexagram " + QString::number(k) + ":  " + h.name + CR;
        text += CR;
        text += "  above:  " + trigramLine(h.above, true) + CR;
        text += "  below:  " + trigramLine(h.below, false) + CR;
        text += CR;
        text += "  " + h.description + CR;
        text += "  " + h.judgement + CR;
    }

    void transition(const Hexagram& h, int mask) {
        text += CR + "  Transformations..." + CR;
        for (int line = 1; line <= 6; ++line) {
            if (!(mask & (1 << (line - 1)))) continue;
            const bool yang = h.N_Bool & (1 << (line - 1));
            text += (yang ? "    nine in the " : "    six in the ") + M_globals::firsttosixth[line] + " place:" + CR;
            text += h.placesSTR[static_cast<size_t>(line)] + CR;
        }
        text += CR;
    }

private:
    bool readFailed = false;

    // NAME  (FAMILY, BODY, ANIMAL, DIRECTION, ATTRIBUTE) of trigram t, empty when it cannot be read.
    QString trigramLine(int t, bool isUpper) {
        SQLDatabase* db = M_globals::db.get();
        if (!db || readFailed) return {};
        auto rows = db->SQLSelect("select  * from " + quoteIdentifier(M_globals::TableTri) + "  where NUMBER_BOOLEAN = ?1",
                                  {t});
        if (!rows || db->Error()) {
            readFailed = true;
            sayReadProblem(db->ErrorMessage());
            return {};
        }
        rows->MoveFirst();
        if (rows->isEOF()) {
            // Said for an upper trigram; the lower one is left empty quietly.
            if (isUpper) sayReadProblem(QString("Trigram %1 is not in the table %2.").arg(t).arg(M_globals::TableTri));
            return {};
        }
        const QString line = rows->Field("NAME").StringValue() + "  (" + rows->Field("FAMILY").StringValue() + ", " +
                             rows->Field("BODY").StringValue() + ", " + rows->Field("ANIMAL").StringValue() + ", " +
                             rows->Field("DIRECTION").StringValue() + ", " + rows->Field("ATTRIBUTE").StringValue() + ")";
        rows->Close();
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
