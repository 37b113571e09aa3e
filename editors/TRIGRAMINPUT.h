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

    void PushButton1_Action() { saveRow(); }
    void PushButton2_Action();
    void PushButton3_Action() { Close(); }
    void Event_Open() override;
    void Event_EnableMenuItems() override;
    bool Event_KeyDown(const QString& key) override;
    bool Event_CancelClose() override { return !mayLeaveRow(); }
    void AddMenuHandlers() override;
    void applyTextFont() override;
    bool _FileHelp_Action();

    // Sets the editor up for `table` and shows trigram 0; edit opens it editable, unless the
    // catalogue keeps the table from editing. Unsaved texts of the row on show are asked about
    // first; Cancel leaves the editor as it is.
    void wakeup(const QString& table, bool edit);
    void drawtrigram(int n);

    // A field's text differs from the text last shown or saved in it, on a row that can be saved.
    bool hasUnsavedChange() const;

private:
    // Shows the row of RECORDNUMBER when the table has it; without it, says so and shows the
    // number alone, with empty fields, no figure and "RECORD" disabled.
    void showRow();
    // "RECORD": true when the nine texts were written.
    bool saveRow();
    // Before the row on show is left: asks about unsaved texts (see EditorRows::mayLeaveRow).
    bool mayLeaveRow();
    // The row on show as the editor's questions name it: "trigram number 3".
    QString shownRowName() const { return "trigram number " + QString::number(RECORDNUMBER); }
    void takeSnapshot();

    qint64 shownRowid = -1;  // the row on show, which "RECORD" writes; -1 when none
    std::array<QString, 9> shownTexts;  // the field texts as last shown or saved
};
