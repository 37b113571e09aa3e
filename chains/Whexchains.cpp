#include "chains/Whexchains.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "chains/HexChainsTable.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "display/displayWindow.h"
#include "platform/Beep.h"
#include "platform/Dialogs.h"
#include "platform/Graphics.h"
#include "platform/Keyboard.h"
#include "platform/Listbox.h"
#include "platform/Timer.h"

namespace {

const QString headingList = "Hex Chains:";
const QString headingEmpty = "No Hex Chains";
const QString headingNameExists = "Hex Chain NAME ALREADY EXISTS";
const QString headingChainExists = "Hex_chain CHAIN ALREADY EXISTS: Save anyway?";
const QString nothingToSave = "The display window shows no chain to save.";
const QString missingRow = "can't find record";

constexpr int ModeDelete = 0, ModeSave = 1, ModeLoad = 2;

}  // namespace

class Whexchains::HandlerScope {
public:
    explicit HandlerScope(Whexchains& window) : window(window) { ++window.runningHandlers; }
    ~HandlerScope() {
        if (--window.runningHandlers == 0 && window.closePending) {
            window.closePending = false;
            window.Close();
        }
    }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    Whexchains& window;
};

Whexchains* Whexchains::instance() { return windowInstance<Whexchains>(); }

Whexchains::Whexchains() {
    setTitle("Hex Chains");
    setWidth(340);
    setHeight(510);
    setResizeable(false);
    setMaximizeButton(false);

    ListBox1 = new Listbox(this, "ListBox1", 0, 38, 340, 220, 3);
    ListBox1->setHasHeading(false);
    ListBox1->setColumnWidths("100%,0%,0%");
    connect(ListBox1, &Listbox::CellClick, this, [this](int row, int column) { ListBox1_CellClick(row, column); });
    connect(ListBox1, &Listbox::DoubleClick, this, &Whexchains::ListBox1_DoubleClick);

    PBsave = new PushButton(this, "PBsave", 200, 269, 80, 20, "Save");
    PBsave->setDefault(true);
    connect(PBsave, &PushButton::Action, this, &Whexchains::PBsave_Action);

    StaticText1[0] = new StaticText(this, "StaticText1", 27, 11, 282, 20, headingList);
    StaticText1[0]->setIndex(0);
    StaticText1[0]->setTextAlign(2);
    StaticText1[0]->setBold(true);
    StaticText1[0]->setTextSize(12);
    StaticText1[0]->setTextColor(RGB(0, 0, 0));

    ef1[0] = new EditField(this, "ef1", 53, 304, 256, 22, false);
    ef1[0]->setIndex(0);
    ef1[0]->setBorder(true);

    StaticText1[1] = new StaticText(this, "StaticText1", 11, 306, 44, 20, "name");
    StaticText1[1]->setIndex(1);
    StaticText1[2] = new StaticText(this, "StaticText1", 109, 338, 110, 20, "comment");
    StaticText1[2]->setIndex(2);
    StaticText1[2]->setTextAlign(2);

    ef1[1] = new EditField(this, "ef1", 0, 364, 335, 126, true);
    ef1[1]->setIndex(1);
    ef1[1]->setBorder(true);
    ef1[1]->setScrollbarVertical(true);

    PBcancel = new PushButton(this, "PBcancel", 67, 269, 80, 20, "Cancel");
    PBcancel->setCancel(true);
    connect(PBcancel, &PushButton::Action, this, &Whexchains::PBcancel_Action);

    // The timer runs only after a name warning, to clear it.
    Timer1 = new Timer(this, 2500, 2);
    Timer1->setEnabled(false);
    connect(Timer1, &Timer::Action, this, &Whexchains::Timer1_Action);

    ListBox1_Open();
    ef1_Open(0);
    ef1_Open(1);
}

void Whexchains::ListBox1_Open() { ListBox1->setTextFont(M_globals::font_text); }

void Whexchains::ef1_Open(int) {
    for (EditField* field : ef1)
        if (field) field->setTextFont(M_globals::font_text);
}

void Whexchains::applyTextFont() {
    ListBox1->setTextFont(M_globals::font_text);
    ListBox1->Refresh();
    for (EditField* field : ef1) {
        field->setTextFont(M_globals::font_text);
        field->Refresh();
    }
}

// The window has no help text of its own: Window Help shows the general one.
void Whexchains::AddMenuHandlers() {
    AddMenuHandler("FileHelp", [] {
        showHelp("General Help", HelpGeneral());
        return false;
    });
}

void Whexchains::Event_EnableMenuItems() { FileHelp()->setEnabled(true); }

bool Whexchains::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void Whexchains::closeWhenIdle() {
    if (runningHandlers > 0) closePending = true;
    else Close();
}

void Whexchains::wakeup(int mode) {
    if (displayWindow* display = findWindow<displayWindow>()) setSheetParent(display);
    Timer1->setEnabled(false);
    thetype = mode;
    setwindow();
    fillList();
}

void Whexchains::setwindow() {
    const bool saving = thetype == ModeSave;
    if (thetype == ModeDelete) PBsave->setCaption("Delete");
    else if (thetype == ModeSave) PBsave->setCaption("Save");
    else if (thetype == ModeLoad) PBsave->setCaption("Load");
    PBsave->setEnabled(saving);
    for (EditField* field : ef1) field->setReadOnly(!saving);
    if (saving) ef1[0]->setFocus();
    Refresh();
}

