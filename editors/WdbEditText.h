#pragma once
// The hexagram-text editor: one row of a hexagram-text table at a time, with its figure, stepped
// through by book number or by Boolean number (the hexagram code); in editing mode "record"
// writes the changed texts back.
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Listbox.h"
#include "platform/Window.h"

#include <array>
#include <memory>

class RecordSet;

class WdbEditText : public Window {
    Q_OBJECT
public:
    // The open editor, or a new one.
    static WdbEditText* instance();

    WdbEditText();

    StaticText* STBool;
    EditField* EFname;
    StaticText* STchina;
    StaticText* STBook;
    EditField* efdescription;
    EditField* efjudgement;
    StaticText* STAbove;
    StaticText* STBelow;
    EditField* ef6th;
    EditField* ef5th;
    EditField* ef4th;
    EditField* ef3rd;
    EditField* ef2nd;
    EditField* ef1st;
    Canvas* Canvas1;
    EditField* efall;
    EditField* efshort;
    std::array<StaticText*, 11> StaticText1{};
    // The name index: the names in the first column, the hexagram code in the hidden second.
    Listbox* ListOfHex;
    PushButton* PBnext;
    PushButton* PBrecord;
    PushButton* PBprevious;
    PushButton* PushButton1;

    QString my_table;
    QString ListTable;
    int my_count = 1;
    int my_boolean = 0;
    bool UsingbooleanNumber = false;
    std::shared_ptr<Picture> hexpic;
    QString firstSTR, secondSTR, thirdstr, fourthSTR, fifthSTR, sixthSTR, descriptionSTR, judgementSTR, allninesSTR,
        adefaultname, ashortname;

    void ListOfHex_DoubleClick();
    void PBnext_Action() { goNext(); }
    void PBrecord_Action() { SaveRecordEdit(); }
    void PBprevious_Action() { goprevious(); }
    void PushButton1_Action() { Close(); }
    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    void Event_Activate() override;
    void Event_Open() override;
    void Event_Close() override;
    bool Event_CancelClose() override { return !mayLeaveRow(); }
    bool Event_KeyDown(const QString& key) override;
    void applyTextFont() override;
    bool _UseNumberBook_Action();
    bool _UseNumberBoolean_Action();
    bool _dbeditOptionsGotoRecord_Action();
    bool _FileHelp_Action();

    // Sets the editor up for `table` and shows the row with book number 1. readOnly opens it for
    // viewing only; a table that the catalogue does not mark as editable opens for viewing only too.
    // Unsaved texts of the row on show are asked about first; Cancel leaves the editor as it is.
    void wakeup(const QString& table, bool readOnly);
    void loadCheckStrings();
    // Shows the current row of rows; neither moves nor closes it.
    void fillDataFields(RecordSet& rows);
    // Shows the row whose NUMBER_BOOLEAN (isBoolean) or NUMBER_BOOK is n. Like the steps, it asks
    // about unsaved texts first.
    void gotorecord(int n, bool isBoolean);
    void drawhexagram(int n);
    void fillListbox();
    void goNext();
    void goprevious();
    // True when the row on show holds the texts shown afterwards: nothing changed, or written.
    bool SaveRecordEdit();
    void UpdateCount();

    bool isReadOnly() const { return readOnlyMode; }
    // A field's text differs from the text last shown in it, on a row that can be recorded.
    bool hasUnsavedChange();

private:
    // The eleven edited fields with their snapshots and columns, in the order a save goes through.
    struct EditedField {
        EditField* field;
        QString* snapshot;
        const char* column;
    };
    std::array<EditedField, 11> editedFields();
    // Shows the first row of rows and takes the snapshot. Without a row (rows null after a failed
    // select, or empty) the row sought by `number` is shown missing: see showNoRow.
    void showRow(const std::shared_ptr<RecordSet>& rows, int number, bool isBoolean);
    // Empty fields and figure, only the number sought in its label, "record" disabled.
    void showNoRow(int number, bool isBoolean);
    void step(bool forward);
    // Before the row on show is left: asks about unsaved texts (see EditorRows::mayLeaveRow).
    bool mayLeaveRow();
    // The row on show as the editor's questions name it: "Boolean number 5" or "book number 3".
    QString shownRowName() const;

    qint64 shownRowid = -1;  // the rowid of the row on show; -1 before one is shown
    int shownBook = 0;
    bool readOnlyMode = false;
};
