#pragma once
// The SQL database on the SQLite C library: a connection, record sets read in full when their
// statement runs, fields of the current row, and new-row records.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <map>
#include <memory>
#include <vector>

struct sqlite3;
class RecordSet;

// "name" with every inner " doubled: the one way a table or column name enters a statement.
QString quoteIdentifier(const QString& name);
// Whether two table names name the same table, as the engine compares them: ASCII letters
// without regard to case, every other character as it is.
bool sameTableName(const QString& a, const QString& b);

// Values of one new row, set by column name.
class DatabaseRecord {
public:
    void Column(const QString& name, const QString& value) { set(name, value); }
    void IntegerColumn(const QString& name, qint64 value) { set(name, value); }
    void BooleanColumn(const QString& name, bool value) { set(name, value ? 1 : 0); }  // stored 1/0
    const std::vector<std::pair<QString, QVariant>>& values() const { return columns; }

private:
    void set(const QString& name, const QVariant& value);
    std::vector<std::pair<QString, QVariant>> columns;
};

// The shared SQLite handle; the connection and its record sets hold it, so a record set outlives a
// closed connection harmlessly.
struct SQLiteHandle {
    sqlite3* db = nullptr;
    bool error = false;
    bool busy = false;
    QString errorMessage;
    void setError(const QString& message);
    // The engine's message for its last failure on `from`, and whether that was SQLITE_BUSY.
    void setEngineError(sqlite3* from);
    void clearError();
};

class SQLDatabase {
public:
    SQLDatabase();
    ~SQLDatabase();
    SQLDatabase(const SQLDatabase&) = delete;
    SQLDatabase& operator=(const SQLDatabase&) = delete;

    void setDatabaseFile(const QString& path) { file = path; }
    QString DatabaseFile() const { return file; }

    // Opens the existing file read-write (read-only after setReadOnly(true)); never creates one. A
    // file that is not an SQLite database fails. Connecting an open connection again succeeds at
    // once. Every operation waits up to BusyTimeoutMilliseconds for a lock that another connection
    // holds before it fails with the engine's "database is locked".
    bool Connect();
    static constexpr int BusyTimeoutMilliseconds = 2000;
    bool isConnected() const;
    // Ends the connection; a transaction still open is rolled back, never committed.
    void Close();
    // For the next Connect: open the file for reading only, so the engine writes nothing to it
    // (though for a file in WAL mode it makes the -shm and -wal files beside it).
    void setReadOnly(bool only) { readOnly = only; }
    // Whether the engine refuses every write to the connected file: connected read-only, or the
    // file itself is write-protected. False without a connection.
    bool isReadOnly() const;

    // Exactly one statement each; text after it is an error. Values are bound to ?1, ?2, ...
    // SQLSelect gives nullptr when the statement fails.
    std::shared_ptr<RecordSet> SQLSelect(const QString& sql, const QVariantList& values = {});
    bool SQLExecute(const QString& sql, const QVariantList& values = {});

    // The file's own tables (never sqlite_*), their names in the first column "TableName".
    std::shared_ptr<RecordSet> TableSchema();
    // One row per column of the table, its name in "ColumnName" (from PRAGMA table_info).
    std::shared_ptr<RecordSet> FieldSchema(const QString& table);

    bool InsertRecord(const QString& table, const DatabaseRecord& record);

    // Commit and Rollback with no open transaction succeed and do nothing. BeginTransaction while
    // one is open fails and leaves it as it is: transactions do not nest.
    bool BeginTransaction();
    bool Commit();
    bool Rollback();

    bool Error() const { return handle->error; }
    QString ErrorMessage() const { return handle->errorMessage; }
    // Whether the last failure was a lock that another connection held past the busy wait (the
    // engine's SQLITE_BUSY, "database is locked").
    bool ErrorIsBusy() const { return handle->busy; }

private:
    QString file;
    bool readOnly = false;
    std::shared_ptr<SQLiteHandle> handle;
};

// A field of the current row of a record set. A column that does not exist reads as empty text, 0
// and False; setting it makes the next Update fail, naming the column.
class DatabaseField {
public:
    DatabaseField(RecordSet* records, int column, const QString& asked)
        : records(records), column(column), asked(asked) {}
    QString StringValue() const;
    qint64 IntegerValue() const;
    double DoubleValue() const;
    bool BooleanValue() const;  // a nonzero integer or the text "true" in any letter case
    bool isNull() const;
    void setStringValue(const QString& value);
    void setIntegerValue(qint64 value);
    void setBooleanValue(bool value);  // stored 1/0
    QString Name() const;

private:
    QVariant value() const;
    void assign(const QVariant& value);
    RecordSet* records;
    int column;
    QString asked;  // the name (or number) the field was asked for by
};

class RecordSet {
public:
    // EOF: no current row (past the last one, or no rows at all).
    bool isEOF() const { return current < 0 || current >= static_cast<int>(rows.size()); }
    void MoveFirst() { current = 0; }
    void MoveNext() { if (current < static_cast<int>(rows.size())) ++current; }
    int RecordCount() const { return static_cast<int>(rows.size()); }
    int FieldCount() const { return static_cast<int>(names.size()); }

    // Field by column name, ignoring letter case; IdxField counts from 1.
    DatabaseField Field(const QString& name);
    DatabaseField IdxField(int index);

    // Edit, Update and DeleteRecord act on the current row by its table and rowid, with bound
    // values. Update writes only the fields set since Edit. They report through the connection's
    // Error and ErrorMessage and return False on failure; a change that reaches no row fails, and
    // so does an Update with no field set or with a field the table does not have.
    void Edit();
    bool Update();
    bool DeleteRecord();
    void Close();

private:
    friend class SQLDatabase;
    friend class DatabaseField;
    bool locateRow(QString& where, QVariantList& values) const;
    // After an UPDATE or DELETE of the current row: false, with the error set, when it reached none.
    bool changedARow(const char* change);

    std::shared_ptr<SQLiteHandle> handle;
    QString table;                 // the one table all columns come from, or empty
    QStringList names;             // result column names
    QStringList origins;           // the table column each result column reads, or empty
    int rowidColumn = -1;          // the result column holding the rowid, or -1
    std::vector<QVariantList> rows;
    int current = 0;
    std::map<int, QVariant> pending;  // fields set since Edit
    QStringList unknownSet;           // names set since Edit that are no column of the table
};
