// The Tables menu on the catalogue list: Use, delete and archive, and the new-table dialog that
// copy opens, checked by what the file holds afterwards.
#include "ListsSupport.h"

#include "app/App.h"
#include "chains/ChainPage.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "core/trigramClass.h"
#include "display/displayWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "lists/TableInputWindow.h"
#include "platform/Controls.h"
#include "platform/ProgressWheel.h"
#include "platform/SQLDatabase.h"
#include "platform/VectorShapes.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Three more text tables, editable: a copy of each default (the hexagram one with the test file's
// six rows), and FullHex with all 64 hexagram rows.
const char* const ExtraTables =
    "CREATE TABLE MyHex AS SELECT * FROM ENGLISH_DEFAULT;"
    "UPDATE MyHex SET NAME = 'mine' || NUMBER_BOOLEAN;"
    "CREATE TABLE MyTri AS SELECT * FROM TRIGRAMS_DEFAULT;"
    "UPDATE MyTri SET NAME = 'other' || NUMBER_BOOLEAN;"
    "CREATE TABLE FullHex AS SELECT * FROM ENGLISH_DEFAULT WHERE 0;"
    "WITH RECURSIVE c(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM c WHERE n < 63) "
    "INSERT INTO FullHex (NUMBER_BOOLEAN, NUMBER_BOOK, NAME, DESCRIPTION, JUDGEMENT, first, second, third, fourth, "
    "fifth, sixth, China_phonics, above, below, all_nines, ShortName) "
    "SELECT n, n + 1, 'full' || n, 'd', 'j', '1', '2', '3', '4', '5', '6', 'p', n / 8, n % 8, 'a', 's' FROM c;"
    "INSERT INTO TheTables VALUES ('MyHex', 0, 1, 1, 'me'), ('MyTri', 1, 1, 1, 'me'), ('FullHex', 0, 1, 1, 'me');";

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
    ListsWindow* lists = catalogueWith(program, "FullHex");
    EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
    EXPECT_EQ(M_globals::TableHex, "FullHex");
    clickRow(lists->Lschema, rowWith(lists->Lschema, 0, "MyTri"));
    EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
    EXPECT_EQ(M_globals::TableTri, "MyTri");
    EXPECT_EQ(M_globals::tridata[3]->name, "other3");
    EXPECT_EQ(lists->Lschema->Cell(lists->Lschema->ListIndex(), 0), "MyTri");  // not reloaded
    lists = openLists(0);
    EXPECT_EQ(lists->Title(), "Hexagrams: Table = FullHex");
    EXPECT_EQ(lists->ListHex->Cell(0, 1), "full0");
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

TEST_F(TablesTest, UseOfAnotherHexagramTableShowsItsTextsInEveryWindowKeepingChainAndSelection) {
    displayWindow* display = displayWindow::instance();
    StartedProgram::closeInputWindow();  // its sheet blocks clicks on the display
    for (int code : {0, 21, 42}) display->newhex(code, true);
    const QString chain = display->theHexChain;
    // Hexagram 2 selected, the text window and the chain page open.
    display->scrollbarH->setValue(ChainLogic::columnX(2));
    QTest::mouseClick(display->Canvas1, Qt::LeftButton, {}, QPoint(100, 50));
    ASSERT_TRUE(display->hasValidSelection(false));
    ChooseMenuItem(display, "OptionsText");
    ChooseMenuItem(display, "OptionsChainWindow");
    StartedProgram::settle();

    ListsWindow* lists = catalogueWith(program, "FullHex");
    EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
    StartedProgram::settle();
    EXPECT_EQ(display->theHexChain, chain);
    ASSERT_EQ(display->virevcount, 3);
    const int codes[] = {0, 21, 42};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(display->virev[static_cast<size_t>(k)]->name, QString("full%1").arg(codes[k]));
        EXPECT_EQ(display->namestr[static_cast<size_t>(k)]->Text, QString("full%1").arg(codes[k]));
    }
    EXPECT_EQ(ChainLogic::transitionText(*display->virev[1]).count("Six in") +
                  ChainLogic::transitionText(*display->virev[1]).count("Nine in"),
              6);  // 21 to 42: every line changes, as before
    // The selection stays, with its frame.
    EXPECT_EQ(display->recordtoedit, 2);
    EXPECT_TRUE(display->isrecordtoedit);
    EXPECT_EQ(display->selbuffer->Count(), 1);
    EXPECT_TRUE(findWindow<Wtext>()->EF1->Text().startsWith("Hexagram 1:  full0" + QString(CR)));
    EXPECT_EQ(findWindow<ChainPage>()->EditField1->Text(),
              "1.1:  full0" + QString(CR) + "1.2:  full21" + CR + "1.3:  full42" + CR);
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

