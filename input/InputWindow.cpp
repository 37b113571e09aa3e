#include "input/InputWindow.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "display/displayWindow.h"
#include "platform/DragItem.h"
#include "platform/Keyboard.h"
#include "platform/Random.h"

using namespace InputLogic;

namespace {

// The trigram area's eight columns, left to right: the trigram each stands for, its boxes, and the
// fixed trigram and family names of the column.
struct Column {
    int trigram;
    int topLeft, bottomLeft, bottomTop;
    const char* name;
    int nameLeft;
    const char* family;
    int familyLeft;
};
const Column Columns[] = {
    {7, 23, 23, 65, "Heaven", 22, "Father", 24},     {1, 91, 91, 65, "Thunder", 90, "1st son", 92},
    {2, 163, 163, 65, "Water", 163, "2nd son", 165}, {4, 234, 233, 66, "Mountain", 234, "3rd son", 236},
    {0, 306, 306, 66, "Earth", 307, "Mother", 309},  {6, 377, 377, 66, "Wind", 377, "1st girl", 379},
    {5, 448, 449, 65, "Fire", 449, "2nd girl", 451}, {3, 519, 519, 65, "Lake", 518, "3rd girl", 520},
};
constexpr int TopRowTop = 5, NameTop = 46, FamilyTop = 110;

// Line wells and markers, line 1 first.
constexpr int WellTops[] = {238, 224, 210, 196, 182, 168};
constexpr int MarkerTops[] = {240, 224, 210, 198, 184, 169};

StaticText* label(Window* window, int index, int left, int top, int width, int height, const QString& text) {
    auto* control = new StaticText(window, "StaticText1", left, top, width, height, text);
    control->setIndex(index);
    return control;
}

}  // namespace

InputWindow* InputWindow::instance() { return windowInstance<InputWindow>(); }

