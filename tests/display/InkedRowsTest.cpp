// With the shipped texts (long descriptions and judgements, transitions of up to six changing
// lines at 10 px) every inked row of a drawing survives the trim, the copy, a load and each edit.
#include "ShellSupport.h"

#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/Clipboard.h"
#include "platform/Speech.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The shipped database's SQL, as the build runs it.
QString shippedSql() {
    const QDir data(YARROWEN_DATA_DIR);
    QStringList files{"schema.sql"};
    files += data.entryList({"hexagrams-*.sql"}, QDir::Files, QDir::Name);
    QString sql;
    for (const QString& name : files) {
        QFile file(data.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        sql += QString::fromUtf8(file.readAll()) + "\n";
    }
    return sql;
}

QImage clipboardPicture() { return Clipboard().Picture().convertToFormat(QImage::Format_RGB32); }

std::vector<int> codesOf(const QString& chain) {
    std::vector<int> codes;
    const auto links = M_globals::readChainLinks(chain);
    EXPECT_TRUE(links.has_value());
    for (const auto& link : links.value_or(std::vector<M_globals::ChainLink>())) codes.push_back(link.code);
    return codes;
}

}  // namespace

class InkedRows : public ::testing::Test {
protected:
    InkedRows() : program(shippedSql()), display(displayWindow::instance()) {
        StartedProgram::settle();
        M_globals::isspeaking = false;
    }

    // The drawing of the chain built hexagram by hexagram, as the input window builds it.
    QImage built(const std::vector<int>& codes) {
        display->virev.clear();
        display->virevcount = 0;
        display->doupdate();
        for (int code : codes) display->newhex(code, true);
        const QImage drawing = display->drawbuffer->toImage();
        const int ink = lastInkedRow(drawing);
        EXPECT_GT(ink, 500) << "the texts reach below the first drawing's height";
        EXPECT_LT(ink, drawing.height() - 1) << "the drawing holds its texts whole";
        return drawing;
    }

    // `shown` holds every inked row of `whole`, pixel for pixel (a loaded chain is 20 columns wider).
    static void expectEveryInkedRow(const QImage& shown, const QImage& whole) {
        EXPECT_GT(shown.height(), lastInkedRow(whole));
        const int width = std::min(shown.width(), whole.width());
        const int rows = std::min(shown.height(), whole.height());
        EXPECT_TRUE(shown.copy(0, 0, width, rows) == whole.copy(0, 0, width, rows).convertToFormat(shown.format()));
    }

    QImage shown() const { return display->drawbuffer->toImage(); }

    // Selects hexagram k or the transition after it, as a click does.
    void select(int k, bool transition) {
        display->isrecordtoedit = false;
        display->Canvas1_MouseDown(ChainLogic::columnX(k) + (transition ? 300 : 100) + display->offsetH, 50);
        ASSERT_TRUE(display->hasValidSelection(transition));
    }

    StartedProgram program;
    RecordingSpeech speech;
    displayWindow* display;
};

TEST_F(InkedRows, TrimCopyLoadsAndEditsKeepEveryInkedRow) {
    const std::vector<int> codes = {63, 0, 21, 42, 7, 56};  // 5 and 6 lines change at each step
    for (const QString font : {"DejaVu Sans", "DejaVu Serif"}) {
        SCOPED_TRACE(font.toStdString());
        M_globals::font_sixnines = font;
        M_globals::font_judgement = font;
        const QImage whole = built(codes);
        const QString chain = display->theHexChain;

        display->trimwindowpicheight();
        {
            SCOPED_TRACE("trim");
            expectEveryInkedRow(shown(), whole);
            EXPECT_LT(shown().height(), whole.height());
        }

        display->isrecordtoedit = false;
        display->_editcopy_Action();
        {
            SCOPED_TRACE("copy of the whole drawing");
            expectEveryInkedRow(clipboardPicture(), whole);
        }
        select(3, false);
        display->_editcopy_Action();
        {
            SCOPED_TRACE("copy of a column");
            expectEveryInkedRow(clipboardPicture(), whole.copy(ChainLogic::columnX(3), 0, ChainLogic::Pitch, whole.height()));
        }

        for (const QString header : {"0,50;", "0,500;", "900,1000;", "0,32000;"}) {
            SCOPED_TRACE(("load under the header " + header).toStdString());
            display->DoLoadHexChain(header + chain);
            ASSERT_EQ(display->theHexChain, chain);
            expectEveryInkedRow(shown(), whole);
            EXPECT_EQ(display->drawbuffer->Height(), lastInkedRow(shown()) + 10);
        }

        struct Edit {
            const char* what;
            std::function<void()> run;
        } edits[] = {
            {"replacing hexagram 3", [&] { select(3, false); display->doHexEdit(5, false); }},
            {"changing transition 2", [&] { select(2, true); display->Do6and9Edit(45, true); }},
            {"deleting hexagram 2", [&] { select(2, false); display->deleteHex(); }},
        };
        for (const Edit& edit : edits) {
            SCOPED_TRACE(edit.what);
            display->DoLoadHexChain("0,500;" + chain);
            edit.run();
            ASSERT_NE(display->theHexChain, chain);
            const QImage edited = shown();
            expectEveryInkedRow(edited, built(codesOf(display->theHexChain)));
        }
    }
}
