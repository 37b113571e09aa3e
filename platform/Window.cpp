#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/Beep.h"
#include "platform/Controls.h"
#include "platform/DragItem.h"
#include "platform/Graphics.h"
#include "platform/WindowManager.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QEventLoop>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <limits>

// The platform's bookkeeping of windows. Windows shown while another window opens are shown
// together when the outermost opening ends, rearmost first, so that the window system ends with
// the same window in front as the list.
class WindowList {
public:
    static WindowList& get() {
        static WindowList list;
        return list;
    }

    std::vector<Window*> order;  // front to back
    std::vector<QPointer<Window>> waiting;
    std::vector<QPointer<Window>> showQueue;
    int openDepth = 0;
    // The window our own showing made active; activations of others are the window system
    // catching up until this one is active or the user acts.
    QPointer<Window> expectedActive;
    QPointer<Window> lastActivated;

    int position(const Window* window) const {
        const auto it = std::find(order.begin(), order.end(), window);
        return it == order.end() ? -1 : static_cast<int>(it - order.begin());
    }
    void remove(Window* window) {
        order.erase(std::remove(order.begin(), order.end(), window), order.end());
        waiting.erase(std::remove(waiting.begin(), waiting.end(), window), waiting.end());
        showQueue.erase(std::remove(showQueue.begin(), showQueue.end(), window), showQueue.end());
    }
    // A window comes to the front with its sheets still in front of it, as the window system
    // keeps them.
    void moveToFront(Window* window) {
        order.erase(std::remove(order.begin(), order.end(), window), order.end());
        order.insert(order.begin(), window);
        std::vector<Window*> sheets;
        for (Window* other : order)
            if (other->sheetParent == window) sheets.push_back(other);
        for (auto it = sheets.rbegin(); it != sheets.rend(); ++it) {
            order.erase(std::remove(order.begin(), order.end(), *it), order.end());
            order.insert(order.begin(), *it);
        }
    }
    void moveToBack(Window* window) {
        order.erase(std::remove(order.begin(), order.end(), window), order.end());
        order.push_back(window);
    }

    // Event_Activate for a window that came to the front, once per coming; then the enabling
    // pass, so that its shortcuts reach what its menus show.
    void activated(Window* window) {
        if (lastActivated == window) return;
        lastActivated = window;
        QPointer<Window> guard(window);
        bindMenusTo(window);
        window->Event_Activate();
        if (!guard || guard->isClosed()) return;
        // What the activation made of the menus is this window's, shown in its own bar.
        Application* application = Application::instance();
        if (menuOwner() == guard && application && application->menuBar())
            guard->menus.capture(*application->menuBar());
        runEnablingPass(guard);
    }

    void makeActive(Window* window) {
        expectedActive = window;
        window->activateWindow();
        activated(window);
    }

    // After the front window went away: the next shown window comes to the front.
    void activateNext() {
        for (Window* window : order)
            if (window->isOpened() && window->isVisible()) {
                makeActive(window);
                return;
            }
        lastActivated = nullptr;
    }

    void openWaiting() {
        std::vector<QPointer<Window>> windows;
        windows.swap(waiting);
        ++openDepth;
        for (const QPointer<Window>& window : windows)
            if (window) window->open();
        --openDepth;
        if (openDepth == 0) flushShows();
    }

    void closeAll() {
        for (const QPointer<Window>& window : std::vector<QPointer<Window>>(order.begin(), order.end())) {
            if (!window || window->closed) continue;
            window->closed = true;
            remove(window);
            if (window->opened) window->Event_Close();
            window->finishClosing();
        }
        for (const QPointer<Window>& window : waiting)
            if (window) window->deleteLater();
        waiting.clear();
        lastActivated = nullptr;
        expectedActive = nullptr;
    }

