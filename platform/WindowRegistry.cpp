#include "platform/WindowRegistry.h"

#include "platform/Window.h"

void refreshWindowsAfterTablesChanged() {
    const std::vector<QPointer<Window>> windows = windowSnapshot();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        Window* window = *it;
        if (!window || window->isClosed()) continue;
        if (auto* refreshable = dynamic_cast<RefreshableWindow*>(window)) refreshable->refreshAfterTablesChanged();
    }
}
