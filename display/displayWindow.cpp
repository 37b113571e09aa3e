#include "display/displayWindow.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "chains/Whexchains.h"
#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/WindowBounds.h"
#include "display/ChainDrawing.h"
#include "input/InputWindow.h"
#include "platform/Dialogs.h"
#include "platform/Graphics.h"
#include "platform/Speech.h"
#include "platform/VectorShapes.h"

#include <algorithm>

namespace {

const char* const kNotImplemented = "Feature not implemented in this version of program!  Sorry.";

// Where a stored header asks for a taller start, the drawing starts at this height: it grows to
// whatever the chain draws and is trimmed afterwards, so the header's height only sets the start.
constexpr int kTallestStart = 32000;

}  // namespace

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
    Canvas1->onMouseDown = [this](int x, int y) { return Canvas1_MouseDown(x, y); };
    connect(scrollbarH, &ScrollBar::ValueChanged, this, &displayWindow::scrollbarH_ValueChanged);
    connect(ScrollBarV, &ScrollBar::ValueChanged, this, &displayWindow::ScrollBarV_ValueChanged);
}

// The canvas reaches the window's bottom, and the vertical scroll bar too, except while the
// horizontal bar shows: the canvas then ends 5 above it and the vertical bar at it. No room is kept
// for a bar that is not there, where it would show as an empty band under the drawing. The bars
// are as thick as the desktop's style draws them.
void displayWindow::fitCanvasAbove(bool horizontalBar) {
    const int bar = scrollbarH->Thickness();
    Canvas1->setHeight(horizontalBar ? Height() - bar - 5 : Height());
    ScrollBarV->setHeight(horizontalBar ? Height() - bar : Height());
}

void displayWindow::Canvas1_Open() {
    Canvas1->setTop(0);
    Canvas1->setLeft(0);
    Canvas1->setWidth(Width());
    fitCanvasAbove(scrollbarH->Visible());
}

void displayWindow::Event_Open() {
    // The canvas opens before its window does.
    Canvas1_Open();
    // Bounds that give no size or lie off every screen leave the layout's.
    restoreWindowBounds(*this, PrefsColumn::DisplayW);
    newPictures(ChainLogic::ColumnWidth, 500);
    scrollbarH->setPageStep(ChainLogic::Pitch);  // one column: its hexagram and its transition
    InputWindow::instance()->wakeup(false);
    scrollbarH->setTop(Height() - scrollbarH->Thickness());
    scrollbarH->setLeft(0);
    scrollbarH->setWidth(Width() - ScrollBarV->Thickness());
    offsetH = 0;
    RectSel = std::make_shared<RectShape>();
    AcceptTextDrop();
}

void displayWindow::Event_Close() { storeWindowBounds(*this, PrefsColumn::DisplayW); }

void displayWindow::Event_Activate() { M_globals::checkmenus(0); }

void displayWindow::Event_Resized() {
    Canvas1->setWidth(Width());
    scrollbarH->setTop(Height() - scrollbarH->Thickness());
    scrollbarH->setLeft(0);
    scrollbarH->setWidth(Width() - ScrollBarV->Thickness());
    scrollbarH->setValue(0);
    scrollbarH->Refresh(true);
    ScrollBarV->setTop(0);
    ScrollBarV->setLeft(Width() - ScrollBarV->Thickness());
    fitCanvasAbove(scrollbarH->Visible());
    ScrollBarV->Refresh(true);
    checkscrollbarH();
}

void displayWindow::checkscrollbarH() {
    // A resize can come before the drawing exists; the set-up then waits for the drawing.
    if (!drawbuffer) return;
    // An empty window's drawing shows nothing, and nothing to scroll to.
    const int width = virevcount > 0 ? drawbuffer->Width() : 0;
    const int height = virevcount > 0 ? drawbuffer->Height() : 0;
    auto setUp = [](ScrollBar* bar, int pictureSize, int canvasSize, int& offset) {
        bar->setMinimum(0);
        bar->setValue(0);
        bar->setMaximum(pictureSize - canvasSize);
        offset = 0;
        const bool needed = canvasSize < pictureSize;
        bar->setVisible(needed);
        bar->setEnabled(needed);
    };
    setUp(scrollbarH, width, Canvas1->Width(), offsetH);
    fitCanvasAbove(scrollbarH->Visible());
    setUp(ScrollBarV, height, Canvas1->Height(), offsetV);
    scrollbarH->Refresh(true);
    ScrollBarV->Refresh(true);
    Canvas1->Refresh(true);
}

