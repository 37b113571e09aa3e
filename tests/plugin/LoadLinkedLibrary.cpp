// The library's code linked into the test program, so that tests can put other backends behind
// it; it registers with the host once, as the built library would.
#include "PluginTestSupport.h"

extern "C" void REALPluginMain(PluginLookup lookup);

bool loadPluginLibrary(PluginHost&) {
    static const bool registered = (REALPluginMain(&PluginHost::lookupService), true);
    return registered;
}
