// Keyboard codes under the current keyboard layout.
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"

namespace {

struct KeyCodesFields {
    PluginInteger LastError;
    PluginInteger State;
    PluginInteger unused;
    void* table;
};

void constructKeyCodes(REALobject) {}
void destroyKeyCodes(REALobject) {}
REALstring getName(REALobject, intptr_t) { return nullptr; }
void Update(REALobject) {}
PluginInteger AsciiToKeyCode(REALobject, PluginInteger) { return -1; }
PluginInteger KeyCodeToAscii(REALobject, PluginInteger) { return 0; }
PluginInteger KeyCodeToAsciiWithSecondKeyCode(REALobject, PluginInteger) { return 0; }
bool TestForKeyDown(REALobject, PluginInteger) { return false; }
bool TestForAsciiKeyDown(REALobject, PluginInteger) { return false; }

const PluginFunction field = pluginFieldAccess();

PluginPropertyRecord keyCodesProperties[] = {
    Property("Name", "String", pluginFunction(&getName), nullptr, 0),
    Property("State", "Integer", field, field, offsetof(KeyCodesFields, State)),
    Property("LastError", "Integer", field, field, offsetof(KeyCodesFields, LastError)),
};

PluginMethodRecord keyCodesMethods[] = {
    Method(pluginFunction(&Update), "Update"),
    Method(pluginFunction(&AsciiToKeyCode), "AsciiToKeyCode(ascii as integer) as integer"),
    Method(pluginFunction(&KeyCodeToAscii), "KeyCodeToAscii(keycode as integer) as integer"),
    Method(pluginFunction(&KeyCodeToAsciiWithSecondKeyCode), "KeyCodeToAsciiWithSecondKeyCode(keycode as integer) as integer"),
    Method(pluginFunction(&TestForKeyDown), "TestForKeyDown(keycode as integer) as boolean"),
    Method(pluginFunction(&TestForAsciiKeyDown), "TestForAsciiKeyDown(ascii as integer) as boolean"),
};

}  // namespace

PluginClassRecord KeyCodesQRXClass =
    ClassRecord("KeyCodesQRX", nullptr, sizeof(KeyCodesFields), pluginFunction(&constructKeyCodes),
                pluginFunction(&destroyKeyCodes), keyCodesProperties, countOf(keyCodesProperties), keyCodesMethods,
                countOf(keyCodesMethods));
