#include "lists/TableInputWindow.h"

#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "lists/ListsWindow.h"
#include "lists/TableCommands.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Keyboard.h"
#include "platform/ProgressWheel.h"
#include "platform/SQLDatabase.h"

#include <algorithm>

namespace {

constexpr int NameLimit = 18;

EditField* nameField(Window* window, const char* name, int left, int top, int width) {
    auto* field = new EditField(window, name, left, top, width, 22, false);
    field->setBorder(true);
    field->setLimitText(NameLimit);
    field->setTextFont(M_globals::font_text);
    return field;
}

// Why the engine would refuse `name` for a new table, or empty: a control character, the prefix
// the engine keeps for itself, or the name of a table in the file or in its catalogue, in any
// letter case (the engine does not tell table names apart by case). `unread` is set when the
// tables could not be read, so that no answer can be given.
QString nameRefusal(const QString& name, bool& unread) {
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control) return "Text has control characters, can not use!";
    if (name.startsWith("sqlite_", Qt::CaseInsensitive)) return "Names beginning with sqlite_ are reserved, can not use!";
    if (!M_globals::db) return {};
    QStringList taken;
    auto tables = M_globals::db->TableSchema();
    auto catalogue = tables ? M_globals::db->SQLSelect("Select * from TheTables") : nullptr;
    if (!tables || !catalogue) {
        unread = true;
        return {};
    }
    for (tables->MoveFirst(); !tables->isEOF(); tables->MoveNext()) taken << tables->IdxField(1).StringValue();
    tables->Close();
    for (catalogue->MoveFirst(); !catalogue->isEOF(); catalogue->MoveNext())
        taken << catalogue->Field(CatalogueColumn::TableName).StringValue();
    catalogue->Close();
    const bool inUse = std::any_of(taken.begin(), taken.end(), [&](const QString& t) { return sameTableName(t, name); });
    return inUse ? "This Name is in Use, can not use!" : QString();
}

}  // namespace

TableInputWindow* TableInputWindow::instance() { return windowInstance<TableInputWindow>(); }

TableInputWindow::TableInputWindow() {
    setTitle("New Table");
    setWidth(420);
    setHeight(174);
    setResizeable(false);
    setMaximizeButton(false);

    STmessage = new StaticText(this, "STmessage", 28, 14, 372, 20, "Untitled");
    STmessage->setBold(true);
    STmessage->setTextAlign(2);
    STinput = new StaticText(this, "STinput", 7, 57, 78, 20, "Untitled");
    EFinput = nameField(this, "EFinput", 91, 55, 197);
    PB_default = new PushButton(this, "PB_default", 271, 134, 80, 20, "OK");
    PB_default->setDefault(true);
    PB_cancel = new PushButton(this, "PB_cancel", 91, 134, 80, 20, "cancel");
    PB_cancel->setCancel(true);
    STerror = new StaticText(this, "STerror", 21, 78, 375, 20, "Table Name Already Exists, Name must be Unique!");
    STerror->setTextColor(RGB(255, 0, 0));
    STerror->setTextAlign(2);
    STerror->setVisible(false);
    STerror->setEnabled(false);
    ProgressWheel1 = new ProgressWheel(this, "ProgressWheel1", 340, 53, 56, 38);
    ProgressWheel1->setVisible(false);
    ProgressWheel1->setEnabled(false);
    StaticText1 = new StaticText(this, "StaticText1", 7, 103, 78, 20, "Created by");
    EFcreator = nameField(this, "EFcreator", 97, 102, 231);

    connect(PB_default, &PushButton::Action, this, &TableInputWindow::PB_default_Action);
    connect(PB_cancel, &PushButton::Action, this, &TableInputWindow::PB_cancel_Action);
    connect(EFinput, &EditField::TextChange, this, &TableInputWindow::hideMessageLine);
    connect(EFcreator, &EditField::TextChange, this, &TableInputWindow::hideMessageLine);
}

void TableInputWindow::wakeup(int type, const QString& oldName) {
    TableType = type;
    OldTableName = oldName;
    if (type == 0) STmessage->setText("Create New Hexagram Table from " + oldName);
    else if (type == 1) STmessage->setText("Create New Trigram Table from " + oldName);
    STinput->setText("Name");
    PB_default->setCaption("Create");
}

bool TableInputWindow::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void TableInputWindow::PB_cancel_Action() { Close(); }

void TableInputWindow::refuse(const QString& text) {
    STerror->setText(text);
    STerror->setVisible(true);
    STerror->setEnabled(true);
    STerror->setTextColor(RGB(255, 0, 0));
    STerror->repaint();
}

void TableInputWindow::hideMessageLine() {
    STerror->setVisible(false);
    STerror->setEnabled(false);
}

void TableInputWindow::showProgress(const QString& text) {
    STerror->setText(text);
    STerror->repaint();
}

void TableInputWindow::PB_default_Action() {
    QString creator = EFcreator->Text();
    if (!M_globals::DoesStringHaveText(creator)) {
        EFcreator->setText("");
        refuse("Creator has no Text, can not use!");
        return;
    }
    QString name = EFinput->Text();
    if (!M_globals::DoesStringHaveText(name)) {
        EFinput->setText("");
        refuse("Name has no Text, can not use!");
        return;
    }
    if (name.contains(' ')) {
        refuse("Text has spaces, can not use!");
        return;
    }
    bool unread = false;
    const QString refusal = nameRefusal(name, unread);
    if (unread) {
        MsgBox(databaseFailure(tableNotCopied(OldTableName)));
        return;
    }
    if (!refusal.isEmpty()) {
        refuse(refusal);
        return;
    }
    newName = name;
    hideMessageLine();
    const bool made = TableType == 0 ? CreateHexTable() : TableType == 1 && CreateTriTable();
    ProgressWheel1->setVisible(false);
    ProgressWheel1->setEnabled(false);
    // A failed copy has shown its message and left nothing behind: what was typed stays to mend.
    if (!made) {
        hideMessageLine();
        return;
    }
    if (auto* lists = dynamic_cast<ListsWindow*>(windowAt(1)))
        lists->WakeUp(2, "The table \"" + OldTableName + "\" was copied to \"" + newName + "\"");
    Close();
}

bool TableInputWindow::CreateHexTable() { return createTable(0); }

bool TableInputWindow::CreateTriTable() { return createTable(1); }

bool TableInputWindow::createTable(int kind) {
    ProgressWheel1->setVisible(true);
    ProgressWheel1->setEnabled(true);
    ProgressWheel1->Refresh(true);
    STerror->setTextColor(RGB(0, 255, 0));
    STerror->setText(kind == 0 ? "Creating Hexagram Table..." : "Creating Trigram Table...");
    STerror->setVisible(true);
    STerror->setEnabled(true);
    STerror->repaint();
    const int lastKey = kind == 0 ? 63 : 7;
    const QString filling = kind == 0 ? "Filling Hex Table... " : "Filling Tri Table... ";
    // The creator is catalogued as typed, leading blanks included.
    const QString failure = copyTextTable(kind, OldTableName, newName, EFcreator->Text(), [&](int key) {
        showProgress(filling + QString("%1").arg(lastKey - key, 2, 10, QChar('0')));
    });
    if (!failure.isEmpty()) MsgBox(failure);
    return failure.isEmpty();
}
