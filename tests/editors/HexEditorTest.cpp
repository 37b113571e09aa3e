// The hexagram-text editor in the started program: opening for viewing and for editing, the rows
// it shows, stepping in both numberings, its figure and saving the changed texts.
#include "EditorSupport.h"

#include "app/MenuBar1.h"
#include "app/AppResources.h"
#include "app/WHelp.h"
#include "core/M_globals.h"
#include "editors/GotoHexWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "lists/ListsWindow.h"
#include "platform/SQLDatabase.h"
#include "platform/Menus.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString value(StartedProgram& program, const QString& sql) { return readValue(program.databasePath(), sql); }

WdbEditText* openEditor(const QString& table, bool readOnly) {
    WdbEditText* editor = WdbEditText::instance();
    editor->wakeup(table, readOnly);
    StartedProgram::settle();
    return editor;
}

}  // namespace

TEST(HexEditor, OpensOnBookNumberOneForViewingOrEditing) {
    StartedProgram program(editorDatabaseSql());
    struct Case {
        const char* table;
        bool readOnly;
        bool editable;  // what the window allows
    } cases[] = {
        {"MY_HEX", true, false},
        {"MY_HEX", false, true},
        {"ENGLISH_DEFAULT", false, false},  // the catalogue keeps it from editing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + (c.readOnly ? " show" : " edit"));
        WdbEditText* editor = openEditor(c.table, c.readOnly);
        EXPECT_EQ(editor->Title(), QString("TABLE %1, EDIT HEX: %2").arg(c.table, c.table == QString("MY_HEX") ? "mine0" : "name0"));
        EXPECT_EQ(editor->STBool->Text(), "Boolean = 0,");
        EXPECT_EQ(editor->STBook->Text(), "book = 1,");
        EXPECT_EQ(editor->STAbove->Text(), "above = 0,");
        EXPECT_EQ(editor->STBelow->Text(), "below = 0.");
        EXPECT_EQ(editor->STchina->Text(), "pin0");
        EXPECT_EQ(editor->ef1st->Text(), "line0.1");
        EXPECT_EQ(editor->ef6th->Text(), "line0.6");
        EXPECT_EQ(editor->efall->Text(), "all0");
        EXPECT_EQ(editor->efshort->Text(), "s0");
        EXPECT_EQ(editor->efdescription->Text(), "desc0");
        EXPECT_EQ(editor->efjudgement->Text(), "judg0");
        EXPECT_EQ(editor->EFname->ReadOnly(), !c.editable);
        EXPECT_EQ(editor->efjudgement->ReadOnly(), !c.editable);
        EXPECT_EQ(editor->PBrecord->Visible(), c.editable);
        EXPECT_EQ(editor->PBrecord->Enabled(), c.editable);
        EXPECT_TRUE(UseNumberBook()->Checked());
        EXPECT_FALSE(UseNumberBoolean()->Checked());
        EXPECT_TRUE(dbeditOptionsMenu()->Visible());
    }
}

TEST(HexEditor, NameListHoldsTheDefaultTableNamesSortedWithHiddenCodes) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = openEditor("MY_HEX", true);
    QTreeWidget* list = editor->findChild<QTreeWidget*>("ListOfHex");
    ASSERT_TRUE(list);
    QStringList names, codes;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        names << list->topLevelItem(i)->text(0);
        codes << list->topLevelItem(i)->text(1);
    }
    EXPECT_EQ(names, QStringList({"name0", "name1", "name21", "name42", "name62", "name63"}));
    EXPECT_EQ(codes, QStringList({"0", "1", "21", "42", "62", "63"}));
    EXPECT_TRUE(list->isColumnHidden(1));
}

