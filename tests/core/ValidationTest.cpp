#include "app/App.h"
#include "core/DatabaseCheck.h"
#include "core/M_globals.h"
#include "core/TextTableColumns.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    const auto fault = [](bool unreadable, QStringList beside, QString applied = {}, QString remedy = {}) {
        DatabaseFault fault;
        fault.problem = "What is wrong.";
        fault.unreadable = unreadable;
        fault.beside = beside;
        fault.applied = applied;
        fault.remedy = remedy;
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
        {"written", fault(true, {"f-journal", "f-wal"}, "f-journal"),
         "The engine began to apply f-journal to it and could not finish: keep f-journal beside it, and the engine "
         "finishes when the file is next opened. Make sure the file and its folder can be written to, and try again."},
        // Not the file's fault: the usual advice would have it thrown away.
        {"with its own remedy", fault(true, {"f-journal"}, {}, "Make room, and try again."),
         "Nothing has been written to it, nor to f-journal beside it. Make room, and try again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = databaseFaultMessage("f", c.fault, "Outcome.").split(CR);
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[lines.size() - 2], c.says);
        EXPECT_EQ(lines.last(), "Outcome.");
    }
    // A link is named, and so is the file it leads to, which the engine uses.
    DatabaseFault linked = fault(false, {"/real/f-wal"});
    linked.target = "/real/f";
    EXPECT_EQ(databaseFaultMessage("/link/f", linked, "Outcome.").split(CR).mid(0, 4),
              QStringList({"Database for file /link/f", "Does Not Pass as a yarrowen database.",
                           "It is a link to /real/f, the file the engine uses.", "What is wrong."}));
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

namespace {

const UnusableDatabase& unusable(const std::string& what) {
    for (const UnusableDatabase& file : unusableDatabases())
        if (file.what == what) return file;
    throw std::logic_error("no such unusable database: " + what);
}

const char* const WalWithoutCommentary = "a file in WAL mode that lost a required table in its WAL";
const char* const JournalWithoutCommentary = "a file without a required table, with the journal of a writer that died";
const QString CommentaryMissing = "Required Table Commentary not found. ";

// The name of trigram 3 through a connected database.
QString trigram3(SQLDatabase& db) {
    auto name = db.SQLSelect("SELECT NAME FROM TRIGRAMS_DEFAULT WHERE NUMBER_BOOLEAN = 3");
    return name && !name->isEOF() ? name->IdxField(1).StringValue() : QString();
}

// The check's hook for the lifetime of the object.
struct CheckHook {
    explicit CheckHook(std::function<void(CheckStage)> hook) { setDatabaseCheckHook(std::move(hook)); }
    ~CheckHook() { setDatabaseCheckHook(nullptr); }
};

}  // namespace

