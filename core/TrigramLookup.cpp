#include "core/TrigramLookup.h"

#include "core/M_globals.h"
#include "core/trigramClass.h"

namespace M_globals {

const trigramClass* loadedTrigram(int t) {
    if (t < 0 || t > 7 || static_cast<size_t>(t) >= tridata.size()) return nullptr;
    return tridata[static_cast<size_t>(t)].get();
}

QString trigramName(int t) {
    const trigramClass* trigram = loadedTrigram(t);
    return trigram ? trigram->name : QString();
}

}  // namespace M_globals
