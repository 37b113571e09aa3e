#pragma once
// A database file the program can read but not write: the file is write-protected, or its folder
// is, so the engine can make no journal beside it. Such a file is connected read-only and said
// once when it is opened; every change to it is then refused before the engine is asked, with one
// message naming the file and what was not done, and the window places are not stored.
// A file that another program holds locked past the busy wait is told in the same shape.
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

// "<notDone>: the file <path> <why>.", the one shape of a message that says what was not done to
// the file and why, as in "The chain "x" was not saved: the file /p/i_virev_DB can be read but not
// written."
QString notDoneWithFile(const QString& notDone, const QString& why);

// The message for a failure of the shared connection that left `notDone` undone. When another
// program held the file locked, it names the file and that program and says to try again;
// otherwise it is the engine's message.
QString databaseFailure(const QString& notDone);
// The message for a read of the shared connection that failed: `notRead` says what could not be
// read ("The list of chains could not be read"). After a change that was written, `done` says it
// ("The chain "x" was deleted"), so that a list that could not be read again does not make the
// change look failed: "<done>, but <notRead>" with the reason, the engine's message included.
QString readFailure(const QString& notRead, const QString& done = {});
// "The table <table> could not be read".
QString tableNotRead(const QString& table);

// Whether the shared connection refuses every write.
bool databaseIsReadOnly();
// Whether a change may be written to the shared connection's file. When it can only be read, shows
// "<notDone>: the file <path> can be read but not written." and answers False. `notDone` says
// what was not done, as in "The chain "x" was not saved".
bool mayWriteDatabase(const QString& notDone);