    void flushShows() {
        std::vector<QPointer<Window>> queue;
        queue.swap(showQueue);
        std::vector<Window*> shown;
        for (const QPointer<Window>& window : queue)
            if (window && !window->isClosed() && window->Visible() &&
                std::find(shown.begin(), shown.end(), window.data()) == shown.end())
                shown.push_back(window);
        std::sort(shown.begin(), shown.end(),
                  [this](Window* a, Window* b) { return position(a) > position(b); });
        std::vector<QPointer<Window>> guarded(shown.begin(), shown.end());
        for (const QPointer<Window>& window : guarded) {
            if (!window || window->isClosed()) continue;
            window->showNow();
            lastActivated = nullptr;
            activated(window);
        }
        // The front-most of them is the one the window system is to make active.
        for (auto it = guarded.rbegin(); it != guarded.rend(); ++it)
            if (*it && !(*it)->isClosed()) {
                expectedActive = *it;
                (*it)->activateWindow();
                break;
            }
    }
};

// The content area: paints the window's own drawing and reports its size.
class WindowContent : public QWidget {
public:
    explicit WindowContent(Window* owner) : QWidget(owner), owner(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        Graphics g(*this);
        owner->Event_Paint(g);
    }
    void resizeEvent(QResizeEvent*) override { owner->contentResized(); }

private:
    Window* owner;
};

namespace {

// A window manager finishes withdrawing a window within WithdrawalChecks looks, WithdrawalTime
// milliseconds apart, also on a loaded machine.
constexpr int WithdrawalTime = 250;
constexpr int WithdrawalChecks = 8;

// The window a receiver of events belongs to: a widget's top-level window, or the window whose
// native window it is.
Window* windowOfReceiver(QObject* receiver) {
    if (auto* widget = qobject_cast<QWidget*>(receiver)) return qobject_cast<Window*>(widget->window());
    if (auto* handle = qobject_cast<QWindow*>(receiver))
        for (Window* window : WindowList::get().order)
            if (window->windowHandle() == handle) return window;
    return nullptr;
}

bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
        return true;
    default:
        return false;
    }
}

// Keeps the user's input from a window that a sheet blocks, as a window-modal dialog does, and
// answers each try: a press or a key on the blocked window brings its sheet to the front with a
// beep (a key typed before a new sheet has the keyboard goes to the sheet). Events are caught where they enter, at the native window, and where a test sends them, at
// a widget.
class SheetGuard : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::TabletPress:
        case QEvent::TouchBegin:
            return refuse(watched, event, true);
        case QEvent::KeyPress:
            return typeAhead(watched, static_cast<QKeyEvent*>(event)) ||
                   refuse(watched, event, !isModifierKey(static_cast<QKeyEvent*>(event)->key()));
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return refuse(watched, event, false, false);  // the drag shows that it cannot drop
        case QEvent::ShortcutOverride:
            // Accepted, the shortcut is taken as a plain key, so that no shortcut of the blocked
            // window fires; the key press that follows gives the cue.
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::HoverLeave:
        case QEvent::ToolTip:
            return refuse(watched, event, false);
        default:
            return false;
        }
    }

private:
    static Window* blockedWindow(QObject* receiver) {
        Window* window = windowOfReceiver(receiver);
        return window && window->blockingSheet() ? window : nullptr;
    }

    // A key typed on a blocked window whose sheet the program has just asked to be made active, before
    // the window system gave that sheet the keyboard, is the sheet's: the user types on into the
    // window the program brought up (Ctrl+I, then Escape at once, closes the input window).
    static bool typeAhead(QObject* receiver, QKeyEvent* key) {
        Window* window = blockedWindow(receiver);
        Window* sheet = window ? window->blockingSheet() : nullptr;
        if (!sheet || sheet != WindowList::get().expectedActive) return false;
        QWidget* target = sheet->focusWidget() ? sheet->focusWidget() : sheet;
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(target, &copy);
        return true;
    }

    // Keeps the event from a blocked window (accepted or not, as `accept` says); with `cue`, the
    // window's sheet comes forward with a beep.
    static bool refuse(QObject* receiver, QEvent* event, bool cue, bool accept = true) {
        Window* window = blockedWindow(receiver);
        if (!window) return false;
        event->setAccepted(accept);
        if (cue) window->bringSheetForward();
        return true;
    }
};

