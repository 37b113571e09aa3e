#pragma once
// What the X server and the window manager say of a window, asked of the server itself.
#include <QWidget>
#include <memory>
#include <vector>

// False when the program does not run on an X server.
bool onXServer();
// Waits until a window manager has taken the screen; false when none did within the limit.
bool waitForWindowManager();
// The window's native window is mapped and viewable.
bool isViewable(const QWidget& window);
// The window manager manages the window in its normal state (WM_STATE NormalState).
bool isManagedNormally(const QWidget& window);
// Both, waited for generously while events are handled.
bool waitUntilOnScreen(const QWidget& window);
// The window the window manager made active (_NET_ACTIVE_WINDOW), 0 when none.
unsigned activeWindow();
// The program's windows on screen from bottom to top, as the server stacks them.
std::vector<unsigned> stackingOrder();
// Unmaps the window and tells the window manager so, as Qt does when it hides a window, but
// behind the program's back: the program still counts the window as shown.
void withdrawBehindTheProgramsBack(const QWidget& window);
// Presses and lets go of Shift through the server's test extension, and waits until the program has
// seen it: the program's last input is now, as when the user has just pressed a key. (A window
// manager that prevents focus stealing weighs a request to activate a window by the time of the
// user's last input the program has seen.)
void actAsTheUser();
// Presses and lets go of a key (an X keysym), with Control held when `control` is true, through the
// server's test extension, as the user's keyboard does.
void typeKey(unsigned keysym, bool control = false);
// Asks the window manager to make the window active, as a taskbar or a pager does.
void activateAsATaskbarDoes(const QWidget& window);
// The window the root window's _NET_SUPPORTING_WM_CHECK names (0 when none), and a new value for it.
unsigned supportingWindowManagerCheck();
void setSupportingWindowManagerCheck(unsigned window);
// A window of the test's own, on no screen, and its end; with `namingItself`, it names itself in its
// own _NET_SUPPORTING_WM_CHECK, as a window manager's check window does.
unsigned makeHiddenWindow(bool namingItself);
void destroyWindow(unsigned window);

// Counts what the server tells the program while it lives: how often a window was mapped and unmapped.
class MapCounter {
public:
    MapCounter();
    ~MapCounter();
    int maps(const QWidget& window) const;
    int unmaps(const QWidget& window) const;

private:
    struct Filter;
    std::unique_ptr<Filter> filter;
};
