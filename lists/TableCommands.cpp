#include "lists/TableCommands.h"

#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
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

    if (!db.BeginTransaction()) return db.ErrorMessage();
    if (!db.SQLExecute("CREATE TABLE " + quoteIdentifier(name) + " " + textTableColumns(kind)))
        return failWith(db, db.ErrorMessage());
    for (int key = 0; key <= lastKey; ++key) {
        if (progress) progress(key);
        auto row = db.SQLSelect(
            "select * from " + quoteIdentifier(source) + " where " + TextColumn::NumberBoolean + " = ?1", {key});
        if (!row) return failWith(db, db.ErrorMessage());
        row->MoveFirst();
        if (row->isEOF())
            return failWith(db, "error in copying, no record (boolean = " + QString::number(key) + ")");
        DatabaseRecord record;
        for (const QString& column : integers) record.IntegerColumn(column, row->Field(column).IntegerValue());
        for (const QString& column : texts) record.Column(column, row->Field(column).StringValue());
        row->Close();
        if (!db.InsertRecord(name, record)) return failWith(db, db.ErrorMessage());
    }
    DatabaseRecord entry;
    entry.Column(CatalogueColumn::TableName, name);
    entry.Column(CatalogueColumn::Creator, creator);
    entry.BooleanColumn(CatalogueColumn::IsEdible, true);
    entry.BooleanColumn(CatalogueColumn::IsFull, true);
    entry.IntegerColumn(CatalogueColumn::TableType, kind);
    if (!db.InsertRecord("TheTables", entry)) return failWith(db, db.ErrorMessage());
    if (!db.Commit()) return failWith(db, db.ErrorMessage());
    return {};
}

QString dropTextTable(const QString& name) {
    if (!M_globals::db) return "No database connection!";
    SQLDatabase& db = *M_globals::db;
    if (!db.BeginTransaction()) return db.ErrorMessage();
    if (!db.SQLExecute("DROP TABLE " + quoteIdentifier(name))) return failWith(db, db.ErrorMessage());
    if (!db.SQLExecute("DELETE FROM TheTables WHERE " + catalogueRowCondition(), {name})) return failWith(db, db.ErrorMessage());
    if (!db.Commit()) return failWith(db, db.ErrorMessage());
    return {};
}
