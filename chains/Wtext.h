#pragma once
// The text window: the display window's chain as text that the user can read and edit. The report
// is rebuilt by wakeup only (the Text command, and a change of the tables in use); what the user
// types is never stored. The window keeps its bounds in ProgramPrefs (TextW).
#include "platform/Controls.h"
#include "platform/Window.h"
#include "platform/WindowRegistry.h"

class Wtext : public Window, public RefreshableWindow {
    Q_OBJECT
public:
    // The open text window, or a new one.
    static Wtext* instance();

    Wtext();

    EditField* EF1;
    int hexcount = 0;  // the number of hexagrams of the last report

    void EF1_Open();
    void Event_Resized() override;
    bool Event_KeyDown(const QString& key) override;
    void Event_Open() override;
    void Event_Close() override;
    void Event_Activate() override;
    void Event_EnableMenuItems() override;
    void AddMenuHandlers() override;
    void applyTextFont() override;
    bool _OptionsChainWindow_Action();

    // Writes the report of the display window's chain into EF1.
    void wakeup();

    void refreshAfterTablesChanged() override { wakeup(); }
};
