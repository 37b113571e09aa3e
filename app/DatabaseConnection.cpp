// The start-up connection, and the validation of a database file; the checks themselves are in
// core/DatabaseCheck, this shows what they find.
#include "app/App.h"
#include "core/DatabaseCheck.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTables.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool App::getStartdatabase() {
    const Application* application = Application::instance();
    const QString folder = application ? application->applicationFolder() : QCoreApplication::applicationDirPath();
    const QString path = QDir(folder).filePath(startDatabaseName);
    if (QFileInfo(path).isFile()) {
        M_globals::f_db = path;
        return true;
    }
    MsgBox("No database found, gonna shut down");
    return false;
}

bool App::getdatabase() {
    M_globals::db = std::make_shared<SQLDatabase>();
    if (M_globals::f_db.isEmpty()) {
        MsgBox("No file");
        return false;
    }
    // The start-up file is checked as a file chosen to switch to is; one that fails is left
    // unconnected, so nothing (not even the windows' bounds at quit) is written to it. A file that
    // can only be read is connected read-only.
    chooseConnectionMode(*M_globals::db, M_globals::f_db);
    if (const DatabaseFault fault = openDatabaseFile(*M_globals::db, M_globals::f_db)) {
        M_globals::db->Close();
        MsgBox(databaseFaultMessage(shownDatabasePath(), fault, "yarrowen will now shut down."));
        return false;
    }
    M_globals::LoadPrefs();
    tellWhenReadOnly();
    return true;
}

bool App::checkDatabase(SQLDatabase& candidate) {
    const DatabaseFault fault = openDatabaseFile(candidate, candidate.DatabaseFile());
    if (fault) MsgBox(databaseFaultMessage(QFileInfo(candidate.DatabaseFile()).fileName(), fault, switchRefused));
    return !fault;
}

bool App::checkDefaultTables(RecordSet& tables, const QString& name) { return !checkRequiredTable(tables, name); }

bool App::checkFields(RecordSet& columns, int tableType) { return missingTextTableColumns(columns, tableType).isEmpty(); }
