#include "XServer.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <xcb/xcb.h>
#include <xcb/xtest.h>
#include <cstdlib>
#include <memory>

namespace {

constexpr int Patience = 10000;  // milliseconds: far beyond what a window system needs

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow() {
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

xcb_atom_t atom(const char* name) {
    xcb_connection_t* c = connection();
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The 32-bit values of a window's property; empty when it has none.
std::vector<uint32_t> property(xcb_window_t window, const char* name) {
    xcb_connection_t* c = connection();
    const auto cookie = xcb_get_property(c, 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32) return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

}  // namespace

bool onXServer() { return connection() != nullptr; }

// A window manager names itself on the root window before it manages windows: the test knows it
// manages them once it has managed a window of the test's own.
bool waitForWindowManager() {
    if (!onXServer()) return false;
    xcb_connection_t* c = connection();
    for (int attempt = 0; attempt < 20; ++attempt) {
        const xcb_window_t probe = xcb_generate_id(c);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(c, probe);
        xcb_flush(c);
        const bool managed = QTest::qWaitFor([&] { return !property(probe, "WM_STATE").empty(); }, Patience / 10);
        xcb_destroy_window(c, probe);
        xcb_flush(c);
        if (managed) return true;
    }
    return false;
}

bool isViewable(const QWidget& window) {
    xcb_connection_t* c = connection();
    const auto cookie = xcb_get_window_attributes(c, static_cast<xcb_window_t>(window.winId()));
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> reply(
        xcb_get_window_attributes_reply(c, cookie, nullptr), &std::free);
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool isManagedNormally(const QWidget& window) {
    const std::vector<uint32_t> state = property(static_cast<xcb_window_t>(window.winId()), "WM_STATE");
    return !state.empty() && state[0] == 1;  // NormalState
}

bool waitUntilOnScreen(const QWidget& window) {
    return QTest::qWaitFor([&] { return isViewable(window) && isManagedNormally(window); }, Patience);
}

unsigned activeWindow() {
    const std::vector<uint32_t> active = property(rootWindow(), "_NET_ACTIVE_WINDOW");
    return active.empty() ? 0 : active[0];
}

std::vector<unsigned> stackingOrder() {
    const std::vector<uint32_t> order = property(rootWindow(), "_NET_CLIENT_LIST_STACKING");
    return std::vector<unsigned>(order.begin(), order.end());
}

void withdrawBehindTheProgramsBack(const QWidget& window) {
    xcb_connection_t* c = connection();
    const auto native = static_cast<xcb_window_t>(window.winId());
    xcb_unmap_window(c, native);
    // The synthetic UnmapNotify that withdraws a window (ICCCM 4.1.4).
    xcb_unmap_notify_event_t event{};
    event.response_type = XCB_UNMAP_NOTIFY;
    event.event = rootWindow();
    event.window = native;
    event.from_configure = 0;
    xcb_send_event(c, 0, rootWindow(), XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

namespace {

// Counts the releases of Shift that reach the program.
class ShiftWatcher : public QObject {
public:
    int released = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) ++released;
        return false;
    }
};

xcb_keycode_t shiftKey() {
    xcb_connection_t* c = connection();
    const auto cookie = xcb_get_modifier_mapping(c);
    std::unique_ptr<xcb_get_modifier_mapping_reply_t, decltype(&std::free)> reply(
        xcb_get_modifier_mapping_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->keycodes_per_modifier == 0) return 0;
    return xcb_get_modifier_mapping_keycodes(reply.get())[0];  // the first key of the Shift modifier
}

}  // namespace

void actAsTheUser() {
    xcb_connection_t* c = connection();
    const xcb_keycode_t key = shiftKey();
    if (!c || !key) return;
    ShiftWatcher watcher;
    qApp->installEventFilter(&watcher);
    xcb_test_fake_input(c, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
    // The key reaches the window with the keyboard; a test without one has nothing to wait for.
    if (!QTest::qWaitFor([&] { return watcher.released > 0; }, Patience))
        std::fprintf(stderr, "no window of the program took a key press\n");
    qApp->removeEventFilter(&watcher);
}
