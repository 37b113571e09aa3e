#pragma once
// Windows: the window base with its events, the platform's list of open windows (front to back,
// by activation) and the accessors that keep one instance per window class.
//
// - A window is made by its accessor: windowInstance<W>() gives the open W or makes one. A window
//   made before the application started opens (Event_Open) after the application's Event_Open;
//   one made later opens at once, inside the accessor.
// - Width and Height are the content area's, below the window's menu bar; Top and Left are the
//   position of the window's inside (its frame not counted). Reading and writing agree.
// - A closed window leaves the list at once and is deleted later, never under a running handler.
// - Walks over the windows use a snapshot (windowSnapshot()) taken first.
#include "platform/Menus.h"
#include "platform/Types.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

class DragItem;
class Graphics;
class PushButton;

class Window : public QMainWindow {
    Q_OBJECT
public:
    Window();
    ~Window() override;

    // Events. Event_KeyDown gets the key as text (a letter, or a control character such as
    // Chr(13) for Return) and answers whether it took the key.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    // True refuses a close by the user or by code, and calls a quit off.
    virtual bool Event_CancelClose() { return false; }
    virtual void Event_Activate() {}
    virtual void Event_Resized() {}
    virtual bool Event_KeyDown(const QString& key) { Q_UNUSED(key) return false; }
    virtual void Event_EnableMenuItems() {}
    virtual void Event_Paint(Graphics& g) { Q_UNUSED(g) }
    // A drop on a window that accepts drops of text (AcceptTextDrop); action is 0.
    virtual void Event_DropObject(DragItem& obj, int action) { Q_UNUSED(obj) Q_UNUSED(action) }
    // Binds the window's menu handlers; runs once, when the window is made.
    virtual void AddMenuHandlers() {}
    // Re-fonts the window's text fields and lists to the text font in use; most windows have none.
    virtual void applyTextFont() {}

    // The window's layout.
    QString Title() const { return windowTitle(); }
    void setTitle(const QString& title) { setWindowTitle(title); }
    int Top() const;
    int Left() const;
    int Width() const;
    int Height() const;
    void setTop(int top);
    void setLeft(int left);
    void setWidth(int width);
    void setHeight(int height);
    void setBounds(int top, int left, int height, int width);
    // Moves the window (and shrinks it, when the user may resize it and it is larger than the
    // screen) so that it lies wholly on the available area of its screen, its frame included.
    void keepOnScreen();
    void setMinimumContentSize(int width, int height);
    void setMaximumContentSize(int width, int height);
    void setResizeable(bool resizeable);
    bool Resizeable() const { return resizeable; }
    void setCloseButton(bool closeBox);
    bool CloseButton() const { return closeBox; }
    void setMinimizeButton(bool button);
    void setMaximizeButton(bool button);
    void setBackColor(const Color& colour);
    void setMenuBarVisible(bool visible);
    // From now on, text dragged over the window may be dropped on it.
    void AcceptTextDrop() { setAcceptDrops(true); }

    // The Visible property: true while the window is shown or is to be shown when it opens. A
    // layout that makes its window hidden sets it false before the window opens.
    bool Visible() const { return visibleFlag; }
    void setInitiallyVisible(bool visible) { visibleFlag = visible; }

    // Show brings the window to the front (showing it); Hide hides it and puts it at the back.
    void Show();
    void Hide();
    // Runs Event_Close and removes the window; false when Event_CancelClose refused.
    bool Close();
    void Refresh() { content()->update(); }

    bool isOpened() const { return opened; }
    bool isClosed() const { return closed; }

    // The area the controls sit in, below the menu bar.
    QWidget* content() const { return area; }

    void AddMenuHandler(const QString& itemName, std::function<bool()> handler);
    void AddMenuHandler(const QString& itemName, std::function<bool(int index)> handler);
    const MenuHandlers& menuHandlers() const { return handlers; }
    // The menus as this window's last activation left them; its bar shows them.
    const WindowMenuState& menuState() const { return menus; }

    // Makes this window a sheet over `parent`: a window-modal dialog kept above it and shown
    // centred over it (or on its screen, see setPlacement). While the sheet is on screen, the
    // parent takes no input of the user's: a click, a key or a shortcut on it brings the sheet to
    // the front with a beep, and the parent's menus show disabled.
    void setSheetParent(Window* parent);
    // The sheet on screen over this window (where sheets stack, the front one); nullptr when
    // nothing blocks the window.
    Window* blockingSheet() const;
    // What the user's action on a blocked window does: its sheet comes back on screen (if the window
    // manager lost it, or it was minimised) and to the front, with a beep unless `cue` is false (the
    // window system activated the blocked window).
    void bringSheetForward(bool cue = true);
    // Where a sheet or a window opened from another first shows: centred over the window it
    // belongs to (the default), or centred on that window's screen, for a tool the user works with
    // beside its window.
    enum class Placement { OverItsWindow, OnItsWindowsScreen };
    void setPlacement(Placement value) { placement = value; }
    // Shows the window as a sheet over `parent` and returns once it has closed or hidden.
    void ShowModalWithin(Window* parent);

