// The saved chains in their table, without a window: rows found by their own rowid, the typed texts
// stored as typed, and the engine's messages when the table cannot be used.
#include "chains/HexChainsTable.h"

#include "ChainsSupport.h"
#include "core/M_globals.h"
#include "platform/SQLDatabase.h"

#include <gtest/gtest.h>

namespace {

const char* threeChains = R"(
INSERT INTO HexChains VALUES ('first', 'one', '700,500;1,8;9,0');
INSERT INTO HexChains VALUES ('second', NULL, '700,500;9,54;63,0');
INSERT INTO HexChains VALUES ('third', 'three', '270,400;21,0');
)";

QStringList names(const HexChainsTable::Listing& listing) {
    QStringList result;
    for (const auto& row : listing.rows) result << row.name;
    return result;
}

}  // namespace

TEST(HexChainsTable, ListsEveryRowWithItsOwnRowidAndReadsAndDeletesByIt) {
    ProgramDatabase database;
    database.exec(threeChains);
    // A gap in the rowids: row positions and rowids differ from here on.
    database.exec("DELETE FROM HexChains WHERE NAME = 'first';"
                  "INSERT INTO HexChains VALUES ('fourth', 'four', '270,400;42,0');");

    HexChainsTable::Listing listing = HexChainsTable::list();
    EXPECT_TRUE(listing.error.isEmpty());
    ASSERT_EQ(names(listing), QStringList({"second", "third", "fourth"}));
    EXPECT_EQ(listing.rows[1].chain, "270,400;21,0");
    for (const auto& row : listing.rows) {
        SCOPED_TRACE(row.name.toStdString());
        QString error;
        const auto entry = HexChainsTable::read(row.id, error);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->name, row.name);
    }

    QString error;
    EXPECT_EQ(HexChainsTable::remove(listing.rows[1].id, listing.rows[1].name, error), HexChainsTable::Removal::Deleted);
    EXPECT_EQ(readRows(database.file(), "SELECT NAME FROM HexChains"), QStringList({"second", "fourth"}));
    // The same id again: the row is gone.
    EXPECT_EQ(HexChainsTable::remove(listing.rows[1].id, listing.rows[1].name, error), HexChainsTable::Removal::Missing);
    EXPECT_FALSE(HexChainsTable::read(listing.rows[1].id, error).has_value());
    EXPECT_TRUE(error.isEmpty());
}

TEST(HexChainsTable, StoresNameAndCommentAsTypedAndLeavesABlankCommentUnset) {
    struct Case {
        const char* name;
        const char* comment;
        const char* stored;  // NAME|comment as the file holds them
    } cases[] = {
        {"plain", "a comment", "plain|a comment"},
        {"  leading blanks", "  and trailing  ", "  leading blanks|  and trailing  "},
        {"blank comment", "   ", "blank comment|<null>"},
        {"empty comment", "", "empty comment|<null>"},
        {"it's \"quoted\"'); DROP TABLE HexChains; --", "x'y", "it's \"quoted\"'); DROP TABLE HexChains; --|x'y"},
        {"two lines", "line 1\rline 2", "two lines|line 1\rline 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramDatabase database;
        EXPECT_EQ(HexChainsTable::add(c.name, c.comment, "700,500;1,8;9,0"), "");
        EXPECT_EQ(readRows(database.file(), "SELECT NAME, comment, chain FROM HexChains"),
                  QStringList({QString(c.stored) + "|700,500;1,8;9,0"}));
        QString error;
        const auto entry = HexChainsTable::read(HexChainsTable::list().rows.at(0).id, error);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->comment, QString(c.stored).section('|', -1) == "<null>" ? QString() : QString(c.comment));
    }
}

TEST(HexChainsTable, ReportsTheEnginesMessageWhenTheTableCannotBeUsed) {
    ProgramDatabase database;
    database.exec("DROP TABLE HexChains;");
    const HexChainsTable::Listing listing = HexChainsTable::list();
    EXPECT_TRUE(listing.rows.empty());
    EXPECT_TRUE(listing.error.contains("no such table")) << listing.error.toStdString();
    EXPECT_TRUE(HexChainsTable::add("name", "", "700,500;1,0").contains("no such table"));
    QString error;
    EXPECT_EQ(HexChainsTable::remove(1, "name", error), HexChainsTable::Removal::Failed);
    EXPECT_TRUE(error.contains("no such table"));
    error.clear();
    EXPECT_FALSE(HexChainsTable::read(1, error).has_value());
    EXPECT_TRUE(error.contains("no such table"));
}

TEST(HexChainsTable, AnInsertTheDatabaseRefusesStoresNothingAndSaysWhy) {
    ProgramDatabase database;
    database.exec("CREATE TRIGGER refuse BEFORE INSERT ON HexChains BEGIN SELECT RAISE(ABORT, 'chains are frozen'); END;");
    EXPECT_EQ(HexChainsTable::add("name", "comment", "700,500;1,0"), "chains are frozen");
    EXPECT_TRUE(readRows(database.file(), "SELECT * FROM HexChains").isEmpty());
}

TEST(HexChainsTable, WithoutAConnectionNothingIsReadOrWritten) {
    ProgramDatabase database;
    M_globals::db->Close();
    EXPECT_EQ(HexChainsTable::list().error, "No database connection!");
    EXPECT_EQ(HexChainsTable::add("name", "", "700,500;1,0"), "No database connection!");
}

TEST(HexChainsTable, TheStoredFormAndTheFirstMatch) {
    EXPECT_EQ(M_globals::storedChainForm(700, 512, "1,8;9,0"), "700,512;1,8;9,0");
    const std::vector<QString> texts = {"a", " a", "b", "a"};
    struct Case {
        const char* text;
        int expected;
    } cases[] = {{"a", 0}, {" a", 1}, {"b", 2}, {"A", -1}, {"c", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HexChainsTable::firstMatch(texts, c.text), c.expected);
    }
}
