// Printing a chain whose judgement is a long text, into a PDF file, on a copy of the shipped
// database: the time of the whole print and the pages it makes, for texts of 128 KB and 1 MB.
#include "Bench.h"

#include "core/M_globals.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <cstdio>

namespace {

// The page count pdfinfo gives, 0 when it cannot tell.
int pdfPages(const QString& pdf) {
    QProcess process;
    process.start("pdfinfo", {pdf});
    if (!process.waitForFinished(60000)) return 0;
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

}  // namespace

void benchPrinting() {
    BenchProgram program;
    if (!program.started()) return;
    ScriptedDialogs dialogs;  // the printer dialog answers with a PDF file

    std::printf("%-15s %8s %10s %6s\n", "judgement", "size", "print ms", "pages");
    struct Kind {
        const char* name;
        qsizetype paragraphLength;
    };
    for (const Kind kind : {Kind{"paragraphs", 600}, Kind{"one paragraph", qsizetype(1) << 40}}) {
        double ms128 = 0, ms1M = 0;
        for (const qsizetype size : {qsizetype(128) << 10, qsizetype(1) << 20}) {
            M_globals::db->SQLExecute("UPDATE " + quoteIdentifier(M_globals::TableHex) +
                                          " SET JUDGEMENT = ?1 WHERE NUMBER_BOOLEAN = 62",
                                      {prose(size, kind.paragraphLength)});
            const QString pdf = QDir(program.folderPath()).filePath(QString("print%1.pdf").arg(size));
            dialogs.printTargets.push_back(pdf);
            const double ms = timeMs([] { M_globals::printfile("63,1;62,0"); });
            std::printf("%-15s %5lld KB %10.0f %6d\n", kind.name, static_cast<long long>(size >> 10), ms, pdfPages(pdf));
            std::fflush(stdout);
            (size == (qsizetype(1) << 20) ? ms1M : ms128) = ms;
        }
        std::printf("%-15s print 1 MB / 128 KB: %.1f (linear: about 8)\n", kind.name, ms1M / ms128);
    }
    if (!dialogs.messages.isEmpty()) std::printf("messages: %s\n", qPrintable(dialogs.messages.join(" | ")));
}
