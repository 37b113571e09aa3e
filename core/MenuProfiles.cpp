// Which menus and items each main window kind shows while it is in front.
#include "core/M_globals.h"
#include "platform/Application.h"

namespace {

// For each item, one letter per mode 0..4: S shown, H hidden, - left as it is.
struct ProfileRow {
    const char* item;
    const char* modes;
};

const ProfileRow profiles[] = {
    {"OptionsMenu", "SSSSH"},        {"dbeditOptionsMenu", "HHHHS"},  {"EditDeleteHexagram", "SHH--"},
    {"OptionsTalk", "SHSS-"},        {"OptionsClearWindow", "SHHH-"}, {"Optionsbook", "SHHH-"},
    {"OptionsText", "SHHH-"},        {"Optionsinput", "SHHH-"},       {"OptionsHexChains", "SHHH-"},
    {"EditDisplay", "SHHH-"},        {"EditeditHex", "SHHH-"},        {"Copysymbol", "SHHH-"},
    {"OptionsChainWindow", "SSSS-"}, {"OptionsTables", "HSHH-"},      {"OptionsDisplay", "HSHH-"},
};

}  // namespace

namespace M_globals {

void checkmenus(int mode) {
    if (mode < 0 || mode > 4) return;
    Application* application = Application::instance();
    MenuBar* bar = application ? application->menuBar() : nullptr;
    if (!bar) return;
    for (const ProfileRow& row : profiles) {
        MenuItem* item = bar->Lookup(row.item);
        const char cell = row.modes[mode];
        if (!item || cell == '-') continue;
        // The item brings forward the other main window: the chain page from the display window,
        // the display window from the others.
        if (QString(row.item) == "OptionsChainWindow") item->setText(mode == 0 ? "Chain Window" : "Display Window");
        item->setVisible(cell == 'S');
    }
}

}  // namespace M_globals