TEST_F(TablesTest, UseRefusesAnIncompleteTableWithAMessageAndChangesNothing) {
    ASSERT_TRUE(createDatabase(program.databasePath(),
                               "CREATE TABLE TwoTri AS SELECT * FROM MyTri WHERE NUMBER_BOOLEAN < 2;"
                               "CREATE TABLE OneHex AS SELECT * FROM FullHex WHERE NUMBER_BOOLEAN = 0;"
                               "CREATE TABLE NoFive AS SELECT * FROM FullHex WHERE NUMBER_BOOLEAN <> 5;"
                               "CREATE TABLE NoBelow AS SELECT NUMBER_BOOLEAN, NUMBER_BOOK, NAME, DESCRIPTION, JUDGEMENT, "
                               "first, second, third, fourth, fifth, sixth, China_phonics, above, all_nines FROM FullHex;"
                               "INSERT INTO TheTables VALUES ('TwoTri', 1, 1, 1, 'me'), ('OneHex', 0, 1, 1, 'me'), "
                               "('NoBelow', 0, 1, 1, 'me'), ('NoFive', 0, 1, 1, 'me');"));
    struct Case { const char* table; const char* gap; };
    const Case cases[] = {
        {"TwoTri", "It has no row for the codes 2 to 7."},
        {"OneHex", "It has no row for the codes 1 to 63."},
        {"MyHex", "It has no row for the codes 2 to 20, 22 to 41, 43 to 61."},
        {"NoFive", "It has no row for the code 5."},
        {"NoBelow", "It has no column below, ShortName."},
    };
    const QString bytes = fileHash(program.databasePath()).toHex();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        program.dialogs.messages.clear();
        ListsWindow* lists = catalogueWith(program, c.table);
        EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
        EXPECT_EQ(program.dialogs.messages,
                  QStringList{QString("The table %1 is not complete and can not be used.").arg(c.table) + CR + c.gap});
        EXPECT_EQ(M_globals::TableHex, "ENGLISH_DEFAULT");
        EXPECT_EQ(M_globals::TableTri, "TRIGRAMS_DEFAULT");
        EXPECT_EQ(M_globals::tridata[2]->name, "tri2");
        EXPECT_EQ(M_globals::tridata[1]->name, "tri1");
    }
    EXPECT_EQ(fileHash(program.databasePath()).toHex(), bytes);

    // A table dropped by another program after the catalogue was listed.
    ListsWindow* lists = catalogueWith(program, "TwoTri");
    ASSERT_TRUE(M_globals::db->SQLExecute("DROP TABLE TwoTri"));
    program.dialogs.messages.clear();
    EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
    EXPECT_EQ(program.dialogs.messages, QStringList{"no such table: TwoTri"});
    EXPECT_EQ(M_globals::TableTri, "TRIGRAMS_DEFAULT");
}

// The editor opens over the lists window, and what it says while it opens is centred over it.
TEST_F(TablesTest, AMessageOfAnEditorThatIsOpeningShowsOverTheEditor) {
    ASSERT_TRUE(M_globals::db->SQLExecute("DELETE FROM MyHex WHERE NUMBER_BOOK = 1"));
    ListsWindow* lists = catalogueWith(program, "MyHex");
    program.dialogs.messages.clear();
    program.dialogs.owners.clear();
    program.dialogs.ownerCentres.clear();
    EXPECT_TRUE(ChooseMenuItem(lists, "Tablesedit"));
    StartedProgram::settle();
    auto* editor = findWindow<WdbEditText>();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(program.dialogs.messages, QStringList{"The table MyHex has no row for book number 1."});
    EXPECT_EQ(program.dialogs.owners.at(0), editor);
    EXPECT_EQ(program.dialogs.ownerCentres.at(0), editor->geometry().center());
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
    EXPECT_EQ(value(program, "SELECT count(*) FROM sqlite_master WHERE type = 'table'"), "10");
}

