#pragma once
// Whether a file can serve as the program's database: an SQLite file that the engine finds sound,
// holding the required tables, a catalogue row for each of its tables, and the columns the
// program reads in the default tables. The checks only read; what fails comes back as text for
// the caller to show, so the same checks serve the start-up file and a file chosen to switch to.
#include <QString>
#include <QStringList>

class SQLDatabase;
class RecordSet;

// What is wrong with a file; no problem: nothing is wrong.
struct DatabaseFault {
    QString problem;          // what is wrong, in the program's words (one or more lines)
    QString reason;           // the engine's reason, when it gave one
    bool unreadable = false;  // the engine could not read the file: in use by another program, or damaged
    explicit operator bool() const { return !problem.isEmpty(); }
};

// The tables every database file holds, in the order they are checked.
const QStringList& requiredTables();

// A missing file, a 0-byte file and a file that does not begin as an SQLite database, told from
// its first bytes before the engine sees it (the engine would take a 0-byte file for an empty
// database, and might write to it).
DatabaseFault checkDatabaseHeader(const QString& path);
// The header check, then `db` connected to `path`. On a fault `db` stays unconnected.
DatabaseFault openDatabaseFile(SQLDatabase& db, const QString& path);

// The checks of a connected file, in this order; each reads only.
// The engine's check of every page (quick_check).
DatabaseFault checkDatabaseSound(SQLDatabase& db);
// The required table `name` in the table list (TableSchema), its letter case ignored.
DatabaseFault checkRequiredTable(RecordSet& tables, const QString& name);
// Every table of the list has its row in TheTables.
DatabaseFault checkCatalogue(SQLDatabase& db, RecordSet& tables);
// The default hexagram and trigram tables, which the program puts in use at start and after a
// switch, have every column it reads from them. Other tables are checked when put in use.
DatabaseFault checkDefaultTableColumns(SQLDatabase& db);
// All of the above.
DatabaseFault checkDatabaseContents(SQLDatabase& db);

// The one message that tells of a fault: `file` (a name or a path) and whether it could be read at
// all, what is wrong, the engine's reason, that nothing was written and what the user can do,
// then `outcome` (what the program does now).
QString databaseFaultMessage(const QString& file, const DatabaseFault& fault, const QString& outcome);
