#pragma once
// The saved-chains window: saves the display window's chain under a name with a comment, lists
// the saved chains by name, loads one into the display window and deletes one. It is a sheet of
// the display window; mode 0 deletes, 1 saves, 2 loads.
#include "platform/Controls.h"
#include "platform/Window.h"

#include <array>

class Listbox;
class Timer;

class Whexchains : public Window {
    Q_OBJECT
public:
    // The open saved-chains window, or a new one.
    static Whexchains* instance();

    Whexchains();

    // One row per saved chain: column 0 the name, 1 the rowid, 2 the stored form.
    Listbox* ListBox1;
    PushButton* PBsave;
    // 0 the heading, 1 "name", 2 "comment".
    std::array<StaticText*, 3> StaticText1{};
    // 0 the name, 1 the comment.
    std::array<EditField*, 2> ef1{};
    PushButton* PBcancel;
    Timer* Timer1;

    int thetype = 0;         // the mode
    int theRowSelected = 0;  // the row that a click last selected

    bool ListBox1_CellClick(int row, int column);
    void ListBox1_DoubleClick();
    void ListBox1_Open();
    void PBsave_Action();
    void ef1_Open(int index);
    void PBcancel_Action();
    void Timer1_Action();
    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    bool Event_KeyDown(const QString& key) override;
    void applyTextFont() override;

    // Sets the window up for a mode and lists the saved chains. Neither text field is cleared.
    void wakeup(int mode);
    // The button and the fields as the mode has them.
    void setwindow();
    // Lists the saved chains again and resets the heading's text. After `done`, a change just
    // written, a list that can not be read says that the change was made.
    void fillList(const QString& done = {});
    void saveHexChain();
    void DeleteHexChain();

    // Closes the window now, or, while one of its own handlers is running, when that handler
    // returns: the display window's loader closes it, also when the load comes from here.
    void closeWhenIdle();

private:
    // Hands the chain of row theRowSelected to the display window.
    void loadSelected();
    // Beeps, selects and shows row r, and puts a red warning in the heading.
    void warn(int row, const QString& text);
    // The row that a load or a delete acts on, -1 when theRowSelected names none.
    int selectedRow() const;
    // Counts the handlers on the stack; the last one to return carries out a pending close.
    class HandlerScope;
    int runningHandlers = 0;
    bool closePending = false;
};
