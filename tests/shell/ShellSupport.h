#pragma once
// The program started as main() starts it, on a database built for the test in a temporary
// folder, with pre-set dialog answers.
#include "app/App.h"
#include "platform/Dialogs.h"
#include "support/TestSupport.h"

#include <memory>

class StartedProgram {
public:
    // Builds "i_virev_DB" from `sql` in a temporary folder (none when `sql` is empty) and starts.
    explicit StartedProgram(const QString& sql = validDatabaseSql());
    ~StartedProgram();

    App& app() { return *application; }
    QString folderPath() const { return folder.path(""); }
    QString databasePath() const { return folder.path("i_virev_DB"); }
    bool started = false;
    ScriptedDialogs dialogs;

    // Runs what the event loop has waiting (queued calls, window activations, deferred deletes).
    static void settle();
    // Quits as File > Quit does and lets the quit finish.
    void quit();

private:
    TestFolder folder;
    std::unique_ptr<App> application;
};

// The text of a single-row, single-column select on a database file.
QString readValue(const QString& databaseFile, const QString& sql);
