#include "editors/TRIGRAMINPUT.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "core/M_globals.h"
#include "core/TextTableColumns.h"
#include "editors/EditorRows.h"
#include "platform/Dialogs.h"
#include "platform/Keyboard.h"
#include "platform/SQLDatabase.h"

namespace {

// The columns of EFtri(0) to EFtri(8): verb comes before adjective.
const char* const Columns[9] = {TextColumn::Name, TextColumn::Attribute, TextColumn::Animal,
                                TextColumn::Body, TextColumn::Family,    TextColumn::Direction,
                                TextColumn::Noun, TextColumn::Verb,      TextColumn::Adjective};

}  // namespace

TRIGRAMINPUT* TRIGRAMINPUT::instance() { return windowInstance<TRIGRAMINPUT>(); }

TRIGRAMINPUT::TRIGRAMINPUT() {
    setTitle("Trigram");
    setWidth(420);
    setHeight(403);
    setResizeable(false);
    setMaximizeButton(false);

    StaticText1 = new StaticText(this, "StaticText1", 11, 14, 100, 20, "NUMBER = ");
    struct Place {
        int labelLeft, labelWidth, fieldLeft, fieldTop, fieldWidth;
    };
    const Place places[9] = {{11, 80, 115, 46, 250},  {11, 80, 115, 78, 250},  {11, 80, 115, 110, 250},
                             {11, 80, 115, 141, 250}, {11, 80, 115, 174, 250}, {11, 80, 115, 206, 250},
                             {31, 63, 134, 249, 217}, {31, 63, 134, 283, 217}, {31, 70, 134, 315, 217}};
    const int labelTops[9] = {46, 78, 110, 142, 174, 206, 249, 283, 315};
    for (int i = 0; i < 9; ++i) {
        const Place& p = places[i];
        labels[i + 1] = new StaticText(this, QString("StaticText%1").arg(i + 2), p.labelLeft, labelTops[i], p.labelWidth, 20, Columns[i]);
        EFtri[i] = new EditField(this, "EFtri", p.fieldLeft, p.fieldTop, p.fieldWidth, 22, false);
        EFtri[i]->setIndex(i);
        EFtri[i]->setBorder(true);
    }
    labels[0] = StaticText1;
    PushButton1 = new PushButton(this, "PushButton1", 170, 363, 80, 20, "RECORD");
    PushButton2 = new PushButton(this, "PushButton2", 285, 363, 80, 20, "NEXT");
    PushButton3 = new PushButton(this, "PushButton3", 67, 363, 80, 20, "close");
    connect(PushButton1, &PushButton::Action, this, &TRIGRAMINPUT::PushButton1_Action);
    connect(PushButton2, &PushButton::Action, this, &TRIGRAMINPUT::PushButton2_Action);
    connect(PushButton3, &PushButton::Action, this, &TRIGRAMINPUT::PushButton3_Action);
    Canvas1 = new Canvas(this, "Canvas1", 178, 0, 80, 34);
    connect(Canvas1, &Canvas::Paint, this, [this](Graphics& g) {
        if (tripic) g.DrawPicture(*tripic, 0, 0);
    });
    applyTextFont();
}

void TRIGRAMINPUT::applyTextFont() {
    for (EditField* field : EFtri) field->setTextFont(M_globals::font_text);
}

void TRIGRAMINPUT::Event_Open() { tripic = NewPicture(Canvas1->Width(), Canvas1->Height(), 16); }

void TRIGRAMINPUT::AddMenuHandlers() { AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); }); }

void TRIGRAMINPUT::Event_EnableMenuItems() { FileHelp()->setEnabled(true); }

bool TRIGRAMINPUT::_FileHelp_Action() {
    showHelp("DataBase Trigram Records Help", TRIGRAMINPUTHELP());
    return false;
}

bool TRIGRAMINPUT::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void TRIGRAMINPUT::wakeup(const QString& table, bool edit) {
    if (!mayLeaveRow()) return;
    // A table the catalogue keeps from editing is shown, never changed.
    isanedit = edit && EditorRows::catalogueAllowsEditing(table);
    PushButton1->setEnabled(isanedit);
    PushButton1->setVisible(isanedit);
    my_table = table;
    setTitle("Trigrams: Table = " + my_table);
    for (EditField* field : EFtri) field->setReadOnly(!isanedit);
    RECORDNUMBER = 0;
    showRow();
}