// A link is followed to the file it leads to, and the journal or WAL beside that file belongs to
// it, as the engine takes them: a WAL that drops a table there is found, a journal there is
// applied, and the message names the file the link leads to and what lies beside it.
TEST(DatabaseCheck, ALinkIsCheckedWithWhatLiesBesideTheFileItLeadsTo) {
    struct Case {
        std::string what;
        std::function<bool(const QString&)> make;
        QString says;      // empty: the file opens
        QString trigram3;  // read once it is open
    };
    const Case cases[] = {
        {WalWithoutCommentary, unusable(WalWithoutCommentary).make, CommentaryMissing, {}},
        {JournalWithoutCommentary, unusable(JournalWithoutCommentary).make, CommentaryMissing, {}},
        {recoveredDatabases()[0].what, recoveredDatabases()[0].make, {}, recoveredDatabases()[0].trigram3},
        {recoveredDatabases()[1].what, recoveredDatabases()[1].make, {}, recoveredDatabases()[1].trigram3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder real, links;
        const QString target = real.path("kept_DB"), link = links.path("i_virev_DB");
        ASSERT_TRUE(c.make(target));
        ASSERT_TRUE(QFile::link(target, link));
        const QStringList before = folderListing(real.path(""));
        SQLDatabase db;
        const DatabaseFault fault = openDatabaseFile(db, link);
        if (c.says.isEmpty()) {
            ASSERT_FALSE(fault) << databaseFaultMessage(link, fault, "").toStdString();
            EXPECT_EQ(trigram3(db), c.trigram3);
            db.Close();
            EXPECT_FALSE(QFile::exists(target + "-journal"));
            EXPECT_FALSE(checkDatabaseFile(link));
        } else {
            EXPECT_FALSE(db.isConnected());
            EXPECT_TRUE(fault.problem.startsWith(c.says)) << fault.problem.toStdString();
            EXPECT_EQ(fault.target, target);
            const QString beside = QFile::exists(target + "-wal") ? target + "-wal" : target + "-journal";
            EXPECT_EQ(fault.beside, QStringList{beside});
            const QString message = databaseFaultMessage(link, fault, "Outcome.");
            EXPECT_TRUE(message.contains("It is a link to " + target + ", the file the engine uses.")) << message.toStdString();
            EXPECT_TRUE(message.contains("move " + beside + " away with it")) << message.toStdString();
            EXPECT_EQ(folderListing(real.path("")), before);
        }
        // Nothing is made beside the link.
        EXPECT_EQ(QDir(links.path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{"i_virev_DB"});
    }
}

// A device, a pipe and a folder are said as what they are, and so is a journal or WAL that is no
// file; none is opened (reading a pipe would wait for ever), and none is blamed on the file.
TEST(DatabaseCheck, AnEntryThatIsNoFileIsSaidAsWhatItIs) {
    struct Case {
        const char* what;
        std::function<bool(const QString& path)> make;  // none: the path is /dev/null
        QString problem;
    };
    const auto fifo = [](const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; };
    const auto valid = [](const QString& path) { return createDatabase(path, validDatabaseSql()); };
    const Case cases[] = {
        {"a device", nullptr, "It is a device, not a file."},
        {"a pipe", fifo, "It is a pipe (FIFO), not a file."},
        {"a folder", [](const QString& path) { return QDir().mkdir(path); }, "It is a folder, not a file."},
        {"a folder for a journal",
         [=](const QString& path) { return valid(path) && QDir().mkdir(path + "-journal"); },
         "Beside it, file-journal is a folder, not a file: the engine takes it for the journal of the file, and can "
         "not open the file while it is there."},
        {"a pipe for a WAL", [=](const QString& path) { return valid(path) && fifo(path + "-wal"); },
         "Beside it, file-wal is a pipe (FIFO), not a file: the engine takes it for the WAL of the file, and can not "
         "open the file while it is there."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        const QString path = c.make ? folder.path("file") : QString("/dev/null");
        if (c.make) {
            ASSERT_TRUE(c.make(path));
        }
        SQLDatabase db;
        const DatabaseFault fault = openDatabaseFile(db, path);
        EXPECT_FALSE(db.isConnected());
        EXPECT_EQ(fault.problem, c.problem);
        const QString message = databaseFaultMessage("file", fault, "Outcome.");
        EXPECT_FALSE(message.contains("restore it from a copy")) << message.toStdString();
        EXPECT_FALSE(message.contains("temporary folder")) << message.toStdString();
    }
}

// However the temporary folder fails (not there, no folder, not writable, full at any size), a
// sound file with the journal of a save a crash cut off opens, its journal applied; a file whose
// journal, once applied, fails the check is refused for what it holds. No copy is left anywhere.
TEST(DatabaseCheck, ASoundFileWithACrashJournalOpensWhateverTheTemporaryFolder) {
    struct Case {
        std::string what;
        int kilobytes;  // a file system of this size on the temporary folder; 0: none
        bool missing, aFile, readOnly;
    };
    std::vector<Case> cases = {
        {"no temporary folder", 0, true, false, false},
        {"a file for a temporary folder", 0, false, true, false},
        {"a temporary folder that can not be written to", 0, false, false, true},
    };
    for (int kilobytes : {4, 16, 32, 48, 64, 96, 128, 160, 256})
        cases.push_back({"a full temporary folder of " + std::to_string(kilobytes) + " KB", kilobytes, false, false, false});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        struct File {
            std::function<bool(const QString&)> make;
            QString says;
        };
        const File files[] = {{recoveredDatabases()[0].make, {}},
                              {unusable(JournalWithoutCommentary).make, CommentaryMissing}};
        for (const File& file : files) {
            TestFolder folder, temporary;
            const QString path = folder.path("i_virev_DB"), named = temporary.path("tmp");
            ASSERT_TRUE(file.make(path));
            const QStringList before = folderListing(folder.path(""));
            std::unique_ptr<SmallFileSystem> small;
            if (!c.missing && !c.aFile) {
                ASSERT_TRUE(QDir().mkdir(named));
            }
            if (c.aFile) {
                ASSERT_TRUE(createDatabase(named, ""));
            }
            if (c.kilobytes) {
                small = std::make_unique<SmallFileSystem>(named, c.kilobytes);
                if (!small->skipReason().isEmpty()) GTEST_SKIP() << small->skipReason().toStdString();
            }
            std::unique_ptr<ActingAsNobody> nobody;
            if (c.readOnly) {
                ASSERT_EQ(::chmod(QFile::encodeName(named).constData(), 0555), 0);
                if (::geteuid() == 0) {
                    // Nobody may work on the file, but not in the temporary folder.
                    for (const QString& entry : {folder.path(""), path, path + "-journal"})
                        ASSERT_EQ(::chmod(QFile::encodeName(entry).constData(), 0777), 0);
                    nobody = std::make_unique<ActingAsNobody>();
                    if (!nobody->acting()) GTEST_SKIP() << "running as root, unable to act as the user nobody";
                }
            }
            const QStringList temporaryBefore = folderListing(named);
            {
                const TemporaryFolderNamed tmp(named);
                SQLDatabase db;
                const DatabaseFault fault = openDatabaseFile(db, path);
                if (file.says.isEmpty()) {
                    ASSERT_FALSE(fault) << databaseFaultMessage(path, fault, "").toStdString();
                    EXPECT_EQ(trigram3(db), "tri3");
                    db.Close();
                    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                              QStringList{"i_virev_DB"});
                } else {
                    EXPECT_TRUE(fault.problem.startsWith(file.says)) << fault.problem.toStdString();
                    EXPECT_EQ(folderListing(folder.path("")), before);
                }
            }
            EXPECT_EQ(folderListing(named), temporaryBefore);
            nobody.reset();
            ::chmod(QFile::encodeName(named).constData(), 0755);
        }
    }
}

// Where no whole copy can be made, in the temporary folder or beside the file (every write past a
// size fails, as on a full disk), the file is not used, its journal is not applied, and the message
// says where no copy could be made and why, never that the file is damaged.
TEST(DatabaseCheck, AFileThatCanNotBeCopiedWholeIsNotUsedNorBlamed) {
    for (const long long limit : {1LL, 4096LL, 20000LL}) {
        for (const RecoveredDatabase& file : {recoveredDatabases()[0], recoveredDatabases()[1],
                                              RecoveredDatabase{JournalWithoutCommentary,
                                                                unusable(JournalWithoutCommentary).make, {}}}) {
            SCOPED_TRACE(file.what + " with a limit of " + std::to_string(limit));
            TestFolder folder, temporary;
            const QString path = folder.path("i_virev_DB");
            ASSERT_TRUE(file.make(path));
            ASSERT_GT(QFileInfo(path).size(), limit);
            const QStringList before = folderListing(folder.path(""));
            const TemporaryFolderNamed tmp(temporary.path(""));
            SQLDatabase db;
            DatabaseFault fault;
            {
                const FileSizeLimit full(limit);
                fault = openDatabaseFile(db, path);
            }
            EXPECT_FALSE(db.isConnected());
            EXPECT_EQ(fault.problem, "It could not be checked: no whole copy of it and of what lies beside it could "
                                     "be made, in the temporary folder or beside it.");
            EXPECT_EQ(fault.reason, "In " + temporary.path("") + ": File too large." + CR + "In " + folder.path("") +
                                        ": File too large.");
            const QString message = databaseFaultMessage(path, fault, "Outcome.");
            EXPECT_TRUE(message.contains("Make room in " + temporary.path("") + " (or set TMPDIR to a folder with "
                                         "room), and try again."))
                << message.toStdString();
            EXPECT_FALSE(message.contains("restore it from a copy")) << message.toStdString();
            EXPECT_EQ(folderListing(folder.path("")), before);
            EXPECT_EQ(folderListing(temporary.path("")), QStringList());
        }
    }
}

// SIGTERM, SIGHUP or SIGINT (a logout, an interrupt) during the check removes the copy, then ends
// the program as it would have; after the check the handlers that were there are back.
TEST(DatabaseCheck, TheCopyGoesWhenTheProgramIsEndedDuringTheCheck) {
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        TestFolder folder, temporary;
        const QString path = folder.path("i_virev_DB");
        ASSERT_TRUE(recoveredDatabases()[0].make(path));
        const QStringList before = folderListing(folder.path(""));
        const TemporaryFolderNamed tmp(temporary.path(""));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setDatabaseCheckHook([=](CheckStage stage) {
                if (stage == CheckStage::CopyMade) ::raise(signal);
            });
            checkDatabaseFile(path);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(folderListing(temporary.path("")), QStringList());
        EXPECT_EQ(folderListing(folder.path("")), before);
    }

    TestFolder folder;
    ASSERT_TRUE(recoveredDatabases()[1].make(folder.path("i_virev_DB")));
    struct sigaction own {}, after {};
    own.sa_handler = [](int) {};
    sigemptyset(&own.sa_mask);
    struct sigaction earlier {};
    ASSERT_EQ(sigaction(SIGHUP, &own, &earlier), 0);
    EXPECT_FALSE(checkDatabaseFile(folder.path("i_virev_DB")));
    ASSERT_EQ(sigaction(SIGHUP, &earlier, &after), 0);
    EXPECT_EQ(after.sa_handler, own.sa_handler);
}

