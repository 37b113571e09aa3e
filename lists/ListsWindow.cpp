#include "lists/ListsWindow.h"

#include "app/AppResources.h"
#include "app/MenuBar1.h"
#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "core/TextTables.h"
#include "core/WindowBounds.h"
#include "display/displayWindow.h"
#include "editors/TRIGRAMINPUT.h"
#include "editors/WdbEditText.h"
#include "lists/TableCommands.h"
#include "lists/TableInputWindow.h"
#include "platform/Dialogs.h"
#include "platform/DragItem.h"
#include "platform/Keyboard.h"
#include "platform/Listbox.h"
#include "platform/SQLDatabase.h"

#include <QMouseEvent>

namespace {

constexpr int BarHeight = 15;
const char* const TrigramWords = "earth,thunder,water,lake,mountain,fire,wind,heaven";

QString twoDigits(qint64 n) { return QString("%1").arg(n, 2, 10, QChar('0')); }

// The word of a trigram number; a number outside 0..7 has none.
QString trigramWord(qint64 t) {
    const QStringList words = QString(TrigramWords).split(',');
    return t >= 0 && t < words.size() ? words[static_cast<int>(t)] : QString();
}

QString recordText(RecordSet& row) {
    QString text = row.Field(TextColumn::ChinaPhonics).StringValue() + CR +
                   row.Field(TextColumn::Description).StringValue() + CR +
                   row.Field(TextColumn::Judgement).StringValue() + CR + CR;
    for (int k = 0; k < 6; ++k)
        text += M_globals::lineOrdinal(k + 1) + " place:  " + row.Field(TextColumn::Lines[k]).StringValue() + CR;
    return text;
}

// The record text of a trigram row: its name, then each of its words under a heading.
QString trigramRecordText(RecordSet& row) {
    QString text = row.Field(TextColumn::Name).StringValue() + CR + CR;
    const char* columns[][2] = {{"attribute", TextColumn::Attribute}, {"family", TextColumn::Family},
                                {"body", TextColumn::Body},           {"animal", TextColumn::Animal},
                                {"direction", TextColumn::Direction}, {"noun", TextColumn::Noun},
                                {"adjective", TextColumn::Adjective}, {"verb", TextColumn::Verb}};
    for (const auto& [label, column] : columns) text += QString(label) + ":  " + row.Field(column).StringValue() + CR;
    return text;
}

// The record text of the row a select of one key in `table` finds; empty when it finds none.
QString foundRecordText(const QString& table, const QString& sql, int key, QString (*text)(RecordSet&)) {
    auto found = M_globals::selectShowingFailure(tableNotRead(table), sql, {key});
    if (!found) return QString();
    found->MoveFirst();
    const QString result = found->isEOF() ? QString() : text(*found);
    found->Close();
    return result;
}

}  // namespace

ListsWindow* ListsWindow::instance() { return windowInstance<ListsWindow>(); }

ListsWindow::ListsWindow() {
    setTitle("Untitled");
    setWidth(530);
    setHeight(364);
    setMinimumContentSize(200, 200);
    setMaximumContentSize(32000, 32000);
    setMaximizeButton(false);

    auto makeList = [this](const char* name, int left, int top, int width, int height, int columns) {
        auto* list = new Listbox(this, name, left, top, width, height, columns);
        return list;
    };
    ListHex = makeList("ListHex", 20, 70, 100, 100, 6);
    ListTri = makeList("ListTri", 199, 70, 100, 100, 6);
    for (Listbox* list : {ListHex, ListTri}) {
        list->setVisible(false);
        list->setEnabled(false);
    }
    EFRecord = new EditField(this, "EFRecord", 34, 270, 153, 31, true);
    EFRecord->setReadOnly(true);
    EFRecord->setBorder(true);
    EFRecord->setScrollbarVertical(true);
    EFRecord->setTextColor(RGB(0, 0, 0));
    EFRecord->setBackColor(RGB(255, 255, 255));
    Lschema = makeList("Lschema", 311, 53, 179, 81, 4);
    Ltable = makeList("Ltable", 322, 146, 156, 68, 1);
    Ltable->setHasHeading(false);
    WindowSplit = new ImageWell(this, "WindowSplit", 0, 230, 530, BarHeight);
    WindowSplit->setFrameStyle(QFrame::Panel | QFrame::Raised);
    WindowSplit->setCursor(Qt::SplitVCursor);
    WindowSplit->onMouseDown = [](int, int) { return true; };
    WindowSplit->installEventFilter(this);

    // The lists' Open handlers.
    ListHex->setHeading(-1, QStringList{"Book", "Name", "Hex", "Above", "Below", "Bool"}.join(QChar(9)));
    ListHex->setColumnsResizable(true);
    ListHex->setTextFont(M_globals::font_text);
    ListHex->setEnableDrag(true);
    ListHex->onDragRow = [this](DragItem& drag, int row) { return ListHex_DragRow(drag, row); };
    ListTri->setHeading(-1, QStringList{"Name", "Tri", "Family", "Body", "Animal", "Bool"}.join(QChar(9)));
    ListTri->setColumnsResizable(true);
    ListTri->setTextFont(M_globals::font_text);
    Lschema->setHeading(-1, QStringList{"name", "type", "is Edible", "creator"}.join(QChar(9)));
    Lschema->setColumnWidths("60%, 10%, 10%, 20%");
    Lschema->setColumnsResizable(false);

    connect(ListHex, &Listbox::CellClick, this, [this](int row, int) { ListHex_CellClick(row); });
    connect(ListTri, &Listbox::CellClick, this, [this](int row, int) { ListTri_CellClick(row); });
    connect(Lschema, &Listbox::CellClick, this, [this](int row, int) { Lschema_CellClick(row); });
}

