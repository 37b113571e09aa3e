// The Tables menu on the catalogue list: Use, delete and archive, and the new-table dialog that
// copy opens, checked by what the file holds afterwards.
#include "ListsSupport.h"

#include "core/M_globals.h"
#include "core/trigramClass.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "lists/TableInputWindow.h"
#include "platform/Controls.h"
#include "platform/SQLDatabase.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// Two more text tables: a copy of each default, editable.
const char* const ExtraTables =
    "CREATE TABLE MyHex AS SELECT * FROM ENGLISH_DEFAULT;"
    "UPDATE MyHex SET NAME = 'mine' || NUMBER_BOOLEAN;"
    "CREATE TABLE MyTri AS SELECT * FROM TRIGRAMS_DEFAULT;"
    "UPDATE MyTri SET NAME = 'other' || NUMBER_BOOLEAN;"
    "INSERT INTO TheTables VALUES ('MyHex', 0, 1, 1, 'me'), ('MyTri', 1, 1, 1, 'me');";

QString value(const StartedProgram& program, const QString& sql) {
    return readValue(const_cast<StartedProgram&>(program).databasePath(), sql);
}

ListsWindow* catalogueWith(StartedProgram& program, const QString& table) {
    ListsWindow* lists = openLists(2);
    const int row = rowWith(lists->Lschema, 0, table);
    EXPECT_GE(row, 0) << table.toStdString();
    clickRow(lists->Lschema, row);
    Q_UNUSED(program)
    return lists;
}

class TablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.started);
        ASSERT_TRUE(createDatabase(program.databasePath(), ExtraTables));
    }
    StartedProgram program;
};

TEST_F(TablesTest, UsePutsTheSelectedTableInUseAndReloadsTheTrigrams) {
    ListsWindow* lists = catalogueWith(program, "MyHex");
    EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
    EXPECT_EQ(M_globals::TableHex, "MyHex");
    clickRow(lists->Lschema, rowWith(lists->Lschema, 0, "MyTri"));
    EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
    EXPECT_EQ(M_globals::TableTri, "MyTri");
    EXPECT_EQ(M_globals::tridata[3]->name, "other3");
    EXPECT_EQ(lists->Lschema->Cell(lists->Lschema->ListIndex(), 0), "MyTri");  // not reloaded
    lists = openLists(0);
    EXPECT_EQ(lists->Title(), "Hexagrams: Table = MyHex");
    EXPECT_EQ(lists->ListHex->Cell(0, 1), "mine0");
}

TEST_F(TablesTest, ShowAndEditOpenTheEditorOfTheTablesKindForViewingOrEditing) {
    struct Case { const char* table; const char* item; bool editable; };
    const Case cases[] = {
        {"MyHex", "Tablesshow", false}, {"MyHex", "Tablesedit", true},
        {"MyTri", "Tablesshow", false}, {"MyTri", "Tablesedit", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " " + c.item);
        ListsWindow* lists = catalogueWith(program, c.table);
        EXPECT_TRUE(ChooseMenuItem(lists, c.item));
        StartedProgram::settle();
        if (QString(c.table) == "MyHex") {
            auto* editor = findWindow<WdbEditText>();
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->isReadOnly(), !c.editable);
            EXPECT_EQ(editor->EFname->Text(), "mine0");
            editor->Close();
        } else {
            auto* editor = findWindow<TRIGRAMINPUT>();
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->EFtri[0]->ReadOnly(), !c.editable);
            editor->Close();
        }
        StartedProgram::settle();
    }
}

