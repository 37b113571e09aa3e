#pragma once
// The shared help viewer: a resizable window with the read-only help text, a pop-up of text sizes
// and an "O.K." button that hides it for the next caller. Command-W closes it for good.
#include "platform/Controls.h"
#include "platform/Window.h"

class WHelp : public Window {
    Q_OBJECT
public:
    // The open help viewer, or a new hidden one.
    static WHelp* instance();

    WHelp();

    EditField* EditField1;
    PushButton* PushButton1;
    PopupMenu* PopupMenu1;
    StaticText* StaticText1;

    void PushButton1_Action();
    void PopupMenu1_Change();
    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    void Event_Resized() override;
    bool Event_KeyDown(const QString& key) override;
    void Event_Activate() override;
    bool _EditCopy_Action();
};
