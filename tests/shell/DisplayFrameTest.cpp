// The display window's frame (bounds, canvas, scroll bars) and the application's commands on it:
// Clear Window and page setup.
#include "ShellSupport.h"

#include "core/M_globals.h"
#include "core/Hexagram.h"
#include "app/MenuBar1.h"
#include "display/displayWindow.h"
#include "input/InputWindow.h"
#include "lists/ListsWindow.h"
#include "platform/Graphics.h"
#include "platform/Printing.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// The canvas as the screen shows it.
QImage canvasImage(displayWindow* display) { return display->Canvas1->grab().toImage(); }

}  // namespace

TEST(DisplayBounds, StoredBoundsThatFitAScreenAreAppliedAndWrittenBackOnClose) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QString offScreen = QString("%1,%2,400,500").arg(screen.bottom() + 100).arg(screen.right() + 100);
    struct Case {
        QString stored;
        QString shown;  // empty: the layout's bounds
    } cases[] = {
        {"44,10,500,600", "44,10,500,600"},
        {"", ""},
        {"44,10", ""},         // no size
        {"a,b,c,d", ""},       // no numbers
        {"44,10,0,600", ""},   // no height
        {offScreen, ""},       // off every screen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        StartedProgram program(databaseSql("tri", "DejaVu Sans", c.stored));
        displayWindow* display = displayWindow::instance();
        if (c.shown.isEmpty()) {
            EXPECT_EQ(display->Width(), 419);
            EXPECT_EQ(display->Height(), 312);
        } else {
            EXPECT_EQ(boundsString(*display), c.shown);
        }
        const QString bounds = boundsString(*display);
        program.quit();
        EXPECT_EQ(readValue(program.databasePath(), "SELECT DisplayW FROM ProgramPrefs"), bounds);
    }
}

TEST(DisplayBounds, AWindowPartlyOffTheLeftEdgeKeepsItsNegativeLeft) {
    StartedProgram program;
    displayWindow* display = displayWindow::instance();
    const WindowBounds bounds = parseBounds("40,-120,400,500");
    EXPECT_EQ(bounds.Left, -120);
    EXPECT_TRUE(applyStoredBounds(*display, bounds));
    // As set; the offscreen platform later shifts a window at a negative left by its frame.
    EXPECT_EQ(boundsString(*display), "40,-120,400,500");
}

