#pragma once
// The lists window, as far as the application's commands need it yet: one instance, switched to a
// mode (0 the hexagram-text table in use, 1 the trigram table in use, 2 the schema) with its title.
// The lists themselves come later.
#include "platform/Window.h"

class ListsWindow : public Window {
    Q_OBJECT
public:
    static ListsWindow* instance();

    ListsWindow();

    int Listis = 0;
    void WakeUp(int mode);
    void Event_Activate() override;
};
