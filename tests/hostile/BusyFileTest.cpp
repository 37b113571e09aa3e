// The program on a database file that another program holds locked past the busy wait: every save,
// copy, edit and delete that the lock stops says what was not done, names the file and that
// another program holds it, and the file stays as it was. A change that was made is never told as
// failed: when only the list shown after it can not be read again, the message says both.
#include "WriterSupport.h"

#include "chains/Whexchains.h"
#include "display/displayWindow.h"
#include "lists/TableInputWindow.h"
#include "platform/Listbox.h"

#include <optional>

namespace {

// Another program that takes an exclusive lock on the file right before the user's last step and
// lets it go after it.
LastStep lockedBy(const QString& file) {
    return [file](const std::function<void()>& step) {
        const HeldLock lock(file);
        ASSERT_TRUE(lock.held());
        step();
    };
}

QString busy(const QString& notDone, const QString& file) {
    return notDone + ": the file " + shown(file) + " is locked by another program." + CR +
           "Try again when that program has finished with it.";
}

Whexchains* chainsWindow(displayWindow* display, const char* command) {
    ChooseMenuItem(display, command);
    StartedProgram::settle();
    return findWindow<Whexchains>();
}

TableInputWindow* copyDialog(const QString& table, const QString& name) {
    ChooseMenuItem(catalogueWith(table), "Tablescopy");
    StartedProgram::settle();
    TableInputWindow* dialog = findWindow<TableInputWindow>();
    if (!dialog) return nullptr;
    typeInto(dialog->EFinput, name);
    typeInto(dialog->EFcreator, "me");
    return dialog;
}

}  // namespace

TEST(BusyFile, EachWriterSaysWhatWasNotDoneNamesTheFileAndChangesNothing) {
    StartedProgram program(everyWriterSql());
    ASSERT_TRUE(program.started);
    const QString file = program.databasePath();
    StartedProgram::closeInputWindow();
    displayWindow* display = displayWindow::instance();
    const LastStep locked = lockedBy(file);
    const QByteArray original = fileBytes(file);

    const std::vector<WriterCase> cases = {
        {"a chain saved", [&] { saveChain(display, "mine", locked); }, "The chain \"mine\" was not saved"},
        {"a chain deleted",
         [&] {
             Whexchains* window = chainsWindow(display, "HexChainsDelete");
             ASSERT_NE(window, nullptr);
             clickRow(window->ListBox1, 0);
             locked([&] { clickOn(window->PBsave); });
             EXPECT_EQ(window->ListBox1->ListCount(), 1);
             window->Close();
         },
         "The chain \"rise\" was not deleted"},
        {"a table copied",
         [&] {
             TableInputWindow* dialog = copyDialog("MY_HEX", "COPY");
             ASSERT_NE(dialog, nullptr);
             locked([&] { clickOn(dialog->PB_default); });
             EXPECT_EQ(findWindow<TableInputWindow>(), dialog);  // open, with what was typed
             dialog->Close();
         },
         "The table \"MY_HEX\" was not copied"},
        {"a table deleted",
         [&] {
             ListsWindow* lists = catalogueWith("MY_TRI");
             ASSERT_NE(lists, nullptr);
             program.dialogs.buttons = {DialogButton::Action};
             const int rows = lists->Lschema->ListCount();
             locked([&] { ChooseMenuItem(lists, "Tablesdelete"); });
             EXPECT_EQ(lists->Lschema->ListCount(), rows);  // still listed
         },
         "The table \"MY_TRI\" was not deleted"},
        {"a hexagram record saved",
         [&] {
             typeAndSave<WdbEditText>(
                 program, "MY_HEX", [](WdbEditText* editor) { return editor->EFname; },
                 [](WdbEditText* editor) { return editor->PBrecord; }, locked);
         },
         "The changes to book number 1 of the table MY_HEX were not saved"},
        {"a trigram record saved",
         [&] {
             typeAndSave<TRIGRAMINPUT>(
                 program, "MY_TRI", [](TRIGRAMINPUT* editor) { return editor->EFtri[0]; },
                 [](TRIGRAMINPUT* editor) { return editor->PushButton1; }, locked);
         },
         "The changes to trigram number 0 of the table MY_TRI were not saved"},
        {"the fonts saved",
         [&] { setTitleFont(locked); },
         "The fonts were not saved"},
        {"a window's place stored as it closes",
         [&] {
             ListsWindow* lists = catalogueWith("MY_HEX");
             ASSERT_NE(lists, nullptr);
             lists->setBounds(120, 140, 300, 420);
             locked([&] {
                 lists->Close();
                 StartedProgram::settle();
             });
             EXPECT_EQ(findWindow<ListsWindow>(), nullptr);
         },
         "The place of the window \"Schema\" was not saved"},
    };
    expectEachSays(program, cases, [&](const QString& notDone) { return busy(notDone, file); }, original);
}