void guardSheets() {
    static SheetGuard* guard = nullptr;
    if (guard || !qApp) return;
    guard = new SheetGuard;
    guard->setParent(qApp);
    qApp->installEventFilter(guard);
}

}  // namespace

Window::Window() {
    guardSheets();
    ignoreActivationRequests();
    area = new WindowContent(this);
    area->setObjectName("content");
    setCentralWidget(area);
    if (Application* application = Application::instance())
        if (application->menuBar()) populateMenuBar(menuBar(), application->menuBar(), this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    applyFlags();
    resize(300, 300 + menuBarHeight(300));
    applySizeLimits();
}

Window::~Window() { WindowList::get().remove(this); }

int Window::menuBarHeight(int width) const {
    QWidget* bar = menuWidget();
    if (!bar || bar->isHidden()) return 0;
    if (bar->hasHeightForWidth()) return bar->heightForWidth(width);
    return bar->sizeHint().height();
}

int Window::Top() const { return geometry().y(); }
int Window::Left() const { return geometry().x(); }
int Window::Width() const { return geometry().width(); }
int Window::Height() const { return geometry().height() - menuBarHeight(geometry().width()); }

// A fixed-size window is freed for a change of size made by code, then fixed again.
void Window::releaseSizeLimits() {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

namespace {

// A size as the window system can take it: never negative nor beyond Qt's largest widget, so that
// adding the menu bar to it cannot overflow.
int widgetSize(int size) { return std::clamp(size, 0, QWIDGETSIZE_MAX - 4096); }

// The window system's frame around a window: its own margins once the window system gave it a
// frame, else those of another window on screen, else an allowance for a title bar and borders.
QMargins frameOf(const QWidget& widget) {
    static QMargins known(6, 32, 6, 6);
    auto marginsOf = [](const QWidget& window) {
        const QWindow* handle = window.windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    };
    QMargins margins = marginsOf(widget);
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (!margins.isNull()) break;
        if (other->isVisible()) margins = marginsOf(*other);
    }
    if (!margins.isNull()) known = margins;
    return known;
}

const QScreen* screenFor(const QRect& rect) {
    if (const QScreen* screen = QGuiApplication::screenAt(rect.center())) return screen;
    return QGuiApplication::primaryScreen();
}

}  // namespace

void Window::setBounds(int top, int left, int height, int width) {
    // Positions and sizes held where Qt's sums of them cannot overflow.
    top = std::clamp(top, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    left = std::clamp(left, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    height = widgetSize(height);
    width = widgetSize(width);
    const int total = height + menuBarHeight(width);
    if (!resizeable) releaseSizeLimits();
    setGeometry(left, top, width, total);
    applySizeLimits();
}

void Window::setTop(int top) { setBounds(top, Left(), Height(), Width()); }
void Window::setLeft(int left) { setBounds(Top(), left, Height(), Width()); }

void Window::setWidth(int width) {
    const int height = Height();
    width = widgetSize(width);
    if (!resizeable) releaseSizeLimits();
    resize(width, height + menuBarHeight(width));
    applySizeLimits();
}

void Window::setHeight(int height) {
    height = widgetSize(height);
    if (!resizeable) releaseSizeLimits();
    resize(Width(), height + menuBarHeight(Width()));
    applySizeLimits();
}

void Window::setMinimumContentSize(int width, int height) {
    minimumContent = QSize(widgetSize(width), widgetSize(height));
    applySizeLimits();
}

void Window::setMaximumContentSize(int width, int height) {
    maximumContent = QSize(widgetSize(width), widgetSize(height));
    applySizeLimits();
}

void Window::applySizeLimits() {
    const int bar = menuBarHeight(Width());
    if (!resizeable) {
        setFixedSize(Width(), Height() + bar);
        return;
    }
    setMinimumSize(minimumContent.width(), minimumContent.height() + bar);
    setMaximumSize(maximumContent.width(), std::min(maximumContent.height() + bar, QWIDGETSIZE_MAX));
}

void Window::setResizeable(bool value) {
    releaseSizeLimits();
    resizeable = value;
    applySizeLimits();
    applyFlags();
}

void Window::setCloseButton(bool value) {
    closeBox = value;
    applyFlags();
}

void Window::setMinimizeButton(bool value) {
    minimizeBox = value;
    applyFlags();
}

void Window::setMaximizeButton(bool value) {
    maximizeBox = value;
    applyFlags();
}

void Window::applyFlags() {
    // Changing the flags hides the window: it is hidden and shown as the window manager allows.
    const bool shown = isVisible();
    if (shown) unmapFromScreen();
    Qt::WindowFlags flags = (windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox) flags |= Qt::WindowCloseButtonHint;
    if (minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    // A window of fixed size cannot be maximised: it shows no maximise box.
    if (maximizeBox && resizeable) flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    if (shown) mapOnScreen();
}

void Window::setBackColor(const Color& colour) {
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, colour);
    area->setPalette(palette);
    area->setAutoFillBackground(true);
}

void Window::setMenuBarVisible(bool visible) {
    const int height = Height();
    if (QWidget* bar = menuWidget()) bar->setHidden(!visible);
    setHeight(height);
}

// The parent is blocked by the platform itself (see SheetGuard), not by Qt's window modality: a
// window that Qt blocks receives nothing at all, so the user's clicks and keys on it could give no
// cue.
void Window::setSheetParent(Window* parent) {
    if (!parent || sheetParent == parent) return;
    QPointer<Window> previous = sheetParent;
    sheetParent = parent;
    // A window becomes a dialog best before it comes on screen (see showWindow). Changing the kind of
    // a window on screen hides it, and it is shown again as the window manager allows.
    if (windowType() != Qt::Dialog) {
        const bool shown = isVisible();
        if (shown) unmapFromScreen();
        setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
        applyFlags();
        if (shown) mapOnScreen();
    }
    winId();
    parent->winId();
    windowHandle()->setTransientParent(parent->windowHandle());
    centreOver(parent);
    keepOnScreen();
    if (previous) previous->showMenusBlocked();
    parent->showMenusBlocked();
}

Window* Window::blockingSheet() const {
    for (Window* other : WindowList::get().order)
        if (other->sheetParent == this && other->isOpened() && other->isVisible()) {
            // A sheet over the sheet is the one that takes the input.
            Window* inner = other->blockingSheet();
            return inner ? inner : other;
        }
    return nullptr;
}

void Window::bringSheetForward(bool cue) {
    Window* sheet = blockingSheet();
    if (!sheet) return;
    if (cue) noteUserInput();
    // Back on screen, not only forward.
    sheet->putOnScreen();
    sheet->raiseOnScreen();
    WindowList::get().makeActive(sheet);
    if (cue) Beep(sheet);
}

// A blocked window's menu bar shows disabled, and takes no click, while its sheet is on screen.
void Window::showMenusBlocked() {
    if (QWidget* bar = menuWidget()) bar->setEnabled(blockingSheet() == nullptr);
}

bool Window::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && sheetParent)
        sheetParent->showMenusBlocked();
    return handled;
}

void Window::ShowModalWithin(Window* parent) {
    setSheetParent(parent);
    Show();
    if (closed || !visibleFlag || modalLoop) return;
    QEventLoop loop;
    modalLoop = &loop;
    loop.exec();
}

void Window::endModal() {
    if (modalLoop) modalLoop->quit();
    modalLoop = nullptr;
}

// A window about to come on screen: a sheet over its parent; a window that has never been placed
// and was given no position over the window it was opened from (in front of it); then wholly on
// the screen. A window already on screen stays where the user left it.
void Window::placeForShowing() {
    if (isVisible()) return;
    if (sheetParent && sheetParent->isVisible()) {
        centreOver(sheetParent);
    } else if (!placed && !testAttribute(Qt::WA_Moved)) {
        const Window* opener = nullptr;
        for (const Window* other : WindowList::get().order)
            if (other != this && other->isOpened() && other->isVisible()) {
                opener = other;
                break;
            }
        centreOver(opener);
    }
    placed = true;
    keepOnScreen();
}

// Centred over the other window (or its screen, as the placement says), or over the available
// screen when there is none.
void Window::centreOver(const Window* other) {
    QRect inner = geometry();
    QPoint centre;
    const QScreen* screen = other ? other->screen() : QGuiApplication::primaryScreen();
    if (other && placement == Placement::OverItsWindow) {
        centre = other->geometry().center();
    } else if (screen) {
        const QMargins frame = frameOf(*this);
        centre = screen->availableGeometry().marginsRemoved(frame).center();
    } else {
        return;
    }
    inner.moveCenter(centre);
    setGeometry(inner);
}

void Window::keepOnScreen() {
    const QScreen* screen = screenFor(geometry());
    if (!screen) return;
    const QMargins frame = frameOf(*this);
    const QRect room = screen->availableGeometry().marginsRemoved(frame);
    QRect inner = geometry();
    // Larger than the screen: a window the user may resize shrinks to it; a fixed one keeps its
    // size and shows its top left corner, where its title bar and menus are.
    if (resizeable && (inner.width() > room.width() || inner.height() > room.height()))
        inner.setSize(inner.size().boundedTo(room.size()).expandedTo(minimumSize()));
    inner.moveLeft(std::max(room.left(), std::min(inner.left(), room.right() + 1 - inner.width())));
    inner.moveTop(std::max(room.top(), std::min(inner.top(), room.bottom() + 1 - inner.height())));
    if (inner != geometry()) setGeometry(inner);
}

void Window::AddMenuHandler(const QString& itemName, std::function<bool()> handler) {
    handlers.add(itemName, [handler](int) { return handler(); });
}

void Window::AddMenuHandler(const QString& itemName, std::function<bool(int)> handler) {
    handlers.add(itemName, std::move(handler));
}

void Window::startUp() {
    if (started) return;
    started = true;
    WindowList& list = WindowList::get();
    if (visibleFlag) list.order.insert(list.order.begin(), this);
    else list.order.push_back(this);
    AddMenuHandlers();
    Application* application = Application::instance();
    if (application && application->isRunning()) open();
    else list.waiting.push_back(this);
}

void Window::open() {
    if (opened || closed) return;
    WindowList& list = WindowList::get();
    opened = true;
    reportedSize = QSize(Width(), Height());
    QPointer<Window> self(this);
    ++list.openDepth;
    Event_Open();
    --list.openDepth;
    if (self && !closed && visibleFlag) list.showQueue.push_back(this);
    if (list.openDepth == 0) list.flushShows();
}

void Window::showNow() {
    placeForShowing();
    putOnScreen();
    raiseOnScreen();
}

// A hidden window is shown, one the window manager lost is shown again, a minimised one restored.
void Window::putOnScreen() {
    if (bringBackIfLost()) return;
    mapOnScreen();
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
}

// Hidden, the window is mapped again only once the window manager has let go of it; otherwise the
// manager may take the map for the window it still holds, then withdraw it.
void Window::mapOnScreen() {
    if (isVisible()) return;
    awaitWithdrawal(*this);
    QMainWindow::setVisible(true);
    mapped.start();
}

void Window::unmapFromScreen() {
    if (!isVisible()) return;
    awaitManagement(*this);
    QMainWindow::setVisible(false);
}

bool Window::bringBackIfLost() {
    const qint64 shownFor = mapped.isValid() ? mapped.elapsed() : std::numeric_limits<qint64>::max();
    if (!opened || closed || !isVisible() || !lostByWindowManager(*this, shownFor)) return false;
    // Qt still counts it as shown, so it is hidden first; the manager has let go of it already.
    QMainWindow::setVisible(false);
    mapOnScreen();
    return true;
}

void Window::raiseOnScreen() {
    // Windows without a window system (offscreen) have no stacking to change.
    if (QGuiApplication::platformName() != "offscreen") raise();
}

void Window::Show() {
    visibleFlag = true;
    if (closed) return;
    WindowList& list = WindowList::get();
    list.moveToFront(this);
    if (!opened) return;  // shows when it opens
    if (list.openDepth > 0) {
        list.showQueue.push_back(this);
        return;
    }
    showNow();
    list.makeActive(this);
    // Its sheet, if it has one, stays in front and keeps the keyboard.
    if (Window* front = frontWindow(); front && front != this && front->isOpened() && front->isVisible())
        list.makeActive(front);
}

void Window::Hide() {
    visibleFlag = false;
    if (closed) return;
    WindowList& list = WindowList::get();
    const bool wasFront = list.position(this) == 0;
    if (list.position(this) >= 0) list.moveToBack(this);
    if (!opened) return;
    unmapFromScreen();
    endModal();
    if (list.lastActivated == this) list.lastActivated = nullptr;
    if (wasFront) list.activateNext();
}

// The window leaves the screen now and memory once the event loop is back.
void Window::finishClosing() {
    closingByProgram = true;
    hide();
    endModal();
    deleteLater();
}

bool Window::Close() {
    if (closed) return true;
    if (opened && Event_CancelClose()) return false;
    WindowList& list = WindowList::get();
    const bool wasFront = list.position(this) == 0;
    closed = true;
    list.remove(this);
    if (opened) Event_Close();
    if (list.lastActivated == this) list.lastActivated = nullptr;
    finishClosing();
    if (wasFront) list.activateNext();
    return true;
}

void Window::closeEvent(QCloseEvent* event) {
    if (closingByProgram) {
        event->accept();
        return;
    }
    // The window system's close box: the window closes as it would by code. A window without one
    // asks for none, but a window manager may draw one all the same (openbox does): the request is
    // then refused as a refusal is, with a beep that is seen. A blocked window points to its sheet.
    event->ignore();
    if (blockingSheet()) bringSheetForward();
    else if (closeBox) Close();
    else Beep();
}

PushButton* Window::buttonWithRole(bool defaultRole) const {
    for (PushButton* button : area->findChildren<PushButton*>())
        if ((defaultRole ? button->Default() : button->Cancel()) && button->Visible() && button->Enabled())
            return button;
    return nullptr;
}

void Window::keyPressEvent(QKeyEvent* event) {
    const QString key = keyText(*event);
    if (!key.isEmpty() && Event_KeyDown(key)) {
        event->accept();
        return;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (PushButton* button = buttonWithRole(true)) {
            button->Push();
            return;
        }
    }
    if (plain && event->key() == Qt::Key_Escape) {
        if (PushButton* button = buttonWithRole(false)) {
            button->Push();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void Window::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !opened || closed) return;
    WindowList& list = WindowList::get();
    // The window system activated a blocked window (the user clicked it, switched to it, or chose
    // it in a taskbar): its sheet takes the activation, as a window-modal dialog does, back on
    // screen if the window manager lost it.
    if (blockingSheet()) {
        bringSheetForward(false);
        // A window manager gives the keyboard back to this window as it withdraws a sheet it lost,
        // before the withdrawal can be seen; the sheet is looked at again while it could be.
        lookAgainForLostSheet(WithdrawalChecks);
        return;
    }
    if (list.expectedActive && list.expectedActive != this) return;
    list.expectedActive = nullptr;
    if (list.position(this) != 0) list.moveToFront(this);
    list.activated(this);
}

void Window::lookAgainForLostSheet(int times) {
    if (times <= 0) return;
    QTimer::singleShot(WithdrawalTime, this, [this, times] {
        if (!isActiveWindow() || !blockingSheet()) return;
        bringSheetForward(false);
        lookAgainForLostSheet(times - 1);
    });
}

void Window::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData() && event->mimeData()->hasText()) event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent* event) {
    DragItem item(event->mimeData());
    event->acceptProposedAction();
    Event_DropObject(item, 0);
}

