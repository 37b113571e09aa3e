#include "app/MenuBar1.h"

#include "platform/Application.h"

namespace {

MenuBar1* shared = nullptr;

using Kind = MenuItem::Kind;

// One item as the builders make it: the menu (and sub-menu) it goes in, its name, caption,
// shortcut and class.
struct ItemRow {
    const char* menu;
    const char* submenu;  // "" for an item directly in the menu
    const char* name;
    const char* caption;
    const char* shortcut;
    Kind kind;
};

const ItemRow fileMenu[] = {
    {"FileMenu", "", "FilePageSetup", "Page Setup...", "", Kind::Plain},
    {"FileMenu", "", "FilePrint", "Print...", "Cmd+P", Kind::Plain},
    {"FileMenu", "", "UntitledItem", "-", "", Kind::Plain},
    {"FileMenu", "", "FileHelps", "Help", "", Kind::Plain},
    {"FileMenu", "FileHelps", "FileHelp", "Window Help", "Cmd+?", Kind::Plain},
    {"FileMenu", "FileHelps", "HelpGeneralHelp", "General Help", "", Kind::Plain},
    {"FileMenu", "", "UntitledItem", "-", "", Kind::Plain},
    {"FileMenu", "", "FileDatabase", "DataBase", "", Kind::Plain},
    {"FileMenu", "FileDatabase", "DataBaseCurrentHexDataTable", "Current Hex Data Table", "Cmd+H", Kind::Plain},
    {"FileMenu", "FileDatabase", "DataBaseCurrentTrigramdataTable", "Current Trigram Data Table", "Cmd+Option+H",
     Kind::Plain},
    {"FileMenu", "FileDatabase", "UntitledItem", "-", "", Kind::Plain},
    {"FileMenu", "FileDatabase", "Filegetdbscheme", "Display Database Schema", "", Kind::Plain},
    {"FileMenu", "FileDatabase", "UntitledItem", "-", "", Kind::Plain},
    {"FileMenu", "FileDatabase", "DataBaseOpen", "Open...", "", Kind::Plain},
    {"FileMenu", "FileDatabase", "DataBaseCopy", "Copy ...", "", Kind::Plain},
    {"FileMenu", "", "UntitledItem", "-", "", Kind::Quit},
    {"FileMenu", "", "FileAboutyarrowen", "About yarrowen...", "", Kind::Apple},
    // A plain item, so that choosing it cannot quit: the program has no preferences command.
    {"FileMenu", "", "FilePreferences", "Preferences...", "", Kind::Plain},
    {"FileMenu", "", "UntitledItem", "-", "", Kind::Quit},
    {"FileMenu", "", "FileQuit", "Quit", "Cmd+Q", Kind::Quit},
};

const ItemRow editMenu[] = {
    {"EditMenu", "", "EditUndo", "&Undo", "Cmd+Z", Kind::Plain},
    {"EditMenu", "", "UntitledMenu1", "-", "", Kind::Plain},
    {"EditMenu", "", "EditCut", "Cu&t", "Cmd+X", Kind::Plain},
    {"EditMenu", "", "EditCopy", "&Copy", "Cmd+C", Kind::Plain},
    {"EditMenu", "", "Copysymbol", "Copy symbol", "", Kind::Plain},
    {"EditMenu", "", "EditPaste", "&Paste", "Cmd+V", Kind::Plain},
    {"EditMenu", "", "EditClear", "Clear", "", Kind::Plain},
    {"EditMenu", "", "UntitledMenu0", "-", "", Kind::Plain},
    {"EditMenu", "", "EditSelectAll", "Select &All", "Cmd+A", Kind::Plain},
    {"EditMenu", "", "UntitledItem", "-", "", Kind::Plain},
    {"EditMenu", "", "EditDisplay", "display...", "Cmd+Option+d", Kind::Plain},
    {"EditMenu", "", "EdittextFont", "text Font", "", Kind::Plain},
    {"EditMenu", "EdittextFont", "M_FONTS", "untitled", "", Kind::Plain},
    {"EditMenu", "", "EditeditHex", "Edit Hexagram", "Cmd+E", Kind::Plain},
    {"EditMenu", "", "EditDeleteHexagram", "Delete Hexagram", "Cmd+D", Kind::Plain},
};

const ItemRow optionsMenu[] = {
    {"OptionsMenu", "", "OptionsClearWindow", "Clear Window", "", Kind::Plain},
    {"OptionsMenu", "", "Optionsbook", "Book", "", Kind::Plain},
    {"OptionsMenu", "Optionsbook", "bookfirst", "First", "", Kind::Plain},
    {"OptionsMenu", "Optionsbook", "booknext", "Next", "Cmd+Option+N", Kind::Plain},
    {"OptionsMenu", "Optionsbook", "bookprevious", "Previous", "Cmd+Option+P", Kind::Plain},
    {"OptionsMenu", "Optionsbook", "bookLast", "Last", "", Kind::Plain},
    {"OptionsMenu", "", "OptionsText", "Text", "Cmd+T", Kind::Plain},
    {"OptionsMenu", "", "OptionsTalk", "Talk", "Cmd+Option+T", Kind::Plain},
    {"OptionsMenu", "", "Optionsinput", "input", "Cmd+i", Kind::Plain},
    {"OptionsMenu", "", "OptionsTables", "Tables", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "Tablesshow", "show", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "Tablescopy", "copy...", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "Tablesedit", "edit", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "Tablesarchive", "archive", "", Kind::Plain},
    {"OptionsMenu", "Tablesarchive", "archiveexport", "export...", "", Kind::Plain},
    {"OptionsMenu", "Tablesarchive", "archiveimport", "import...", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "UntitledItem", "-", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "Tablesdelete", "delete", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "UntitledItem", "-", "", Kind::Plain},
    {"OptionsMenu", "OptionsTables", "TablesUse", "Use", "", Kind::Plain},
    {"OptionsMenu", "", "OptionsHexChains", "Hex Chains", "", Kind::Plain},
    {"OptionsMenu", "OptionsHexChains", "HexChainssave", "Save", "", Kind::Plain},
    {"OptionsMenu", "OptionsHexChains", "HexChainsLoad", "Load", "Cmd+L", Kind::Plain},
    {"OptionsMenu", "OptionsHexChains", "HexChainsDelete", "Delete", "", Kind::Plain},
    {"OptionsMenu", "", "OptionsDisplay", "Add to Display", "", Kind::Plain},
    {"OptionsMenu", "OptionsDisplay", "DisplayAddtoChain", "Add to Chain", "Cmd+A", Kind::Plain},
    {"OptionsMenu", "OptionsDisplay", "DisplayEditLastHex", "Edit Last Hex", "Cmd+Option+A", Kind::Plain},
    {"OptionsMenu", "", "UntitledItem", "-", "", Kind::Plain},
    {"OptionsMenu", "", "OptionsChainWindow", "Show Chain Window", "", Kind::Plain},
    {"OptionsMenu", "", "UntitledItem", "-", "", Kind::Plain},
    {"OptionsMenu", "", "Optionstrimwindow", "Trim This Window", "", Kind::Plain},
};

const ItemRow dbEditMenu[] = {
    {"dbeditOptionsMenu", "", "dbeditOptionsUseNumber", "Use Number", "", Kind::Plain},
    {"dbeditOptionsMenu", "dbeditOptionsUseNumber", "UseNumberBook", "Book", "", Kind::Plain},
    {"dbeditOptionsMenu", "dbeditOptionsUseNumber", "UseNumberBoolean", "Boolean", "", Kind::Plain},
    {"dbeditOptionsMenu", "", "dbeditOptionsGotoRecord", "Goto Record...", "", Kind::Plain},
};

MenuItem* childNamed(const MenuItem* parent, const QString& name) {
    for (int i = 0; i < parent->Count(); ++i)
        if (parent->Item(i)->Name() == name) return parent->Item(i);
    return nullptr;
}

// The menu item itself, then its items, each appended to the parent found by walking from the bar
// through direct children by name.
template <size_t N>
void build(MenuBar* bar, const char* menuName, const char* caption, const ItemRow (&rows)[N]) {
    bar->Append(new MenuItem(menuName, caption));
    for (const ItemRow& row : rows) {
        MenuItem* parent = childNamed(bar, row.menu);
        if (*row.submenu) {
            // Sub-menus nest at most two deep: a sub-menu of a sub-menu is found below its parent.
            MenuItem* sub = childNamed(parent, row.submenu);
            for (int i = 0; !sub && i < parent->Count(); ++i) sub = childNamed(parent->Item(i), row.submenu);
            parent = sub;
        }
        parent->Append(new MenuItem(row.name, row.caption, row.shortcut, row.kind));
    }
}

MenuItem* lookup(const char* name, int index = 0) {
    Application* application = Application::instance();
    MenuBar* bar = application && application->menuBar() ? application->menuBar() : MenuBar1::instance();
    return bar->Lookup(name, index);
}

}  // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0() { build(this, "FileMenu", "&File", fileMenu); }
void MenuBar1::Untitled1() { build(this, "EditMenu", "&Edit", editMenu); }
void MenuBar1::Untitled2() { build(this, "OptionsMenu", "Options", optionsMenu); }
void MenuBar1::Untitled3() { build(this, "dbeditOptionsMenu", "db edit Options", dbEditMenu); }

