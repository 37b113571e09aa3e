// The input window in the started program: its trigram area, the set-up for each way the display
// window opens it, composing by trigram, by line and by drop, and closing.
#include "InputSupport.h"

#include "app/AppResources.h"
#include "app/WHelp.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "platform/Beep.h"
#include "platform/Graphics.h"
#include "platform/Random.h"
#include "platform/SQLDatabase.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString label(int t) { return QString("tri%1").arg(t) + CR + QString("The body%1 of the animal%1.").arg(t); }

int shownCode(const InputWindow* input) { return shownCode(input->iwYY); }
int shownMarkers(const InputWindow* input) { return shownMask(input->Stchange); }

// The trigram that the picture draws inside a box: three lines, read at the left of the figure
// (every line) and at its middle (a yin line has its gap there), the top line first.
int trigramDrawnIn(const QImage& picture, const QRect& box) {
    const auto inked = [&](int x, int y) { return picture.pixelColor(x, y) != QColor(Qt::white); };
    std::vector<int> lineMiddles;
    const int left = box.left() + 15, middle = box.left() + box.width() / 2;
    for (int y = box.top() + 2; y < box.bottom() - 1;) {
        if (!inked(left, y)) {
            ++y;
            continue;
        }
        const int start = y;
        while (y < box.bottom() - 1 && inked(left, y)) ++y;
        lineMiddles.push_back((start + y - 1) / 2);
    }
    if (lineMiddles.size() != 3) return -1;
    return 4 * inked(middle, lineMiddles[0]) + 2 * inked(middle, lineMiddles[1]) + inked(middle, lineMiddles[2]);
}

}  // namespace

TEST(InputWindowLayout, EachTrigramBoxLiesOnThePictureOfItsTrigramUnderItsNameAndTakesPresses) {
    StartedProgram program(everyHexagramSql());
    InputWindow* input = openInputWindow();
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->Width(), 606);
    EXPECT_EQ(input->Height(), 302);
    EXPECT_EQ(input->Title(), "Hexagram Input");
    EXPECT_EQ(input->ImageWell1->Image(), virevtrigramsinput());
    const QImage picture = virevtrigramsinput()->toImage();
    ASSERT_EQ(picture.size(), QSize(606, 113));
    const QImage shown = input->content()->grab().toImage();

    // The trigrams in their order of numbers, as the names under the boxes give them.
    const QString names[] = {"Earth", "Thunder", "Water", "Lake", "Mountain", "Fire", "Wind", "Heaven"};
    const int columnOrder[] = {7, 1, 2, 4, 0, 6, 5, 3};
    for (int column = 0; column < 8; ++column) {
        const int t = columnOrder[column];
        SCOPED_TRACE(names[t].toStdString());
        auto* top = input->findChild<Rectangle*>(QString("Rtop(%1)").arg(t));
        auto* bottom = input->findChild<Rectangle*>(QString("Rbottom(%1)").arg(t));
        auto* name = input->findChild<StaticText*>(QString("StaticText1(%1)").arg(column));
        ASSERT_TRUE(top && bottom && name);
        EXPECT_EQ(name->Text(), names[t]);
        if (column > 0) {
            EXPECT_GT(top->Left(), input->Rtop[static_cast<size_t>(columnOrder[column - 1])]->Left());
        }
        for (Rectangle* box : {top, bottom}) {
            const QRect rect = box->geometry();
            EXPECT_EQ(rect.size(), QSize(59, 40));
            EXPECT_EQ(picture.pixelColor(rect.left(), rect.center().y()), QColor(Qt::black));  // the box's border
            EXPECT_EQ(picture.pixelColor(rect.right(), rect.center().y()), QColor(Qt::black));
            EXPECT_EQ(trigramDrawnIn(picture, rect), t);
            EXPECT_EQ(trigramDrawnIn(shown, rect), t);  // the picture, not the box, is what shows
            EXPECT_NEAR(name->geometry().center().x(), rect.center().x(), 3);
        }
        clickOn(top);
        EXPECT_EQ(input->MY_TOP, t);
        clickOn(bottom);
        EXPECT_EQ(input->MY_BOTTOM, t);
    }
}

