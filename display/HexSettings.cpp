#include "display/HexSettings.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "platform/Dialogs.h"
#include "platform/DisclosureTriangle.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Keyboard.h"
#include "platform/Rectangle.h"
#include "platform/Slider.h"
#include "platform/VectorShapes.h"

namespace {

// Heights of the window with the fonts section closed and open.
constexpr int closedHeight = 240;
constexpr int openHeight = 400;

// The preview's yang line starts here; the yin line lies a line thickness and a spacing below.
constexpr int previewX = 20;
constexpr int previewY = 30;

}  // namespace

HexSettings* HexSettings::instance() { return windowInstance<HexSettings>(); }

HexSettings::HexSettings() {
    setTitle("Hexagram Settings");
    setBounds(100, 100, closedHeight, 537);
    setMinimumContentSize(64, 64);
    setMaximumContentSize(32000, 32000);
    setResizeable(false);
    setCloseButton(true);
    setMinimizeButton(true);
    setMaximizeButton(false);
    // Shown only as a sheet of the display window.
    setInitiallyVisible(false);

    auto slider = [this](const char* name, int left, int top, int width, int height, bool horizontal, int minimum,
                         int maximum) {
        auto* control = new Slider(this, name, left, top, width, height, horizontal);
        control->setMinimum(minimum);
        control->setMaximum(maximum);
        control->setLineStep(1);
        control->setPageStep(20);
        control->setLiveScroll(false);
        return control;
    };
    auto label = [this](int index, int left, int top, int width, int height, const QString& text) {
        auto* control = new StaticText(this, "StaticText1", left, top, width, height, text);
        control->setIndex(index);
        StaticText1[static_cast<size_t>(index)] = control;
        return control;
    };
    auto swatch = [this](const char* name, int left) {
        auto* control = new Rectangle(this, name, left, 168, 20, 20);
        control->setBorderWidth(1);
        control->setBorderColor(RGB(0, 0, 0));
        control->setFillColor(RGB(255, 255, 255));
        return control;
    };
    auto fontMenu = [this](const char* name, int left, int top) { return new PopupMenu(this, name, left, top, 170, 20); };
    auto preview = [&label](int index, int left, int top, int width, int height, const QString& text) {
        StaticText* control = label(index, left, top, width, height, text);
        control->setBold(true);
        control->setTextSize(12);
    };

    // Each caption sits level with its horizontal slider or centred over its vertical one; "Line..."
    // is centred under the two vertical sliders, clear of their ends.
    SyangLength = slider("SyangLength", 25, 96, 220, 16, true, 30, 230);
    label(0, 257, 96, 121, 20, "Yang Line Length");
    Syingappercent = slider("Syingappercent", 25, 141, 210, 16, true, 10, 80);
    label(1, 257, 141, 121, 20, "Yin Gap Percent");
    SHexWidth = slider("SHexWidth", 432, 34, 10, 100, false, 1, 10);
    label(2, 412, 12, 50, 20, "Width")->setTextAlign(2);
    // The spacing slider stands far enough right for the two captions above to keep a gap.
    Shexspacing = slider("Shexspacing", 490, 34, 10, 100, false, 1, 10);
    label(3, 470, 12, 50, 20, "Spacing")->setTextAlign(2);
    label(4, 441, 139, 50, 20, "Line...")->setTextAlign(2);
    Rupper = swatch("Rupper", 20);
    Rbottom = swatch("Rbottom", 202);
    label(5, 52, 169, 141, 20, "Top Trigram Color");
    label(6, 233, 168, 145, 20, "Bottom Trigram Color");
    PushButton1 = new PushButton(this, "PushButton1", 443, 202, 80, 20, "set");
    PushButton1->setDefault(true);
    PushButton2 = new PushButton(this, "PushButton2", 351, 202, 80, 20, "cancel");
    PushButton2->setCancel(true);
    DisclosureTriangle1 = new DisclosureTriangle(this, "DisclosureTriangle1", 1, 210, 12, 12);
    label(7, 20, 206, 141, 20, "FONTS")->setTextSize(10);
    FontMenuTitle = fontMenu("FontMenuTitle", 37, 263);
    preview(8, 105, 244, 37, 17, "Title");
    FontMenuAbove = fontMenu("FontMenuAbove", 338, 263);
    preview(9, 380, 244, 86, 20, "above/below");
    FontMenuHexText = fontMenu("FontMenuHexText", 37, 326);
    preview(10, 72, 304, 100, 18, "Hexagram Text");
    FontMenuTransition = fontMenu("FontMenuTransition", 338, 326);
    preview(11, 373, 304, 100, 18, "TransitionText");
    FontMenuShortName = fontMenu("FontMenuShortName", 184, 365);
    preview(12, 230, 343, 79, 18, "Short Name");

    connect(SyangLength, &Slider::ValueChanged, this, &HexSettings::SyangLength_ValueChanged);
    connect(Syingappercent, &Slider::ValueChanged, this, &HexSettings::Syingappercent_ValueChanged);
    connect(SHexWidth, &Slider::ValueChanged, this, &HexSettings::SHexWidth_ValueChanged);
    connect(Shexspacing, &Slider::ValueChanged, this, &HexSettings::Shexspacing_ValueChanged);
    Rupper->onMouseDown = [this](int x, int y) { return Rupper_MouseDown(x, y); };
    Rbottom->onMouseDown = [this](int x, int y) { return Rbottom_MouseDown(x, y); };
    connect(PushButton1, &PushButton::Action, this, &HexSettings::PushButton1_Action);
    connect(PushButton2, &PushButton::Action, this, &HexSettings::PushButton2_Action);
    connect(DisclosureTriangle1, &DisclosureTriangle::Action, this, &HexSettings::DisclosureTriangle1_Action);
    // Each pop-up shows its font on its label.
    for (const FontChoice& choice : fontChoices()) {
        connect(choice.popup, &PopupMenu::Change, this, [choice] {
            choice.label->setTextFont(choice.popup->Text());
            choice.label->Refresh();
        });
        fillFontMenu(choice);
    }
}

