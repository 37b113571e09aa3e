#include "editors/EditorRows.h"

#include "core/FixedTableColumns.h"
#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "platform/Dialogs.h"
#include "platform/Graphics.h"

namespace EditorRows {

namespace {

QString notSaved(const QString& row, const QString& table) {
    return "The changes to " + row + " of the table " + table + " were not saved";
}

std::shared_ptr<RecordSet> selectByRowid(const QString& table, qint64 rowid, const QString& notRead) {
    return M_globals::selectShowingFailure(
        notRead, "SELECT rowid AS rowid, * FROM " + quoteIdentifier(table) + " WHERE rowid=?1", {rowid});
}

}  // namespace

std::shared_ptr<RecordSet> selectByNumber(const QString& table, const QString& column, qint64 number) {
    return M_globals::selectShowingFailure(
        tableNotRead(table),
        "SELECT rowid AS rowid, * FROM " + quoteIdentifier(table) + " WHERE " + quoteIdentifier(column) + "=?1", {number});
}

std::shared_ptr<RecordSet> selectByRowid(const QString& table, qint64 rowid) {
    return selectByRowid(table, rowid, tableNotRead(table));
}

std::shared_ptr<RecordSet> editRowById(const QString& table, qint64 rowid, const QString& row) {
    std::shared_ptr<RecordSet> rows = selectByRowid(table, rowid, notSaved(row, table));
    if (!rows) return nullptr;
    rows->MoveFirst();
    if (rows->isEOF()) {
        showRecordGone();
        return nullptr;
    }
    rows->Edit();
    return rows;
}

bool writeEditedRow(RecordSet& rows, const QString& row, const QString& table) {
    if (rows.Update() && M_globals::db->Commit()) return true;
    MsgBox(databaseFailure(notSaved(row, table)));
    return false;
}

bool mayWriteRow(const QString& row, const QString& table) { return mayWriteDatabase(notSaved(row, table)); }

bool catalogueAllowsEditing(const QString& table) {
    if (!M_globals::db) return false;
    const QString isEdible = CatalogueColumn::IsEdible;
    std::shared_ptr<RecordSet> rows =
        M_globals::db->SQLSelect("SELECT " + isEdible + " FROM TheTables WHERE " + catalogueRowCondition(), {table});
    return rows && !rows->isEOF() && rows->Field(isEdible).BooleanValue();
}

void drawLineBar(Graphics& g, bool whole, int top) {
    if (whole) {
        g.DrawRect(10, top, 60, 3);
    } else {
        g.DrawRect(10, top, 20, 3);
        g.DrawRect(50, top, 20, 3);
    }
}

void showBlankFieldRefusal() {
    MessageDialog refusal;
    refusal.Icon = 0;
    refusal.Message = "Record has a blank field, can not save.";
    refusal.Explanation = "Tables are required to have all record values filled for use.";
    ShowModal(refusal);
}

void showRecordSaved() {
    MessageDialog saved;
    saved.Icon = 0;
    saved.Message = "Record has been saved.";
    saved.Explanation = " ";
    ShowModal(saved);
}

void showRecordGone() { MsgBox("The record is no longer in the table, can not save."); }

bool mayLeaveRow(bool unsaved, const QString& row, const QString& table, const std::function<bool()>& save) {
    if (!unsaved) return true;
    MessageDialog question;
    question.Icon = 1;
    question.Message = "Do you want to save the changes to " + row + " of the table " + table + "?";
    question.Explanation = "Your changes will be lost if you don't save them.";
    question.ActionButtonCaption = "Save";
    question.AlternateActionButtonVisible = true;
    question.AlternateActionButtonCaption = "Don't Save";
    question.CancelButtonVisible = true;
    question.CancelButtonCaption = "Cancel";
    switch (ShowModal(question)) {
    case DialogButton::Action: return save();
    case DialogButton::AlternateAction: return true;
    case DialogButton::Cancel: return false;
    }
    return false;
}

int stepNumber(int number, int first, int last, bool forward) {
    if (forward) return number == last ? first : number + 1;
    return number == first ? last : number - 1;
}

}  // namespace EditorRows
