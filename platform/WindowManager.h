#pragma once
// The desktop's window manager and the program's windows, on an X server; on any other window
// system (offscreen) these answer at once.
//
// A window that is hidden and at once shown again, or shown and at once hidden, can be lost: the
// window manager, still busy with the one change, takes the next for one it has done already, and
// the window stays off screen while the program counts it as shown. So a window is hidden only
// once the manager has taken it on, and shown again only once the manager has withdrawn it (the
// rule for clients, ICCCM 4.1.4). Each wait has a generous limit, for a manager that never answers.
#include <QWidget>

// A window manager runs: the window that the root window's _NET_SUPPORTING_WM_CHECK names exists
// and names itself the same way. A manager that crashed leaves the root's property naming a window
// that is gone; nothing then waits for it.
bool windowManagerRuns();
// Before hiding a shown window: waits until the window manager manages it.
void awaitManagement(const QWidget& window);
// Before showing a hidden window again: waits until the window manager has withdrawn it.
void awaitWithdrawal(const QWidget& window);
// The window manager lost a window the program shows: a manager runs, and the window is neither
// managed (no WM_STATE, or withdrawn) nor on screen. `shownFor` is the time in milliseconds since
// the program mapped it: one mapped a moment ago is given the rest of the wait's limit to be taken
// on; one shown longer is judged at once.
bool lostByWindowManager(const QWidget& window, qint64 shownFor);
// From now on, requests to activate a window that the program receives (its own among them, as
// all that go through the root window) are left to the window manager; Qt takes no window for
// focused on them. Called once the application exists.
void ignoreActivationRequests();
