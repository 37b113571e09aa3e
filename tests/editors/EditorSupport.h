#pragma once
// What the editor tests share: the program started on a database with an editable copy of the
// hexagram texts, and a user's clicks and typing.
#include "ShellSupport.h"

#include <QString>

class EditField;
class QWidget;

// A valid database plus "MY_HEX", an editable copy of ENGLISH_DEFAULT whose names read
// "mine<code>", and "MY_TRI", an editable copy of TRIGRAMS_DEFAULT.
QString editorDatabaseSql();

// A click on a control, sent to its window as the user's click is.
void clickOn(QWidget* control);
// Replaces the field's text by typing: the field is emptied, then the text is typed into it.
void typeInto(EditField* field, const QString& text);
