#pragma once
// The columns of the program's fixed tables: the catalogue TheTables, the saved chains HexChains
// and the settings ProgramPrefs (its first row). Every reader, writer and statement names a column
// through this file, so each name is written here once.
#include <QString>
#include <QStringList>

namespace CatalogueColumn {

// The catalogued table's name, its kind (0 hexagram texts, 1 trigrams), whether it may be edited
// and deleted, whether it is complete (written, never read) and who made it.
inline constexpr char TableName[] = "table_name", TableType[] = "table_type", IsEdible[] = "isEdible",
                      IsFull[] = "isFull", Creator[] = "creator";

}  // namespace CatalogueColumn

namespace ChainColumn {

// A saved chain's name, its optional comment and its stored form ("width,height;" and the chain).
inline constexpr char Name[] = "NAME", Comment[] = "comment", Chain[] = "chain";

}  // namespace ChainColumn

namespace PrefsColumn {

// Font names: the trigram captions, the hexagram names, the description and judgement, the short
// names, the changing lines and the windows' text fields.
inline constexpr char FontAbove[] = "font_above", FontTitle[] = "font_title", FontJudgement[] = "font_judgement",
                      FontShort[] = "font_short", FontSixnines[] = "font_sixnines", FontText[] = "font_text";
// Window places ("top,left,height,width"): the display window, the lists window, the chain page
// and the text window.
inline constexpr char DisplayW[] = "DisplayW", ListsW[] = "ListsW", ChainW[] = "ChainW", TextW[] = "TextW";

}  // namespace PrefsColumn

// The condition that finds the catalogue row of the table whose name is bound to ?1, the name's
// letter case ignored, as the engine ignores it in table names.
QString catalogueRowCondition();

// Every column the program reads or writes in the fixed table `table` (its name in any letter
// case); none for any other table.
const QStringList& fixedTableColumns(const QString& table);
