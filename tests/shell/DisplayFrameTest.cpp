// The display window's frame (bounds, canvas, scroll bars) and the application's commands on it:
// Clear Window and page setup.
#include "ShellSupport.h"

#include "core/M_globals.h"
#include "core/Hexagram.h"
#include "app/MenuBar1.h"
#include "display/ChainPicture.h"
#include "display/displayWindow.h"
#include "app/WHelp.h"
#include "app/aboutWindow.h"
#include "chains/ChainPage.h"
#include "chains/Whexchains.h"
#include "chains/Wtext.h"
#include "editors/GotoHexWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "input/InputWindow.h"
#include "input/W69changeInput.h"
#include "lists/TableInputWindow.h"
#include "lists/ListsWindow.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Printing.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>
#include <functional>
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

TEST(DisplayBounds, StoredBoundsOffTheScreenAreMovedBackOnAndAbsurdOnesCountAsAbsent) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        QString stored;
        QSize size;  // the content size the window opens with
    } cases[] = {
        {"40,-120,400,500", {500, 400}},                                         // off the left edge
        {QString("%1,60,300,400").arg(area.bottom() - 100), {400, 300}},        // below the bottom
        {QString("40,%1,300,400").arg(area.right() - 50), {400, 300}},          // off the right edge
        {"-2147483648,-2147483648,2147483647,2147483647", {419, 312}},           // absurd: absent
        {"2147483647,2147483647,2147483647,2147483647", {419, 312}},
        {"40,10,99999999999,99999999999", {419, 312}},                           // beyond int
        {"40,10,1000001,500", {419, 312}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        StartedProgram program(databaseSql("tri", "DejaVu Sans", c.stored));
        displayWindow* display = displayWindow::instance();
        StartedProgram::settle();
        EXPECT_EQ(QSize(display->Width(), display->Height()), c.size);
        EXPECT_TRUE(area.contains(display->frameGeometry())) << display->frameGeometry().x() << ","
                                                              << display->frameGeometry().y();
    }
}

TEST(WindowsOnScreen, EveryWindowOfTheProgramOpensWhollyOnTheScreen) {
    StartedProgram program;
    displayWindow* display = displayWindow::instance();
    display->newhex(63, true);
    display->newhex(62, true);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* name;
        std::function<Window*()> open;
    } cases[] = {
        {"display", [&]() -> Window* { return display; }},
        {"input", []() -> Window* { return InputWindow::instance(); }},
        {"saved chains", [] {
             Whexchains* chains = Whexchains::instance();
             chains->wakeup(0);
             return static_cast<Window*>(chains);
         }},
        {"changing-line editor", [] {
             W69changeInput* editor = W69changeInput::instance();
             editor->wakeup(63, 1);
             return static_cast<Window*>(editor);
         }},
        {"lists", [] {
             ListsWindow* lists = ListsWindow::instance();
             lists->Show();
             return static_cast<Window*>(lists);
         }},
        {"new table", [] {
             TableInputWindow* dialog = TableInputWindow::instance();
             dialog->wakeup(0, "ENGLISH_DEFAULT");
             return static_cast<Window*>(dialog);
         }},
        {"hexagram editor", [] {
             WdbEditText* editor = WdbEditText::instance();
             editor->wakeup("ENGLISH_DEFAULT", false);
             return static_cast<Window*>(editor);
         }},
        {"go to", [] {
             GotoHexWindow* dialog = GotoHexWindow::instance();
             dialog->wakeup(true, 1);
             return static_cast<Window*>(dialog);
         }},
        {"trigram editor", [] {
             TRIGRAMINPUT* editor = TRIGRAMINPUT::instance();
             editor->wakeup("TRIGRAMS_DEFAULT", false);
             return static_cast<Window*>(editor);
         }},
        {"text", [&] {
             EXPECT_TRUE(ChooseMenuItem(display, "OptionsText"));
             return static_cast<Window*>(findWindow<Wtext>());
         }},
        {"chain page", [&] {
             display->Show();
             EXPECT_TRUE(ChooseMenuItem(display, "OptionsChainWindow"));
             return static_cast<Window*>(findWindow<ChainPage>());
         }},
        {"help", [] {
             WHelp::instance()->Show();
             return static_cast<Window*>(WHelp::instance());
         }},
        {"about", []() -> Window* { return aboutWindow::instance(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window* window = c.open();
        StartedProgram::settle();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        const QRect frame = window->frameGeometry();
        if (frame.width() <= area.width() && frame.height() <= area.height()) {
            EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                              << frame.height();
        } else {  // larger than this screen: its top left corner, title and menus show
            EXPECT_EQ(frame.topLeft(), area.topLeft());
        }
    }
}

// No window ends in a band that reads as an empty scroll bar: each text area reaches its window's
// bottom edge, shows a vertical scroll bar only while its text overflows, as thick as the style
// draws one, and never a horizontal one; scrolled to its end, it shows its last line whole.
TEST(WindowsOnScreen, TextAreasReachTheBottomAndShowTheirLastLineWhole) {
    StartedProgram program;
    StartedProgram::closeInputWindow();
    displayWindow* display = displayWindow::instance();
    display->newhex(63, true);
    display->newhex(62, true);
    struct Case {
        const char* name;
        std::function<EditField*()> open;
    } cases[] = {
        {"text", [&] {
             EXPECT_TRUE(ChooseMenuItem(display, "OptionsText"));
             return findWindow<Wtext>()->EF1;
         }},
        {"chain page", [&] {
             display->Show();
             EXPECT_TRUE(ChooseMenuItem(display, "OptionsChainWindow"));
             return findWindow<ChainPage>()->EditField1;
         }},
        {"lists", [&] {
             EXPECT_TRUE(ChooseMenuItem(frontWindow(), "DataBaseCurrentHexDataTable"));
             return findWindow<ListsWindow>()->EFRecord;
         }},
    };
    QStringList lines;
    for (int i = 1; i <= 60; ++i) lines << QString("line %1").arg(i);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditField* field = c.open();
        ASSERT_NE(field, nullptr);
        QTextEdit* edit = field->textEdit();
        const int bar = edit->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        field->setText("one line");
        StartedProgram::settle();
        EXPECT_EQ(field->geometry().bottom(), field->parentWindow()->content()->height() - 1);
        EXPECT_FALSE(edit->verticalScrollBar()->isVisible());
        EXPECT_FALSE(edit->horizontalScrollBar()->isVisible());

        field->setText(lines.join(QChar(13)));
        StartedProgram::settle();
        EXPECT_TRUE(edit->verticalScrollBar()->isVisible());
        EXPECT_EQ(edit->verticalScrollBar()->width(), bar);
        EXPECT_FALSE(edit->horizontalScrollBar()->isVisible());
        edit->moveCursor(QTextCursor::End);
        edit->ensureCursorVisible();
        StartedProgram::settle();
        const QRect last = edit->cursorRect();
        EXPECT_GE(last.top(), 0);
        EXPECT_LT(last.bottom(), edit->viewport()->height());
    }
}

TEST(DisplayBounds, AWindowLargerThanTheScreenShrinksToIt) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    StartedProgram program(databaseSql("tri", "DejaVu Sans", "0,0,5000,6000"));
    displayWindow* display = displayWindow::instance();
    StartedProgram::settle();
    EXPECT_TRUE(area.contains(display->frameGeometry()));
    EXPECT_GT(display->Width(), area.width() - 40);
}

