// Windows and sheets under a real X server with a window manager: what the user sees on screen,
// asked of the server itself. Nothing here times anything: each step waits for the window
// system's answer, with generous limits.
#include "XServer.h"

#include "ShellSupport.h"
#include "app/App.h"
#include "app/MenuBar1.h"
#include "chains/ChainPage.h"
#include "chains/Whexchains.h"
#include "chains/Wtext.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "lists/ListsWindow.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Menus.h"
#include "platform/Window.h"
#include "platform/WindowManager.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

#define REQUIRE_WINDOW_MANAGER()                                                              \
    if (!onXServer()) GTEST_SKIP() << "not on an X server (run under with-window-manager.sh)"; \
    ASSERT_TRUE(waitForWindowManager()) << "no window manager took the screen"

class WindowSystemFixture : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_WINDOW_MANAGER();
        application.setMenuBar(MenuBar1::instance());  // each window shows the program's menus
        application.Start();
    }
    void TearDown() override {
        closeAllWindows();
        settle();
    }
    Application application;
};

class ParentWindow : public Window {};
class SheetWindow : public Window {};
// A window with a place of its own near the screen's corner, as the display window's layout gives.
class PlacedWindow : public Window {
public:
    PlacedWindow() { setBounds(40, 10, 300, 400); }
};

bool menusEnabled(const Window& window) { return window.menuWidget() && window.menuWidget()->isEnabled(); }

// The window in front, as the window manager stacks them and gives the keyboard.
bool waitUntilInFront(const QWidget& window) {
    const unsigned id = static_cast<unsigned>(window.winId());
    return QTest::qWaitFor([&] {
        const std::vector<unsigned> order = stackingOrder();
        return activeWindow() == id && !order.empty() && order.back() == id;
    }, 10000);
}

// The started program's display window, with the input window of the start closed and a chain of
// two hexagrams, as the user has it after the first steps.
displayWindow* displayWithAChain() {
    StartedProgram::closeInputWindow();
    displayWindow* display = displayWindow::instance();
    display->newhex(1, true);
    display->newhex(21, true);
    return display;
}

}  // namespace

TEST_F(WindowSystemFixture, ASheetHiddenAndShownAgainAtOnceIsOnScreenEveryTime) {
    ParentWindow* parent = windowInstance<ParentWindow>();
    ASSERT_TRUE(waitUntilOnScreen(*parent));
    SheetWindow* sheet = windowInstance<SheetWindow>();
    sheet->setSheetParent(parent);
    for (int cycle = 0; cycle < 120; ++cycle) {
        SCOPED_TRACE(cycle);
        // Hidden and shown once to four times in a row, now and then with the window system's
        // events handled in between, and never waiting for the window manager.
        for (int toggle = 0; toggle <= cycle % 4; ++toggle) {
            sheet->Hide();
            if (cycle % 3 == 0) QCoreApplication::processEvents();
            sheet->Show();
        }
        ASSERT_TRUE(waitUntilOnScreen(*sheet));
        EXPECT_EQ(parent->blockingSheet(), sheet);
        EXPECT_FALSE(menusEnabled(*parent));
    }
    sheet->Hide();
    EXPECT_EQ(parent->blockingSheet(), nullptr);
    EXPECT_TRUE(menusEnabled(*parent));
}

// As the input window comes: a new window, on screen as it opens, then made a sheet.
TEST_F(WindowSystemFixture, ANewWindowMadeASheetAsItOpensIsOnScreenEveryTime) {
    ParentWindow* parent = windowInstance<ParentWindow>();
    ASSERT_TRUE(waitUntilOnScreen(*parent));
    for (int cycle = 0; cycle < 120; ++cycle) {
        SCOPED_TRACE(cycle);
        SheetWindow* sheet = windowInstance<SheetWindow>();
        sheet->setSheetParent(parent);
        ASSERT_TRUE(waitUntilOnScreen(*sheet));
        EXPECT_EQ(parent->blockingSheet(), sheet);
        sheet->Close();
        EXPECT_EQ(parent->blockingSheet(), nullptr);
        EXPECT_TRUE(menusEnabled(*parent));
        settle();
    }
}

