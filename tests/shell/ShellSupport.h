#pragma once
// The program started as main() starts it, on a database built for the test in a temporary
// folder, with pre-set dialog answers.
#include "app/App.h"
#include "platform/Dialogs.h"
#include "support/TestSupport.h"

#include <functional>
#include <memory>

class StartedProgram {
public:
    // Builds "i_virev_DB" from `sql` in a temporary folder (none when `sql` is empty) and starts
    // the application object given (a plain App by default).
    explicit StartedProgram(const QString& sql = validDatabaseSql(), std::unique_ptr<App> app = nullptr);
    // Starts with "i_virev_DB" holding these bytes as they are.
    struct RawFile {
        QByteArray contents;
    };
    explicit StartedProgram(const RawFile& file);
    // Starts with "i_virev_DB" (and what lies beside it) made by `make`; madeListing is the
    // folder's listing (folderListing) as `make` left it.
    explicit StartedProgram(const std::function<bool(const QString& path)>& make);
    QStringList madeListing;
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
    // Closes the input window that start-up shows as a sheet over the display window, as the user
    // does before working in the display window, which takes no input while it is open.
    static void closeInputWindow();

private:
    void start(std::unique_ptr<App> app);
    TestFolder folder;
    std::unique_ptr<App> application;
};

// The text of a single-row, single-column select on a database file.
QString readValue(const QString& databaseFile, const QString& sql);

// The program's SQL for a database that passes validation, with its own fonts, trigram names
// ("<prefix>0".."<prefix>7") and display window bounds.
QString databaseSql(const QString& trigramPrefix, const QString& textFont, const QString& displayBounds);
