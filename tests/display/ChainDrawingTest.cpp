// The display window's chain as newhex builds it, and its drawing: the chain string, the refusals,
// the figures, captions, texts and transitions in their columns, the pictures growing to hold what
// is drawn, the redraw with new settings and the trim.
#include "DisplaySupport.h"

#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "display/ChainDrawing.h"
#include "platform/VectorShapes.h"

namespace {

const QColor Upper(30, 30, 200), Lower(30, 100, 100), White(255, 255, 255);

// What a refused newhex must leave as it was.
struct Shown {
    QString chain;
    int count;
    std::shared_ptr<ChainPicture> picture;  // held, so its address cannot come back
    QImage pixels;
    int scrollV, maximumV;

    explicit Shown(displayWindow* display)
        : chain(display->theHexChain), count(display->virevcount), picture(display->drawbuffer),
          pixels(display->drawbuffer->toImage()), scrollV(display->ScrollBarV->Value()),
          maximumV(display->ScrollBarV->Maximum()) {}
    void expectSame(displayWindow* display) const {
        EXPECT_EQ(display->theHexChain, chain);
        EXPECT_EQ(display->virevcount, count);
        EXPECT_EQ(display->drawbuffer, picture);
        EXPECT_TRUE(display->drawbuffer->toImage() == pixels) << "the drawing changed";
        EXPECT_EQ(display->ScrollBarV->Value(), scrollV) << "the scroll bars were set up again";
        EXPECT_EQ(display->ScrollBarV->Maximum(), maximumV);
    }
};

}  // namespace

using ChainDrawing_ = DisplayTest;

