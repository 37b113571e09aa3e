// Start-up, the state it leaves, and quitting.
#include "ShellSupport.h"

#include "app/MenuBar1.h"
#include "core/M_globals.h"
#include "core/trigramClass.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "platform/PluginHost.h"
#include "platform/SQLDatabase.h"
#include "platform/Window.h"

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

// Notes what the display window looks like while the application's own opening handler runs.
class WatchedApp : public App {
public:
    void Event_Open() override {
        displayBeforeAppOpen = findWindow<displayWindow>();
        openedBefore = displayBeforeAppOpen && displayBeforeAppOpen->isOpened();
        App::Event_Open();
        openedAfterAppOpen = findWindow<displayWindow>() && findWindow<displayWindow>()->isOpened();
    }
    displayWindow* displayBeforeAppOpen = nullptr;
    bool openedBefore = true;
    bool openedAfterAppOpen = true;
};

}  // namespace

TEST(StartUp, TheApplicationOpensBeforeTheDisplayWindowMadeBeforeIt) {
    auto app = std::make_unique<WatchedApp>();
    WatchedApp& watched = *app;
    // The stored bounds show that the display window read ProgramPrefs through the connection
    // that the application's opening handler made.
    StartedProgram program(databaseSql("tri", "DejaVu Sans", "44,10,500,600"), std::move(app));
    ASSERT_TRUE(program.started);
    ASSERT_NE(watched.displayBeforeAppOpen, nullptr);  // made before the event loop
    EXPECT_FALSE(watched.openedBefore);
    EXPECT_FALSE(watched.openedAfterAppOpen);
    displayWindow* display = displayWindow::instance();
    EXPECT_EQ(display, watched.displayBeforeAppOpen);
    EXPECT_TRUE(display->isOpened());
    EXPECT_EQ(boundsString(*display), "44,10,500,600");
}

