#include "platform/WindowRegistry.h"

#include <algorithm>

namespace {

struct Entry {
    std::uint64_t id;
    RefreshableWindow* window;
};

std::vector<Entry>& registry() {
    static std::vector<Entry> windows;
    return windows;
}

std::uint64_t nextId = 1;

RefreshableWindow* find(std::uint64_t id) {
    for (const Entry& entry : registry())
        if (entry.id == id) return entry.window;
    return nullptr;
}

}  // namespace

RefreshableWindow::RefreshableWindow() { registry().push_back({nextId++, this}); }

RefreshableWindow::~RefreshableWindow() {
    auto& windows = registry();
    windows.erase(std::remove_if(windows.begin(), windows.end(), [this](const Entry& e) { return e.window == this; }),
                  windows.end());
}

void refreshWindowsAfterTablesChanged() {
    // Ids, not pointers: a window destroyed by an earlier refresh is no longer found.
    std::vector<std::uint64_t> snapshot;
    for (const Entry& entry : registry()) snapshot.push_back(entry.id);
    for (std::uint64_t id : snapshot)
        if (RefreshableWindow* window = find(id)) window->refreshAfterTablesChanged();
}
