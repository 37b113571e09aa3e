#include "core/TextTables.h"

#include "core/M_globals.h"
#include "core/ReadOnlyDatabase.h"
#include "core/TextTableColumns.h"
#include "platform/SQLDatabase.h"

#include <set>

namespace {

// "codes 2 to 7, 9" for the codes 2 to 7 and 9; "code 5" for 5 alone.
QString codeRanges(const std::vector<int>& codes) {
    QStringList parts;
    for (size_t i = 0; i < codes.size();) {
        size_t j = i;
        while (j + 1 < codes.size() && codes[j + 1] == codes[j] + 1) ++j;
        parts << (i == j ? QString::number(codes[i]) : QString("%1 to %2").arg(codes[i]).arg(codes[j]));
        i = j + 1;
    }
    return (codes.size() == 1 ? "code " : "codes ") + parts.join(", ");
}

}  // namespace

int textTableLastCode(int kind) { return kind == 0 ? 63 : 7; }

QStringList missingColumns(RecordSet& columns, const QStringList& wanted) {
    QStringList missing = wanted;
    for (columns.MoveFirst(); !columns.isEOF(); columns.MoveNext()) {
        const QString name = columns.Field("ColumnName").StringValue();
        missing.removeIf([&](const QString& column) { return column.compare(name, Qt::CaseInsensitive) == 0; });
    }
    return missing;
}

QStringList missingTextTableColumns(RecordSet& columns, int kind) {
    return missingColumns(columns, textTableIntegerColumns(kind) + textTableTextColumns(kind));
}

QString missingColumnsNote(const QStringList& columns) { return "It has no column " + columns.join(", ") + "."; }

QString incompleteTableText(const QString& table, const QStringList& notes) {
    return "The table " + table + " is not complete and can not be used." + CR + notes.join(CR);
}

QString textTableGaps(int kind, const QString& table) {
    SQLDatabase* db = M_globals::db.get();
    if (!db) return "No database connection!";
    const QString notDone = "The table " + table + " was not put in use";
    auto columns = db->FieldSchema(table);
    if (!columns || db->Error()) return databaseFailure(notDone);
    // A table that has gone lists no column: the engine's word on it says more than every column.
    if (columns->isEOF() && !db->SQLSelect("SELECT * FROM " + quoteIdentifier(table) + " LIMIT 0"))
        return databaseFailure(notDone);
    const QStringList missingColumns = missingTextTableColumns(*columns, kind);
    columns->Close();
    QStringList gaps;
    if (!missingColumns.isEmpty()) gaps << missingColumnsNote(missingColumns);
    if (!missingColumns.contains(TextColumn::NumberBoolean)) {
        const QString key = TextColumn::NumberBoolean;
        auto rows = db->SQLSelect(
            "SELECT DISTINCT " + key + " FROM " + quoteIdentifier(table) + " WHERE " + key + " BETWEEN 0 AND ?1",
            {textTableLastCode(kind)});
        if (!rows || db->Error()) return databaseFailure(notDone);
        std::set<qint64> present;
        for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext()) present.insert(rows->Field(key).IntegerValue());
        rows->Close();
        std::vector<int> missingCodes;
        for (int code = 0; code <= textTableLastCode(kind); ++code)
            if (!present.count(code)) missingCodes.push_back(code);
        if (!missingCodes.empty()) gaps << "It has no row for the " + codeRanges(missingCodes) + ".";
    }
    if (gaps.isEmpty()) return {};
    return incompleteTableText(table, gaps);
}
