#include "core/WindowBounds.h"

#include "core/M_globals.h"
#include "platform/Dialogs.h"
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
    SQLDatabase* db = M_globals::db.get();
    if (!db || !db->isConnected()) return;
    auto prefs = db->SQLSelect("SELECT rowid AS rowid, * FROM ProgramPrefs");
    if (!prefs || db->Error()) {
        MsgBox(db->ErrorMessage());
        return;
    }
    prefs->MoveFirst();
    if (!prefs->isEOF()) {
        prefs->Edit();
        prefs->Field(column).setStringValue(boundsString(window));
        prefs->Update();
        db->Commit();
    }
    prefs->Close();
}
