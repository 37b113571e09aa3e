#include "lists/TableCommands.h"

#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "core/TextTables.h"
#include "platform/SQLDatabase.h"

namespace {

// Rolls the open transaction back and hands on the message.
QString failWith(SQLDatabase& db, const QString& message) {
    db.Rollback();
    return message;
}

}  // namespace

QString tableNotCopied(const QString& source) { return "The table \"" + source + "\" was not copied"; }

QString tableNotDeleted(const QString& name) { return "The table \"" + name + "\" was not deleted"; }

bool isDefaultTable(const QString& name) {
    return sameTableName(name, "ENGLISH_DEFAULT") || sameTableName(name, "TRIGRAMS_DEFAULT");
}

QString copyTextTable(int kind, const QString& source, const QString& name, const QString& creator,
                      const std::function<void(int key)>& progress) {
    if (!M_globals::db) return "No database connection!";
    SQLDatabase& db = *M_globals::db;
    const QStringList& integers = textTableIntegerColumns(kind);
    const QStringList& texts = textTableTextColumns(kind);
    const int lastKey = textTableLastCode(kind);
    // The message is made before the rollback, which clears the failure.
    const QString notDone = tableNotCopied(source);

    if (!db.BeginTransaction()) return databaseFailure(notDone);
    if (!db.SQLExecute("CREATE TABLE " + quoteIdentifier(name) + " " + textTableColumns(kind)))
        return failWith(db, databaseFailure(notDone));
    for (int key = 0; key <= lastKey; ++key) {
        if (progress) progress(key);
        auto row = db.SQLSelect(
            "select * from " + quoteIdentifier(source) + " where " + TextColumn::NumberBoolean + " = ?1", {key});
        if (!row) return failWith(db, databaseFailure(notDone));
        row->MoveFirst();
        if (row->isEOF())
            return failWith(db, "error in copying, no record (boolean = " + QString::number(key) + ")");
        DatabaseRecord record;
        for (const QString& column : integers) record.IntegerColumn(column, row->Field(column).IntegerValue());
        for (const QString& column : texts) record.Column(column, row->Field(column).StringValue());
        row->Close();
        if (!db.InsertRecord(name, record)) return failWith(db, databaseFailure(notDone));
    }
    DatabaseRecord entry;
    entry.Column(CatalogueColumn::TableName, name);
    entry.Column(CatalogueColumn::Creator, creator);
    entry.BooleanColumn(CatalogueColumn::IsEdible, true);
    entry.BooleanColumn(CatalogueColumn::IsFull, true);
    entry.IntegerColumn(CatalogueColumn::TableType, kind);
    if (!db.InsertRecord("TheTables", entry)) return failWith(db, databaseFailure(notDone));
    if (!db.Commit()) return failWith(db, databaseFailure(notDone));
    return {};
}

QString dropTextTable(const QString& name) {
    if (!M_globals::db) return "No database connection!";
    SQLDatabase& db = *M_globals::db;
    const QString notDone = tableNotDeleted(name);
    if (!db.BeginTransaction()) return databaseFailure(notDone);
    if (!db.SQLExecute("DROP TABLE " + quoteIdentifier(name))) return failWith(db, databaseFailure(notDone));
    if (!db.SQLExecute("DELETE FROM TheTables WHERE " + catalogueRowCondition(), {name}))
        return failWith(db, databaseFailure(notDone));
    if (!db.Commit()) return failWith(db, databaseFailure(notDone));
    return {};
}
