#include "chains/ChainPage.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "core/FixedTableColumns.h"
#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "core/TrigramLookup.h"
#include "core/WindowBounds.h"
#include "display/displayWindow.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Keyboard.h"
#include "platform/VectorShapes.h"

#include <algorithm>
#include <cmath>

using namespace ChainPageLayout;

namespace ChainPageLayout {

PageSize pageSize(int count) {
    if (count < CellsPerRow + 1) return {1, count * CellSize, CellSize};
    const int lines = count / CellsPerRow + (count % CellsPerRow != 0 ? 1 : 0);
    return {lines, CellsPerRow * CellSize, lines * CellSize};
}

int hexagramAt(int pageX, int pageY, int count) {
    const int row = static_cast<int>(std::floor(pageY / double(CellSize)));
    const int col = static_cast<int>(std::floor(pageX / double(CellSize)));
    // A point left of or above the page holds no hexagram either.
    if (row < 0 || col < 0 || col >= CellsPerRow) return -1;
    const int index = CellsPerRow * row + col;
    return index < count ? index : -1;
}

QString pageList(const std::vector<std::shared_ptr<Hexagram>>& hexagrams) {
    QString list;
    for (size_t i = 0; i < hexagrams.size(); ++i) {
        const int row = static_cast<int>(i) / CellsPerRow + 1, col = static_cast<int>(i) % CellsPerRow + 1;
        list += QString::number(row) + "." + QString::number(col) + ":  " + hexagrams[i]->name + CR;
    }
    return list;
}

QString hexagramText(const Hexagram& h) {
    const QString indent = CR + "       ";
    QString text =
        h.name + " = (" + M_globals::trigramName(h.above) + ")/(" + M_globals::trigramName(h.below) + ")" + CR;
    text += indent + h.description + indent + h.judgement + CR;
    for (int line = 1; line <= 6; ++line)
        if (h.places[static_cast<size_t>(line)])
            text += indent + "Line " + QString::number(line) + " change:  " + h.placesSTR[static_cast<size_t>(line)];
    return text;
}

}  // namespace ChainPageLayout

ChainPage* ChainPage::instance() { return windowInstance<ChainPage>(); }

ChainPage::ChainPage() {
    setTitle("Page of Hex Chain");
    setWidth(530);
    setHeight(390);
    setMinimumContentSize(400, 350);
    setMaximumContentSize(1000, 1000);
    setResizeable(true);
    setCloseButton(true);
    setMinimizeButton(true);
    setMaximizeButton(false);
    setBackColor(RGB(0xCE, 0xCE, 0xCE));

    Canvas1 = new Canvas(this, "Canvas1", 120, 2, 100, 100);
    connect(Canvas1, &Canvas::Paint, this, [this](Graphics& g) { Canvas1_Paint(g); });
    Canvas1->onMouseDown = [this](int x, int y) { return Canvas1_MouseDown(x, y); };

    EditField1 = new EditField(this, "EditField1", 105, 289, 151, 50, true);
    EditField1->setBorder(true);
    EditField1->setScrollbarVertical(true);
    EditField1->setTextColor(RGB(0, 0, 0));
    EditField1->setBackColor(RGB(255, 255, 255));
    EditField1_Open();

    SBV = new ScrollBar(this, "SBV", 478, 34, 16, 100, false);
    SBH = new ScrollBar(this, "SBH", 149, 200, 166, 16, true);
    for (ScrollBar* bar : {SBV, SBH}) {
        bar->setMinimum(0);
        bar->setMaximum(100);
        bar->setValue(0);
        bar->setLineStep(1);
        bar->setPageStep(20);
        bar->setLiveScroll(false);
    }
    connect(SBV, &ScrollBar::ValueChanged, this, [this] { SBV_ValueChanged(); });
    connect(SBH, &ScrollBar::ValueChanged, this, [this] { SBH_ValueChanged(); });

    Windowsplit = new ImageWell(this, "Windowsplit", 0, 221, 530, 15);
    Windowsplit->setCursor(Qt::SplitVCursor);
    Windowsplit->onMouseDown = [this](int x, int y) { return Windowsplit_MouseDown(x, y); };
    Windowsplit->onMouseDrag = [this](int x, int y) { Windowsplit_MouseDrag(x, y); };
    Windowsplit->onMouseUp = [this](int x, int y) { Windowsplit_MouseUp(x, y); };
}

