#pragma once
// The input window: a sheet over the display window in which the user composes one hexagram from
// its upper and lower trigram (two rows of trigram boxes), flips single lines, or drops a row of
// the hexagram list, sees the lines changed against the source hexagram marked, and sends it to
// the display window with "set".
#include "input/InputLogic.h"
#include "platform/Controls.h"
#include "platform/CheckBox.h"
#include "platform/Rectangle.h"
#include "platform/Window.h"

#include <array>

class InputWindow : public Window {
    Q_OBJECT
public:
    // The open input window, or a new one.
    static InputWindow* instance();

    InputWindow();

    // Trigram boxes: element t stands for trigram t.
    std::array<Rectangle*, 8> Rbottom{};
    std::array<Rectangle*, 8> Rtop{};
    ImageWell* ImageWell1;
    StaticText* stabove;
    StaticText* stbelow;
    // 0..7 the trigram names, 8..15 the family names, 16 "Above:", 17 "Below:".
    std::array<StaticText*, 18> StaticText1{};
    PushButton* PushButton1;
    PushButton* PushButton2;
    StaticText* StaticText2;
    // Line wells and change markers, element i = line i + 1 (line 1 at the bottom).
    std::array<ImageWell*, 6> iwYY{};
    CheckBox* CBnewHex;
    StaticText* stsource;
    std::array<StaticText*, 6> Stchange{};

    // The composed hexagram's trigrams, and those the window started with.
    int MY_TOP = 0;
    int MY_BOTTOM = 0;
    int SourceBottom = 0;
    int SourceTop = 0;
    InputLogic::Lines Source_bool{};
    bool isnew = false;  // no source hexagram: the markers stay hidden
    InputLogic::Lines This_bool{};
    bool isanedit = false;

    bool Rbottom_MouseDown(int index);
    bool Rtop_MouseDown(int index);
    void PushButton1_Action();
    void PushButton2_Action();
    bool iwYY_MouseDown(int index);
    void CBnewHex_Action();
    void AddMenuHandlers() override;
    bool Event_KeyDown(const QString& key) override;
    void Event_Open() override;
    void Event_DropObject(DragItem& obj, int action) override;
    void Event_EnableMenuItems() override;
    bool _FileHelp_Action();

    // Sets the six wells and This_bool from two trigram numbers, then the markers.
    void loadyinyang(int top, int bottom);
    // Sets the window up for the display window: new mode (the source is the chain's last
    // hexagram; a random proposal when the chain is empty) or, with isEdit and a hexagram selected,
    // edit mode (the source is the selected hexagram).
    void wakeup(bool isEdit);
    // Shows the markers of the lines that differ from the source hexagram.
    void checkchanges();

private:
    // Takes trigram t as the upper (lower) trigram and shows its label.
    void takeUpper(int t);
    void takeLower(int t);
};
