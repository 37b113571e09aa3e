#include "support/TestSupport.h"

#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/trigramClass.h"
#include "platform/SQLDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <random>
#include <gtest/gtest.h>
#include <csignal>
#include <cstring>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

int lastInkedRow(const QImage& image, const QColor& background) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    for (int y = pixels.height() - 1; y >= 0; --y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.pixel(x, y) != background.rgb()) return y;
    return -1;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList folderListing(const QString& folder) {
    QStringList listing;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        listing << name + " " + fileHash(dir.filePath(name)).toHex().left(16);
    return listing;
}

bool createDatabase(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    // A test's file need not survive a crash: no waiting for the disk after each statement.
    sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    char* message = nullptr;
    const bool ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok) ADD_FAILURE() << "createDatabase: " << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
    return ok;
}

QString validDatabaseSql(const std::vector<int>& hexagramCodes) {
    QString sql = R"(
CREATE TABLE ProgramPrefs (font_above varchar, font_title varchar, font_judgement varchar, font_short varchar,
  font_sixnines varchar, font_text varchar, DisplayW varchar, ListsW varchar, ChainW varchar, TextW varchar);
INSERT INTO ProgramPrefs VALUES ('DejaVu Sans', 'DejaVu Sans', 'DejaVu Serif', 'DejaVu Sans', 'DejaVu Serif',
  'DejaVu Sans', '', '', '', '');
CREATE TABLE TheTables (table_name varchar, table_type integer, isEdible integer, isFull integer, creator varchar);
CREATE TABLE Commentary (id integer, text varchar);
CREATE TABLE Dictionary_Default (word varchar, meaning varchar);
CREATE TABLE ENGLISH_DEFAULT (NUMBER_BOOLEAN Integer, NUMBER_BOOK integer, NAME varchar, DESCRIPTION varchar,
  JUDGEMENT varchar, first varchar, second varchar, third varchar, fourth varchar, fifth varchar, sixth varchar,
  China_phonics varchar, above integer, below integer, all_nines varchar, ShortName varchar);
CREATE TABLE HexChains (NAME varchar, comment varchar, chain varchar);
CREATE TABLE TRIGRAMS_DEFAULT (NUMBER_BOOLEAN integer, NAME varchar, ATTRIBUTE varchar, ANIMAL varchar,
  BODY varchar, FAMILY varchar,  DIRECTION varchar, noun varchar, adjective varchar, verb varchar);
INSERT INTO TheTables VALUES ('ProgramPrefs', 5, 0, 1, 'test'), ('TheTables', 5, 0, 1, 'test'),
  ('Commentary', 5, 0, 1, 'test'), ('Dictionary_Default', 5, 0, 1, 'test'), ('ENGLISH_DEFAULT', 0, 0, 1, 'test'),
  ('HexChains', 5, 0, 1, 'test'), ('TRIGRAMS_DEFAULT', 1, 0, 1, 'test');
)";
    for (int t = 7; t >= 0; --t)
        sql += QString("INSERT INTO TRIGRAMS_DEFAULT VALUES (%1, 'tri%1', 'attr%1', 'animal%1', 'body%1', 'family%1', "
                       "'dir%1', 'noun%1', 'adj%1', 'verb%1');\n").arg(t);
    for (int code : hexagramCodes) {
        sql += QString("INSERT INTO ENGLISH_DEFAULT VALUES (%1, %2, 'name%1', 'desc%1', 'judg%1', 'line%1.1', "
                       "'line%1.2', 'line%1.3', 'line%1.4', 'line%1.5', 'line%1.6', 'pin%1', %3, %4, 'all%1', 's%1');\n")
                   .arg(code).arg(code + 1).arg(code / 8).arg(code % 8);
    }
    return sql;
}

