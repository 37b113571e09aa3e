#pragma once
// What the chain-window tests share: the program started on a small database, its display window
// with a chain of known hexagrams, and a user's clicks and typing.
#include "InputSupport.h"
#include "ShellSupport.h"

#include <QString>
#include <initializer_list>

class displayWindow;
class EditField;
class Listbox;

// Hexagram codes 0, 1, 8, 9, 21, 42, 62, 63 (trigram names "tri0".."tri7").
QString chainsDatabaseSql(const QString& moreSql = QString());

// The started program with its display window, the input window closed.
class ChainsProgram {
public:
    explicit ChainsProgram(const QString& moreSql = QString());

    // Builds the chain with newhex, each code appended.
    void build(std::initializer_list<int> codes);

    StartedProgram program;
    displayWindow* display = nullptr;
};

// A press on a row of a list, and a double click on it, as the user's mouse gives them.
void clickRow(Listbox* list, int row);
void doubleClickRow(Listbox* list, int row);
// Replaces the field's text by typing.
void typeInto(EditField* field, const QString& text);
// The rows of a select on the database file, each row's columns joined by "|".
QStringList readRows(const QString& databaseFile, const QString& sql);
