// The chain page: opened from the display window, its page and list, selection by clicks,
// scrolling, the splitter, its menu commands, its bounds and its rebuilds.
#include "ShellSupport.h"

#include "app/MenuBar1.h"
#include "app/WHelp.h"
#include "chains/ChainPage.h"
#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "display/HexSettings.h"
#include "display/displayWindow.h"
#include "platform/DisclosureTriangle.h"
#include "platform/Clipboard.h"
#include "platform/SQLDatabase.h"
#include "platform/VectorShapes.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The chain string for codes with no changing lines, preceded by a header as the display window
// hands it over.
QString chainOf(std::initializer_list<int> codes) {
    QStringList links;
    for (int code : codes) links << QString::number(code) + ",0";
    return "0,0;" + links.join(';');
}

class ChainPageTest : public ::testing::Test {
protected:
    ChainPageTest()
        : program(validDatabaseSql({0, 1, 21, 42, 62, 63}) + "UPDATE ProgramPrefs SET ChainW = '40,30,390,530';\n") {
        display = displayWindow::instance();
        StartedProgram::settle();
    }

    // The display window's chain, then its Options > Chain Window.
    ChainPage* openFromDisplay(std::initializer_list<int> codes) {
        for (int code : codes) display->newhex(code, true);
        EXPECT_TRUE(ChooseMenuItem(display, "OptionsChainWindow"));
        StartedProgram::settle();
        return findWindow<ChainPage>();
    }

    void click(ChainPage* page, int x, int y) {
        QTest::mouseClick(page->Canvas1, Qt::LeftButton, {}, QPoint(x, y));
    }

    // Ink of the selection frame: an opaque dark pixel of the page at (x, y).
    static bool dark(const ChainPage* page, int x, int y) {
        const QRgb pixel = page->thepic->toImage().pixel(x, y);
        return qAlpha(pixel) > 128 && qGray(pixel) < 64;
    }

    static int indexOf(const Window* window) {
        for (int i = 0; i < WindowCount(); ++i)
            if (windowAt(i) == window) return i;
        return -1;
    }

    StartedProgram program;
    displayWindow* display = nullptr;
};

TEST_F(ChainPageTest, OpensFromTheDisplayWindowWithItsChain) {
    // One hexagram: the command is not offered.
    display->newhex(63, true);
    EXPECT_FALSE(ChooseMenuItem(display, "OptionsChainWindow"));
    EXPECT_EQ(findWindow<ChainPage>(), nullptr);

    ChainPage* page = openFromDisplay({0, 42});
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(windowAt(0), page);
    EXPECT_EQ(page->Title(), "Page of Hex Chain");
    EXPECT_EQ(page->EditField1->Text(), "1.1:  name63" + CR + "1.2:  name0" + CR + "1.3:  name42" + CR);
    EXPECT_EQ(page->mychain, display->theHexChain);
    EXPECT_EQ(page->TOTALCHAIN, "0,0;" + display->theHexChain);
    EXPECT_EQ(page->thepic->Width(), 3 * 72);
    EXPECT_EQ(page->thepic->Height(), 72);
    // The change masks of the chain mark the changing lines of each hexagram.
    EXPECT_EQ(page->theHexs[0]->changeMask(), 63);
    EXPECT_EQ(page->theHexs[1]->changeMask(), 42);

    // The command again, after the chain grew: the page holds exactly the new chain.
    display->newhex(21, true);
    EXPECT_TRUE(ChooseMenuItem(display, "OptionsChainWindow"));
    EXPECT_EQ(findWindow<ChainPage>(), page);
    EXPECT_EQ(page->EditField1->Text(),
              "1.1:  name63" + CR + "1.2:  name0" + CR + "1.3:  name42" + CR + "1.4:  name21" + CR);
    EXPECT_EQ(page->thepic->Objects->Count(), 4);
    EXPECT_EQ(page->theHexs[2]->changeMask(), 42 ^ 21);
}

// A hexagram the chain holds twice is read once, yet each of its cells has a figure of its own.
TEST_F(ChainPageTest, AHexagramHeldTwiceHasAFigureInEachOfItsCells) {
    ChainPage* page = openFromDisplay({63, 0, 63});
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->theHexs.size(), 3u);
    const auto& first = page->theHexs[0]->thepic;
    const auto& third = page->theHexs[2]->thepic;
    ASSERT_TRUE(first && third);
    EXPECT_NE(first, third);
    EXPECT_EQ(third->X - first->X, 2 * 72);
    EXPECT_EQ(page->thepic->Objects->Count(), 3);
}

