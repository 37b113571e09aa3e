// The program: the application object, its menu bar and handlers and the display window are made
// before the event loop; the application's Event_Open then connects the database and shows them.
#include "app/App.h"

#include <QApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName("yarrowen");
    int exitCode = 0;
    try {
        App app;
        prepareApplication(app);
        exitCode = app.Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "yarrowen: %s\n", error.what());
        exitCode = 1;
    }
    return exitCode;
}
