#pragma once
// The chain as plain text: for each hexagram its place in the chain, its name, its two trigrams
// with five attributes each, its description and judgement; between two hexagrams the texts of
// the lines that change. Lines end in CR (13). Every hexagram and trigram is read afresh from the
// tables in use.
#include "core/M_globals.h"

#include <QString>
#include <vector>

namespace ChainReport {

// The report of the chain, each link a hexagram code and its change mask toward the next; empty
// for an empty chain. What cannot be read (a hexagram or an upper trigram without a row in the
// table in use, or the engine's message on a failed read) is said in one message, each once.
QString report(const std::vector<M_globals::ChainLink>& chain);

}  // namespace ChainReport
