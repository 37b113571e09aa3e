#pragma once
// The display window: the program's main window. Its canvas paints the off-screen pictures of the
// chain at the scroll offsets; the scroll bars follow the picture's size; the window keeps its
// bounds in ProgramPrefs (DisplayW) and opens the input window when it opens.
#include "display/ChainLogic.h"
#include "platform/Controls.h"
#include "platform/Window.h"

#include <memory>

class Graphics;
class Picture;
class RectShape;

class displayWindow : public Window {
    Q_OBJECT
public:
    // The open display window, or a new, empty one. There is never more than one.
    static displayWindow* instance();

    displayWindow();

    Canvas* Canvas1;
    ScrollBar* scrollbarH;
    ScrollBar* ScrollBarV;

    // The chain shown: entry k - 1 holds hexagram k, for k = 1..chingcount.
    HexagramList virev;
    int chingcount = 0;
    // The drawn chain and the selection overlay painted over it; made at open as 250 x 500.
    std::shared_ptr<Picture> drawbuffer;
    std::shared_ptr<Picture> selbuffer;
    std::shared_ptr<RectShape> RectSel;
    // Where the drawing's top left lies on the canvas: minus the scroll bars' values.
    int offsetH = 0;
    int offsetV = 0;

    void Event_Open() override;
    void Event_Close() override;
    void Event_Activate() override;
    void Event_Resized() override;
    void Event_EnableMenuItems() override;
    void AddMenuHandlers() override;

    void Canvas1_Open();
    void Canvas1_Paint(Graphics& g);
    void scrollbarH_ValueChanged();
    void ScrollBarV_ValueChanged();

    // Sets both scroll bars up for the sizes of drawbuffer and the canvas.
    void checkscrollbarH();

    bool _FileHelp_Action();
};
