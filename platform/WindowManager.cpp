#include "platform/WindowManager.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWindow>
#include <xcb/xcb.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <map>
#include <optional>
#include <string>

namespace {

// Far beyond what a window manager needs, short enough that a manager that never answers costs
// the user little.
constexpr int WaitLimit = 1000;  // milliseconds

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// An atom is asked of the server once: the program keeps one connection for its life.
xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    static std::map<std::string, xcb_atom_t> known;
    if (const auto found = known.find(name); found != known.end()) return found->second;
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    if (!reply) return XCB_ATOM_NONE;
    return known[name] = reply->atom;
}

// The first 32-bit value of a window's property, if it has one; nothing for a window that does not
// exist (the error is taken here, not left to Qt to report).
std::optional<uint32_t> property(xcb_connection_t* c, xcb_window_t window, const char* name) {
    const auto cookie = xcb_get_property(c, 0, window, atom(c, name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1);
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, &error), &std::free);
    std::free(error);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return std::nullopt;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

bool windowManagerRuns(xcb_connection_t* c) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::optional<uint32_t> check = property(c, root, "_NET_SUPPORTING_WM_CHECK");
    return check && property(c, *check, "_NET_SUPPORTING_WM_CHECK") == check;
}

// The window's native window, when it has one on an X server.
xcb_window_t nativeWindow(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle && handle->handle() ? static_cast<xcb_window_t>(handle->winId()) : 0;
}

constexpr uint32_t WithdrawnState = 0;

// The manager holds the window: its WM_STATE says normal or iconic.
bool managed(xcb_connection_t* c, xcb_window_t window) {
    const std::optional<uint32_t> state = property(c, window, "WM_STATE");
    return state && *state != WithdrawnState;
}

bool viewable(xcb_connection_t* c, xcb_window_t window) {
    const auto cookie = xcb_get_window_attributes(c, window);
    Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(c, cookie, nullptr), &std::free);
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

// Waits, at most `limit` milliseconds, until the window is managed (or not), as `wanted` says, and
// answers whether it is managed then; nothing, at once, where there is nothing to wait for: no X
// server, no native window, or no window manager.
std::optional<bool> awaitManaged(xcb_connection_t* c, xcb_window_t native, bool wanted, qint64 limit = WaitLimit) {
    if (!c || !native) return std::nullopt;
    xcb_flush(c);
    if (!windowManagerRuns(c)) return std::nullopt;
    QElapsedTimer waited;
    waited.start();
    bool now = managed(c, native);
    while (now != wanted && waited.elapsed() < limit) {
        QThread::msleep(2);
        now = managed(c, native);
    }
    return now;
}

}  // namespace

bool windowManagerRuns() {
    xcb_connection_t* c = connection();
    return c && windowManagerRuns(c);
}

void awaitManagement(const QWidget& window) { awaitManaged(connection(), nativeWindow(window), true); }

void awaitWithdrawal(const QWidget& window) { awaitManaged(connection(), nativeWindow(window), false); }

bool lostByWindowManager(const QWidget& window, qint64 shownFor) {
    xcb_connection_t* c = connection();
    const xcb_window_t native = nativeWindow(window);
    const std::optional<bool> managedNow = awaitManaged(c, native, true, std::max<qint64>(0, WaitLimit - shownFor));
    return managedNow && !*managedNow && !viewable(c, native);
}

namespace {

// Qt takes a request to activate one of its windows, which the program sends the window manager
// through the root window and so receives itself, for the manager's answer, and counts the window
// as focused at once. When the program closes that window before the manager acted, the input
// focus never left the window it was on and Qt counts no window as focused: its shortcuts go dead.
// The program manages no windows: such requests are the manager's to act on, and only the focus
// events the server sends say where the keyboard is.
class ActivationRequestFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE) return false;
        xcb_connection_t* c = connection();
        return c && reinterpret_cast<const xcb_client_message_event_t*>(event)->type == atom(c, "_NET_ACTIVE_WINDOW");
    }
};

}  // namespace

void ignoreActivationRequests() {
    static ActivationRequestFilter* filter = nullptr;
    if (filter || !qApp || !connection()) return;
    filter = new ActivationRequestFilter;
    qApp->installNativeEventFilter(filter);
}