void ListsWindow::Event_Open() { restoreWindowBounds(*this, PrefsColumn::ListsW); }

void ListsWindow::Event_Close() { storeWindowBounds(*this, PrefsColumn::ListsW); }

void ListsWindow::Event_Activate() { M_globals::checkmenus(1); }

QRect ListsWindow::upperRect() const { return QRect(0, 0, Width(), WindowSplit->Top() - 5); }

// The lower pane reaches the window's bottom: a band below it would read as an empty scroll bar.
QRect ListsWindow::lowerRect() const {
    const int top = WindowSplit->Top() + 20;
    return QRect(0, top, Width(), std::max(0, Height() - top));
}

namespace {
void place(QWidget* control, const QRect& r) { control->setGeometry(r.x(), r.y(), r.width(), std::max(0, r.height())); }
void showAndEnable(QWidget* control, bool on) {
    control->setVisible(on);
    control->setEnabled(on);
}
}  // namespace

void ListsWindow::layOutPanes() {
    place(EFRecord, lowerRect());
    if (Listis == 0) place(ListHex, upperRect());
    else if (Listis == 1) place(ListTri, upperRect());
    else if (Listis == 2) {
        place(Lschema, upperRect());
        place(Ltable, lowerRect());
    }
}

void ListsWindow::redrawAll() {
    Ltable->Refresh(true);
    Lschema->Refresh(true);
    EFRecord->Refresh(true);
    ListHex->Refresh(true);
    ListTri->Refresh(true);
    WindowSplit->Refresh(true);
}

void ListsWindow::WakeUp(int mode, const QString& done) {
    Listis = mode;
    layOutPanes();
    if (mode >= 0 && mode <= 2) {
        static const char* const titles[] = {"Hexagrams: Table = ", "Trigrams: Table = ", "Schema"};
        setTitle(titles[mode] + (mode == 0 ? M_globals::TableHex : mode == 1 ? M_globals::TableTri : QString()));
        showAndEnable(ListHex, mode == 0);
        showAndEnable(ListTri, mode == 1);
        showAndEnable(EFRecord, mode != 2);
        showAndEnable(Lschema, mode == 2);
        showAndEnable(Ltable, mode == 2);
        // The lower pane shows the record of the row last clicked in the list above it.
        if (mode != 2) EFRecord->setText(mode == 0 ? thetextstr : trigramRecord);
    }
    redrawAll();
    if (mode == 0) LoadHexagrams();
    else if (mode == 1) LoadTrigrams();
    else if (mode == 2) LoadSchema(done);
}

void ListsWindow::Event_Resized() {
    WindowSplit->setWidth(Width());
    layOutPanes();
    redrawAll();
}

bool ListsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WindowSplit) {
        if (event->type() == QEvent::MouseMove)
            WindowSplit_MouseDrag(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        else if (event->type() == QEvent::MouseButtonRelease)
            WindowSplit_MouseUp();
    }
    return Window::eventFilter(watched, event);
}

void ListsWindow::WindowSplit_MouseDrag(int y) {
    const int top = WindowSplit->Top() + y;
    if (150 < top && top < Height() - 110) {
        WindowSplit->setTop(top);
        WindowSplit->Refresh(true);
    }
}