InputWindow::InputWindow() {
    setTitle("Hexagram Input");
    setWidth(WindowWidth);
    setHeight(302);
    setResizeable(false);
    setMaximizeButton(false);
    // The user composes here and watches the display window take each hexagram: the window opens
    // in the middle of the screen rather than over the display window.
    setPlacement(Placement::OnItsWindowsScreen);

    // The boxes in column order, the whole lower row first.
    for (const bool upper : {false, true}) {
        for (const Column& c : Columns) {
            const int t = c.trigram;
            auto* box = new Rectangle(this, upper ? "Rtop" : "Rbottom", upper ? c.topLeft : c.bottomLeft,
                                      upper ? TopRowTop : c.bottomTop, 59, 40);
            box->setIndex(t);
            if (upper && t == 7) box->setFillColor(RGB(0xFD, 0xFD, 0xFD));
            box->onMouseDown = [this, t, upper](int, int) { return upper ? Rtop_MouseDown(t) : Rbottom_MouseDown(t); };
            (upper ? Rtop : Rbottom)[static_cast<size_t>(t)] = box;
        }
    }
    // The picture shows the boxes; a press goes through it to the box beneath.
    ImageWell1 = new ImageWell(this, "ImageWell1", 0, 0, 606, 113);
    ImageWell1->setImage(virevtrigramsinput());
    ImageWell1->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto trigramLabel = [this](const char* name, int top) {
        auto* text = new StaticText(this, name, 50, top, 360, 40, "?");
        text->setTextAlign(2);
        text->setMultiline(true);
        text->setTextSize(12);
        text->setBold(true);
        return text;
    };
    stabove = trigramLabel("stabove", 170);
    stbelow = trigramLabel("stbelow", 217);
    for (int i = 0; i < 8; ++i) {
        StaticText1[i] = label(this, i, Columns[i].nameLeft, NameTop, 60, 20, Columns[i].name);
        StaticText1[i]->setTextAlign(2);
        StaticText1[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // The captions stand level with the first line of their texts, clear of the window's edge.
    StaticText1[16] = label(this, 16, 8, 170, 47, 40, "Above:");
    StaticText1[17] = label(this, 17, 8, 217, 47, 40, "Below:");
    for (int i : {16, 17}) {
        StaticText1[i]->setTextAlign(3);
        StaticText1[i]->setTextSize(12);
        StaticText1[i]->setBold(true);
    }

    PushButton1 = new PushButton(this, "PushButton1", 472, 272, 80, 20, "set");
    PushButton1->setDefault(true);
    PushButton2 = new PushButton(this, "PushButton2", 361, 272, 80, 20, "cancel");
    PushButton2->setCancel(true);
    connect(PushButton1, &PushButton::Action, this, &InputWindow::PushButton1_Action);
    connect(PushButton2, &PushButton::Action, this, &InputWindow::PushButton2_Action);

    for (int i = 0; i < 8; ++i) {
        StaticText1[8 + i] = label(this, 8 + i, Columns[i].familyLeft, FamilyTop, 60, 20, Columns[i].family);
        StaticText1[8 + i]->setTextAlign(2);
    }

    StaticText2 = new StaticText(this, "StaticText2", 359, 80, 350, 16, "?");
    StaticText2->setTextAlign(2);
    StaticText2->setTextSize(10);
    StaticText2->setBold(true);
    // Nothing ever sets it; its "?" would sit on the lake box, so the picture covers it, and it
    // lets presses through to the boxes.
    StaticText2->stackUnder(ImageWell1);
    StaticText2->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int i = 0; i < 6; ++i) {
        iwYY[i] = new ImageWell(this, "iwYY", 476, WellTops[i], 80, 15);
        iwYY[i]->setIndex(i);
        iwYY[i]->setImage(yang());
        iwYY[i]->onMouseDown = [this, i](int, int) { return iwYY_MouseDown(i); };
    }

    CBnewHex = new CheckBox(this, "CBnewHex", 101, 272, 234, 20, "Edit Hexagram");
    connect(CBnewHex, &CheckBox::Action, this, &InputWindow::CBnewHex_Action);

    stsource = new StaticText(this, "stsource", 103, 135, 392, 20, "no source");
    stsource->setTextAlign(2);
    stsource->setTextSize(11);
    stsource->setBold(true);
    stsource->setItalic(true);

    for (int i = 0; i < 6; ++i) {
        Stchange[i] = new StaticText(this, "Stchange", 463, MarkerTops[i], 10, 10, QString(QChar(0x2022)));
        Stchange[i]->setIndex(i);
        Stchange[i]->setTextColor(RGB(0xFF, 0, 0));
        Stchange[i]->setTextSize(12);
        Stchange[i]->setBold(true);
    }
}

void InputWindow::Event_Open() { AcceptTextDrop(); }

void InputWindow::AddMenuHandlers() { AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); }); }

void InputWindow::Event_EnableMenuItems() { FileHelp()->setEnabled(true); }

bool InputWindow::_FileHelp_Action() {
    showHelp("Input Window Help", INPUTWINDOWHELP());
    return false;
}

bool InputWindow::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void InputWindow::takeUpper(int t) {
    MY_TOP = t;
    stabove->setText(labelText(t));
    stabove->Refresh(true);
}

void InputWindow::takeLower(int t) {
    MY_BOTTOM = t;
    stbelow->setText(labelText(t));
    stbelow->Refresh(true);
}

bool InputWindow::Rtop_MouseDown(int index) {
    takeUpper(index);
    loadyinyang(MY_TOP, MY_BOTTOM);
    return false;
}

bool InputWindow::Rbottom_MouseDown(int index) {
    takeLower(index);
    loadyinyang(MY_TOP, MY_BOTTOM);
    return false;
}

bool InputWindow::iwYY_MouseDown(int index) {
    const size_t i = static_cast<size_t>(index);
    const bool nowYang = iwYY[i]->Image() == yin();
    iwYY[i]->setImage(nowYang ? yang() : yin());
    This_bool[i] = nowYang;
    // The trigrams are counted again from what the wells show.
    Lines shown{};
    for (size_t w = 0; w < iwYY.size(); ++w) shown[w] = iwYY[w]->Image() == yang();
    takeLower(lowerTrigram(shown));
    takeUpper(upperTrigram(shown));
    checkchanges();
    return false;
}

