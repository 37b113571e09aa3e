#include "platform/SQLDatabase.h"

#include "platform/Types.h"

#include <sqlite3.h>

QString quoteIdentifier(const QString& name) {
    QString inner = name;
    inner.replace('"', "\"\"");
    return "\"" + inner + "\"";
}

bool sameTableName(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    for (qsizetype i = 0; i < a.size(); ++i)
        if (lower(a[i].unicode()) != lower(b[i].unicode())) return false;
    return true;
}

void DatabaseRecord::set(const QString& name, const QVariant& value) {
    for (auto& column : columns) {
        if (column.first.compare(name, Qt::CaseInsensitive) == 0) {
            column.second = value;
            return;
        }
    }
    columns.emplace_back(name, value);
}

void SQLiteHandle::setError(const QString& message) {
    error = true;
    busy = false;
    errorMessage = message;
}

void SQLiteHandle::setEngineError(sqlite3* from) {
    setError(from ? QString::fromUtf8(sqlite3_errmsg(from)) : QString("No database connection"));
    busy = from && (sqlite3_errcode(from) & 0xFF) == SQLITE_BUSY;
}

void SQLiteHandle::clearError() {
    error = false;
    busy = false;
    errorMessage.clear();
}

namespace {

bool bindValues(sqlite3_stmt* statement, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values[i];
        int rc;
        if (value.isNull()) {
            rc = sqlite3_bind_null(statement, i + 1);
        } else if (value.typeId() == QMetaType::Bool || value.typeId() == QMetaType::Int ||
                   value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::UInt) {
            rc = sqlite3_bind_int64(statement, i + 1, value.toLongLong());
        } else if (value.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(statement, i + 1, value.toDouble());
        } else if (value.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(statement, i + 1, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        } else {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(statement, i + 1, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) return false;
    }
    return true;
}

QVariant columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER: return QVariant(static_cast<qint64>(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(statement, column)));
    }
    case SQLITE_NULL: return QVariant();
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(statement, column)));
    }
    }
}

// Only blanks and semicolons may follow the one statement.
bool onlySeparatorsLeft(const char* tail) {
    for (; tail && *tail; ++tail) {
        if (*tail != ';' && *tail != ' ' && *tail != '\t' && *tail != '\n' && *tail != '\r') return false;
    }
    return true;
}

// Prepares exactly one statement with its values bound; reports failure on the handle.
sqlite3_stmt* prepare(SQLiteHandle& handle, const QString& sql, const QVariantList& values) {
    if (!handle.db) {
        handle.setError("No database connection");
        return nullptr;
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(handle.db, text.constData(), static_cast<int>(text.size()), &statement, &tail) != SQLITE_OK) {
        handle.setEngineError(handle.db);
        return nullptr;
    }
    if (!statement) {
        handle.setError("No statement to run");
        return nullptr;
    }
    if (!onlySeparatorsLeft(tail)) {
        sqlite3_finalize(statement);
        handle.setError("Only one statement can be run at a time");
        return nullptr;
    }
    if (!bindValues(statement, values)) {
        handle.setEngineError(handle.db);
        sqlite3_finalize(statement);
        return nullptr;
    }
    return statement;
}

// Runs one statement that returns no rows; reports failure on the handle.
bool execute(SQLiteHandle& handle, const QString& sql, const QVariantList& values) {
    handle.clearError();
    sqlite3_stmt* statement = prepare(handle, sql, values);
    if (!statement) return false;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) handle.setEngineError(handle.db);
    sqlite3_finalize(statement);
    return !handle.error;
}

}  // namespace

SQLDatabase::SQLDatabase() : handle(std::make_shared<SQLiteHandle>()) {}

SQLDatabase::~SQLDatabase() { Close(); }

bool SQLDatabase::Connect() {
    if (handle->db) {
        handle->clearError();
        return true;
    }
    if (file.isEmpty()) {
        handle->setError("No database file");
        return false;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(file.toUtf8().constData(), &db,
                                   readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        if (db) handle->setEngineError(db);
        else handle->setError("Cannot open the database file");
        sqlite3_close(db);
        return false;
    }
    // A lock held briefly by another program (a backup, a sync tool) is waited out.
    sqlite3_busy_timeout(db, BusyTimeoutMilliseconds);
    // Opening is lazy; reading the schema proves the file is a database.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        handle->setEngineError(db);
        sqlite3_close(db);
        return false;
    }
    handle->db = db;
    handle->clearError();
    return true;
}

bool SQLDatabase::isConnected() const { return handle->db != nullptr; }

bool SQLDatabase::isReadOnly() const { return handle->db && sqlite3_db_readonly(handle->db, "main") == 1; }