ProgramDatabase::ProgramDatabase(std::initializer_list<int> hexagramCodes) : path(folder.path("test_DB")) {
    EXPECT_TRUE(createDatabase(path, validDatabaseSql(hexagramCodes)));
    M_globals::setStartValues();
    M_globals::makeTrigramObjects();
    M_globals::f_db = path;
    M_globals::db = std::make_shared<SQLDatabase>();
    M_globals::db->setDatabaseFile(path);
    EXPECT_TRUE(M_globals::db->Connect()) << M_globals::db->ErrorMessage().toStdString();
}

ProgramDatabase::~ProgramDatabase() {
    if (M_globals::db) M_globals::db->Close();
    M_globals::db.reset();
    M_globals::f_db.clear();
}

void ProgramDatabase::exec(const QString& sql) { EXPECT_TRUE(createDatabase(path, sql)); }

bool spoilPage(const QString& path, int page, bool randomBytes) {
    QFile file(path);
    if (page < 1 || !file.open(QIODevice::ReadWrite)) return false;
    // The page size is the big-endian number at offset 16 of the header; 1 stands for 65536.
    const QByteArray header = file.read(100);
    if (header.size() < 100) return false;
    int pageSize = qFromBigEndian<quint16>(header.constData() + 16);
    if (pageSize == 1) pageSize = 65536;
    const qint64 offset = static_cast<qint64>(page - 1) * pageSize;
    if (offset + pageSize > file.size()) return false;
    QByteArray bytes(pageSize, '\0');
    if (randomBytes) {
        std::mt19937 generator(20);
        for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
    }
    return file.seek(offset) && file.write(bytes) == pageSize;
}

int rootPage(const QString& path, const QString& table) {
    sqlite3* db = nullptr;
    int page = 0;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = ?1", -1,
                               &statement, nullptr) == SQLITE_OK) {
            const QByteArray name = table.toUtf8();
            sqlite3_bind_text(statement, 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
            if (sqlite3_step(statement) == SQLITE_ROW) page = sqlite3_column_int(statement, 0);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return page;
}

namespace {

bool run(sqlite3* db, const QString& sql) {
    char* message = nullptr;
    const bool ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok) ADD_FAILURE() << sql.toStdString() << ": " << (message ? message : "");
    sqlite3_free(message);
    return ok;
}

}  // namespace

bool leaveDiedWrite(const QString& path, const QString& sql) {
    // The writer works on a copy; the file and its journal are copied back while its transaction is
    // open, as they lie on the disk when a writer dies.
    TestFolder writer;
    const QString working = writer.path("db");
    if (!QFile::copy(path, working)) return false;
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(working.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              run(db, "PRAGMA cache_size = 2") && run(db, "BEGIN") && run(db, sql);
    // The writer has written to the file already, not only to its journal.
    ok = ok && QFile::exists(working + "-journal") && fileHash(working) != fileHash(path) && QFile::remove(path) &&
         QFile::copy(working, path) && QFile::copy(working + "-journal", path + "-journal");
    sqlite3_close(db);  // rolls the copy back
    return ok;
}

bool leaveWal(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              run(db, "PRAGMA journal_mode = WAL") && run(db, "PRAGMA wal_autocheckpoint = 0") && run(db, sql);
    // Closed without the checkpoint that would move the changes into the file.
    ok = ok && sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    QFile::remove(path + "-shm");
    return ok && QFileInfo(path + "-wal").size() > 0;
}

bool runningInCi() { return qEnvironmentVariable("CI").compare("true", Qt::CaseInsensitive) == 0; }

ActingAsNobody::ActingAsNobody() {
    const passwd* nobody = ::getpwnam("nobody");
    steppedDown = ::geteuid() == 0 && nobody && ::seteuid(nobody->pw_uid) == 0;
}

ActingAsNobody::~ActingAsNobody() {
    if (steppedDown) (void)::seteuid(0);
}

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : folder(folder) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                      QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::ExeOther);
    if (::geteuid() == 0) {
        user = std::make_unique<ActingAsNobody>();
        if (!user->acting()) {
            reason = "running as root, which may write anywhere, and unable to act as the user nobody";
            return;
        }
    }
    QFile probe(dir.filePath("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        reason = "the folder can still be written to";
    }
}

