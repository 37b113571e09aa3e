#pragma once
// What the X server and the window manager say of a window, asked of the server itself.
#include <QWidget>

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
// The managed top-level windows from bottom to top (_NET_CLIENT_LIST_STACKING).
std::vector<unsigned> stackingOrder();
// Unmaps the window and tells the window manager so, as Qt does when it hides a window, but
// behind the program's back: the program still counts the window as shown.
void withdrawBehindTheProgramsBack(const QWidget& window);
// Presses and lets go of Shift through the server's test extension, and waits until the program has
// seen it: the program's last input is now, as when the user has just pressed a key. (A window
// manager that prevents focus stealing weighs a request to activate a window by the time of the
// user's last input the program has seen.)
void actAsTheUser();
