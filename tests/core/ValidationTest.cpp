#include "app/App.h"
#include "core/DatabaseCheck.h"
#include "core/M_globals.h"
#include "core/TextTableColumns.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Validation, AcceptsOrRefusesWithOneMessage) {
    struct Case {
        const char* what;
        const char* change;  // SQL run on a valid file first
        int spoiledPageOf;   // 0, or 1 / 2: the root page of ProgramPrefs zeroed / of ENGLISH_DEFAULT random
        QString says;        // what is wrong, as the message tells it; empty: the file passes
    };
    const Case cases[] = {
        {"a valid file", "", 0, {}},
        {"names in another letter case", "ALTER TABLE HexChains RENAME TO Renaming; ALTER TABLE Renaming RENAME TO HEXCHAINS;"
                                         "UPDATE TheTables SET table_name = 'HEXCHAINS' WHERE table_name = 'HexChains';",
         0, {}},
        {"a catalogue row naming its table in another letter case",
         "UPDATE TheTables SET table_name = 'hexchains' WHERE table_name = 'HexChains';", 0, {}},
        {"any table type", "UPDATE TheTables SET table_type = 7 WHERE table_name = 'Commentary';"
                           "UPDATE TheTables SET table_type = -3 WHERE table_name = 'HexChains';"
                           "UPDATE TheTables SET table_type = 5 WHERE table_name = 'ENGLISH_DEFAULT';",
         0, {}},
        {"a catalogue row for a table the file lacks", "INSERT INTO TheTables VALUES ('Gone', 0, 1, 1, 'x');", 0, {}},
        {"a quote in a table name", "CREATE TABLE \"it's\" (v varchar);"
                                    "INSERT INTO TheTables VALUES ('it''s', 0, 1, 1, 'x');",
         0, {}},
        // Only the tables put in use at start must be complete; a copy is checked when put in use.
        {"an incomplete copy of a text table", "CREATE TABLE MY_HEX (NUMBER_BOOLEAN integer, NAME varchar);"
                                               "INSERT INTO TheTables VALUES ('MY_HEX', 0, 1, 1, 'me');",
         0, {}},
        {"a required table missing", "DROP TABLE HexChains; DROP TABLE TRIGRAMS_DEFAULT;", 0,
         "Required Table HexChains not found. " + CR + "Connection to this database is being stopped."},
        {"no tables at all", "DROP TABLE ProgramPrefs; DROP TABLE TheTables; DROP TABLE Commentary;"
                             "DROP TABLE Dictionary_Default; DROP TABLE ENGLISH_DEFAULT; DROP TABLE HexChains;"
                             "DROP TABLE TRIGRAMS_DEFAULT;",
         0, "Required Table ProgramPrefs not found. " + CR + "Connection to this database is being stopped."},
        {"a table without a catalogue row", "CREATE TABLE Extra (v varchar);", 0,
         "Missing table from TheTables, aborting operation." + CR + "The table Extra has no row there."},
        {"a catalogue that cannot be read", "ALTER TABLE TheTables RENAME COLUMN table_name TO tname;", 0,
         "Error in Database accessing TheTables info,aborting the opening of this database: error is..." + CR +
             "no such column: table_name"},
        {"columns missing from the default hexagram table",
         "ALTER TABLE ENGLISH_DEFAULT DROP COLUMN JUDGEMENT; ALTER TABLE ENGLISH_DEFAULT DROP COLUMN ShortName;", 0,
         "The table ENGLISH_DEFAULT is not complete and can not be used." + CR + "It has no column JUDGEMENT, ShortName."},
        {"a zeroed page", "", 1, "The file is damaged." + CR + "Page "},
        {"random bytes over a page", "", 2, "The file is damaged." + CR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        const QString path = folder.path("candidate");
        ASSERT_TRUE(createDatabase(path, validDatabaseSql() + c.change));
        if (c.spoiledPageOf == 1) {
            ASSERT_TRUE(spoilPage(path, rootPage(path, "ProgramPrefs"), false));
        }
        if (c.spoiledPageOf == 2) {
            ASSERT_TRUE(spoilPage(path, rootPage(path, "ENGLISH_DEFAULT"), true));
        }
        const QByteArray before = fileBytes(path);
        ScriptedDialogs dialogs;
        bool passes = false;
        {
            SQLDatabase candidate;
            candidate.setDatabaseFile(path);
            ASSERT_TRUE(candidate.Connect());
            passes = App::checkDatabase(candidate);
        }
        EXPECT_EQ(passes, c.says.isEmpty());
        if (c.says.isEmpty()) {
            EXPECT_EQ(dialogs.messages, QStringList());
        } else {
            ASSERT_EQ(dialogs.messages.size(), 1);
            const QString& message = dialogs.messages[0];
            EXPECT_TRUE(message.startsWith("Database for file candidate" + CR + "Does Not Pass as a yarrowen database." +
                                           CR + c.says))
                << message.toStdString();
            EXPECT_TRUE(message.endsWith(CR + "Nothing has been written to it. If it holds your work, restore it from "
                                              "a copy." + CR + "Returning Unchanged to Current Database Connection."))
                << message.toStdString();
        }
        EXPECT_EQ(fileBytes(path), before);  // validation changes nothing
    }
}