ReadOnlyFolder::~ReadOnlyFolder() {
    user.reset();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TemporaryFolderNamed::TemporaryFolderNamed(const QString& folder)
    : earlier(qgetenv("TMPDIR")), wasSet(qEnvironmentVariableIsSet("TMPDIR")) {
    qputenv("TMPDIR", QFile::encodeName(folder));
}

TemporaryFolderNamed::~TemporaryFolderNamed() {
    if (wasSet)
        qputenv("TMPDIR", earlier);
    else
        qunsetenv("TMPDIR");
}

SmallFileSystem::SmallFileSystem(const QString& folder, int kilobytes) : folder(folder) {
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0)
        reason = QString("a file system in memory could not be mounted (%1)").arg(std::strerror(errno));
}

SmallFileSystem::~SmallFileSystem() {
    if (reason.isEmpty()) ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
}

FileSizeLimit::FileSizeLimit(long long bytes) {
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    earlierSoft = static_cast<long long>(limit.rlim_cur);
    // A write past the limit fails rather than ends the process.
    earlierHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(earlierSoft);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, earlierHandler);
}

HeldLock::HeldLock(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
        locked = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
}

HeldLock::~HeldLock() {
    if (locked) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A valid database with a page of one table's spoiled.
std::function<bool(const QString&)> spoiledTable(const char* table, bool randomBytes) {
    return [=](const QString& path) {
        return createDatabase(path, validDatabaseSql()) && spoilPage(path, rootPage(path, table), randomBytes);
    };
}

std::function<bool(const QString&)> validDatabaseWith(const QString& change) {
    return [=](const QString& path) { return createDatabase(path, validDatabaseSql() + change); };
}

// A valid database cut short by `bytes`.
std::function<bool(const QString&)> cutShort(int bytes) {
    return [=](const QString& path) {
        QFile file(path);
        return createDatabase(path, validDatabaseSql()) && file.resize(file.size() - bytes);
    };
}

}  // namespace