TEST(HexEditor, StepsWrapRoundInBothNumberings) {
    StartedProgram program(editorDatabaseSql());
    // The test table holds the codes 0, 1, 21, 42, 62 and 63, each with book number code + 1.
    struct Case {
        bool boolean;
        int from;  // code shown before the step
        bool next;
        const char* shows;
    } cases[] = {
        {false, 0, true, "Boolean = 1,"},    // book 1 -> 2
        {false, 0, false, "Boolean = 63,"},  // book 1 -> 64
        {false, 63, true, "Boolean = 0,"},   // book 64 -> 1
        {true, 63, true, "Boolean = 0,"},
        {true, 0, false, "Boolean = 63,"},
        {true, 62, true, "Boolean = 63,"},
    };
    WdbEditText* editor = openEditor("MY_HEX", true);
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2 %3").arg(c.boolean).arg(c.from).arg(c.next).toStdString());
        editor->wakeup("MY_HEX", true);
        if (c.boolean) {
            ASSERT_TRUE(ChooseMenuItem(editor, "UseNumberBoolean"));
        }
        editor->gotorecord(c.from, true);
        clickOn(c.next ? editor->PBnext : editor->PBprevious);
        EXPECT_EQ(editor->STBool->Text(), c.shows);
        EXPECT_EQ(editor->UsingbooleanNumber, c.boolean);
    }
}

TEST(HexEditor, EitherUseNumberItemSwitchesTheNumbering) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = openEditor("MY_HEX", true);
    editor->gotorecord(42, true);  // book 43
    const char* items[] = {"UseNumberBook", "UseNumberBoolean"};
    for (const char* item : items) {
        SCOPED_TRACE(item);
        ASSERT_TRUE(ChooseMenuItem(editor, item));
        EXPECT_TRUE(editor->UsingbooleanNumber);
        EXPECT_TRUE(UseNumberBoolean()->Checked());
        EXPECT_FALSE(UseNumberBook()->Checked());
        EXPECT_EQ(editor->my_count, 42);
        ASSERT_TRUE(ChooseMenuItem(editor, item));
        EXPECT_FALSE(editor->UsingbooleanNumber);
        EXPECT_TRUE(UseNumberBook()->Checked());
        EXPECT_EQ(editor->my_count, 43);
        EXPECT_EQ(editor->STBool->Text(), "Boolean = 42,");
    }
    ASSERT_TRUE(ChooseMenuItem(editor, "UseNumberBoolean"));
    editor->wakeup("MY_HEX", true);  // a new opening goes back to book numbering
    EXPECT_FALSE(editor->UsingbooleanNumber);
    EXPECT_TRUE(UseNumberBook()->Checked());
}

TEST(HexEditor, FigureDrawsWholeAndBrokenLinesInTheTrigramColours) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = openEditor("MY_HEX", true);
    const Color magenta = RGB(255, 0, 255), cyan = RGB(0, 255, 255), white = RGB(255, 255, 255);
    struct Case {
        int code;
        int line;  // 1..6
        bool whole;
    } cases[] = {{0, 6, false}, {0, 1, false}, {63, 6, true}, {63, 1, true},
                 {9, 4, true},  {9, 1, true},  {9, 5, false}, {9, 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 line %2").arg(c.code).arg(c.line).toStdString());
        editor->drawhexagram(c.code);
        const int top = 10 + (6 - c.line) * 6;
        const Color colour = c.line > 3 ? magenta : cyan;
        EXPECT_EQ(editor->hexpic->Pixel(10, top), colour);
        EXPECT_EQ(editor->hexpic->Pixel(69, top + 2), colour);
        EXPECT_EQ(editor->hexpic->Pixel(40, top), c.whole ? colour : white);  // the middle of the line
    }
}

TEST(HexEditor, RecordWritesOnlyChangedTextsWithoutLeadingBlanks) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = openEditor("MY_HEX", false);
    editor->gotorecord(21, true);
    typeInto(editor->ef3rd, "   third text  ");
    typeInto(editor->EFname, "New name");
    clickOn(editor->PBrecord);
    ASSERT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_EQ(program.dialogs.questions[0].Message, "Record has been saved.");
    EXPECT_EQ(value(program, "SELECT third FROM MY_HEX WHERE NUMBER_BOOLEAN=21"), "third text  ");
    EXPECT_EQ(value(program, "SELECT NAME FROM MY_HEX WHERE NUMBER_BOOLEAN=21"), "New name");
    EXPECT_EQ(value(program, "SELECT first FROM MY_HEX WHERE NUMBER_BOOLEAN=21"), "line21.1");
    EXPECT_EQ(value(program, "SELECT count(*) FROM MY_HEX WHERE NAME='New name'"), "1");
    EXPECT_EQ(editor->ef3rd->Text(), "third text  ");
    EXPECT_EQ(editor->Title(), "TABLE MY_HEX, EDIT HEX: New name");
    EXPECT_EQ(editor->thirdstr, "third text  ");

    clickOn(editor->PBrecord);  // nothing changed since: no dialog
    EXPECT_EQ(program.dialogs.questions.size(), 1u);
}