void displayWindow::Canvas1_Paint(Graphics& g) {
    if (virevcount < 1 || virev.empty() || !virev[0] || !drawbuffer || !selbuffer) return;
    drawbuffer->draw(g, offsetH, offsetV, QRect(-offsetH, -offsetV, Canvas1->Width(), Canvas1->Height()));
    QPainter& painter = g.painter();
    painter.save();
    painter.setClipRect(QRect(offsetH, offsetV, drawbuffer->Width(), drawbuffer->Height()), Qt::IntersectClip);
    selbuffer->draw(painter, offsetH, offsetV);
    painter.restore();
}

void displayWindow::scrollbarH_ValueChanged() {
    offsetH = -scrollbarH->Value();
    Canvas1->Refresh(true);
}

void displayWindow::ScrollBarV_ValueChanged() {
    offsetV = -ScrollBarV->Value();
    Canvas1->Refresh(true);
}

// ---- The chain ----

std::shared_ptr<Hexagram> displayWindow::readHexagram(int n) {
    auto hexagram = ::readHexagram(n, false);
    return hexagram->isLoaded() ? hexagram : nullptr;
}

void displayWindow::newhex(int n, bool addToChain) {
    // The new hexagram is read before anything changes: a failed read leaves the chain, the
    // drawing and the scroll bars as they were.
    if (virevcount == 0) {
        auto hexagram = readHexagram(n);
        if (!hexagram) return;
        virev = {hexagram};
        virevcount = 1;
    } else if (addToChain) {
        if (n == virev[static_cast<size_t>(virevcount - 1)]->N_Bool) return;
        // A longer chain could be neither saved nor loaded back.
        if (virevcount >= ChainLogic::MaxChainLength) {
            MsgBox(ChainLogic::chainTooLongMessage(virevcount + 1, "The hexagram is not added."));
            return;
        }
        auto hexagram = readHexagram(n);
        if (!hexagram) return;
        virev[static_cast<size_t>(virevcount - 1)]->ninesANDsixes(n, true);
        virev.push_back(hexagram);
        ++virevcount;
    } else {
        if (virevcount >= 2 && n == virev[static_cast<size_t>(virevcount - 2)]->N_Bool) return;
        auto hexagram = readHexagram(n);
        if (!hexagram) return;
        if (virevcount >= 2) virev[static_cast<size_t>(virevcount - 2)]->ninesANDsixes(n, true);
        virev[static_cast<size_t>(virevcount - 1)] = hexagram;
    }
    dopicture();
    checkscrollbarH();
}

void displayWindow::dopicture() {
    if (virevcount == 1) drawone();
    else drawmany(virevcount);
    Canvas1->Refresh(true);
    theHexChain = ChainLogic::chainString(virev, virevcount);
}

// ---- Drawing ----

void displayWindow::newPictures(int width, int height) {
    drawbuffer = std::make_shared<ChainPicture>(width, height);
    selbuffer = std::make_shared<Group2D>();
}

void displayWindow::drawColumn(int k) {
    const Hexagram& hexagram = *virev[static_cast<size_t>(k - 1)];
    auto column = ChainDrawing::column(hexagram, k, &layouts);
    const auto count = static_cast<size_t>(std::max(k, virevcount));
    for (auto* shapes : {&abovestr, &belowstr, &namestr})
        if (shapes->size() < count) shapes->resize(count);
    abovestr[static_cast<size_t>(k - 1)] = column.above;
    belowstr[static_cast<size_t>(k - 1)] = column.below;
    namestr[static_cast<size_t>(k - 1)] = column.name;
    // The drawing grows to hold the whole text.
    drawbuffer->grow(0, column.bottom());
    drawbuffer->setColumn(k, std::move(column), hexagram.thepic);
}

void displayWindow::drawone() {
    if (virevcount < 1 || virev.empty() || !drawbuffer) return;
    drawbuffer->clearFrom(1);
    drawColumn(1);
}

void displayWindow::drawmany(int n) {
    if (n < 2 || n > virevcount || n > static_cast<int>(virev.size()) || !drawbuffer) return;
    drawTransitionAndColumn(n);
    Canvas1->Refresh(true);
    theHexChain = ChainLogic::chainString(virev, n);
}

void displayWindow::drawTransitionAndColumn(int n) {
    auto transition = ChainDrawing::transition(*virev[static_cast<size_t>(n - 2)], n - 1, &layouts);
    // The drawing grows to the chain's width and to the transition text's bottom; the selection
    // frame goes.
    drawbuffer->grow(ChainLogic::chainWidth(virevcount), transition.bottom());
    selbuffer = std::make_shared<Group2D>();
    // Everything from the gap on goes: an old last hexagram is replaced cleanly.
    drawbuffer->clearFrom(n);
    drawbuffer->setTransition(n - 1, std::move(transition));
    drawColumn(n);
}