const std::vector<UnusableDatabase>& unusableDatabases() {
    static const std::vector<UnusableDatabase> files = [] {
        const QString noCommentary = "DROP TABLE Commentary; DELETE FROM TheTables WHERE table_name = 'Commentary';";
        const QString commentaryMissing = "Required Table Commentary not found. " + CR;
        std::vector<UnusableDatabase> files = {
            {"a zeroed page", spoiledTable("ProgramPrefs", false), "The file is damaged."},
            {"random bytes over a page", spoiledTable("ENGLISH_DEFAULT", true), "The file is damaged."},
            {"a file cut inside its last page", cutShort(100), "The file is damaged."},
            {"a file one byte short", cutShort(1), "The file is damaged."},
            {"a 0-byte file", [](const QString& path) { return writeFile(path, {}); },
             "The file is empty (0 bytes): it holds no database."},
            {"a text file",
             [](const QString& path) { return writeFile(path, "Hexagram notes, kept as text.\nNot a database.\n"); },
             "The file is not a database file."},
            {"no default hexagram table",
             validDatabaseWith("DROP TABLE ENGLISH_DEFAULT; DELETE FROM TheTables WHERE table_name = 'ENGLISH_DEFAULT';"),
             "Required Table ENGLISH_DEFAULT not found. " + CR + "Connection to this database is being stopped."},
            {"a column missing from the default trigram table",
             validDatabaseWith("ALTER TABLE TRIGRAMS_DEFAULT DROP COLUMN ANIMAL;"),
             "The table TRIGRAMS_DEFAULT is not complete and can not be used." + CR + "It has no column ANIMAL."},
            {"ProgramPrefs without a row", validDatabaseWith("DELETE FROM ProgramPrefs;"),
             "The table ProgramPrefs is not complete and can not be used." + CR + "It has no row."},
            // What lies beside a file is part of it: a WAL holds its latest changes, and a journal
            // undoes a save that a writer left unfinished when it died.
            {"a damaged file with a WAL beside it",
             [](const QString& path) {
                 if (!createDatabase(path, validDatabaseSql())) return false;
                 const int page = rootPage(path, "ProgramPrefs");
                 return leaveWal(path, "INSERT INTO Dictionary_Default VALUES ('wal', 'a change in the WAL');") &&
                        spoilPage(path, page, false);
             },
             "The file is damaged."},
            {"a file in WAL mode that lost a required table in its WAL",
             [=](const QString& path) { return createDatabase(path, validDatabaseSql()) && leaveWal(path, noCommentary); },
             commentaryMissing},
            {"a file in WAL mode without a required table, nothing beside it",
             validDatabaseWith(noCommentary + "PRAGMA journal_mode = WAL;"), commentaryMissing},
            {"a file without a required table, with the journal of a writer that died",
             [=](const QString& path) {
                 return createDatabase(path, validDatabaseSql() + noCommentary) &&
                        leaveDiedWrite(path, "UPDATE ENGLISH_DEFAULT SET DESCRIPTION = printf('%.3000c', 'x');");
             },
             commentaryMissing},
        };
        // Each column the program reads or writes in a fixed table, missing. Without table_name the
        // catalogue can not be read at all.
        for (const char* table : {"ProgramPrefs", "TheTables", "HexChains"}) {
            for (const QString& column : fixedTableColumns(table)) {
                const QString says =
                    column == "table_name"
                        ? "Error in Database accessing TheTables info,aborting the opening of this database: error is..."
                        : QString("The table %1 is not complete and can not be used." + CR + "It has no column %2.")
                              .arg(table, column);
                files.push_back({QString("%1 without %2").arg(table, column).toStdString(),
                                 validDatabaseWith(QString("ALTER TABLE %1 DROP COLUMN %2;").arg(table, column)), says});
            }
        }
        return files;
    }();
    return files;
}

const std::vector<RecoveredDatabase>& recoveredDatabases() {
    static const std::vector<RecoveredDatabase> files = {
        // The writer had renamed the trigrams, dropped a required table and filled the hexagram
        // texts, and written part of that to the file.
        {"the journal of a writer that died",
         [](const QString& path) {
             return createDatabase(path, validDatabaseSql()) &&
                    leaveDiedWrite(path, "UPDATE TRIGRAMS_DEFAULT SET NAME = 'died'; DROP TABLE Commentary;"
                                         "UPDATE ENGLISH_DEFAULT SET DESCRIPTION = printf('%.3000c', 'x');");
         },
         "tri3"},
        {"a WAL with the latest changes",
         [](const QString& path) {
             return createDatabase(path, validDatabaseSql()) &&
                    leaveWal(path, "UPDATE TRIGRAMS_DEFAULT SET NAME = 'wal' || NUMBER_BOOLEAN;");
         },
         "wal3"},
        {"WAL mode with nothing beside it", validDatabaseWith("PRAGMA journal_mode = WAL;"), "tri3"},
    };
    return files;
}

const std::vector<UnusableDatabase>& unusableInReadOnlyFolder() {
    static const std::vector<UnusableDatabase> files = [] {
        std::vector<UnusableDatabase> files = unusableDatabases();
        files.push_back({"a sound file with " + recoveredDatabases()[0].what, recoveredDatabases()[0].make,
                         "A save to it was cut off, and the journal beside it must be applied before it can be used; "
                         "the folder it lies in can not be written to."});
        files.push_back({"a sound file with " + recoveredDatabases()[1].what, recoveredDatabases()[1].make,
                         "It is in WAL mode, which the engine opens only where it can write beside it; the folder it "
                         "lies in can not be written to."});
        return files;
    }();
    return files;
}