TEST_F(ChainPageTest, PageSizeAndListFollowTheNumberOfHexagrams) {
    struct Case {
        int count, lines, width, height;
        const char* lastLine;
    };
    const Case cases[] = {
        {1, 1, 72, 72, "1.1:  name21"},   {8, 1, 576, 72, "1.8:  name21"},  {9, 2, 576, 144, "2.1:  name21"},
        {10, 2, 576, 144, "2.2:  name21"}, {16, 2, 576, 144, "2.8:  name21"}, {17, 3, 576, 216, "3.1:  name21"},
    };
    ChainPage* page = ChainPage::instance();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        QStringList links;
        for (int i = 0; i < c.count; ++i) links << "21,0";
        page->wakeup("0,0;" + links.join(';'));
        EXPECT_EQ(page->chaincount, c.count);
        EXPECT_EQ(page->linecount, c.lines);
        EXPECT_EQ(page->thepic->Width(), c.width);
        EXPECT_EQ(page->thepic->Height(), c.height);
        EXPECT_EQ(page->thepic->Objects->Count(), c.count);
        const QString list = page->EditField1->Text();
        EXPECT_EQ(list.count(QChar(13)), c.count);
        EXPECT_TRUE(list.endsWith(QString(c.lastLine) + CR)) << list.toStdString();
        // The last figure sits in its cell: 14 in from the left, 20 down.
        const auto& figure = page->theHexs.back()->thepic;
        EXPECT_EQ(figure->X, ((c.count - 1) % 8) * 72 + 14);
        EXPECT_EQ(figure->Y, ((c.count - 1) / 8) * 72 + 20);
    }
}

TEST_F(ChainPageTest, ClickingACellShowsItsTextsAndClickingAgainTheList) {
    // 0 changes lines 1, 3 and 5 on the way to 21.
    ChainPage* page = openFromDisplay({0, 21, 63});
    const QString list = page->EditField1->Text();
    const QString indent = CR + "       ";

    // The name line, then the description and judgement each after a carriage return and an
    // indent of seven blanks.
    auto texts = [&](const QString& nameLine, int code) {
        return nameLine + CR + indent + "desc" + QString::number(code) + indent + "judg" + QString::number(code) + CR;
    };
    // 21 changes lines 2, 4 and 6 on the way to 63.
    const QString line21 = texts("name21 = (tri2)/(tri5)", 21) + indent + "Line 2 change:  line21.2" + indent +
                           "Line 4 change:  line21.4" + indent + "Line 6 change:  line21.6";
    struct Step {
        int x, y;
        int selHex;
        QString text;
        bool framed;  // the first cell's frame
    };
    const Step steps[] = {
        {10, 10, 0,
         texts("name0 = (tri0)/(tri0)", 0) + indent + "Line 1 change:  line0.1" + indent + "Line 3 change:  line0.3" +
             indent + "Line 5 change:  line0.5",
         true},
        {100, 50, 1, line21, false},
        {100, 50, -1, list, false},  // the selected cell again
        {100, 50, 1, line21, false},
        {250, 10, -1, list, false},  // right of the last hexagram
        {200, 30, 2, texts("name63 = (tri7)/(tri7)", 63), false},
        {10, 100, -1, list, false},  // below the page
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(QString("%1,%2").arg(s.x).arg(s.y).toStdString());
        click(page, s.x, s.y);
        EXPECT_EQ(page->selHex, s.selHex);
        EXPECT_EQ(page->EditField1->Text(), s.text);
        EXPECT_EQ(dark(page, 0, 36), s.framed);
    }
}

TEST_F(ChainPageTest, ScrolledPageSelectsUnderTheMouseAndRebuildClearsSelection) {
    ChainPage* page = ChainPage::instance();
    QStringList links;
    for (int i = 0; i < 17; ++i) links << (i == 8 ? "42,0" : "0,0");
    page->wakeup("0,0;" + links.join(';'));
    // 530 wide: the eight columns (576) overflow, and three rows (216) overflow the page's height.
    EXPECT_TRUE(page->SBH->Visible());
    EXPECT_TRUE(page->SBV->Visible());
    EXPECT_EQ(page->SBV->Maximum(), 216 - page->Canvas1->Height());

    page->SBV->setMaximum(100);
    page->SBV->setValue(72);
    EXPECT_EQ(page->OffsetV, -72);
    click(page, 10, 10);
    EXPECT_EQ(page->selHex, 8);
    EXPECT_EQ(page->selhexnumber, 42);

    page->UPDATE();
    EXPECT_EQ(page->selHex, -1);
    EXPECT_EQ(page->OffsetV, 0);
    EXPECT_EQ(page->SBV->Value(), 0);
    EXPECT_FALSE(dark(page, 0, 36 + 72));
    click(page, 10, 80);
    EXPECT_EQ(page->selHex, 8);
}

