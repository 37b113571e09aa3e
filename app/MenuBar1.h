#pragma once
// The application's one menu bar: File, Edit, Options and "db edit Options", 74 items, built on
// first use. Every window shows it; code reaches an item through the accessor named like it.
#include "platform/Menus.h"

class MenuBar1 : public MenuBar {
public:
    // The shared instance, built on the first call.
    static MenuBar1* instance();
    // Releases the shared instance at exit; the next instance() builds a new one.
    static void release();

private:
    MenuBar1();
    void Untitled0();  // File
    void Untitled1();  // Edit
    void Untitled2();  // Options
    void Untitled3();  // db edit Options
};

// One element of the text-font item array "M_FONTS"; made elements install themselves as the
// array's next element. (The accessor M_FONTS(index) shares the name, as stat() does.)
class M_FONTS : public MenuItem {
public:
    M_FONTS();
};

// Item accessors: the item of that name in the application's menu bar.
MenuItem* FilePageSetup();
MenuItem* FilePrint();
MenuItem* FileHelp();
MenuItem* HelpGeneralHelp();
MenuItem* DataBaseCurrentHexDataTable();
MenuItem* DataBaseCurrentTrigramdataTable();
MenuItem* Filegetdbscheme();
MenuItem* FileAboutyarrowen();
MenuItem* EditCopy();
MenuItem* EditSelectAll();
MenuItem* Copysymbol();
MenuItem* EditDisplay();
MenuItem* EdittextFont();
MenuItem* M_FONTS(int index);
MenuItem* EditeditHex();
MenuItem* EditDeleteHexagram();
MenuItem* OptionsMenu();
MenuItem* OptionsClearWindow();
MenuItem* Optionsbook();
MenuItem* bookfirst();
MenuItem* booknext();
MenuItem* bookprevious();
MenuItem* bookLast();
MenuItem* OptionsText();
MenuItem* OptionsTalk();
MenuItem* Optionsinput();
MenuItem* OptionsTables();
MenuItem* Tablesshow();
MenuItem* Tablescopy();
MenuItem* Tablesedit();
MenuItem* Tablesarchive();
MenuItem* archiveexport();
MenuItem* archiveimport();
MenuItem* Tablesdelete();
MenuItem* TablesUse();
MenuItem* OptionsHexChains();
MenuItem* HexChainssave();
MenuItem* HexChainsLoad();
MenuItem* HexChainsDelete();
MenuItem* OptionsDisplay();
MenuItem* DisplayAddtoChain();
MenuItem* DisplayEditLastHex();
MenuItem* OptionsChainWindow();
MenuItem* Optionstrimwindow();
MenuItem* dbeditOptionsMenu();
MenuItem* UseNumberBook();
MenuItem* UseNumberBoolean();
