#pragma once
// The columns of the two kinds of text table: kind 0 the hexagram texts (ENGLISH_DEFAULT and its
// copies), kind 1 the trigrams (TRIGRAMS_DEFAULT and its copies). Every reader, writer and
// statement names a column through this file, so each name is written here once.
#include <QString>
#include <QStringList>

namespace TextColumn {

// Both kinds: the row key (the hexagram code 0..63, the trigram number 0..7) and the name.
inline constexpr char NumberBoolean[] = "NUMBER_BOOLEAN", Name[] = "NAME";

// Hexagram texts; NUMBER_BOOK is the book number 1..64.
inline constexpr char NumberBook[] = "NUMBER_BOOK", Description[] = "DESCRIPTION", Judgement[] = "JUDGEMENT";
inline constexpr char ChinaPhonics[] = "China_phonics", AllNines[] = "all_nines", ShortName[] = "ShortName";
// The trigram numbers of the upper and the lower trigram.
inline constexpr char Above[] = "above", Below[] = "below";
// The texts of lines 1..6 as changing lines; line k's is Lines[k - 1].
inline constexpr char First[] = "first", Second[] = "second", Third[] = "third", Fourth[] = "fourth",
                      Fifth[] = "fifth", Sixth[] = "sixth";
inline constexpr const char* Lines[6] = {First, Second, Third, Fourth, Fifth, Sixth};

// Trigram texts.
inline constexpr char Attribute[] = "ATTRIBUTE", Animal[] = "ANIMAL", Body[] = "BODY", Family[] = "FAMILY",
                      Direction[] = "DIRECTION";
inline constexpr char Noun[] = "noun", Adjective[] = "adjective", Verb[] = "verb";

}  // namespace TextColumn

// The column list of a kind as CREATE TABLE takes it: "(NUMBER_BOOLEAN Integer, ...)" for kind 0,
// the trigram list for any other kind.
QString textTableColumns(int kind);
// The integer and the text columns of a kind, in the order of its column list; every one of them
// is read by the program. A kind other than 0 and 1 has none.
const QStringList& textTableIntegerColumns(int kind);
const QStringList& textTableTextColumns(int kind);
