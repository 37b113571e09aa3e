#include "editors/WdbEditText.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "editors/EditorRows.h"
#include "editors/GotoHexWindow.h"
#include "platform/Dialogs.h"
#include "platform/Keyboard.h"
#include "platform/SQLDatabase.h"

#include <QHeaderView>

namespace {

// The column a numbering finds rows by: the hexagram code in Boolean numbering, else the book number.
const char* numberColumn(bool isBoolean) { return isBoolean ? TextColumn::NumberBoolean : TextColumn::NumberBook; }

EditField* textField(WdbEditText* window, const char* name, int left, int top, int width, int height) {
    EditField* field = new EditField(window, name, left, top, width, height, true);
    field->setBorder(true);
    field->setScrollbarVertical(true);
    return field;
}

EditField* lineField(WdbEditText* window, const char* name, int left, int top, int width, int maxLength) {
    EditField* field = new EditField(window, name, left, top, width, 22, false);
    field->setBorder(true);
    field->setLimitText(maxLength);
    return field;
}

}  // namespace

WdbEditText* WdbEditText::instance() { return windowInstance<WdbEditText>(); }

WdbEditText::WdbEditText() {
    setTitle("TABLE TableName: EDIT HEX");
    setWidth(879);
    setHeight(552);
    setResizeable(false);
    setMaximizeButton(false);

    STBool = new StaticText(this, "STBool", 8, 95, 91, 20, "Boolean = 55,");
    EFname = lineField(this, "EFname", 71, 130, 310, 28);
    EFname->setText("ONEFUZTMQWPREWTREWERTREWERTY");
    struct Label {
        int index, left, top, width;
        QString text;
    };
    using M_globals::lineOrdinal;
    const Label labels[] = {{1, 17, 131, 52, "Name:"},         {2, 8, 195, 82, "description:"},
                            {3, 8, 348, 82, "judgement:"},     {10, 834, 35, 25, lineOrdinal(6)},
                            {9, 834, 106, 25, lineOrdinal(5)}, {8, 834, 180, 25, lineOrdinal(4)},
                            {7, 834, 256, 25, lineOrdinal(3)}, {6, 834, 332, 25, lineOrdinal(2)},
                            {5, 834, 408, 25, lineOrdinal(1)}, {4, 834, 484, 25, "all"},
                            {0, 17, 164, 82, "short name:"}};
    for (const Label& l : labels) {
        StaticText1[l.index] = new StaticText(this, "StaticText1", l.left, l.top, l.width, 20, l.text);
        StaticText1[l.index]->setIndex(l.index);
    }
    STchina = new StaticText(this, "STchina", 358, 67, 80, 15, "Hsiao Ch' u");
    STchina->setTextSize(10);
    STchina->setTextAlign(2);
    STBook = new StaticText(this, "STBook", 105, 95, 77, 20, "book = 64,");
    efdescription = textField(this, "efdescription", 0, 220, 420, 118);
    efjudgement = textField(this, "efjudgement", 0, 371, 420, 118);
    STAbove = new StaticText(this, "STAbove", 183, 95, 71, 20, "above = 7,");
    STBelow = new StaticText(this, "STBelow", 260, 95, 74, 20, "below = 5.");
    ef6th = textField(this, "ef6th", 455, 2, 373, 72);
    ef5th = textField(this, "ef5th", 455, 78, 373, 72);
    ef4th = textField(this, "ef4th", 455, 154, 373, 72);
    ef3rd = textField(this, "ef3rd", 455, 230, 373, 72);
    ef2nd = textField(this, "ef2nd", 455, 306, 373, 72);
    ef1st = textField(this, "ef1st", 455, 382, 373, 72);
    Canvas1 = new Canvas(this, "Canvas1", 358, 6, 80, 60);
    connect(Canvas1, &Canvas::Paint, this, [this](Graphics& g) {
        if (hexpic) g.DrawPicture(*hexpic, 0, 0);
    });
    efall = textField(this, "efall", 455, 460, 373, 72);
    efshort = lineField(this, "efshort", 109, 163, 134, 12);
    efshort->setText("PTERQXEZOMMM");

    // The names, with each row's code in a hidden second column.
    ListOfHex = new Listbox(this, "ListOfHex", 0, 0, 340, 90, 2);
    ListOfHex->setHasHeading(false);
    ListOfHex->setColumnWidths("100%,0%");
    ListOfHex->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(ListOfHex, &Listbox::DoubleClick, this, [this] { ListOfHex_DoubleClick(); });

    PBnext = new PushButton(this, "PBnext", 340, 501, 80, 20, "next");
    PBrecord = new PushButton(this, "PBrecord", 147, 501, 80, 20, "record");
    PBprevious = new PushButton(this, "PBprevious", 248, 501, 80, 20, "previous");
    PushButton1 = new PushButton(this, "PushButton1", 24, 500, 80, 20, "close");
    connect(PBnext, &PushButton::Action, this, &WdbEditText::PBnext_Action);
    connect(PBrecord, &PushButton::Action, this, &WdbEditText::PBrecord_Action);
    connect(PBprevious, &PushButton::Action, this, &WdbEditText::PBprevious_Action);
    connect(PushButton1, &PushButton::Action, this, &WdbEditText::PushButton1_Action);

    applyTextFont();
}

