// The display window's commands: its menu handlers and their enabling, the book steps, the drop of
// a hexagram from the hexagram list, the clipboard pictures, printing and the settings window.
// Every handler checks its own preconditions, since a shortcut can fire while the enabling is
// out of date; a selection that no longer names anything in the chain counts as none.
#include "display/displayWindow.h"

#include "app/App.h"
#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "chains/ChainPage.h"
#include "chains/Whexchains.h"
#include "chains/Wtext.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "display/HexSettings.h"
#include "input/InputWindow.h"
#include "input/W69changeInput.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/DragItem.h"
#include "platform/Graphics.h"
#include "platform/Keyboard.h"
#include "platform/SQLDatabase.h"

#include <QRegularExpression>
#include <optional>

namespace {

constexpr int firstBookNumber = 1;
constexpr int lastBookNumber = 64;

const QString noPicture = "No picture is available!";

// The hexagram code a dropped text names: three ","-fields, the third a whole number 0..63.
std::optional<int> droppedHexagramCode(const QString& text) {
    const QStringList fields = text.split(',');
    if (fields.size() != 3) return std::nullopt;
    static const QRegularExpression wholeNumber("^\\s*\\d+\\s*$");
    if (!wholeNumber.match(fields[2]).hasMatch()) return std::nullopt;
    bool ok = false;
    const int code = fields[2].trimmed().toInt(&ok);
    if (!ok || code > 63) return std::nullopt;
    return code;
}

}  // namespace

void displayWindow::AddMenuHandlers() {
    AddMenuHandler("Optionsinput", [this] { return _Optionsinput_Action(); });
    AddMenuHandler("bookprevious", [this] { return _bookprevious_Action(); });
    AddMenuHandler("booknext", [this] { return _booknext_Action(); });
    AddMenuHandler("bookfirst", [this] { return _bookfirst_Action(); });
    AddMenuHandler("booklast", [this] { return _booklast_Action(); });
    AddMenuHandler("OptionsText", [this] { return _OptionsText_Action(); });
    AddMenuHandler("HexChainssave", [this] { return _HexChainssave_Action(); });
    AddMenuHandler("HexChainsLoad", [this] { return _HexChainsLoad_Action(); });
    AddMenuHandler("HexChainsDelete", [this] { return _HexChainsDelete_Action(); });
    AddMenuHandler("EditeditHex", [this] { return _EditeditHex_Action(); });
    AddMenuHandler("OptionsChainWindow", [this] { return _OptionsChainWindow_Action(); });
    AddMenuHandler("editcopy", [this] { return _editcopy_Action(); });
    AddMenuHandler("Copysymbol", [this] { return _Copysymbol_Action(); });
    AddMenuHandler("Optionstrimwindow", [this] { return _Optionstrimwindow_Action(); });
    AddMenuHandler("OptionsTalk", [this] { return _OptionsTalk_Action(); });
    AddMenuHandler("FilePrint", [this] { return _FilePrint_Action(); });
    AddMenuHandler("EditDeleteHexagram", [this] { return _EditDeleteHexagram_Action(); });
    AddMenuHandler("editdisplay", [this] { return _editdisplay_Action(); });
    AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); });
}

const Hexagram* displayWindow::lastHexagram() const {
    if (virevcount < 1 || virevcount > static_cast<int>(virev.size())) return nullptr;
    return virev[static_cast<size_t>(virevcount - 1)].get();
}

