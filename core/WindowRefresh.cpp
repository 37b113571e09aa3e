#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "platform/WindowRegistry.h"

namespace M_globals {

// The display window, the chain page and the text window join the refresh list of the platform;
// other windows never do. A row the tables now in use lack is said once for them all.
void updatewindows() {
    ReadProblemsSaidOnce once;
    refreshWindowsAfterTablesChanged();
}

}  // namespace M_globals