std::array<WdbEditText::EditedField, 11> WdbEditText::editedFields() {
    return {{{ef1st, &firstSTR, TextColumn::First},
             {efshort, &ashortname, TextColumn::ShortName},
             {ef2nd, &secondSTR, TextColumn::Second},
             {EFname, &adefaultname, TextColumn::Name},
             {ef3rd, &thirdstr, TextColumn::Third},
             {ef4th, &fourthSTR, TextColumn::Fourth},
             {ef5th, &fifthSTR, TextColumn::Fifth},
             {ef6th, &sixthSTR, TextColumn::Sixth},
             {efdescription, &descriptionSTR, TextColumn::Description},
             {efjudgement, &judgementSTR, TextColumn::Judgement},
             {efall, &allninesSTR, TextColumn::AllNines}}};
}

void WdbEditText::applyTextFont() {
    for (EditField* field : {EFname, efshort, efdescription, efjudgement, efall, ef1st, ef2nd, ef3rd, ef4th, ef5th, ef6th})
        field->setTextFont(M_globals::font_text);
}

void WdbEditText::Event_Open() { hexpic = NewPicture(Canvas1->Width(), Canvas1->Height(), 16); }

void WdbEditText::Event_Close() {
    // The go-to dialog works on this editor only; it goes with it.
    if (GotoHexWindow* dialog = findWindow<GotoHexWindow>()) dialog->Close();
}

void WdbEditText::Event_Activate() { M_globals::checkmenus(4); }

void WdbEditText::AddMenuHandlers() {
    AddMenuHandler("UseNumberBook", [this] { return _UseNumberBook_Action(); });
    AddMenuHandler("UseNumberBoolean", [this] { return _UseNumberBoolean_Action(); });
    AddMenuHandler("dbeditOptionsGotoRecord", [this] { return _dbeditOptionsGotoRecord_Action(); });
    AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); });
}

void WdbEditText::Event_EnableMenuItems() {
    UseNumberBook()->setEnabled(true);
    UseNumberBoolean()->setEnabled(true);
    FileHelp()->setEnabled(true);
}

bool WdbEditText::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

bool WdbEditText::_FileHelp_Action() {
    showHelp("DataBase Hexagram Records Help", WDBEDITTEXTHELP());
    return false;
}

bool WdbEditText::_UseNumberBook_Action() {
    const bool book = !UseNumberBook()->Checked();
    UseNumberBook()->setChecked(book);
    UseNumberBoolean()->setChecked(!book);
    UpdateCount();
    return false;
}

bool WdbEditText::_UseNumberBoolean_Action() {
    const bool boolean = !UseNumberBoolean()->Checked();
    UseNumberBoolean()->setChecked(boolean);
    UseNumberBook()->setChecked(!boolean);
    UpdateCount();
    return false;
}

void WdbEditText::UpdateCount() {
    // The shown row's numbers are known from its display; no row need be read again.
    UsingbooleanNumber = !UseNumberBook()->Checked();
    my_count = UsingbooleanNumber ? my_boolean : shownBook;
}

bool WdbEditText::_dbeditOptionsGotoRecord_Action() {
    showWindow<GotoHexWindow>([this](GotoHexWindow& dialog) { dialog.wakeup(!UsingbooleanNumber, -1); });
    return false;
}