// The scroll bars are as thick as the style draws them (t), each along its edge. The canvas fills
// the window, except that it ends 5 above the horizontal bar while that shows; the vertical bar
// then ends at it.
TEST(DisplayFrame, TheCanvasAndScrollBarsFollowTheWindowAndTheDrawing) {
    StartedProgram program(databaseSql("tri", "DejaVu Sans", "44,10,500,600"));
    displayWindow* display = displayWindow::instance();
    StartedProgram::settle();
    const int t = display->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int above = 500 - t - 5;  // the canvas's height over the horizontal bar
    EXPECT_EQ(display->Canvas1->geometry(), QRect(0, 0, 600, 500));
    EXPECT_EQ(display->scrollbarH->geometry(), QRect(0, 500 - t, 600 - t, t));
    EXPECT_EQ(display->ScrollBarV->geometry(), QRect(600 - t, 0, t, 500));
    EXPECT_EQ(display->scrollbarH->PageStep(), 430);
    EXPECT_EQ(display->scrollbarH->LineStep(), 50);
    EXPECT_EQ(display->ScrollBarV->PageStep(), 50);
    EXPECT_EQ(display->ScrollBarV->LineStep(), 15);
    // The first drawing is 250 x 500, but an empty window shows no scroll bar over its empty canvas.
    EXPECT_FALSE(display->scrollbarH->Visible());
    EXPECT_FALSE(display->ScrollBarV->Visible());
    EXPECT_FALSE(display->ScrollBarV->Enabled());
    display->newhex(63, true);  // a drawing of 250 x 500 that fits the window
    EXPECT_FALSE(display->scrollbarH->Visible());
    EXPECT_FALSE(display->ScrollBarV->Visible());

    struct Case {
        int width, height;
        bool horizontal, vertical;
    } cases[] = {
        {600, 500, false, false},  // exactly the window: no scrolling
        {600, 501, false, true},   // one pixel higher
        {601, above, true, false}, // one pixel wider: the canvas ends above the bar
        {601, above + 1, true, true},
        {1290, 900, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 x %2").arg(c.width).arg(c.height).toStdString());
        display->drawbuffer = std::make_shared<ChainPicture>(c.width, c.height);
        display->checkscrollbarH();
        EXPECT_EQ(display->scrollbarH->Visible(), c.horizontal);
        EXPECT_EQ(display->scrollbarH->Enabled(), c.horizontal);
        EXPECT_EQ(display->ScrollBarV->Visible(), c.vertical);
        EXPECT_EQ(display->ScrollBarV->Enabled(), c.vertical);
        EXPECT_EQ(display->Canvas1->Height(), c.horizontal ? above : 500);
        EXPECT_EQ(display->ScrollBarV->Height(), c.horizontal ? 500 - t : 500);
        EXPECT_EQ(display->scrollbarH->Maximum(), c.width - 600);
        EXPECT_EQ(display->ScrollBarV->Maximum(), c.height - display->Canvas1->Height());
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
    const QColor background = canvasImage(display).pixelColor(5, 5);
    EXPECT_EQ(background, QColor(0xCC, 0xCC, 0xCC));  // an empty chain shows the bare canvas
    EXPECT_FALSE(display->scrollbarH->Visible());
    EXPECT_FALSE(display->ScrollBarV->Visible());

    // Two hexagrams: the figures from x 100 and 530, their top lines at row 39.
    display->newhex(63, true);
    display->newhex(0, true);
    ASSERT_EQ(display->drawbuffer->Width(), 680);
    EXPECT_EQ(canvasImage(display).pixelColor(125, 39), M_globals::Used_upperTricolor);
    display->scrollbarH->setValue(100);
    const QImage shown = canvasImage(display);
    EXPECT_EQ(shown.pixelColor(435, 39), M_globals::Used_upperTricolor);  // 535 - 100
    EXPECT_EQ(shown.pixelColor(25, 39), M_globals::Used_upperTricolor);   // 125 - 100
    EXPECT_EQ(shown.pixelColor(25, 300), QColor(255, 255, 255));         // the drawing's white
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