// "Above:" and "Below:" stand level with the first line of their texts and clear of the window's edge.
TEST(InputWindowLayout, TheTrigramCaptionsStandLevelWithTheirTexts) {
    StartedProgram program(everyHexagramSql());
    InputWindow* input = openInputWindow();
    ASSERT_NE(input, nullptr);
    struct Case { int caption; StaticText* text; const char* words; };
    for (const Case& c : {Case{16, input->stabove, "Above:"}, Case{17, input->stbelow, "Below:"}}) {
        SCOPED_TRACE(c.words);
        StaticText* caption = input->StaticText1[c.caption];
        EXPECT_EQ(caption->Text(), c.words);
        EXPECT_EQ(caption->Top(), c.text->Top());
        const int textLeft = caption->Left() + caption->Width() - QFontMetrics(caption->font()).horizontalAdvance(c.words);
        EXPECT_GE(textLeft, 4);
    }
}

TEST(InputWindowSetUp, TheFirstStartProposesTheHexagramOfTwoRandomDrawsLowerFirst) {
    struct Case {
        int seed, lower, upper;
    } cases[] = {{1234, 5, 7}, {0, 3, 3}, {10000, 0, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        ScriptedRandom random;
        random.draws = {c.seed, c.lower, c.upper};
        StartedProgram program(everyHexagramSql());
        InputWindow* input = openInputWindow();
        ASSERT_NE(input, nullptr);
        const std::vector<std::pair<int, int>> ranges{{0, 10000}, {0, 7}, {0, 7}};
        EXPECT_EQ(random.ranges, ranges);
        ASSERT_TRUE(M_globals::random_g);
        EXPECT_EQ(M_globals::random_g->Seed(), c.seed);
        EXPECT_EQ(input->MY_BOTTOM, c.lower);
        EXPECT_EQ(input->MY_TOP, c.upper);
        EXPECT_EQ(input->SourceBottom, c.lower);
        EXPECT_EQ(input->SourceTop, c.upper);
        EXPECT_TRUE(input->isnew);
        EXPECT_FALSE(input->isanedit);
        EXPECT_EQ(input->stabove->Text(), label(c.upper));
        EXPECT_EQ(input->stbelow->Text(), label(c.lower));
        EXPECT_EQ(input->stsource->Text(), QString("source = tri%1/tri%2").arg(c.upper).arg(c.lower));
        EXPECT_EQ(shownCode(input), 8 * c.upper + c.lower);
        EXPECT_EQ(InputLogic::codeOf(input->This_bool), 8 * c.upper + c.lower);
        EXPECT_EQ(shownMarkers(input), 0);
        EXPECT_FALSE(input->PushButton2->Visible());
        EXPECT_FALSE(input->PushButton2->Enabled());
        EXPECT_FALSE(input->CBnewHex->Visible());
        EXPECT_FALSE(input->CBnewHex->Enabled());
        EXPECT_FALSE(input->CBnewHex->Value());
        // A sheet over the display window: the display window waits, other windows do not.
        EXPECT_EQ(displayWindow::instance()->blockingSheet(), input);
        EXPECT_EQ(input->windowHandle()->transientParent(), displayWindow::instance()->windowHandle());
        EXPECT_TRUE(input->acceptDrops());
        // "set" at once makes the proposal the first hexagram of the chain.
        clickOn(input->PushButton1);
        EXPECT_EQ(displayWindow::instance()->theHexChain, QString("%1,0").arg(8 * c.upper + c.lower));
    }
}

TEST(InputWindowSetUp, TheSourceIsTheLastHexagramInNewModeAndTheSelectedOneInEditMode) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    struct Case {
        const char* what;
        std::initializer_list<int> chain;
        int selected;  // 0: nothing; negative: the transition after hexagram -selected
        bool deleteSelected;  // the selection is left one past the end
        bool isEdit;
        bool editMode;  // what the window ends in
        int source;
    } cases[] = {
        {"new mode, chain of one", {63}, 0, false, false, false, 63},
        {"new mode, last of three", {1, 21, 42}, 2, false, false, false, 42},
        {"edit mode, second of three", {1, 21, 42}, 2, false, true, true, 21},
        {"edit mode, first of three", {1, 21, 42}, 1, false, true, true, 1},
        {"edit, nothing selected", {1, 21, 42}, 0, false, true, false, 42},
        {"edit, a transition selected", {1, 21, 42}, -1, false, true, false, 42},
        {"edit, a selection past the end", {1, 21, 42}, 3, true, true, false, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showChain(display, c.chain);
        select(display, c.selected < 0 ? -c.selected : c.selected, c.selected < 0);
        if (c.deleteSelected) display->deleteHex();
        InputWindow* input = InputWindow::instance();
        input->wakeup(c.isEdit);
        EXPECT_TRUE(input->isVisible());
        EXPECT_EQ(input->isanedit, c.editMode);
        EXPECT_FALSE(input->isnew);
        EXPECT_EQ(input->SourceTop, c.source / 8);
        EXPECT_EQ(input->SourceBottom, c.source % 8);
        EXPECT_EQ(input->MY_TOP, c.source / 8);
        EXPECT_EQ(input->MY_BOTTOM, c.source % 8);
        EXPECT_EQ(InputLogic::codeOf(input->Source_bool), c.source);
        EXPECT_EQ(shownCode(input), c.source);
        EXPECT_EQ(shownMarkers(input), 0);
        EXPECT_EQ(input->stsource->Text(), QString("source = tri%1/tri%2 = ").arg(c.source / 8).arg(c.source % 8) +
                                               M_globals::getYinYangCharString(c.source));
        EXPECT_TRUE(input->PushButton2->Visible());
        EXPECT_TRUE(input->PushButton2->Enabled());
        EXPECT_TRUE(input->CBnewHex->Visible());
        EXPECT_TRUE(input->CBnewHex->Enabled());
        EXPECT_EQ(input->CBnewHex->Value(), !c.editMode);
        EXPECT_EQ(input->CBnewHex->Caption(), c.editMode ? "Change 6and9 Transforms" : "New Hexagram");
    }
    EXPECT_EQ(InputWindow::instance()->stsource->Text(), "source = tri2/tri5 = |:| :|:");
}

TEST(InputWindowSetUp, ASecondWakeUpInTheOtherModeShowsThatModesCaption) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    showChain(display, {1, 21, 42});
    select(display, 2, false);
    InputWindow* input = InputWindow::instance();
    input->wakeup(true);
    EXPECT_EQ(input->CBnewHex->Caption(), "Change 6and9 Transforms");
    input->CBnewHex->setValue(true);  // the user's choice
    EXPECT_EQ(input->CBnewHex->Caption(), "Change Other Hexagrams");
    input->wakeup(false);
    EXPECT_TRUE(input->CBnewHex->Value());
    EXPECT_EQ(input->CBnewHex->Caption(), "New Hexagram");
    input->CBnewHex->setValue(false);
    EXPECT_EQ(input->CBnewHex->Caption(), "Edit Hexagram");
    input->wakeup(true);
    EXPECT_FALSE(input->CBnewHex->Value());
    EXPECT_EQ(input->CBnewHex->Caption(), "Change 6and9 Transforms");
}