void WdbEditText::ListOfHex_DoubleClick() {
    if (!Keyboard::AsyncCommandKey()) return;
    const int row = ListOfHex->ListIndex();
    if (row < 0) return;
    const int number = ListOfHex->Cell(row, 1).toInt();
    showWindow<GotoHexWindow>([number](GotoHexWindow& dialog) { dialog.wakeup(false, number); });
}

void WdbEditText::wakeup(const QString& table, bool readOnly) {
    if (!mayLeaveRow()) return;
    UseNumberBook()->setChecked(true);
    UseNumberBoolean()->setChecked(false);
    UsingbooleanNumber = false;
    // A table the catalogue keeps from editing is shown, never changed.
    readOnlyMode = readOnly || !EditorRows::catalogueAllowsEditing(table);
    for (EditField* field : {ef1st, ef2nd, ef3rd, ef4th, ef5th, ef6th, efdescription, efjudgement, EFname, efshort, efall})
        field->setReadOnly(readOnlyMode);
    PBrecord->setEnabled(!readOnlyMode);
    PBrecord->setVisible(!readOnlyMode);
    my_table = table;
    ListTable = "ENGLISH_DEFAULT";
    fillListbox();
    hexpic = NewPicture(Canvas1->Width(), Canvas1->Height(), 16);
    my_count = 1;
    shownRowid = -1;
    showRow(EditorRows::selectByNumber(my_table, TextColumn::NumberBook, my_count), my_count, false);
}

void WdbEditText::fillListbox() {
    std::shared_ptr<RecordSet> rows =
        M_globals::db
            ? M_globals::db->SQLSelect("SELECT * FROM " + quoteIdentifier(ListTable) + " ORDER BY " + TextColumn::Name)
            : nullptr;
    if (!rows || M_globals::db->Error()) {
        MsgBox(M_globals::db ? readFailure(tableNotRead(ListTable)) : QString("No database connection!"));
        return;
    }
    ListOfHex->DeleteAllRows();
    for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext()) {
        ListOfHex->AddRow(rows->Field(TextColumn::Name).StringValue());
        ListOfHex->setCell(ListOfHex->LastIndex(), 1,
                           QString::number(rows->Field(TextColumn::NumberBoolean).IntegerValue()));
    }
    rows->Close();
}

void WdbEditText::showRow(const std::shared_ptr<RecordSet>& rows, int number, bool isBoolean) {
    if (rows) rows->MoveFirst();
    if (rows && !rows->isEOF()) {
        fillDataFields(*rows);
        rows->Close();
        PBrecord->setEnabled(!readOnlyMode);
    } else {
        showNoRow(number, isBoolean);
        // A failed select has shown the engine's message already.
        if (rows)
            MsgBox("The table " + my_table + " has no row for " + (isBoolean ? "Boolean number " : "book number ") +
                   QString::number(number) + ".");
    }
    loadCheckStrings();
}

void WdbEditText::showNoRow(int number, bool isBoolean) {
    // Nothing of the row shown before stays on show, and nothing can be recorded.
    setTitle("TABLE " + my_table + ", EDIT HEX: ");
    shownRowid = -1;
    if (isBoolean) my_boolean = number;
    else shownBook = number;
    if (isBoolean == UsingbooleanNumber) my_count = number;
    STBool->setText(isBoolean ? "Boolean = " + QString::number(number) + "," : QString());
    STBook->setText(isBoolean ? QString() : "book = " + QString::number(number) + ",");
    for (StaticText* label : {STAbove, STBelow, STchina}) label->setText("");
    for (const EditedField& edited : editedFields()) edited.field->setText("");
    if (hexpic) hexpic->graphics()->ClearRect(0, 0, hexpic->Width(), hexpic->Height());
    Canvas1->Refresh(true);
    PBrecord->setEnabled(false);
}

