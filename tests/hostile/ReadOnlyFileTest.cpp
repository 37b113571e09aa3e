// The program on a database file it can read but not write: said once when the file is opened, at
// start and by File > DataBase > "Open...", then every save, copy, edit and delete refused with one
// message naming the file and what was not done, and nothing more said when windows close or the
// program quits. The file stays as it was, byte for byte.
//
// Most tests answer the program's own question, whether the file can be written, themselves, and the
// engine's read-only connection still keeps every byte from being written. The test with real
// permissions runs as the user it is started by, or, started by root (whom permissions do not
// stop), as nobody.
#include "WriterSupport.h"

#include "chains/ChainPage.h"
#include "chains/Whexchains.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "display/HexSettings.h"
#include "display/displayWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "lists/ListsWindow.h"
#include "lists/TableInputWindow.h"
#include "platform/DisclosureTriangle.h"
#include "platform/Listbox.h"
#include "platform/Menus.h"
#include "platform/SQLDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// For its lifetime, the files of these names answer that they cannot be written.
class Unwritable {
public:
    explicit Unwritable(const QStringList& names) {
        setDatabaseWritableAnswer([names](const QString& path) { return !names.contains(QFileInfo(path).fileName()); });
    }
    ~Unwritable() { setDatabaseWritableAnswer({}); }
};

// The one notice, and the one refusal, for the file at `path`.
void expectNotice(const QStringList& messages, const QString& path) {
    ASSERT_EQ(messages.size(), 1) << messages.join(" | ").toStdString();
    EXPECT_TRUE(messages[0].startsWith("The file " + shown(path) + " can be read but not written")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("nothing will be saved to it"));
}
QString refusal(const QString& notDone, const QString& path) {
    return notDone + ": the file " + shown(path) + " can be read but not written.";
}

}  // namespace

TEST(ReadOnlyFile, IsSaidOnceAtStartThenEachWriterRefusesWithItsOwnMessageAndQuittingSaysNothing) {
    Unwritable unwritable({"i_virev_DB"});
    QByteArray original;
    StartedProgram program([&](const QString& path) {
        if (!createDatabase(path, everyWriterSql())) return false;
        original = fileBytes(path);
        return true;
    });
    ASSERT_TRUE(program.started);
    const QString file = program.databasePath();
    expectNotice(program.dialogs.messages, file);
    ASSERT_TRUE(M_globals::db->isReadOnly());
    StartedProgram::closeInputWindow();
    displayWindow* display = displayWindow::instance();

    const std::vector<WriterCase> cases = {
        {"a chain saved", [&] { saveChain(display, "mine"); }, "The chain \"mine\" was not saved"},
        {"a chain deleted",
         [&] {
             ChooseMenuItem(display, "HexChainsDelete");
             StartedProgram::settle();
             Whexchains* window = findWindow<Whexchains>();
             ASSERT_NE(window, nullptr);
             clickRow(window->ListBox1, 0);
             clickOn(window->PBsave);
             StartedProgram::settle();
             EXPECT_EQ(window->ListBox1->ListCount(), 1);
             window->Close();
         },
         "The chain \"rise\" was not deleted"},
        {"a table copied",
         [&] {
             ListsWindow* lists = catalogueWith("MY_HEX");
             ASSERT_NE(lists, nullptr);
             ChooseMenuItem(lists, "Tablescopy");
             StartedProgram::settle();
             EXPECT_EQ(findWindow<TableInputWindow>(), nullptr);
         },
         "The table \"MY_HEX\" was not copied"},
        {"a table deleted",
         [&] {
             ListsWindow* lists = catalogueWith("MY_TRI");
             ASSERT_NE(lists, nullptr);
             const size_t questions = program.dialogs.questions.size();
             ChooseMenuItem(lists, "Tablesdelete");
             EXPECT_EQ(program.dialogs.questions.size(), questions) << "no question whose answer cannot be kept";
         },
         "The table \"MY_TRI\" was not deleted"},
        {"a hexagram record saved",
         [&] {
             typeAndSave<WdbEditText>(
                 program, "MY_HEX", [](WdbEditText* editor) { return editor->EFname; },
                 [](WdbEditText* editor) { return editor->PBrecord; });
         },
         "The changes to book number 1 of the table MY_HEX were not saved"},
        {"a trigram record saved",
         [&] {
             typeAndSave<TRIGRAMINPUT>(
                 program, "MY_TRI", [](TRIGRAMINPUT* editor) { return editor->EFtri[0]; },
                 [](TRIGRAMINPUT* editor) { return editor->PushButton1; });
         },
         "The changes to trigram number 0 of the table MY_TRI were not saved"},
        {"the fonts saved",
         [&] {
             setTitleFont();
             EXPECT_EQ(M_globals::font_title, "DejaVu Serif");  // in use until the program quits
         },
         "The fonts were not saved"},
    };
    expectEachSays(program, cases, [&](const QString& notDone) { return refusal(notDone, file); }, original);

    // The fonts section closed, or open with the fonts as they were: nothing to refuse.
    program.dialogs.messages.clear();
    for (const bool fontsOpen : {false, true}) {
        HexSettings* settings = HexSettings::instance();
        settings->Show();
        StartedProgram::settle();
        if (settings->DisclosureTriangle1->Value() != fontsOpen) QTest::mouseClick(settings->DisclosureTriangle1, Qt::LeftButton);
        QTest::mouseClick(settings->PushButton1, Qt::LeftButton);
        StartedProgram::settle();
    }
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();

    // Every window that keeps its place closes, and the program quits, without a word.
    ChooseMenuItem(display, "OptionsText");
    ChooseMenuItem(display, "OptionsChainWindow");
    ChooseMenuItem(display, "DataBaseCurrentHexDataTable");
    StartedProgram::settle();
    ASSERT_NE(findWindow<Wtext>(), nullptr);
    ASSERT_NE(findWindow<ChainPage>(), nullptr);
    ASSERT_NE(findWindow<ListsWindow>(), nullptr);
    findWindow<Wtext>()->Close();
    findWindow<ChainPage>()->Close();
    StartedProgram::settle();
    program.quit();
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
    EXPECT_EQ(fileBytes(file), original);
}

