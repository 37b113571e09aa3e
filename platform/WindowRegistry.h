#pragma once
// Windows that show the chain are rebuilt after the tables in use changed. The walk goes over the
// platform's one window list (Window.h): it takes a snapshot, goes from the rearmost window to the
// front one, and refreshes each window that is a RefreshableWindow and is still open when its turn
// comes, so a refresh may open or close windows safely.
class RefreshableWindow {
public:
    RefreshableWindow() = default;
    virtual ~RefreshableWindow() = default;
    RefreshableWindow(const RefreshableWindow&) = delete;
    RefreshableWindow& operator=(const RefreshableWindow&) = delete;

    // Rebuilds what the window shows from the tables in use.
    virtual void refreshAfterTablesChanged() = 0;
};

// Calls refreshAfterTablesChanged once on every refreshable window open when the walk starts and
// still open when its turn comes, rearmost first.
void refreshWindowsAfterTablesChanged();