void SQLDatabase::Close() {
    if (!handle->db) return;
    // Work left half done is not made permanent.
    if (!sqlite3_get_autocommit(handle->db)) sqlite3_exec(handle->db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(handle->db);
    handle->db = nullptr;
}

std::shared_ptr<RecordSet> SQLDatabase::SQLSelect(const QString& sql, const QVariantList& values) {
    handle->clearError();
    sqlite3_stmt* statement = prepare(*handle, sql, values);
    if (!statement) return nullptr;

    auto set = std::shared_ptr<RecordSet>(new RecordSet);
    set->handle = handle;
    // The columns are named after the first step: a statement that the engine prepared again,
    // for a schema another connection changed, then names the columns its rows hold.
    int rc = sqlite3_step(statement);
    const int columns = sqlite3_column_count(statement);
    bool oneTable = columns > 0;
    for (int c = 0; c < columns; ++c) {
        set->names << QString::fromUtf8(sqlite3_column_name(statement, c));
        const char* origin = sqlite3_column_origin_name(statement, c);
        const char* table = sqlite3_column_table_name(statement, c);
        set->origins << (origin ? QString::fromUtf8(origin) : QString());
        if (set->names.last().compare("rowid", Qt::CaseInsensitive) == 0 && set->rowidColumn < 0) {
            set->rowidColumn = c;
        } else if (!table) {
            oneTable = false;
        } else if (set->table.isEmpty()) {
            set->table = QString::fromUtf8(table);
        } else if (set->table != QString::fromUtf8(table)) {
            oneTable = false;
        }
    }
    if (!oneTable) set->table.clear();

    for (; rc == SQLITE_ROW; rc = sqlite3_step(statement)) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) row << columnValue(statement, c);
        set->rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        handle->setEngineError(handle->db);
        sqlite3_finalize(statement);
        return nullptr;
    }
    sqlite3_finalize(statement);
    return set;
}

bool SQLDatabase::SQLExecute(const QString& sql, const QVariantList& values) {
    return execute(*handle, sql, values);
}

std::shared_ptr<RecordSet> SQLDatabase::TableSchema() {
    return SQLSelect("SELECT name AS TableName FROM sqlite_master WHERE type = 'table' "
                     "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
}

std::shared_ptr<RecordSet> SQLDatabase::FieldSchema(const QString& table) {
    return SQLSelect("SELECT name AS ColumnName, type AS FieldType, pk AS IsPrimary, \"notnull\" AS \"NotNull\" "
                     "FROM pragma_table_info(?1)",
                     {table});
}

bool SQLDatabase::InsertRecord(const QString& table, const DatabaseRecord& record) {
    QStringList columns, marks;
    QVariantList values;
    for (const auto& [name, value] : record.values()) {
        columns << quoteIdentifier(name);
        marks << QString("?%1").arg(values.size() + 1);
        values << value;
    }
    const QString sql = columns.isEmpty()
        ? QString("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(table))
        : QString("INSERT INTO %1 (%2) VALUES (%3)").arg(quoteIdentifier(table), columns.join(", "), marks.join(", "));
    return SQLExecute(sql, values);
}

bool SQLDatabase::BeginTransaction() {
    // Joining an open transaction would let the inner Commit make the outer work permanent.
    if (handle->db && !sqlite3_get_autocommit(handle->db)) {
        handle->setError("A transaction is already open: it must be committed or rolled back before another begins.");
        return false;
    }
    return SQLExecute("BEGIN");
}

bool SQLDatabase::Commit() {
    handle->clearError();
    if (!handle->db || sqlite3_get_autocommit(handle->db)) return true;
    return SQLExecute("COMMIT");
}

bool SQLDatabase::Rollback() {
    handle->clearError();
    if (!handle->db || sqlite3_get_autocommit(handle->db)) return true;
    return SQLExecute("ROLLBACK");
}

// ---- fields

QVariant DatabaseField::value() const {
    if (!records || column < 0 || records->isEOF()) return QVariant();
    const auto pending = records->pending.find(column);
    if (pending != records->pending.end()) return pending->second;
    return records->rows[static_cast<size_t>(records->current)].value(column);
}

QString DatabaseField::StringValue() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

qint64 DatabaseField::IntegerValue() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::LongLong) return v.toLongLong();
    if (v.typeId() == QMetaType::Double) return Int64(v.toDouble());
    // Text reads as its leading number, as the engine's own conversion does.
    return leadingInteger(v.toString());
}

double DatabaseField::DoubleValue() const { return value().toDouble(); }

bool DatabaseField::BooleanValue() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double) return v.toDouble() != 0;
    const QString text = v.toString().trimmed();
    if (text.compare("true", Qt::CaseInsensitive) == 0) return true;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0;
}

