#pragma once
// The drawing settings window, shown as a sheet of the display window. It works on a copy of the
// drawing settings in force, previews one yang line over one yin line drawn with that copy, and
// previews the five text fonts on their labels. "set" puts the copy into force (and, while the
// fonts section is open, the fonts into the shared state and ProgramPrefs); "cancel" changes
// nothing.
#include "platform/Controls.h"
#include "platform/Window.h"

#include <array>
#include <memory>

class CurveShape;
class DisclosureTriangle;
class Group2D;
class Rectangle;
class Slider;

// A window that shows the short names of hexagrams (the chain page): rebuilt when their font
// changes.
class ShortNameWindow {
public:
    virtual ~ShortNameWindow() = default;
    virtual void UPDATE() = 0;
};

class HexSettings : public Window {
    Q_OBJECT
public:
    // The open settings window, or a new one (hidden until it is shown).
    static HexSettings* instance();

    HexSettings();
    ~HexSettings() override;

    // The preview's lines and their group, drawn by Event_Paint.
    std::shared_ptr<CurveShape> Yang;
    std::shared_ptr<CurveShape> yin1;
    std::shared_ptr<CurveShape> yin2;
    std::shared_ptr<Group2D> yinyangGroup;

    // The working copy of the drawing settings (pixels, percent, colours).
    int my_hexspacing = 0;
    int my_hexwidth = 0;
    int my_yingappercent = 0;
    int my_yanglength = 0;
    int my_gaplength = 0;
    int my_yinlength = 0;
    Color my_upperTriColor;
    Color my_lowertricolor;
    Color my_backColor;

    Slider* SyangLength;
    Slider* Syingappercent;
    Slider* SHexWidth;
    Slider* Shexspacing;
    std::array<StaticText*, 13> StaticText1{};
    Rectangle* Rupper;
    Rectangle* Rbottom;
    PushButton* PushButton1;
    PushButton* PushButton2;
    DisclosureTriangle* DisclosureTriangle1;
    PopupMenu* FontMenuTitle;
    PopupMenu* FontMenuAbove;
    PopupMenu* FontMenuHexText;
    PopupMenu* FontMenuTransition;
    PopupMenu* FontMenuShortName;

    void SyangLength_ValueChanged();
    void Syingappercent_ValueChanged();
    void SHexWidth_ValueChanged();
    void Shexspacing_ValueChanged();
    bool Rupper_MouseDown(int x, int y);
    bool Rbottom_MouseDown(int x, int y);
    void PushButton1_Action();
    void PushButton2_Action();
    void DisclosureTriangle1_Action();

    void AddMenuHandlers() override;
    void Event_Paint(Graphics& g) override;
    void Event_Activate() override;
    void Event_Open() override;
    void Event_EnableMenuItems() override;
    bool Event_KeyDown(const QString& key) override;
    bool _FileHelp_Action();

    // Derives the gap and half-line lengths from the working copy and rebuilds the preview.
    void drawlines();
    // Loads the working copy from the settings in force and sets the controls from it.
    void wakeup();

private:
    // A font pop-up, the label that previews its font, and the shared font it chooses.
    struct FontChoice {
        PopupMenu* popup;
        StaticText* label;
        QString* font;
    };
    std::array<FontChoice, 5> fontChoices() const;
    void fillFontMenu(const FontChoice& choice);
    void loadWorkingCopy();
    void sliderChanged(int& setting, const Slider* slider);
    bool chooseColour(Color& setting, Rectangle* swatch, const QString& prompt);
    // The fonts chosen in the pop-ups into the shared state and ProgramPrefs; true when the
    // short-name font changed.
    bool applyFonts();
};
