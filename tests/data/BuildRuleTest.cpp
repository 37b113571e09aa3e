// The build rule of data/ run by CMake on a small copy of it: the user's database beside the
// program is made from the shipped one when missing, and a chain saved in it survives a rebuild
// after the SQL text changes.
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

bool writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// Runs CMake with these arguments; fails the test with its output when it fails.
bool runCMake(const QStringList& arguments) {
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(YARROWEN_CMAKE, arguments);
    const bool finished = cmake.waitForFinished(120000);
    const bool ok = finished && cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
    if (!ok) ADD_FAILURE() << "cmake " << arguments.join(' ').toStdString() << ":\n" << cmake.readAll().toStdString();
    return ok;
}

// The first column of the rows of a select, joined by "|".
QString rows(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    QStringList values;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK)
            while (sqlite3_step(statement) == SQLITE_ROW)
                values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return values.join('|');
}

}  // namespace

TEST(BuildRule, TheUsersDatabaseIsMadeOnlyWhenMissingAndSurvivesRebuilds) {
    TestFolder folder;
    const QString source = folder.path("source"), build = folder.path("build");
    ASSERT_TRUE(QDir().mkpath(source + "/data"));
    for (const char* name : {"CMakeLists.txt", "makedb.c", "InstallUserDatabase.cmake"})
        ASSERT_TRUE(QFile::copy(QString(YARROWEN_DATA_DIR "/") + name, source + "/data/" + name));
    ASSERT_TRUE(writeText(source + "/CMakeLists.txt", "cmake_minimum_required(VERSION 3.25)\nproject(rule C)\n"
                                                      "find_package(SQLite3 REQUIRED)\nadd_subdirectory(data)\n"));
    ASSERT_TRUE(writeText(source + "/data/schema.sql", "CREATE TABLE HexChains (NAME varchar, comment varchar, chain varchar);"
                                                       "CREATE TABLE T (text varchar);"));
    ASSERT_TRUE(writeText(source + "/data/hexagrams-01.sql", "INSERT INTO T VALUES ('first text');"));
    const QString user = build + "/bin/i_virev_DB", shipped = build + "/bin/i_virev_DB.shipped";

    // A first build makes both, the same.
    ASSERT_TRUE(runCMake({"-S", source, "-B", build}));
    ASSERT_TRUE(runCMake({"--build", build}));
    EXPECT_EQ(rows(user, "SELECT text FROM T"), "first text");
    EXPECT_EQ(fileBytes(user), fileBytes(shipped));

    // A chain saved; the texts change (as a pull of new texts does); rebuilt: the shipped copy has
    // the new texts, the user's file is as it was.
    ASSERT_TRUE(createDatabase(user, "INSERT INTO HexChains VALUES ('mine', 'kept', '700,500;63,0');"));
    const QByteArray saved = fileBytes(user);
    ASSERT_TRUE(writeText(source + "/data/hexagrams-01.sql", "INSERT INTO T VALUES ('second text');"));
    ASSERT_TRUE(runCMake({"--build", build}));
    EXPECT_EQ(rows(shipped, "SELECT text FROM T"), "second text");
    EXPECT_EQ(fileBytes(user), saved);
    EXPECT_EQ(rows(user, "SELECT NAME || ':' || chain FROM HexChains"), "mine:700,500;63,0");

    // Removed, it comes back whole from the shipped copy, with nothing left beside it.
    ASSERT_TRUE(QFile::remove(user));
    ASSERT_TRUE(runCMake({"--build", build}));
    EXPECT_EQ(fileBytes(user), fileBytes(shipped));
    EXPECT_EQ(QDir(build + "/bin").entryList(QDir::Files), QStringList({"i_virev_DB", "i_virev_DB.shipped"}));
}