HexSettings::~HexSettings() = default;

std::array<HexSettings::FontChoice, 5> HexSettings::fontChoices() const {
    return {{
        {FontMenuTitle, StaticText1[8], &M_globals::font_title},
        {FontMenuAbove, StaticText1[9], &M_globals::font_above},
        {FontMenuHexText, StaticText1[10], &M_globals::font_judgement},
        {FontMenuTransition, StaticText1[11], &M_globals::font_sixnines},
        {FontMenuShortName, StaticText1[12], &M_globals::font_short},
    }};
}

// The installed fonts, the current one chosen (the last of several that match ignoring case).
// When none matches, no row is chosen and the label previews the current font, which "set" keeps.
void HexSettings::fillFontMenu(const FontChoice& choice) {
    choice.popup->DeleteAllRows();
    int chosen = -1;
    for (int i = 0; i < FontCount(); ++i) {
        choice.popup->AddRow(Font(i));
        if (Font(i).compare(*choice.font, Qt::CaseInsensitive) == 0) chosen = i;
    }
    choice.popup->setListIndex(chosen);
    choice.label->setTextFont(chosen >= 0 ? choice.popup->Text() : *choice.font);
    choice.label->Refresh();
}

void HexSettings::AddMenuHandlers() { AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); }); }

void HexSettings::Event_EnableMenuItems() { FileHelp()->setEnabled(true); }

bool HexSettings::_FileHelp_Action() {
    showHelp("Hex Display Settings Window Help", HEXSETTINGSHELP());
    return false;
}

void HexSettings::Event_Open() { wakeup(); }

void HexSettings::wakeup() {
    my_backColor = M_globals::Used_BackgroundColor;
    loadWorkingCopy();
}

// Every activation discards slider moves and colours that "set" did not apply. The colour picker
// is no window of the program, so returning from it is no activation.
void HexSettings::Event_Activate() {
    loadWorkingCopy();
    Refresh();
}

void HexSettings::loadWorkingCopy() {
    my_yanglength = M_globals::Used_yangLength;
    my_yingappercent = M_globals::Used_YinGapPercent;
    my_hexspacing = M_globals::Used_HexSpacing;
    my_hexwidth = M_globals::Used_HexWidth;
    my_gaplength = M_globals::Used_GapLength;
    my_yinlength = M_globals::Used_YinLength;
    my_upperTriColor = M_globals::Used_upperTricolor;
    my_lowertricolor = M_globals::Used_lowerTriColor;
    Rupper->setFillColor(my_upperTriColor);
    Rbottom->setFillColor(my_lowertricolor);
    // Setting a slider reports its value, which is the one just loaded.
    SyangLength->setValue(my_yanglength);
    Syingappercent->setValue(my_yingappercent);
    SHexWidth->setValue(my_hexwidth);
    Shexspacing->setValue(my_hexspacing);
    drawlines();
}