ChainPage::~ChainPage() = default;

void ChainPage::Event_Open() { restoreWindowBounds(*this, PrefsColumn::ChainW); }

void ChainPage::Event_Close() { storeWindowBounds(*this, PrefsColumn::ChainW); }

void ChainPage::Event_Activate() { M_globals::checkmenus(2); }

void ChainPage::EditField1_Open() { EditField1->setTextFont(M_globals::font_text); }

void ChainPage::applyTextFont() {
    EditField1->setTextFont(M_globals::font_text);
    EditField1->Refresh();
}

// The scroll bars are as thick (t) as the desktop's style draws them: the page ends 5 above the
// horizontal bar, which ends at the splitter. The text area reaches the window's bottom: a band
// below it would read as an empty scroll bar.
void ChainPage::placeControls() {
    const int S = Windowsplit->Top(), W = Width(), H = Height(), t = SBH->Thickness();
    Windowsplit->setWidth(W);
    SBH->setGeometry(0, S - t, W, t);
    SBV->setGeometry(W - t, 0, t, S - 5);
    // A window shorter than the splitter's place leaves the text area empty rather than negative.
    EditField1->setGeometry(0, S + 20, W, std::max(0, H - (S + 20)));
    Canvas1->setGeometry(0, 0, W, S - t - 5);
}

void ChainPage::Event_Resized() {
    placeControls();
    checkSBH();
    EditField1->Refresh();
    Windowsplit->Refresh();
}

void ChainPage::wakeup(const QString& chain) {
    // The header ends at the first ";"; a chain without one has no links.
    const int headerEnd = chain.indexOf(';');
    const QString body = headerEnd < 0 ? QString() : chain.mid(headerEnd + 1);
    const auto read = M_globals::readChainLinks(body);
    if (!read) {
        MsgBox(M_globals::DamagedChainMessage);
        Close();
        return;
    }
    const std::vector<M_globals::ChainLink>& links = *read;
    TOTALCHAIN = chain;
    mychain = body;
    placeControls();
    chaincount = static_cast<int>(links.size());

    const PageSize size = pageSize(chaincount);
    linecount = size.lines;
    thepic = NewPicture(size.width, size.height, 0);
    rectsel.reset();
    selXrow = selYline = selHex = selhexnumber = -1;

    // A hexagram the table in use cannot give is said once for the page; its cell shows its
    // figure all the same.
    theHexs = readChainHexagrams(links, true);

    chainstring = pageList(theHexs);
    for (int i = 0; i < chaincount; ++i) {
        const auto& figure = theHexs[static_cast<size_t>(i)]->thepic;
        if (!figure || !thepic) continue;
        figure->X = (i % CellsPerRow) * CellSize + 14;
        figure->Y = (i / CellsPerRow) * CellSize + 20;
        thepic->Objects->Append(figure);
    }
    Show();

    EditField1->setText(chainstring);
    EditField1->Refresh();
    checkSBH();
}

void ChainPage::UPDATE() { wakeup(TOTALCHAIN); }

void ChainPage::Canvas1_Paint(Graphics& g) {
    if (thepic) g.DrawPicture(*thepic, offsetH, OffsetV);
}

