// The changing-line editor in the started program: what it shows for a transition, the marking of
// new changing lines, and what "Set" does with them.
#include "InputSupport.h"

#include "app/AppResources.h"
#include "app/WHelp.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "input/W69changeInput.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

int shownCode(const W69changeInput* editor) { return shownCode(editor->Iw1); }

// The program with its display window in front, the input window closed.
struct EditorProgram {
    EditorProgram() {
        if (InputWindow* input = openInputWindow()) input->Close();
        StartedProgram::settle();
    }
    StartedProgram program{everyHexagramSql()};
};

}  // namespace

TEST(ChangingLineEditor, WakeUpShowsTheLinesOfTheCodeAndOldMarkersOfTheMaskAndNoNewMarker) {
    EditorProgram started;
    struct Case {
        int code, mask;
        int lines, old;  // what shows
    } cases[] = {
        {1, 33, 1, 33}, {32, 0, 32, 0}, {0, 63, 0, 63}, {63, 5, 63, 5},
        {21, 42, 21, 42},
        {99, -3, 63, 0},  // read within 0..63
    };
    W69changeInput* editor = W69changeInput::instance();
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1,%2").arg(c.code).arg(c.mask).toStdString());
        clickOn(editor->Iw1[2]);  // a new marker left from before
        editor->wakeup(c.code, c.mask);
        EXPECT_EQ(shownCode(editor), c.lines);
        EXPECT_EQ(shownMask(editor->STCHG), c.old);
        EXPECT_EQ(InputLogic::codeOf(editor->oldchanges), c.old);
        EXPECT_EQ(editor->old6and9, c.old);
        EXPECT_EQ(shownMask(editor->STCHGnew), 0);
    }
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(displayWindow::instance()->blockingSheet(), editor);
    EXPECT_EQ(editor->windowHandle()->transientParent(), displayWindow::instance()->windowHandle());
}

TEST(ChangingLineEditor, PressingALineTogglesOnlyItsNewMarker) {
    EditorProgram started;
    W69changeInput* editor = W69changeInput::instance();
    editor->wakeup(21, 33);
    clickOn(editor->Iw1[0]);
    clickOn(editor->Iw1[2]);
    EXPECT_EQ(shownMask(editor->STCHGnew), 5);
    clickOn(editor->Iw1[2]);
    EXPECT_EQ(shownMask(editor->STCHGnew), 1);
    EXPECT_EQ(shownCode(editor), 21);
    EXPECT_EQ(shownMask(editor->STCHG), 33);
}

TEST(ChangingLineEditor, SetWithoutANewMarkerRefusesAndSetWithTheOldMaskClosesWithoutAnEdit) {
    EditorProgram started;
    displayWindow* display = displayWindow::instance();
    showChain(display, {56, 0});
    select(display, 1, true);
    W69changeInput* editor = W69changeInput::instance();
    editor->wakeup(56, 56);
    editor->PushButton1->Push();
    StartedProgram::settle();
    EXPECT_EQ(started.program.dialogs.messages, QStringList{"Must have at least one 6and9 transform"});
    EXPECT_EQ(findWindow<W69changeInput>(), editor);
    EXPECT_EQ(shownMask(editor->STCHG), 56);
    EXPECT_EQ(shownMask(editor->STCHGnew), 0);

    for (int well : {3, 4, 5}) clickOn(editor->Iw1[static_cast<size_t>(well)]);
    const auto chainBefore = display->virev;
    editor->PushButton1->Push();
    StartedProgram::settle();
    EXPECT_EQ(findWindow<W69changeInput>(), nullptr);
    EXPECT_EQ(started.program.dialogs.messages.size(), 1);
    EXPECT_EQ(display->virev, chainBefore);  // not reloaded
}

TEST(ChangingLineEditor, CancelAndCtrlWCloseAPlainWDoesNotAndAReopenedEditorHasShortChosen) {
    EditorProgram started;
    struct Case {
        const char* what;
        Qt::KeyboardModifiers modifiers;
        bool cancel;
        bool closes;
    } cases[] = {
        {"w", Qt::NoModifier, false, false},
        {"Ctrl-W", Qt::ControlModifier, false, true},
        {"cancel", Qt::NoModifier, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        W69changeInput* editor = W69changeInput::instance();
        EXPECT_TRUE(editor->Rbshort->Value());
        EXPECT_FALSE(editor->RBlong->Value());
        editor->wakeup(7, 1);
        clickOn(editor->RBlong);
        EXPECT_FALSE(editor->Rbshort->Value());
        clickOn(editor->Iw1[1]);
        if (c.cancel) clickOn(editor->PushButton2);
        else QTest::keyClick(editor, Qt::Key_W, c.modifiers);
        StartedProgram::settle();
        EXPECT_EQ(findWindow<W69changeInput>() == nullptr, c.closes);
        if (!c.closes) editor->Close();
        StartedProgram::settle();
    }
    EXPECT_TRUE(started.program.dialogs.messages.isEmpty());
}

TEST(ChangingLineEditor, WindowHelpShowsTheEditorsHelp) {
    EditorProgram started;
    W69changeInput* editor = W69changeInput::instance();
    editor->wakeup(7, 1);
    EXPECT_TRUE(ChooseMenuItem(editor, "FileHelp"));
    EXPECT_EQ(WHelp::instance()->Title(), "HexChain Edit Transitions  Help");
    EXPECT_EQ(WHelp::instance()->EditField1->Text(), W69CHANGEINPUTHELP());
    EXPECT_FALSE(editor->isClosed());
}