MenuBar1* MenuBar1::instance() {
    if (!shared) shared = new MenuBar1();
    return shared;
}

void MenuBar1::release() {
    delete shared;
    shared = nullptr;
}

M_FONTS::M_FONTS() : MenuItem("M_FONTS", "untitled") { MenuBar1::instance()->InstallClone(this); }

#define MENU_ITEM_ACCESSOR(name) \
    MenuItem* name() { return lookup(#name); }

MENU_ITEM_ACCESSOR(FilePageSetup)
MENU_ITEM_ACCESSOR(FilePrint)
MENU_ITEM_ACCESSOR(FileHelp)
MENU_ITEM_ACCESSOR(HelpGeneralHelp)
MENU_ITEM_ACCESSOR(DataBaseCurrentHexDataTable)
MENU_ITEM_ACCESSOR(DataBaseCurrentTrigramdataTable)
MENU_ITEM_ACCESSOR(Filegetdbscheme)
MENU_ITEM_ACCESSOR(FileAboutyarrowen)
MENU_ITEM_ACCESSOR(EditCopy)
MENU_ITEM_ACCESSOR(EditSelectAll)
MENU_ITEM_ACCESSOR(Copysymbol)
MENU_ITEM_ACCESSOR(EditDisplay)
MENU_ITEM_ACCESSOR(EdittextFont)
MENU_ITEM_ACCESSOR(EditeditHex)
MENU_ITEM_ACCESSOR(EditDeleteHexagram)
MENU_ITEM_ACCESSOR(OptionsMenu)
MENU_ITEM_ACCESSOR(OptionsClearWindow)
MENU_ITEM_ACCESSOR(Optionsbook)
MENU_ITEM_ACCESSOR(bookfirst)
MENU_ITEM_ACCESSOR(booknext)
MENU_ITEM_ACCESSOR(bookprevious)
MENU_ITEM_ACCESSOR(bookLast)
MENU_ITEM_ACCESSOR(OptionsText)
MENU_ITEM_ACCESSOR(OptionsTalk)
MENU_ITEM_ACCESSOR(Optionsinput)
MENU_ITEM_ACCESSOR(OptionsTables)
MENU_ITEM_ACCESSOR(Tablesshow)
MENU_ITEM_ACCESSOR(Tablescopy)
MENU_ITEM_ACCESSOR(Tablesedit)
MENU_ITEM_ACCESSOR(Tablesarchive)
MENU_ITEM_ACCESSOR(archiveexport)
MENU_ITEM_ACCESSOR(archiveimport)
MENU_ITEM_ACCESSOR(Tablesdelete)
MENU_ITEM_ACCESSOR(TablesUse)
MENU_ITEM_ACCESSOR(OptionsHexChains)
MENU_ITEM_ACCESSOR(HexChainssave)
MENU_ITEM_ACCESSOR(HexChainsLoad)
MENU_ITEM_ACCESSOR(HexChainsDelete)
MENU_ITEM_ACCESSOR(OptionsDisplay)
MENU_ITEM_ACCESSOR(DisplayAddtoChain)
MENU_ITEM_ACCESSOR(DisplayEditLastHex)
MENU_ITEM_ACCESSOR(OptionsChainWindow)
MENU_ITEM_ACCESSOR(Optionstrimwindow)
MENU_ITEM_ACCESSOR(dbeditOptionsMenu)
MENU_ITEM_ACCESSOR(UseNumberBook)
MENU_ITEM_ACCESSOR(UseNumberBoolean)

MenuItem* M_FONTS(int index) { return lookup("M_FONTS", index); }