void displayWindow::drawChain() {
    if (virevcount < 1 || static_cast<int>(virev.size()) < virevcount || !drawbuffer) return;
    // Fonts may have changed since the texts were laid out last.
    layouts.clear();
    drawone();
    // The chain string is built once, not once a column.
    for (int k = 2; k <= virevcount; ++k) drawTransitionAndColumn(k);
    theHexChain = ChainLogic::chainString(virev, virevcount);
}

void displayWindow::redrawchain() {
    if (virevcount < 1) return;
    for (int k = 1; k <= virevcount; ++k) {
        Hexagram& hexagram = *virev[static_cast<size_t>(k - 1)];
        hexagram.alterhexsettings();
        hexagram.drawgroup();
    }
    drawChain();
    Canvas1->Refresh(true);
}

void displayWindow::doupdate() {
    newPictures(ChainLogic::ColumnWidth, 500);
    redrawchain();
    checkscrollbarH();
}

void displayWindow::refreshAfterTablesChanged() {
    // Each hexagram keeps its code and changing lines; one the new table lacks shows no texts, and
    // the refresh says so.
    std::vector<M_globals::ChainLink> links;
    for (int k = 1; k <= virevcount && k <= static_cast<int>(virev.size()); ++k) {
        const Hexagram& hexagram = *virev[static_cast<size_t>(k - 1)];
        links.push_back({hexagram.N_Bool, hexagram.changeMask()});
    }
    if (!links.empty()) virev = readChainHexagrams(links, false);
    doupdate();
    // The new drawing comes without the selection's frame.
    if (hasValidSelection(recordtoeditis6and9) && selbuffer) {
        newrect(recordtoedit, recordtoeditis6and9);
        selbuffer->Append(RectSel);
        Canvas1->Refresh(true);
    }
}

void displayWindow::trimwindowpicheight() {
    if (!drawbuffer) return;
    // Ten rows below the lowest ink, as a picture is trimmed.
    const int height = drawbuffer->inkBottom() + 10;
    if (height >= drawbuffer->Height()) return;
    drawbuffer->setHeight(height);
    selbuffer = std::make_shared<Group2D>();
    checkscrollbarH();
    Canvas1->Refresh(true);
}

// ---- Selection ----

bool displayWindow::hasValidSelection(bool asTransition) const {
    return ChainLogic::selectionIsValid(isrecordtoedit, recordtoedit, asTransition, virevcount);
}

void displayWindow::newrect(int k, bool isTransition) {
    RectSel = std::make_shared<RectShape>();
    RectSel->Fill = 0;
    RectSel->Border = 100;
    RectSel->BorderWidth = 2;
    RectSel->BorderColor = RGB(0, 0, 0);
    RectSel->X = isTransition ? ChainLogic::columnX(k) + 335 : ChainLogic::columnX(k) + 127;
    RectSel->Width = isTransition ? 185 : 247;
    const int height = drawbuffer ? drawbuffer->Height() : 0;
    RectSel->Y = height / 2.0;
    RectSel->Height = height;
}

bool displayWindow::Canvas1_MouseDown(int X, int Y) {
    Q_UNUSED(Y)  // a click anywhere in a column's or a gap's height counts
    auto removeFrame = [this] {
        if (selbuffer && RectSel) selbuffer->Remove(RectSel);
    };
    const auto hit = ChainLogic::hitTest(X - offsetH, virevcount);
    if (hit) {
        const bool sameItem = hasValidSelection(recordtoeditis6and9) && hit->number == recordtoedit &&
                              hit->transition == recordtoeditis6and9;
        removeFrame();
        if (sameItem) {
            isrecordtoedit = false;
            recordtoedit = -1;
        } else {
            // Also a click on the other kind of the selected number selects what was clicked.
            newrect(hit->number, hit->transition);
            isrecordtoedit = true;
            recordtoedit = hit->number;
            recordtoeditis6and9 = hit->transition;
            if (selbuffer) selbuffer->Append(RectSel);
        }
        if (M_globals::isspeaking) doSpeech();
    } else {
        removeFrame();
        isrecordtoedit = false;
        recordtoedit = -1;
        if (M_globals::isspeaking) Speak(" ", true);
    }
    Canvas1->Refresh(true);
    return false;
}

// ---- Loading and editing ----