TEST(DisplayFrame, TheCanvasAndScrollBarsFollowTheWindowAndTheDrawing) {
    StartedProgram program(databaseSql("tri", "DejaVu Sans", "44,10,500,600"));
    displayWindow* display = displayWindow::instance();
    StartedProgram::settle();
    EXPECT_EQ(display->Canvas1->Left(), 0);
    EXPECT_EQ(display->Canvas1->Top(), 0);
    EXPECT_EQ(display->Canvas1->Width(), 600);
    EXPECT_EQ(display->Canvas1->Height(), 480);
    EXPECT_EQ(display->scrollbarH->Top(), 485);
    EXPECT_EQ(display->scrollbarH->Width(), 585);
    EXPECT_EQ(display->ScrollBarV->Left(), 585);
    EXPECT_EQ(display->ScrollBarV->Height(), 485);
    EXPECT_EQ(display->scrollbarH->PageStep(), 430);
    EXPECT_EQ(display->scrollbarH->LineStep(), 50);
    EXPECT_EQ(display->ScrollBarV->PageStep(), 50);
    EXPECT_EQ(display->ScrollBarV->LineStep(), 15);
    // The first drawing is 250 x 500: only the vertical bar is needed.
    EXPECT_FALSE(display->scrollbarH->Visible());
    EXPECT_TRUE(display->ScrollBarV->Visible());
    EXPECT_EQ(display->ScrollBarV->Maximum(), 20);

    struct Case {
        int width, height;
        bool horizontal, vertical;
    } cases[] = {
        {600, 480, false, false},  // exactly the canvas: no scrolling
        {601, 480, true, false},   // one pixel wider
        {600, 481, false, true},
        {1290, 900, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 x %2").arg(c.width).arg(c.height).toStdString());
        display->drawbuffer = NewPicture(c.width, c.height, 16);
        display->checkscrollbarH();
        EXPECT_EQ(display->scrollbarH->Visible(), c.horizontal);
        EXPECT_EQ(display->scrollbarH->Enabled(), c.horizontal);
        EXPECT_EQ(display->ScrollBarV->Visible(), c.vertical);
        EXPECT_EQ(display->ScrollBarV->Enabled(), c.vertical);
        EXPECT_EQ(display->scrollbarH->Maximum(), c.width - 600);
        EXPECT_EQ(display->ScrollBarV->Maximum(), c.height - 480);
        EXPECT_EQ(display->offsetH, 0);
        EXPECT_EQ(display->offsetV, 0);
    }

    display->scrollbarH->setValue(430);
    display->ScrollBarV->setValue(15);
    EXPECT_EQ(display->offsetH, -430);
    EXPECT_EQ(display->offsetV, -15);
    // Resizing scrolls back to the top left.
    display->setWidth(700);
    StartedProgram::settle();
    EXPECT_EQ(display->Canvas1->Width(), 700);
    EXPECT_EQ(display->scrollbarH->Value(), 0);
    EXPECT_EQ(display->offsetH, 0);
    EXPECT_EQ(display->offsetV, 0);
    EXPECT_EQ(display->scrollbarH->Maximum(), 590);
}

TEST(DisplayFrame, TheCanvasPaintsTheDrawingAtTheScrollOffsetsAndNothingForAnEmptyChain) {
    StartedProgram program(databaseSql("tri", "DejaVu Sans", "44,10,400,500"));
    displayWindow* display = displayWindow::instance();
    StartedProgram::settle();
    // A drawing with a black mark at x 450..459.
    auto drawing = NewPicture(1000, 380, 16);
    drawing->graphics()->ForeColor = RGB(0, 0, 0);
    drawing->graphics()->FillRect(450, 100, 10, 10);
    display->drawbuffer = drawing;
    display->checkscrollbarH();

    const QColor background = canvasImage(display).pixelColor(5, 5);
    EXPECT_EQ(background, QColor(0xCC, 0xCC, 0xCC));  // an empty chain shows the bare canvas
    display->scrollbarH->setValue(430);
    EXPECT_EQ(canvasImage(display).pixelColor(25, 105), background);

    display->virev.push_back(std::make_shared<Hexagram>(63, false));
    display->virevcount = 1;
    display->Canvas1->Refresh(true);
    const QImage shown = canvasImage(display);
    EXPECT_EQ(shown.pixelColor(25, 105), QColor(0, 0, 0));       // 450 - 430
    EXPECT_EQ(shown.pixelColor(5, 105), QColor(255, 255, 255));   // the drawing's white
}

TEST(ClearWindow, ReplacesAChainOfTwoOrMoreByAnEmptyWindowAtTheStoredBounds) {
    StartedProgram program;
    displayWindow* display = displayWindow::instance();
    struct Case {
        int count;
        bool replaced;
    } cases[] = {{0, false}, {1, false}, {2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        if (InputWindow* input = findWindow<InputWindow>()) input->Close();  // the display window is then in front
        display = displayWindow::instance();
        ASSERT_EQ(frontWindow(), display);
        display->virevcount = c.count;
        display->setBounds(60, 30, 350, 480);
        // A replaced window is closed and then deleted: only a guarded pointer may look at it after.
        const QPointer<displayWindow> before = display;
        EXPECT_TRUE(ChooseMenuItem(display, "OptionsClearWindow"));
        StartedProgram::settle();
        displayWindow* now = findWindow<displayWindow>();
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(before.isNull(), c.replaced);
        if (c.replaced) {
            EXPECT_FALSE(now->isClosed());
            EXPECT_EQ(now->virevcount, 0);
            EXPECT_EQ(boundsString(*now), "60,30,350,480");
        } else {
            EXPECT_EQ(now, before.data());
        }
    }
    EXPECT_TRUE(program.dialogs.messages.isEmpty());
}

TEST(ClearWindow, DoesNothingWhileAnotherWindowIsInFront) {
    StartedProgram program;
    displayWindow* display = displayWindow::instance();
    display->virevcount = 3;
    EXPECT_TRUE(ChooseMenuItem(display, "DataBaseCurrentHexDataTable"));
    ASSERT_NE(dynamic_cast<ListsWindow*>(frontWindow()), nullptr);
    EXPECT_FALSE(OptionsClearWindow()->Visible());  // the lists window's menus do not show it
    EXPECT_FALSE(program.app()._OptionsClearWindow_Action());
    EXPECT_EQ(findWindow<displayWindow>(), display);
    EXPECT_FALSE(display->isClosed());
}

TEST(PageSetup, KeepsTheLastConfirmedSetupForTheRun) {
    StartedProgram program;
    App& app = program.app();
    const QString defaults = PrinterSetup().SetupString();
    PrinterSetup landscape;
    landscape.layout.setOrientation(QPageLayout::Landscape);
    const QString chosen = landscape.SetupString();

    program.dialogs.pageSetups = {std::nullopt, chosen, std::nullopt};
    EXPECT_FALSE(app.dopagesetup());  // cancelled
    EXPECT_FALSE(M_globals::isprintersetup);
    EXPECT_TRUE(M_globals::printsettings.isEmpty());
    ASSERT_TRUE(M_globals::Printer_ps);

    EXPECT_TRUE(ChooseMenuItem(frontWindow(), "FilePageSetup"));  // confirmed
    EXPECT_TRUE(M_globals::isprintersetup);
    EXPECT_EQ(M_globals::printsettings, chosen);

    const auto confirmedSetup = M_globals::Printer_ps;
    EXPECT_FALSE(app.dopagesetup());  // cancelled again: the confirmed string stays
    EXPECT_TRUE(M_globals::isprintersetup);
    EXPECT_EQ(M_globals::printsettings, chosen);
    EXPECT_NE(M_globals::Printer_ps, confirmedSetup);  // a new setup all the same

    // Each dialog opened with the setup confirmed last, the first with the defaults.
    EXPECT_EQ(program.dialogs.pageSetupsShown, (QStringList{defaults, defaults, chosen}));
}
