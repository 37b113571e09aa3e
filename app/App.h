#pragma once
// The application object: start-up and quit, the application-wide menu commands, page setup, the
// text-font menu, and the database connection with its validation and switch.
#include "platform/Application.h"

#include <QString>

class SQLDatabase;
class RecordSet;

class App : public Application {
public:
    // The registered application object as an App, or nullptr.
    static App* instance();

    // Releases what the application holds for the run: its windows and the shared menu bar.
    ~App() override;

    // The index of the checked element of the text-font menu.
    int thecheckedTextMenuItem = 0;

    void Event_Open() override;
    void Event_Close() override;
    void Event_EnableMenuItems() override;

    // Binds the ten application menu handlers by item name.
    void AddMenuHandlers();

    // Menu handlers; each answers False.
    bool _OptionsClearWindow_Action();
    bool _Filegetdbscheme_Action();
    bool _DataBaseCurrentHexDataTable_Action();
    bool _DataBaseCurrentTrigramdataTable_Action();
    bool _FileAboutyarrowen_Action();
    bool _FilePageSetup_Action();
    bool _M_FONTS_Action(int index);
    bool _DataBaseOpen_Action();
    bool _DataBaseCopy_Action();
    bool _HelpGeneralHelp_Action();

    // Runs the page-setup dialog; True when the user confirmed it.
    bool dopagesetup();

    // The start-up connection. getStartdatabase finds "i_virev_DB" beside the program; when it is
    // missing it shows the message and answers False. getdatabase then checks it as a switch
    // checks a file, connects it and loads the fonts; a file that fails the check gets one
    // message, is left unconnected, and the answer is False. On either False the caller ends
    // start-up and quits with exit code 0.
    static bool getStartdatabase();
    static bool getdatabase();

    // Validation of the candidate's file (its DatabaseFile) before a switch, writing nothing to it
    // or beside it (openDatabaseFile); the candidate is connected when it passes, and a switch
    // keeps that connection. What fails is shown in one message.
    static bool checkDatabase(SQLDatabase& candidate);
    // True when the table list holds the name, its letter case ignored.
    static bool checkDefaultTables(RecordSet& tables, const QString& name);
    // True when a hexagram-text (0) or trigram (1) table has every column the program reads; any
    // other type passes.
    static bool checkFields(RecordSet& columns, int tableType);

    // After a successful switch: fonts, tables in use, text-font mark, trigrams, a fresh display
    // window.
    void setUpLoadedDB();

    // The file name of the start-up database, looked up beside the program.
    static constexpr const char* startDatabaseName = "i_virev_DB";
    // The database file type, the open dialog's filter.
    static constexpr const char* databaseFileType = "virevdb";
    // The last line of every message of a switch that was refused.
    static constexpr const char* switchRefused = "Returning Unchanged to Current Database Connection.";

private:
    // The text-font menu: one element per installed font, and the check mark on the text font
    // (or, when no element has it, on the system font).
    void fillTextFontMenu();
    void markTextFontMenu();
};

// The steps of start-up before the event loop: the plug-in host, the menu bar, the application's
// menu handlers and the display window. main() then runs the application.
void prepareApplication(App& app);
