#include "core/DatabaseCheck.h"

#include "core/FixedTableColumns.h"
#include "core/TextTableColumns.h"
#include "core/TextTables.h"
#include "platform/SQLDatabase.h"
#include "platform/Types.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The first 16 bytes of every SQLite 3 database file.
const QByteArray SQLiteHeader("SQLite format 3\0", 16);
constexpr int HeaderSize = 100;

// What the engine reads beside a database file as part of it: a rollback journal, which undoes a
// save that a crash cut off, and the WAL that holds a file's latest changes in WAL mode.
const char* const Companions[] = {"-journal", "-wal"};

// The default tables and the kind each is read as, whatever its catalogue row says.
struct DefaultTable {
    const char* name;
    int kind;
};
const DefaultTable DefaultTables[] = {{"ENGLISH_DEFAULT", 0}, {"TRIGRAMS_DEFAULT", 1}};

const char* const CatalogueError =
    "Error in Database accessing TheTables info,aborting the opening of this database: error is...";
const char* const Damaged = "The file is damaged.";
const char* const NotOpened = "The file could not be opened.";

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

// What the header of a database file tells before the engine reads it.
struct Header {
    bool walMode = false;
};

// The header of the file at `path`; with `wholeFile`, also whether the file holds every page its
// header counts. The count is valid only when it is not 0 and the change counter (offset 24)
// equals the number it was written with (offset 92); the page size 1 stands for 65536.
DatabaseFault readHeader(const QString& path, bool wholeFile, Header& header) {
    const QFileInfo info(path);
    if (!info.exists()) return fails("The file could not be found.");
    if (!info.isFile()) return fails("It is a folder, not a file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fails("The file could not be read.", file.errorString(), true);
    const qint64 size = file.size();
    if (size == 0) return fails("The file is empty (0 bytes): it holds no database.");
    const QByteArray bytes = file.read(HeaderSize);
    if (!bytes.startsWith(SQLiteHeader)) return fails("The file is not a database file.");
    const auto at = [&](int offset) { return reinterpret_cast<const uchar*>(bytes.constData()) + offset; };
    if (bytes.size() < HeaderSize)
        return fails(Damaged, QString("It is cut short: it holds %1 bytes, less than its header.").arg(size));
    header.walMode = *at(18) == 2 || *at(19) == 2;
    const quint32 changes = qFromBigEndian<quint32>(at(24)), pages = qFromBigEndian<quint32>(at(28));
    const quint32 pagesWrittenAt = qFromBigEndian<quint32>(at(92));
    qint64 pageSize = qFromBigEndian<quint16>(at(16));
    if (pageSize == 1) pageSize = 65536;
    if (wholeFile && pages != 0 && changes == pagesWrittenAt && size < pageSize * pages)
        return fails(Damaged, QString("It is cut short: it holds %1 bytes, and its header counts %2 pages of %3 bytes "
                                      "(%4 bytes).")
                                  .arg(size)
                                  .arg(pages)
                                  .arg(pageSize)
                                  .arg(pageSize * pages));
    return {};
}

// Reads the files of `set` in turn into one print of their bytes, each copied to the file of the
// same place in `copies` when that is given; false with `error` set when one can not be read or
// copied.
bool readSet(const QStringList& set, QByteArray& print, QString& error, const QStringList& copies = {}) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (qsizetype i = 0; i < set.size(); ++i) {
        QFile source(set[i]), copy(copies.value(i));
        if (!source.open(QIODevice::ReadOnly)) {
            error = source.errorString();
            return false;
        }
        if (!copies.isEmpty() && !copy.open(QIODevice::WriteOnly)) {
            error = copy.errorString();
            return false;
        }
        hash.addData(QByteArray::number(source.size()));
        for (QByteArray chunk; !(chunk = source.read(1 << 20)).isEmpty();) {
            hash.addData(chunk);
            if (copy.isOpen() && copy.write(chunk) != chunk.size()) {
                error = copy.errorString();
                return false;
            }
        }
        if (source.error() != QFileDevice::NoError) {
            error = source.errorString();
            return false;
        }
    }
    print = hash.result();
    return true;
}

// Whether this process may delete `path`: it may write to the folder, and where the folder keeps
// each user's files to their owner (its sticky bit, as /tmp has), the file or the folder is its own.
bool deletable(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    struct stat file {}, dir {};
    if (!writable(folder) || ::stat(QFile::encodeName(path).constData(), &file) != 0 ||
        ::stat(QFile::encodeName(folder).constData(), &dir) != 0)
        return false;
    const uid_t self = ::geteuid();
    return !(dir.st_mode & S_ISVTX) || self == 0 || file.st_uid == self || dir.st_uid == self;
}

