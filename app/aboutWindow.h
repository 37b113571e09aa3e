#pragma once
// The About window: the program's and the database's versions, the connected database file and
// the tables in use (brought up to date whenever the window comes to the front), the project's
// home page and the credits.
#include "platform/Controls.h"
#include "platform/Window.h"

class aboutWindow : public Window {
    Q_OBJECT
public:
    static aboutWindow* instance();

    aboutWindow();

    StaticText* StaticText1;
    StaticText* StaticText2;
    PushButton* PushButton1;
    EditField* EFdatabase;
    StaticText* StaticText5;
    StaticText* StaticText6;
    StaticText* StaticText7;
    StaticText* stTri;
    StaticText* stHex;
    StaticText* StaticText8;
    StaticText* StaticText9;
    PushButton* PushButton3;
    PushButton* PushButton4;

    void PushButton1_Action();
    void PushButton3_Action();
    void PushButton4_Action();
    bool Event_KeyDown(const QString& key) override;
    void Event_Activate() override;
};

// The address "Updates...": the README that the build puts beside the program.
QString projectHomeAddress();
// The credits message: the sources of the default database's texts and the tools used.
QString creditsText();
