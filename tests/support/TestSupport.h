#pragma once
// Helpers shared by the test executables: temporary folders and small databases built for a test.
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <ostream>
#include <vector>

struct sqlite3;

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join("|").toStdString() << ']';
}

// A temporary folder for one test's files; removed with the object.
class TestFolder {
public:
    QString path(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
};

// The lowest row of the image holding a pixel other than the background (ink, however light);
// -1 when there is none.
int lastInkedRow(const QImage& image, const QColor& background = QColor(255, 255, 255));

// The file's bytes; empty when it can not be read.
QByteArray fileBytes(const QString& path);
// A hash of the file's bytes; empty when it can not be read.
QByteArray fileHash(const QString& path);
// Each entry of `folder` as its name and a hash of its bytes, by name: the same listing before and
// after shows that nothing in the folder was written, made or removed.
QStringList folderListing(const QString& folder);

// Creates an SQLite file at `path` by running `sql` (several statements allowed). False on error.
bool createDatabase(const QString& path, const QString& sql);

// SQL for a small database that passes validation: the seven required tables with catalogue rows,
// one ProgramPrefs row with installed fonts, eight trigram rows ("tri0".."tri7", body "body0"...,
// animal "animal0"...), and hexagram rows for the given codes with short distinctive texts
// ("name<code>", "desc<code>", "judg<code>", line k "line<code>.<k>", all_nines "all<code>",
// ShortName "s<code>", NUMBER_BOOK = code + 1).
QString validDatabaseSql(const std::vector<int>& hexagramCodes = {0, 1, 21, 42, 62, 63});

// Builds the valid database above in a temporary folder and makes it the program's shared
// connection (M_globals::db, f_db), with the start values of the shared state set. Restores an
// empty state when destroyed.
class ProgramDatabase {
public:
    explicit ProgramDatabase(std::initializer_list<int> hexagramCodes = {0, 1, 21, 42, 62, 63});
    ~ProgramDatabase();
    QString file() const { return path; }
    // Runs more SQL (several statements allowed) on the file; fails the test on error.
    void exec(const QString& sql);

private:
    TestFolder folder;
    QString path;
};

// Leaves the database file `path` and its journal as a writer leaves them that died while running
// `sql` in one transaction, with part of its changes already written to the file (`sql` must
// change more than a few pages): the engine undoes them from the journal when the file is next
// opened.
bool leaveDiedWrite(const QString& path, const QString& sql);
// Puts the database file `path` in WAL mode and leaves the changes of `sql` in the WAL beside it,
// as a program leaves them that ended without closing the file (its -shm is not kept).
bool leaveWal(const QString& path, const QString& sql);

// A sound database file with what the engine applies to it when it opens it beside it (a journal
// or a WAL), or in WAL mode, and the name of trigram 3 that the program then reads.
struct RecoveredDatabase {
    std::string what;
    std::function<bool(const QString& path)> make;
    QString trigram3;
};
const std::vector<RecoveredDatabase>& recoveredDatabases();

// A database file that must not be used, how to make it (with what lies beside it), and a line of
// the one message that refuses it. Each is a valid database spoiled in one way, or a file that is
// no database at all.
struct UnusableDatabase {
    std::string what;
    std::function<bool(const QString& path)> make;
    QString says;
};
const std::vector<UnusableDatabase>& unusableDatabases();
// In a folder that can not be written to: each of the above, refused as anywhere, and the sound
// files the engine can not open there: one whose journal it must apply first, and one in WAL mode.
const std::vector<UnusableDatabase>& unusableInReadOnlyFolder();

// Writes over page `page` (counted from 1) of a database file: zeros, or bytes of a fixed
// pseudo-random sequence. False when the file has no such page.
bool spoilPage(const QString& path, int page, bool randomBytes);
// The root page of `table` in the database file; 0 when there is no such table.
int rootPage(const QString& path, const QString& table);

// Whether the tests run in CI (the environment's CI is "true"), where every test must run.
bool runningInCi();
// Skips the test for `reason`; in CI fails it instead, so that no test is left out unseen there.
#define SKIP_OR_FAIL_IN_CI(reason)                                                           \
    do {                                                                                   \
        if (runningInCi()) FAIL() << "cannot run in CI: " << (reason);                     \
        else GTEST_SKIP() << (reason);                                                     \
    } while (0)

// While it lives, a process that runs as root acts as the user nobody, whom permissions stop as
// they stop any user; acting() says whether it does.
class ActingAsNobody {
public:
    ActingAsNobody();
    ~ActingAsNobody();
    ActingAsNobody(const ActingAsNobody&) = delete;
    ActingAsNobody& operator=(const ActingAsNobody&) = delete;
    bool acting() const { return steppedDown; }

private:
    bool steppedDown = false;
};

// While it lives, `folder` can not be written to while the files in it can, as for a user who
// may change the files but not the folder; a process that runs as root acts as nobody meanwhile.
// skipReason() says why that could not be arranged, empty when it holds.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    QString skipReason() const { return reason; }

private:
    QString folder;
    std::unique_ptr<ActingAsNobody> user;
    QString reason;
};

// While it lives, $TMPDIR names `folder`, the program's temporary folder; the earlier value comes
// back when it goes.
class TemporaryFolderNamed {
public:
    explicit TemporaryFolderNamed(const QString& folder);
    ~TemporaryFolderNamed();
    TemporaryFolderNamed(const TemporaryFolderNamed&) = delete;
    TemporaryFolderNamed& operator=(const TemporaryFolderNamed&) = delete;

private:
    QByteArray earlier;
    bool wasSet;
};

// A file system in memory of `kilobytes` mounted on the folder `folder` while it lives, as a full
// disk: writes past its size fail. skipReason() says why it could not be mounted (only root may).
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, int kilobytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    QString skipReason() const { return reason; }

private:
    QString folder;
    QString reason;
};

// While it lives, no file this process writes may grow past `bytes`: a write past it fails with
// "File too large", as on a disk without room.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long long earlierSoft = 0;
    void (*earlierHandler)(int) = nullptr;
};

// Another connection holding an exclusive lock on a database file for its lifetime, as another
// program writing to the file would; it writes nothing.
class HeldLock {
public:
    explicit HeldLock(const QString& path);
    ~HeldLock();
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool held() const { return locked; }

private:
    sqlite3* db = nullptr;
    bool locked = false;
};
