#pragma once
// The input window, as far as the display window needs it yet: a sheet over the display window
// showing the trigram picture, with its help. Composing a hexagram comes later.
#include "platform/Controls.h"
#include "platform/Window.h"

class InputWindow : public Window {
    Q_OBJECT
public:
    static InputWindow* instance();

    InputWindow();

    ImageWell* ImageWell1;

    // Sets the window up over the display window behind it; mode is not read.
    void wakeup(int mode, bool isEdit);

    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    bool _FileHelp_Action();
};
