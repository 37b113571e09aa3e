#include "core/FixedTableColumns.h"

#include "platform/SQLDatabase.h"

#include <utility>

QString catalogueRowCondition() { return QString(CatalogueColumn::TableName) + " = ?1 COLLATE NOCASE"; }

const QStringList& fixedTableColumns(const QString& table) {
    using namespace CatalogueColumn;
    using namespace PrefsColumn;
    static const std::pair<const char*, QStringList> tables[] = {
        {"ProgramPrefs",
         {FontAbove, FontTitle, FontJudgement, FontShort, FontSixnines, FontText, DisplayW, ListsW, ChainW, TextW}},
        {"TheTables", {TableName, TableType, IsEdible, IsFull, Creator}},
        {"HexChains", {ChainColumn::Name, ChainColumn::Comment, ChainColumn::Chain}},
    };
    static const QStringList none;
    for (const auto& [name, columns] : tables)
        if (sameTableName(name, table)) return columns;
    return none;
}