    // Joins the window list, binds the menu handlers and opens the window (now, or after the
    // application's Event_Open). Accessors call it once, right after making the window.
    void startUp();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class WindowContent;
    friend class WindowList;
    friend Window* dialogOwner();
    void open();
    void showNow();
    void putOnScreen();
    void mapOnScreen();
    void unmapFromScreen();
    void raiseOnScreen();
    // A shown window that the window manager lost (see WindowManager.h) is shown again; true when
    // it was lost.
    bool bringBackIfLost();
    // While this window is active and blocked, its sheet is brought back on screen if the window
    // manager lost it, `times` more times a moment apart.
    void lookAgainForLostSheet(int times);
    void contentResized();
    int menuBarHeight(int width) const;
    void applyFlags();
    void applySizeLimits();
    void releaseSizeLimits();
    void endModal();
    void finishClosing();
    PushButton* buttonWithRole(bool defaultRole) const;
    void placeForShowing();
    void centreOver(const Window* other);
    void showMenusBlocked();

    QWidget* area = nullptr;
    MenuHandlers handlers;
    WindowMenuState menus;
    bool opened = false, closed = false, visibleFlag = true, started = false;
    bool resizeable = true, closeBox = true, minimizeBox = true, maximizeBox = true;
    bool closingByProgram = false;
    bool placed = false;  // has had its place on screen
    QElapsedTimer mapped;  // since the program last put the window on screen
    Placement placement = Placement::OverItsWindow;
    QSize minimumContent{64, 64}, maximumContent{32000, 32000};
    QSize reportedSize;
    QPointer<Window> sheetParent;
    class QEventLoop* modalLoop = nullptr;
};

// The open windows, front (0) to back.
int WindowCount();
Window* windowAt(int index);  // nullptr outside 0..WindowCount()-1
Window* frontWindow();
std::vector<QPointer<Window>> windowSnapshot();
// The window a dialog shown now belongs to: the front window. One still opening takes its place
// on screen first, so that the dialog is centred over the place where the window will show.
// nullptr when no window is on screen or opening (windows made before the application started
// do not count until they open).
Window* dialogOwner();

// Opens the windows made before the application's Event_Open, in the order they were made.
void openWaitingWindows();
// Closes every window, front to back, running the closing handlers of opened ones (a window
// that never opened just goes). No window can refuse.
void closeAllWindows();
// The user pressed a key or a mouse button: activations from the window system count again.
void noteUserInput();

template <class W>
W* findWindow() {
    for (int i = 0; i < WindowCount(); ++i)
        if (W* window = dynamic_cast<W*>(windowAt(i))) return window;
    return nullptr;
}

// The accessor of a window class: the open window of the class, or a new one.
template <class W>
W* windowInstance() {
    if (W* window = findWindow<W>()) return window;
    W* window = new W();
    window->startUp();
    return window;
}

// While one lives, windows that open or are shown wait, and come on screen together, each once,
// when the outermost ends (as the windows made before the application started do).
class ShowsTogether {
public:
    ShowsTogether();
    ~ShowsTogether();
    ShowsTogether(const ShowsTogether&) = delete;
    ShowsTogether& operator=(const ShowsTogether&) = delete;
};

// How a command shows its window: the window of class W, the open one or a new one, is made ready
// by `prepare` (its wakeup), then comes to the front with the keyboard, also when it was open
// already. A new window comes on screen only once it is ready, so that it is mapped once, as what
// it is: a sheet as a sheet over its parent.
template <class W, class Prepare>
W* showWindow(Prepare&& prepare) {
    std::optional<ShowsTogether> together;
    if (!findWindow<W>()) together.emplace();
    W* window = windowInstance<W>();
    prepare(*window);
    window->Show();
    return window;
}
// A command's window that needs no preparing.
template <class W>
W* showWindow() {
    return showWindow<W>([](W&) {});
}

// Window bounds as stored: "top,left,height,width", each the integer its field starts with (held
// within the range of int).
struct WindowBounds {
    int Top = 0, Left = 0, Height = 0, Width = 0;
};
WindowBounds parseBounds(const QString& text);
QString boundsString(const Window& window);
// Applies stored bounds unless they give no positive size, hold absurd values (beyond any
// screen's reach) or lie off every screen, and then keeps the window wholly on the screen;
// answers whether they were applied.
bool applyStoredBounds(Window& window, const WindowBounds& bounds);

// The key of a key event as the window events see it.
QString keyText(const class QKeyEvent& event);
