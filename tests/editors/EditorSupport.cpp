#include "EditorSupport.h"

#include "platform/Controls.h"

#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

QString editorDatabaseSql() {
    return validDatabaseSql() + R"(
CREATE TABLE MY_HEX AS SELECT * FROM ENGLISH_DEFAULT;
UPDATE MY_HEX SET NAME = 'mine' || NUMBER_BOOLEAN;
CREATE TABLE MY_TRI AS SELECT * FROM TRIGRAMS_DEFAULT;
INSERT INTO TheTables VALUES ('MY_HEX', 0, 1, 0, 'test'), ('MY_TRI', 1, 1, 0, 'test');
)";
}

void clickOn(QWidget* control) {
    QWidget* window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, control->mapTo(window, control->rect().center()));
    StartedProgram::settle();
}

void typeInto(EditField* field, const QString& text) {
    field->setText("");
    QWidget* editor = field->lineEdit() ? static_cast<QWidget*>(field->lineEdit()) : field->textEdit();
    editor->setFocus();
    QTest::keyClicks(editor, text);
}
