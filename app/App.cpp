#include "app/App.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "app/aboutWindow.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "lists/ListsWindow.h"
#include "platform/Fonts.h"
#include "platform/PluginHost.h"
#include "platform/SQLDatabase.h"

#include <cstdio>

App* App::instance() { return dynamic_cast<App*>(Application::instance()); }

App::~App() {
    if (!hasShutDown()) closeAllWindows();
    setMenuBar(nullptr);
    MenuBar1::release();
}

void prepareApplication(App& app) {
    // The plug-in library beside the program; without it the system font is Qt's, and the reason
    // it did not load goes to standard error.
    PluginHost& plugins = PluginHost::instance();
    if (!plugins.loadPlugins()) std::fprintf(stderr, "yarrowen: %s\n", qPrintable(plugins.errorString()));
    app.setMenuBar(MenuBar1::instance());
    app.AddMenuHandlers();
    displayWindow::instance();
}

void App::AddMenuHandlers() {
    AddMenuHandler("OptionsClearWindow", [this] { return _OptionsClearWindow_Action(); });
    AddMenuHandler("Filegetdbscheme", [this] { return _Filegetdbscheme_Action(); });
    AddMenuHandler("DataBaseCurrentHexDataTable", [this] { return _DataBaseCurrentHexDataTable_Action(); });
    AddMenuHandler("DataBaseCurrentTrigramdataTable", [this] { return _DataBaseCurrentTrigramdataTable_Action(); });
    AddMenuHandler("FileAboutyarrowen", [this] { return _FileAboutyarrowen_Action(); });
    AddMenuHandler("FilePageSetup", [this] { return _FilePageSetup_Action(); });
    AddMenuHandler("M_FONTS", [this](int index) { return _M_FONTS_Action(index); });
    AddMenuHandler("DataBaseOpen", [this] { return _DataBaseOpen_Action(); });
    AddMenuHandler("DataBaseCopy", [this] { return _DataBaseCopy_Action(); });
    AddMenuHandler("HelpGeneralHelp", [this] { return _HelpGeneralHelp_Action(); });
}

void App::Event_Open() {
    M_globals::font_system = systemFontName();
    dbeditOptionsMenu()->setVisible(false);
    M_globals::makeTrigramObjects();
    // A missing database file, or one that fails its check, ends start-up here: nothing after
    // this reads or writes a database.
    if (!getStartdatabase() || !getdatabase()) {
        Quit(0);
        return;
    }
    M_globals::setStartValues();
    fillTextFontMenu();
    M_globals::loadtritable(M_globals::TableTri);
    showWindow<displayWindow>();
}

void App::Event_Close() {
    if (M_globals::db) M_globals::db->Close();
}

void App::Event_EnableMenuItems() {
    OptionsClearWindow()->setEnabled(true);
    Filegetdbscheme()->setEnabled(true);
    DataBaseCurrentHexDataTable()->setEnabled(true);
    DataBaseCurrentTrigramdataTable()->setEnabled(true);
    EdittextFont()->setEnabled(true);
    FileAboutyarrowen()->setEnabled(true);
    FilePageSetup()->setEnabled(true);
    HelpGeneralHelp()->setEnabled(true);
}

bool App::_OptionsClearWindow_Action() {
    auto* front = dynamic_cast<displayWindow*>(frontWindow());
    if (!front || front->virevcount < 2) return false;
    displayWindow::instance()->Close();
    showWindow<displayWindow>();
    return false;
}

namespace {

bool showLists(int mode) {
    showWindow<ListsWindow>([mode](ListsWindow& lists) { lists.WakeUp(mode); });
    return false;
}

}  // namespace

bool App::_Filegetdbscheme_Action() { return showLists(2); }
bool App::_DataBaseCurrentHexDataTable_Action() { return showLists(0); }
bool App::_DataBaseCurrentTrigramdataTable_Action() { return showLists(1); }

bool App::_FileAboutyarrowen_Action() {
    showWindow<aboutWindow>();
    return false;
}

bool App::_FilePageSetup_Action() {
    dopagesetup();
    return false;
}

bool App::_HelpGeneralHelp_Action() {
    showHelp("General Help", HelpGeneral());
    return false;
}
