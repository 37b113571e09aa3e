// File > DataBase > "Open..." and "Copy ...".
#include "ShellSupport.h"

#include "app/aboutWindow.h"
#include "core/M_globals.h"
#include "core/trigramClass.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "platform/SQLDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What a switch must leave alone when it refuses a file.
struct Snapshot {
    std::shared_ptr<SQLDatabase> db;
    QString file, tableHex, tableTri, fontText, trigramName;
    displayWindow* display;
    int windows;

    static Snapshot take() {
        return {M_globals::db,       M_globals::f_db,     M_globals::TableHex,
                M_globals::TableTri, M_globals::font_text, M_globals::tridata[3]->name,
                findWindow<displayWindow>(), WindowCount()};
    }
    void expectUnchanged() const {
        EXPECT_EQ(M_globals::db, db);
        EXPECT_TRUE(M_globals::db->isConnected());
        EXPECT_EQ(M_globals::f_db, file);
        EXPECT_EQ(M_globals::TableHex, tableHex);
        EXPECT_EQ(M_globals::TableTri, tableTri);
        EXPECT_EQ(M_globals::font_text, fontText);
        EXPECT_EQ(M_globals::tridata[3]->name, trigramName);
        EXPECT_EQ(findWindow<displayWindow>(), display);
        EXPECT_FALSE(display->isClosed());
        EXPECT_EQ(WindowCount(), windows);
    }
};

}  // namespace

TEST(DatabaseSwitch, CancellingTheQuestionOrTheFileDialogChangesNothing) {
    StartedProgram program;
    M_globals::TableHex = "MY_HEX";
    const Snapshot before = Snapshot::take();

    program.dialogs.buttons = {DialogButton::Cancel};
    EXPECT_FALSE(program.app()._DataBaseOpen_Action());
    ASSERT_EQ(program.dialogs.questions.size(), 1u);
    const MessageDialog& question = program.dialogs.questions[0];
    EXPECT_EQ(question.Icon, 3);
    EXPECT_EQ(question.ActionButtonCaption, "Yes");
    EXPECT_TRUE(question.CancelButtonVisible);
    EXPECT_EQ(question.CancelButtonCaption, "cancel");
    EXPECT_EQ(question.Message, "Connect to another yarrowen database?");
    EXPECT_EQ(question.Explanation, "All windows will close before attempting to connect. " + QString(CR) +
                                        "The current yarrowen database will close.");
    EXPECT_TRUE(program.dialogs.fileTypes.isEmpty());

    program.dialogs.buttons = {DialogButton::Action};  // "Yes", then no file chosen
    EXPECT_FALSE(program.app()._DataBaseOpen_Action());
    EXPECT_EQ(program.dialogs.fileTypes, QStringList{"virevdb"});

    EXPECT_TRUE(program.dialogs.messages.isEmpty());
    before.expectUnchanged();
}