TEST_F(TablesTest, DeleteAsksAndDropsTheTableWithItsCatalogueRowOnlyWhenConfirmed) {
    struct Case { const char* table; DialogButton answer; const char* message; bool dropped; };
    const Case cases[] = {
        {"MyHex", DialogButton::Cancel, "Delete this table: MyHex", false},
        {"MyHex", DialogButton::Action, "Delete this table: MyHex", true},
        {"TRIGRAMS_DEFAULT", DialogButton::Action, "The table TRIGRAMS_DEFAULT is a default table,", false},
    };
    // The default table made editable, as a file may have it.
    ASSERT_TRUE(createDatabase(program.databasePath(), "UPDATE TheTables SET isEdible = 1"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        program.dialogs.questions.clear();
        program.dialogs.buttons = {c.answer};
        ListsWindow* lists = catalogueWith(program, c.table);
        EXPECT_TRUE(ChooseMenuItem(lists, "Tablesdelete"));
        ASSERT_EQ(program.dialogs.questions.size(), 1u);
        EXPECT_EQ(program.dialogs.questions[0].Message, c.message);
        const QString count = QString("SELECT count(*) FROM sqlite_master WHERE name = '%1'").arg(c.table);
        EXPECT_EQ(value(program, count), c.dropped ? "0" : "1");
        EXPECT_EQ(value(program, QString("SELECT count(*) FROM TheTables WHERE table_name = '%1'").arg(c.table)),
                  c.dropped ? "0" : "1");
        EXPECT_EQ(rowWith(lists->Lschema, 0, c.table) < 0, c.dropped);
    }
}

TEST_F(TablesTest, TheTableInUseAndATableNotEditableAreNotDeleted) {
    ListsWindow* lists = catalogueWith(program, "MyTri");
    M_globals::TableTri = "MyTri";
    EXPECT_TRUE(ChooseMenuItem(lists, "Tablesdelete"));
    ASSERT_EQ(program.dialogs.questions.size(), 1u);
    EXPECT_EQ(program.dialogs.questions[0].Message, "The table MyTri is in use,");
    EXPECT_EQ(lists->Lschema->Cell(lists->Lschema->ListIndex(), 0), "MyTri");  // selection kept
    clickRow(lists->Lschema, rowWith(lists->Lschema, 0, "ENGLISH_DEFAULT"));
    EXPECT_FALSE(ChooseMenuItem(lists, "Tablesdelete"));  // its edit flag reads False
    EXPECT_TRUE(ChooseMenuItem(lists, "archiveexport"));
    EXPECT_EQ(program.dialogs.messages, QStringList{"Feature not coded yet."});
    EXPECT_EQ(value(program, "SELECT count(*) FROM sqlite_master WHERE type = 'table'"), "9");
}

// The dialog as the copy command opens it on `table`, with the fields typed.
TableInputWindow* copyDialog(StartedProgram& program, const QString& table, const QString& name,
                             const QString& creator) {
    ListsWindow* lists = catalogueWith(program, table);
    EXPECT_TRUE(ChooseMenuItem(lists, "Tablescopy"));
    StartedProgram::settle();
    TableInputWindow* dialog = findWindow<TableInputWindow>();
    if (!dialog) return nullptr;
    QTest::keyClicks(dialog->EFinput->lineEdit(), name);
    QTest::keyClicks(dialog->EFcreator->lineEdit(), creator);
    return dialog;
}

TEST_F(TablesTest, TheNewTableDialogRefusesWhatCanNotNameATable) {
    struct Case { const char* name; const char* creator; const char* refusal; const char* nameLeft; };
    const Case cases[] = {
        {"", "   ", "Creator has no Text, can not use!", ""},
        {"   ", "me", "Name has no Text, can not use!", ""},
        {"my table", "me", "Text has spaces, can not use!", "my table"},
        {"MyTri", "me", "This Name is in Use, can not use!", "MyTri"},
        {"HexChains", "me", "This Name is in Use, can not use!", "HexChains"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        TableInputWindow* dialog = copyDialog(program, "MyTri", c.name, c.creator);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->STmessage->Text(), "Create New Trigram Table from MyTri");
        QTest::mouseClick(dialog->PB_default, Qt::LeftButton);
        EXPECT_FALSE(dialog->STerror->isHidden());
        EXPECT_EQ(dialog->STerror->Text(), c.refusal);
        EXPECT_EQ(dialog->EFinput->Text(), c.nameLeft);
        QTest::keyClicks(dialog->EFcreator->lineEdit(), "x");
        EXPECT_TRUE(dialog->STerror->isHidden());
        QTest::mouseClick(dialog->PB_cancel, Qt::LeftButton);
        StartedProgram::settle();
        EXPECT_EQ(findWindow<TableInputWindow>(), nullptr);
    }
    EXPECT_EQ(value(program, "SELECT count(*) FROM TheTables"), "9");
    TableInputWindow* dialog = copyDialog(program, "MyTri", "abcdefghijklmnopqrstu", "");
    EXPECT_EQ(dialog->EFinput->Text(), "abcdefghijklmnopqr");  // 18 characters at most
}

TEST_F(TablesTest, ACopyMakesTheFullTableWithItsCatalogueRowAndShowsTheCatalogue) {
    TableInputWindow* dialog = copyDialog(program, "MyTri", "  Copy\"Of", " me");
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->PB_default, Qt::LeftButton);
    StartedProgram::settle();
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
    EXPECT_EQ(findWindow<TableInputWindow>(), nullptr);
    EXPECT_EQ(value(program, "SELECT group_concat(NAME, ',') FROM (SELECT NAME FROM \"Copy\"\"Of\" ORDER BY NUMBER_BOOLEAN)"),
              "other0,other1,other2,other3,other4,other5,other6,other7");
    EXPECT_EQ(value(program, "SELECT table_type || ',' || isEdible || ',' || isFull || ',' || creator FROM TheTables "
                             "WHERE table_name = 'Copy\"Of'"),
              "1,1,1, me");
    ListsWindow* lists = findWindow<ListsWindow>();
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(lists->Title(), "Schema");
    EXPECT_GE(rowWith(lists->Lschema, 0, "Copy\"Of"), 0);
}

TEST_F(TablesTest, ACopyFromATableWithAMissingRowLeavesNothingBehind) {
    // The test file's hexagram tables hold six rows: code 2 is the first that is missing.
    TableInputWindow* dialog = copyDialog(program, "MyHex", "Partial", "me");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->STmessage->Text(), "Create New Hexagram Table from MyHex");
    QTest::mouseClick(dialog->PB_default, Qt::LeftButton);
    StartedProgram::settle();
    EXPECT_EQ(program.dialogs.messages, QStringList{"error in copying, no record (boolean = 2)"});
    EXPECT_EQ(value(program, "SELECT count(*) FROM sqlite_master WHERE name = 'Partial'"), "0");
    EXPECT_EQ(value(program, "SELECT count(*) FROM TheTables WHERE table_name = 'Partial'"), "0");
    EXPECT_EQ(findWindow<TableInputWindow>(), nullptr);
}

}  // namespace
