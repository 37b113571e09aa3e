#include "platform/Application.h"

#include "platform/Dialogs.h"
#include "platform/Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

Application* registered = nullptr;

// Runs the enabling pass before a shortcut can fire, so that a shortcut reaches exactly the items
// an opened menu would show enabled; and notes the user's own input.
class ShortcutWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // A window that its sheet blocks runs no shortcut, and so needs no pass.
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                if (Window* window = windowOf(watched); window && !window->blockingSheet()) runEnablingPass(window);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            // Input on a window its sheet blocks is the sheet guard's to answer (Window.cpp).
            if (event->spontaneous())
                if (Window* window = windowOf(watched); !window || !window->blockingSheet()) noteUserInput();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static Window* windowOf(QObject* object) {
        if (auto* widget = qobject_cast<QWidget*>(object)) return qobject_cast<Window*>(widget->window());
        if (auto* handle = qobject_cast<QWindow*>(object))
            for (const QPointer<Window>& window : windowSnapshot())
                if (window && window->windowHandle() == handle) return window;
        return nullptr;
    }
};

}  // namespace

Application::Application() {
    registered = this;
    QApplication::setQuitOnLastWindowClosed(false);
    shortcutWatcher = std::make_unique<ShortcutWatcher>();
    qApp->installEventFilter(shortcutWatcher.get());
}

Application::~Application() {
    qApp->removeEventFilter(shortcutWatcher.get());
    if (!shutDown) closeAllWindows();
    if (registered == this) registered = nullptr;
}

Application* Application::instance() { return registered; }

void Application::AddMenuHandler(const QString& itemName, std::function<bool()> handler) {
    handlers.add(itemName, [handler](int) { return handler(); });
}

void Application::AddMenuHandler(const QString& itemName, std::function<bool(int)> handler) {
    handlers.add(itemName, std::move(handler));
}

QString Application::applicationFolder() const {
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

bool Application::Start() {
    Event_Open();
    running = true;
    if (quitting) {
        shutDownNow();
        return false;
    }
    openWaitingWindows();
    if (quitting) {
        shutDownNow();
        return false;
    }
    return true;
}

int Application::Run() {
    if (!Start()) return code;
    looping = true;
    const int result = QApplication::exec();
    looping = false;
    return result;
}

void Application::Quit(int exitCode) {
    if (quitting) return;
    quitting = true;
    code = exitCode;
    // Start() finishes a quit asked for while it runs; later ones leave the handler that asked
    // first, then close the windows and end the loop.
    if (!running) return;
    QMetaObject::invokeMethod(
        shortcutWatcher.get(),
        [this] {
            // Every opened window is asked first, front to back; one that refuses (an editor
            // whose unsaved change the user keeps) calls the quit off and the program goes on.
            for (const QPointer<Window>& window : windowSnapshot())
                if (window && !window->isClosed() && window->isOpened() && window->Event_CancelClose()) {
                    quitting = false;
                    return;
                }
            shutDownNow();
            // Outside the event loop (a test driving the application) there is nothing to end,
            // and an exit then would end every later loop at once.
            if (looping) QCoreApplication::exit(code);
        },
        Qt::QueuedConnection);
}

void Application::shutDownNow() {
    if (shutDown) return;
    shutDown = true;
    closeAllWindows();
    Event_Close();
}

bool ShowURL(const QString& url) { return dialogs().showURL(url); }
