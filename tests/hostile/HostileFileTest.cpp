// The program started on hostile copies of a database built here, and every window driven over
// them as a user would: the display window's chain, the text window, the chain page, the lists
// window in its three modes, both record editors, and each saved chain loaded from the saved-chains
// window. Nothing may crash, what cannot be shown is said in a message, and reading leaves the
// file as it was, byte for byte.
#include "ChainsSupport.h"
#include "InputSupport.h"

#include "app/MenuBar1.h"
#include "chains/ChainPage.h"
#include "chains/Whexchains.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "input/InputWindow.h"
#include "lists/ListsWindow.h"
#include "platform/Listbox.h"
#include "platform/Menus.h"
#include "platform/Window.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <numeric>

namespace {

const QString Damaged = M_globals::DamagedChainMessage;

// The valid database every hostile copy starts from: eight hexagrams, and saved chains of them.
// Every hexagram is there, so that the editors step through the whole book without a message.
QString baseSql() {
    std::vector<int> everyCode(64);
    std::iota(everyCode.begin(), everyCode.end(), 0);
    return validDatabaseSql(everyCode) +
           "INSERT INTO HexChains VALUES ('rise', 'one step', '700,500;63,63;0,0'), "
           "('three', '', '1000,500;21,63;42,21;63,0');\n";
}

QByteArray databaseBytes(const QString& sql) {
    TestFolder folder;
    const QString path = folder.path("built");
    EXPECT_TRUE(createDatabase(path, sql));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The size of a huge text.
constexpr int HugeKB = 300;

// A text of about `kilobytes` KB in words.
QString hugeText(int kilobytes) {
    return QString("replace(printf('%.*c', %1, 'x'), 'x', 'word ')").arg(kilobytes * 1024 / 5);
}

// Everything a user can open that reads the file, opened and stepped through; what the windows
// show is not checked here, only that they come up and the program carries on.
void driveEveryWindow() {
    displayWindow* display = displayWindow::instance();
    if (InputWindow* input = findWindow<InputWindow>()) input->Close();
    StartedProgram::settle();

    // A chain typed in, hexagram by hexagram, then selected and read back.
    for (int code : {63, 0, 21, 42}) display->newhex(code, true);
    select(display, 1, false);
    select(display, 1, true);
    ChooseMenuItem(display, "OptionsText");
    StartedProgram::settle();
    ChooseMenuItem(display, "OptionsChainWindow");  // offered only for a chain of two or more
    StartedProgram::settle();
    if (ChainPage* page = findWindow<ChainPage>()) {
        for (int cell = 0; cell < 4; ++cell)
            QTest::mouseClick(page->Canvas1, Qt::LeftButton, {}, QPoint(cell * 72 + 40, 50));
    }

    // Each saved chain loaded from the saved-chains window.
    const int saved = [&] {
        Whexchains* chains = Whexchains::instance();
        chains->wakeup(2);
        StartedProgram::settle();
        return chains->ListBox1->ListCount();
    }();
    for (int row = 0; row < saved; ++row) {
        Whexchains* chains = Whexchains::instance();
        chains->wakeup(2);
        StartedProgram::settle();
        if (row >= chains->ListBox1->ListCount()) break;
        clickRow(chains->ListBox1, row);
        clickOn(chains->PBsave);
        StartedProgram::settle();
    }
    if (Whexchains* chains = findWindow<Whexchains>()) chains->Close();

    // The lists window in its three modes, a click on every row; in the catalogue, every table
    // shown in its editor, and stepped through.
    const char* modes[] = {"DataBaseCurrentHexDataTable", "DataBaseCurrentTrigramdataTable", "Filegetdbscheme"};
    for (const char* mode : modes) {
        SCOPED_TRACE(mode);
        ChooseMenuItem(frontWindow(), mode);
        StartedProgram::settle();
        ListsWindow* lists = findWindow<ListsWindow>();
        ASSERT_NE(lists, nullptr);
        for (Listbox* list : {lists->ListHex, lists->ListTri, lists->Lschema}) {
            if (!list->isVisible()) continue;
            for (int row = 0; row < list->ListCount(); ++row) clickRow(list, row);
        }
        if (!lists->Lschema->isVisible()) continue;
        for (int row = 0; row < lists->Lschema->ListCount(); ++row) {
            for (const char* command : {"Tablesshow", "Tablesedit"}) {
                clickRow(lists->Lschema, row);
                ChooseMenuItem(lists, command);
                StartedProgram::settle();
                if (WdbEditText* editor = findWindow<WdbEditText>()) {
                    for (int step = 0; step < 3; ++step) clickOn(editor->PBnext);
                    clickOn(editor->PBprevious);
                    editor->Close();
                }
                if (TRIGRAMINPUT* editor = findWindow<TRIGRAMINPUT>()) {
                    for (int step = 0; step < 3; ++step) clickOn(editor->PushButton2);
                    editor->Close();
                }
                StartedProgram::settle();
            }
        }
    }
}

struct Hostile {
    const char* name;
    QString sql;               // run on the valid database
    QStringList messages;      // each message the drive must show at least once
};

void runCases(const std::vector<Hostile>& cases) {
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray original = databaseBytes(baseSql() + c.sql);
        ASSERT_FALSE(original.isEmpty());
        StartedProgram program(StartedProgram::RawFile{original});
        ASSERT_TRUE(program.started);
        driveEveryWindow();
        EXPECT_NE(findWindow<displayWindow>(), nullptr);
        EXPECT_EQ(fileBytes(program.databasePath()), original) << "reading changed the file";
        for (const QString& message : c.messages)
            EXPECT_TRUE(program.dialogs.messages.contains(message))
                << message.toStdString() << " not among: " << program.dialogs.messages.join(" | ").toStdString();
        for (const QString& message : program.dialogs.messages) {
            SCOPED_TRACE(message.left(200).toStdString());
            EXPECT_FALSE(message.trimmed().isEmpty());
        }
    }
}

}  // namespace