TEST(InputWindowSetUp, TheTrigramsFollowTheSourceRowUnlessItsNumbersAreOutOfRange) {
    StartedProgram program(everyHexagramSql());
    M_globals::db->SQLExecute("UPDATE ENGLISH_DEFAULT SET above = 0, below = 0 WHERE NUMBER_BOOLEAN = 63");
    M_globals::db->SQLExecute("UPDATE ENGLISH_DEFAULT SET above = 9, below = -1 WHERE NUMBER_BOOLEAN = 21");
    M_globals::db->Commit();
    displayWindow* display = displayWindow::instance();
    struct Case {
        int code, top, bottom;
    } cases[] = {{63, 0, 0}, {21, 2, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        showChain(display, {c.code});
        InputWindow* input = InputWindow::instance();
        input->wakeup(false);
        EXPECT_EQ(input->MY_TOP, c.top);
        EXPECT_EQ(input->MY_BOTTOM, c.bottom);
        EXPECT_EQ(InputLogic::codeOf(input->Source_bool), c.code);
        EXPECT_EQ(shownCode(input), 8 * c.top + c.bottom);
        EXPECT_EQ(shownMarkers(input), 0);  // even where the row's trigrams differ from its lines
        EXPECT_EQ(input->stabove->Text(), label(c.top));
        EXPECT_EQ(input->stbelow->Text(), label(c.bottom));
    }
}

TEST(InputWindowComposing, AFlippedLineRecountsBothTrigramsAndMarksWhatDiffersFromTheSource) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    struct Case {
        const char* what;
        std::vector<int> wells;  // pressed in this order
        int top, bottom, markers;
    } cases[] = {
        {"top line: heaven becomes lake", {5}, 3, 0, 32},
        {"top line twice: heaven again", {5, 5}, 7, 0, 0},
        {"bottom line: earth becomes thunder", {0}, 7, 1, 1},
        {"lines 3 and 4", {2, 3}, 6, 4, 12},
        {"every line", {0, 1, 2, 3, 4, 5}, 0, 7, 63},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showChain(display, {56});
        InputWindow* input = InputWindow::instance();
        input->wakeup(false);
        for (int well : c.wells) clickOn(input->iwYY[static_cast<size_t>(well)]);
        EXPECT_EQ(input->MY_TOP, c.top);
        EXPECT_EQ(input->MY_BOTTOM, c.bottom);
        EXPECT_EQ(shownCode(input), 8 * c.top + c.bottom);
        EXPECT_EQ(InputLogic::codeOf(input->This_bool), 8 * c.top + c.bottom);
        EXPECT_EQ(input->stabove->Text(), label(c.top));
        EXPECT_EQ(input->stbelow->Text(), label(c.bottom));
        EXPECT_EQ(shownMarkers(input), c.markers);
    }
}