TEST_F(TablesTest, NoLetterCaseLetsADefaultTableOrATableInUseBeDeleted) {
    // The defaults stored in other letter cases and made editable, as a file may hold them; the
    // tables in use named in yet other cases.
    ASSERT_TRUE(createDatabase(program.databasePath(),
                               "ALTER TABLE ENGLISH_DEFAULT RENAME TO Renaming; ALTER TABLE Renaming RENAME TO English_Default;"
                               "ALTER TABLE TRIGRAMS_DEFAULT RENAME TO Renaming; ALTER TABLE Renaming RENAME TO trigrams_default;"
                               "UPDATE TheTables SET table_name = 'English_Default' WHERE table_name = 'ENGLISH_DEFAULT';"
                               "UPDATE TheTables SET table_name = 'trigrams_default' WHERE table_name = 'TRIGRAMS_DEFAULT';"
                               "UPDATE TheTables SET isEdible = 1;"));
    M_globals::TableHex = "MYHEX";
    M_globals::TableTri = "mytri";
    struct Case { const char* table; const char* message; };
    const Case cases[] = {
        {"English_Default", "The table English_Default is a default table,"},
        {"trigrams_default", "The table trigrams_default is a default table,"},
        {"MyHex", "The table MyHex is in use,"},
        {"MyTri", "The table MyTri is in use,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        program.dialogs.questions.clear();
        program.dialogs.buttons = {DialogButton::Action};  // "Delete", were it asked
        ListsWindow* lists = catalogueWith(program, c.table);
        EXPECT_TRUE(ChooseMenuItem(lists, "Tablesdelete"));
        ASSERT_EQ(program.dialogs.questions.size(), 1u);
        EXPECT_EQ(program.dialogs.questions[0].Message, c.message);
        EXPECT_EQ(value(program, QString("SELECT count(*) FROM sqlite_master WHERE name = '%1'").arg(c.table)), "1");
    }
    EXPECT_EQ(value(program, "SELECT count(*) FROM sqlite_master WHERE type = 'table'"), "10");
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
}

TEST_F(TablesTest, ACatalogueRowInAnotherLetterCaseServesItsTable) {
    ASSERT_TRUE(createDatabase(program.databasePath(), "UPDATE TheTables SET table_name = 'FULLHEX' WHERE table_name = 'FullHex'"));
    ListsWindow* lists = catalogueWith(program, "FullHex");
    const int row = lists->Lschema->ListIndex();
    ASSERT_GE(row, 0);
    EXPECT_EQ(lists->Lschema->Cell(row, 1), "0 = Hex");
    EXPECT_EQ(lists->Lschema->Cell(row, 2), "True");

    EXPECT_TRUE(ChooseMenuItem(lists, "Tablesedit"));
    StartedProgram::settle();
    auto* editor = findWindow<WdbEditText>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isReadOnly());
    editor->Close();
    StartedProgram::settle();

    // Deleted, the table takes its catalogue row with it.
    program.dialogs.buttons = {DialogButton::Action};
    lists = catalogueWith(program, "FullHex");
    EXPECT_TRUE(ChooseMenuItem(lists, "Tablesdelete"));
    EXPECT_EQ(value(program, "SELECT count(*) FROM sqlite_master WHERE name = 'FullHex'"), "0");
    EXPECT_EQ(value(program, "SELECT count(*) FROM TheTables WHERE table_name = 'FULLHEX'"), "0");
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
}

// The dialog as the copy command opens it on `table`, with the fields typed. A name holding a tab
// is pasted, since the tab key moves on to the next field.
TableInputWindow* copyDialog(StartedProgram& program, const QString& table, const QString& name,
                             const QString& creator) {
    ListsWindow* lists = catalogueWith(program, table);
    EXPECT_TRUE(ChooseMenuItem(lists, "Tablescopy"));
    StartedProgram::settle();
    TableInputWindow* dialog = findWindow<TableInputWindow>();
    if (!dialog) return nullptr;
    if (name.contains('\t')) dialog->EFinput->lineEdit()->insert(name);
    else QTest::keyClicks(dialog->EFinput->lineEdit(), name);
    QTest::keyClicks(dialog->EFcreator->lineEdit(), creator);
    return dialog;
}