void ListsWindow::WindowSplit_MouseUp() {
    layOutPanes();
    redrawAll();
}

void ListsWindow::applyTextFont() {
    ListHex->setTextFont(M_globals::font_text);
    ListTri->setTextFont(M_globals::font_text);
    ListHex->Refresh(true);
    ListTri->Refresh(true);
}

// --- the lists ---

void ListsWindow::LoadHexagrams() {
    ListHex->DeleteAllRows();
    auto rows = M_globals::selectShowingFailure(
        tableNotRead(M_globals::TableHex),
        "select * from " + quoteIdentifier(M_globals::TableHex) + "  ORDER BY " + TextColumn::NumberBook);
    if (!rows) return;
    for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext()) {
        ListHex->AddRow(twoDigits(rows->Field(TextColumn::NumberBook).IntegerValue()));
        const int r = ListHex->LastIndex();
        ListHex->setCell(r, 1, rows->Field(TextColumn::Name).StringValue());
        ListHex->setCellCentred(r, 2);
        ListHex->setCellBold(r, 2, true);
        const qint64 code = rows->Field(TextColumn::NumberBoolean).IntegerValue();
        ListHex->setCell(r, 2, M_globals::getYinYangCharString(static_cast<int>(code)));
        const qint64 above = rows->Field(TextColumn::Above).IntegerValue(),
                     below = rows->Field(TextColumn::Below).IntegerValue();
        ListHex->setCell(r, 3, trigramWord(above));
        ListHex->setCellTag(r, 3, above);
        ListHex->setCell(r, 4, trigramWord(below));
        ListHex->setCellTag(r, 4, below);
        ListHex->setCell(r, 5, twoDigits(code));
    }
    rows->Close();
}

void ListsWindow::LoadTrigrams() {
    ListTri->DeleteAllRows();
    auto rows = M_globals::selectShowingFailure(tableNotRead(M_globals::TableTri),
                                                "select * from " + quoteIdentifier(M_globals::TableTri));
    if (!rows) return;
    for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext()) {
        ListTri->AddRow(rows->Field(TextColumn::Name).StringValue());
        const int r = ListTri->LastIndex();
        ListTri->setCellCentred(r, 1);
        ListTri->setCellBold(r, 1, true);
        const int t = static_cast<int>(rows->Field(TextColumn::NumberBoolean).IntegerValue());
        ListTri->setCell(r, 1, M_globals::getYinYangCharString(t).left(3));
        ListTri->setCell(r, 2, rows->Field(TextColumn::Family).StringValue());
        ListTri->setCell(r, 3, rows->Field(TextColumn::Body).StringValue());
        ListTri->setCell(r, 4, rows->Field(TextColumn::Animal).StringValue());
        ListTri->setCell(r, 5, twoDigits(t));
    }
    rows->Close();
}

void ListsWindow::LoadSchema(const QString& done) {
    Lschema->DeleteAllRows();
    Ltable->DeleteAllRows();
    if (!M_globals::db) return;
    SQLDatabase& db = *M_globals::db;
    const QString notRead = "The list of tables could not be read";
    auto schema = db.TableSchema();
    if (!schema || db.Error()) {
        MsgBox(readFailure(notRead, done));
        return;
    }
    for (schema->MoveFirst(); !schema->isEOF(); schema->MoveNext()) {
        const QString name = schema->IdxField(1).StringValue();
        auto entry = db.SQLSelect("Select * from TheTables where " + catalogueRowCondition(), {name});
        // One failure ends the list, said once.
        if (!entry || db.Error()) {
            MsgBox(readFailure(notRead, done));
            break;
        }
        // A table without a catalogue row is not listed.
        if (entry->isEOF()) continue;
        const qint64 type = entry->Field(CatalogueColumn::TableType).IntegerValue();
        if (type == 0 || type == 1) {
            Lschema->AddRow(name);
            const int r = Lschema->LastIndex();
            Lschema->setCell(r, 1, QString::number(type) + (type == 0 ? " = Hex" : " = Tri"));
            Lschema->setCell(r, 2, entry->Field(CatalogueColumn::IsEdible).BooleanValue() ? "True" : "False");
            Lschema->setCell(r, 3, entry->Field(CatalogueColumn::Creator).StringValue());
        }
        entry->Close();
    }
    schema->Close();
}

