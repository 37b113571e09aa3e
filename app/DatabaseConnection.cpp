// The start-up connection and the validation of a database file before a switch.
#include "app/App.h"
#include "core/M_globals.h"
#include "core/TextTables.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QChar CR(13);
const char* const requiredTables[] = {"ProgramPrefs", "TheTables", "Commentary", "Dictionary_Default",
                                      "ENGLISH_DEFAULT", "HexChains", "TRIGRAMS_DEFAULT"};
}  // namespace

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

void App::getdatabase() {
    M_globals::db = std::make_shared<SQLDatabase>();
    if (M_globals::f_db.isEmpty()) {
        MsgBox("No file");
        return;
    }
    M_globals::db->setDatabaseFile(M_globals::f_db);
    if (M_globals::db->Connect())
        M_globals::LoadPrefs();
    else
        MsgBox("no database connection");
}

bool App::checkDatabase(SQLDatabase& candidate) {
    auto tables = candidate.TableSchema();
    if (!tables) {
        MsgBox("Error in Database accessing TheTables info,aborting the opening of this database: error is..." +
               QString(CR) + candidate.ErrorMessage());
        return false;
    }
    for (const char* name : requiredTables)
        if (!checkDefaultTables(*tables, name)) return false;

    for (tables->MoveFirst(); !tables->isEOF(); tables->MoveNext()) {
        const QString name = tables->IdxField(1).StringValue();
        // The name is bound as a value, so any table name is looked up safely.
        auto entry = candidate.SQLSelect("Select * from TheTables where table_name = ?", {name});
        if (candidate.Error() || !entry) {
            MsgBox("Error in Database accessing TheTables info,aborting the opening of this database: error is..." +
                   QString(CR) + candidate.ErrorMessage());
            return false;
        }
        if (entry->isEOF()) {
            MsgBox("Missing table from TheTables, aborting operation.");
            return false;
        }
        const qint64 type = entry->Field("table_type").IntegerValue();
        if (type >= -2 && type <= 4) {
            auto columns = candidate.FieldSchema(name);
            if (columns) checkFields(*columns, static_cast<int>(type));
        }
    }
    return true;
}

bool App::checkDefaultTables(RecordSet& tables, const QString& name) {
    for (tables.MoveFirst(); !tables.isEOF(); tables.MoveNext())
        if (tables.IdxField(1).StringValue().compare(name, Qt::CaseInsensitive) == 0) return true;
    MsgBox("Required Table " + name + " not found. " + QString(CR) + "Connection to this database is being stopped.");
    return false;
}

bool App::checkFields(RecordSet& columns, int tableType) { return missingTextTableColumns(columns, tableType).isEmpty(); }