TEST(HexEditor, ABlankFieldRefusesTheWholeSave) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = openEditor("MY_HEX", false);
    ASSERT_TRUE(ChooseMenuItem(editor, "UseNumberBoolean"));
    editor->gotorecord(42, true);
    typeInto(editor->efdescription, "changed description");
    typeInto(editor->efshort, "   ");
    clickOn(editor->PBrecord);
    ASSERT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_EQ(program.dialogs.questions[0].Message, "Record has a blank field, can not save.");
    EXPECT_EQ(program.dialogs.questions[0].Explanation, "Tables are required to have all record values filled for use.");
    EXPECT_EQ(value(program, "SELECT DESCRIPTION FROM MY_HEX WHERE NUMBER_BOOLEAN=42"), "desc42");
    EXPECT_EQ(editor->efshort->Text(), "");

    typeInto(editor->efshort, "short");
    clickOn(editor->PBrecord);
    ASSERT_EQ(program.dialogs.questions.size(), 2u);
    EXPECT_EQ(program.dialogs.questions[1].Message, "Record has been saved.");
    EXPECT_EQ(value(program, "SELECT DESCRIPTION || '|' || ShortName FROM MY_HEX WHERE NUMBER_BOOLEAN=42"),
              "changed description|short");
    EXPECT_EQ(editor->STBool->Text(), "Boolean = 42,");  // stays on the row in Boolean numbering
    EXPECT_EQ(value(program, "SELECT count(*) FROM MY_HEX WHERE ShortName='short'"), "1");
}

TEST(HexEditor, CommandWClosesAnUnchangedEditorWithoutAsking) {
    // With changed texts it asks first: see EditorUnsavedChanges.
    StartedProgram program(editorDatabaseSql());
    const Qt::KeyboardModifiers withW[] = {Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier};  // w and W
    for (Qt::KeyboardModifiers modifiers : withW) {
        WdbEditText* editor = openEditor("MY_HEX", false);
        QPointer<WdbEditText> open(editor);
        QTest::keyClick(editor->efall->textEdit(), Qt::Key_W, modifiers);
        StartedProgram::settle();
        EXPECT_TRUE(!open || open->isClosed());
    }
    EXPECT_TRUE(program.dialogs.questions.empty());
    EXPECT_EQ(value(program, "SELECT all_nines FROM MY_HEX WHERE NUMBER_BOOLEAN=0"), "all0");
}

TEST(HexEditor, WindowHelpOfBothEditors) {
    StartedProgram program(editorDatabaseSql());
    struct Case {
        Window* editor;
        const char* title;
        QString text;
    } cases[] = {
        {openEditor("MY_HEX", true), "DataBase Hexagram Records Help", WDBEDITTEXTHELP()},
        {TRIGRAMINPUT::instance(), "DataBase Trigram Records Help", TRIGRAMINPUTHELP()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ASSERT_TRUE(ChooseMenuItem(c.editor, "FileHelp"));
        EXPECT_EQ(WHelp::instance()->Title(), c.title);
        EXPECT_EQ(WHelp::instance()->EditField1->Text(), c.text);
        EXPECT_TRUE(WHelp::instance()->isVisible());
    }
}

TEST(HexEditor, CommandDoubleClickOnANameOpensTheGoToDialogWithItsCode) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = openEditor("MY_HEX", true);
    QTreeWidget* list = editor->ListOfHex;
    QTreeWidgetItem* row = list->topLevelItem(3);  // name42
    const QPoint at = list->visualItemRect(row).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    StartedProgram::settle();
    EXPECT_EQ(findWindow<GotoHexWindow>(), nullptr);  // without the Command key nothing happens

    QTest::keyPress(list, Qt::Key_Control);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    StartedProgram::settle();
    GotoHexWindow* dialog = findWindow<GotoHexWindow>();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->StaticText1->Text(), "GoTo Boolean Number");
    EXPECT_EQ(dialog->EditField1->Text(), "42");
    EXPECT_EQ(editor->STBool->Text(), "Boolean = 0,");  // the double click itself shows no row
    QTest::keyRelease(list, Qt::Key_Control);
}

