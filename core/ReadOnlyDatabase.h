#pragma once
// A database file the program can read but not write: the file is write-protected, or its folder
// is, so the engine can make no journal beside it. Such a file is connected read-only and said
// once when it is opened; every change to it is then refused before the engine is asked, with one
// message naming the file and what was not done, and the window places are not stored.
#include <QString>
#include <functional>

class SQLDatabase;

// Whether the engine could write the file at `path`: the file and its folder are both writable.
bool databaseFileWritable(const QString& path);
// Answers databaseFileWritable in place of the file system (root may write any file); tests use
// it. An empty function gives the file system back.
void setDatabaseWritableAnswer(std::function<bool(const QString& path)> answer);

// Before `db` connects to `path`: read-only when the file cannot be written.
void chooseConnectionMode(SQLDatabase& db, const QString& path);
// After the shared connection opened its file: the one notice when it can only be read.
void tellWhenReadOnly();

// The shared connection's file as messages name it: its whole path.
QString shownDatabasePath();

// Whether the shared connection refuses every write.
bool databaseIsReadOnly();
// Whether a change may be written to the shared connection's file. When it can only be read, shows
// "<notDone>: the file <path> can be read but not written." and answers False. `notDone` says
// what was not done, as in "The chain "x" was not saved".
bool mayWriteDatabase(const QString& notDone);