void TRIGRAMINPUT::showRow() {
    std::shared_ptr<RecordSet> rows = EditorRows::selectByNumber(my_table, TextColumn::NumberBoolean, RECORDNUMBER);
    if (rows) rows->MoveFirst();
    if (rows && !rows->isEOF()) {
        StaticText1->setText("NUMBER = " + QString::number(rows->Field(TextColumn::NumberBoolean).IntegerValue()));
        for (int i = 0; i < 9; ++i) EFtri[i]->setText(rows->Field(Columns[i]).StringValue());
        shownRowid = rows->Field("rowid").IntegerValue();
        rows->Close();
        drawtrigram(RECORDNUMBER);
        PushButton1->setEnabled(isanedit);
    } else {
        // Nothing of the row shown before stays on show, and nothing can be recorded.
        shownRowid = -1;
        StaticText1->setText("NUMBER = " + QString::number(RECORDNUMBER));
        for (EditField* field : EFtri) field->setText("");
        if (tripic) tripic->graphics()->ClearRect(0, 0, tripic->Width(), tripic->Height());
        Canvas1->Refresh(true);
        PushButton1->setEnabled(false);
        // A failed select has shown the engine's message already.
        if (rows) MsgBox("The table " + my_table + " has no row for trigram number " + QString::number(RECORDNUMBER) + ".");
    }
    takeSnapshot();
}

void TRIGRAMINPUT::takeSnapshot() {
    for (int i = 0; i < 9; ++i) shownTexts[static_cast<size_t>(i)] = EFtri[i]->Text();
}

bool TRIGRAMINPUT::hasUnsavedChange() const {
    if (!isanedit || shownRowid < 0) return false;
    for (int i = 0; i < 9; ++i)
        if (EFtri[i]->Text() != shownTexts[static_cast<size_t>(i)]) return true;
    return false;
}

bool TRIGRAMINPUT::mayLeaveRow() {
    return EditorRows::mayLeaveRow(hasUnsavedChange(), shownRowName(), my_table, [this] { return saveRow(); });
}

void TRIGRAMINPUT::PushButton2_Action() {
    if (!mayLeaveRow()) return;
    RECORDNUMBER = RECORDNUMBER + 1 > 7 ? 0 : RECORDNUMBER + 1;
    showRow();
}

bool TRIGRAMINPUT::saveRow() {
    if (!isanedit) return false;
    if (!EditorRows::mayWriteRow(shownRowName(), my_table)) return false;
    bool blank = false;
    for (EditField* field : EFtri) {
        QString text = field->Text();
        if (!M_globals::DoesStringHaveText(text)) blank = true;
        field->setText(text);
        field->Refresh(true);
    }
    if (blank) {
        EditorRows::showBlankFieldRefusal();
        return false;
    }
    if (shownRowid < 0) {
        EditorRows::showRecordGone();
        return false;
    }
    std::shared_ptr<RecordSet> rows = EditorRows::editRowById(my_table, shownRowid, shownRowName());
    if (!rows) return false;
    for (int i = 0; i < 9; ++i) rows->Field(Columns[i]).setStringValue(EFtri[i]->Text());
    const bool written = EditorRows::writeEditedRow(*rows, shownRowName(), my_table);
    rows->Close();
    if (!written) return false;
    takeSnapshot();
    EditorRows::showRecordSaved();
    return true;
}

void TRIGRAMINPUT::drawtrigram(int n) {
    tripic = NewPicture(Canvas1->Width(), Canvas1->Height(), 16);
    Graphics& g = *tripic->graphics();
    g.ClearRect(0, 0, tripic->Width(), tripic->Height());
    g.ForeColor = RGB(50, 50, 5);
    for (int line = 3; line >= 1; --line) EditorRows::drawLineBar(g, (n >> (line - 1)) & 1, 10 + (3 - line) * 6);
    Canvas1->Refresh(true);
}