void Window::contentResized() {
    if (!opened || closed) return;
    const QSize size(Width(), Height());
    if (size == reportedSize) return;
    reportedSize = size;
    Event_Resized();
}

int WindowCount() { return static_cast<int>(WindowList::get().order.size()); }

Window* windowAt(int index) {
    const auto& order = WindowList::get().order;
    if (index < 0 || index >= static_cast<int>(order.size())) return nullptr;
    return order[static_cast<size_t>(index)];
}

Window* frontWindow() { return windowAt(0); }

Window* dialogOwner() {
    Window* front = frontWindow();
    // A window that waits for the application to start may never open (a start that ends early).
    if (!front || !front->Visible() || !front->isOpened()) return nullptr;
    front->placeForShowing();
    return front;
}

std::vector<QPointer<Window>> windowSnapshot() {
    const auto& order = WindowList::get().order;
    return std::vector<QPointer<Window>>(order.begin(), order.end());
}

void openWaitingWindows() { WindowList::get().openWaiting(); }

ShowsTogether::ShowsTogether() { ++WindowList::get().openDepth; }

ShowsTogether::~ShowsTogether() {
    WindowList& list = WindowList::get();
    if (--list.openDepth == 0) list.flushShows();
}

void closeAllWindows() { WindowList::get().closeAll(); }

