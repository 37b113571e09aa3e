#include "input/W69changeInput.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "display/displayWindow.h"
#include "platform/Dialogs.h"
#include "platform/Keyboard.h"

#include <algorithm>

using namespace InputLogic;

namespace {

// Line i + 1 of the wells and the two marker columns, line 1 first.
constexpr int WellTops[] = {112, 98, 84, 70, 56, 42};
constexpr int OldMarkerTops[] = {114, 98, 84, 72, 58, 43};
constexpr int NewMarkerTops[] = {113, 99, 85, 72, 58, 44};

StaticText* marker(Window* window, const QString& name, int index, int left, int top) {
    auto* text = new StaticText(window, name, left, top, 10, 10, QString(QChar(0x2022)));
    text->setIndex(index);
    text->setTextColor(RGB(0xFF, 0, 0));
    text->setTextSize(12);
    text->setBold(true);
    return text;
}

}  // namespace

W69changeInput* W69changeInput::instance() { return windowInstance<W69changeInput>(); }

W69changeInput::W69changeInput() {
    setTitle("Changing Lines");
    setWidth(302);
    setHeight(147);
    setResizeable(false);
    setMaximizeButton(false);

    for (int i = 0; i < 6; ++i) {
        Iw1[i] = new ImageWell(this, "Iw1", 40, WellTops[i], 80, 15);
        Iw1[i]->setIndex(i);
        Iw1[i]->setImage(yang());
        Iw1[i]->onMouseDown = [this, i](int, int) { return Iw1_MouseDown(i); };
    }
    for (int i = 0; i < 6; ++i) STCHG[i] = marker(this, "STCHG", i, 27, OldMarkerTops[i]);
    for (int i = 0; i < 6; ++i) STCHGnew[i] = marker(this, "STCHGnew", i, 126, NewMarkerTops[i]);

    struct Heading {
        int left, top, width, height, size;
        const char* text;
    };
    const Heading headings[] = {{83, 1, 145, 20, 0, "6and9 Transforms"}, {9, 24, 45, 13, 10, "old"}, {108, 24, 45, 13, 10, "new"}};
    for (int i = 0; i < 3; ++i) {
        const Heading& h = headings[i];
        StaticText1[i] = new StaticText(this, "StaticText1", h.left, h.top, h.width, h.height, h.text);
        StaticText1[i]->setIndex(i);
        StaticText1[i]->setTextAlign(2);
        StaticText1[i]->setTextSize(h.size);
        StaticText1[i]->setBold(true);
    }

    PushButton1 = new PushButton(this, "PushButton1", 187, 109, 80, 20, "Set");
    PushButton1->setDefault(true);
    PushButton2 = new PushButton(this, "PushButton2", 187, 80, 80, 20, "cancel");
    PushButton2->setCancel(true);
    connect(PushButton1, &PushButton::Action, this, &W69changeInput::PushButton1_Action);
    connect(PushButton2, &PushButton::Action, this, &W69changeInput::PushButton2_Action);

    Rbshort = new RadioButton(this, "Rbshort", 173, 25, 100, 20, "short");
    RBlong = new RadioButton(this, "RBlong", 173, 47, 100, 20, "Long");
    for (RadioButton* button : {Rbshort, RBlong}) {
        button->setTextSize(11);
        button->setBold(true);
    }
    Rbshort->setValue(true);
}

void W69changeInput::AddMenuHandlers() { AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); }); }

void W69changeInput::Event_EnableMenuItems() { FileHelp()->setEnabled(true); }

bool W69changeInput::_FileHelp_Action() {
    showHelp("HexChain Edit Transitions  Help", W69CHANGEINPUTHELP());
    return false;
}

bool W69changeInput::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void W69changeInput::wakeup(int code, int mask) {
    setSheetParent(displayWindow::instance());
    // Six lines carry no more than 0..63.
    HexNumber = std::clamp(code, 0, 63);
    old6and9 = std::clamp(mask, 0, 63);
    const Lines lines = linesOf(HexNumber);
    oldchanges = linesOf(old6and9);
    for (size_t i = Iw1.size(); i-- > 0;) {
        Iw1[i]->setImage(lines[i] ? yang() : yin());
        STCHG[i]->setVisible(oldchanges[i]);
        STCHG[i]->Refresh(true);
        Iw1[i]->Refresh(true);
    }
    for (StaticText* mark : STCHGnew) {
        mark->setVisible(false);
        mark->Refresh(true);
    }
}

bool W69changeInput::Iw1_MouseDown(int index) {
    StaticText* mark = STCHGnew[static_cast<size_t>(index)];
    mark->setVisible(!mark->Visible());
    mark->Refresh(true);
    return false;
}

void W69changeInput::PushButton1_Action() {
    Lines marked{};
    for (size_t i = 0; i < STCHGnew.size(); ++i) marked[i] = STCHGnew[i]->Visible();
    const MaskDecision decision = decideMask(marked, old6and9);
    if (decision.outcome == MaskDecision::Outcome::NoLineMarked) {
        MsgBox("Must have at least one 6and9 transform");
        return;
    }
    if (decision.outcome == MaskDecision::Outcome::Send) {
        // The edit goes to the selected transition, which must still have a hexagram after it.
        displayWindow* display = displayWindow::instance();
        if (display->recordtoeditis6and9 && display->hasValidSelection(true)) display->Do6and9Edit(decision.mask, Rbshort->Value());
    }
    Close();
}

void W69changeInput::PushButton2_Action() { Close(); }
