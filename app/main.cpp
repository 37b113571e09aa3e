// Start-up: connects the database beside the program and exits.
#include "app/App.h"
#include "core/M_globals.h"
#include "platform/SQLDatabase.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (!App::getStartdatabase()) return 0;
    App::getdatabase();
    if (M_globals::db) M_globals::db->Close();
    return 0;
}