void displayWindow::DoLoadHexChain(const QString& chain) {
    // The saved-chains window goes first; when the load comes from one of its own handlers, it
    // closes as that handler returns.
    if (Whexchains* chains = findWindow<Whexchains>()) chains->closeWhenIdle();
    // A chain too long to show is refused before it is read.
    if (const QString refusal = ChainLogic::storedChainTooLong(chain, "It is not loaded."); !refusal.isEmpty()) {
        MsgBox(refusal);
        return;
    }
    const auto stored = ChainLogic::readStoredChain(chain);
    if (!stored) {
        MsgBox(M_globals::DamagedChainMessage);
        return;
    }
    // Every hexagram is read before the chain shown is given up; a chain with one that cannot be
    // read is not loaded.
    const HexagramList loaded = readChainHexagrams(stored->links, false);
    for (const auto& hexagram : loaded)
        if (!hexagram->isLoaded()) return;
    const int count = static_cast<int>(loaded.size());
    const int width = ChainLogic::chainWidth(count) + 20;
    const int height = std::min(stored->height, kTallestStart);
    newPictures(width, height);
    drawbuffer->reserve(count);
    virev = std::move(loaded);
    virevcount = count;
    for (auto* shapes : {&abovestr, &belowstr, &namestr}) shapes->clear();
    // The columns and transitions are drawn as a chain built hexagram by hexagram is, each
    // transition from the mask stored in its link; the drawing grows to what is drawn.
    drawChain();
    theHexChain = stored->body;
    trimwindowpicheight();
    checkscrollbarH();
    Canvas1->Refresh(true);
}

void displayWindow::applyEdit(const ChainLogic::ChainEdit& edit, int width, int height) {
    if (!edit.refusal.isEmpty()) {
        MsgBox(edit.refusal);
        return;
    }
    DoLoadHexChain(M_globals::storedChainForm(width, height, edit.chain));
}

void displayWindow::doHexEdit(int n, bool all) {
    if (all) doHexEditChangeAll(n);
    else doHexEditChangeOne(n);
}

void displayWindow::doHexEditChangeOne(int n) {
    // The kind of the selection is not looked at: a selected transition edits the hexagram before it.
    if (!hasValidSelection(false) || !drawbuffer) return;
    // An edited chain is built 1000 high, then trimmed.
    applyEdit(ChainLogic::replaceHexagram(theHexChain, virevcount, recordtoedit, n), drawbuffer->Width(), 1000);
}

void displayWindow::doHexEditChangeAll(int n) {
    Q_UNUSED(n)
    MsgBox(kNotImplemented);
}

void displayWindow::Do6and9Edit(int mask, bool isShort) {
    if (isShort) Do6and9EditShort(mask);
    else Do6and9EditLong(mask);
}

void displayWindow::Do6and9EditShort(int mask) {
    if (!hasValidSelection(true) || !drawbuffer) return;
    applyEdit(ChainLogic::changeTransition(theHexChain, virevcount, recordtoedit, mask), drawbuffer->Width(), 1000);
}

void displayWindow::Do6and9EditLong(int mask) {
    Q_UNUSED(mask)
    MsgBox(kNotImplemented);
}

void displayWindow::deleteHex() {
    if (virevcount < 2 || !hasValidSelection(false) || !drawbuffer) return;
    const auto edited = ChainLogic::deleteHexagram(theHexChain, virevcount, recordtoedit);
    if (edited) applyEdit(*edited, drawbuffer->Width() - ChainLogic::Pitch, drawbuffer->Height());
}

// ---- Speech ----

QString displayWindow::gettransition(int j) const {
    if (j < 0 || j >= virevcount) return QString();
    return ChainLogic::gettransition(*virev[static_cast<size_t>(j)]);
}

void displayWindow::doSpeech() {
    Speak("  ", true);
    QString text;
    const int k = recordtoedit;
    // A selection the chain no longer holds counts as none.
    if (recordtoeditis6and9 && hasValidSelection(true))
        text = ChainLogic::spokenTransition(*virev[static_cast<size_t>(k - 1)], *virev[static_cast<size_t>(k)]);
    else if (!recordtoeditis6and9 && hasValidSelection(false))
        text = ChainLogic::spokenHexagram(*virev[static_cast<size_t>(k - 1)]);
    else if (virevcount > 0)
        text = ChainLogic::spokenChain(virev, virevcount);
    else
        return;
    Speak(text, true);
}

bool displayWindow::_OptionsTalk_Action() {
    if (M_globals::isspeaking) {
        M_globals::isspeaking = false;
        Speak("Bye", true);
    } else {
        M_globals::isspeaking = true;
        doSpeech();
    }
    return false;
}