TEST(InputWindowComposing, ABoxRewritesItsThreeLinesAndTheMarkersFollow) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    showChain(display, {56});
    InputWindow* input = InputWindow::instance();
    input->wakeup(false);
    clickOn(input->iwYY[0]);  // earth becomes thunder below
    clickOn(input->Rtop[3]);  // lake above
    EXPECT_EQ(shownCode(input), 8 * 3 + 1);
    EXPECT_EQ(shownMarkers(input), 32 + 1);
    EXPECT_EQ(input->stabove->Text(), label(3));
    clickOn(input->Rtop[3]);  // the same box again changes nothing
    EXPECT_EQ(shownCode(input), 8 * 3 + 1);
    clickOn(input->Rbottom[0]);
    clickOn(input->Rtop[7]);
    EXPECT_EQ(shownCode(input), 56);
    EXPECT_EQ(shownMarkers(input), 0);
}

TEST(InputWindowComposing, WithoutASourceNoMarkerEverShows) {
    ScriptedRandom random;
    random.draws = {7, 0, 0};
    StartedProgram program(everyHexagramSql());
    InputWindow* input = openInputWindow();
    ASSERT_NE(input, nullptr);
    for (int well : {0, 3, 5}) clickOn(input->iwYY[static_cast<size_t>(well)]);
    clickOn(input->Rbottom[5]);
    dropText(input, "3,5,29");
    EXPECT_EQ(shownCode(input), 29);
    EXPECT_EQ(shownMarkers(input), 0);
}

TEST(InputWindowComposing, ADroppedHexagramSetsItsTrigramsOnlyWhenItsTextIsWellFormed) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    struct Case {
        const char* text;
        int code;  // what the window composes afterwards (it starts from 56)
    } cases[] = {
        {"3,5,29", 29}, {"3,5,63", 29}, {"x,y,z", 0},  {"3,5", 56},       {"3,5,29,1", 56},
        {"8,0,00", 56}, {"0,-1,00", 56}, {"4294967299,1,00", 56}, {"", 56},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        showChain(display, {56});
        InputWindow* input = InputWindow::instance();
        input->wakeup(false);
        dropText(input, c.text);
        EXPECT_EQ(8 * input->MY_TOP + input->MY_BOTTOM, c.code);
        EXPECT_EQ(shownCode(input), c.code);
        EXPECT_EQ(input->stabove->Text(), label(c.code / 8));
        EXPECT_EQ(input->stbelow->Text(), label(c.code % 8));
        EXPECT_EQ(shownMarkers(input), 56 ^ c.code);
        EXPECT_EQ(openInputWindow(), input);  // a drop sends nothing and closes nothing
    }
}

TEST(InputWindowClosing, CancelAndCtrlWCloseWithoutSendingAPlainWDoesNothing) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    struct Case {
        const char* what;
        Qt::KeyboardModifiers modifiers;  // for the key W; NoModifier with `cancel` presses cancel
        bool cancel;
        bool closes;
    } cases[] = {
        {"w", Qt::NoModifier, false, false},
        {"Ctrl-W", Qt::ControlModifier, false, true},
        {"Ctrl-Shift-W", Qt::ControlModifier | Qt::ShiftModifier, false, true},
        {"cancel", Qt::NoModifier, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showChain(display, {56});
        InputWindow* input = InputWindow::instance();
        input->wakeup(false);
        clickOn(input->Rtop[0]);
        if (c.cancel) clickOn(input->PushButton2);
        else QTest::keyClick(input, Qt::Key_W, c.modifiers);
        StartedProgram::settle();
        EXPECT_EQ(openInputWindow() == nullptr, c.closes);
        EXPECT_EQ(display->virevcount, 1);
        EXPECT_EQ(display->virev[0]->N_Bool, 56);
    }
}