TEST(StartUp, LeavesTheDisplayAndInputWindowsAndTheSharedStateAtTheirStartValues) {
    StartedProgram program;
    ASSERT_TRUE(program.started);

    ASSERT_EQ(WindowCount(), 2);
    auto* input = dynamic_cast<InputWindow*>(windowAt(0));
    auto* display = dynamic_cast<displayWindow*>(windowAt(1));
    ASSERT_NE(input, nullptr);
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(input->isVisible());
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(display->virevcount, 0);
    EXPECT_TRUE(display->virev.empty());

    EXPECT_FALSE(dbeditOptionsMenu()->Visible());
    // The display window came to the front first: its menu profile is in force.
    EXPECT_EQ(OptionsChainWindow()->Text(), "Chain Window");
    EXPECT_FALSE(OptionsTables()->Visible());

    EXPECT_EQ(M_globals::TableHex, "ENGLISH_DEFAULT");
    EXPECT_EQ(M_globals::TableTri, "TRIGRAMS_DEFAULT");
    EXPECT_EQ(M_globals::Used_GapLength, 10);
    EXPECT_EQ(M_globals::Used_YinLength, 20);
    EXPECT_EQ(M_globals::Used_yangLength, 50);
    EXPECT_EQ(M_globals::firsttosixth.size(), 7u);
    EXPECT_EQ(M_globals::firsttosixth[0], "");
    EXPECT_EQ(M_globals::firsttosixth[1], "1st");
    EXPECT_EQ(M_globals::firsttosixth[6], "6th");

    ASSERT_EQ(M_globals::tridata.size(), 8u);
    std::set<const trigramClass*> distinct;
    for (size_t t = 0; t < 8; ++t) {
        ASSERT_NE(M_globals::tridata[t], nullptr);
        distinct.insert(M_globals::tridata[t].get());
        EXPECT_EQ(M_globals::tridata[t]->name, QString("tri%1").arg(t));
    }
    EXPECT_EQ(distinct.size(), 8u);

    EXPECT_FALSE(M_globals::font_system.isEmpty());
    EXPECT_EQ(M_globals::font_text, "DejaVu Sans");
    ASSERT_TRUE(M_globals::db);
    EXPECT_TRUE(M_globals::db->isConnected());
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

TEST(StartUp, AMissingDatabaseEndsStartUpWithOneMessageAndNoWindow) {
    StartedProgram program{QString()};
    EXPECT_FALSE(program.started);
    EXPECT_EQ(program.dialogs.messages, QStringList{"No database found, gonna shut down"});
    EXPECT_TRUE(program.app().hasShutDown());
    EXPECT_EQ(program.app().exitCode(), 0);
    EXPECT_EQ(WindowCount(), 0);
    EXPECT_EQ(findWindow<InputWindow>(), nullptr);
    EXPECT_FALSE(M_globals::db);
    EXPECT_EQ(QDir(program.folderPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// A start-up file that fails its check ends start-up as a missing one does: one message that
// names the file and what is wrong, no window, exit code 0, and the file and what lies beside it
// as they were, byte for byte (nothing is written to them, not even the windows' bounds at quit).
TEST(StartUp, AnUnusableFileEndsStartUpWithOneMessageAndIsLeftAsItWas) {
    for (const UnusableDatabase& unusable : unusableDatabases()) {
        SCOPED_TRACE(unusable.what);
        StartedProgram program(unusable.make);
        EXPECT_FALSE(program.started);
        ASSERT_EQ(program.dialogs.messages.size(), 1) << program.dialogs.messages.join("|").toStdString();
        const QString& message = program.dialogs.messages[0];
        EXPECT_TRUE(message.contains(program.databasePath())) << message.toStdString();
        EXPECT_TRUE(message.contains(QChar(13) + unusable.says)) << message.toStdString();
        EXPECT_TRUE(message.contains("restore it from a copy")) << message.toStdString();
        EXPECT_TRUE(program.app().hasShutDown());
        EXPECT_EQ(program.app().exitCode(), 0);
        EXPECT_EQ(WindowCount(), 0);
        ASSERT_TRUE(M_globals::db);
        EXPECT_FALSE(M_globals::db->isConnected());
        program.quit();
        EXPECT_EQ(program.dialogs.messages.size(), 1);
        EXPECT_EQ(folderListing(program.folderPath()), program.madeListing);
    }
}

// A sound file with a journal left by a save that a crash cut off, or a WAL, beside it starts as
// it always has: the engine applies what lies there, and the windows show what the file holds then.
TEST(StartUp, ASoundFileWithAJournalOrAWalBesideItStarts) {
    for (const RecoveredDatabase& sound : recoveredDatabases()) {
        SCOPED_TRACE(sound.what);
        StartedProgram program(sound.make);
        ASSERT_TRUE(program.started);
        EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
        EXPECT_EQ(M_globals::tridata[3]->name, sound.trigram3);
        program.quit();
        EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
        EXPECT_EQ(QDir(program.folderPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"i_virev_DB"});
    }
}

TEST(Quit, TheWindowsStoreTheirBoundsBeforeTheDatabaseCloses) {
    StartedProgram program;
    ASSERT_TRUE(program.started);
    displayWindow* display = displayWindow::instance();
    display->setBounds(50, 20, 400, 520);
    const QString expected = boundsString(*display);
    std::shared_ptr<SQLDatabase> connection = M_globals::db;

    program.quit();
    EXPECT_TRUE(program.app().hasShutDown());
    EXPECT_EQ(WindowCount(), 0);
    EXPECT_FALSE(connection->isConnected());
    EXPECT_EQ(readValue(program.databasePath(), "SELECT DisplayW FROM ProgramPrefs"), expected);
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

// The program as a user runs it: without its database, on a damaged one, and on one that another
// program holds locked throughout. Each ends with exit code 0 after one message, makes no file
// and leaves the database as it was. A plug-in library beside it that does not load says why on
// standard error.
TEST(ProgramRun, WithoutAUsableDatabaseTheProgramEndsWithExitCodeZeroAndOneMessage) {
    const QString built = QCoreApplication::applicationDirPath();
    const QString library = PluginHost::libraryFileName();
    const QByteArray builtLibrary = fileBytes(QDir(built).filePath(library));
    const auto validDatabase = [](const QString& path) { return createDatabase(path, validDatabaseSql()); };
    struct Case {
        const char* what;
        std::function<bool(const QString& path)> make;  // none: no database file
        bool locked;
        const char* says;
        QByteArray libraryBytes;  // the file beside the program; empty: none
        const char* reason;       // on standard error; empty: nothing about the library
    } cases[] = {
        {"no database", nullptr, false, "MsgBox: No database found, gonna shut down", builtLibrary, ""},
        {"a damaged database", unusableDatabases()[0].make, false, "The file is damaged.", builtLibrary, ""},
        {"a locked database", validDatabase, true, "database is locked", builtLibrary, ""},
        {"no library", nullptr, false, "MsgBox: No database found, gonna shut down", "",
         "The plug-in library could not be loaded"},
        {"not a library", nullptr, false, "MsgBox: No database found, gonna shut down",
         "this is text, not a shared library", "The plug-in library could not be loaded"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        const QString program = folder.path("yarrowen");
        ASSERT_TRUE(QFile::copy(QDir(built).filePath("yarrowen"), program));
        QStringList files{"yarrowen"};
        if (!c.libraryBytes.isEmpty()) {
            QFile file(folder.path(library));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.libraryBytes);
            files << library;
        }
        const QString database = folder.path("i_virev_DB");
        if (c.make) {
            ASSERT_TRUE(c.make(database));
            files << "i_virev_DB";
        }
        const QByteArray contents = fileBytes(database);
        std::unique_ptr<HeldLock> lock;
        if (c.locked) lock = std::make_unique<HeldLock>(database);
        QProcess run;
        run.setWorkingDirectory(folder.path(""));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("YARROWEN_UNATTENDED", "1");
        run.setProcessEnvironment(environment);
        run.start(program, {});
        ASSERT_TRUE(run.waitForFinished(30000)) << "the program did not end";
        lock.reset();
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), 0);
        const QString errors = QString::fromLocal8Bit(run.readAllStandardError());
        EXPECT_EQ(errors.count(c.says), 1) << errors.toStdString();
        EXPECT_EQ(errors.count("MsgBox:"), 1) << errors.toStdString();
        if (*c.reason) {
            // The reason names the file that did not load.
            EXPECT_EQ(errors.count(c.reason), 1) << errors.toStdString();
            EXPECT_TRUE(errors.contains(library)) << errors.toStdString();
        } else {
            EXPECT_FALSE(errors.contains("plug-in")) << errors.toStdString();
        }
        QStringList left = QDir(folder.path("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        left.sort();
        files.sort();
        EXPECT_EQ(left, files);
        EXPECT_EQ(fileBytes(database), contents);
    }
}

// "i_virev_DB" as a link: the file it leads to is checked and used with what lies beside that
// file, as the engine takes them. A journal there is applied; a WAL there that drops a table is
// found, and the message names the link and the file it leads to.
TEST(StartUp, ALinkedDatabaseIsCheckedWithWhatLiesBesideTheFileItLeadsTo) {
    struct Case {
        std::string what;
        std::function<bool(const QString&)> make;
        QString says;  // empty: it starts
    };
    const UnusableDatabase& dropped = *std::find_if(
        unusableDatabases().begin(), unusableDatabases().end(),
        [](const UnusableDatabase& file) { return file.what == "a file in WAL mode that lost a required table in its WAL"; });
    const Case cases[] = {
        {recoveredDatabases()[0].what, recoveredDatabases()[0].make, {}},
        {dropped.what, dropped.make, dropped.says},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder real;
        const QString target = real.path("kept_DB");
        StartedProgram program([&](const QString& path) { return c.make(target) && QFile::link(target, path); });
        if (c.says.isEmpty()) {
            ASSERT_TRUE(program.started);
            EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
            EXPECT_EQ(M_globals::tridata[3]->name, "tri3");
            EXPECT_FALSE(QFile::exists(target + "-journal"));
            continue;
        }
        EXPECT_FALSE(program.started);
        ASSERT_EQ(program.dialogs.messages.size(), 1);
        const QString& message = program.dialogs.messages[0];
        EXPECT_TRUE(message.startsWith("Database for file " + program.databasePath() + QChar(13) +
                                       "Does Not Pass as a yarrowen database." + QChar(13) + "It is a link to " +
                                       target + ", the file the engine uses." + QChar(13) + c.says))
            << message.toStdString();
        EXPECT_TRUE(message.contains("move " + target + "-wal away with it")) << message.toStdString();
        EXPECT_TRUE(QFile::exists(target + "-wal"));
    }
}

// Without a temporary folder ($TMPDIR names one that is not there), a sound file with the journal
// of a save that a crash cut off starts as anywhere, and nothing is left beside it.
TEST(StartUp, ASoundFileWithACrashJournalStartsWithoutATemporaryFolder) {
    TestFolder temporary;
    std::unique_ptr<TemporaryFolderNamed> missing;
    StartedProgram program([&](const QString& path) {
        missing = std::make_unique<TemporaryFolderNamed>(temporary.path("gone"));
        return recoveredDatabases()[0].make(path);
    });
    ASSERT_TRUE(program.started);
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
    EXPECT_EQ(M_globals::tridata[3]->name, "tri3");
    program.quit();
    missing.reset();
    EXPECT_EQ(QDir(program.folderPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"i_virev_DB"});
}