bool DatabaseField::isNull() const { return value().isNull(); }

QString DatabaseField::Name() const {
    return records && column >= 0 ? records->names.value(column) : QString();
}

void DatabaseField::assign(const QVariant& value) {
    // Without a current row there is nothing to set, and Update says so.
    if (!records || records->isEOF()) return;
    // A name that is no column of the table (or a column computed by the statement) is kept, so
    // that Update refuses instead of writing the rest and reporting success.
    if (column < 0 || records->origins[column].isEmpty()) {
        if (!records->unknownSet.contains(asked, Qt::CaseInsensitive)) records->unknownSet << asked;
        return;
    }
    records->pending[column] = value;
}

void DatabaseField::setStringValue(const QString& value) { assign(value); }
void DatabaseField::setIntegerValue(qint64 value) { assign(value); }
void DatabaseField::setBooleanValue(bool value) { assign(static_cast<qint64>(value ? 1 : 0)); }

// ---- record sets

DatabaseField RecordSet::Field(const QString& name) {
    for (int c = 0; c < names.size(); ++c)
        if (names[c].compare(name, Qt::CaseInsensitive) == 0) return DatabaseField(this, c, name);
    return DatabaseField(this, -1, name);
}

DatabaseField RecordSet::IdxField(int index) {
    return DatabaseField(this, index >= 1 && index <= names.size() ? index - 1 : -1, QString::number(index));
}

void RecordSet::Edit() {
    pending.clear();
    unknownSet.clear();
}

// The WHERE clause that names the current row: by its rowid when the statement selected it,
// otherwise the first row whose columns all hold the values read.
bool RecordSet::locateRow(QString& where, QVariantList& values) const {
    const QVariantList& row = rows[static_cast<size_t>(current)];
    if (rowidColumn >= 0) {
        where = "rowid = ?";
        values << row.value(rowidColumn);
        return true;
    }
    QStringList tests;
    for (int c = 0; c < names.size(); ++c) {
        if (origins[c].isEmpty()) continue;
        tests << QString("%1 IS ?").arg(quoteIdentifier(origins[c]));
        values << row.value(c);
    }
    if (tests.isEmpty()) return false;
    where = QString("rowid = (SELECT rowid FROM %1 WHERE %2 LIMIT 1)").arg(quoteIdentifier(table), tests.join(" AND "));
    return true;
}

bool RecordSet::Update() {
    handle->clearError();
    if (isEOF() || table.isEmpty()) {
        handle->setError(isEOF() ? "No current row to update" : "This record set cannot be changed");
        return false;
    }
    // An update that would write less than was set, or nothing, is no success.
    if (!unknownSet.isEmpty()) {
        handle->setError(QString("The table %1 has no column %2.").arg(table, unknownSet.join(", ")));
        return false;
    }
    if (pending.empty()) {
        handle->setError(QString("Nothing was set to write to the table %1.").arg(table));
        return false;
    }
    QStringList assignments;
    QVariantList values;
    for (const auto& [column, value] : pending) {
        assignments << quoteIdentifier(origins[column]) + " = ?";
        values << value;
    }
    QString where;
    QVariantList whereValues;
    if (!locateRow(where, whereValues)) {
        handle->setError("This record set cannot be changed");
        return false;
    }
    values << whereValues;
    const QString sql = QString("UPDATE %1 SET %2 WHERE %3").arg(quoteIdentifier(table), assignments.join(", "), where);
    if (!execute(*handle, sql, values) || !changedARow("update")) return false;
    QVariantList& row = rows[static_cast<size_t>(current)];
    for (const auto& [column, value] : pending) row[column] = value;
    pending.clear();
    return true;
}

bool RecordSet::DeleteRecord() {
    handle->clearError();
    QString where;
    QVariantList values;
    if (isEOF() || table.isEmpty() || !locateRow(where, values)) {
        handle->setError(isEOF() ? "No current row to delete" : "This record set cannot be changed");
        return false;
    }
    if (!execute(*handle, QString("DELETE FROM %1 WHERE %2").arg(quoteIdentifier(table), where), values) ||
        !changedARow("delete"))
        return false;
    rows.erase(rows.begin() + current);
    pending.clear();
    return true;
}

bool RecordSet::changedARow(const char* change) {
    if (sqlite3_changes(handle->db) > 0) return true;
    // Deleted or changed beyond recognition since it was read.
    handle->setError(QString("The row to %1 is no longer in the table %2.").arg(change, table));
    return false;
}

void RecordSet::Close() {
    rows.clear();
    pending.clear();
    unknownSet.clear();
    current = 0;
}