TEST_F(ChainPageTest, NarrowPageHidesScrollBarsUntilTheWindowShrinks) {
    ChainPage* page = ChainPage::instance();
    page->wakeup(chainOf({0, 1, 21, 42, 62, 63, 0}));  // 504 wide, one row
    EXPECT_FALSE(page->SBH->Visible());
    EXPECT_FALSE(page->SBH->Enabled());
    EXPECT_FALSE(page->SBV->Visible());

    page->setWidth(450);
    StartedProgram::settle();
    EXPECT_EQ(page->Canvas1->Width(), 450);
    EXPECT_TRUE(page->SBH->Visible());
    EXPECT_TRUE(page->SBH->Enabled());
    EXPECT_EQ(page->SBH->Value(), 0);
    EXPECT_EQ(page->SBH->Maximum(), 504 - 450);
}

TEST_F(ChainPageTest, SplitterMovesOnlyWithinItsLimits) {
    ChainPage* page = ChainPage::instance();
    page->wakeup(chainOf({0, 1}));
    page->setHeight(350);
    StartedProgram::settle();
    ASSERT_EQ(page->Height(), 350);

    // Drags of the bar to a splitter top T, from a press at y 5.
    auto drag = [&](int top) {
        ImageWell* bar = page->Windowsplit;
        const QPoint press(10, 5);
        QMouseEvent down(QEvent::MouseButtonPress, press, bar->mapToGlobal(press), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(bar, &down);
        const QPoint to(10, top - bar->Top());
        QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(bar, &move);
        QMouseEvent up(QEvent::MouseButtonRelease, to, bar->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(bar, &up);
    };
    struct Case {
        int top, expected;
    };
    const Case cases[] = {{200, 200}, {151, 151}, {150, 151}, {239, 239}, {240, 239}, {180, 180}};
    const int bar = page->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top);
        drag(c.top);
        EXPECT_EQ(page->Windowsplit->Top(), c.expected);
        // The release lays the window out around the bar.
        EXPECT_EQ(page->Canvas1->Height(), c.expected - bar - 5);
        EXPECT_EQ(page->EditField1->Top(), c.expected + 20);
        EXPECT_EQ(page->EditField1->Height(), 350 - (c.expected + 20));
        EXPECT_EQ(page->SBH->Top(), c.expected - bar);
    }
}

// The scroll bars are as thick as the style draws them (t); the page ends 5 above the horizontal
// one, and the text area reaches the window's bottom.
TEST_F(ChainPageTest, LayoutAtItsOwnSize) {
    ChainPage* page = ChainPage::instance();
    page->setBounds(40, 30, 390, 530);
    StartedProgram::settle();
    page->wakeup(chainOf({0, 1}));
    const int t = page->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QRect expected[] = {{0, 0, 530, 221 - t - 5}, {0, 221 - t, 530, t}, {530 - t, 0, t, 216}, {0, 241, 530, 149}};
    const QWidget* controls[] = {page->Canvas1, page->SBH, page->SBV, page->EditField1};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(controls[i]->geometry(), expected[i]);
    }
}

TEST_F(ChainPageTest, MenuCommands) {
    ChainPage* page = openFromDisplay({0, 42});
    Clipboard().setText("before");
    EXPECT_TRUE(ChooseMenuItem(page, "EditCopy"));
    Clipboard clip;
    ASSERT_TRUE(clip.PictureAvailable());
    EXPECT_EQ(clip.Picture().size(), QSize(144, 72));

    // The display window comes in front of the page (its input sheet stays above it).
    EXPECT_EQ(windowAt(0), page);
    EXPECT_TRUE(ChooseMenuItem(page, "OptionsChainWindow"));
    StartedProgram::settle();
    EXPECT_LT(indexOf(display), indexOf(page));

    EXPECT_TRUE(ChooseMenuItem(page, "FileHelp"));
    StartedProgram::settle();
    WHelp* help = findWindow<WHelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Title(), "Chain Page Window Help");

    // A page without hexagrams has no picture to copy.
    page->wakeup("0,0");
    EXPECT_TRUE(ChooseMenuItem(page, "EditCopy"));
    EXPECT_EQ(program.dialogs.messages, QStringList{"No picture to copy."});
}

TEST_F(ChainPageTest, ADamagedChainShowsTheMessageAndNoPage) {
    for (const QString& chain : {QString("0,0;5,0;"), QString("0,0;0,1; 1,0"), QString("0,0;64,0")}) {
        SCOPED_TRACE(chain.toStdString());
        program.dialogs.messages.clear();
        ChainPage::instance()->wakeup(chain);
        StartedProgram::settle();
        EXPECT_EQ(program.dialogs.messages, QStringList{M_globals::DamagedChainMessage});
        EXPECT_EQ(findWindow<ChainPage>(), nullptr);
    }
}

