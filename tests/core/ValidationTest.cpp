#include "app/App.h"
#include "core/DatabaseCheck.h"
#include "core/M_globals.h"
#include "core/TextTableColumns.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
// before the engine may write to it, and leave it and what lies beside it as they were.
TEST(DatabaseCheck, FindsWhatIsWrongWithoutWritingToTheFile) {
    for (const UnusableDatabase& file : unusableDatabases()) {
        SCOPED_TRACE(file.what);
        TestFolder folder;
        const QString path = folder.path("file");
        ASSERT_TRUE(file.make(path));
        const QStringList before = folderListing(folder.path(""));
        SQLDatabase db;
        const DatabaseFault fault = openDatabaseFile(db, path);
        EXPECT_FALSE(db.isConnected());
        EXPECT_TRUE(fault.problem.startsWith(file.says)) << fault.problem.toStdString();
        EXPECT_EQ(folderListing(folder.path("")), before);
    }

    TestFolder folder;
    SQLDatabase db;
    EXPECT_EQ(openDatabaseFile(db, folder.path("nothing here")).problem, "The file could not be found.");
    EXPECT_FALSE(db.isConnected());
    ASSERT_TRUE(createDatabase(folder.path("valid"), validDatabaseSql()));
    EXPECT_FALSE(openDatabaseFile(db, folder.path("valid")));
    EXPECT_FALSE(checkDatabaseContents(db));
}

// A file shorter than the pages its header counts is cut short, inside its last page as well as
// by whole pages; the count holds only where the header vouches for it (the change counter equals
// the number the count was written with), as the engine reads it.
TEST(DatabaseCheck, RefusesAFileShorterThanItsHeaderSays) {
    struct Case {
        const char* what;
        int cutBytes;
        bool countVouchedFor;
        QString reason;  // empty: the header check passes
    };
    const Case cases[] = {
        {"a whole file", 0, true, {}},
        {"cut inside its last page", 100, true, "It is cut short: it holds %1 bytes, and its header counts %2 pages of "
                                                "4096 bytes (%3 bytes)."},
        {"cut by a page and a half", 6144, true, "It is cut short: it holds %1 bytes, and its header counts %2 pages "
                                                 "of 4096 bytes (%3 bytes)."},
        {"cut inside its header", -60, true, "It is cut short: it holds 60 bytes, less than its header."},
        {"cut, with a count the header does not vouch for", 100, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        const QString path = folder.path("file");
        ASSERT_TRUE(createDatabase(path, validDatabaseSql()));
        QFile file(path);
        const qint64 whole = file.size();
        const qint64 pages = whole / 4096;
        ASSERT_EQ(pages * 4096, whole);
        if (!c.countVouchedFor) {
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(92) && file.write(QByteArray(4, '\xff')) == 4);
            file.close();
        }
        ASSERT_TRUE(file.resize(c.cutBytes < 0 ? -c.cutBytes : whole - c.cutBytes));
        const DatabaseFault fault = checkDatabaseHeader(path);
        if (c.reason.isEmpty()) {
            EXPECT_FALSE(fault) << fault.reason.toStdString();
            continue;
        }
        EXPECT_EQ(fault.problem, "The file is damaged.");
        const QString reason = c.reason.contains("%2") ? c.reason.arg(file.size()).arg(pages).arg(whole) : c.reason;
        EXPECT_EQ(fault.reason, reason);
        EXPECT_FALSE(fault.unreadable);
    }
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

// In a folder that can not be written to, each unusable file is refused as anywhere else, and
// so is a sound file the engine can not open there; the message says that nothing was written, and
// the file and what lies beside it are left as they were.
TEST(StartupConnection, InAFolderThatCanNotBeWrittenToNothingIsWritten) {
    for (const UnusableDatabase& unusable : unusableInReadOnlyFolder()) {
        SCOPED_TRACE(unusable.what);
        TestFolder folder;
        const QString path = folder.path("i_virev_DB");
        ASSERT_TRUE(unusable.make(path));
        const QStringList before = folderListing(folder.path(""));
        {
            const ReadOnlyFolder readOnly(folder.path(""));
            if (!readOnly.skipReason().isEmpty()) SKIP_OR_FAIL_IN_CI(readOnly.skipReason().toStdString());
            ScriptedDialogs dialogs;
            M_globals::f_db = path;
            EXPECT_FALSE(App::getdatabase());
            EXPECT_FALSE(M_globals::db->isConnected());
            ASSERT_EQ(dialogs.messages.size(), 1);
            const QString& message = dialogs.messages[0];
            EXPECT_TRUE(message.contains(CR + unusable.says)) << message.toStdString();
            QStringList beside;
            for (const char* companion : {"-journal", "-wal"})
                if (QFile::exists(path + companion)) beside << QString("i_virev_DB") + companion;
            EXPECT_TRUE(message.contains("Nothing has been written to it" +
                                         (beside.isEmpty() ? "." : ", nor to " + beside.join(" and ") + " beside it.")))
                << message.toStdString();
            EXPECT_TRUE(message.endsWith(CR + "yarrowen will now shut down."));
        }
        EXPECT_EQ(folderListing(folder.path("")), before);
        M_globals::db.reset();
        M_globals::f_db.clear();
    }
}

// In a folder anyone may write to but where each file can be removed by its owner alone (as /tmp),
// a journal that another user left can not be applied there, since the engine could not remove it
// afterwards: the file is refused before the engine writes to it.
TEST(StartupConnection, AJournalThatCouldNotBeRemovedIsNotApplied) {
    TestFolder folder;
    const QString path = folder.path("i_virev_DB");
    ASSERT_TRUE(recoveredDatabases()[0].make(path));
    const QStringList before = folderListing(folder.path(""));
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                          QFile::ReadOther | QFile::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(path, everyone) && QFile::setPermissions(path + "-journal", everyone));
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path("")).constData(), 01777), 0);
    {
        const ActingAsNobody nobody;
        if (!nobody.acting()) SKIP_OR_FAIL_IN_CI("the files must belong to another user: run as root");
        ScriptedDialogs dialogs;
        M_globals::f_db = path;
        EXPECT_FALSE(App::getdatabase());
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].contains(
            CR + "A save to it was cut off, and the journal beside it must be applied before it can be used; the "
                 "journal can not be removed from the folder it lies in." + CR +
            "Nothing has been written to it, nor to i_virev_DB-journal beside it. Make the file and its folder "
            "writable, and try again." + CR))
            << dialogs.messages[0].toStdString();
    }
    EXPECT_EQ(folderListing(folder.path("")), before);
    M_globals::db.reset();
    M_globals::f_db.clear();
}

