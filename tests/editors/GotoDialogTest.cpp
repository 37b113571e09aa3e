// The go-to dialog: the numbering it asks for, the keys its field takes, and the row "go" shows.
#include "EditorSupport.h"

#include "editors/GotoHexWindow.h"
#include "editors/WdbEditText.h"
#include "platform/Beep.h"
#include "platform/Menus.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(GotoDialog, GoShowsTheRowOrBeepsOutsideTheRange) {
    StartedProgram program(editorDatabaseSql());
    struct Case {
        bool boolean;      // the editor's numbering
        const char* keys;  // typed into the field
        const char* shows; // the editor's code label afterwards, or nullptr for a beep
    } cases[] = {
        {false, "", nullptr},     {true, "", "Boolean = 0,"},  {false, "64", "Boolean = 63,"},
        {true, "64", nullptr},    {false, "63", "Boolean = 62,"}, {true, "63", "Boolean = 63,"},
        {false, "00", nullptr},   {true, "00", "Boolean = 0,"}, {false, "2a2", "Boolean = 21,"},  // "a" is refused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.boolean ? "Boolean " : "book ") + c.keys);
        WdbEditText* editor = WdbEditText::instance();
        editor->wakeup("MY_HEX", true);
        editor->gotorecord(1, true);
        if (c.boolean) {
            ASSERT_TRUE(ChooseMenuItem(editor, "UseNumberBoolean"));
        }
        ASSERT_TRUE(ChooseMenuItem(editor, "dbeditOptionsGotoRecord"));
        GotoHexWindow* dialog = findWindow<GotoHexWindow>();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->EditField1->Text(), "");
        EXPECT_EQ(dialog->StaticText1->Text(), c.boolean ? "GoTo Boolean Number" : "GoTo Book Number");
        EXPECT_EQ(dialog->StaticText2->Text(), c.boolean ? QString::fromUtf8("0 \u2264\u00a0n \u2264 63")
                                                         : QString::fromUtf8("1 \u2264\u00a0n \u2264 64"));
        QTest::keyClicks(dialog->EditField1->lineEdit(), c.keys);
        const int beeps = beepCount();
        clickOn(dialog->PushButton1);
        if (c.shows) {
            EXPECT_EQ(editor->STBool->Text(), c.shows);
            EXPECT_EQ(findWindow<GotoHexWindow>(), nullptr);
        } else {
            EXPECT_EQ(beepCount(), beeps + 1);
            EXPECT_EQ(editor->STBool->Text(), "Boolean = 1,");
            ASSERT_EQ(findWindow<GotoHexWindow>(), dialog);
            dialog->Close();
            StartedProgram::settle();
        }
    }
}

TEST(GotoDialog, FieldTakesTwoDigitsAndRefusesBackspace) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = WdbEditText::instance();
    editor->wakeup("MY_HEX", true);
    GotoHexWindow* dialog = GotoHexWindow::instance();
    dialog->wakeup(true, -1);
    QLineEdit* field = dialog->EditField1->lineEdit();
    QTest::keyClicks(field, "1x23");
    EXPECT_EQ(dialog->EditField1->Text(), "12");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(dialog->EditField1->Text(), "12");
    dialog->wakeup(false, 42);
    EXPECT_EQ(dialog->EditField1->Text(), "42");
    EXPECT_EQ(dialog->StaticText1->Text(), "GoTo Boolean Number");
}

TEST(GotoDialog, ClosesTogetherWithTheEditor) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = WdbEditText::instance();
    editor->wakeup("MY_HEX", true);
    ASSERT_TRUE(ChooseMenuItem(editor, "dbeditOptionsGotoRecord"));
    ASSERT_TRUE(findWindow<GotoHexWindow>());
    clickOn(editor->PushButton1);
    EXPECT_EQ(findWindow<GotoHexWindow>(), nullptr);
    EXPECT_EQ(findWindow<WdbEditText>(), nullptr);
}
