#include "core/TextTableColumns.h"

#include <span>

namespace {

using namespace TextColumn;

// A column as its table is created: its name and declared type, and what comes before it in the
// list. Tables in users' files were made with exactly these texts, so new ones are made the same.
struct ColumnDefinition {
    const char* name;
    const char* type;
    const char* separator = ", ";
};

const ColumnDefinition HexagramColumns[] = {
    {NumberBoolean, "Integer"}, {NumberBook, "integer"}, {Name, "varchar"},     {Description, "varchar"},
    {Judgement, "varchar"},     {First, "varchar"},      {Second, "varchar"},   {Third, "varchar"},
    {Fourth, "varchar"},        {Fifth, "varchar"},      {Sixth, "varchar"},    {ChinaPhonics, "varchar"},
    {Above, "integer"},         {Below, "integer"},      {AllNines, "varchar"}, {ShortName, "varchar"}};

// Two blanks have always stood before DIRECTION.
const ColumnDefinition TrigramColumns[] = {
    {NumberBoolean, "integer"}, {Name, "varchar"},   {Attribute, "varchar"},        {Animal, "varchar"},
    {Body, "varchar"},          {Family, "varchar"}, {Direction, "varchar", ",  "}, {Noun, "varchar"},
    {Adjective, "varchar"},     {Verb, "varchar"}};

struct KindColumns {
    QString creation;
    QStringList integers;
    QStringList texts;
};

KindColumns describe(std::span<const ColumnDefinition> columns) {
    KindColumns kind;
    kind.creation = "(";
    for (const ColumnDefinition& column : columns) {
        if (&column != &columns.front()) kind.creation += column.separator;
        kind.creation += QString(column.name) + " " + column.type;
        const bool isInteger = QString(column.type).compare("integer", Qt::CaseInsensitive) == 0;
        (isInteger ? kind.integers : kind.texts) << column.name;
    }
    kind.creation += ")";
    return kind;
}

const KindColumns& kindColumns(int kind) {
    static const KindColumns hexagrams = describe(HexagramColumns), trigrams = describe(TrigramColumns), none{};
    return kind == 0 ? hexagrams : kind == 1 ? trigrams : none;
}

}  // namespace

QString textTableColumns(int kind) { return kindColumns(kind == 0 ? 0 : 1).creation; }

const QStringList& textTableIntegerColumns(int kind) { return kindColumns(kind).integers; }

const QStringList& textTableTextColumns(int kind) { return kindColumns(kind).texts; }
