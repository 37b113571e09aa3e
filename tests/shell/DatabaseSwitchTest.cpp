// File > DataBase > "Open..." and "Copy ...".
#include "ShellSupport.h"

#include "app/aboutWindow.h"
#include "core/M_globals.h"
#include "core/trigramClass.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "platform/SQLDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QChar CR(13);

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

QString refusal(const QString& fileName) {
    return "Database for file " + fileName + CR + "Does Not Pass as a yarrowen database." + CR +
           "Returning Unchanged to Current Database Connection.";
}

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

TEST(DatabaseSwitch, RefusesAFileThatIsNotAYarrowenDatabaseAndChangesNothing) {
    const QString valid = validDatabaseSql();
    const QString required = "Required Table %1 not found. " + QString(CR) + "Connection to this database is being stopped.";
    struct Case {
        const char* what;
        QString sql;            // empty: the file is plain text
        QStringList messages;   // before the refusal ("%F": the file's name)
        bool refusalFollows;
    } cases[] = {
        {"plain text", QString(),
         {"No database Connection for file named %F." + QString(CR) + "Returning Unchanged to Current Database Connection."},
         false},
        {"no tables at all", "CREATE TABLE x (a); DROP TABLE x;", {required.arg("ProgramPrefs")}, true},
        {"no HexChains", valid + "DROP TABLE HexChains; DROP TABLE TRIGRAMS_DEFAULT;", {required.arg("HexChains")}, true},
        {"a table missing from the catalogue", valid + "CREATE TABLE Extra (a);",
         {"Missing table from TheTables, aborting operation."}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartedProgram program;
        M_globals::TableHex = "MY_HEX";
        const Snapshot before = Snapshot::take();
        TestFolder other;
        const QString file = other.path("candidate");
        if (c.sql.isEmpty()) {
            QFile text(file);
            ASSERT_TRUE(text.open(QIODevice::WriteOnly));
            text.write("just some text, long enough to be read as a header of a file");
        } else {
            ASSERT_TRUE(createDatabase(file, c.sql));
        }
        QStringList expected;
        for (const QString& message : c.messages) expected << QString(message).replace("%F", "candidate");
        if (c.refusalFollows) expected << refusal("candidate");

        program.dialogs.files = {file};
        EXPECT_FALSE(program.app()._DataBaseOpen_Action());
        EXPECT_EQ(program.dialogs.messages, expected);
        before.expectUnchanged();
    }
}

TEST(DatabaseSwitch, RefusesAFileWhoseCatalogueCannotBeRead) {
    StartedProgram program;
    const Snapshot before = Snapshot::take();
    TestFolder other;
    ASSERT_TRUE(createDatabase(other.path("broken"), validDatabaseSql() + "DROP TABLE TheTables;"
                                                     "CREATE TABLE TheTables (name varchar, table_type integer);"));
    program.dialogs.files = {other.path("broken")};
    program.app()._DataBaseOpen_Action();
    ASSERT_EQ(program.dialogs.messages.size(), 2);
    const QString prefix = "Error in Database accessing TheTables info,aborting the opening of this database: error is..." +
                           QString(CR);
    EXPECT_TRUE(program.dialogs.messages[0].startsWith(prefix)) << program.dialogs.messages[0].toStdString();
    EXPECT_GT(program.dialogs.messages[0].size(), prefix.size());  // the engine's message follows
    EXPECT_EQ(program.dialogs.messages[1], refusal("broken"));
    before.expectUnchanged();
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
        return true;
    }
    int asked = 0;
};

}  // namespace

TEST(DatabaseSwitch, AWindowThatRefusesToCloseIsAskedOnce) {
    StartedProgram program;
    auto* stubborn = new StubbornWindow();
    stubborn->startUp();
    TestFolder other;
    ASSERT_TRUE(createDatabase(other.path("third"), validDatabaseSql()));
    program.dialogs.files = {other.path("third")};
    program.app()._DataBaseOpen_Action();
    EXPECT_EQ(stubborn->asked, 1);
    EXPECT_FALSE(stubborn->isClosed());
    EXPECT_EQ(M_globals::f_db, other.path("third"));
    EXPECT_NE(findWindow<displayWindow>(), nullptr);
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