// The file opened by File > DataBase > "Open..." is said once, and only that file: the file left
// gets its window places, and opening a writable file again says nothing and saves.
TEST(ReadOnlyFile, IsSaidOnceWhenOpenedAndOnlyForThatFile) {
    Unwritable unwritable({"other_DB"});
    StartedProgram program(everyWriterSql());
    ASSERT_TRUE(program.started);
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
    TestFolder folder;
    const QString other = folder.path("other_DB");
    ASSERT_TRUE(createDatabase(other, everyWriterSql()));
    const QByteArray original = fileBytes(other);

    program.dialogs.files = {other};
    ASSERT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseOpen"));
    StartedProgram::settle();
    expectNotice(program.dialogs.messages, other);
    EXPECT_NE(readValue(program.databasePath(), "SELECT DisplayW FROM ProgramPrefs"), "");

    StartedProgram::closeInputWindow();
    program.dialogs.messages.clear();
    saveChain(displayWindow::instance(), "mine");
    EXPECT_EQ(program.dialogs.messages, QStringList{refusal("The chain \"mine\" was not saved", other)});

    // Back to the file beside the program, which can be written.
    program.dialogs.messages.clear();
    program.dialogs.files = {program.databasePath()};
    ASSERT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseOpen"));
    StartedProgram::settle();
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
    EXPECT_FALSE(M_globals::db->isReadOnly());
    EXPECT_EQ(fileBytes(other), original);
    StartedProgram::closeInputWindow();
    saveChain(displayWindow::instance(), "mine");
    EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
    EXPECT_EQ(readRows(program.databasePath(), "SELECT NAME FROM HexChains ORDER BY rowid"), QStringList({"rise", "mine"}));
}

namespace {

// A write-protected file (0444) or folder (0555), its permissions given back when it goes.
class WriteProtected {
public:
    WriteProtected(const QString& databasePath, bool folder)
        : path(folder ? QFileInfo(databasePath).absolutePath() : databasePath),
          before(QFile::permissions(path)) {
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enterable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(path, folder ? readable | enterable : readable);
    }
    ~WriteProtected() { QFile::setPermissions(path, before); }
    // Whether the permissions keep this user from writing: not for root, who may write anything.
    bool holds() const {
        QFile probe(QFileInfo(path).isDir() ? QDir(path).filePath("probe") : path);
        if (!probe.open(QIODevice::ReadWrite)) return true;
        probe.close();
        if (QFileInfo(path).isDir()) probe.remove();
        return false;
    }

private:
    QString path;
    QFileDevice::Permissions before;
};

}  // namespace

TEST(ReadOnlyFile, AWriteProtectedFileOrFolderIsFoundAtStartAndOnOpen) {
    // Root may write any file: run as root, the test acts as nobody, whom permissions stop. The
    // folders and files are made by that user, and removed by it before root comes back.
    const ActingAsNobody nobody;
    for (const bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "a write-protected folder" : "a write-protected file");
        {
            std::unique_ptr<WriteProtected> protection;
            QByteArray original;
            StartedProgram program([&](const QString& path) {
                if (!createDatabase(path, everyWriterSql())) return false;
                original = fileBytes(path);
                protection = std::make_unique<WriteProtected>(path, folder);
                return true;
            });
            // The permissions are given back before the program's folder is removed.
            const auto giveBack = qScopeGuard([&] { protection.reset(); });
            if (!protection->holds()) {
                program.quit();
                SKIP_OR_FAIL_IN_CI("permissions do not stop this user's writes (root, unable to act as nobody); the "
                                   "refusals are tested through the program's own answer above");
            }
            ASSERT_TRUE(program.started);
            expectNotice(program.dialogs.messages, program.databasePath());
            StartedProgram::closeInputWindow();
            program.dialogs.messages.clear();
            saveChain(displayWindow::instance(), "mine");
            EXPECT_EQ(program.dialogs.messages,
                      QStringList{refusal("The chain \"mine\" was not saved", program.databasePath())});
            program.dialogs.messages.clear();
            program.quit();
            EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
            EXPECT_EQ(fileBytes(program.databasePath()), original);
        }
        {
            StartedProgram program(everyWriterSql());
            TestFolder otherFolder;
            const QString other = otherFolder.path("other_DB");
            ASSERT_TRUE(createDatabase(other, everyWriterSql()));
            const QByteArray original = fileBytes(other);
            WriteProtected protection(other, folder);
            program.dialogs.files = {other};
            ASSERT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseOpen"));
            StartedProgram::settle();
            expectNotice(program.dialogs.messages, other);
            program.dialogs.messages.clear();
            program.quit();
            EXPECT_TRUE(program.dialogs.messages.isEmpty()) << program.dialogs.messages.join(" | ").toStdString();
            EXPECT_EQ(fileBytes(other), original);
        }
    }
}