// The lock is taken as the list is emptied to be filled again, after the change was written.
TEST(BusyFile, AChangeMadeIsSaidMadeWhenOnlyTheListAfterItCanNotBeRead) {
    StartedProgram program(everyWriterSql());
    ASSERT_TRUE(program.started);
    const QString file = program.databasePath();
    StartedProgram::closeInputWindow();
    displayWindow* display = displayWindow::instance();

    struct Case {
        const char* what;
        std::function<Listbox*()> open;  // the window up to the last step; the list it fills again
        std::function<void()> last;
        QString said;
        const char* sql;  // what the file holds afterwards
        QStringList holds;
    } cases[] = {
        {"a chain deleted",
         [&]() -> Listbox* {
             Whexchains* window = chainsWindow(display, "HexChainsDelete");
             if (!window) return nullptr;
             clickRow(window->ListBox1, 0);
             return window->ListBox1;
         },
         [&] { clickOn(findWindow<Whexchains>()->PBsave); },
         "The chain \"rise\" was deleted, but the list of saved chains could not be read",
         "SELECT NAME FROM HexChains", {}},
        {"a table copied",
         [&]() -> Listbox* {
             TableInputWindow* dialog = copyDialog("MY_TRI", "COPY");
             return dialog ? findWindow<ListsWindow>()->Lschema : nullptr;
         },
         [&] { clickOn(findWindow<TableInputWindow>()->PB_default); },
         "The table \"MY_TRI\" was copied to \"COPY\", but the list of tables could not be read",
         "SELECT table_name FROM TheTables WHERE table_name = 'COPY'", {"COPY"}},
        {"a table deleted",
         [&]() -> Listbox* {
             ListsWindow* lists = catalogueWith("MY_TRI");
             program.dialogs.buttons = {DialogButton::Action};
             return lists ? lists->Lschema : nullptr;
         },
         [&] { ChooseMenuItem(findWindow<ListsWindow>(), "Tablesdelete"); },
         "The table \"MY_TRI\" was deleted, but the list of tables could not be read",
         "SELECT name FROM sqlite_master WHERE name = 'MY_TRI'", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Listbox* list = c.open();
        ASSERT_NE(list, nullptr);
        program.dialogs.messages.clear();
        std::optional<HeldLock> lock;
        const auto watch = QObject::connect(list->model(), &QAbstractItemModel::modelReset, [&] {
            if (!lock) lock.emplace(file);
        });
        c.last();
        StartedProgram::settle();
        QObject::disconnect(watch);
        ASSERT_TRUE(lock && lock->held()) << program.dialogs.messages.join(" | ").toStdString();
        lock.reset();
        EXPECT_EQ(program.dialogs.messages, QStringList{busy(c.said, file)});
        EXPECT_EQ(readRows(file, c.sql), c.holds);
        if (Whexchains* window = findWindow<Whexchains>()) window->Close();
        StartedProgram::settle();
    }
}