TEST(HostileFile, TheUntouchedFileDrivesWithoutAMessage) {
    const QByteArray original = databaseBytes(baseSql());
    StartedProgram program(StartedProgram::RawFile{original});
    ASSERT_TRUE(program.started);
    driveEveryWindow();
    EXPECT_EQ(fileBytes(program.databasePath()), original);
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
}

TEST(HostileFile, NullsWrongTypesAndMissingColumns) {
    runCases({
        {"NULL texts",
         "UPDATE ENGLISH_DEFAULT SET NAME = NULL, DESCRIPTION = NULL, JUDGEMENT = NULL, first = NULL, second = NULL, "
         "third = NULL, fourth = NULL, fifth = NULL, sixth = NULL, China_phonics = NULL, above = NULL, below = NULL, "
         "all_nines = NULL, ShortName = NULL, NUMBER_BOOK = NULL;"
         "UPDATE TRIGRAMS_DEFAULT SET NAME = NULL, ATTRIBUTE = NULL, ANIMAL = NULL, BODY = NULL, FAMILY = NULL, "
         "DIRECTION = NULL, noun = NULL, adjective = NULL, verb = NULL;"
         "UPDATE ProgramPrefs SET font_above = NULL, font_title = NULL, font_judgement = NULL, font_short = NULL, "
         "font_sixnines = NULL, font_text = NULL, DisplayW = NULL, ListsW = NULL, ChainW = NULL, TextW = NULL;"
         "UPDATE TheTables SET isEdible = NULL, isFull = NULL, creator = NULL;"
         "INSERT INTO HexChains VALUES (NULL, NULL, NULL);",
         {Damaged}},
        {"wrong types",
         "UPDATE ENGLISH_DEFAULT SET NAME = 12345, DESCRIPTION = X'00FFFE0041', JUDGEMENT = 3.5e300, "
         "NUMBER_BOOK = 'sixty', above = 1e300, below = -1e300, first = X'', ShortName = -9223372036854775808, "
         "second = 9223372036854775807, all_nines = 0.5;"
         "UPDATE TRIGRAMS_DEFAULT SET NAME = X'C3', ANIMAL = 2.5 WHERE NUMBER_BOOLEAN < 4;"
         "UPDATE TRIGRAMS_DEFAULT SET NUMBER_BOOLEAN = '7x' WHERE NUMBER_BOOLEAN = 7;"
         "UPDATE ProgramPrefs SET DisplayW = 1e300, ListsW = X'3132', font_text = 42, ChainW = '1e999,2,3,4', "
         "TextW = '-9e18,-9e18,9e18,9e18', font_judgement = X'FF';"
         "INSERT INTO HexChains VALUES (X'41', 7, 12345), ('real', 2.5, 3.25), ('blob', X'00', X'3730302C3530303B36332C30');"
         "INSERT INTO TheTables VALUES ('NoSuchTable', X'00', 1e300, 'yes', X'FF');",
         {Damaged}},
        // The fixed and the default tables lacking a column fail the file's check at start (see
        // the start-up tests); copies of the text tables are opened in the editors from the
        // catalogue.
        {"missing columns",
         "CREATE TABLE HEX_COPY AS SELECT * FROM ENGLISH_DEFAULT; INSERT INTO TheTables VALUES ('HEX_COPY', 0, 1, 1, 'me');"
         "ALTER TABLE HEX_COPY DROP COLUMN JUDGEMENT; ALTER TABLE HEX_COPY DROP COLUMN sixth;"
         "ALTER TABLE HEX_COPY DROP COLUMN ShortName; ALTER TABLE HEX_COPY DROP COLUMN NUMBER_BOOK;"
         "ALTER TABLE HEX_COPY DROP COLUMN above;"
         "CREATE TABLE TRI_COPY AS SELECT * FROM TRIGRAMS_DEFAULT; INSERT INTO TheTables VALUES ('TRI_COPY', 1, 1, 1, 'me');"
         "ALTER TABLE TRI_COPY DROP COLUMN NAME; ALTER TABLE TRI_COPY DROP COLUMN verb;",
         {"The table HEX_COPY has no row for book number 1."}},
    });
}