// The header check and the checks of the contents, on a connection that only reads, of a file with
// nothing beside it that the engine would apply to it.
DatabaseFault checkUnjournaled(const QString& path) {
    Header header;
    if (DatabaseFault fault = readHeader(path, true, header)) return fault;
    SQLDatabase db;
    db.setDatabaseFile(path);
    db.setReadOnly(true);
    if (!db.Connect()) return fails(NotOpened, db.ErrorMessage(), true);
    return checkDatabaseContents(db);
}

// What checking a file found: the fault; the file and what lies beside it; when the set was
// checked on a copy, the print of its bytes as they were; whether the engine applies a journal
// when it opens the file (a save that a crash cut off: it writes to the file and deletes the
// journal); and whether the file is in WAL mode (the engine opens it only where it may make its
// -shm and -wal beside it).
struct Inspection {
    DatabaseFault fault;
    QStringList set;
    QByteArray print;
    bool appliesJournal = false;
    bool walMode = false;
};

Inspection inspect(const QString& path) {
    Inspection found;
    Header header;
    if ((found.fault = readHeader(path, false, header))) return found;
    found.set << path;
    for (const char* companion : Companions)
        if (QFileInfo::exists(path + companion)) found.set << path + companion;
    found.walMode = header.walMode || found.set.contains(path + "-wal");
    if (found.set.size() == 1 && !found.walMode) {
        found.fault = checkUnjournaled(path);
        return found;
    }

    // The engine would write to the file, and beside it, to apply what lies there: it does so on
    // a copy of the set in a private folder, which is then checked as a file with nothing beside it.
    QTemporaryDir folder;
    const QString copy = folder.filePath("copy");
    QStringList copies;
    for (const QString& file : found.set) copies << copy + file.mid(path.size());
    QString error = folder.errorString();
    if (!folder.isValid() || !readSet(found.set, found.print, error, copies)) {
        found.fault = fails("The file could not be checked.",
                            "No copy of it could be made in " + QDir::toNativeSeparators(QDir::tempPath()) + ": " + error,
                            true);
        return found;
    }
    {
        SQLDatabase db;
        db.setDatabaseFile(copy);
        // The WAL goes into the copy, which is then left in rollback mode.
        if (!db.Connect() || !db.SQLExecute("PRAGMA wal_checkpoint(TRUNCATE)") ||
            !db.SQLExecute("PRAGMA journal_mode=DELETE")) {
            found.fault = fails(NotOpened, db.ErrorMessage(), true);
            return found;
        }
    }
    // A journal that the engine applied is gone.
    found.appliesJournal = found.set.contains(path + "-journal") && !QFileInfo::exists(copy + "-journal");
    found.fault = checkUnjournaled(copy);
    return found;
}

// Why the engine can not open `found`'s file for use where it may not write, or nothing.
DatabaseFault unwritableFault(const Inspection& found, const QString& reason = {}) {
    const QString& path = found.set.value(0);
    const bool folderWritable = writable(QFileInfo(path).absolutePath());
    const QString cutOff = "A save to it was cut off, and the journal beside it must be applied before it can be used; ";
    DatabaseFault fault;
    if (found.appliesJournal && !writable(path))
        fault = fails(cutOff + "the file can not be written to.");
    else if (found.appliesJournal && !folderWritable)
        fault = fails(cutOff + "the folder it lies in can not be written to.");
    else if (found.appliesJournal && !deletable(path + "-journal"))
        fault = fails(cutOff + "the journal can not be removed from the folder it lies in.");
    else if (found.walMode && !folderWritable)
        fault = fails("It is in WAL mode, which the engine opens only where it can write beside it; the folder it "
                      "lies in can not be written to.");
    fault.reason = reason;
    fault.unreadable = fault.unwritable = bool(fault);
    return fault;
}

}  // namespace

bool writable(const QString& path) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

const QStringList& requiredTables() {
    static const QStringList names{"ProgramPrefs",    "TheTables", "Commentary",      "Dictionary_Default",
                                   "ENGLISH_DEFAULT", "HexChains", "TRIGRAMS_DEFAULT"};
    return names;
}

DatabaseFault checkDatabaseHeader(const QString& path) {
    Header header;
    return readHeader(path, true, header);
}

DatabaseFault checkDatabaseFile(const QString& path) { return inspect(path).fault; }

