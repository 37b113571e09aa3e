#pragma once
// The application object and the order of events the program relies on:
//  - Start() runs the application's Event_Open first, then opens the windows that were created
//    before it (in creation order); a window created later opens at once inside its accessor.
//  - Quit(code) first asks every opened window, front to back, whether it may close
//    (Event_CancelClose); the first refusal calls the quit off. Otherwise it closes every window,
//    front to back, each running its closing handler, then runs the application's Event_Close,
//    and ends the event loop with that exit code. A quit asked for during Event_Open ends start-up
//    there: the windows created before it never open, and nothing is asked.
//  - The application does not quit when its last window closes; only Quit ends it.
#include "platform/Menus.h"

#include <QString>
#include <functional>
#include <memory>

class MenuBar;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The registered application object, or nullptr.
    static Application* instance();

    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_EnableMenuItems() {}

    // The menu bar model that every window shows. Set it before the first window is made.
    void setMenuBar(MenuBar* bar) { menus = bar; }
    MenuBar* menuBar() const { return menus; }

    void AddMenuHandler(const QString& itemName, std::function<bool()> handler);
    void AddMenuHandler(const QString& itemName, std::function<bool(int index)> handler);
    const MenuHandlers& menuHandlers() const { return handlers; }

    // The folder the program lives in; tests point it at a temporary folder.
    QString applicationFolder() const;
    void setApplicationFolder(const QString& folder) { folderOverride = folder; }

    // Runs Event_Open and opens the waiting windows; false when a quit was asked for meanwhile
    // (the application has then shut down).
    bool Start();
    // Start(), then the event loop; the process's exit code.
    int Run();

    // Asks the application to quit with `exitCode`; once the asking handler has returned, the
    // windows are asked and, unless one refuses, the application shuts down.
    void Quit(int exitCode = 0);
    bool quitRequested() const { return quitting; }
    bool hasShutDown() const { return shutDown; }
    int exitCode() const { return code; }
    // True once Event_Open has run: windows made from now on open at once.
    bool isRunning() const { return running; }

private:
    void shutDownNow();

    MenuBar* menus = nullptr;
    MenuHandlers handlers;
    QString folderOverride;
    bool running = false;
    bool looping = false;
    bool quitting = false;
    bool shutDown = false;
    int code = 0;
    std::unique_ptr<class QObject> shortcutWatcher;
};

// Opens the address in the user's browser (through the dialog seam, so tests record it); false
// when nothing could open it.
bool ShowURL(const QString& url);
