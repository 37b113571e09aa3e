#pragma once
// Whether a file can serve as the program's database: an SQLite file whole and sound to the
// engine, holding the required tables, a catalogue row for each of its tables, every column the
// program reads or writes in the fixed and the default tables, and the settings row. The checks
// write nothing to the file or beside it; what fails comes back as text for the caller to show,
// so the same checks serve the start-up file and a file chosen to switch to.
#include <QString>
#include <QStringList>
#include <functional>

class SQLDatabase;
class RecordSet;

// What is wrong with a file; no problem: nothing is wrong.
struct DatabaseFault {
    QString problem;          // what is wrong, in the program's words (one or more lines)
    QString reason;           // the engine's reason, when it gave one
    bool unreadable = false;  // the file could not be opened: in use by another program, or damaged
    bool unwritable = false;  // the engine must write to the file or beside it before it can be used (then also
                              // unreadable), and the file or its folder can not be written to
    QStringList beside;       // the names of the journal or WAL beside the file, which belongs with it
    QString applied;          // the journal the engine began to apply to the file and could not finish; empty
                              // when nothing was written
    QString target;           // the file a link leads to, which the engine uses with what lies beside it; empty
                              // when the path is no link
    QString remedy;           // what the user can do, where it is not the usual advice for a file that fails
    explicit operator bool() const { return !problem.isEmpty(); }
};

// Whether this process may write to `path`, a file or a folder, as the engine would: by its
// effective user.
bool writable(const QString& path);

// The tables every database file holds, in the order they are checked.
const QStringList& requiredTables();

// The file's header, before the engine sees it: a missing file, a 0-byte file, a file that does
// not begin as an SQLite database (the engine would take a 0-byte file for an empty database, and
// might write to it), and a file shorter than the pages its header counts (cut short: the engine
// would read the missing bytes as zeros).
DatabaseFault checkDatabaseHeader(const QString& path);

// The whole check of the file at `path`, writing nothing to it or beside it. A link is followed to
// its target, and what lies beside the target belongs to it, as the engine takes them. A file with
// a journal or a WAL beside it, or in WAL mode, is checked on a private copy of the set, after the
// engine has applied the journal or the WAL to the copy as it would to the file. The copy is made
// in the temporary folder ($TMPDIR, else /tmp), or in a private folder beside the file where that
// can not hold it, and is removed also when SIGTERM, SIGHUP or SIGINT ends the program meanwhile.
DatabaseFault checkDatabaseFile(const QString& path);
// The one way the program opens its database file, at start and on a switch: the whole check,
// then `db` connected to `path` (the engine then completes or undoes a save a crash cut off, as
// it did on the copy). The connection is made to the file as it was checked: a file replaced or
// changed meanwhile is checked again. On a fault `db` stays unconnected.
DatabaseFault openDatabaseFile(SQLDatabase& db, const QString& path);

// Where the check stands when it calls the hook that tests set (to end the program, or to put
// another file in place of the one checked): the private copy has been made, or the checks are
// done and the connection is about to be made. An empty function removes the hook.
enum class CheckStage { CopyMade, Checked };
void setDatabaseCheckHook(std::function<void(CheckStage stage)> hook);

// Why the engine only reads the file at `path` though the file and its folder can be written to:
// its header says that only a later version of the engine may write to it. Empty otherwise.
QString headerReadOnlyReason(const QString& path);

// The checks of a connected file, in this order; each reads only.
// The engine's check of every page (quick_check).
DatabaseFault checkDatabaseSound(SQLDatabase& db);
// The required table `name` in the table list (TableSchema), its letter case ignored.
DatabaseFault checkRequiredTable(RecordSet& tables, const QString& name);
// Every table of the list has its row in TheTables.
DatabaseFault checkCatalogue(SQLDatabase& db, RecordSet& tables);
// Every column the program reads or writes in the fixed tables and in the default hexagram and
// trigram tables (which it puts in use at start and after a switch; other text tables are checked
// when put in use), and the first row of ProgramPrefs, which holds the settings.
DatabaseFault checkTableColumns(SQLDatabase& db);
// All of the above.
DatabaseFault checkDatabaseContents(SQLDatabase& db);

// The one message that tells of a fault: `file` (a name or a path) and whether it could be read at
// all, the file a link leads to, what is wrong, the engine's reason, what has been written
// (nothing, unless the engine began to apply a journal and could not finish) and what the user can
// do, then `outcome` (what the program does now).
QString databaseFaultMessage(const QString& file, const DatabaseFault& fault, const QString& outcome);