void WdbEditText::fillDataFields(RecordSet& rows) {
    setTitle("TABLE " + my_table + ", EDIT HEX: " + rows.Field(TextColumn::Name).StringValue());
    my_boolean = static_cast<int>(rows.Field(TextColumn::NumberBoolean).IntegerValue());
    shownBook = static_cast<int>(rows.Field(TextColumn::NumberBook).IntegerValue());
    shownRowid = rows.Field("rowid").IntegerValue();
    my_count = UsingbooleanNumber ? my_boolean : shownBook;
    STBool->setText("Boolean = " + QString::number(my_boolean) + ",");
    STBook->setText("book = " + QString::number(shownBook) + ",");
    STAbove->setText("above = " + QString::number(rows.Field(TextColumn::Above).IntegerValue()) + ",");
    STBelow->setText("below = " + QString::number(rows.Field(TextColumn::Below).IntegerValue()) + ".");
    STchina->setText(rows.Field(TextColumn::ChinaPhonics).StringValue());
    for (const EditedField& edited : editedFields()) edited.field->setText(rows.Field(edited.column).StringValue());
    drawhexagram(my_boolean);
}

void WdbEditText::loadCheckStrings() {
    for (const EditedField& edited : editedFields()) *edited.snapshot = edited.field->Text();
}

void WdbEditText::drawhexagram(int n) {
    if (!hexpic) hexpic = NewPicture(Canvas1->Width(), Canvas1->Height(), 16);
    Graphics& g = *hexpic->graphics();
    g.ClearRect(0, 0, hexpic->Width(), hexpic->Height());
    // Line 6 at the top, 6 pixels apart; the upper trigram in magenta, the lower in cyan.
    for (int line = 6; line >= 1; --line) {
        g.ForeColor = line > 3 ? RGB(255, 0, 255) : RGB(0, 255, 255);
        EditorRows::drawLineBar(g, (n >> (line - 1)) & 1, 10 + (6 - line) * 6);
    }
    Canvas1->Refresh(true);
}

void WdbEditText::goNext() { step(true); }

void WdbEditText::goprevious() { step(false); }

void WdbEditText::step(bool forward) {
    if (!mayLeaveRow()) return;
    const int first = UsingbooleanNumber ? 0 : 1;
    const int last = UsingbooleanNumber ? 63 : 64;
    my_count = EditorRows::stepNumber(my_count, first, last, forward);
    // A number the table has no row for is shown empty; the next step goes on from it.
    showRow(EditorRows::selectByNumber(my_table, numberColumn(UsingbooleanNumber), my_count), my_count,
            UsingbooleanNumber);
}

void WdbEditText::gotorecord(int n, bool isBoolean) {
    if (!mayLeaveRow()) return;
    showRow(EditorRows::selectByNumber(my_table, numberColumn(isBoolean), n), n, isBoolean);
}

bool WdbEditText::hasUnsavedChange() {
    if (readOnlyMode || shownRowid < 0) return false;
    for (const EditedField& edited : editedFields())
        if (edited.field->Text() != *edited.snapshot) return true;
    return false;
}

QString WdbEditText::shownRowName() const {
    return UsingbooleanNumber ? "Boolean number " + QString::number(my_boolean) : "book number " + QString::number(shownBook);
}

bool WdbEditText::mayLeaveRow() {
    return EditorRows::mayLeaveRow(hasUnsavedChange(), shownRowName(), my_table, [this] { return SaveRecordEdit(); });
}

bool WdbEditText::SaveRecordEdit() {
    if (readOnlyMode || shownRowid < 0) return false;
    if (!EditorRows::mayWriteRow(shownRowName(), my_table)) return false;
    // The row on show, by its rowid: the save never reaches another row.
    std::shared_ptr<RecordSet> rows = EditorRows::editRowById(my_table, shownRowid, shownRowName());
    if (!rows) return false;
    bool changed = false, blank = false;
    for (const EditedField& edited : editedFields()) {
        QString text = edited.field->Text();
        if (text == *edited.snapshot) continue;
        if (M_globals::DoesStringHaveText(text)) {
            rows->Field(edited.column).setStringValue(text);
            changed = true;
        } else {
            blank = true;
        }
        edited.field->setText(text);
    }
    if (blank) {
        rows->Close();
        EditorRows::showBlankFieldRefusal();
        return false;
    }
    if (changed) {
        if (!EditorRows::writeEditedRow(*rows, shownRowName(), my_table)) return false;
        EditorRows::showRecordSaved();
    }
    rows->Close();
    showRow(EditorRows::selectByRowid(my_table, shownRowid), my_count, UsingbooleanNumber);
    return true;
}
