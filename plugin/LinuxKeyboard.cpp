// The keyboard on Linux: the layout from xkbcommon (the X server's when there is one, else the
// configured default), and the keys held down from the X server.
#include "plugin/Backends.h"

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// Linux key codes (evdev) of the Mac key codes 0..127; 0 where the Mac key has no counterpart.
constexpr uint16_t kEvdevOfMacKey[kMacKeyCodes] = {
    30,  31,  32,  33,  35,  34,  44,  45,  46,  47,  86,  48,  16,  17,  18,  19,   // 0-15: A S D F H G Z X C V § B Q W E R
    21,  20,  2,   3,   4,   5,   7,   6,   13,  10,  8,   12,  9,   11,  27,  24,   // 16-31: Y T 1 2 3 4 6 5 = 9 7 - 8 0 ] O
    22,  26,  23,  25,  28,  38,  36,  40,  37,  39,  43,  51,  53,  49,  50,  52,   // 32-47: U [ I P Return L J ' K ; \ , / N M .
    15,  57,  41,  14,  0,   1,   126, 125, 42,  58,  56,  29,  54,  100, 97,  0,    // 48-63: Tab Space ` Delete - Esc Cmd... Fn
    187, 83,  0,   55,  0,   78,  0,   69,  115, 114, 113, 98,  96,  0,   74,  188,  // 64-79: F17 KP. - KP* - KP+ - Clear Vol+ Vol- Mute KP/ Enter - KP- F18
    189, 117, 82,  79,  80,  81,  75,  76,  77,  71,  190, 72,  73,  124, 89,  121,  // 80-95: F19 KP= KP0..KP7 F20 KP8 KP9 Yen Ro KP,
    63,  64,  65,  61,  66,  67,  0,   87,  0,   183, 186, 184, 0,   68,  127, 88,   // 96-111: F5 F6 F7 F3 F8 F9 - F11 - F13 F16 F14 - F10 Menu F12
    0,   185, 110, 102, 104, 111, 62,  107, 60,  109, 59,  105, 106, 108, 103, 0,    // 112-127: - F15 Help Home PgUp Del F4 End F2 PgDn F1 Left Right Down Up
};

// The characters the Mac keyboard gives keys that xkbcommon leaves without one.
struct MacKeyCharacter {
    int key;
    char32_t character;
};
constexpr MacKeyCharacter kMacKeyCharacters[] = {
    {76, 3},  {115, 1},  {119, 4},  {114, 5},  {116, 11}, {121, 12},
    {123, 28}, {124, 29}, {126, 30}, {125, 31},
    {122, 16}, {120, 16}, {99, 16}, {118, 16}, {96, 16}, {97, 16}, {98, 16}, {100, 16}, {101, 16}, {109, 16},
    {103, 16}, {111, 16}, {105, 16}, {107, 16}, {113, 16}, {106, 16}, {64, 16}, {79, 16}, {80, 16}, {90, 16},
};

struct DeadKey {
    xkb_keysym_t keysym;
    char32_t combining;
    char32_t alone;
};
constexpr DeadKey kDeadKeys[] = {
    {XKB_KEY_dead_grave, 0x0300, U'`'},       {XKB_KEY_dead_acute, 0x0301, 0x00B4},
    {XKB_KEY_dead_circumflex, 0x0302, U'^'},  {XKB_KEY_dead_tilde, 0x0303, U'~'},
    {XKB_KEY_dead_macron, 0x0304, 0x00AF},    {XKB_KEY_dead_breve, 0x0306, 0x02D8},
    {XKB_KEY_dead_abovedot, 0x0307, 0x02D9},  {XKB_KEY_dead_diaeresis, 0x0308, 0x00A8},
    {XKB_KEY_dead_abovering, 0x030A, 0x02DA}, {XKB_KEY_dead_doubleacute, 0x030B, 0x02DD},
    {XKB_KEY_dead_caron, 0x030C, 0x02C7},     {XKB_KEY_dead_cedilla, 0x0327, 0x00B8},
    {XKB_KEY_dead_ogonek, 0x0328, 0x02DB},
};

