#include "lists/ListsWindow.h"

#include "core/M_globals.h"

ListsWindow* ListsWindow::instance() { return windowInstance<ListsWindow>(); }

ListsWindow::ListsWindow() {
    setTitle("Untitled");
    setWidth(600);
    setHeight(400);
}

void ListsWindow::WakeUp(int mode) {
    Listis = mode;
    if (mode == 0) setTitle("Hexagrams: Table = " + M_globals::TableHex);
    else if (mode == 1) setTitle("Trigrams: Table = " + M_globals::TableTri);
    else if (mode == 2) setTitle("Schema");
}

void ListsWindow::Event_Activate() { M_globals::checkmenus(1); }
