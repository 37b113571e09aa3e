#pragma once
// Windows that show the chain join this list to be rebuilt after the tables in use changed. A
// window joins when it is made and leaves when it is destroyed; a walk takes a snapshot first and
// skips windows that left while it ran, so a refresh may open or close windows safely.
#include <cstdint>
#include <vector>

class RefreshableWindow {
public:
    RefreshableWindow();
    virtual ~RefreshableWindow();
    RefreshableWindow(const RefreshableWindow&) = delete;
    RefreshableWindow& operator=(const RefreshableWindow&) = delete;

    // Rebuilds what the window shows from the tables in use.
    virtual void refreshAfterTablesChanged() = 0;
};

// Calls refreshAfterTablesChanged once on every window registered when the walk starts and still
// registered when its turn comes, in the order they joined.
void refreshWindowsAfterTablesChanged();