// A sheet comes on screen as a sheet: its window is mapped once, never shown as a plain window first
// and then hidden and shown again.
TEST_F(WindowSystemFixture, EachOpeningOfASheetMapsItsWindowOnce) {
    ParentWindow* parent = windowInstance<ParentWindow>();
    ASSERT_TRUE(waitUntilOnScreen(*parent));
    for (int cycle = 0; cycle < 10; ++cycle) {
        SCOPED_TRACE(cycle);
        const MapCounter counter;
        SheetWindow* sheet = showWindow<SheetWindow>([&](SheetWindow& window) { window.setSheetParent(parent); });
        ASSERT_TRUE(waitUntilOnScreen(*sheet));
        settle();
        EXPECT_EQ(counter.maps(*sheet), 1);
        EXPECT_EQ(counter.unmaps(*sheet), 0);
        EXPECT_EQ(parent->blockingSheet(), sheet);
        sheet->Close();
        settle();
    }
}

// The window manager lets go of a sheet behind the program's back (as when it loses one): a click
// on the window it blocks shows it again.
TEST_F(WindowSystemFixture, AClickOnABlockedWindowBringsItsSheetBackOnScreen) {
    ParentWindow* parent = windowInstance<ParentWindow>();
    auto* button = new PushButton(parent, "PushButton1", 10, 10, 80, 20, "press");
    int pressed = 0;
    QObject::connect(button, &PushButton::Action, [&] { ++pressed; });
    ASSERT_TRUE(waitUntilOnScreen(*parent));
    SheetWindow* sheet = windowInstance<SheetWindow>();
    sheet->setSheetParent(parent);
    ASSERT_TRUE(waitUntilOnScreen(*sheet));

    withdrawBehindTheProgramsBack(*sheet);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isManagedNormally(*sheet) && !isViewable(*sheet); }, 10000));
    ASSERT_TRUE(sheet->isVisible());  // the program still counts it as shown

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(pressed, 0);
    EXPECT_TRUE(waitUntilOnScreen(*sheet));
    EXPECT_EQ(parent->blockingSheet(), sheet);
}

// The same, when the user brings the blocked window to the front another way: from a taskbar or a
// pager, or by switching windows.
TEST_F(WindowSystemFixture, ALostSheetComesBackWhenItsParentIsActivated) {
    ParentWindow* parent = windowInstance<ParentWindow>();
    ASSERT_TRUE(waitUntilOnScreen(*parent));
    SheetWindow* sheet = showWindow<SheetWindow>([&](SheetWindow& window) { window.setSheetParent(parent); });
    ASSERT_TRUE(waitUntilOnScreen(*sheet));
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        actAsTheUser();
        sheet->Show();
        ASSERT_TRUE(waitUntilInFront(*sheet));
        // The manager may give the keyboard back to the parent as it withdraws the sheet, and the
        // program then brings the sheet back before the withdrawal could be watched: what counts is
        // that the sheet, unmapped, was mapped again and is on screen.
        const MapCounter counter;
        withdrawBehindTheProgramsBack(*sheet);
        activateAsATaskbarDoes(*parent);
        EXPECT_TRUE(QTest::qWaitFor([&] { return counter.maps(*sheet) > 0; }, 10000));
        EXPECT_TRUE(waitUntilOnScreen(*sheet));
        EXPECT_EQ(parent->blockingSheet(), sheet);
    }
}

