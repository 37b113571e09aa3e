#pragma once
// The changing-line editor: a sheet over the display window that shows one hexagram of the chain
// with the lines that change toward the next hexagram ("old"), lets the user mark anew which lines
// are to change ("new"), and hands the new change mask to the display window with "Set".
#include "input/InputLogic.h"
#include "platform/Controls.h"
#include "platform/RadioButton.h"
#include "platform/Window.h"

#include <array>

class W69changeInput : public Window {
    Q_OBJECT
public:
    // The open editor, or a new one.
    static W69changeInput* instance();

    W69changeInput();

    // Element i stands for line i + 1 (line 1 at the bottom).
    std::array<ImageWell*, 6> Iw1{};
    std::array<StaticText*, 6> STCHG{};     // old markers
    std::array<StaticText*, 6> STCHGnew{};  // new markers
    std::array<StaticText*, 3> StaticText1{};
    PushButton* PushButton1;
    PushButton* PushButton2;
    RadioButton* Rbshort;
    RadioButton* RBlong;

    int old6and9 = 0;
    int HexNumber = 0;
    InputLogic::Lines oldchanges{};

    bool Iw1_MouseDown(int index);
    void PushButton1_Action();
    void PushButton2_Action();
    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    bool Event_KeyDown(const QString& key) override;
    bool _FileHelp_Action();

    // Sets the editor up for the transition after the hexagram of `code` with its change mask:
    // the lines of the code, old markers for the mask, no new marker. Both are read within 0..63.
    void wakeup(int code, int mask);
};