// Another file put in place of the one checked, or a link turned to another, before the connection
// is made, is checked in its turn: the connection is only ever made to a file that passed. A file
// that changes each time is refused.
TEST(DatabaseCheck, AFileReplacedBetweenItsCheckAndItsConnectionIsCheckedAgain) {
    struct Case {
        const char* what;
        std::function<bool(const QString&)> replacement;
        int replacements;  // how many checks are followed by a replacement
        bool throughLink;
        QString says;      // empty: the file opens
        QString trigram3;  // read from the file it opened
    };
    const auto sound = [](const QString& path) {
        return createDatabase(path, validDatabaseSql() + "UPDATE TRIGRAMS_DEFAULT SET NAME = 'new' || NUMBER_BOOLEAN;");
    };
    const Case cases[] = {
        {"by a file that fails", unusable(JournalWithoutCommentary).make, 1, false, CommentaryMissing, {}},
        {"by a sound file", sound, 1, false, {}, "new3"},
        {"a link, turned to a file that fails", unusable(WalWithoutCommentary).make, 1, true, CommentaryMissing, {}},
        {"each time", sound, 10, false, "It changed each time it was checked: another program is writing to it, or "
                                        "putting other files in its place.", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder, others;
        const QString real = folder.path("checked"), path = c.throughLink ? folder.path("link") : real;
        ASSERT_TRUE(createDatabase(real, validDatabaseSql()));
        if (c.throughLink) {
            ASSERT_TRUE(QFile::link(real, path));
        }
        int made = 0;
        const CheckHook hook([&](CheckStage stage) {
            if (stage != CheckStage::Checked || made == c.replacements) return;
            // Made aside, then moved into place at once, as a sync tool does.
            const QString other = others.path(QString("other%1").arg(++made));
            ASSERT_TRUE(c.replacement(other));
            if (c.throughLink) {
                ASSERT_TRUE(QFile::remove(path) && QFile::link(other, path));
                return;
            }
            for (const char* companion : {"", "-journal", "-wal"}) {
                if (!QFile::exists(other + companion)) continue;
                ASSERT_EQ(::rename(QFile::encodeName(other + companion).constData(),
                                   QFile::encodeName(real + companion).constData()),
                          0);
            }
        });
        SQLDatabase db;
        const DatabaseFault fault = openDatabaseFile(db, path);
        if (c.says.isEmpty()) {
            ASSERT_FALSE(fault) << databaseFaultMessage(path, fault, "").toStdString();
            EXPECT_EQ(trigram3(db), c.trigram3);
        } else {
            EXPECT_FALSE(db.isConnected());
            EXPECT_TRUE(fault.problem.startsWith(c.says)) << fault.problem.toStdString();
        }
    }
}

// A file whose header asks for a later version of the engine to write to it is opened for
// reading, and said once, with that reason, not with advice to make it writable.
TEST(StartupConnection, AFileOnlyALaterEngineMayWriteSaysWhy) {
    TestFolder folder;
    const QString path = folder.path("i_virev_DB");
    ASSERT_TRUE(createDatabase(path, validDatabaseSql()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(18) && file.write(QByteArray(1, '\3')) == 1);
    file.close();
    ScriptedDialogs dialogs;
    M_globals::f_db = path;
    EXPECT_TRUE(App::getdatabase());
    EXPECT_TRUE(M_globals::db->isReadOnly());
    EXPECT_EQ(dialogs.messages,
              QStringList{"The file " + path + " can be read but not written: nothing will be saved to it." + CR +
                          "Its header says that only a later version of the database engine may write to it (write "
                          "version 3); this one only reads it."});
    M_globals::db->Close();
    M_globals::db.reset();
    M_globals::f_db.clear();
}
