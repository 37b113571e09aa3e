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
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
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

// How often a file that another program changes while it is checked is checked again.
constexpr int CheckAttempts = 3;

std::function<void(CheckStage)>& checkHook() {
    static std::function<void(CheckStage)> hook;
    return hook;
}

void reach(CheckStage stage) {
    if (checkHook()) checkHook()(stage);
}

DatabaseFault fails(const QString& problem, const QString& reason = {}, bool unreadable = false) {
    DatabaseFault fault;
    fault.problem = problem;
    fault.reason = reason;
    fault.unreadable = unreadable;
    return fault;
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// What an entry of the file system is, when it is not a file: "a folder", "a device" ...
QString kindOfEntry(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISFIFO(mode)) return "a pipe (FIFO)";
    if (S_ISSOCK(mode)) return "a socket";
    return S_ISREG(mode) ? QString() : "no file";
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
    int writeVersion = 1;  // 1 rollback, 2 WAL; above 2 the engine opens the file for reading only
};

// The header of the file at `path`; with `wholeFile`, also whether the file holds every page its
// header counts. The count is valid only when it is not 0 and the change counter (offset 24)
// equals the number it was written with (offset 92); the page size 1 stands for 65536.
DatabaseFault readHeader(const QString& path, bool wholeFile, Header& header) {
    struct stat entry {};
    if (::stat(QFile::encodeName(path).constData(), &entry) != 0)
        return errno == ENOENT || errno == ENOTDIR ? fails("The file could not be found.")
                                                   : fails("The file could not be read.", systemError(errno), true);
    // A device or a pipe is never opened: reading one may wait for ever, or never end.
    if (const QString kind = kindOfEntry(entry.st_mode); !kind.isEmpty()) {
        DatabaseFault fault = fails("It is " + kind + ", not a file.");
        fault.remedy = "Only a database file can be opened.";
        return fault;
    }
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
    header.writeVersion = *at(18);
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

// Reads the files of `set` in turn into a print of the bytes of each, each copied to the file of
// the same place in `copies` when that is given; false with `error` set when one can not be read
// or copied whole. Every write of a copy is checked, its last one and its closing included.
bool readSet(const QStringList& set, QList<QByteArray>& prints, QString& error, const QStringList& copies = {}) {
    prints.clear();
    for (qsizetype i = 0; i < set.size(); ++i) {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        QFile source(set[i]), copy(copies.value(i));
        if (!source.open(QIODevice::ReadOnly)) {
            error = source.errorString();
            return false;
        }
        if (!copies.isEmpty() && !copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            error = copy.errorString();
            return false;
        }
        hash.addData(QByteArray::number(source.size()));
        for (QByteArray chunk; !(chunk = source.read(1 << 20)).isEmpty();) {
            hash.addData(chunk);
            // A write cut short is tried on: the next one tells why it stopped.
            for (qint64 done = 0, wrote = 0; copy.isOpen() && done < chunk.size(); done += wrote) {
                if ((wrote = copy.write(chunk.constData() + done, chunk.size() - done)) <= 0) {
                    error = copy.error() != QFileDevice::NoError ? copy.errorString() : "the copy could not be written";
                    return false;
                }
            }
        }
        if (source.error() != QFileDevice::NoError) {
            error = source.errorString();
            return false;
        }
        if (copy.isOpen()) {
            const bool flushed = copy.flush();
            copy.close();
            if (!flushed || copy.error() != QFileDevice::NoError) {
                error = copy.errorString();
                return false;
            }
        }
        prints << hash.result();
    }
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

// The file the engine uses for `path`: a link is followed to its end, as the engine follows it
// before it looks for what lies beside the file.
QString engineFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

// An entry of the file system as it stands: a file replaced, or written to, is another entry. A
// journal or WAL of 0 bytes holds nothing, and stands as no entry.
struct EntryState {
    bool present = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modified = 0, changed = 0;
    bool operator==(const EntryState&) const = default;
};

EntryState entryState(const QString& path, bool companion) {
    struct stat entry {};
    if (::stat(QFile::encodeName(path).constData(), &entry) != 0 || (companion && S_ISREG(entry.st_mode) &&
                                                                       entry.st_size == 0))
        return {};
    const auto nanoseconds = [](const timespec& time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; };
    return {true, entry.st_dev, entry.st_ino, entry.st_size, nanoseconds(entry.st_mtim), nanoseconds(entry.st_ctim)};
}

// The file the engine uses for a path, and what lies beside it, as they stand.
struct SetState {
    QString file;
    EntryState database, journal, wal;
    bool operator==(const SetState&) const = default;
    // The same file, though the engine may have written to it.
    bool sameFile(const SetState& other) const {
        return file == other.file && database.device == other.database.device &&
               database.inode == other.database.inode;
    }
};

SetState setState(const QString& path) {
    const QString file = engineFile(path);
    return {file, entryState(file, false), entryState(file + "-journal", true), entryState(file + "-wal", true)};
}

// What checking a file found: the fault; whether the path is a link; the file the engine uses and
// what lies beside it, as they stood before the check; when the set was checked on a copy, the
// print of each file's bytes as they were; whether the engine applies a journal when it opens the
// file (a save that a crash cut off: it writes to the file and deletes the journal); and whether
// the file is in WAL mode (the engine opens it only where it may make its -shm and -wal beside it).
struct Inspection {
    DatabaseFault fault;
    bool link = false;
    SetState state;
    QStringList set;
    QList<QByteArray> prints;
    bool appliesJournal = false;
    bool walMode = false;
};

// While a copy is checked, SIGTERM, SIGHUP and SIGINT (a logout, an interrupt) first remove it,
// then end the program as they would have. The handler only unlinks names made before it may run.
class CopyRemoval {
public:
    CopyRemoval() = default;
    CopyRemoval(const CopyRemoval&) = delete;
    CopyRemoval& operator=(const CopyRemoval&) = delete;
    // From now on, until destroyed: the files `copy`, `copy`-journal, -wal and -shm, then `folder`.
    void arm(const QString& folder, const QString& copy) {
        const QByteArray base = QFile::encodeName(copy);
        const QByteArray names[] = {base, base + "-journal", base + "-wal", base + "-shm", QFile::encodeName(folder)};
        for (const QByteArray& name : names)
            if (name.size() >= PATH_MAX) return;
        int count = 0;
        for (const QByteArray& name : names) std::memcpy(paths[count++], name.constData(), name.size() + 1);
        pathCount = count;
        struct sigaction action {};
        action.sa_handler = removeAndEnd;
        sigemptyset(&action.sa_mask);
        for (int number : Signals) sigaddset(&action.sa_mask, number);
        for (int i = 0; i < SignalCount; ++i) sigaction(Signals[i], &action, &previous[i]);
        armed = true;
    }
    ~CopyRemoval() {
        if (!armed) return;
        for (int i = 0; i < SignalCount; ++i) sigaction(Signals[i], &previous[i], nullptr);
        pathCount = 0;
    }

private:
    static constexpr int SignalCount = 3;
    static constexpr int Signals[SignalCount] = {SIGTERM, SIGHUP, SIGINT};
    static void removeAndEnd(int signal) {
        const int count = pathCount;
        for (int i = 0; i + 1 < count; ++i) ::unlink(paths[i]);
        if (count > 0) ::rmdir(paths[count - 1]);
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigemptyset(&standard.sa_mask);
        sigaction(signal, &standard, nullptr);
        ::raise(signal);  // delivered with its standard action once this handler returns
    }
    static inline char paths[5][PATH_MAX] = {};
    static inline volatile sig_atomic_t pathCount = 0;
    struct sigaction previous[SignalCount] {};
    bool armed = false;
};

// The temporary folder, as named: $TMPDIR, else /tmp.
QString temporaryFolder() {
    const QString named = qEnvironmentVariable("TMPDIR");
    return QDir::cleanPath(named.isEmpty() ? QString("/tmp") : named);
}

// Why no private folder for a copy that needs `room` bytes can be made in `place`; empty when one
// may be.
QString placeProblem(const QString& place, qint64 room) {
    struct stat entry {};
    if (::stat(QFile::encodeName(place).constData(), &entry) != 0)
        return errno == ENOENT ? QString("it does not exist") : systemError(errno);
    if (!S_ISDIR(entry.st_mode)) return "it is not a folder";
    if (::faccessat(AT_FDCWD, QFile::encodeName(place).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return "it can not be written to (" + systemError(errno) + ")";
    const QStorageInfo storage(place);
    if (storage.isValid() && storage.bytesAvailable() < room)
        return QString("there is not room: %1 bytes are free, and the check needs %2").arg(storage.bytesAvailable()).arg(room);
    return {};
}

// Checks `found`'s set on a copy made in a private folder in `place`, after the engine applied
// what lies beside the file to the copy: false with `problem` set when no whole copy could be made
// there; otherwise found.fault tells what the check of the copy found.
bool checkCopyIn(const QString& place, Inspection& found, QString& problem) {
    CopyRemoval removal;  // ends after the folder is gone
    QTemporaryDir folder(QDir(place).filePath(".yarrowen-check-XXXXXX"));
    if (!folder.isValid()) {
        problem = folder.errorString();
        return false;
    }
    const QString copy = folder.filePath("copy");
    removal.arm(folder.path(), copy);
    QStringList copies;
    for (const QString& file : found.set) copies << copy + file.mid(found.set[0].size());
    if (!readSet(found.set, found.prints, problem, copies)) return false;
    reach(CheckStage::CopyMade);
    {
        SQLDatabase db;
        db.setDatabaseFile(copy);
        // The WAL goes into the copy, which is then left in rollback mode.
        if (!db.Connect() || !db.SQLExecute("PRAGMA wal_checkpoint(TRUNCATE)") ||
            !db.SQLExecute("PRAGMA journal_mode=DELETE")) {
            found.fault = fails(NotOpened, db.ErrorMessage(), true);
            return true;
        }
    }
    // A journal that the engine applied is gone.
    found.appliesJournal = found.set.contains(found.set[0] + "-journal") && !QFileInfo::exists(copy + "-journal");
    found.fault = checkUnjournaled(copy);
    return true;
}

// The engine would write to the file, and beside it, to apply what lies there: it does so on a
// copy of the set, in the temporary folder, or where that can not hold it beside the file, whose
// folder must be writable anyway for the engine to apply it there. The copy needs room for the
// set, and as much again as lies beside the file, which the engine moves into the copy (a WAL's
// index besides).
void checkOnCopy(Inspection& found) {
    qint64 room = 64 * 1024;
    for (qsizetype i = 0; i < found.set.size(); ++i) {
        const qint64 size = QFileInfo(found.set[i]).size();
        room += i == 0 ? size : 2 * size + size / 64;
    }
    const QString temporary = temporaryFolder(), beside = QFileInfo(found.set[0]).absolutePath();
    QStringList places{temporary};
    if (QFileInfo(beside).canonicalFilePath() != QFileInfo(temporary).canonicalFilePath()) places << beside;
    QStringList refusals;
    for (const QString& place : places) {
        QString problem = placeProblem(place, room);
        if (problem.isEmpty() && checkCopyIn(place, found, problem)) return;
        refusals << "In " + QDir::toNativeSeparators(place) + ": " + problem + ".";
    }
    found.fault = fails("It could not be checked: no whole copy of it and of what lies beside it could be made, "
                        "in the temporary folder or beside it.",
                        refusals.join(CR), true);
    found.fault.remedy = "Make room in " + QDir::toNativeSeparators(temporary) +
                         " (or set TMPDIR to a folder with room), and try again.";
}

Inspection inspect(const QString& path) {
    Inspection found;
    found.link = QFileInfo(path).isSymLink();
    found.state = setState(path);
    const QString& file = found.state.file;
    Header header;
    if ((found.fault = readHeader(file, false, header))) return found;
    found.set << file;
    for (const char* companion : Companions) {
        struct stat entry {};
        if (::stat(QFile::encodeName(file + companion).constData(), &entry) != 0) continue;
        if (const QString kind = kindOfEntry(entry.st_mode); !kind.isEmpty()) {
            const QString name = QFileInfo(file + companion).fileName();
            found.fault = fails("Beside it, " + name + " is " + kind + ", not a file: the engine takes it for the " +
                                    (companion == Companions[0] ? "journal" : "WAL") +
                                    " of the file, and can not open the file while it is there.",
                                {}, true);
            found.fault.remedy = "Move " + name + " away from beside it, and try again.";
            return found;
        }
        found.set << file + companion;
    }
    found.walMode = header.walMode || found.set.contains(file + "-wal");
    if (found.set.size() == 1 && !found.walMode)
        found.fault = checkUnjournaled(file);
    else
        checkOnCopy(found);
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

// The name of `file` as the message gives it: beside a link's target, its whole path.
QString shownName(const Inspection& found, const QString& file) {
    return found.link ? QDir::toNativeSeparators(file) : QFileInfo(file).fileName();
}

// The journal the engine began to apply to the file and could not finish, or nothing: the journal
// is still there as it was, and the file's bytes changed.
QString appliedJournal(const Inspection& found) {
    const qsizetype journal = found.set.indexOf(found.set.value(0) + "-journal");
    if (!found.appliesJournal || journal < 0 || found.prints.size() != found.set.size()) return {};
    QList<QByteArray> now;
    QString error;
    if (!readSet({found.set[0], found.set[journal]}, now, error) || now[1] != found.prints[journal] ||
        now[0] == found.prints[0])
        return {};
    return shownName(found, found.set[journal]);
}

// The fault as the message tells it: the file a link leads to, and what lies beside it.
DatabaseFault described(const Inspection& found) {
    DatabaseFault fault = found.fault;
    if (found.link) fault.target = QDir::toNativeSeparators(found.state.file);
    for (const QString& file : found.set.mid(1)) fault.beside << shownName(found, file);
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

DatabaseFault checkDatabaseFile(const QString& path) { return described(inspect(path)); }

DatabaseFault openDatabaseFile(SQLDatabase& db, const QString& path) {
    // Another program may write to the file, or put another in its place, while it is checked or
    // before the connection is made: the connection is kept only to the set as it was checked.
    for (int attempt = 0; attempt < CheckAttempts; ++attempt) {
        Inspection found = inspect(path);
        // A journal is applied to the file only where the engine can finish: it writes the file back
        // as it was before the save, then deletes the journal.
        if (!found.fault && found.appliesJournal) found.fault = unwritableFault(found);
        if (found.fault) return described(found);
        reach(CheckStage::Checked);
        if (setState(path) != found.state) continue;
        db.setDatabaseFile(path);
        if (db.Connect()) {
            // The engine writes to the file only to apply its journal.
            const SetState now = setState(path);
            if (found.appliesJournal ? now.sameFile(found.state) : now == found.state) return {};
            db.Close();
            continue;
        }
        found.fault = unwritableFault(found, db.ErrorMessage());
        if (!found.fault) found.fault = fails(NotOpened, db.ErrorMessage(), true);
        found.fault.applied = appliedJournal(found);
        return described(found);
    }
    DatabaseFault fault = fails("It changed each time it was checked: another program is writing to it, or putting "
                                "other files in its place.",
                                {}, true);
    fault.remedy = "Close the program that is changing it, and try again.";
    if (QFileInfo(path).isSymLink()) fault.target = QDir::toNativeSeparators(engineFile(path));
    return fault;
}

void setDatabaseCheckHook(std::function<void(CheckStage stage)> hook) { checkHook() = std::move(hook); }

QString headerReadOnlyReason(const QString& path) {
    Header header;
    if (readHeader(engineFile(path), false, header) || header.writeVersion <= 2) return {};
    return QString("Its header says that only a later version of the database engine may write to it (write version "
                   "%1); this one only reads it.")
        .arg(header.writeVersion);
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
    if (!fault.target.isEmpty()) lines << "It is a link to " + fault.target + ", the file the engine uses.";
    lines << fault.problem;
    if (!fault.reason.isEmpty()) lines << fault.reason;
    // A journal or a WAL belongs to the file as it is; put beside a copy, the engine would apply it
    // to the copy.
    const QString beside = fault.beside.join(" and ");
    const QString restore = "restore it from a copy" +
                            (beside.isEmpty() ? "." : ", and move " + beside + " away with it: it belongs to this file.");
    QString written = "Nothing has been written to it" + (beside.isEmpty() ? "." : ", nor to " + beside + " beside it.");
    QString advice = "If it holds your work, " + restore;
    if (!fault.applied.isEmpty()) {
        written = "The engine began to apply " + fault.applied + " to it and could not finish: keep " + fault.applied +
                  " beside it, and the engine finishes when the file is next opened.";
        advice = "Make sure the file and its folder can be written to, and try again.";
    } else if (!fault.remedy.isEmpty()) {
        advice = fault.remedy;
    } else if (fault.unwritable) {
        advice = "Make the file and its folder writable, and try again.";
    } else if (fault.unreadable) {
        advice = "If another program is using it, close that program and try again; if it is damaged, " + restore;
    }
    lines << written + " " + advice << outcome;
    return lines.join(CR);
}