TEST_F(ChainDrawing_, NewhexBuildsTheChainStringAndRefusesSilently) {
    struct Step {
        int code;
        bool add;
        const char* chain;  // nullptr: refused, nothing changes
    };
    struct Sequence {
        const char* name;
        std::vector<Step> steps;
    } sequences[] = {
        {"first hexagram, replacing", {{12, false, "12,0"}}},
        {"first hexagram, adding", {{12, true, "12,0"}}},
        {"add, replace, refusals",
         {{0, true, "0,0"}, {5, true, "0,5;5,0"}, {6, false, "0,6;6,0"},
          {6, true, nullptr},    // equal to the last hexagram
          {0, false, nullptr},   // equal to the hexagram before the last
          {6, false, "0,6;6,0"}}},  // the last hexagram in place of itself: redrawn
        {"one hexagram in place of itself", {{7, true, "7,0"}, {7, false, "7,0"}}},
        {"adding to three keeps the first links", {{63, true, "63,0"}, {0, true, "63,63;0,0"}, {5, true, "63,63;0,5;5,0"},
                                                   {42, true, "63,63;0,5;5,47;42,0"}}},
    };
    for (const Sequence& sequence : sequences) {
        SCOPED_TRACE(sequence.name);
        emptyChain();
        display->recordtoedit = 2;
        display->isrecordtoedit = true;
        for (const Step& step : sequence.steps) {
            SCOPED_TRACE(QString("newhex(%1, %2)").arg(step.code).arg(step.add).toStdString());
            display->ScrollBarV->setValue(7);
            const Shown before(display);
            display->newhex(step.code, step.add);
            if (!step.chain) {
                before.expectSame(display);
                continue;
            }
            EXPECT_EQ(display->theHexChain, step.chain);
            EXPECT_EQ(display->virevcount, QString(step.chain).count(';') + 1);
            EXPECT_EQ(display->virev.back()->N_Bool, step.code);
            EXPECT_EQ(display->ScrollBarV->Value(), 0);  // set up again for the new drawing
        }
        // newhex never touches the selection.
        EXPECT_EQ(display->recordtoedit, 2);
        EXPECT_TRUE(display->isrecordtoedit);
    }
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

TEST_F(ChainDrawing_, AHexagramThatCannotBeReadChangesNothing) {
    build({63, 0});
    display->ScrollBarV->setValue(7);
    struct Case {
        const char* name;
        int code;
        bool add;
        QString table;
        QString message;  // empty: the engine's own
    } cases[] = {
        {"no row, adding", 9, true, "ENGLISH_DEFAULT", "Hexagram 9 is not in the table ENGLISH_DEFAULT."},
        {"no row, replacing", 4, false, "ENGLISH_DEFAULT", "Hexagram 4 is not in the table ENGLISH_DEFAULT."},
        {"no table", 5, true, "NO_SUCH_TABLE", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        M_globals::TableHex = c.table;
        program.dialogs.messages.clear();
        const Shown before(display);
        display->newhex(c.code, c.add);
        before.expectSame(display);
        // No hexagram got changing lines toward it either.
        EXPECT_EQ(display->virev[0]->changeMask(), 63);
        EXPECT_EQ(display->virev[1]->changeMask(), 0);
        ASSERT_EQ(program.dialogs.messages.size(), 1);
        if (!c.message.isEmpty()) EXPECT_EQ(program.dialogs.messages[0], c.message);
        else EXPECT_TRUE(program.dialogs.messages[0].contains("NO_SUCH_TABLE"));
        M_globals::TableHex = "ENGLISH_DEFAULT";
    }
}

TEST_F(ChainDrawing_, FiguresStandCentredInTheirColumnsInTheTrigramColours) {
    struct Width {
        int count;
        int width;
    };
    const int codes[] = {63, 0, 21};
    const Width widths[] = {{1, 250}, {2, 680}, {3, 1110}};
    for (const Width& w : widths) {
        display->newhex(codes[w.count - 1], true);
        EXPECT_EQ(display->drawbuffer->Width(), w.width) << w.count;
    }
    // Start settings: figures 50 wide at x0 + 100, their top at 37, lines 5 thick every 8 pixels:
    // line 6 around row 39, line 1 around row 79.
    const QImage image = drawing();
    struct Point {
        const char* what;
        int x, y;
        QColor colour;
    } points[] = {
        {"63, line 6", 125, 39, Upper},        {"63, line 4", 125, 55, Upper},
        {"63, line 3", 125, 63, Lower},        {"63, line 1", 125, 79, Lower},
        {"63, left end", 100, 39, Upper},      {"63, right end", 149, 39, Upper},
        {"left of 63", 99, 39, White},         {"right of 63", 150, 39, White},
        {"0 starts at 530", 530, 39, Upper},   {"left of 0", 529, 39, White},
        {"0, yin gap of line 6", 555, 39, White}, {"0, yin gap of line 1", 555, 79, White},
        {"0, right half of line 1", 565, 79, Lower},
        {"between two lines", 125, 43, White}, {"above the figure", 125, 35, White},
        {"21 = lines 1, 3, 5: line 5 whole", 985, 47, Upper}, {"21, line 6 yin", 985, 39, White},
        {"21, line 1 whole", 985, 79, Lower},
    };
    for (const Point& p : points) EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.what;
}

TEST_F(ChainDrawing_, CaptionsNamesAndTextsAreDrawnWithTheirFontsAtTheirPoints) {
    build({63, 0});
    // The shapes drawn for each column: text, font, bold, anchor (centred on X, baseline at Y).
    struct Caption {
        const char* what;
        std::shared_ptr<StringShape> shape;
        QString text, font;
        double x, y;
    } captions[] = {
        {"above 1", display->abovestr[0], "above: tri7", M_globals::font_above, 125, 12},
        {"below 1", display->belowstr[0], "below: tri7", M_globals::font_above, 125, 27},
        {"name 1", display->namestr[0], "name63", M_globals::font_title, 125, 99},
        {"above 2", display->abovestr[1], "above: tri0", M_globals::font_above, 555, 12},
        {"below 2", display->belowstr[1], "below: tri0", M_globals::font_above, 555, 27},
        {"name 2", display->namestr[1], "name0", M_globals::font_title, 555, 99},
    };
    const QImage image = drawing();
    for (const Caption& c : captions) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(c.shape);
        EXPECT_EQ(c.shape->Text, c.text);
        EXPECT_EQ(c.shape->TextFont, c.font);
        EXPECT_TRUE(c.shape->Bold);
        EXPECT_EQ(c.shape->X, c.x);
        EXPECT_EQ(c.shape->Y, c.y);
        // The text stands on its baseline, within its column, centred on the anchor.
        const int x = static_cast<int>(c.x);
        EXPECT_TRUE(hasInk(image, x - 40, static_cast<int>(c.y) - 8, 80, 8));
        EXPECT_FALSE(hasInk(image, x - 125, static_cast<int>(c.y) + 3, 250, 1));
    }
    EXPECT_FALSE(M_globals::font_above.isEmpty());
    EXPECT_NE(M_globals::font_judgement, M_globals::font_above);  // the test database gives them apart

    // The description and judgement: in the judgement font at size 12, from (x0 + 10, 104), 230 wide.
    const auto column = ChainDrawing::column(*display->virev[1], 2);
    EXPECT_EQ(column.text.Text(), "desc0" + CR + CR + "judg0");
    ASSERT_GE(column.text.StyleRunCount(), 1);
    for (int i = 0; i < column.text.StyleRunCount(); ++i) {
        EXPECT_EQ(column.text.styleRun(i).Font, M_globals::font_judgement);
        EXPECT_EQ(column.text.styleRun(i).Size, 12);
    }
    EXPECT_EQ(column.textX, 440);
    EXPECT_EQ(column.textY, 104);
    EXPECT_EQ(firstInkRow(image, 440, 100, 230, 200), firstInkRow(image, 440, 104, 230, 200));
    EXPECT_GE(lastInkRow(image, 440, 104, 230, 200), column.bottom() - column.text.styleRun(0).Size - 2);
    EXPECT_FALSE(hasInk(image, 440, column.bottom(), 230, 100));
    // The transition: the changing-line font at size 10, in the gap from x 250 with a margin on
    // either side.
    const auto transition = ChainDrawing::transition(*display->virev[0], 1);
    EXPECT_EQ(transition.x, 256);
    EXPECT_EQ(ChainDrawing::Transition::width, 168);
    ASSERT_GE(transition.text.StyleRunCount(), 1);
    EXPECT_EQ(transition.text.styleRun(0).Font, M_globals::font_sixnines);
    EXPECT_EQ(transition.text.styleRun(0).Size, 10);
    EXPECT_TRUE(transition.text.Text().startsWith("Nine in the 6th place:" + CR + "line63.6" + CR + CR));
}

namespace {
// A line text of `words` words, for transition texts of a chosen height.
QString words(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) list << "word";
    return list.join(' ');
}
}  // namespace