// The checks that open a file find what is wrong with each unusable file from what it holds,
// before the engine may write to it, and leave it as it was.
TEST(DatabaseCheck, FindsWhatIsWrongWithoutWritingToTheFile) {
    for (const UnusableDatabase& file : unusableDatabases()) {
        SCOPED_TRACE(file.what);
        TestFolder folder;
        const QString path = folder.path("file");
        ASSERT_TRUE(file.make(path));
        const QByteArray before = fileBytes(path);
        SQLDatabase db;
        DatabaseFault fault = openDatabaseFile(db, path);
        if (!fault) fault = checkDatabaseContents(db);
        db.Close();
        EXPECT_TRUE(fault.problem.startsWith(file.says)) << fault.problem.toStdString();
        EXPECT_EQ(fileBytes(path), before);
        EXPECT_EQ(QFile::exists(path + "-journal"), false);
    }

    TestFolder folder;
    SQLDatabase db;
    EXPECT_EQ(openDatabaseFile(db, folder.path("nothing here")).problem, "The file could not be found.");
    EXPECT_FALSE(db.isConnected());
    ASSERT_TRUE(createDatabase(folder.path("valid"), validDatabaseSql()));
    EXPECT_FALSE(openDatabaseFile(db, folder.path("valid")));
    EXPECT_FALSE(checkDatabaseContents(db));
}

// A new text table is made with the column list the default tables were made with, letter for
// letter, and holds every column the program reads from its kind, integers declared as such.
TEST(TextTableColumns, ANewTableIsMadeAsTheDefaultsWereWithEveryColumnRead) {
    struct Case {
        int kind;
        const char* columns;
    };
    const Case cases[] = {
        {0,
         "(NUMBER_BOOLEAN Integer, NUMBER_BOOK integer, NAME varchar, DESCRIPTION varchar, JUDGEMENT varchar, "
         "first varchar, second varchar, third varchar, fourth varchar, fifth varchar, sixth varchar, "
         "China_phonics varchar, above integer, below integer, all_nines varchar, ShortName varchar)"},
        {1,
         "(NUMBER_BOOLEAN integer, NAME varchar, ATTRIBUTE varchar, ANIMAL varchar, BODY varchar, FAMILY varchar,  "
         "DIRECTION varchar, noun varchar, adjective varchar, verb varchar)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(textTableColumns(c.kind), c.columns);
        TestFolder folder;
        ASSERT_TRUE(createDatabase(folder.path("file"), "CREATE TABLE t " + textTableColumns(c.kind)));
        SQLDatabase db;
        db.setDatabaseFile(folder.path("file"));
        ASSERT_TRUE(db.Connect());
        auto columns = db.FieldSchema("t");
        ASSERT_TRUE(columns);
        QStringList integers, texts;
        for (columns->MoveFirst(); !columns->isEOF(); columns->MoveNext()) {
            const bool isInteger =
                columns->Field("FieldType").StringValue().compare("integer", Qt::CaseInsensitive) == 0;
            (isInteger ? integers : texts) << columns->Field("ColumnName").StringValue();
        }
        EXPECT_EQ(integers, textTableIntegerColumns(c.kind));
        EXPECT_EQ(texts, textTableTextColumns(c.kind));
    }
    EXPECT_TRUE(textTableIntegerColumns(2).isEmpty());
    EXPECT_TRUE(textTableTextColumns(2).isEmpty());
}

TEST(StartupConnection, MissingFileAndAFileThatFailsItsCheck) {
    ScriptedDialogs dialogs;
    M_globals::f_db.clear();
    EXPECT_FALSE(App::getdatabase());
    ASSERT_TRUE(M_globals::db);
    EXPECT_FALSE(M_globals::db->isConnected());
    EXPECT_EQ(dialogs.messages, QStringList({"No file"}));

    TestFolder folder;
    QFile junk(folder.path("junk"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(200, 'j'));
    junk.close();
    M_globals::f_db = folder.path("junk");
    M_globals::font_text = "kept";
    EXPECT_FALSE(App::getdatabase());
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages.last().startsWith("Database for file " + folder.path("junk")));
    EXPECT_TRUE(dialogs.messages.last().endsWith(CR + "yarrowen will now shut down."));
    EXPECT_FALSE(M_globals::db->isConnected());
    EXPECT_EQ(M_globals::font_text, "kept");
    M_globals::db.reset();
    M_globals::f_db.clear();
}

TEST(StartupConnection, ConnectsAndLoadsTheFonts) {
    TestFolder folder;
    ASSERT_TRUE(createDatabase(folder.path("db"), validDatabaseSql()));
    ScriptedDialogs dialogs;
    M_globals::f_db = folder.path("db");
    EXPECT_TRUE(App::getdatabase());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(M_globals::db->isConnected());
    EXPECT_EQ(M_globals::font_judgement, "DejaVu Serif");
    M_globals::db->Close();
    M_globals::db.reset();
    M_globals::f_db.clear();
}
