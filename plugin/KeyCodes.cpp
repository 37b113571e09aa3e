// Keyboard codes: characters to the keys that type them under the current layout, keys to
// characters (dead keys included), and keys held down.
#include "plugin/Backends.h"
#include "plugin/HostServices.h"
#include "plugin/Methods.h"
#include "plugin/Records.h"
#include "platform/PluginMacRoman.h"

#include <QString>
#include <new>

namespace {

constexpr PluginInteger kNoLayout = -192;
constexpr unsigned kShiftModifier = 0x02;  // bits 8..15 of a key code carry the modifiers
constexpr unsigned kOptionModifier = 0x08;

// The reverse table of a layout, with the layout it was built from.
struct KeyTable {
    bool built = false;
    uint32_t layoutID = 0;
    KeyboardLayout layout;
    std::array<int16_t, 256> keyOfCharacter;  // the key code that types each MacRoman character, or -1
};

struct KeyCodesFields {
    PluginInteger LastError;
    PluginInteger State;  // a pending dead key: its combining accent << 16 | the accent alone
    PluginInteger unused;
    KeyTable* table;
};

KeyCodesFields* fieldsOf(REALobject instance) { return InstanceData<KeyCodesFields>(instance, KeyCodesQRXClass); }

// The table when it was built; a failed build leaves every member answering its failure value.
const KeyTable* builtTable(REALobject instance) {
    const KeyTable* table = fieldsOf(instance)->table;
    return table && table->built ? table : nullptr;
}

// Tells layouts apart by their name and every symbol.
uint32_t layoutIDOf(const KeyboardLayout& layout) {
    uint32_t hash = 2166136261u;
    const auto mix = [&hash](uint32_t value) {
        for (int i = 0; i < 4; ++i) hash = (hash ^ ((value >> (8 * i)) & 0xFF)) * 16777619u;
    };
    for (char c : layout.name) mix(static_cast<unsigned char>(c));
    for (const auto& key : layout.keys)
        for (const KeySymbol& symbol : key) {
            mix(symbol.character);
            mix(symbol.combining);
        }
    return hash;
}

// The first level, and within it the lowest key code, that types a character wins.
PluginInteger build(KeyTable& table, const std::optional<KeyboardLayout>& layout) {
    table.keyOfCharacter.fill(-1);
    table.built = layout.has_value();
    if (!layout) return kNoLayout;
    table.layout = *layout;
    table.layoutID = layoutIDOf(*layout);
    for (int level = 0; level < kKeyLevels; ++level)
        for (int key = 0; key < kMacKeyCodes; ++key) {
            const KeySymbol& symbol = layout->keys[key][level];
            const int character = symbol.combining || !symbol.character ? -1 : macRomanByte(symbol.character);
            if (character >= 0 && table.keyOfCharacter[character] == -1)
                table.keyOfCharacter[character] = static_cast<int16_t>(key);
        }
    return 0;
}

void constructKeyCodes(REALobject instance) {
    KeyCodesFields* fields = fieldsOf(instance);
    fields->table = new (std::nothrow) KeyTable;
    fields->LastError = fields->table ? build(*fields->table, backend<KeyboardBackend>().currentLayout()) : kNoLayout;
}

void destroyKeyCodes(REALobject instance) {
    KeyCodesFields* fields = fieldsOf(instance);
    delete fields->table;
    fields->table = nullptr;
}

REALstring getName(REALobject instance, intptr_t) {
    const KeyTable* table = builtTable(instance);
    if (!table) return nullptr;
    const std::string& name = table->layout.name;
    return HostStringFromBytes(name.data(), static_cast<intptr_t>(name.size()), kEncodingUTF8);
}

// Rebuilds when the layout changed or the last build failed.
void Update(REALobject instance) {
    KeyCodesFields* fields = fieldsOf(instance);
    if (!fields->table) return;
    const std::optional<KeyboardLayout> layout = backend<KeyboardBackend>().currentLayout();
    if (fields->table->built && layout && layoutIDOf(*layout) == fields->table->layoutID) {
        fields->LastError = 0;
        return;
    }
    fields->LastError = build(*fields->table, layout);
}

PluginInteger AsciiToKeyCode(REALobject instance, PluginInteger ascii) {
    const unsigned character = static_cast<unsigned>(ascii) & 0xFFFF;
    if (character > 255) return 0;
    const KeyTable* table = builtTable(instance);
    return table ? table->keyOfCharacter[character] : -1;
}

// A character as the signed byte the host's language receives: MacRoman 128..255 are -128..-1;
// a character MacRoman lacks is 0.
PluginInteger asSignedByte(char32_t character) {
    const int byte = macRomanByte(character);
    return byte < 0 ? 0 : static_cast<int8_t>(static_cast<uint8_t>(byte));
}

char32_t composed(char32_t base, char32_t accent) {
    const QString text = (QString::fromUcs4(&base, 1) + QChar(static_cast<char16_t>(accent))).normalized(QString::NormalizationForm_C);
    return text.size() == 1 ? text.at(0).unicode() : 0;
}

PluginInteger translate(REALobject instance, PluginInteger keycode) {
    KeyCodesFields* fields = fieldsOf(instance);
    const KeyTable* table = builtTable(instance);
    if (!table) return 0;
    const unsigned code = static_cast<unsigned>(keycode) & 0xFFFF;
    const unsigned modifiers = code >> 8;
    int level = ((modifiers & kShiftModifier) ? 1 : 0) + ((modifiers & kOptionModifier) ? 2 : 0);
    const auto& key = table->layout.keys[code & 0x7F];
    // A key without a symbol at its level types what it types with fewer modifiers.
    while (level > 0 && !key[level].character) level = level == 3 ? 1 : 0;
    const KeySymbol& symbol = key[level];

    const auto pending = static_cast<uint32_t>(fields->State);
    fields->State = 0;
    if (pending) {
        const char32_t accent = pending >> 16;
        const char32_t alone = pending & 0xFFFF;
        if (symbol.combining || symbol.character == U' ') return asSignedByte(alone);
        const char32_t result = composed(symbol.character, accent);
        return asSignedByte(result && macRomanByte(result) >= 0 ? result : symbol.character);
    }
    if (symbol.combining) {
        fields->State = static_cast<PluginInteger>((symbol.combining << 16) | (symbol.character & 0xFFFF));
        return 0;
    }
    return asSignedByte(symbol.character);
}

PluginInteger KeyCodeToAscii(REALobject instance, PluginInteger keycode) {
    fieldsOf(instance)->State = 0;
    return translate(instance, keycode);
}

PluginInteger KeyCodeToAsciiWithSecondKeyCode(REALobject instance, PluginInteger keycode) {
    return translate(instance, keycode);
}

bool keyIsDown(int key) { return backend<KeyboardBackend>().keysDown().test(static_cast<std::size_t>(key)); }

bool TestForKeyDown(REALobject instance, PluginInteger keycode) {
    const unsigned key = static_cast<unsigned>(keycode) & 0xFFFF;
    return key < kMacKeyCodes && builtTable(instance) && keyIsDown(static_cast<int>(key));
}

bool TestForAsciiKeyDown(REALobject instance, PluginInteger ascii) {
    const PluginInteger key = AsciiToKeyCode(instance, ascii);
    if ((static_cast<unsigned>(ascii) & 0xFFFF) > 255 || key < 0 || key >= kMacKeyCodes) return false;
    return keyIsDown(key);
}

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