TEST(HostileFile, DuplicateMissingAndHugeRows) {
    runCases({
        {"duplicate rows",
         "INSERT INTO ENGLISH_DEFAULT SELECT NUMBER_BOOLEAN, NUMBER_BOOK, 'dup', 'dup', 'dup', 'dup', 'dup', 'dup', "
         "'dup', 'dup', 'dup', 'dup', above, below, 'dup', 'dup' FROM ENGLISH_DEFAULT;"
         "INSERT INTO TRIGRAMS_DEFAULT SELECT * FROM TRIGRAMS_DEFAULT;"
         "INSERT INTO ProgramPrefs SELECT * FROM ProgramPrefs;"
         "INSERT INTO TheTables SELECT * FROM TheTables;"
         "INSERT INTO HexChains SELECT * FROM HexChains;",
         {}},
        // ProgramPrefs without its row fails the file's check at start.
        {"missing rows",
         "DELETE FROM ENGLISH_DEFAULT WHERE NUMBER_BOOLEAN IN (0, 21);"
         "DELETE FROM TRIGRAMS_DEFAULT WHERE NUMBER_BOOLEAN IN (2, 5);",
         {"Hexagram 0 is not in the table ENGLISH_DEFAULT.", "Hexagram 21 is not in the table ENGLISH_DEFAULT.",
          "Trigram 5 is not in the table TRIGRAMS_DEFAULT."}},
        // Every table keeps its catalogue row, or the file fails its check at start; none of them
        // is of a kind the catalogue list shows.
        {"empty tables",
         "DELETE FROM ENGLISH_DEFAULT; DELETE FROM TRIGRAMS_DEFAULT; UPDATE TheTables SET table_type = 5;",
         {"Hexagram 63 is not in the table ENGLISH_DEFAULT."}},
    });
}

TEST(HostileFile, CatalogueNamesHoldingQuotesAndSqlAndGarbageChains) {
    runCases({
        {"catalogue names",
         "CREATE TABLE \"x\"\"); DROP TABLE HexChains; --\" AS SELECT * FROM ENGLISH_DEFAULT;"
         "INSERT INTO TheTables VALUES ('x\"); DROP TABLE HexChains; --', 0, 1, 1, 'o''brien');"
         "CREATE TABLE \"it's [tri]\" AS SELECT * FROM TRIGRAMS_DEFAULT;"
         "INSERT INTO TheTables VALUES ('it''s [tri]', 1, 1, 1, '\"; DELETE FROM TheTables; --');"
         "INSERT INTO TheTables VALUES ('Robert''); DROP TABLE TheTables; --', 0, 1, 1, 'x');"
         "INSERT INTO TheTables VALUES ('`ghost`', 1, 1, 1, '');",
         {}},
        {"garbage stored chains",
         "DELETE FROM HexChains; DELETE FROM ENGLISH_DEFAULT WHERE NUMBER_BOOLEAN = 5;"
         "INSERT INTO HexChains VALUES ('empty', '', ''), ('semicolon', '', ';'), ('empty links', '', '0,500;;;'),"
         "('blanks', '', '0,500; 7 ,  1 ;6x,0'), ('negative', '', '-1,-1;-1,-1'),"
         "('huge number', '', '99999999999999999999,5;1,0'), ('no hexagram', '', '700,500;5,0'),"
         "('letters', '', 'abc'), ('unicode', '', '700,500;٣,0'), ('sql', '', '700,500;1,0); DROP TABLE HexChains; --'),"
         "('nul', '', '700,500;1' || char(0) || ',0'), ('sixty-four links', '', '700,500;' || "
         "substr(replace(printf('%.*c', 32, 'x'), 'x', '63,63;0,63;'), 1, 351));",
         {Damaged, "Hexagram 5 is not in the table ENGLISH_DEFAULT."}},
    });
}