TEST_F(TablesTest, TheNewTableDialogRefusesWhatCanNotNameATable) {
    // A table the catalogue does not list, as another tool may leave one.
    ASSERT_TRUE(createDatabase(program.databasePath(), "CREATE TABLE Loose (x)"));
    struct Case { const char* name; const char* creator; const char* refusal; const char* nameLeft; };
    const Case cases[] = {
        {"", "   ", "Creator has no Text, can not use!", ""},
        {"   ", "me", "Name has no Text, can not use!", ""},
        {"my table", "me", "Text has spaces, can not use!", "my table"},
        {"my\ttable", "me", "Text has control characters, can not use!", "my\ttable"},
        {"sqlite_x", "me", "Names beginning with sqlite_ are reserved, can not use!", "sqlite_x"},
        {"SQLite_Y", "me", "Names beginning with sqlite_ are reserved, can not use!", "SQLite_Y"},
        {"MyTri", "me", "This Name is in Use, can not use!", "MyTri"},
        {"mytri", "me", "This Name is in Use, can not use!", "mytri"},
        {"HexChains", "me", "This Name is in Use, can not use!", "HexChains"},
        {"LOOSE", "me", "This Name is in Use, can not use!", "LOOSE"},
    };
    const QByteArray bytes = fileHash(program.databasePath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal + std::string(" ") + c.name);
        TableInputWindow* dialog = copyDialog(program, "MyTri", c.name, c.creator);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->STmessage->Text(), "Create New Trigram Table from MyTri");
        QTest::mouseClick(dialog->PB_default, Qt::LeftButton);
        EXPECT_FALSE(dialog->STerror->isHidden());
        EXPECT_EQ(dialog->STerror->Text(), c.refusal);
        EXPECT_EQ(dialog->EFinput->Text(), c.nameLeft);
        if (!QString(c.creator).trimmed().isEmpty()) {
            EXPECT_EQ(dialog->EFcreator->Text(), c.creator);
        }
        EXPECT_TRUE(program.dialogs.messages.isEmpty());
        QTest::keyClicks(dialog->EFcreator->lineEdit(), "x");
        EXPECT_TRUE(dialog->STerror->isHidden());
        QTest::mouseClick(dialog->PB_cancel, Qt::LeftButton);
        StartedProgram::settle();
        EXPECT_EQ(findWindow<TableInputWindow>(), nullptr);
    }
    EXPECT_EQ(fileHash(program.databasePath()), bytes);
    TableInputWindow* dialog = copyDialog(program, "MyTri", "abcdefghijklmnopqrstu", "");
    EXPECT_EQ(dialog->EFinput->Text(), "abcdefghijklmnopqr");  // 18 characters at most
}

TEST_F(TablesTest, ACopyTheEngineRefusesShowsItsMessageKeepsTheDialogAndLeavesNothing) {
    struct Case { const char* name; const char* setUp; const char* message; };
    const Case cases[] = {
        // An index shares the tables' names.
        {"Idx1", "CREATE INDEX Idx1 ON MyTri (NUMBER_BOOLEAN)", "there is already an index named Idx1"},
        // The catalogue row, the last step, fails: the table and its rows go as well.
        {"Refused", "CREATE TRIGGER no_entry BEFORE INSERT ON TheTables BEGIN SELECT RAISE(ABORT, 'no new tables'); END",
         "no new tables"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(createDatabase(program.databasePath(), c.setUp));
        const QByteArray bytes = fileHash(program.databasePath());
        program.dialogs.messages.clear();
        TableInputWindow* dialog = copyDialog(program, "MyTri", c.name, "me");
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->PB_default, Qt::LeftButton);
        StartedProgram::settle();
        EXPECT_EQ(program.dialogs.messages, QStringList{c.message});
        EXPECT_EQ(findWindow<TableInputWindow>(), dialog);
        EXPECT_EQ(dialog->EFinput->Text(), c.name);
        EXPECT_EQ(dialog->EFcreator->Text(), "me");
        EXPECT_TRUE(dialog->STerror->isHidden());
        EXPECT_TRUE(dialog->ProgressWheel1->isHidden());
        EXPECT_EQ(value(program, QString("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '%1'").arg(c.name)), "0");
        EXPECT_EQ(fileHash(program.databasePath()), bytes);
        dialog->Close();
        StartedProgram::settle();
    }
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
    // The dialog stays with what was typed, for another source or name.
    EXPECT_EQ(findWindow<TableInputWindow>(), dialog);
    EXPECT_EQ(dialog->EFinput->Text(), "Partial");
}

TEST_F(TablesTest, AFullHexagramCopyPassesTheFilesValidationAndCanBeUsed) {
    TableInputWindow* dialog = copyDialog(program, "FullHex", "FullCopy", "me");
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->PB_default, Qt::LeftButton);
    StartedProgram::settle();
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
    EXPECT_EQ(value(program, "SELECT count(DISTINCT NUMBER_BOOLEAN) || ',' || min(NUMBER_BOOLEAN) || ',' || max(NUMBER_BOOLEAN) "
                             "FROM FullCopy"),
              "64,0,63");
    {
        SQLDatabase candidate;
        candidate.setDatabaseFile(program.databasePath());
        ASSERT_TRUE(candidate.Connect());
        EXPECT_TRUE(App::checkDatabase(candidate));
        auto columns = candidate.FieldSchema("FullCopy");
        ASSERT_TRUE(columns);
        EXPECT_TRUE(App::checkFields(*columns, 0));
    }
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
    ListsWindow* lists = findWindow<ListsWindow>();
    ASSERT_NE(lists, nullptr);
    clickRow(lists->Lschema, rowWith(lists->Lschema, 0, "FullCopy"));
    EXPECT_TRUE(ChooseMenuItem(lists, "TablesUse"));
    EXPECT_EQ(M_globals::TableHex, "FullCopy");
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

}  // namespace