void HexSettings::drawlines() {
    Yang = std::make_shared<CurveShape>();
    yin1 = std::make_shared<CurveShape>();
    yin2 = std::make_shared<CurveShape>();
    yin1->BorderColor = my_lowertricolor;
    yin2->BorderColor = my_lowertricolor;
    Yang->BorderColor = my_upperTriColor;
    my_gaplength = M_globals::gapLengthFor(my_yanglength, my_yingappercent);
    my_yinlength = M_globals::yinLengthFor(my_yanglength, my_gaplength);
    for (CurveShape* line : {Yang.get(), yin1.get(), yin2.get()}) line->BorderWidth = my_hexwidth;

    Yang->X = previewX;
    Yang->Y = previewY;
    Yang->Y2 = Yang->Y;
    Yang->X2 = Yang->X + my_yanglength;

    // One line step below, as the figures space their lines.
    yin1->X = previewX;
    yin1->Y = Yang->Y + my_hexwidth + my_hexspacing;
    yin1->Y2 = yin1->Y;
    yin1->X2 = yin1->X + my_yinlength;
    yin2->X = yin1->X2 + my_gaplength;
    yin2->Y = yin1->Y;
    yin2->Y2 = yin1->Y;
    yin2->X2 = Yang->X2;

    yinyangGroup = std::make_shared<Group2D>();
    yinyangGroup->Append(Yang);
    yinyangGroup->Append(yin1);
    yinyangGroup->Append(yin2);
}

void HexSettings::Event_Paint(Graphics& g) {
    if (yinyangGroup) g.DrawObject(*yinyangGroup, 0, 0);
}

void HexSettings::sliderChanged(int& setting, const Slider* slider) {
    setting = slider->Value();
    drawlines();
    Refresh();
}

void HexSettings::SyangLength_ValueChanged() { sliderChanged(my_yanglength, SyangLength); }
void HexSettings::Syingappercent_ValueChanged() { sliderChanged(my_yingappercent, Syingappercent); }
void HexSettings::SHexWidth_ValueChanged() { sliderChanged(my_hexwidth, SHexWidth); }
void HexSettings::Shexspacing_ValueChanged() { sliderChanged(my_hexspacing, Shexspacing); }

bool HexSettings::chooseColour(Color& setting, Rectangle* swatch, const QString& prompt) {
    const std::optional<Color> chosen = SelectColor(setting, prompt);
    if (!chosen) return false;
    setting = *chosen;
    swatch->setFillColor(setting);
    drawlines();
    Refresh();
    return false;
}

bool HexSettings::Rupper_MouseDown(int, int) { return chooseColour(my_upperTriColor, Rupper, "Top Color"); }
bool HexSettings::Rbottom_MouseDown(int, int) { return chooseColour(my_lowertricolor, Rbottom, "Bottom Color"); }

void HexSettings::DisclosureTriangle1_Action() {
    setHeight(DisclosureTriangle1->Value() ? openHeight : closedHeight);
    Refresh();
}

void HexSettings::PushButton1_Action() {
    // The derived lengths are the ones the last preview worked out.
    M_globals::Used_GapLength = my_gaplength;
    M_globals::Used_HexSpacing = my_hexspacing;
    M_globals::Used_HexWidth = my_hexwidth;
    M_globals::Used_lowerTriColor = my_lowertricolor;
    M_globals::Used_upperTricolor = my_upperTriColor;
    M_globals::Used_yangLength = my_yanglength;
    M_globals::Used_YinGapPercent = my_yingappercent;
    M_globals::Used_YinLength = my_yinlength;
    M_globals::Used_BackgroundColor = my_backColor;

    // The fonts count only while their section is open.
    if (DisclosureTriangle1->Value() && applyFonts()) {
        const std::vector<QPointer<Window>> windows = windowSnapshot();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            Window* window = *it;
            if (!window || window->isClosed()) continue;
            if (auto* page = dynamic_cast<ShortNameWindow*>(window)) page->UPDATE();
        }
    }
    Close();
}

bool HexSettings::applyFonts() {
    bool shortChanged = false, changed = false;
    for (const FontChoice& choice : fontChoices()) {
        // A pop-up without a chosen row (its font is not installed) keeps the font.
        const QString chosen = choice.popup->Text();
        if (choice.popup->ListIndex() < 0 || chosen.isEmpty()) continue;
        if (choice.font == &M_globals::font_short) {
            if (M_globals::font_short.compare(chosen, Qt::CaseInsensitive) == 0) continue;
            shortChanged = true;
        }
        changed = changed || *choice.font != chosen;
        *choice.font = chosen;
    }

    // A file that can only be read keeps its fonts, and new ones serve until the program quits;
    // fonts left as they were are no change to refuse.
    if (databaseIsReadOnly() && !changed) return shortChanged;
    const QString notSaved = "The fonts were not saved";
    if (!mayWriteDatabase(notSaved)) return shortChanged;
    // Into the first ProgramPrefs row; a failure shows its message.
    M_globals::writeFirstPrefsRow({{PrefsColumn::FontAbove, M_globals::font_above},
                                   {PrefsColumn::FontJudgement, M_globals::font_judgement},
                                   {PrefsColumn::FontShort, M_globals::font_short},
                                   {PrefsColumn::FontSixnines, M_globals::font_sixnines},
                                   {PrefsColumn::FontTitle, M_globals::font_title}},
                                  notSaved);
    return shortChanged;
}

void HexSettings::PushButton2_Action() { Close(); }

bool HexSettings::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) PushButton2_Action();
    return false;
}
