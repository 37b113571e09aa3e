#pragma once
// What the tests of a file that can not be written share: a database with something for every
// writer to work on, and the user's steps of each save, copy, edit and delete.
#include "ChainsSupport.h"

#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "lists/ListsWindow.h"
#include "platform/Controls.h"
#include "platform/Menus.h"

#include <QString>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

class displayWindow;

// Saved chains and an editable copy of each default table, so that every writer has something to
// work on.
QString everyWriterSql();

// A file's whole path as the program's messages name it.
QString shown(const QString& path);

// The user's last step of an action (the click that saves), run as it is or with something around
// it, as another program's lock taken just before it.
using LastStep = std::function<void(const std::function<void()>& step)>;
inline void asItIs(const std::function<void()>& step) { step(); }

// Table `name` selected in the catalogue of the lists window.
ListsWindow* catalogueWith(const QString& name);

// Saves a chain of two under `name` from the saved-chains window, as the user does.
void saveChain(displayWindow* display, const QString& name, const LastStep& last = asItIs);

// Options' settings window with the fonts section open, "DejaVu Serif" chosen for the titles and
// the set button pressed.
void setTitleFont(const LastStep& last = asItIs);

// One writer: the user's steps, and what they say was not done.
struct WriterCase {
    const char* what;
    std::function<void()> act;
    QString notDone;
};
// Runs each case: it says only says(notDone), and the file still holds `original`.
void expectEachSays(StartedProgram& program, const std::vector<WriterCase>& cases,
                    const std::function<QString(const QString& notDone)>& says, const QByteArray& original);

// Table `table` opened in its editor from the catalogue, "typed" typed into a field and the save
// button pressed. The typed text stays in the field, and is let go on closing ("Don't Save").
template <class Editor>
void typeAndSave(StartedProgram& program, const QString& table, const std::function<EditField*(Editor*)>& field,
                 const std::function<PushButton*(Editor*)>& save, const LastStep& last = asItIs) {
    ChooseMenuItem(catalogueWith(table), "Tablesedit");
    StartedProgram::settle();
    Editor* editor = findWindow<Editor>();
    ASSERT_NE(editor, nullptr);
    typeInto(field(editor), "typed");
    last([&] { clickOn(save(editor)); });
    EXPECT_EQ(field(editor)->Text(), "typed");
    program.dialogs.buttons = {DialogButton::AlternateAction};
    editor->Close();
    StartedProgram::settle();
}