TEST_F(ChainPageTest, CommandWClosesAndBoundsAreKept) {
    ChainPage* page = openFromDisplay({0, 42});
    EXPECT_EQ(page->Top(), 40);
    EXPECT_EQ(page->Left(), 30);
    EXPECT_EQ(page->Height(), 390);
    EXPECT_EQ(page->Width(), 530);

    QTest::keyClick(page, Qt::Key_W);
    StartedProgram::settle();
    EXPECT_EQ(findWindow<ChainPage>(), page);

    page->setBounds(60, 50, 400, 600);
    StartedProgram::settle();
    QTest::keyClick(page, Qt::Key_W, Qt::ControlModifier);
    StartedProgram::settle();
    EXPECT_EQ(findWindow<ChainPage>(), nullptr);
    EXPECT_EQ(readValue(program.databasePath(), "SELECT ChainW FROM ProgramPrefs"), "60,50,400,600");

    ChainPage* again = ChainPage::instance();
    EXPECT_EQ(boundsString(*again), "60,50,400,600");
}

TEST_F(ChainPageTest, RebuiltFromTheTablesInUseAndTheShortNameFont) {
    ChainPage* page = openFromDisplay({0, 42});
    M_globals::db->SQLExecute("CREATE TABLE OTHER AS SELECT * FROM ENGLISH_DEFAULT");
    M_globals::db->SQLExecute("UPDATE OTHER SET NAME = 'other' || NUMBER_BOOLEAN");
    M_globals::db->Commit();
    M_globals::TableHex = "OTHER";
    M_globals::updatewindows();
    EXPECT_EQ(page->EditField1->Text(), "1.1:  other0" + CR + "1.2:  other42" + CR);
    EXPECT_EQ(windowAt(0), page);

    // A new short-name font chosen in the settings window rebuilds the page in it.
    HexSettings* settings = HexSettings::instance();
    settings->Show();
    StartedProgram::settle();
    if (!settings->DisclosureTriangle1->Value()) QTest::mouseClick(settings->DisclosureTriangle1, Qt::LeftButton);
    const int row = settings->FontMenuShortName->findText("DejaVu Serif");
    ASSERT_GE(row, 0);
    settings->FontMenuShortName->setListIndex(row);
    QTest::mouseClick(settings->PushButton1, Qt::LeftButton);
    StartedProgram::settle();
    ASSERT_EQ(page->theHexs.size(), 2u);
    for (const auto& hexagram : page->theHexs) EXPECT_EQ(hexagram->shortstrShape->TextFont, "DejaVu Serif");
    EXPECT_EQ(page->EditField1->Text(), "1.1:  other0" + CR + "1.2:  other42" + CR);
}

}  // namespace

namespace {

TEST_F(ChainPageTest, TextAreaTakesTheTextFontAndTheFontCommand) {
    ChainPage* page = openFromDisplay({0, 42});
    EXPECT_EQ(page->EditField1->TextFont(), M_globals::font_text);
    App& app = program.app();
    const int other = app.thecheckedTextMenuItem == 0 ? 1 : 0;
    EXPECT_TRUE(ChooseMenuItem(page, "M_FONTS", other));
    EXPECT_EQ(page->EditField1->TextFont(), M_FONTS(other)->Text());
}

TEST_F(ChainPageTest, HexagramsMissingFromTheTableAreSaidOnceAndShowTheirFigures) {
    // The table holds no row for 5 or 9: each is said once, in one message for the page.
    ChainPage* page = ChainPage::instance();
    page->wakeup(chainOf({0, 5, 9, 5}));
    EXPECT_EQ(program.dialogs.messages, QStringList{"Hexagram 5 is not in the table ENGLISH_DEFAULT." + CR +
                                                    "Hexagram 9 is not in the table ENGLISH_DEFAULT."});
    EXPECT_EQ(page->EditField1->Text(), "1.1:  name0" + CR + "1.2:  " + CR + "1.3:  " + CR + "1.4:  " + CR);
    EXPECT_EQ(page->thepic->Objects->Count(), 4);

    // Its cell is framed, and the text area says why it has no texts; no further message.
    program.dialogs.messages.clear();
    click(page, 80, 10);
    EXPECT_EQ(page->selHex, 1);
    EXPECT_TRUE(dark(page, 72, 36));
    EXPECT_EQ(page->EditField1->Text(), "Hexagram 5 is not in the table ENGLISH_DEFAULT.");
    click(page, 10, 10);
    EXPECT_EQ(page->EditField1->Text().left(11), "name0 = (tr");
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

}  // namespace