void ListsWindow::ListHex_CellClick(int row) {
    // The book cell reads "05"; it is bound as the number it shows.
    thetextstr = foundRecordText(
        M_globals::TableHex,
        "select * from " + quoteIdentifier(M_globals::TableHex) + "  where " + TextColumn::NumberBook + " = ?1",
        ListHex->Cell(row, 0).toInt(), recordText);
    EFRecord->setText(thetextstr);
    EFRecord->Refresh(true);
}

// The trigram row is found by its code, which the last column shows.
void ListsWindow::ListTri_CellClick(int row) {
    trigramRecord = foundRecordText(
        M_globals::TableTri,
        "select * from " + quoteIdentifier(M_globals::TableTri) + " where " + TextColumn::NumberBoolean + " = ?1",
        ListTri->Cell(row, 5).toInt(), trigramRecordText);
    EFRecord->setText(trigramRecord);
    EFRecord->Refresh(true);
}

void ListsWindow::Lschema_CellClick(int row) {
    Ltable->DeleteAllRows();
    if (!M_globals::db) return;
    auto fields = M_globals::db->FieldSchema(Lschema->Cell(row, 0));
    if (!fields || M_globals::db->Error()) {
        MsgBox(readFailure("The columns of the table " + Lschema->Cell(row, 0) + " could not be read"));
        return;
    }
    for (fields->MoveFirst(); !fields->isEOF(); fields->MoveNext()) Ltable->AddRow(fields->Field("ColumnName").StringValue());
    fields->Close();
}

bool ListsWindow::ListHex_DragRow(DragItem& drag, int row) {
    drag.setText(QString::number(ListHex->CellTag(row, 3).toLongLong()) + "," +
                 QString::number(ListHex->CellTag(row, 4).toLongLong()) + "," + ListHex->Cell(row, 5));
    return true;
}

// --- menus ---

void ListsWindow::AddMenuHandlers() {
    AddMenuHandler("DisplayAddtoChain", [this] { return _DisplayAddtoChain_Action(); });
    AddMenuHandler("DisplayEditLastHex", [this] { return _DisplayEditLastHex_Action(); });
    AddMenuHandler("OptionsChainWindow", [this] { return _OptionsChainWindow_Action(); });
    AddMenuHandler("Tablescopy", [this] { return _Tablescopy_Action(); });
    AddMenuHandler("Tablesdelete", [this] { return _Tablesdelete_Action(); });
    AddMenuHandler("Tablesshow", [this] { return _Tablesshow_Action(); });
    AddMenuHandler("Tablesedit", [this] { return _Tablesedit_Action(); });
    AddMenuHandler("TablesUse", [this] { return _TablesUse_Action(); });
    AddMenuHandler("FileHelp", [this] { return _FileHelp_Action(); });
    AddMenuHandler("archiveexport", [this] { return _archiveexport_Action(); });
    AddMenuHandler("archiveimport", [this] { return _archiveimport_Action(); });
}

void ListsWindow::Event_EnableMenuItems() {
    OptionsChainWindow()->setEnabled(true);
    FileHelp()->setEnabled(true);
    const bool hexSelected = Listis == 0 && ListHex->SelCount() > 0;
    DisplayAddtoChain()->setEnabled(hexSelected);
    DisplayEditLastHex()->setEnabled(hexSelected);
    if (Listis == 2 && Lschema->SelCount() > 0) {
        const bool editable = Lschema->Cell(Lschema->ListIndex(), 2) == "True";
        for (MenuItem* item : {TablesUse(), OptionsTables(), Tablescopy(), Tablesarchive(), Tablesshow(),
                               archiveexport(), archiveimport()})
            item->setEnabled(true);
        Tablesdelete()->setEnabled(editable);
        Tablesedit()->setEnabled(editable);
    } else if (Listis >= 0 && Listis <= 2) {
        // The commands read the selected catalogue row: without one they are off, not only
        // their submenu.
        for (MenuItem* item : {OptionsTables(), TablesUse(), Tablescopy(), Tablesarchive(), Tablesshow(),
                               archiveexport(), archiveimport(), Tablesdelete(), Tablesedit()})
            item->setEnabled(false);
    }
}

bool ListsWindow::Event_KeyDown(const QString& key) {
    if (Keyboard::isCommandW(key)) Close();
    return false;
}

void ListsWindow::sendSelectedHexagram(bool addToChain) {
    const int row = ListHex->ListIndex();
    if (Listis != 0 || row < 0) return;
    displayWindow::instance()->newhex(ListHex->Cell(row, 5).toInt(), addToChain);
}

bool ListsWindow::_DisplayAddtoChain_Action() {
    sendSelectedHexagram(true);
    return false;
}