// A file that fails its check is refused with one message that names it, says what is wrong and
// the engine's reason; the file in use stays, and the refused file and what lies beside it are
// left as they were, byte for byte.
TEST(DatabaseSwitch, RefusesAnUnusableFileWithOneMessageAndChangesNothing) {
    const QString valid = validDatabaseSql();
    struct Case {
        const char* what;
        std::function<bool(const QString& path)> make;
        bool locked;  // another program holds the file locked throughout
        QString says;
    };
    auto sql = [](const QString& text) { return [=](const QString& path) { return createDatabase(path, text); }; };
    std::vector<Case> cases = {
        {"no tables at all", sql("CREATE TABLE x (a); DROP TABLE x;"), false, "Required Table ProgramPrefs not found. "},
        {"no HexChains", sql(valid + "DROP TABLE HexChains; DROP TABLE TRIGRAMS_DEFAULT;"), false,
         "Required Table HexChains not found. "},
        {"a table missing from the catalogue", sql(valid + "CREATE TABLE Extra (a);"), false,
         "Missing table from TheTables, aborting operation."},
        {"a catalogue that cannot be read",
         sql(valid + "DROP TABLE TheTables; CREATE TABLE TheTables (name varchar, table_type integer);"), false,
         "Error in Database accessing TheTables info,aborting the opening of this database: error is..." + QString(CR) +
             "no such column: table_name"},
        {"a locked file", sql(valid), true, "The file could not be opened." + QString(CR) + "database is locked"},
    };
    for (const UnusableDatabase& unusable : unusableDatabases())
        cases.push_back({unusable.what.c_str(), unusable.make, false, unusable.says});

    // One program refuses them all, one after another.
    StartedProgram program;
    M_globals::TableHex = "MY_HEX";
    const Snapshot before = Snapshot::take();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        program.dialogs.messages.clear();
        TestFolder other;
        const QString file = other.path("candidate");
        ASSERT_TRUE(c.make(file));
        const QStringList contents = folderListing(other.path(""));
        std::unique_ptr<HeldLock> lock;
        if (c.locked) lock = std::make_unique<HeldLock>(file);

        program.dialogs.files = {file};
        EXPECT_FALSE(program.app()._DataBaseOpen_Action());
        lock.reset();
        ASSERT_EQ(program.dialogs.messages.size(), 1) << program.dialogs.messages.join("|").toStdString();
        const QString& message = program.dialogs.messages[0];
        const QString head = c.locked ? "No database Connection for file named candidate." + QString(CR)
                                      : "Database for file candidate" + QString(CR) + "Does Not Pass as a yarrowen database." + CR;
        EXPECT_TRUE(message.startsWith(head + c.says)) << message.toStdString();
        EXPECT_TRUE(message.contains(c.locked ? "If another program is using it, close that program and try again"
                                              : "If it holds your work, restore it from a copy"))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(CR + QString("Returning Unchanged to Current Database Connection.")));
        before.expectUnchanged();
        EXPECT_EQ(folderListing(other.path("")), contents);
    }
    // The program goes on with the file in use, without another word.
    program.dialogs.messages.clear();
    M_globals::TableHex = "ENGLISH_DEFAULT";
    displayWindow::instance()->newhex(21, true);
    StartedProgram::settle();
    EXPECT_EQ(displayWindow::instance()->virevcount, 1);
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
}

// In a folder that can not be written to, each unusable file is refused as anywhere else, and so
// is a sound file the engine can not open there; the file in use stays, and the refused file and
// what lies beside it are left as they were.
TEST(DatabaseSwitch, InAFolderThatCanNotBeWrittenToNothingIsWritten) {
    StartedProgram program;
    const Snapshot before = Snapshot::take();
    for (const UnusableDatabase& unusable : unusableInReadOnlyFolder()) {
        SCOPED_TRACE(unusable.what);
        program.dialogs.messages.clear();
        TestFolder other;
        const QString file = other.path("candidate");
        ASSERT_TRUE(unusable.make(file));
        const QStringList contents = folderListing(other.path(""));
        {
            const ReadOnlyFolder readOnly(other.path(""));
            if (!readOnly.skipReason().isEmpty()) SKIP_OR_FAIL_IN_CI(readOnly.skipReason().toStdString());
            program.dialogs.files = {file};
            EXPECT_FALSE(program.app()._DataBaseOpen_Action());
        }
        ASSERT_EQ(program.dialogs.messages.size(), 1) << program.dialogs.messages.join("|").toStdString();
        const QString& message = program.dialogs.messages[0];
        EXPECT_TRUE(message.contains(CR + unusable.says)) << message.toStdString();
        EXPECT_TRUE(message.contains("Nothing has been written to it")) << message.toStdString();
        EXPECT_TRUE(message.endsWith(CR + QString("Returning Unchanged to Current Database Connection.")));
        before.expectUnchanged();
        EXPECT_EQ(folderListing(other.path("")), contents);
    }
}

