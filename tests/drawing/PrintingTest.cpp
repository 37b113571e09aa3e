#include "core/FormattedText.h"
#include "core/StyledTextDrawing.h"
#include "core/M_globals.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"
#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString Ellipsis(QChar(0x2026));

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The text of each page, blanks and line breaks folded to single blanks.
QStringList pageTexts(const QString& pdf) {
    QStringList pages;
    for (int page = 1; page <= pageCount(pdf); ++page)
        pages << run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"}).simplified();
    return pages;
}

struct Word {
    QString text;
    QRectF box;
};
struct PdfPage {
    QSizeF size;
    std::vector<Word> words;
};

// Every word of every page with its box, in points from the page's top left.
std::vector<PdfPage> pageWords(const QString& pdf, const TestFolder& folder) {
    const QString html = folder.path("words.html");
    run("pdftotext", {"-bbox", pdf, html});
    QFile file(html);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    std::vector<PdfPage> pages;
    static const QRegularExpression item(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|"
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    for (auto it = item.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.push_back({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        } else if (!pages.empty()) {
            const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
            const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
            pages.back().words.push_back({m.captured(7), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

// The height of one line of the printed text (the text font at the default size).
int printedLineHeight() {
    DrawnSection section;
    section.TextFont = M_globals::font_text;
    section.TextSize = 0;
    return section.SectionTextHeight();
}

class ChainPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        M_globals::loadtritable("TRIGRAMS_DEFAULT");
        M_globals::font_text = "DejaVu Sans";
        M_globals::Printer_ps = std::make_shared<PrinterSetup>();
        lineHeight = printedLineHeight();
    }
    void TearDown() override { M_globals::Printer_ps.reset(); }

    // A page of the given size in points, with margins all round.
    void usePage(double width, double height, double margin = 0, int horizontalResolution = 72,
                 int verticalResolution = 72) {
        const QString setup = QString("yarrowen-page-setup;size=%1x%2;orientation=portrait;margins=%3,%3,%3,%3;"
                                      "resolution=%4,%5")
                                  .arg(width)
                                  .arg(height)
                                  .arg(margin)
                                  .arg(horizontalResolution)
                                  .arg(verticalResolution);
        ASSERT_TRUE(M_globals::Printer_ps->setSetupString(setup)) << setup.toStdString();
    }

    // Prints the chain into a PDF file through the printer dialog; its path.
    QString print(const QString& chain) {
        const QString pdf = folder.path(QString("chain%1.pdf").arg(++printed));
        dialogs.printTargets.push_back(pdf);
        M_globals::printfile(chain);
        return pdf;
    }

    ProgramDatabase database{{63, 62, 31}};
    ScriptedDialogs dialogs;
    TestFolder folder;
    int printed = 0;
    int lineHeight = 0;
};

// The chain 63 -> 62 -> 31: line 1 changes, then lines 1 and 6.
const QString Chain = "63,1;62,33;31,0";
// Its printed texts in order, blanks folded.
const QStringList ChainTexts = {
    "1) name63", "(tri7/tri7)", "desc63 judg63", "In transition" + Ellipsis + " [1] line63.1",
    "2) name62", "(tri7/tri6)", "desc62 judg62", "In transition" + Ellipsis + " [1] line62.1 [6] line62.6",
    "3) name31", "(tri3/tri7)", "desc31 judg31"};

}  // namespace

TEST_F(ChainPrinting, EveryTextInOrderWithPageBreaksBeforeBlocksThatDoNotFit) {
    // Beside a figure the text has 47 units: three lines fit, the transition line continues below.
    ASSERT_LE(3 * lineHeight, 47);
    ASSERT_GT(4 * lineHeight, 47);
    const int blockAndLine = 59 + lineHeight;
    struct Case {
        const char* name;
        double width, height, margin;
        std::vector<int> pageOfText;  // for each of ChainTexts
    };
    const Case cases[] = {
        {"A4", 595, 842, 36, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        // After hexagram 1 and its transition line exactly 67 are left: block 2 still fits; after
        // it less than 20 are left, so its transition line opens page 2.
        {"room for block 2", 400, double(blockAndLine + 67), 0, {1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2}},
        // One unit less: block 2 begins a new page, and so does block 3.
        {"no room for block 2", 400, double(blockAndLine + 66), 0, {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3}},
        // The smallest page: every block fills a page and its continuation takes the next; no
        // page is left blank.
        {"a page one block high", 400, 59, 0, {1, 1, 1, 2, 3, 3, 3, 4, 5, 5, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        usePage(c.width, c.height, c.margin);
        const QStringList pages = pageTexts(print(Chain));
        ASSERT_EQ(pages.size(), *std::max_element(c.pageOfText.begin(), c.pageOfText.end()));
        std::vector<qsizetype> from(static_cast<size_t>(pages.size()), 0);
        for (int i = 0; i < ChainTexts.size(); ++i) {
            SCOPED_TRACE(ChainTexts[i].toStdString());
            const auto page = static_cast<size_t>(c.pageOfText[static_cast<size_t>(i)] - 1);
            const qsizetype at = pages[static_cast<qsizetype>(page)].indexOf(ChainTexts[i], from[page]);
            EXPECT_GE(at, 0) << "on page " << page + 1 << ": " << pages[static_cast<qsizetype>(page)].toStdString();
            if (at >= 0) from[page] = at + ChainTexts[i].size();
        }
        for (const QString& page : pages) EXPECT_FALSE(page.isEmpty());
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(ChainPrinting, LongTextContinuesOverPagesWithoutLossOrOverlap) {
    QStringList words;
    for (int i = 1; i <= 400; ++i) words << QString("w%1").arg(i, 3, 10, QChar('0'));
    database.exec("UPDATE ENGLISH_DEFAULT SET JUDGEMENT = '" + words.join(' ') + "' WHERE NUMBER_BOOLEAN = 62");
    const double margin = 20, width = 300, height = 220;
    usePage(width, height, margin);
    const QString pdf = print(Chain);

    const QStringList pages = pageTexts(pdf);
    ASSERT_GT(pages.size(), 2);
    // Every text and every word, in order, across the pages.
    const QString all = pages.join(' ');
    qsizetype from = 0;
    QStringList expected = ChainTexts;
    expected.replace(6, "desc62 " + words.join(' '));
    for (const QString& text : expected) {
        const qsizetype at = all.indexOf(text, from);
        EXPECT_GE(at, 0) << text.toStdString();
        if (at >= 0) from = at + text.size();
    }

    // Nothing overlaps and nothing runs past the printable area; words are as wide on paper as
    // the layout measured them.
    const QRectF printable(margin, margin, width - 2 * margin, height - 2 * margin);
    auto picture = NewPicture(10, 10, 32);
    Graphics& measure = *picture->graphics();
    measure.TextFont = M_globals::font_text;
    for (const PdfPage& page : pageWords(pdf, folder)) {
        for (size_t i = 0; i < page.words.size(); ++i) {
            const Word& word = page.words[i];
            SCOPED_TRACE(word.text.toStdString());
            if (word.text.startsWith('w')) {
                EXPECT_NEAR(word.box.width(), measure.StringWidth(word.text), 0.05);
            }
            EXPECT_LE(word.box.bottom(), printable.bottom() + 0.5);
            EXPECT_GE(word.box.top(), printable.top() - 0.5);
            for (size_t j = i + 1; j < page.words.size(); ++j) {
                const QRectF both = word.box.intersected(page.words[j].box);
                EXPECT_TRUE(both.width() < 0.5 || both.height() < 0.5) << "overlaps " << page.words[j].text.toStdString();
            }
        }
    }
}

TEST_F(ChainPrinting, AWordWiderThanThePageIsBrokenAndPrintedWhole) {
    QString address = "https://library.example/";
    for (int i = 0; address.size() < 220; ++i) address += QString("volume%1/").arg(i);
    database.exec("UPDATE ENGLISH_DEFAULT SET JUDGEMENT = 'see " + address + " there' WHERE NUMBER_BOOLEAN = 62");
    const double margin = 20, width = 300, height = 400;
    usePage(width, height, margin);
    const QString pdf = print(Chain);

    // Every character, in order: the pieces of the address follow each other.
    QString all = pageTexts(pdf).join("");
    all.remove(' ');
    EXPECT_TRUE(all.contains("desc62see" + address + "there")) << all.toStdString();
    // On several lines, none past the printable area.
    int pieces = 0;
    for (const PdfPage& page : pageWords(pdf, folder)) {
        for (const Word& word : page.words) {
            SCOPED_TRACE(word.text.toStdString());
            if (address.contains(word.text) && word.text.size() > 3) ++pieces;
            EXPECT_LE(word.box.right(), width - margin + 0.5);
        }
    }
    EXPECT_GT(pieces, 3);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(ChainPrinting, RefusesPagesAndResolutionsItCannotPrintOn) {
    const QString resolution = "Not set up for higher print resolutions yet.  Sorry.";
    const QString tooSmall = "Page size too small.";
    struct Case {
        const char* name;
        double width, height;
        int horizontalResolution, verticalResolution;
        QString message;  // empty: prints
    };
    const Case cases[] = {
        {"72 by 72", 400, 400, 72, 72, ""},
        {"horizontal 73", 400, 400, 73, 72, resolution},
        {"vertical 73", 400, 400, 72, 73, resolution},
        {"58 high", 400, 58, 72, 72, tooSmall},
        {"58 wide", 58, 400, 72, 72, tooSmall},
        {"59 by 59", 59, 59, 72, 72, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        usePage(c.width, c.height, 0, c.horizontalResolution, c.verticalResolution);
        dialogs.messages.clear();
        dialogs.printerDialogsShown = 0;
        dialogs.printTargets.clear();
        // The resolution is checked before any hexagram is read: without a connection no
        // hexagram could be read without a message.
        std::shared_ptr<SQLDatabase> connection = M_globals::db;
        if (c.message == resolution) M_globals::db.reset();
        const QString pdf = print(Chain);
        M_globals::db = connection;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
            EXPECT_GE(pageCount(pdf), 1);
        } else {
            EXPECT_EQ(dialogs.messages, QStringList{c.message});
            EXPECT_EQ(dialogs.printerDialogsShown, 0);
            EXPECT_FALSE(QFile::exists(pdf));
        }
    }

    // A damaged chain text is not printed.
    usePage(400, 400);
    dialogs.messages.clear();
    const int shown = dialogs.printerDialogsShown;
    M_globals::printfile("63,1;;31,0");
    EXPECT_EQ(dialogs.messages, QStringList{M_globals::DamagedChainMessage});
    EXPECT_EQ(dialogs.printerDialogsShown, shown);

    // A cancelled printer dialog prints nothing and ends quietly; a job that cannot start (its
    // file cannot be written) is reported.
    dialogs.messages.clear();
    M_globals::printfile(Chain);
    EXPECT_EQ(dialogs.printerDialogsShown, shown + 1);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    dialogs.printTargets.push_back(folder.path("no such folder/out.pdf"));
    M_globals::printfile(Chain);
    EXPECT_EQ(dialogs.messages, QStringList{"Printer graphics failed."});
}

// A line taller than the page, between two ordinary lines, printed from the top of the first page.
class TallLine : public ::testing::Test {
protected:
    static constexpr int Margin = 20, PageWidth = 400, PageHeight = 200;
    static constexpr int H = PageHeight - 2 * Margin;  // the printable height

    // Prints the text down fresh pages into a PDF file; its path.
    QString printOnPages(const StyledText& st) {
        PrinterSetup setup;
        EXPECT_TRUE(setup.setSetupString(QString("yarrowen-page-setup;size=%1x%2;orientation=portrait;"
                                                 "margins=%3,%3,%3,%3;resolution=72,72")
                                             .arg(PageWidth)
                                             .arg(PageHeight)
                                             .arg(Margin)));
        const QString pdf = folder.path(QString("tall%1.pdf").arg(++printed));
        dialogs.printTargets.push_back(pdf);
        std::shared_ptr<Graphics> g = OpenPrinterDialog(&setup);
        EXPECT_TRUE(g);
        if (!g) return pdf;
        EXPECT_EQ(g->Height(), H);
        StyledTextDrawing::PrintedPages pages(*g);
        StyledTextDrawing::TextFlow flow(st);
        pages.print(flow);
        return pdf;  // the job ends with g
    }

    // Page `page` (from 1) drawn at 72 dots per inch: one pixel a unit.
    QImage render(const QString& pdf, int page) {
        const QString base = folder.path(QString("page%1-%2").arg(printed).arg(page));
        run("pdftoppm", {"-r", "72", "-png", "-singlefile", "-f", QString::number(page), "-l", QString::number(page), pdf, base});
        return QImage(base + ".png");
    }

    static int lineHeight(int size) {
        DrawnSection section;
        section.TextFont = "DejaVu Sans";
        section.TextSize = size;
        return section.SectionTextHeight();
    }

    // The lines in their sizes, joined by line ends in size 12, so that each line is as tall as
    // its own size makes it.
    static StyledText text(const QStringList& lines, const std::vector<int>& sizes) {
        StyledText st;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            StyleRun run;
            run.Font = "DejaVu Sans";
            run.Size = sizes[static_cast<size_t>(i)];
            run.Text = lines[i];
            st.AppendStyleRun(run);
            if (i + 1 == lines.size()) break;
            run.Size = 12;
            run.Text = QChar(13);
            st.AppendStyleRun(run);
        }
        return st;
    }

    ScriptedDialogs dialogs;
    TestFolder folder;
    int printed = 0;
};

TEST_F(TallLine, GoesOnOverTheFollowingPagesLosingAndOverdrawingNothing) {
    const QChar block(0x2588);  // a full block: ink from the line's top to its bottom
    struct Case {
        const char* name;
        QStringList lines;
        std::vector<int> sizes;
    } cases[] = {
        {"between two short lines", {"before", QString(block), "after"}, {12, 400, 12}},
        {"first and last", {QString(block)}, {300}},
        // The tallest line a page holds moves to the next page whole, uncut.
        {"as tall as a page", {"before", "H", "after"}, {12, 0, 12}},
    };
    int pageTall = 1;
    while (lineHeight(pageTall + 1) <= H) ++pageTall;
    ASSERT_GT(lineHeight(pageTall), H - 5);
    cases[2].sizes[1] = pageTall;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString pdf = printOnPages(text(c.lines, c.sizes));
        // Where each line lands: a line that does not fit the rest of a page starts the next one,
        // and one taller than a page goes on over the pages after it.
        int page = 1, top = 0;
        std::vector<int> firstPage, lastPage, end;
        for (int size : c.sizes) {
            const int height = lineHeight(size);
            if (top > 0 && top + height > H) {
                ++page;
                top = 0;
            }
            firstPage.push_back(page);
            page += (top + height - 1) / H;
            top = (top + height - 1) % H + 1;
            lastPage.push_back(page);
            end.push_back(top);
        }
        const QStringList texts = pageTexts(pdf);
        ASSERT_EQ(texts.size(), lastPage.back());
        for (qsizetype i = 0; i < c.lines.size(); ++i) {
            if (c.lines[i] == QString(block)) continue;  // cut: its glyph is on several pages
            EXPECT_TRUE(texts[firstPage[static_cast<size_t>(i)] - 1].contains(c.lines[i])) << c.lines[i].toStdString();
        }
        for (int p = 1; p <= texts.size(); ++p) {
            SCOPED_TRACE(p);
            const QImage image = render(pdf, p);
            ASSERT_EQ(image.size(), QSize(PageWidth, PageHeight));
            // Nothing outside the printable area: the margins stay white (but for the pixel rows
            // that the area's edges, a fraction of a point inside, share with them).
            const QImage top = image.copy(0, 0, PageWidth, Margin - 1);
            const QImage bottom = image.copy(0, PageHeight - Margin + 1, PageWidth, Margin - 1);
            EXPECT_EQ(lastInkedRow(top), -1);
            EXPECT_EQ(lastInkedRow(bottom), -1);
            // The block's ink runs to the edges of each page it is cut at, with no gap: a page it
            // goes on from is inked down to its last printable row, a page it goes on to from its first.
            for (size_t i = 0; i < c.sizes.size(); ++i) {
                if (c.lines[static_cast<qsizetype>(i)] != QString(block)) continue;
                const bool cutBelow = p >= firstPage[i] && p < lastPage[i];
                const bool cutAbove = p > firstPage[i] && p <= lastPage[i];
                const QImage column = image.copy(Margin, Margin, 20, H);
                if (cutBelow) {
                    EXPECT_EQ(lastInkedRow(column), H - 1);
                }
                if (cutAbove) {
                    EXPECT_LT(qGray(column.pixel(10, 0)), 128);
                }
            }
        }
        // The line after the block starts where the block's last piece ends, not over it.
        if (c.lines.size() == 3) {
            const std::vector<PdfPage> words = pageWords(pdf, folder);
            const PdfPage& last = words[static_cast<size_t>(lastPage[2] - 1)];
            auto after = std::find_if(last.words.begin(), last.words.end(), [](const Word& w) { return w.text == "after"; });
            ASSERT_NE(after, last.words.end());
            const int blockEnd = lastPage[1] == lastPage[2] ? end[1] : 0;
            EXPECT_GE(after->box.top(), Margin + blockEnd - 0.5);
            EXPECT_LE(after->box.bottom(), PageHeight - Margin + 0.5);
        }
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(PrinterSetup, SetupStringKeepsThePageAndRefusesForeignText) {
    PrinterSetup setup;
    EXPECT_EQ(setup.HorizontalResolution, 72);
    EXPECT_EQ(setup.Width(), 595 - 72);  // A4 inside half-inch margins
    const QString a4 = setup.SetupString();

    setup.layout.setOrientation(QPageLayout::Landscape);
    setup.layout.setMargins(QMarginsF(10, 20, 30, 40));
    PrinterSetup copy;
    ASSERT_TRUE(copy.setSetupString(setup.SetupString()));
    EXPECT_EQ(copy.SetupString(), setup.SetupString());
    EXPECT_EQ(copy.Width(), 842 - 40);  // A4 turned, inside the margins
    EXPECT_EQ(copy.Height(), 595 - 60);

    ASSERT_TRUE(copy.setSetupString("yarrowen-page-setup;size=300x200;orientation=portrait;margins=0,0,0,0;"
                                    "resolution=72,73"));
    EXPECT_EQ(copy.Width(), 300);
    EXPECT_EQ(copy.Height(), 200);
    EXPECT_EQ(copy.VerticalResolution, 73);

    for (const char* foreign : {"", "garbage", "yarrowen-page-setup;size=A4", "yarrowen-page-setup;size=0x5;"
                                "orientation=portrait;margins=0,0,0,0;resolution=72,72",
                                "yarrowen-page-setup;size=A4;orientation=portrait;margins=300,0,300,0;resolution=72,72"}) {
        SCOPED_TRACE(foreign);
        PrinterSetup untouched;
        EXPECT_FALSE(untouched.setSetupString(foreign));
        EXPECT_EQ(untouched.SetupString(), a4);
    }
}

TEST(PrinterSetup, PageSetupGoesThroughTheDialogSeam) {
    ScriptedDialogs dialogs;
    PrinterSetup setup;
    const QString before = setup.SetupString();
    EXPECT_FALSE(PageSetupDialog(setup));  // no answer: cancelled
    const QString chosen = "yarrowen-page-setup;size=A5;orientation=landscape;margins=10,10,10,10;resolution=72,72";
    dialogs.pageSetups = {std::nullopt, chosen};
    EXPECT_FALSE(PageSetupDialog(setup));
    EXPECT_EQ(setup.SetupString(), before);
    EXPECT_TRUE(PageSetupDialog(setup));
    EXPECT_EQ(setup.SetupString(), chosen);
    EXPECT_EQ(dialogs.pageSetupsShown, (QStringList{before, before, before}));
}
