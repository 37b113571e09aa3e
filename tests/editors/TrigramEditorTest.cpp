// The trigram editor in the started program: opening, stepping with "NEXT", its figure and saving.
#include "EditorSupport.h"

#include "editors/TRIGRAMINPUT.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TRIGRAMINPUT* openTrigramEditor(const QString& table, bool edit) {
    TRIGRAMINPUT* editor = TRIGRAMINPUT::instance();
    editor->wakeup(table, edit);
    StartedProgram::settle();
    return editor;
}

}  // namespace

TEST(TrigramEditor, OpensOnTrigramZeroAndNextWrapsRound) {
    StartedProgram program(editorDatabaseSql());
    struct Case {
        const char* table;
        bool edit;
        bool editable;
    } cases[] = {{"MY_TRI", false, false}, {"MY_TRI", true, true}, {"TRIGRAMS_DEFAULT", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + (c.edit ? " edit" : " show"));
        TRIGRAMINPUT* editor = openTrigramEditor(c.table, c.edit);
        EXPECT_EQ(editor->Title(), QString("Trigrams: Table = ") + c.table);
        EXPECT_EQ(editor->StaticText1->Text(), "NUMBER = 0");
        EXPECT_EQ(editor->EFtri[0]->Text(), "tri0");
        EXPECT_EQ(editor->EFtri[7]->Text(), "verb0");
        EXPECT_EQ(editor->EFtri[8]->Text(), "adj0");
        EXPECT_EQ(editor->PushButton1->Visible(), c.editable);
        EXPECT_EQ(editor->PushButton1->Enabled(), c.editable);
        EXPECT_EQ(editor->EFtri[3]->ReadOnly(), !c.editable);
    }
    TRIGRAMINPUT* editor = openTrigramEditor("MY_TRI", false);
    for (int expected : {1, 2, 3, 4, 5, 6, 7, 0}) {
        clickOn(editor->PushButton2);
        EXPECT_EQ(editor->StaticText1->Text(), QString("NUMBER = %1").arg(expected));
        EXPECT_EQ(editor->EFtri[2]->Text(), QString("animal%1").arg(expected));
    }
}

TEST(TrigramEditor, FigureDrawsTheTopLineFromTheHighBit) {
    StartedProgram program(editorDatabaseSql());
    TRIGRAMINPUT* editor = openTrigramEditor("MY_TRI", false);
    const Color ink = RGB(50, 50, 5), white = RGB(255, 255, 255);
    struct Case {
        int n;
        bool top, middle, bottom;
    } cases[] = {{0, false, false, false}, {7, true, true, true}, {4, true, false, false}, {1, false, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        editor->drawtrigram(c.n);
        const bool whole[3] = {c.top, c.middle, c.bottom};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(editor->tripic->Pixel(10, 10 + 6 * i), ink);
            EXPECT_EQ(editor->tripic->Pixel(40, 10 + 6 * i), whole[i] ? ink : white);
        }
    }
}

TEST(TrigramEditor, RecordWritesTheNineTextsOrRefusesABlankOne) {
    StartedProgram program(editorDatabaseSql());
    TRIGRAMINPUT* editor = openTrigramEditor("MY_TRI", true);
    clickOn(editor->PushButton2);  // trigram 1
    typeInto(editor->EFtri[0], "  lake ");
    typeInto(editor->EFtri[8], " ");
    clickOn(editor->PushButton1);
    ASSERT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_EQ(program.dialogs.questions[0].Message, "Record has a blank field, can not save.");
    EXPECT_EQ(readValue(program.databasePath(), "SELECT NAME FROM MY_TRI WHERE NUMBER_BOOLEAN=1"), "tri1");
    EXPECT_EQ(editor->EFtri[0]->Text(), "lake ");
    EXPECT_EQ(editor->EFtri[8]->Text(), "");

    typeInto(editor->EFtri[8], "joyous");
    clickOn(editor->PushButton1);
    ASSERT_EQ(program.dialogs.questions.size(), 2u);
    EXPECT_EQ(program.dialogs.questions[1].Message, "Record has been saved.");
    EXPECT_EQ(readValue(program.databasePath(), "SELECT NAME || '|' || adjective || '|' || verb FROM MY_TRI WHERE NUMBER_BOOLEAN=1"),
              "lake |joyous|verb1");
    EXPECT_EQ(readValue(program.databasePath(), "SELECT count(*) FROM MY_TRI WHERE adjective='joyous'"), "1");
}

TEST(TrigramEditor, AMissingRowIsReportedAndShownEmpty) {
    // MY_GAP lacks the trigrams 0 and 3.
    StartedProgram program(editorDatabaseSql() +
                           "CREATE TABLE MY_GAP AS SELECT * FROM MY_TRI WHERE NUMBER_BOOLEAN NOT IN (0, 3);"
                           "INSERT INTO TheTables VALUES ('MY_GAP', 1, 1, 0, 'test');");
    TRIGRAMINPUT* editor = openTrigramEditor("MY_TRI", true);
    ASSERT_EQ(editor->EFtri[0]->Text(), "tri0");
    struct Case {
        const char* what;
        std::function<void()> act;
        int number;
        const char* message;  // nullptr: the row is there
    };
    const Case cases[] = {
        {"open", [&] { editor->wakeup("MY_GAP", true); }, 0, "The table MY_GAP has no row for trigram number 0."},
        {"NEXT", [&] { clickOn(editor->PushButton2); }, 1, nullptr},
        {"NEXT", [&] { clickOn(editor->PushButton2); }, 2, nullptr},
        {"NEXT", [&] { clickOn(editor->PushButton2); }, 3, "The table MY_GAP has no row for trigram number 3."},
        {"NEXT", [&] { clickOn(editor->PushButton2); }, 4, nullptr},
    };
    const Color ink = RGB(50, 50, 5), white = RGB(255, 255, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 to %2").arg(c.what).arg(c.number).toStdString());
        program.dialogs.messages.clear();
        c.act();
        StartedProgram::settle();
        EXPECT_EQ(program.dialogs.messages, c.message ? QStringList{c.message} : QStringList{});
        EXPECT_EQ(editor->StaticText1->Text(), QString("NUMBER = %1").arg(c.number));
        EXPECT_EQ(editor->EFtri[0]->Text(), c.message ? QString() : QString("tri%1").arg(c.number));
        EXPECT_EQ(editor->EFtri[8]->Text(), c.message ? QString() : QString("adj%1").arg(c.number));
        EXPECT_EQ(editor->PushButton1->Enabled(), c.message == nullptr);
        EXPECT_EQ(editor->tripic->Pixel(10, 22), c.message ? white : ink);  // the bottom line, or no figure
    }
    // Typing on a missing row records nothing and is not asked about.
    editor->wakeup("MY_GAP", true);
    typeInto(editor->EFtri[0], "nothing to record");
    clickOn(editor->PushButton1);
    clickOn(editor->PushButton2);
    EXPECT_TRUE(program.dialogs.questions.empty());
    EXPECT_EQ(readValue(program.databasePath(), "SELECT count(*) FROM MY_GAP WHERE NAME = 'nothing to record'"), "0");
}
