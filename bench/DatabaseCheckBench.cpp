// The check a database file gets each time it is opened (header, quick_check, required tables,
// catalogue, columns, the settings row; then the connection for reading and writing), on a copy of
// the shipped file and on a copy grown to about 50 MB by one large table, each also with a journal
// beside it (an empty one: the set is then checked on a private copy). Each figure is the median
// of several runs, with the file in the system's cache (warm) and dropped from it first (cold; as
// at the first start after a reboot).
#include "Bench.h"

#include "core/DatabaseCheck.h"
#include "platform/SQLDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Asks the system to forget the file's cached pages, so that the next read comes from the disk.
void dropFromCache(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0) return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

double medianOf(int runs, bool cold, const QString& path, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (cold) dropFromCache(path);
        times.push_back(timeMs(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void measure(const char* label, const QString& path) {
    bool passed = true;
    auto wholeCheck = [&] {
        SQLDatabase db;
        passed = !openDatabaseFile(db, path) && passed;
    };
    auto pragma = [&](const char* sql) {
        return [=] {
            SQLDatabase db;
            db.setDatabaseFile(path);
            if (db.Connect()) db.SQLSelect(sql);
        };
    };
    const double sizeMB = static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0);
    for (bool cold : {false, true}) {
        std::printf("%s (%.1f MB, %s): whole check %.1f ms; alone: quick_check %.1f ms, integrity_check %.1f ms\n", label,
                    sizeMB, cold ? "cold" : "warm", medianOf(5, cold, path, wholeCheck),
                    medianOf(5, cold, path, pragma("PRAGMA quick_check(1)")),
                    medianOf(3, cold, path, pragma("PRAGMA integrity_check(1)")));
    }
    if (!passed) std::printf("%s: the file did not pass its check\n", label);
}

void measureWithJournal(const char* label, const QString& path) {
    QFile journal(path + "-journal");
    if (!journal.open(QIODevice::WriteOnly)) return;
    journal.close();
    bool passed = true;
    for (bool cold : {false, true}) {
        std::printf("%s with a journal beside it (%s): whole check %.1f ms\n", label, cold ? "cold" : "warm",
                    medianOf(5, cold, path, [&] {
                        SQLDatabase db;
                        passed = !openDatabaseFile(db, path) && passed;
                    }));
    }
    if (!passed) std::printf("%s with a journal: the file did not pass its check\n", label);
    QFile::remove(path + "-journal");
}

}  // namespace

void benchDatabaseCheck() {
    const QString shipped = QCoreApplication::applicationDirPath() + "/i_virev_DB.shipped";
    QTemporaryDir folder;
    const QString small = folder.filePath("small"), big = folder.filePath("big");
    if (!folder.isValid() || !QFile::copy(shipped, small) || !QFile::copy(shipped, big)) {
        std::printf("cannot copy %s\n", qPrintable(shipped));
        return;
    }
    {
        // 50,000 rows of 1,000 characters each, catalogued, so that the big file passes too.
        SQLDatabase db;
        db.setDatabaseFile(big);
        if (!db.Connect() || !db.SQLExecute("CREATE TABLE Ballast (n integer, text varchar)") ||
            !db.SQLExecute("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 50000) "
                           "INSERT INTO Ballast SELECT x, hex(randomblob(500)) FROM c") ||
            !db.SQLExecute("INSERT INTO TheTables VALUES ('Ballast', 5, 0, 1, 'bench')")) {
            std::printf("cannot grow the big file: %s\n", qPrintable(db.ErrorMessage()));
            return;
        }
    }
    measure("shipped file", small);
    measure("big file", big);
    measureWithJournal("shipped file", small);
    measureWithJournal("big file", big);
}