TEST(InputWindowHelp, WindowHelpShowsTheInputHelpAndKeepsTheWindowOpen) {
    StartedProgram program(everyHexagramSql());
    InputWindow* input = openInputWindow();
    ASSERT_NE(input, nullptr);
    EXPECT_TRUE(ChooseMenuItem(input, "FileHelp"));
    EXPECT_EQ(WHelp::instance()->Title(), "Input Window Help");
    EXPECT_EQ(WHelp::instance()->EditField1->Text(), INPUTWINDOWHELP());
    EXPECT_EQ(openInputWindow(), input);
    EXPECT_FALSE(input->isClosed());
}

// While the input window is open over it, the display window takes none of the user's input, as
// a window-modal dialog's window does; but no try goes unanswered: the input window comes to the
// front with a beep seen over it. The display window's menus show disabled meanwhile.
TEST(InputWindowSheet, TheDisplayWindowItBlocksPointsToItAndDoesNothing) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    InputWindow* input = openInputWindow();
    ASSERT_NE(input, nullptr);
    showChain(display, {5, 10});
    QWidget* bar = display->menuWidget();
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_TRUE(input->menuWidget()->isEnabled());

    struct Case {
        const char* what;
        std::function<void()> act;
        bool cue;  // the input window comes to the front, with a beep
    };
    const Case cases[] = {
        {"a click on the drawing", [&] { clickOn(display->Canvas1, QPoint(100, 100)); }, true},
        {"a click sent to the canvas itself", [&] { QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, QPoint(100, 100)); }, true},
        {"a click on the menu bar", [&] { clickOn(bar, QPoint(15, bar->height() / 2)); }, true},
        {"Ctrl+T (Text)", [&] { QTest::keyClick(display, Qt::Key_T, Qt::ControlModifier); }, true},
        {"Ctrl+Q (Quit)", [&] { QTest::keyClick(display, Qt::Key_Q, Qt::ControlModifier); }, true},
        {"a plain key", [&] { QTest::keyClick(display, Qt::Key_Right); }, true},
        {"the window system's close box", [&] { static_cast<QWidget*>(display)->close(); }, true},
        {"Ctrl alone", [&] { QTest::keyClick(display, Qt::Key_Control); }, false},
        {"a dropped hexagram", [&] { dropText(display, "0,5,05"); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(ChooseMenuItem(input, "FileHelp"));  // another window in front
        StartedProgram::settle();
        WHelp* help = findWindow<WHelp>();
        ASSERT_EQ(frontWindow(), help);
        delete input->findChild<QWidget*>("beepFlash");
        const int beeps = beepCount();

        c.act();
        StartedProgram::settle();
        EXPECT_EQ(beepCount(), beeps + (c.cue ? 1 : 0));
        EXPECT_EQ(frontWindow(), c.cue ? static_cast<Window*>(input) : help);
        if (c.cue) {
            EXPECT_EQ(QApplication::activeWindow(), input);
            EXPECT_NE(input->findChild<QWidget*>("beepFlash"), nullptr);  // the beep is seen over the input window
        }
        // Nothing reached the display window.
        EXPECT_EQ(display->theHexChain, "5,15;10,0");
        EXPECT_FALSE(display->isrecordtoedit);
        EXPECT_EQ(findWindow<Wtext>(), nullptr);
        EXPECT_FALSE(program.app().quitRequested());
        EXPECT_FALSE(display->isClosed());
        EXPECT_EQ(openInputWindow(), input);
    }

    // The window system activating the display window activates the input window instead.
    display->activateWindow();
    StartedProgram::settle();
    EXPECT_EQ(QApplication::activeWindow(), input);

    // Once the input window is closed, the display window is the user's again.
    input->Close();
    StartedProgram::settle();
    EXPECT_TRUE(bar->isEnabled());
    const int beeps = beepCount();
    clickOn(display->Canvas1, QPoint(100, 100));
    EXPECT_TRUE(display->isrecordtoedit);
    EXPECT_EQ(beepCount(), beeps);
}
