#pragma once
// The two kinds of text table (0 hexagram texts, 1 trigrams): whether a table holds every column
// and row the program needs to be put in use.
#include <QString>
#include <QStringList>

class RecordSet;

// The codes a table of the kind holds one row each for: 0..63 or 0..7.
int textTableLastCode(int kind);

// The names of `wanted` that a table's column list (FieldSchema) lacks, matched ignoring case.
QStringList missingColumns(RecordSet& columns, const QStringList& wanted);
// The columns of the kind that a table's column list lacks. A kind other than 0 and 1 needs none.
QStringList missingTextTableColumns(RecordSet& columns, int kind);

// "It has no column A, B." for the columns a table lacks.
QString missingColumnsNote(const QStringList& columns);
// "The table <table> is not complete and can not be used.", then the notes, one a line.
QString incompleteTableText(const QString& table, const QStringList& notes);

// Why `table` of `kind` can not be put in use: what stopped it being read, or the columns and the
// codes it lacks. Empty when it is complete.
QString textTableGaps(int kind, const QString& table);