void ChainPage::checkSBH() {
    if (!thepic) return;
    // A bar returns to 0 and shows only when the page is larger than the canvas in its direction.
    auto setUp = [](ScrollBar* bar, int pageExtent, int canvasExtent, int& offset) {
        bar->setMinimum(0);
        bar->setValue(0);
        bar->setMaximum(pageExtent - canvasExtent);
        offset = 0;
        bar->setVisible(canvasExtent < pageExtent);
        bar->setEnabled(canvasExtent < pageExtent);
        bar->Refresh();
    };
    setUp(SBH, thepic->Width(), Canvas1->Width(), offsetH);
    setUp(SBV, thepic->Height(), Canvas1->Height(), OffsetV);
    Canvas1->Refresh();
}

void ChainPage::SBV_ValueChanged() {
    OffsetV = -SBV->Value();
    Canvas1->Refresh();
}

void ChainPage::SBH_ValueChanged() {
    offsetH = -SBH->Value();
    Canvas1->Refresh();
}

bool ChainPage::Windowsplit_MouseDown(int, int) { return true; }

void ChainPage::Windowsplit_MouseDrag(int, int y) {
    const int top = Windowsplit->Top() + y;
    if (150 < top && top < Height() - 110) {
        Windowsplit->setTop(top);
        Windowsplit->Refresh();
    }
}

void ChainPage::Windowsplit_MouseUp(int, int) {
    placeControls();
    checkSBH();
    EditField1->Refresh();
    Windowsplit->Refresh();
}

void ChainPage::clearSelection() {
    selYline = selXrow = selHex = selhexnumber = -1;
    EditField1->setText(chainstring);
    EditField1->Refresh();
    Canvas1->Refresh();
}

bool ChainPage::Canvas1_MouseDown(int x, int y) {
    // Before the first build there is nothing to select.
    if (!thepic) return false;
    const int px = x - offsetH, py = y - OffsetV;
    if (rectsel) thepic->Objects->Remove(rectsel);

    const int index = hexagramAt(px, py, chaincount);
    const int row = index / CellsPerRow, col = index % CellsPerRow;
    if (index < 0 || (row == selYline && col == selXrow)) {
        clearSelection();
        return false;
    }
    selYline = row;
    selXrow = col;
    newrect(col, row);
    selHex = index;
    selhexnumber = theHexs[static_cast<size_t>(selHex)]->N_Bool;
    dotext();
    return false;
}

void ChainPage::newrect(int col, int row) {
    rectsel = std::make_shared<RectShape>();
    rectsel->Fill = 0;
    rectsel->Border = 100;
    rectsel->BorderWidth = 2;
    rectsel->BorderColor = RGB(0, 0, 0);
    rectsel->Width = CellSize;
    rectsel->Height = CellSize;
    rectsel->X = col * CellSize + CellSize / 2;
    rectsel->Y = row * CellSize + CellSize / 2;
    thepic->Objects->Append(rectsel);
    Canvas1->Refresh();
}

void ChainPage::dotext() {
    // The hexagram as the page read it; one that could not be read says why in the text area.
    const Hexagram& hexagram = *theHexs[static_cast<size_t>(selHex)];
    EditField1->setText(hexagram.isLoaded() ? hexagramText(hexagram) : hexagram.readProblem());
    EditField1->Refresh();
}

void ChainPage::AddMenuHandlers() {
    AddMenuHandler("editcopy", [this] { return _editcopy_Action(); });
    AddMenuHandler("OptionsChainWindow", [this] { return _OptionsChainWindow_Action(); });
    AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); });
}

void ChainPage::Event_EnableMenuItems() {
    EditCopy()->setEnabled(true);
    OptionsChainWindow()->setEnabled(true);
    FileHelp()->setEnabled(true);
}

bool ChainPage::_editcopy_Action() {
    if (thepic) {
        Clipboard clip;
        clip.setPicture(*thepic);
        clip.Close();
    } else {
        MsgBox("No picture to copy.");
    }
    return false;
}

bool ChainPage::_OptionsChainWindow_Action() {
    showWindow<displayWindow>();
    return false;
}

bool ChainPage::_FileHelp_Action() {
    showHelp("Chain Page Window Help", chainWindowhelp());
    return false;
}

bool ChainPage::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}
