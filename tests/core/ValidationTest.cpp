#include "app/App.h"
#include "core/M_globals.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString CR(QChar(13));

}  // namespace

TEST(Validation, AcceptsOrRefusesWithItsMessages) {
    struct Case {
        const char* what;
        const char* change;  // SQL run on a valid file first
        bool passes;
        QStringList messages;
    };
    const Case cases[] = {
        {"a valid file", "", true, {}},
        {"names in another letter case", "ALTER TABLE HexChains RENAME TO Renaming; ALTER TABLE Renaming RENAME TO HEXCHAINS;"
                                         "UPDATE TheTables SET table_name = 'HEXCHAINS' WHERE table_name = 'HexChains';",
         true, {}},
        {"a catalogue row naming its table in another letter case",
         "UPDATE TheTables SET table_name = 'hexchains' WHERE table_name = 'HexChains';", true, {}},
        {"any table type", "UPDATE TheTables SET table_type = 7 WHERE table_name = 'Commentary';"
                           "UPDATE TheTables SET table_type = -3 WHERE table_name = 'HexChains';",
         true, {}},
        {"a catalogue row for a table the file lacks", "INSERT INTO TheTables VALUES ('Gone', 0, 1, 1, 'x');", true, {}},
        {"a required table missing", "DROP TABLE HexChains; DROP TABLE TRIGRAMS_DEFAULT;", false,
         {"Required Table HexChains not found. " + CR + "Connection to this database is being stopped."}},
        {"an empty file", "DROP TABLE ProgramPrefs; DROP TABLE TheTables; DROP TABLE Commentary;"
                          "DROP TABLE Dictionary_Default; DROP TABLE ENGLISH_DEFAULT; DROP TABLE HexChains;"
                          "DROP TABLE TRIGRAMS_DEFAULT;",
         false, {"Required Table ProgramPrefs not found. " + CR + "Connection to this database is being stopped."}},
        {"a table without a catalogue row", "CREATE TABLE Extra (v varchar);", false,
         {"Missing table from TheTables, aborting operation."}},
        {"a quote in a table name", "CREATE TABLE \"it's\" (v varchar);"
                                    "INSERT INTO TheTables VALUES ('it''s', 0, 1, 1, 'x');",
         true, {}},
        {"a catalogue that cannot be read", "ALTER TABLE TheTables RENAME COLUMN table_name TO tname;", false,
         {"Error in Database accessing TheTables info,aborting the opening of this database: error is..." + CR +
          "no such column: table_name"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        const QString path = folder.path("candidate");
        ASSERT_TRUE(createDatabase(path, validDatabaseSql() + c.change));
        const QByteArray before = fileHash(path);
        ScriptedDialogs dialogs;
        bool passes = false;
        {
            SQLDatabase candidate;
            candidate.setDatabaseFile(path);
            ASSERT_TRUE(candidate.Connect());
            passes = App::checkDatabase(candidate);
        }
        EXPECT_EQ(passes, c.passes);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(fileHash(path), before);  // validation changes nothing
    }
}

TEST(StartupConnection, MissingFileAndFailedConnect) {
    ScriptedDialogs dialogs;
    M_globals::f_db.clear();
    App::getdatabase();
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
    App::getdatabase();
    EXPECT_EQ(dialogs.messages.last(), "no database connection");
    EXPECT_EQ(M_globals::font_text, "kept");
    M_globals::db.reset();
    M_globals::f_db.clear();
}

TEST(StartupConnection, ConnectsAndLoadsTheFonts) {
    TestFolder folder;
    ASSERT_TRUE(createDatabase(folder.path("db"), validDatabaseSql()));
    ScriptedDialogs dialogs;
    M_globals::f_db = folder.path("db");
    App::getdatabase();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(M_globals::db->isConnected());
    EXPECT_EQ(M_globals::font_judgement, "DejaVu Serif");
    M_globals::db->Close();
    M_globals::db.reset();
    M_globals::f_db.clear();
}
