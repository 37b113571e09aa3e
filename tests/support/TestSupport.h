#pragma once
// Helpers shared by the test executables: temporary folders and small databases built for a test.
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <vector>

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
