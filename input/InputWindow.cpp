#include "input/InputWindow.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "display/displayWindow.h"

InputWindow* InputWindow::instance() { return windowInstance<InputWindow>(); }

InputWindow::InputWindow() {
    setTitle("Untitled");
    setWidth(606);
    setHeight(302);
    setResizeable(false);
    setMaximizeButton(false);
    ImageWell1 = new ImageWell(this, "ImageWell1", 0, 0, 606, 113);
    ImageWell1->setImage(ichingtrigramsinput());
}

void InputWindow::wakeup(int, bool) { setSheetParent(displayWindow::instance()); }

void InputWindow::AddMenuHandlers() { AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); }); }

void InputWindow::Event_EnableMenuItems() { FileHelp()->setEnabled(true); }

bool InputWindow::_FileHelp_Action() {
    showHelp("Input Window Help", INPUTWINDOWHELP());
    return false;
}
