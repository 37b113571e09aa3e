#pragma once
// What the two table editors share: reading one row of a text table by a number column, the
// catalogue's word on whether a table may be changed, and the bars of their figures.
#include "platform/SQLDatabase.h"

#include <QString>
#include <functional>
#include <memory>

class Graphics;

namespace EditorRows {

// The rows of `table` whose `column` equals `number`, with their rowid (column "rowid"); nullptr
// when the select fails, after its message was shown.
std::shared_ptr<RecordSet> selectByNumber(const QString& table, const QString& column, qint64 number);
// The row of `table` with this rowid, as above.
std::shared_ptr<RecordSet> selectByRowid(const QString& table, qint64 rowid);

// For a save of the row on show (e.g. "book number 3") of `table`: the row with this rowid, put in
// edit; nullptr when the select fails (its message, that the changes were not saved, shown) or the
// row has gone (showRecordGone shown).
std::shared_ptr<RecordSet> editRowById(const QString& table, qint64 rowid, const QString& row);
// Stores the edited row, `row` of `table` as for editRowById, and commits; on failure shows its
// message and answers False.
bool writeEditedRow(RecordSet& rows, const QString& row, const QString& table);
// Before a save of the row on show (e.g. "book number 3") of `table`: False, after saying that its
// changes were not saved, when the file can only be read.
bool mayWriteRow(const QString& row, const QString& table);

// True when the catalogue TheTables lists the table as editable (isEdible).
bool catalogueAllowsEditing(const QString& table);

// One line of a figure: an outlined bar 60 wide and 3 high at (10, top) when whole, two bars 20
// wide at x 10 and 50 when broken, in the graphics' colour.
void drawLineBar(Graphics& g, bool whole, int top);

// The editors' notes after "record": a blank field refused the save, or the record was saved.
void showBlankFieldRefusal();
void showRecordSaved();
// The row on show has gone from its table (dropped or changed elsewhere): nothing is saved.
void showRecordGone();

// Before the row on show is left, or its window closed, while its texts differ from those shown:
// the question Save / Don't Save / Cancel, naming the row (e.g. "book number 3") and the table.
// True when the row may be left: nothing unsaved, Don't Save, or Save and `save` answered that it
// wrote the row; False on Cancel or on a save that wrote nothing, the typed texts then kept.
bool mayLeaveRow(bool unsaved, const QString& row, const QString& table, const std::function<bool()>& save);

// The next and the previous number within first..last, wrapping round at the ends.
int stepNumber(int number, int first, int last, bool forward);

}  // namespace EditorRows
