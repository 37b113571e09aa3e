#include "PluginTestSupport.h"

bool loadPluginLibrary(PluginHost& host) { return host.loadPlugins(); }