KeySymbol symbolOf(xkb_keysym_t keysym) {
    for (const DeadKey& dead : kDeadKeys)
        if (dead.keysym == keysym) return {dead.alone, dead.combining};
    return {xkb_keysym_to_utf32(keysym), 0};
}

template <typename T, void (*Free)(T*)>
struct Deleter {
    void operator()(T* pointer) const { Free(pointer); }
};
using Context = std::unique_ptr<xkb_context, Deleter<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Deleter<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Deleter<xkb_state, xkb_state_unref>>;
using Connection = std::unique_ptr<xcb_connection_t, Deleter<xcb_connection_t, xcb_disconnect>>;

// A connection to the X server of $DISPLAY, or none.
Connection connectToX() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return nullptr;
    Connection connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get())) return nullptr;
    return connection;
}

KeyboardLayout layoutOf(xkb_keymap* keymap, xkb_layout_index_t layout) {
    KeyboardLayout result;
    const char* name = xkb_keymap_layout_get_name(keymap, layout);
    result.name = name ? name : "";
    for (int key = 0; key < kMacKeyCodes; ++key) {
        if (!kEvdevOfMacKey[key]) continue;
        const xkb_keycode_t keycode = kEvdevOfMacKey[key] + 8;  // X key codes are evdev + 8
        for (int level = 0; level < kKeyLevels; ++level) {
            const xkb_keysym_t* keysyms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, static_cast<xkb_level_index_t>(level),
                                                 &keysyms) > 0)
                result.keys[key][level] = symbolOf(keysyms[0]);
        }
    }
    for (const MacKeyCharacter& special : kMacKeyCharacters)
        for (KeySymbol& symbol : result.keys[special.key]) symbol = {special.character, 0};
    return result;
}

class XkbKeyboard : public KeyboardBackend {
public:
    explicit XkbKeyboard(bool askXServer) : askXServer(askXServer) {}

    std::optional<KeyboardLayout> currentLayout() override {
        const Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
        if (!context) return std::nullopt;
        if (askXServer)
            if (Connection connection = connectToX())
                if (auto layout = serverLayout(context.get(), connection.get())) return layout;
        // The default of the system's configuration, or of $XKB_DEFAULT_LAYOUT and its kin.
        const Keymap keymap(xkb_keymap_new_from_names(context.get(), nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS));
        if (!keymap) return std::nullopt;
        return layoutOf(keymap.get(), 0);
    }

    std::bitset<kMacKeyCodes> keysDown() override {
        std::bitset<kMacKeyCodes> down;
        if (!askXServer) return down;
        const Connection connection = connectToX();
        if (!connection) return down;
        xcb_query_keymap_reply_t* reply =
            xcb_query_keymap_reply(connection.get(), xcb_query_keymap(connection.get()), nullptr);
        if (!reply) return down;
        for (int key = 0; key < kMacKeyCodes; ++key) {
            const unsigned x = kEvdevOfMacKey[key] + 8u;
            if (kEvdevOfMacKey[key] && x < 256 && (reply->keys[x / 8] >> (x % 8)) & 1) down.set(static_cast<std::size_t>(key));
        }
        std::free(reply);
        return down;
    }

private:
    // The layout of the server's keyboard in its current group.
    static std::optional<KeyboardLayout> serverLayout(xkb_context* context, xcb_connection_t* connection) {
        if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                         XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
            return std::nullopt;
        const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
        if (device < 0) return std::nullopt;
        const Keymap keymap(xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
        if (!keymap) return std::nullopt;
        const State state(xkb_x11_state_new_from_device(keymap.get(), connection, device));
        const xkb_layout_index_t group = state ? xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) : 0;
        return layoutOf(keymap.get(), group);
    }

    bool askXServer;
};

}  // namespace

std::unique_ptr<KeyboardBackend> makeXkbKeyboard(bool askXServer) {
    return std::make_unique<XkbKeyboard>(askXServer);
}

template <>
KeyboardBackend& linuxBackend<KeyboardBackend>() {
    static XkbKeyboard keyboard(true);
    return keyboard;
}
