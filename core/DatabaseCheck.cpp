#include "core/DatabaseCheck.h"

#include "core/TextTables.h"
#include "platform/SQLDatabase.h"
#include "platform/Types.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The first 16 bytes of every SQLite 3 database file.
const QByteArray SQLiteHeader("SQLite format 3\0", 16);

// The default tables and the kind each is read as, whatever its catalogue row says.
struct DefaultTable {
    const char* name;
    int kind;
};
const DefaultTable DefaultTables[] = {{"ENGLISH_DEFAULT", 0}, {"TRIGRAMS_DEFAULT", 1}};

const char* const CatalogueError =
    "Error in Database accessing TheTables info,aborting the opening of this database: error is...";

DatabaseFault fails(const QString& problem, const QString& reason = {}, bool unreadable = false) {
    DatabaseFault fault;
    fault.problem = problem;
    fault.reason = reason;
    fault.unreadable = unreadable;
    return fault;
}

// The engine's findings without its heading line ("*** in database main ***").
QString findings(RecordSet& rows) {
    QStringList lines;
    for (rows.MoveFirst(); !rows.isEOF(); rows.MoveNext())
        for (const QString& line : rows.IdxField(1).StringValue().split('\n'))
            if (!line.startsWith("***") && !line.trimmed().isEmpty()) lines << line;
    return lines.join(CR);
}

}  // namespace

const QStringList& requiredTables() {
    static const QStringList names{"ProgramPrefs",    "TheTables", "Commentary",      "Dictionary_Default",
                                   "ENGLISH_DEFAULT", "HexChains", "TRIGRAMS_DEFAULT"};
    return names;
}

DatabaseFault checkDatabaseHeader(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return fails("The file could not be found.");
    if (!info.isFile()) return fails("It is a folder, not a file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fails("The file could not be read.", file.errorString(), true);
    if (file.size() == 0) return fails("The file is empty (0 bytes): it holds no database.");
    if (file.read(SQLiteHeader.size()) != SQLiteHeader) return fails("The file is not a database file.");
    return {};
}

DatabaseFault openDatabaseFile(SQLDatabase& db, const QString& path) {
    if (DatabaseFault fault = checkDatabaseHeader(path)) return fault;
    db.setDatabaseFile(path);
    if (!db.Connect()) return fails("The file could not be opened.", db.ErrorMessage(), true);
    return {};
}

DatabaseFault checkDatabaseSound(SQLDatabase& db) {
    // The first finding is enough to tell; the whole list can be long.
    auto rows = db.SQLSelect("PRAGMA quick_check(1)");
    if (!rows) return fails("The file could not be read.", db.ErrorMessage(), true);
    if (rows->RecordCount() == 1 && rows->IdxField(1).StringValue() == "ok") return {};
    return fails("The file is damaged.", findings(*rows));
}

DatabaseFault checkRequiredTable(RecordSet& tables, const QString& name) {
    for (tables.MoveFirst(); !tables.isEOF(); tables.MoveNext())
        if (sameTableName(tables.IdxField(1).StringValue(), name)) return {};
    return fails("Required Table " + name + " not found. " + CR + "Connection to this database is being stopped.");
}

DatabaseFault checkCatalogue(SQLDatabase& db, RecordSet& tables) {
    for (tables.MoveFirst(); !tables.isEOF(); tables.MoveNext()) {
        const QString name = tables.IdxField(1).StringValue();
        // The name is bound as a value, so any table name is looked up safely.
        auto entry = db.SQLSelect("Select * from TheTables where table_name = ? COLLATE NOCASE", {name});
        if (db.Error() || !entry) return fails(CatalogueError, db.ErrorMessage());
        if (entry->isEOF())
            return fails("Missing table from TheTables, aborting operation." + CR + "The table " + name +
                    " has no row there.");
    }
    return {};
}

DatabaseFault checkDefaultTableColumns(SQLDatabase& db) {
    for (const DefaultTable& table : DefaultTables) {
        auto columns = db.FieldSchema(table.name);
        if (!columns) return fails(QString("The table %1 could not be read.").arg(table.name), db.ErrorMessage(), true);
        const QStringList missing = missingTextTableColumns(*columns, table.kind);
        if (!missing.isEmpty()) return fails(incompleteTableText(table.name, {missingColumnsNote(missing)}));
    }
    return {};
}

DatabaseFault checkDatabaseContents(SQLDatabase& db) {
    if (DatabaseFault fault = checkDatabaseSound(db)) return fault;
    auto tables = db.TableSchema();
    if (!tables) return fails(CatalogueError, db.ErrorMessage(), true);
    for (const QString& name : requiredTables())
        if (DatabaseFault fault = checkRequiredTable(*tables, name)) return fault;
    if (DatabaseFault fault = checkCatalogue(db, *tables)) return fault;
    return checkDefaultTableColumns(db);
}

QString databaseFaultMessage(const QString& file, const DatabaseFault& fault, const QString& outcome) {
    QStringList lines;
    if (fault.unreadable)
        lines << "No database Connection for file named " + file + ".";
    else
        lines << "Database for file " + file << "Does Not Pass as a yarrowen database.";
    lines << fault.problem;
    if (!fault.reason.isEmpty()) lines << fault.reason;
    lines << (fault.unreadable ? "Nothing has been written to it. If another program is using it, close that "
                                 "program and try again; if it is damaged, restore it from a copy."
                               : "Nothing has been written to it. If it holds your work, restore it from a copy.");
    lines << outcome;
    return lines.join(CR);
}