bool ListsWindow::_DisplayEditLastHex_Action() {
    sendSelectedHexagram(false);
    return false;
}

bool ListsWindow::_OptionsChainWindow_Action() {
    showWindow<displayWindow>();
    return false;
}

bool ListsWindow::_FileHelp_Action() {
    showHelp("Database Lists Window Help", LISTWINDOWSHELP());
    return false;
}

// --- the Tables commands ---

bool ListsWindow::selectedTable(QString& name, int& kind) const {
    const int row = Lschema->ListIndex();
    if (Listis != 2 || row < 0) return false;
    name = Lschema->Cell(row, 0);
    kind = Lschema->Cell(row, 1).left(1).toInt();
    return true;
}

bool ListsWindow::_Tablescopy_Action() {
    QString name;
    int kind = -1;
    if (!selectedTable(name, kind) || (kind != 0 && kind != 1)) return false;
    if (!mayWriteDatabase(tableNotCopied(name))) return false;
    showWindow<TableInputWindow>([&](TableInputWindow& dialog) { dialog.wakeup(kind, name); });
    return false;
}

// The two editors take their flag in opposite senses: the hexagram-text editor's says "view only",
// the trigram editor's "editable". The editor comes to the front, also when it was open already.
void ListsWindow::showEditor(const QString& name, int kind, bool editable) {
    if (kind == 0) showWindow<WdbEditText>([&](WdbEditText& editor) { editor.wakeup(name, !editable); });
    else if (kind == 1) showWindow<TRIGRAMINPUT>([&](TRIGRAMINPUT& editor) { editor.wakeup(name, editable); });
}

bool ListsWindow::_Tablesshow_Action() {
    QString name;
    int kind = -1;
    if (selectedTable(name, kind)) showEditor(name, kind, false);
    return false;
}

bool ListsWindow::_Tablesedit_Action() {
    QString name;
    int kind = -1;
    if (selectedTable(name, kind)) showEditor(name, kind, true);
    return false;
}

bool ListsWindow::_TablesUse_Action() {
    QString name;
    int kind = -1;
    if (!selectedTable(name, kind)) return false;
    // Only a complete table is put in use: a gap would show another table's texts, or none.
    const QString gaps = textTableGaps(kind, name);
    if (!gaps.isEmpty()) {
        MsgBox(gaps);
        return false;
    }
    if (kind == 0) M_globals::TableHex = name;
    else if (kind == 1) {
        M_globals::TableTri = name;
        M_globals::loadtritable(name);
    }
    M_globals::updatewindows();
    return false;
}

bool ListsWindow::_Tablesdelete_Action() {
    const int row = Lschema->ListIndex();
    if (Listis != 2 || row < 0 || Lschema->Cell(row, 2) == "False") return false;
    const QString name = Lschema->Cell(row, 0);
    // The default tables are what every start and every switch of file falls back on. Names
    // compare as the engine compares them, so no spelling of a table in use lets it be dropped.
    const bool isDefault = isDefaultTable(name);
    if (isDefault || sameTableName(name, M_globals::TableTri) || sameTableName(name, M_globals::TableHex)) {
        MessageDialog inUse;
        inUse.Icon = 0;
        inUse.Message = "The table " + name + (isDefault ? " is a default table," : " is in use,");
        inUse.Explanation = isDefault ? "It can not be deleted." : "Use another table if you want to delete this one.";
        inUse.ActionButtonCaption = "OK";
        ShowModal(inUse);
        return false;
    }
    if (!mayWriteDatabase(tableNotDeleted(name))) return false;
    MessageDialog confirm;
    confirm.Icon = 1;
    confirm.Message = "Delete this table: " + name;
    confirm.Explanation = "It can not be recovered.";
    confirm.ActionButtonCaption = "Delete";
    confirm.CancelButtonVisible = true;
    confirm.CancelButtonCaption = "cancel";
    QString done;
    if (ShowModal(confirm) == DialogButton::Action) {
        const QString failure = dropTextTable(name);
        if (!failure.isEmpty()) {
            // Nothing changed: the list still shows the file.
            MsgBox(failure);
            return false;
        }
        done = "The table \"" + name + "\" was deleted";
    }
    WakeUp(2, done);
    return false;
}

bool ListsWindow::_archiveexport_Action() {
    MsgBox("Feature not coded yet.");
    return false;
}

bool ListsWindow::_archiveimport_Action() {
    MsgBox("Feature not coded yet.");
    return false;
}
