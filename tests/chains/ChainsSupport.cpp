#include "ChainsSupport.h"

#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "platform/Listbox.h"
#include "platform/SQLDatabase.h"

#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QWindow>

QString chainsDatabaseSql(const QString& moreSql) {
    return validDatabaseSql({0, 1, 8, 9, 21, 42, 62, 63}) + moreSql;
}

ChainsProgram::ChainsProgram(const QString& moreSql) : program(chainsDatabaseSql(moreSql)) {
    display = displayWindow::instance();
    if (InputWindow* input = findWindow<InputWindow>()) input->Close();
    StartedProgram::settle();
}

void ChainsProgram::build(std::initializer_list<int> codes) {
    for (int code : codes) display->newhex(code, true);
}

namespace {

// The row is scrolled into view first, as a user would.
QPoint rowCentre(Listbox* list, int row, QWidget*& window) {
    window = list->window();
    list->scrollTo(list->model()->index(row, 0));
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    return list->viewport()->mapTo(window, cell.center());
}

}  // namespace

void clickRow(Listbox* list, int row) {
    QWidget* window = nullptr;
    const QPoint at = rowCentre(list, row, window);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    StartedProgram::settle();
}

void doubleClickRow(Listbox* list, int row) {
    QWidget* window = nullptr;
    const QPoint at = rowCentre(list, row, window);
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    StartedProgram::settle();
}

void typeInto(EditField* field, const QString& text) {
    if (QLineEdit* line = field->lineEdit()) {
        line->clear();
        QTest::keyClicks(line, text);
    } else {
        field->textEdit()->clear();
        QTest::keyClicks(field->textEdit(), text);
    }
}

QStringList readRows(const QString& databaseFile, const QString& sql) {
    SQLDatabase db;
    db.setDatabaseFile(databaseFile);
    if (!db.Connect()) return {"<no connection>"};
    auto rows = db.SQLSelect(sql);
    if (!rows) return {"<error> " + db.ErrorMessage()};
    QStringList result;
    for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext()) {
        QStringList columns;
        for (int c = 1; c <= rows->FieldCount(); ++c)
            columns << (rows->IdxField(c).isNull() ? QString("<null>") : rows->IdxField(c).StringValue());
        result << columns.join('|');
    }
    return result;
}