void InputWindow::loadyinyang(int top, int bottom) {
    const Lines lines = linesOf(8 * top + bottom);
    for (size_t i = iwYY.size(); i-- > 0;) {
        iwYY[i]->setImage(lines[i] ? yang() : yin());
        This_bool[i] = lines[i];
    }
    checkchanges();
}

void InputWindow::checkchanges() {
    if (isnew) return;
    for (size_t i = Stchange.size(); i-- > 0;) {
        Stchange[i]->setVisible(Source_bool[i] != This_bool[i]);
        Stchange[i]->Refresh(true);
    }
}

void InputWindow::CBnewHex_Action() { CBnewHex->setCaption(newHexCaption(isanedit, CBnewHex->Value())); }

void InputWindow::PushButton1_Action() {
    const SetDecision decision = decideSet({isanedit, MY_TOP, MY_BOTTOM, SourceTop, SourceBottom, CBnewHex->Value()});
    if (decision.call == SetDecision::Call::NewHex) displayWindow::instance()->newhex(decision.code, decision.flag);
    if (decision.call == SetDecision::Call::HexEdit) displayWindow::instance()->doHexEdit(decision.code, decision.flag);
    Close();
}

void InputWindow::PushButton2_Action() { Close(); }

void InputWindow::Event_DropObject(DragItem& obj, int) {
    if (!obj.TextAvailable()) return;
    const std::optional<DroppedTrigrams> dropped = droppedTrigrams(obj.Text());
    if (!dropped) return;
    takeLower(dropped->bottom);
    takeUpper(dropped->top);
    loadyinyang(MY_TOP, MY_BOTTOM);
}

void InputWindow::wakeup(bool isEdit) {
    displayWindow* display = displayWindow::instance();
    setSheetParent(display);

    const bool hasChain = display->virevcount >= 1;
    PushButton2->setVisible(hasChain);
    PushButton2->setEnabled(hasChain);

    // Edit mode only with a hexagram of the chain selected; otherwise the window composes a new one.
    isanedit = isEdit && !display->recordtoeditis6and9 && display->hasValidSelection(false);
    const int k = isanedit ? display->recordtoedit : display->virevcount;
    const Hexagram* source =
        k >= 1 && k <= static_cast<int>(display->virev.size()) ? display->virev[static_cast<size_t>(k - 1)].get() : nullptr;

    int upper = 0, lower = 0;
    isnew = source == nullptr;
    if (isnew) {
        // The random first proposal: the first draw is the lower trigram, the second the upper.
        CBnewHex->setValue(false);
        CBnewHex->setVisible(false);
        CBnewHex->setEnabled(false);
        auto generator = std::make_shared<Random>();
        M_globals::random_g = generator;
        generator->setSeed(static_cast<double>(generator->InRange(0, 10000)));
        lower = generator->InRange(0, 7);
        upper = generator->InRange(0, 7);
    } else {
        for (int line = 6; line >= 1; --line) Source_bool[static_cast<size_t>(line - 1)] = source->YinYang[static_cast<size_t>(line)];
        This_bool = Source_bool;
        CBnewHex->setVisible(true);
        CBnewHex->setEnabled(true);
        CBnewHex->setValue(!isanedit);
        // A row whose trigram numbers are out of range gives way to the code's.
        upper = source->above >= 0 && source->above <= 7 ? source->above : source->N_Bool / 8;
        lower = source->below >= 0 && source->below <= 7 ? source->below : source->N_Bool % 8;
    }

    SourceBottom = lower;
    takeLower(lower);
    SourceTop = upper;
    takeUpper(upper);

    QString sourceLine = "source = " + trigramName(upper) + "/" + trigramName(lower);
    if (!isnew) sourceLine += " = " + M_globals::getYinYangCharString(source->N_Bool);
    stsource->setText(sourceLine);

    loadyinyang(MY_TOP, MY_BOTTOM);
    for (size_t i = Stchange.size(); i-- > 0;) {
        Stchange[i]->setVisible(false);
        Stchange[i]->Refresh(true);
    }
    // The caption follows the value and the mode, also when the value did not change.
    CBnewHex_Action();
}
