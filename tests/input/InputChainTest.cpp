// What the input windows send: the display window's chain after "set" and after the changing-line
// editor's "Set", pressed as a user presses them.
#include "InputSupport.h"

#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "input/W69changeInput.h"
#include "platform/Random.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString NotImplemented = "Feature not implemented in this version of program!  Sorry.";

}  // namespace

TEST(InputToChain, HeavenOverEarthStartsTheChainAndANewHexagramIsAddedAfterIt) {
    ScriptedRandom random;
    random.draws = {17, 3, 3};  // lake over lake proposed
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    InputWindow* input = openInputWindow();
    ASSERT_NE(input, nullptr);
    clickOn(input->Rtop[7]);
    clickOn(input->Rbottom[0]);
    clickOn(input->PushButton1);
    EXPECT_EQ(display->theHexChain, "56,0");
    EXPECT_EQ(openInputWindow(), nullptr);

    ASSERT_TRUE(ChooseMenuItem(display, "Optionsinput"));
    input = openInputWindow();
    ASSERT_NE(input, nullptr);
    ASSERT_TRUE(input->CBnewHex->Value());
    ASSERT_EQ(input->CBnewHex->Caption(), "New Hexagram");
    clickOn(input->Rtop[0]);
    clickOn(input->PushButton1);
    EXPECT_EQ(display->theHexChain, "56,56;0,0");
    EXPECT_EQ(openInputWindow(), nullptr);
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

TEST(InputToChain, SetSendsToTheChainAsTheModeTheTrigramsAndTheCheckBoxSay) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    struct Case {
        const char* what;
        bool isEdit;         // hexagram 2 selected and "Edit Hexagram" chosen
        int top, bottom;     // pressed boxes; -1 leaves the source's
        bool checked;        // the check box as the user leaves it
        const char* chain;   // afterwards (it starts as 56,7;63,56;7,0)
        bool lastRedrawn;    // the last hexagram was built anew
        QString message;
    } cases[] = {
        {"new, unchanged, New Hexagram", false, -1, -1, true, "56,7;63,56;7,0", false, ""},
        {"new, unchanged, Edit Hexagram", false, -1, -1, false, "56,7;63,56;7,0", true, ""},
        {"new, changed, New Hexagram", false, 0, 0, true, "56,7;63,56;7,7;0,0", true, ""},
        {"new, changed, Edit Hexagram", false, 0, 0, false, "56,7;63,63;0,0", true, ""},
        {"edit, unchanged", true, -1, -1, false, "56,7;63,56;7,0", false, ""},
        {"edit, unchanged, Change Other Hexagrams", true, -1, -1, true, "56,7;63,56;7,0", false, ""},
        {"edit, changed", true, 1, -1, false, "56,55;15,8;7,0", true, ""},
        {"edit, changed, Change Other Hexagrams", true, 1, -1, true, "56,7;63,56;7,0", false, NotImplemented},
        {"edit, the previous hexagram", true, 7, 0, false, "56,7;63,56;7,0", false,
         "Edited Hexagram = Previous Hexagram, Can't Do Edit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        program.dialogs.messages.clear();
        showChain(display, {56, 63, 7});
        select(display, c.isEdit ? 2 : 0, false);
        const auto last = display->virev.back();
        ASSERT_TRUE(ChooseMenuItem(display, c.isEdit ? "EditeditHex" : "Optionsinput"));
        InputWindow* input = openInputWindow();
        ASSERT_NE(input, nullptr);
        ASSERT_EQ(input->isanedit, c.isEdit);
        if (c.top >= 0) clickOn(input->Rtop[static_cast<size_t>(c.top)]);
        if (c.bottom >= 0) clickOn(input->Rbottom[static_cast<size_t>(c.bottom)]);
        if (input->CBnewHex->Value() != c.checked) clickOn(input->CBnewHex, QPoint(8, 10));  // on its box
        clickOn(input->PushButton1);
        EXPECT_EQ(display->theHexChain, c.chain);
        EXPECT_EQ(display->virev.back() != last, c.lastRedrawn);
        EXPECT_EQ(program.dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(openInputWindow(), nullptr);  // every way through "set" closes the window
    }
}

TEST(InputToChain, WhileEitherWindowIsOpenTheDisplayWindowTakesNoClick) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    for (bool editor : {false, true}) {
        SCOPED_TRACE(editor ? "changing-line editor" : "input window");
        if (InputWindow* input = openInputWindow()) input->Close();
        StartedProgram::settle();
        showChain(display, {56, 0});
        select(display, 1, true);
        if (editor) W69changeInput::instance()->wakeup(56, 56);
        else InputWindow::instance()->wakeup(false);
        clickOn(display->Canvas1, QPoint(100, 10));  // on hexagram 1
        EXPECT_TRUE(display->isrecordtoedit);
        EXPECT_EQ(display->recordtoedit, 1);
        EXPECT_TRUE(display->recordtoeditis6and9);
        if (W69changeInput* open = findWindow<W69changeInput>()) open->Close();
    }
}

TEST(ChangingLineEditorToChain, SetGivesTheSelectedTransitionTheMarkedLines) {
    StartedProgram program(everyHexagramSql());
    displayWindow* display = displayWindow::instance();
    if (InputWindow* input = openInputWindow()) input->Close();
    struct Case {
        const char* what;
        std::initializer_list<int> chain;
        int transition;
        std::vector<int> wells;  // pressed
        bool isLong;
        const char* after;
        QString message;
        bool selectionGone;  // the selection no longer names the transition when Set is pressed
        bool reloaded;
    } cases[] = {
        {"bottom line", {56, 0}, 1, {0}, false, "56,1;57,0", "", false, true},
        {"lines 1 and 3 before a third hexagram", {56, 0, 7}, 1, {0, 2}, false, "56,5;61,58;7,0", "", false, true},
        {"the new next equals the one after", {56, 0, 7}, 1, {0, 1, 2, 3, 4, 5}, false, "56,56;0,7;7,0",
         QString("Changed Next Hexagram = NextToNext Hexagram") + QChar(13) + "Can not do so.", false, false},
        {"Long", {56, 0}, 1, {0}, true, "56,56;0,0", NotImplemented, false, false},
        {"the same lines as before", {56, 0}, 1, {3, 4, 5}, false, "56,56;0,0", "", false, false},
        {"a selection no longer a transition", {56, 0}, 1, {0}, false, "56,56;0,0", "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        program.dialogs.messages.clear();
        showChain(display, c.chain);
        select(display, c.transition, true);
        const auto first = display->virev.front();
        const QStringList link = display->theHexChain.split(';')[c.transition - 1].split(',');
        W69changeInput* editor = W69changeInput::instance();
        editor->wakeup(link[0].toInt(), link[1].toInt());
        for (int well : c.wells) clickOn(editor->Iw1[static_cast<size_t>(well)]);
        if (c.isLong) clickOn(editor->RBlong);
        if (c.selectionGone) display->recordtoeditis6and9 = false;
        clickOn(editor->PushButton1);
        EXPECT_EQ(display->theHexChain, c.after);
        EXPECT_EQ(program.dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(findWindow<W69changeInput>(), nullptr);
        EXPECT_EQ(display->virev.front() != first, c.reloaded);
    }
}