// The message says what was written, and what to do with a journal or WAL beside the file.
TEST(DatabaseFaultMessage, SaysWhatWasWrittenAndWhatToDoWithWhatLiesBeside) {
    struct Case {
        const char* what;
        DatabaseFault fault;
        const char* says;  // the line before the outcome
    };
    const auto fault = [](bool unreadable, QStringList beside, bool written = false) {
        DatabaseFault fault;
        fault.problem = "What is wrong.";
        fault.unreadable = unreadable;
        fault.beside = beside;
        fault.written = written;
        return fault;
    };
    const Case cases[] = {
        {"a file alone", fault(false, {}), "Nothing has been written to it. If it holds your work, restore it from a copy."},
        {"with its journal", fault(false, {"f-journal"}),
         "Nothing has been written to it, nor to f-journal beside it. If it holds your work, restore it from a copy, "
         "and move f-journal away with it: it belongs to this file."},
        {"unreadable, with its WAL", fault(true, {"f-wal"}),
         "Nothing has been written to it, nor to f-wal beside it. If another program is using it, close that program "
         "and try again; if it is damaged, restore it from a copy, and move f-wal away with it: it belongs to this "
         "file."},
        // The engine began to undo a cut-off save from the journal, and failed.
        {"written", fault(true, {"f-journal"}, true),
         "The engine began to apply f-journal to it and could not finish: keep f-journal beside it, and the engine "
         "finishes when the file is next opened. Make sure the file and its folder can be written to, and try again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = databaseFaultMessage("f", c.fault, "Outcome.").split(CR);
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[lines.size() - 2], c.says);
        EXPECT_EQ(lines.last(), "Outcome.");
    }
}

// A sound file with a journal or a WAL beside it starts: the engine applies what lies there, and
// the program reads what the file holds then.
TEST(StartupConnection, ASoundFileWithAJournalOrAWalStarts) {
    for (const RecoveredDatabase& sound : recoveredDatabases()) {
        SCOPED_TRACE(sound.what);
        TestFolder folder;
        const QString path = folder.path("i_virev_DB");
        ASSERT_TRUE(sound.make(path));
        ScriptedDialogs dialogs;
        M_globals::f_db = path;
        EXPECT_TRUE(App::getdatabase());
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
        auto name = M_globals::db->SQLSelect("SELECT NAME FROM TRIGRAMS_DEFAULT WHERE NUMBER_BOOLEAN = 3");
        ASSERT_TRUE(name && !name->isEOF());
        EXPECT_EQ(name->IdxField(1).StringValue(), sound.trigram3);
        M_globals::db->Close();
        M_globals::db.reset();
        M_globals::f_db.clear();
        // The journal was applied; what the file holds now passes its check.
        EXPECT_FALSE(QFile::exists(path + "-journal"));
        EXPECT_FALSE(checkDatabaseFile(path));
    }
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