void Whexchains::fillList(const QString& done) {
    ListBox1->DeleteAllRows();
    const HexChainsTable::Listing listing = HexChainsTable::list(done);
    if (!listing.error.isEmpty()) MsgBox(listing.error);
    StaticText1[0]->setText(listing.rows.empty() ? headingEmpty : headingList);
    // A new list ends any warning, so the heading is plain again.
    StaticText1[0]->setTextColor(RGB(0, 0, 0));
    std::vector<QStringList> rows;
    rows.reserve(listing.rows.size());
    for (const HexChainsTable::Row& row : listing.rows) rows.push_back({row.name, QString::number(row.id), row.chain});
    ListBox1->AddRows(rows);
    StaticText1[0]->Refresh();
    ListBox1->Refresh();
}

bool Whexchains::ListBox1_CellClick(int row, int) {
    if (thetype != ModeDelete && thetype != ModeLoad) return false;
    if (ListBox1->Selected(row)) {
        ListBox1->setSelected(row, false);
        PBsave->setEnabled(false);
    } else {
        ListBox1->setListIndex(row);
        PBsave->setEnabled(true);
        theRowSelected = row;
        QString error;
        const auto entry = HexChainsTable::read(leadingInteger(ListBox1->Cell(row, 1)), error);
        if (entry) {
            ef1[0]->setText(entry->name);
            ef1[1]->setText(entry->comment);
        } else if (!error.isEmpty()) {
            MsgBox(error);
        }
    }
    PBsave->update();
    return false;
}

void Whexchains::ListBox1_DoubleClick() {
    HandlerScope scope(*this);
    if (thetype == ModeLoad) loadSelected();
}

void Whexchains::PBsave_Action() {
    HandlerScope scope(*this);
    if (thetype == ModeDelete) DeleteHexChain();
    else if (thetype == ModeSave) saveHexChain();
    else if (thetype == ModeLoad) loadSelected();
}

void Whexchains::PBcancel_Action() { Close(); }

void Whexchains::Timer1_Action() {
    StaticText1[0]->setText(headingList);
    StaticText1[0]->setTextColor(RGB(0, 0, 0));
    StaticText1[0]->Refresh();
    Timer1->setEnabled(false);
}

int Whexchains::selectedRow() const {
    return theRowSelected >= 0 && theRowSelected < ListBox1->ListCount() ? theRowSelected : -1;
}

void Whexchains::loadSelected() {
    const int row = selectedRow();
    if (row < 0) return;
    // The loader checks the stored form and closes this window.
    displayWindow::instance()->DoLoadHexChain(ListBox1->Cell(row, 2));
}

void Whexchains::warn(int row, const QString& text) {
    Beep();
    ListBox1->setListIndex(row);
    ListBox1->setScrollPosition(row);
    ListBox1->Refresh();
    StaticText1[0]->setText(text);
    StaticText1[0]->setTextColor(RGB(255, 0, 0));
    StaticText1[0]->Refresh();
}

void Whexchains::saveHexChain() {
    const displayWindow* display = findWindow<displayWindow>();
    if (!display || display->virevcount < 1 || !display->drawbuffer) {
        Beep();
        MsgBox(nothingToSave);
        return;
    }
    const QString chain = M_globals::storedChainForm(display->drawbuffer->Width(), display->drawbuffer->Height(),
                                                     display->theHexChain);
    const QString name = ef1[0]->Text();
    QString test = name;
    if (!M_globals::DoesStringHaveText(test)) {
        Beep();
        return;
    }
    if (!mayWriteDatabase(HexChainsTable::notSaved(name))) return;
    std::vector<QString> names, chains;
    for (int r = 0; r < ListBox1->ListCount(); ++r) {
        names.push_back(ListBox1->Cell(r, 0));
        chains.push_back(ListBox1->Cell(r, 2));
    }
    if (const int r = HexChainsTable::firstMatch(names, name); r >= 0) {
        warn(r, headingNameExists);
        Timer1->setEnabled(true);
        Timer1->Reset();
        return;
    }
    // A second Save while the question shows answers it.
    if (StaticText1[0]->Text() != headingChainExists) {
        if (const int r = HexChainsTable::firstMatch(chains, chain); r >= 0) {
            warn(r, headingChainExists);
            return;
        }
    }
    const QString error = HexChainsTable::add(name, ef1[1]->Text(), chain);
    if (!error.isEmpty()) {
        // Nothing was stored: the window stays open with what the user typed.
        MsgBox(error);
        return;
    }
    Close();
}

void Whexchains::DeleteHexChain() {
    const int row = selectedRow();
    if (row < 0) return;
    const QString name = ListBox1->Cell(row, 0);
    if (!mayWriteDatabase(HexChainsTable::notDeleted(name))) return;
    QString error, done;
    switch (HexChainsTable::remove(leadingInteger(ListBox1->Cell(row, 1)), name, error)) {
    case HexChainsTable::Removal::Deleted: done = "The chain \"" + name + "\" was deleted"; break;
    case HexChainsTable::Removal::Missing: MsgBox(missingRow); break;
    case HexChainsTable::Removal::Failed:
        // Nothing changed, so the list still shows the table; reading it again would fail as well.
        MsgBox(error);
        return;
    }
    setwindow();
    // A list that can not be read again says that the chain was deleted all the same.
    fillList(done);
}