void displayWindow::Event_EnableMenuItems() {
    for (MenuItem* item : {FileHelp(), Optionsinput(), EditDisplay(), Optionsbook(), booknext(), bookprevious(),
                           bookfirst(), bookLast()})
        item->setEnabled(true);
    OptionsTalk()->setChecked(M_globals::isspeaking);
    OptionsTalk()->setEnabled(true);
    for (MenuItem* item : {FilePrint(), EditCopy(), Optionstrimwindow()}) item->setEnabled(virevcount > 0);
    OptionsText()->setEnabled(true);
    const bool selected = hasValidSelection(recordtoeditis6and9);
    Copysymbol()->setEnabled(selected);
    if (virevcount > 1) {
        EditDeleteHexagram()->setEnabled(true);
        OptionsChainWindow()->setEnabled(true);
        // A disabled edit item keeps its last caption.
        if (selected) EditeditHex()->setText(recordtoeditis6and9 ? "Edit 6and9s" : "Edit Hexagram");
        EditeditHex()->setEnabled(selected);
        HexChainssave()->setEnabled(true);
    } else {
        for (MenuItem* item : {EditDeleteHexagram(), OptionsChainWindow(), EditeditHex(), HexChainssave()})
            item->setEnabled(false);
    }
    HexChainsLoad()->setEnabled(true);
    HexChainsDelete()->setEnabled(true);
}

bool displayWindow::_FileHelp_Action() {
    showHelp("Display Window Help", DISPLAYWINDOWHELP());
    return false;
}

bool displayWindow::_Optionsinput_Action() {
    showWindow<InputWindow>([](InputWindow& input) { input.wakeup(false); });
    return false;
}

// The book commands put the hexagram of a book number in place of the chain's last one.
void displayWindow::showBookNumber(int number) {
    auto rows = M_globals::selectShowingFailure(
        tableNotRead(M_globals::TableHex),
        "select * from " + quoteIdentifier(M_globals::TableHex) + " where " + TextColumn::NumberBook + " = ?1", {number});
    if (!rows) return;
    rows->MoveFirst();
    if (rows->isEOF()) return;  // a table without that book number: nothing changes
    const qint64 code = rows->Field(TextColumn::NumberBoolean).IntegerValue();
    rows->Close();
    if (code < 0 || code > 63) return;
    newhex(static_cast<int>(code), false);
}

bool displayWindow::_bookfirst_Action() {
    showBookNumber(firstBookNumber);
    return false;
}

bool displayWindow::_booklast_Action() {
    showBookNumber(lastBookNumber);
    return false;
}

// Next and Previous step from the last hexagram and wrap around the ends of the book.
bool displayWindow::_booknext_Action() {
    const Hexagram* last = lastHexagram();
    if (!last) return false;
    const int next = last->N_Book + 1;
    showBookNumber(next >= firstBookNumber && next <= lastBookNumber ? next : firstBookNumber);
    return false;
}

bool displayWindow::_bookprevious_Action() {
    const Hexagram* last = lastHexagram();
    if (!last) return false;
    const int previous = last->N_Book - 1;
    showBookNumber(previous >= firstBookNumber && previous <= lastBookNumber ? previous : lastBookNumber);
    return false;
}

void displayWindow::Event_DropObject(DragItem& obj, int) {
    if (!obj.TextAvailable()) return;
    const std::optional<int> code = droppedHexagramCode(obj.Text());
    if (!code) return;
    // With the Option key the hexagram is added after the last one, unless it is the last one.
    if (Keyboard::AsyncOptionKey()) {
        const Hexagram* last = lastHexagram();
        if (last && last->N_Bool == *code) return;
        newhex(*code, true);
    } else {
        newhex(*code, false);
    }
}

// A selected hexagram is edited in the input window, a selected transition in the changing-line
// editor, which starts from the link's hexagram and change mask.
bool displayWindow::_EditeditHex_Action() {
    if (virevcount < 2 || !hasValidSelection(recordtoeditis6and9)) return false;
    if (!recordtoeditis6and9) {
        showWindow<InputWindow>([](InputWindow& input) { input.wakeup(true); });
        return false;
    }
    const auto links = M_globals::readChainLinks(theHexChain).value_or(std::vector<M_globals::ChainLink>());
    if (recordtoedit > static_cast<int>(links.size())) return false;
    const M_globals::ChainLink& link = links[static_cast<size_t>(recordtoedit - 1)];
    showWindow<W69changeInput>([&link](W69changeInput& editor) { editor.wakeup(link.code, link.mask); });
    return false;
}

