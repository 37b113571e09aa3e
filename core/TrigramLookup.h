#pragma once
// The trigrams of the table in use (M_globals::tridata) found by trigram number, for every window
// and printout that names them.
#include <QString>

class trigramClass;

namespace M_globals {

// Trigram t (0..7) of the table in use; nullptr for a number outside 0..7 or a trigram not made.
const trigramClass* loadedTrigram(int t);
// The name of trigram t of the table in use; empty where loadedTrigram finds none.
QString trigramName(int t);

}  // namespace M_globals