TEST(HexEditor, ATableDroppedWhileOpenIsReportedAndNothingIsWritten) {
    StartedProgram program(editorDatabaseSql());
    WdbEditText* editor = openEditor("MY_HEX", false);
    typeInto(editor->EFname, "changed");
    ASSERT_TRUE(M_globals::db->SQLExecute("DROP TABLE MY_HEX"));
    clickOn(editor->PBrecord);
    program.dialogs.buttons = {DialogButton::AlternateAction};  // the typed name cannot be kept: "Don't Save"
    clickOn(editor->PBnext);
    ASSERT_EQ(program.dialogs.messages.size(), 2u);
    EXPECT_TRUE(program.dialogs.messages[0].contains("MY_HEX"));
    ASSERT_EQ(program.dialogs.questions.size(), 1u);  // no "Record has been saved."
    EXPECT_EQ(program.dialogs.questions[0].AlternateActionButtonCaption, "Don't Save");
    // Nothing of the table that has gone stays on show.
    EXPECT_EQ(editor->STBook->Text(), "book = 2,");
    EXPECT_EQ(editor->EFname->Text(), "");
    EXPECT_FALSE(editor->PBrecord->Enabled());
}

TEST(HexEditor, TheTextFontCommandReachesTheEditorsAndTheListsWindow) {
    StartedProgram program(editorDatabaseSql());
    ASSERT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseCurrentHexDataTable"));
    ListsWindow* lists = findWindow<ListsWindow>();
    ASSERT_NE(lists, nullptr);
    TRIGRAMINPUT* trigrams = TRIGRAMINPUT::instance();
    trigrams->wakeup("MY_TRI", true);
    WdbEditText* editor = openEditor("MY_HEX", true);
    StartedProgram::settle();
    const int other = program.app().thecheckedTextMenuItem == 0 ? 1 : 0;
    const QString font = M_FONTS(other)->Text();
    ASSERT_NE(font, M_globals::font_text);

    // The item of the editor's own menu bar, chosen as the user chooses it.
    QAction* item = nullptr;
    for (QAction* action : editor->findChildren<QAction*>("M_FONTS"))
        if (action->property("menuIndex").toInt() == other) item = action;
    ASSERT_NE(item, nullptr);
    runEnablingPass(editor);
    item->trigger();
    StartedProgram::settle();

    EXPECT_EQ(M_globals::font_text, font);
    for (EditField* field : {editor->EFname, editor->efshort, editor->efdescription, editor->efjudgement, editor->efall,
                             editor->ef1st, editor->ef6th})
        EXPECT_EQ(field->TextFont(), font) << field->objectName().toStdString();
    for (EditField* field : trigrams->EFtri) EXPECT_EQ(field->TextFont(), font);
    EXPECT_EQ(lists->ListHex->TextFont(), font);
    EXPECT_EQ(lists->ListTri->TextFont(), font);
    EXPECT_NE(editor->STBool->TextFont(), font);  // labels keep the system font
}

// A name longer than the field's limit, as a file may hold it.
const QString LongName = "The Receptive Earth Yielding In Its Devotion.";

TEST(HexEditor, AStoredTextLongerThanTheFieldsLimitIsShownAndKeptWhole) {
    ASSERT_EQ(LongName.size(), 45);
    StartedProgram program(editorDatabaseSql() +
                           QString("UPDATE MY_HEX SET NAME = '%1', ShortName = 'A short name of 24 chars' "
                                   "WHERE NUMBER_BOOLEAN = 0;").arg(LongName));
    WdbEditText* editor = openEditor("MY_HEX", false);
    EXPECT_EQ(editor->EFname->Text(), LongName);
    EXPECT_EQ(editor->efshort->Text(), "A short name of 24 chars");

    typeInto(editor->ef3rd, "third text");
    clickOn(editor->PBrecord);
    EXPECT_EQ(value(program, "SELECT NAME || '|' || ShortName || '|' || third FROM MY_HEX WHERE NUMBER_BOOLEAN=0"),
              LongName + "|A short name of 24 chars|third text");
    EXPECT_EQ(editor->EFname->Text(), LongName);

    // One letter corrected at the end of the long name: the rest stays; typing does not make it longer.
    QLineEdit* name = editor->EFname->lineEdit();
    name->setFocus();
    name->end(false);
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, "!x");
    EXPECT_EQ(editor->EFname->Text(), LongName.chopped(1) + "!");
    clickOn(editor->PBrecord);
    EXPECT_EQ(value(program, "SELECT NAME FROM MY_HEX WHERE NUMBER_BOOLEAN=0"), LongName.chopped(1) + "!");

    // What the user types stays within the limits.
    typeInto(editor->EFname, LongName);
    EXPECT_EQ(editor->EFname->Text(), LongName.left(28));
    typeInto(editor->efshort, "A short name of 24 chars");
    EXPECT_EQ(editor->efshort->Text(), "A short name");
}

