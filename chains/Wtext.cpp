#include "chains/Wtext.h"

#include "app/MenuBar1.h"
#include "chains/ChainReport.h"
#include "core/FixedTableColumns.h"
#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "core/WindowBounds.h"
#include "display/displayWindow.h"
#include "platform/Keyboard.h"

#include <QTextEdit>

Wtext* Wtext::instance() { return windowInstance<Wtext>(); }

Wtext::Wtext() {
    setTitle("text");
    setWidth(640);
    setHeight(340);
    setMaximizeButton(false);

    EF1 = new EditField(this, "EF1", 0, 0, 640, 340, true);
    EF1->setAcceptTabs(false);
    EF1->setScrollbarVertical(true);
    EF1->setBorder(true);
    EF1->setTextSize(14);
    EF1->setTextColor(RGB(0, 0, 0));
    EF1->setBackColor(RGB(255, 255, 255));
    EF1_Open();
}

void Wtext::EF1_Open() { EF1->setTextFont(M_globals::font_text); }

void Wtext::applyTextFont() {
    EF1->setTextFont(M_globals::font_text);
    EF1->Refresh();
}

// Bounds that give no size or lie off every screen leave the layout's.
void Wtext::Event_Open() {
    restoreWindowBounds(*this, PrefsColumn::TextW);
    Event_Resized();
}

void Wtext::Event_Close() { storeWindowBounds(*this, PrefsColumn::TextW); }

void Wtext::Event_Resized() {
    EF1->setLeft(0);
    EF1->setTop(0);
    EF1->setWidth(Width());
    EF1->setHeight(Height());
    EF1->Refresh();
}

// The field passes a Command key on to the window, so Command-W closes it from the field too.
bool Wtext::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void Wtext::Event_Activate() { M_globals::checkmenus(3); }

void Wtext::AddMenuHandlers() {
    AddMenuHandler("OptionsChainWindow", [this] { return _OptionsChainWindow_Action(); });
    AddMenuHandler("EditCopy", [this] {
        EF1->textEdit()->copy();
        return true;
    });
    AddMenuHandler("EditSelectAll", [this] {
        EF1->textEdit()->selectAll();
        return true;
    });
}

// Copy and Select All do what their keys do in the field: copy a selection, select a text.
void Wtext::Event_EnableMenuItems() {
    OptionsChainWindow()->setEnabled(true);
    EditCopy()->setEnabled(EF1->SelLength() > 0);
    EditSelectAll()->setEnabled(!EF1->Text().isEmpty());
}

bool Wtext::_OptionsChainWindow_Action() {
    showWindow<displayWindow>();
    return false;
}

void Wtext::wakeup() {
    EF1->setText(QString());
    EF1->Refresh();
    const displayWindow* display = displayWindow::instance();
    hexcount = display->virevcount;
    std::vector<M_globals::ChainLink> chain;
    const int count = std::min(hexcount, static_cast<int>(display->virev.size()));
    for (int k = 0; k < count; ++k) {
        const Hexagram* hexagram = display->virev[static_cast<size_t>(k)].get();
        if (!hexagram) break;
        chain.push_back({hexagram->N_Bool, hexagram->changeMask()});
    }
    EF1->setText(ChainReport::report(chain));
    EF1->Refresh();
}
