#pragma once
// The trigram editor: the rows of one trigram table in the order of their trigram numbers 0 to 7,
// with the trigram's figure; in edit mode "RECORD" writes the row's nine texts back.
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Window.h"

#include <array>
#include <memory>

class RecordSet;

class TRIGRAMINPUT : public Window {
    Q_OBJECT
public:
    // The open editor, or a new one.
    static TRIGRAMINPUT* instance();

    TRIGRAMINPUT();

    // StaticText1 "NUMBER = ", then the labels of the nine fields (StaticText2..StaticText10).
    std::array<StaticText*, 10> labels{};
    StaticText* StaticText1;
    std::array<EditField*, 9> EFtri{};
    PushButton* PushButton1;
    PushButton* PushButton2;
    PushButton* PushButton3;
    Canvas* Canvas1;

    int RECORDNUMBER = 0;
    QString my_table;
    bool isanedit = false;
    std::shared_ptr<Picture> tripic;

    void PushButton1_Action();
    void PushButton2_Action();
    void PushButton3_Action() { Close(); }
    void Event_Open() override;
    void Event_EnableMenuItems() override;
    bool Event_KeyDown(const QString& key) override;
    void AddMenuHandlers() override;
    void applyTextFont() override;
    bool _FileHelp_Action();

    // Sets the editor up for `table` and shows trigram 0; edit opens it editable, unless the
    // catalogue keeps the table from editing.
    void wakeup(const QString& table, bool edit);
    void drawtrigram(int n);

private:
    // Shows the row of RECORDNUMBER when the table has it; false when it has none.
    bool showRow();

    qint64 shownRowid = -1;  // the row on show, which "RECORD" writes; -1 when none
};