// A window manager that crashed leaves its check window's name on the root window; the program
// then waits for no manager.
TEST_F(WindowSystemFixture, AWindowManagerIsTakenToRunOnlyWhileItsCheckWindowNamesItself) {
    const unsigned real = supportingWindowManagerCheck();
    ASSERT_NE(real, 0u);
    EXPECT_TRUE(windowManagerRuns());
    const unsigned gone = makeHiddenWindow(true);
    destroyWindow(gone);
    const unsigned silent = makeHiddenWindow(false);
    struct Case {
        const char* what;
        unsigned check;
        bool runs;
    } cases[] = {
        {"the check window is gone", gone, false},
        {"the check window does not name itself", silent, false},
        {"the manager's own check window", real, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setSupportingWindowManagerCheck(c.check);
        EXPECT_EQ(windowManagerRuns(), c.runs);
    }
    setSupportingWindowManagerCheck(real);
    destroyWindow(silent);
}

TEST_F(WindowSystemFixture, AWindowShownAgainComesToTheFrontWithTheKeyboard) {
    ParentWindow* first = windowInstance<ParentWindow>();
    SheetWindow* second = windowInstance<SheetWindow>();
    ASSERT_TRUE(waitUntilInFront(*second));
    actAsTheUser();
    first->Show();
    EXPECT_TRUE(waitUntilInFront(*first));
    actAsTheUser();
    second->Show();
    EXPECT_TRUE(waitUntilInFront(*second));
}

// The program's own commands, with the window they show already open behind the display window.
TEST(WindowSystemProgram, AWindowACommandShowsComesToTheFrontAlsoWhenItIsOpenAlready) {
    REQUIRE_WINDOW_MANAGER();
    StartedProgram program(validDatabaseSql({0, 1, 21, 42, 62, 63}));
    ASSERT_TRUE(program.started);
    displayWindow* display = displayWithAChain();
    struct Case {
        const char* item;
        std::function<Window*()> window;
    } cases[] = {
        {"OptionsText", [] { return findWindow<Wtext>(); }},
        {"OptionsChainWindow", [] { return findWindow<ChainPage>(); }},
        {"DataBaseCurrentHexDataTable", [] { return findWindow<ListsWindow>(); }},
        {"FileHelp", [] { return frontWindow(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        actAsTheUser();
        ASSERT_TRUE(ChooseMenuItem(display, c.item));
        Window* shown = c.window();
        ASSERT_NE(shown, nullptr);
        ASSERT_TRUE(waitUntilInFront(*shown));
        actAsTheUser();
        display->Show();
        ASSERT_TRUE(waitUntilInFront(*display));
        actAsTheUser();
        ASSERT_TRUE(ChooseMenuItem(display, c.item));
        EXPECT_EQ(c.window(), shown);
        EXPECT_TRUE(waitUntilInFront(*shown));
        EXPECT_EQ(frontWindow(), shown);
        actAsTheUser();
        display->Show();
        ASSERT_TRUE(waitUntilInFront(*display));
    }
}

// The input window opened and closed by its keys as fast as they come, then the display window's
// shortcuts: they work whenever the window is active and no sheet blocks it.
TEST(WindowSystemProgram, ShortcutsWorkAfterAFastBurstOfOpeningAndClosing) {
    REQUIRE_WINDOW_MANAGER();
    StartedProgram program(validDatabaseSql({0, 1, 21, 42, 62, 63}));
    ASSERT_TRUE(program.started);
    displayWindow* display = displayWithAChain();
    constexpr unsigned KeyI = 0x69, KeyT = 0x74, Escape = 0xff1b;
    for (int cycle = 0; cycle < 4; ++cycle) {
        SCOPED_TRACE(cycle);
        actAsTheUser();
        display->Show();
        ASSERT_TRUE(waitUntilInFront(*display));
        for (int burst = 0; burst < 12; ++burst) {
            typeKey(KeyI, true);
            QCoreApplication::processEvents();
            typeKey(Escape);
            QCoreApplication::processEvents();
        }
        // A key that comes before its sheet has the keyboard goes to the sheet all the same: the
        // keys stay in step, and the last Escape closed the last input window.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            StartedProgram::settle();
            return findWindow<InputWindow>() == nullptr && display->isActiveWindow();
        }, 10000)) << "input window " << findWindow<InputWindow>() << ", Qt's focus window "
                   << QGuiApplication::focusWindow() << ", the manager's active window " << std::hex << activeWindow()
                   << ", the display window's " << display->winId();
        actAsTheUser();
        typeKey(KeyT, true);
        Wtext* text = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (text = findWindow<Wtext>()) != nullptr; }, 10000));
        if (!text) return;
        ASSERT_TRUE(waitUntilOnScreen(*text));
        text->Close();
        StartedProgram::settle();
    }
}

