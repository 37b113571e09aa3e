#include "XServer.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QWindow>
#include <QKeyEvent>
#include <QTest>
#include <xcb/xcb.h>
#include <xcb/xtest.h>
#include <cstdlib>
#include <map>
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

namespace {

// The window's ancestor that is a child of the root window: the frame a window manager put around
// it, or the window itself.
xcb_window_t topOf(xcb_window_t window) {
    xcb_connection_t* c = connection();
    for (;;) {
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr), &std::free);
        if (!tree || tree->parent == XCB_WINDOW_NONE || tree->parent == tree->root) return window;
        window = tree->parent;
    }
}

}  // namespace

// As the server stacks them: the root window's children come bottom to top. (Not every manager
// keeps _NET_CLIENT_LIST_STACKING up to date when it raises a window.)
std::vector<unsigned> stackingOrder() {
    xcb_connection_t* c = connection();
    std::map<xcb_window_t, xcb_window_t> frames;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowHandle() && widget->windowHandle()->handle()) {
            const auto native = static_cast<xcb_window_t>(widget->winId());
            frames[topOf(native)] = native;
        }
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, rootWindow()), nullptr), &std::free);
    std::vector<unsigned> order;
    if (!tree) return order;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        if (const auto found = frames.find(children[i]); found != frames.end()) order.push_back(found->second);
    return order;
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

namespace {

xcb_keycode_t keycodeOf(xcb_keysym_t keysym) {
    xcb_connection_t* c = connection();
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto cookie = xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<uint8_t>(count));
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> reply(
        xcb_get_keyboard_mapping_reply(c, cookie, nullptr), &std::free);
    if (!reply) return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int perKey = reply->keysyms_per_keycode;
    for (int key = 0; key < count; ++key)
        for (int i = 0; i < perKey; ++i)
            if (symbols[key * perKey + i] == keysym) return static_cast<xcb_keycode_t>(setup->min_keycode + key);
    return 0;
}

}  // namespace

void typeKey(unsigned keysym, bool control) {
    xcb_connection_t* c = connection();
    const xcb_keycode_t key = keycodeOf(keysym), controlKey = keycodeOf(0xffe3);  // XK_Control_L
    if (!c || !key) return;
    if (control) xcb_test_fake_input(c, XCB_KEY_PRESS, controlKey, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    if (control) xcb_test_fake_input(c, XCB_KEY_RELEASE, controlKey, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
}

void activateAsATaskbarDoes(const QWidget& window) {
    xcb_connection_t* c = connection();
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = atom("_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 2;  // the request comes from a pager or taskbar, which the manager obeys
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, rootWindow(), XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

unsigned supportingWindowManagerCheck() {
    const std::vector<uint32_t> check = property(rootWindow(), "_NET_SUPPORTING_WM_CHECK");
    return check.empty() ? 0 : check[0];
}

namespace {

void setWindowProperty(xcb_window_t window, const char* name, uint32_t value) {
    xcb_connection_t* c = connection();
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(name), XCB_ATOM_WINDOW, 32, 1, &value);
    xcb_flush(c);
}

}  // namespace

void setSupportingWindowManagerCheck(unsigned window) {
    setWindowProperty(rootWindow(), "_NET_SUPPORTING_WM_CHECK", window);
}

unsigned makeHiddenWindow(bool namingItself) {
    xcb_connection_t* c = connection();
    const xcb_window_t window = xcb_generate_id(c);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, -100, -100, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    if (namingItself) setWindowProperty(window, "_NET_SUPPORTING_WM_CHECK", window);
    xcb_flush(c);
    return window;
}

void destroyWindow(unsigned window) {
    xcb_connection_t* c = connection();
    xcb_destroy_window(c, window);
    xcb_flush(c);
}

struct MapCounter::Filter : QAbstractNativeEventFilter {
    std::map<xcb_window_t, int> maps, unmaps;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<xcb_generic_event_t*>(message);
        const int kind = event->response_type & ~0x80;
        if (kind == XCB_MAP_NOTIFY) ++maps[reinterpret_cast<const xcb_map_notify_event_t*>(event)->window];
        if (kind == XCB_UNMAP_NOTIFY) ++unmaps[reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window];
        return false;
    }
};

MapCounter::MapCounter() : filter(std::make_unique<Filter>()) { qApp->installNativeEventFilter(filter.get()); }
MapCounter::~MapCounter() { qApp->removeNativeEventFilter(filter.get()); }
int MapCounter::maps(const QWidget& window) const { return filter->maps[static_cast<xcb_window_t>(window.winId())]; }
int MapCounter::unmaps(const QWidget& window) const { return filter->unmaps[static_cast<xcb_window_t>(window.winId())]; }
