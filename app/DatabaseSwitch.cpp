// Switching the whole program to another database file, and the "Copy ..." message.
#include "app/App.h"
#include "core/DatabaseCheck.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "display/displayWindow.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"
#include "platform/Window.h"

#include <algorithm>

bool App::_DataBaseOpen_Action() {
    MessageDialog confirm;
    confirm.Icon = 3;
    confirm.ActionButtonCaption = "Yes";
    confirm.CancelButtonVisible = true;
    confirm.CancelButtonCaption = "cancel";
    confirm.Message = "Connect to another yarrowen database?";
    confirm.Explanation =
        QString("All windows will close before attempting to connect. ") + CR + "The current yarrowen database will close.";
    if (ShowModal(confirm) == DialogButton::Cancel) return false;

    const QString file = GetOpenFolderItem(databaseFileType);
    if (file.isEmpty()) return false;

    // The candidate connection, made when the file passed its check, becomes the shared one: a file
    // put in its place while the windows close is not used unchecked. A file that fails is left as
    // it was, with what lies beside it; so is the candidate when a window stops the switch.
    auto candidate = std::make_shared<SQLDatabase>();
    candidate->setDatabaseFile(file);
    chooseConnectionMode(*candidate, file);
    if (!checkDatabase(*candidate)) return false;

    // Each window is asked once, the display window last: a window that refuses to close (an
    // editor keeping unsaved changes) stops the switch with the file in use and the chain still
    // on screen. The windows store their bounds through the old connection as they close.
    std::vector<QPointer<Window>> windows = windowSnapshot();
    std::stable_partition(windows.begin(), windows.end(),
                          [](const QPointer<Window>& window) { return !qobject_cast<displayWindow*>(window.data()); });
    for (const QPointer<Window>& window : windows)
        if (window && !window->isClosed() && !window->Close()) return false;

    if (M_globals::db) M_globals::db->Close();
    M_globals::f_db = file;
    M_globals::db = candidate;
    setUpLoadedDB();
    tellWhenReadOnly();
    return false;
}

void App::setUpLoadedDB() {
    M_globals::LoadPrefs();
    M_globals::TableTri = "TRIGRAMS_DEFAULT";
    M_globals::TableHex = "ENGLISH_DEFAULT";
    markTextFontMenu();
    M_globals::loadtritable(M_globals::TableTri);
    showWindow<displayWindow>();
}

bool App::_DataBaseCopy_Action() {
    MsgBox(QString("To Copy a database, Use a file manager.") + CR + "  (It is Not Recommended to use databases" + CR +
           "   created with another database Front End" + CR + "   as yarrowen may not handle them correctly.)");
    return false;
}
