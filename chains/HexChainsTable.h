#pragma once
// The saved chains in the table HexChains: one row per chain, its name, an optional comment and its
// stored form ("width,height;" and the chain string). Rows are found by their rowid; the names
// and comments that the user types go in as bound values.
#include <QString>
#include <optional>
#include <vector>

namespace HexChainsTable {

struct Row {
    QString name;
    qint64 id = 0;  // the rowid
    QString chain;  // the stored form
};

// What a failed save or delete of the chain `name` says was not done, as in "The chain "x" was
// not saved".
QString notSaved(const QString& name);
QString notDeleted(const QString& name);

// Every row, in the order the database returns them. error holds the message to show when the
// table could not be read; after `done`, a change just written, it says that too.
struct Listing {
    std::vector<Row> rows;
    QString error;
};
Listing list(const QString& done = {});

// The name and comment of row id; nothing when the row is gone (error then holds the message to
// show if the select failed).
struct Entry {
    QString name;
    QString comment;
};
std::optional<Entry> read(qint64 id, QString& error);

// Adds a row and commits it. The comment is written only when it holds more than blanks. Answers
// the message of the step that failed, or the refusal of a chain too long to load back, empty
// when the row is stored.
QString add(const QString& name, const QString& comment, const QString& chain);

// Deletes row id, the chain `name`, and commits. Missing: the row is no longer in the table;
// Failed: error holds the message to show.
enum class Removal { Deleted, Missing, Failed };
Removal remove(qint64 id, const QString& name, QString& error);

// The first of `texts` equal to `text`, -1 when none is.
int firstMatch(const std::vector<QString>& texts, const QString& text);

}  // namespace HexChainsTable