// A sound file with a journal left by a save that a crash cut off, or a WAL, beside it is switched
// to: the engine applies what lies there, and the program reads what the file holds then.
TEST(DatabaseSwitch, ASoundFileWithAJournalOrAWalBesideItIsSwitchedTo) {
    StartedProgram program;
    for (const RecoveredDatabase& sound : recoveredDatabases()) {
        SCOPED_TRACE(sound.what);
        program.dialogs.messages.clear();
        TestFolder other;
        const QString file = other.path("chosen");
        ASSERT_TRUE(sound.make(file));
        program.dialogs.files = {file};
        program.app()._DataBaseOpen_Action();
        StartedProgram::settle();
        EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
        EXPECT_EQ(M_globals::f_db, file);
        EXPECT_EQ(M_globals::tridata[3]->name, sound.trigram3);
        EXPECT_FALSE(QFile::exists(file + "-journal"));
        // Back to the first file before this one's folder goes.
        program.dialogs.files = {program.databasePath()};
        program.app()._DataBaseOpen_Action();
        StartedProgram::settle();
        EXPECT_EQ(M_globals::f_db, program.databasePath());
    }
}

TEST(DatabaseSwitch, AcceptsNamesInAnotherLetterCaseAndAnyCatalogueType) {
    StartedProgram program;
    TestFolder other;
    QString sql = validDatabaseSql();
    sql.replace("CREATE TABLE HexChains", "CREATE TABLE hexchains").replace("('HexChains'", "('hexchains'");
    sql += "CREATE TABLE Odd (a); INSERT INTO TheTables VALUES ('Odd', 7, 0, 1, 'x');"
           "CREATE TABLE Negative (a); INSERT INTO TheTables VALUES ('Negative', -3, 0, 1, 'x');";
    ASSERT_TRUE(createDatabase(other.path("mixed"), sql));
    program.dialogs.files = {other.path("mixed")};
    program.app()._DataBaseOpen_Action();
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
    EXPECT_EQ(M_globals::f_db, other.path("mixed"));
}

TEST(DatabaseSwitch, SwitchesEverythingToTheNewFile) {
    StartedProgram program(databaseSql("old", "DejaVu Sans", ""));
    TestFolder other;
    const QString newFile = other.path("second_DB");
    ASSERT_TRUE(createDatabase(newFile, databaseSql("new", "DejaVu Serif", "70,30,400,500")));

    M_globals::TableHex = "MY_HEX";
    M_globals::TableTri = "MY_TRI";
    M_globals::Used_yangLength = 80;  // drawing settings stay as they are
    const std::shared_ptr<trigramClass> trigram = M_globals::tridata[2];
    displayWindow* oldDisplay = displayWindow::instance();
    oldDisplay->setBounds(55, 25, 330, 440);
    const QString oldBounds = boundsString(*oldDisplay);
    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "FileAboutyarrowen"));
    QPointer<Window> about = findWindow<aboutWindow>();
    std::shared_ptr<SQLDatabase> oldConnection = M_globals::db;

    program.dialogs.files = {newFile};
    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseOpen"));
    StartedProgram::settle();

    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
    EXPECT_FALSE(oldConnection->isConnected());
    EXPECT_EQ(readValue(program.databasePath(), "SELECT DisplayW FROM ProgramPrefs"), oldBounds);
    EXPECT_TRUE(!about);  // closed with every other window

    EXPECT_EQ(M_globals::f_db, newFile);
    ASSERT_TRUE(M_globals::db);
    EXPECT_TRUE(M_globals::db->isConnected());
    EXPECT_EQ(M_globals::TableHex, "ENGLISH_DEFAULT");
    EXPECT_EQ(M_globals::TableTri, "TRIGRAMS_DEFAULT");
    EXPECT_EQ(M_globals::font_text, "DejaVu Serif");
    EXPECT_EQ(M_globals::Used_yangLength, 80);
    EXPECT_EQ(M_globals::tridata[2], trigram);  // the same objects, new texts
    EXPECT_EQ(trigram->name, "new2");

    ASSERT_EQ(WindowCount(), 2);
    auto* display = dynamic_cast<displayWindow*>(windowAt(1));
    ASSERT_NE(display, nullptr);
    EXPECT_NE(display, oldDisplay);
    EXPECT_EQ(display->virevcount, 0);
    EXPECT_EQ(boundsString(*display), "70,30,400,500");
    EXPECT_NE(dynamic_cast<InputWindow*>(windowAt(0)), nullptr);

    // The About window tells of the new file.
    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "FileAboutyarrowen"));
    aboutWindow* fresh = findWindow<aboutWindow>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->EFdatabase->Text(), QFileInfo(newFile).absoluteFilePath());
    EXPECT_EQ(fresh->stHex->Text(), "ENGLISH_DEFAULT");
    EXPECT_EQ(fresh->stTri->Text(), "TRIGRAMS_DEFAULT");

    // The file in use can be chosen again like any other.
    program.dialogs.files = {newFile};
    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseOpen"));
    StartedProgram::settle();
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
    EXPECT_EQ(M_globals::f_db, newFile);
    EXPECT_NE(findWindow<displayWindow>(), display);
}

