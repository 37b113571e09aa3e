#include "core/M_globals.h"
#include "platform/WindowRegistry.h"

namespace M_globals {

// The display window, the chain page and the text window join the refresh list of the platform;
// other windows never do.
void updatewindows() { refreshWindowsAfterTablesChanged(); }

}  // namespace M_globals