class TransitionPlacement : public DisplayTest {
protected:
    // Hexagram 63's line 4 text is long enough for a transition taller than the picture.
    TransitionPlacement()
        : DisplayTest(QString("UPDATE ENGLISH_DEFAULT SET fourth = '%1' WHERE NUMBER_BOOLEAN = 63;").arg(words(400))) {}
};

TEST_F(TransitionPlacement, TheTextIsCentredOnTheFiguresOrDrawnFromTheTop) {
    struct Case {
        const char* what;
        int lineWidth;  // with spacing 3: hexH = 6 * lineWidth + 15; top stays 37
        int next;       // 63 -> next: the lines that change
    } cases[] = {
        {"no taller than the figures: centred on them", 10, 62},  // hexH 75, one short line
        {"taller than the figures: centred on top and figures", 5, 62},  // hexH 45
        {"taller than top and figures: from y 10", 5, 21},       // lines 2, 4 and 6, line 4 very long
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        M_globals::Used_HexWidth = c.lineWidth;
        const int hexH = 6 * c.lineWidth + 15;
        display->DoLoadHexChain("0,500;63,0");
        display->newhex(c.next, true);
        const auto t = ChainDrawing::transition(*display->virev[0], 1);
        const int expectedTop = t.height <= hexH ? Int(hexH / 2.0 + 37 - t.height / 2.0)
                                : t.height <= hexH + 37 ? Int((hexH + 37) / 2.0 - t.height / 2.0)
                                                         : 10;
        EXPECT_EQ(t.y, expectedTop) << "height " << t.height;
        // Drawn there: no ink above its top, the first ink within its first line, the last within
        // its last lines, which the picture holds.
        const QImage image = drawing();
        const int first = firstInkRow(image, 250, 0, 180, image.height());
        EXPECT_GE(first, t.y);
        EXPECT_LT(first, t.y + 12);
        const int last = lastInkRow(image, 250, 0, 180, image.height());
        EXPECT_LE(last, t.bottom());
        EXPECT_GE(last, t.bottom() - 3 * 12);  // the text ends with an empty line or two
        EXPECT_GE(display->drawbuffer->Height(), t.bottom());
        if (t.y == 10) {
            EXPECT_EQ(display->drawbuffer->Height(), t.bottom());  // grown for the text alone
        }
    }
    M_globals::Used_HexWidth = 5;
}