void noteUserInput() { WindowList::get().expectedActive = nullptr; }

namespace {

// Stored numbers beyond this are no window's place or size on any screen.
constexpr int BoundsReach = 1000000;

}  // namespace

WindowBounds parseBounds(const QString& text) {
    const QStringList fields = text.split(',');
    auto field = [&](int i) {
        if (i >= fields.size()) return 0;
        const qint64 value = leadingInteger(fields[i]);
        return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    return {field(0), field(1), field(2), field(3)};
}

QString boundsString(const Window& window) {
    return QString("%1,%2,%3,%4").arg(window.Top()).arg(window.Left()).arg(window.Height()).arg(window.Width());
}

bool applyStoredBounds(Window& window, const WindowBounds& bounds) {
    if (bounds.Width <= 0 || bounds.Height <= 0) return false;
    for (const int value : {bounds.Top, bounds.Left, bounds.Height, bounds.Width})
        if (value < -BoundsReach || value > BoundsReach) return false;
    const QRect wanted(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens()) onScreen = onScreen || screen->geometry().intersects(wanted);
    if (!onScreen) return false;
    window.setBounds(bounds.Top, bounds.Left, bounds.Height, bounds.Width);
    window.keepOnScreen();
    return true;
}

QString keyText(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return: return CR;
    case Qt::Key_Enter: return QString(QChar(3));
    case Qt::Key_Escape: return QString(QChar(27));
    case Qt::Key_Tab: return QString(QChar(9));
    case Qt::Key_Backspace: return QString(QChar(8));
    case Qt::Key_Delete: return QString(QChar(127));
    case Qt::Key_Left: return QString(QChar(28));
    case Qt::Key_Right: return QString(QChar(29));
    case Qt::Key_Up: return QString(QChar(30));
    case Qt::Key_Down: return QString(QChar(31));
    default: break;
    }
    // With Ctrl held the event's text is a control character: the key itself is what counts.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar letter(static_cast<char16_t>(key));
        return QString(event.modifiers() & Qt::ShiftModifier ? letter : letter.toLower());
    }
    const QString text = event.text();
    if (!text.isEmpty() && text[0].unicode() >= 32 && text[0].unicode() != 127) return text;
    return {};
}