// The program's own sheets, each opened by its command: one map each.
TEST(WindowSystemProgram, TheProgramsSheetsAreMappedOnceEachTimeTheyOpen) {
    REQUIRE_WINDOW_MANAGER();
    StartedProgram program(validDatabaseSql({0, 1, 21, 42, 62, 63}));
    ASSERT_TRUE(program.started);
    displayWindow* display = displayWithAChain();
    ASSERT_TRUE(waitUntilOnScreen(*display));
    struct Case {
        const char* item;
        std::function<Window*()> sheet;
    } cases[] = {
        {"Optionsinput", [] { return findWindow<InputWindow>(); }},
        {"HexChainsLoad", [] { return findWindow<Whexchains>(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        for (int cycle = 0; cycle < 3; ++cycle) {
            const MapCounter counter;
            ASSERT_TRUE(ChooseMenuItem(display, c.item));
            Window* sheet = c.sheet();
            ASSERT_NE(sheet, nullptr);
            ASSERT_TRUE(waitUntilOnScreen(*sheet));
            StartedProgram::settle();
            EXPECT_EQ(counter.maps(*sheet), 1);
            EXPECT_EQ(counter.unmaps(*sheet), 0);
            EXPECT_EQ(display->blockingSheet(), sheet);
            sheet->Close();
            StartedProgram::settle();
        }
    }
}

// The hand steps that once left the display window blocked by an input window nobody could see:
// the input window asked for, "set", and asked for again at once.
TEST(WindowSystemProgram, TheInputWindowAskedForAgainAtOnceIsOnScreenEveryTime) {
    REQUIRE_WINDOW_MANAGER();
    StartedProgram program(validDatabaseSql({0, 1, 21, 42, 62, 63}));
    ASSERT_TRUE(program.started);
    displayWindow* display = displayWindow::instance();
    for (int cycle = 0; cycle < 60; ++cycle) {
        SCOPED_TRACE(cycle);
        InputWindow* input = findWindow<InputWindow>();
        ASSERT_NE(input, nullptr);
        ASSERT_TRUE(waitUntilOnScreen(*input));
        QTest::mouseClick(input->PushButton1, Qt::LeftButton);  // "set"
        ASSERT_TRUE(ChooseMenuItem(display, "Optionsinput"));
    }
    InputWindow* input = findWindow<InputWindow>();
    ASSERT_NE(input, nullptr);
    EXPECT_TRUE(waitUntilOnScreen(*input));
    EXPECT_EQ(display->blockingSheet(), input);
    QTest::mouseClick(input->PushButton2, Qt::LeftButton);  // "cancel"
    StartedProgram::settle();
    EXPECT_EQ(display->blockingSheet(), nullptr);
    EXPECT_TRUE(menusEnabled(*display));
}

// A message at start-up, before any window has opened (the display window waits for the start
// to end, and a start that ends early never opens it), shows in the middle of the screen.
TEST(WindowSystemMessages, AMessageBeforeAnyWindowOpensIsCentredOnTheScreen) {
    REQUIRE_WINDOW_MANAGER();
    Application application;  // not started: a window made now waits for it
    windowInstance<PlacedWindow>();
    QRect shownAt;
    QTimer::singleShot(0, [&] {
        QWidget* box = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            box = QApplication::activeModalWidget();
            return box != nullptr;
        }, 10000);
        if (!shown) return;
        if (waitUntilOnScreen(*box)) shownAt = box->frameGeometry();
        static_cast<QMessageBox*>(box)->done(0);
    });
    MsgBox("The file is damaged.");
    closeAllWindows();
    settle();
    ASSERT_TRUE(shownAt.isValid()) << "the message never came on screen";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(shownAt.center().x() - screen.center().x()), 40);
    EXPECT_LE(std::abs(shownAt.center().y() - screen.center().y()), 40);
}