TEST(HexEditor, AMissingRowIsReportedAndShownEmptyOnOpeningSteppingAndGoTo) {
    // MY_GAP lacks code 0 (book 1); the test rows are the codes 1, 21, 42, 62 and 63.
    StartedProgram program(editorDatabaseSql() +
                           "CREATE TABLE MY_GAP AS SELECT * FROM MY_HEX WHERE NUMBER_BOOLEAN <> 0;"
                           "INSERT INTO TheTables VALUES ('MY_GAP', 0, 1, 0, 'test');");
    WdbEditText* editor = openEditor("MY_HEX", false);
    ASSERT_EQ(editor->EFname->Text(), "mine0");
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* message;  // nullptr: the row is there
        const char* numberLabel;
        const char* name;
    };
    const Case cases[] = {
        {"open", [&] { editor->wakeup("MY_GAP", false); }, "The table MY_GAP has no row for book number 1.", "book = 1,", ""},
        {"next", [&] { clickOn(editor->PBnext); }, nullptr, "book = 2,", "mine1"},
        {"next", [&] { clickOn(editor->PBnext); }, "The table MY_GAP has no row for book number 3.", "book = 3,", ""},
        {"previous", [&] { clickOn(editor->PBprevious); }, nullptr, "book = 2,", "mine1"},
        {"go to", [&] { editor->gotorecord(5, true); }, "The table MY_GAP has no row for Boolean number 5.", "", ""},
        {"go to", [&] { editor->gotorecord(21, true); }, nullptr, "book = 22,", "mine21"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what + std::string(" ") + c.numberLabel);
        program.dialogs.messages.clear();
        c.act();
        StartedProgram::settle();
        EXPECT_EQ(program.dialogs.messages, c.message ? QStringList{c.message} : QStringList{});
        EXPECT_EQ(editor->STBook->Text(), c.numberLabel);
        EXPECT_EQ(editor->EFname->Text(), c.name);
        EXPECT_EQ(editor->Title(), QString("TABLE MY_GAP, EDIT HEX: ") + c.name);
        EXPECT_EQ(editor->PBrecord->Enabled(), c.message == nullptr);
        if (c.message) {
            for (EditField* field : {editor->efshort, editor->efdescription, editor->efjudgement, editor->ef1st, editor->efall})
                EXPECT_EQ(field->Text(), "");
            EXPECT_EQ(editor->STchina->Text(), "");
            EXPECT_EQ(editor->hexpic->Pixel(10, 10), RGB(255, 255, 255));  // no figure
        }
    }
    // Typing on a missing row records nothing.
    editor->gotorecord(5, true);
    typeInto(editor->EFname, "nothing to record");
    clickOn(editor->PBrecord);
    EXPECT_TRUE(program.dialogs.questions.empty());
    EXPECT_EQ(value(program, "SELECT count(*) FROM MY_GAP WHERE NAME = 'nothing to record'"), "0");
}

TEST(HexEditor, AWriteTheEngineRefusesShowsItsMessageAndNoSuccess) {
    StartedProgram program(editorDatabaseSql() +
                           "CREATE TRIGGER no_write BEFORE UPDATE ON MY_HEX "
                           "BEGIN SELECT RAISE(ABORT, 'MY_HEX is kept as it is'); END;");
    WdbEditText* editor = openEditor("MY_HEX", false);
    typeInto(editor->efall, "changed");
    clickOn(editor->PBrecord);
    EXPECT_EQ(program.dialogs.messages, QStringList{"MY_HEX is kept as it is"});
    EXPECT_TRUE(program.dialogs.questions.empty());  // no "Record has been saved."
    EXPECT_EQ(value(program, "SELECT all_nines FROM MY_HEX WHERE NUMBER_BOOLEAN=0"), "all0");
    EXPECT_EQ(editor->efall->Text(), "changed");  // what was typed stays, to try again
}