DatabaseFault openDatabaseFile(SQLDatabase& db, const QString& path) {
    Inspection found = inspect(path);
    // A journal is applied to the file only where the engine can finish: it writes the file back
    // as it was before the save, then deletes the journal.
    if (!found.fault && found.appliesJournal) found.fault = unwritableFault(found);
    if (!found.fault) {
        db.setDatabaseFile(path);
        if (db.Connect()) return {};
        found.fault = unwritableFault(found, db.ErrorMessage());
        if (!found.fault) found.fault = fails(NotOpened, db.ErrorMessage(), true);
        // Whether the engine wrote to the set before it failed.
        QByteArray print;
        QString error;
        found.fault.written = !found.print.isEmpty() && !(readSet(found.set, print, error) && print == found.print);
    }
    for (const QString& file : found.set.mid(1)) found.fault.beside << QFileInfo(file).fileName();
    return found.fault;
}

DatabaseFault checkDatabaseSound(SQLDatabase& db) {
    // The first finding is enough to tell; the whole list can be long.
    auto rows = db.SQLSelect("PRAGMA quick_check(1)");
    if (!rows) return fails("The file could not be read.", db.ErrorMessage(), true);
    if (rows->RecordCount() == 1 && rows->IdxField(1).StringValue() == "ok") return {};
    return fails(Damaged, findings(*rows));
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
        auto entry = db.SQLSelect("Select * from TheTables where " + catalogueRowCondition(), {name});
        if (db.Error() || !entry) return fails(CatalogueError, db.ErrorMessage());
        if (entry->isEOF())
            return fails("Missing table from TheTables, aborting operation." + CR + "The table " + name +
                    " has no row there.");
    }
    return {};
}

DatabaseFault checkTableColumns(SQLDatabase& db) {
    for (const QString& table : requiredTables()) {
        QStringList wanted = fixedTableColumns(table);
        for (const DefaultTable& textTable : DefaultTables)
            if (table == textTable.name)
                wanted = textTableIntegerColumns(textTable.kind) + textTableTextColumns(textTable.kind);
        if (wanted.isEmpty()) continue;
        auto columns = db.FieldSchema(table);
        if (!columns) return fails(QString("The table %1 could not be read.").arg(table), db.ErrorMessage(), true);
        const QStringList missing = missingColumns(*columns, wanted);
        if (!missing.isEmpty()) return fails(incompleteTableText(table, {missingColumnsNote(missing)}));
    }
    // The settings are read from, and written to, the first row; nothing makes one.
    auto prefs = db.SQLSelect("SELECT * FROM ProgramPrefs LIMIT 1");
    if (!prefs) return fails("The table ProgramPrefs could not be read.", db.ErrorMessage(), true);
    if (prefs->isEOF()) return fails(incompleteTableText("ProgramPrefs", {"It has no row."}));
    return {};
}

DatabaseFault checkDatabaseContents(SQLDatabase& db) {
    if (DatabaseFault fault = checkDatabaseSound(db)) return fault;
    auto tables = db.TableSchema();
    if (!tables) return fails(CatalogueError, db.ErrorMessage(), true);
    for (const QString& name : requiredTables())
        if (DatabaseFault fault = checkRequiredTable(*tables, name)) return fault;
    if (DatabaseFault fault = checkCatalogue(db, *tables)) return fault;
    return checkTableColumns(db);
}

QString databaseFaultMessage(const QString& file, const DatabaseFault& fault, const QString& outcome) {
    QStringList lines;
    if (fault.unreadable)
        lines << "No database Connection for file named " + file + ".";
    else
        lines << "Database for file " + file << "Does Not Pass as a yarrowen database.";
    lines << fault.problem;
    if (!fault.reason.isEmpty()) lines << fault.reason;
    // A journal or a WAL belongs to the file as it is; put beside a copy, the engine would apply it
    // to the copy.
    const QString beside = fault.beside.join(" and ");
    const QString restore = "restore it from a copy" +
                            (beside.isEmpty() ? "." : ", and move " + beside + " away with it: it belongs to this file.");
    QString written = "Nothing has been written to it" + (beside.isEmpty() ? "." : ", nor to " + beside + " beside it.");
    QString advice = "If it holds your work, " + restore;
    if (fault.written) {
        written = "The engine began to apply " + beside + " to it and could not finish: keep " + beside +
                  " beside it, and the engine finishes when the file is next opened.";
        advice = "Make sure the file and its folder can be written to, and try again.";
    } else if (fault.unwritable) {
        advice = "Make the file and its folder writable, and try again.";
    } else if (fault.unreadable) {
        advice = "If another program is using it, close that program and try again; if it is damaged, " + restore;
    }
    lines << written + " " + advice << outcome;
    return lines.join(CR);
}