class TallTexts : public DisplayTest {
protected:
    // Hexagram 0 has a description far taller than the first picture.
    TallTexts() : DisplayTest(QString("UPDATE ENGLISH_DEFAULT SET DESCRIPTION = '%1' WHERE NUMBER_BOOLEAN = 0;").arg(words(600))) {}
};

TEST_F(TallTexts, ThePictureGrowsToHoldTheWholeText) {
    struct Case {
        const char* what;
        std::vector<int> codes;
        int column;  // the column of hexagram 0
    } cases[] = {
        {"a chain of one", {0}, 1},
        {"the second hexagram", {63, 0}, 2},
        {"the first of two", {0, 63}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        emptyChain();
        for (int code : c.codes) display->newhex(code, true);
        const auto column = ChainDrawing::column(*display->virev[static_cast<size_t>(c.column - 1)], c.column);
        ASSERT_GT(column.bottom(), 1000);
        EXPECT_EQ(display->drawbuffer->Height(), column.bottom());
        const QImage image = drawing();
        EXPECT_GE(lastInkRow(image, column.textX, 0, 230, image.height()), column.bottom() - 2 * 14);
        // The scroll bar reaches the end of the text.
        EXPECT_EQ(display->ScrollBarV->Maximum(), column.bottom() - display->Canvas1->Height());
    }
}

TEST_F(TallTexts, TheCanvasShowsEveryPartOfATallDrawingAsTheDrawingHoldsIt) {
    display->Show();
    build({63, 0, 21});
    const QImage whole = drawing();
    const int width = display->Canvas1->Width(), height = display->Canvas1->Height();
    ASSERT_GT(whole.height(), 2 * height);
    // Scrolled down, across and back up: each view is the drawing's part at the scroll offsets.
    for (const QPoint scroll : {QPoint(0, 0), QPoint(0, 500), QPoint(300, 700), QPoint(600, 0),
                                QPoint(0, display->ScrollBarV->Maximum()), QPoint(0, 0)}) {
        SCOPED_TRACE(QString("scrolled to %1, %2").arg(scroll.x()).arg(scroll.y()).toStdString());
        display->scrollbarH->setValue(scroll.x());
        display->ScrollBarV->setValue(scroll.y());
        const QImage shown = display->Canvas1->grab().toImage().convertToFormat(whole.format());
        const int w = std::min(width, whole.width() - scroll.x());
        EXPECT_TRUE(shown.copy(0, 0, w, height) == whole.copy(scroll.x(), scroll.y(), w, height));
    }
}

class LongNames : public DisplayTest {
protected:
    // Hexagram 0 and trigram 7 have names of 100 000 characters.
    LongNames()
        : DisplayTest(QString("UPDATE ENGLISH_DEFAULT SET NAME = '%1' WHERE NUMBER_BOOLEAN = 0;"
                              "UPDATE TRIGRAMS_DEFAULT SET NAME = '%1' WHERE NUMBER_BOOLEAN = 7;")
                          .arg(QString("Receptive ").repeated(10000))) {}
};

TEST_F(LongNames, ACaptionTooLongForItsColumnIsCutWithAnEllipsis) {
    build({0, 63});
    struct Caption {
        const char* what;
        std::shared_ptr<StringShape> shape;
        QString whole;  // empty: cut
    } captions[] = {
        {"name 1", display->namestr[0], QString()},
        {"above 2", display->abovestr[1], QString()},
        {"below 1", display->belowstr[0], "below: tri0"},
        {"name 2", display->namestr[1], "name63"},
    };
    for (const Caption& c : captions) {
        SCOPED_TRACE(c.what);
        const double width = QFontMetricsF(c.shape->font()).horizontalAdvance(c.shape->Text);
        if (!c.whole.isEmpty()) {
            EXPECT_EQ(c.shape->Text, c.whole);
            continue;
        }
        EXPECT_TRUE(c.shape->Text.endsWith(QChar(0x2026)));
        EXPECT_LE(width, ChainDrawing::CaptionWidth);
        EXPECT_GT(width, ChainDrawing::CaptionWidth - 60);
    }
    // The cut name stays within its column, clear of the gap after it (where the short text of a
    // transition of one line stands higher up).
    emptyChain();
    build({0, 1});
    const QImage image = drawing();
    EXPECT_FALSE(hasInk(image, 125 + ChainDrawing::CaptionWidth / 2 + 2, 85, 30, 20));
    EXPECT_TRUE(hasInk(image, 125 + ChainDrawing::CaptionWidth / 2 - 40, 85, 30, 20));
}

TEST_F(ChainDrawing_, DoupdateRedrawsWithTheSettingsInForceAndRefitsTheScrollBars) {
    build({63, 0, 21});
    display->scrollbarH->setValue(300);
    display->ScrollBarV->setValue(10);
    clickAt(500);  // a frame on hexagram 2
    ASSERT_EQ(display->selbuffer->Count(), 1);

    M_globals::Used_HexWidth = 10;  // figures 6 * 10 + 15 = 75 high
    M_globals::Used_upperTricolor = RGB(200, 0, 0);
    display->doupdate();
    EXPECT_EQ(display->drawbuffer->Width(), 1110);
    EXPECT_EQ(display->scrollbarH->Value(), 0);
    EXPECT_EQ(display->ScrollBarV->Value(), 0);
    EXPECT_EQ(display->scrollbarH->Maximum(), 1110 - display->Canvas1->Width());
    EXPECT_EQ(display->offsetH, 0);
    const QImage image = drawing();
    EXPECT_EQ(image.pixelColor(125, 41), QColor(200, 0, 0));  // line 6, now 10 thick: rows 37..46
    EXPECT_EQ(image.pixelColor(125, 37 + 5 + 5 * 13), Lower);  // line 1 at y 5 + 5 * 13 of the figure
    EXPECT_EQ(display->namestr[0]->Y, 37 + 75 + 12 + 5);
    // The frame is gone; the selection stays.
    EXPECT_EQ(display->selbuffer->Count(), 0);
    EXPECT_EQ(display->recordtoedit, 2);
    EXPECT_TRUE(display->isrecordtoedit);
    EXPECT_EQ(display->theHexChain, "63,63;0,21;21,0");

    // The refresh after a change of the tables in use is this redraw: new trigram names show.
    M_globals::Used_HexWidth = 5;
    M_globals::Used_upperTricolor = Upper;
    createDatabase(program.databasePath(), "UPDATE TRIGRAMS_DEFAULT SET NAME = 'heaven' WHERE NUMBER_BOOLEAN = 7;");
    M_globals::loadtritable("TRIGRAMS_DEFAULT");
    M_globals::updatewindows();
    EXPECT_EQ(display->abovestr[0]->Text, "above: heaven");
    EXPECT_EQ(drawing().pixelColor(125, 39), Upper);

    // An empty window: two blank 250 x 500 pictures.
    display->virev.clear();
    display->virevcount = 0;
    display->doupdate();
    EXPECT_EQ(display->drawbuffer->Width(), 250);
    EXPECT_EQ(display->drawbuffer->Height(), 500);
    EXPECT_FALSE(hasInk(drawing(), 0, 0, 250, 500));
}

TEST_F(ChainDrawing_, ReplacingTheLastHexagramRedrawsOnlyFromItsGap) {
    build({63, 0, 21});
    const QImage before = drawing();
    display->newhex(42, false);
    EXPECT_EQ(display->theHexChain, "63,63;0,42;42,0");
    const QImage after = drawing();
    EXPECT_TRUE(after.copy(0, 0, 680, 500) == before.copy(0, 0, 680, 500));  // columns 1, 2, the first gap
    EXPECT_EQ(display->abovestr[2]->Text, "above: tri5");
    // 42 = lines 2, 4, 6: line 6 whole, line 5 yin.
    EXPECT_EQ(after.pixelColor(985, 39), Upper);
    EXPECT_EQ(after.pixelColor(985, 47), White);
}

TEST_F(ChainDrawing_, TrimCutsTheEmptyBottomOnce) {
    build({63, 0});
    const QImage before = drawing();
    clickAt(100);
    display->trimwindowpicheight();
    const QImage after = drawing();
    EXPECT_LT(after.height(), 500);
    EXPECT_GT(after.height(), lastInkedRow(before));
    EXPECT_EQ(after, before.copy(0, 0, 680, after.height()));
    EXPECT_EQ(display->selbuffer->Count(), 0);  // the frame is gone, the selection stays
    EXPECT_TRUE(display->isrecordtoedit);
    EXPECT_FALSE(display->ScrollBarV->Visible());
    display->trimwindowpicheight();
    EXPECT_EQ(display->drawbuffer->Height(), after.height());
}