bool displayWindow::_OptionsText_Action() {
    showWindow<Wtext>([](Wtext& text) { text.wakeup(); });
    return false;
}

// The saved-chains window in its three modes: 1 save, 2 load, 0 delete.
void displayWindow::showSavedChains(int mode) {
    showWindow<Whexchains>([mode](Whexchains& chains) { chains.wakeup(mode); });
}

bool displayWindow::_HexChainssave_Action() {
    if (virevcount > 1) showSavedChains(1);
    return false;
}

bool displayWindow::_HexChainsLoad_Action() {
    showSavedChains(2);
    return false;
}

bool displayWindow::_HexChainsDelete_Action() {
    showSavedChains(0);
    return false;
}

bool displayWindow::_OptionsChainWindow_Action() {
    if (virevcount > 1) showWindow<ChainPage>([this](ChainPage& page) { page.wakeup("0,0;" + theHexChain); });
    return false;
}

// The drawing, or the selected hexagram's column with the transition after it, without the
// selection frame and cut to 10 rows below the lowest inked row.
bool displayWindow::_editcopy_Action() {
    if (virevcount < 1) return false;
    if (!drawbuffer) {
        MsgBox(noPicture);
        return false;
    }
    int left = 0;
    int width = drawbuffer->Width();
    if (hasValidSelection(recordtoeditis6and9)) {
        left = ChainLogic::columnX(recordtoedit);
        width = recordtoedit == virevcount ? ChainLogic::ColumnWidth : ChainLogic::Pitch;
    }
    // Only the rows the trim keeps are drawn.
    const int height = std::min(drawbuffer->Height(), drawbuffer->inkBottom(left, width) + 10);
    std::shared_ptr<Picture> copy = drawbuffer->compose(left, width, height);
    if (!copy) {
        MsgBox(noPicture);
        return false;
    }
    M_globals::trimpicture(copy, drawbuffer->background());
    Clipboard clipboard;
    clipboard.setPicture(*copy);
    clipboard.Close();
    return false;
}

// The selected hexagram's figure (before a selected transition: the hexagram before it), untrimmed.
bool displayWindow::_Copysymbol_Action() {
    if (!hasValidSelection(recordtoeditis6and9)) return false;
    const Hexagram& hexagram = *virev[static_cast<size_t>(recordtoedit - 1)];
    std::shared_ptr<Picture> figure = NewPicture(
        M_globals::Used_yangLength, 6 * M_globals::Used_HexWidth + 5 * M_globals::Used_HexSpacing, 16);
    if (!figure) {
        MsgBox(noPicture);
        return false;
    }
    if (hexagram.thepic) figure->graphics()->DrawObject(*hexagram.thepic, 0, 0);
    Clipboard clipboard;
    clipboard.setPicture(*figure);
    clipboard.Close();
    return false;
}

bool displayWindow::_Optionstrimwindow_Action() {
    if (virevcount > 0) trimwindowpicheight();
    return false;
}

// The first print of a run asks for the page setup; without a confirmed one nothing is printed.
bool displayWindow::_FilePrint_Action() {
    if (virevcount < 1) return false;
    if (!M_globals::isprintersetup) {
        App* app = App::instance();
        if (!app || !app->dopagesetup()) return false;
    }
    M_globals::printfile(theHexChain);
    return false;
}

bool displayWindow::_EditDeleteHexagram_Action() {
    if (virevcount > 1 && hasValidSelection(recordtoeditis6and9)) deleteHex();
    return false;
}

// The settings window is a sheet of this window; whichever way it closes, the chain is drawn
// again with the settings then in force.
bool displayWindow::_editdisplay_Action() {
    if (findWindow<HexSettings>()) return false;
    QPointer<displayWindow> self(this);
    showWindow<HexSettings>([this](HexSettings& settings) { settings.setSheetParent(this); })->ShowModalWithin(this);
    if (self && !self->isClosed()) doupdate();
    return false;
}
