#include "display/displayWindow.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "core/M_globals.h"
#include "core/WindowBounds.h"
#include "input/InputWindow.h"
#include "platform/Graphics.h"
#include "platform/VectorShapes.h"

displayWindow* displayWindow::instance() { return windowInstance<displayWindow>(); }

displayWindow::displayWindow() {
    setTitle("yarrowen");
    // Where a fresh start without stored bounds puts the window: near the top left of the screen.
    setBounds(60, 40, 312, 419);
    setMinimumContentSize(300, 300);
    setMaximumContentSize(32000, 32000);
    setCloseButton(false);
    setBackColor(RGB(0xCC, 0xCC, 0xCC));

    Canvas1 = new Canvas(this, "Canvas1", -2, -2, 100, 100);
    scrollbarH = new ScrollBar(this, "scrollbarH", 0, 297, 405, 15, true);
    ScrollBarV = new ScrollBar(this, "ScrollBarV", 403, 0, 15, 298, false);
    for (ScrollBar* bar : {scrollbarH, ScrollBarV}) {
        bar->setVisible(false);
        bar->setEnabled(false);
        bar->setMinimum(0);
        bar->setMaximum(100);
        bar->setValue(0);
        bar->setLiveScroll(true);
    }
    scrollbarH->setLineStep(50);
    scrollbarH->setPageStep(500);
    ScrollBarV->setLineStep(15);
    ScrollBarV->setPageStep(50);

    connect(Canvas1, &Canvas::Paint, this, &displayWindow::Canvas1_Paint);
    connect(scrollbarH, &ScrollBar::ValueChanged, this, &displayWindow::scrollbarH_ValueChanged);
    connect(ScrollBarV, &ScrollBar::ValueChanged, this, &displayWindow::ScrollBarV_ValueChanged);
}

void displayWindow::AddMenuHandlers() { AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); }); }

void displayWindow::Event_EnableMenuItems() { FileHelp()->setEnabled(true); }

bool displayWindow::_FileHelp_Action() {
    showHelp("Display Window Help", DISPLAYWINDOWHELP());
    return false;
}

void displayWindow::Canvas1_Open() {
    Canvas1->setTop(0);
    Canvas1->setLeft(0);
    Canvas1->setWidth(Width());
    Canvas1->setHeight(Height() - 20);
}

void displayWindow::Event_Open() {
    // The canvas opens before its window does.
    Canvas1_Open();
    // Bounds that give no size or lie off every screen leave the layout's.
    restoreWindowBounds(*this, "DisplayW");
    drawbuffer = NewPicture(250, 500, 16);
    scrollbarH->setPageStep(430);  // one column: 250 of hexagram and 180 of transition
    selbuffer = NewPicture(250, 500, 0);
    InputWindow::instance()->wakeup(0, false);
    scrollbarH->setTop(Height() - 15);
    scrollbarH->setLeft(0);
    scrollbarH->setWidth(Width() - 15);
    offsetH = 0;
    RectSel = std::make_shared<RectShape>();
}

void displayWindow::Event_Close() { storeWindowBounds(*this, "DisplayW"); }

void displayWindow::Event_Activate() { M_globals::checkmenus(0); }

void displayWindow::Event_Resized() {
    Canvas1->setWidth(Width());
    Canvas1->setHeight(Height() - 20);
    scrollbarH->setTop(Height() - 15);
    scrollbarH->setLeft(0);
    scrollbarH->setWidth(Width() - 15);
    scrollbarH->setValue(0);
    scrollbarH->Refresh(true);
    ScrollBarV->setTop(0);
    ScrollBarV->setLeft(Width() - 15);
    ScrollBarV->setHeight(Height() - 15);
    ScrollBarV->Refresh(true);
    checkscrollbarH();
}

void displayWindow::checkscrollbarH() {
    // A resize can come before the drawing exists; the set-up then waits for the drawing.
    if (!drawbuffer) return;
    auto setUp = [](ScrollBar* bar, int pictureSize, int canvasSize, int& offset) {
        bar->setMinimum(0);
        bar->setValue(0);
        bar->setMaximum(pictureSize - canvasSize);
        offset = 0;
        const bool needed = canvasSize < pictureSize;
        bar->setVisible(needed);
        bar->setEnabled(needed);
    };
    setUp(scrollbarH, drawbuffer->Width(), Canvas1->Width(), offsetH);
    setUp(ScrollBarV, drawbuffer->Height(), Canvas1->Height(), offsetV);
    scrollbarH->Refresh(true);
    ScrollBarV->Refresh(true);
    Canvas1->Refresh(true);
}

void displayWindow::Canvas1_Paint(Graphics& g) {
    if (virev.empty() || !virev[0] || !drawbuffer || !selbuffer) return;
    g.DrawPicture(*drawbuffer, offsetH, offsetV);
    g.DrawPicture(*selbuffer, offsetH, offsetV);
}

void displayWindow::scrollbarH_ValueChanged() {
    offsetH = -scrollbarH->Value();
    Canvas1->Refresh(true);
}

void displayWindow::ScrollBarV_ValueChanged() {
    offsetV = -ScrollBarV->Value();
    Canvas1->Refresh(true);
}