namespace {

class StubbornWindow : public Window {
public:
    bool Event_CancelClose() override {
        ++asked;
        return refuse;
    }
    int asked = 0;
    bool refuse = true;
};

}  // namespace

// A window that refuses to close (an editor keeping unsaved changes) is asked once and stops the
// switch: the file in use stays, with the display window and its chain, and nothing more is said.
TEST(DatabaseSwitch, AWindowThatRefusesToCloseStopsTheSwitch) {
    StartedProgram program;
    displayWindow* display = displayWindow::instance();
    display->newhex(21, true);
    auto* stubborn = new StubbornWindow();
    stubborn->startUp();
    std::shared_ptr<SQLDatabase> connection = M_globals::db;
    const QString inUse = M_globals::f_db;
    TestFolder other;
    ASSERT_TRUE(createDatabase(other.path("third"), validDatabaseSql()));
    program.dialogs.files = {other.path("third")};
    program.app()._DataBaseOpen_Action();
    EXPECT_EQ(stubborn->asked, 1);
    EXPECT_FALSE(stubborn->isClosed());
    EXPECT_EQ(M_globals::f_db, inUse);
    EXPECT_EQ(M_globals::db, connection);
    EXPECT_TRUE(connection->isConnected());
    EXPECT_EQ(findWindow<displayWindow>(), display);
    EXPECT_FALSE(display->isClosed());
    EXPECT_EQ(display->virevcount, 1);
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
    stubborn->refuse = false;
}

namespace {

// A window whose closing puts another file in place of `file`, as a sync tool may meanwhile.
class ReplacingWindow : public Window {
public:
    ReplacingWindow(QString replacement, QString file) : replacement(std::move(replacement)), file(std::move(file)) {}
    bool Event_CancelClose() override {
        replaced = ::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(file).constData()) == 0;
        return false;
    }
    QString replacement, file;
    bool replaced = false;
};

}  // namespace

// The file chosen is used as it was checked: a file put in its place while the windows close is
// not used unchecked, and nothing is written to it, not even the window places at quit.
TEST(DatabaseSwitch, AFilePutInPlaceOfTheChosenOneWhileTheWindowsCloseIsNotUsed) {
    StartedProgram program;
    TestFolder other;
    const QString chosen = other.path("chosen"), replacement = other.path("replacement");
    ASSERT_TRUE(createDatabase(chosen, databaseSql("checked", "DejaVu Sans", "")));
    ASSERT_TRUE(createDatabase(replacement, databaseSql("unchecked", "DejaVu Sans", "") + "DROP TABLE Commentary;"));
    const QByteArray replacementBytes = fileBytes(replacement);
    QPointer<ReplacingWindow> replacing = new ReplacingWindow(replacement, chosen);
    replacing->startUp();

    program.dialogs.files = {chosen};
    program.app()._DataBaseOpen_Action();
    StartedProgram::settle();
    EXPECT_TRUE(!replacing);  // closed, having put the other file in place
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join("|").toStdString();
    EXPECT_EQ(M_globals::f_db, chosen);
    EXPECT_EQ(M_globals::tridata[3]->name, "checked3");
    program.quit();
    EXPECT_EQ(fileBytes(chosen), replacementBytes);
}

TEST(DatabaseSwitch, CopyOnlyShowsItsMessage) {
    StartedProgram program;
    const Snapshot before = Snapshot::take();
    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseCopy"));
    EXPECT_EQ(program.dialogs.messages,
              QStringList{"To Copy a database, Use a file manager." + QString(CR) + "  (It is Not Recommended to use databases" +
                          CR + "   created with another database Front End" + CR +
                          "   as yarrowen may not handle them correctly.)"});
    before.expectUnchanged();
}
