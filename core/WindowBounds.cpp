#include "core/WindowBounds.h"

#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "platform/SQLDatabase.h"
#include "platform/Window.h"

void restoreWindowBounds(Window& window, const QString& column) {
    if (!M_globals::db || !M_globals::db->isConnected()) return;
    auto prefs = M_globals::db->SQLSelect("SELECT * FROM ProgramPrefs");
    if (!prefs) return;
    prefs->MoveFirst();
    if (!prefs->isEOF()) applyStoredBounds(window, parseBounds(prefs->Field(column).StringValue()));
    prefs->Close();
}

void storeWindowBounds(const Window& window, const QString& column) {
    // A file that can only be read was said to be so when it opened; a window place is no reason
    // to say it again.
    if (databaseIsReadOnly()) return;
    M_globals::writeFirstPrefsRow({{column, boundsString(window)}},
                                  "The place of the window \"" + window.Title() + "\" was not saved");
}