TEST(HostileFile, HugeTexts) {
    runCases({
        {"huge texts",
         QString("UPDATE ENGLISH_DEFAULT SET DESCRIPTION = %1, first = %2, NAME = %2, ShortName = %2 "
                 "WHERE NUMBER_BOOLEAN IN (63, 21);"
                 "UPDATE TRIGRAMS_DEFAULT SET NAME = %2, BODY = %1 WHERE NUMBER_BOOLEAN = 7;"
                 "UPDATE ProgramPrefs SET DisplayW = %2, font_text = %2;"
                 "INSERT INTO HexChains VALUES (%2, %1, '700,500;' || %1);")
             .arg(hugeText(HugeKB), hugeText(HugeKB / 5)),
         {Damaged}},
    });
}

TEST(HostileFile, TablesNamedWithQuotesAndSqlOpenInTheirEditorsAsTheyAre) {
    const QString hexTable = "x\"); DROP TABLE HexChains; --";
    const QString triTable = "it's [tri]";
    const QByteArray original = databaseBytes(
        baseSql() + "CREATE TABLE \"x\"\"); DROP TABLE HexChains; --\" AS SELECT * FROM ENGLISH_DEFAULT;"
                    "INSERT INTO TheTables VALUES ('x\"); DROP TABLE HexChains; --', 0, 1, 1, 'me');"
                    "CREATE TABLE \"it's [tri]\" AS SELECT * FROM TRIGRAMS_DEFAULT;"
                    "INSERT INTO TheTables VALUES ('it''s [tri]', 1, 1, 1, 'me');");
    StartedProgram program(StartedProgram::RawFile{original});
    ASSERT_TRUE(program.started);
    ChooseMenuItem(frontWindow(), "Filegetdbscheme");
    StartedProgram::settle();
    ListsWindow* lists = findWindow<ListsWindow>();
    ASSERT_NE(lists, nullptr);
    auto rowOf = [&](const QString& name) {
        for (int r = 0; r < lists->Lschema->ListCount(); ++r)
            if (lists->Lschema->Cell(r, 0) == name) return r;
        return -1;
    };
    ASSERT_GE(rowOf(hexTable), 0);
    ASSERT_GE(rowOf(triTable), 0);

    clickRow(lists->Lschema, rowOf(hexTable));
    EXPECT_TRUE(ChooseMenuItem(lists, "Tablesshow"));
    StartedProgram::settle();
    WdbEditText* hexEditor = findWindow<WdbEditText>();
    ASSERT_NE(hexEditor, nullptr);
    EXPECT_EQ(hexEditor->Title(), "TABLE " + hexTable + ", EDIT HEX: name0");
    EXPECT_EQ(hexEditor->efdescription->Text(), "desc0");
    hexEditor->Close();
    StartedProgram::settle();

    clickRow(lists->Lschema, rowOf(triTable));
    EXPECT_TRUE(ChooseMenuItem(lists, "Tablesshow"));
    StartedProgram::settle();
    TRIGRAMINPUT* triEditor = findWindow<TRIGRAMINPUT>();
    ASSERT_NE(triEditor, nullptr);
    EXPECT_EQ(triEditor->Title(), "Trigrams: Table = " + triTable);
    EXPECT_EQ(triEditor->EFtri[0]->Text(), "tri0");

    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
    EXPECT_EQ(fileBytes(program.databasePath()), original);
}
