#pragma once
// What the lists tests share: the lists window opened by its DataBase command, and a user's
// click on a list row.
#include "ShellSupport.h"

#include "lists/ListsWindow.h"
#include "platform/Listbox.h"
#include "platform/Menus.h"

#include <QTest>

// The DataBase menu's command for the mode, chosen with the front window in front.
inline ListsWindow* openLists(int mode) {
    const char* items[] = {"DataBaseCurrentHexDataTable", "DataBaseCurrentTrigramdataTable", "Filegetdbscheme"};
    ChooseMenuItem(frontWindow(), items[mode]);
    StartedProgram::settle();
    return findWindow<ListsWindow>();
}

// A click in a cell, as the user's, scrolled into view first.
inline void clickRow(Listbox* list, int row, int column = 0) {
    list->scrollTo(list->model()->index(row, column));
    const QRect cell = list->visualRect(list->model()->index(row, column));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

// The row whose cell in `column` reads `text`, or -1.
inline int rowWith(const Listbox* list, int column, const QString& text) {
    for (int r = 0; r < list->ListCount(); ++r)
        if (list->Cell(r, column) == text) return r;
    return -1;
}
