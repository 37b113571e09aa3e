#pragma once
// Making and dropping text tables (kind 0 hexagram text, 1 trigram). Each change is one
// transaction with its catalogue row in TheTables: it happens whole or not at all. Table names go
// into statements only quoted.
#include <QString>
#include <functional>

// True for the tables the program falls back on (ENGLISH_DEFAULT, TRIGRAMS_DEFAULT), in any letter
// case.
bool isDefaultTable(const QString& name);

// What a failed copy of the table `source`, or deletion of the table `name`, says was not done, as
// in "The table "x" was not copied".
QString tableNotCopied(const QString& source);
QString tableNotDeleted(const QString& name);

// Creates `name` of `kind`, copies the rows of `source` found by NUMBER_BOOLEAN (0..63 or 0..7,
// the first row of each key) and catalogues it with `creator`. `progress` is told each key before
// it is copied. On failure nothing stays and the message to show is returned; empty on success.
QString copyTextTable(int kind, const QString& source, const QString& name, const QString& creator,
                      const std::function<void(int key)>& progress = {});

// Drops the table and its catalogue rows (named in any letter case). Empty on success, else the
// message to show.
QString dropTextTable(const QString& name);
