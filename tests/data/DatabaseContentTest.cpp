// Checks the content of the shipped database file "i_virev_DB.shipped", which the build places in the
// test's working directory (the bin folder beside the program). The file is read through the
// SQLite C API, read-only, and at the end through the program's own validation and loaders.
#include "app/App.h"
#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "core/trigramClass.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const char* kDatabaseFile = "i_virev_DB.shipped";

// One value of a result row: its SQLite type and its text.
struct Value {
    int type = SQLITE_NULL;
    std::string text;
    long long integer = 0;
};
using Row = std::map<std::string, Value>;

class Database {
public:
    Database() {
        if (sqlite3_open_v2(kDatabaseFile, &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            error_ = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            db_ = nullptr;
        }
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    const std::string& error() const { return error_; }

    // All rows of a statement, each as column name -> value; fails the test on an SQL error.
    std::vector<Row> select(const std::string& sql) {
        std::vector<Row> rows;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
            return rows;
        }
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            Row row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                Value v;
                v.type = sqlite3_column_type(stmt, i);
                if (v.type != SQLITE_NULL) {
                    v.text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                    v.integer = sqlite3_column_int64(stmt, i);
                }
                row[sqlite3_column_name(stmt, i)] = v;
            }
            rows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE) ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
        sqlite3_finalize(stmt);
        return rows;
    }

    std::vector<std::string> tableNames() {
        std::vector<std::string> names;
        for (const Row& r : select("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))
            names.push_back(r.at("name").text);
        return names;
    }

    std::string createStatement(const std::string& table) {
        auto rows = select("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '" + table + "'");
        return rows.empty() ? std::string() : rows.front().at("sql").text;
    }

private:
    sqlite3* db_ = nullptr;
    std::string error_;
};

// True when the text holds a character other than white space.
bool hasText(const Value& v) {
    if (v.type != SQLITE_TEXT) return false;
    return QString::fromStdString(v.text).trimmed().size() > 0;
}

// Number of characters (code points) of a UTF-8 text.
qsizetype characters(const std::string& utf8) {
    return QString::fromStdString(utf8).toUcs4().size();
}

// The trigram numbers: 4 x top line + 2 x middle line + bottom line, 1 = yang.
const std::map<std::string, int> kTrigramNumber = {
    {"earth", 0}, {"thunder", 1}, {"water", 2}, {"lake", 3},
    {"mountain", 4}, {"fire", 5}, {"wind", 6}, {"heaven", 7}};

// The received order of the book: book number, upper trigram, lower trigram.
struct BookEntry {
    int book;
    const char* upper;
    const char* lower;
};
const BookEntry kReceivedOrder[64] = {
    {1, "heaven", "heaven"},    {2, "earth", "earth"},       {3, "water", "thunder"},
    {4, "mountain", "water"},   {5, "water", "heaven"},      {6, "heaven", "water"},
    {7, "earth", "water"},      {8, "water", "earth"},       {9, "wind", "heaven"},
    {10, "heaven", "lake"},     {11, "earth", "heaven"},     {12, "heaven", "earth"},
    {13, "heaven", "fire"},     {14, "fire", "heaven"},      {15, "earth", "mountain"},
    {16, "thunder", "earth"},   {17, "lake", "thunder"},     {18, "mountain", "wind"},
    {19, "earth", "lake"},      {20, "wind", "earth"},       {21, "fire", "thunder"},
    {22, "mountain", "fire"},   {23, "mountain", "earth"},   {24, "earth", "thunder"},
    {25, "heaven", "thunder"},  {26, "mountain", "heaven"},  {27, "mountain", "thunder"},
    {28, "lake", "wind"},       {29, "water", "water"},      {30, "fire", "fire"},
    {31, "lake", "mountain"},   {32, "thunder", "wind"},     {33, "heaven", "mountain"},
    {34, "thunder", "heaven"},  {35, "fire", "earth"},       {36, "earth", "fire"},
    {37, "wind", "fire"},       {38, "fire", "lake"},        {39, "water", "mountain"},
    {40, "thunder", "water"},   {41, "mountain", "lake"},    {42, "wind", "thunder"},
    {43, "lake", "heaven"},     {44, "heaven", "wind"},      {45, "lake", "earth"},
    {46, "earth", "wind"},      {47, "lake", "water"},       {48, "water", "wind"},
    {49, "lake", "fire"},       {50, "fire", "wind"},        {51, "thunder", "thunder"},
    {52, "mountain", "mountain"}, {53, "wind", "mountain"},  {54, "thunder", "lake"},
    {55, "thunder", "fire"},    {56, "fire", "mountain"},    {57, "wind", "wind"},
    {58, "lake", "lake"},       {59, "wind", "water"},       {60, "water", "lake"},
    {61, "wind", "lake"},       {62, "thunder", "mountain"}, {63, "water", "fire"},
    {64, "fire", "water"}};

// Book number by hexagram code, built from the table above.
std::map<int, int> bookByCode() {
    std::map<int, int> result;
    for (const BookEntry& e : kReceivedOrder)
        result[8 * kTrigramNumber.at(e.upper) + kTrigramNumber.at(e.lower)] = e.book;
    return result;
}

const std::vector<std::string> kRequiredTables = {
    "ProgramPrefs", "TheTables", "Commentary", "Dictionary_Default",
    "ENGLISH_DEFAULT", "HexChains", "TRIGRAMS_DEFAULT"};

const std::vector<std::string> kHexTextColumns = {
    "NAME", "DESCRIPTION", "JUDGEMENT", "first", "second", "third", "fourth", "fifth", "sixth",
    "China_phonics", "all_nines", "ShortName"};

const std::vector<std::string> kTriTextColumns = {
    "NAME", "ATTRIBUTE", "ANIMAL", "BODY", "FAMILY", "DIRECTION", "noun", "adjective", "verb"};

class DatabaseContent : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db.isOpen()) << kDatabaseFile << ": " << db.error(); }
    Database db;
};

}  // namespace

TEST(DatabaseContentSelfCheck, ReceivedOrderTableIsAPermutation) {
    // The independent table must itself name every hexagram once and every book number once.
    const auto books = bookByCode();
    ASSERT_EQ(books.size(), 64u);
    std::set<int> seen;
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(kReceivedOrder[i].book, i + 1);
        seen.insert(kReceivedOrder[i].book);
    }
    EXPECT_EQ(seen.size(), 64u);
    // Spot checks: the pure hexagrams and the last two.
    EXPECT_EQ(books.at(63), 1);
    EXPECT_EQ(books.at(0), 2);
    EXPECT_EQ(books.at(7), 11);
    EXPECT_EQ(books.at(56), 12);
    EXPECT_EQ(books.at(21), 63);
    EXPECT_EQ(books.at(42), 64);
}

TEST_F(DatabaseContent, RequiredTablesArePresent) {
    const auto names = db.tableNames();
    for (const std::string& table : kRequiredTables)
        EXPECT_NE(std::find(names.begin(), names.end(), table), names.end()) << table;
}

TEST_F(DatabaseContent, HasNoInternalSqliteTables) {
    for (const std::string& name : db.tableNames())
        EXPECT_NE(name.rfind("sqlite_", 0), 0u) << name;
}

TEST_F(DatabaseContent, EveryTableHasItsCatalogueRow) {
    for (const std::string& name : db.tableNames()) {
        auto rows = db.select("Select * from TheTables where table_name = '" + name + "'");
        ASSERT_EQ(rows.size(), 1u) << name;
        const Row& r = rows.front();
        const long long type = r.at("table_type").integer;
        EXPECT_EQ(r.at("table_type").type, SQLITE_INTEGER) << name;
        if (name == "ENGLISH_DEFAULT")
            EXPECT_EQ(type, 0) << name;
        else if (name == "TRIGRAMS_DEFAULT")
            EXPECT_EQ(type, 1) << name;
        else
            EXPECT_TRUE(type != 0 && type != 1) << name << " has table_type " << type;
        // Fixed tables: not editable, full.
        EXPECT_EQ(r.at("isEdible").type, SQLITE_INTEGER) << name;
        EXPECT_EQ(r.at("isEdible").integer, 0) << name;
        EXPECT_EQ(r.at("isFull").type, SQLITE_INTEGER) << name;
        EXPECT_EQ(r.at("isFull").integer, 1) << name;
        EXPECT_TRUE(hasText(r.at("creator"))) << name;
        EXPECT_LE(characters(r.at("creator").text), 18) << name;
    }
    // No catalogue row for a table the file does not have, and none twice.
    const auto names = db.tableNames();
    std::set<std::string> catalogued;
    for (const Row& r : db.select("SELECT table_name FROM TheTables")) {
        EXPECT_TRUE(catalogued.insert(r.at("table_name").text).second) << r.at("table_name").text;
        EXPECT_NE(std::find(names.begin(), names.end(), r.at("table_name").text), names.end())
            << r.at("table_name").text;
    }
}

TEST_F(DatabaseContent, TextTablesHaveTheColumnListsOfNewTables) {
    EXPECT_EQ(db.createStatement("ENGLISH_DEFAULT"),
              "CREATE TABLE ENGLISH_DEFAULT (NUMBER_BOOLEAN Integer, NUMBER_BOOK integer, NAME varchar, "
              "DESCRIPTION varchar, JUDGEMENT varchar, first varchar, second varchar, third varchar, "
              "fourth varchar, fifth varchar, sixth varchar, China_phonics varchar, above integer, "
              "below integer, all_nines varchar, ShortName varchar)");
    EXPECT_EQ(db.createStatement("TRIGRAMS_DEFAULT"),
              "CREATE TABLE TRIGRAMS_DEFAULT (NUMBER_BOOLEAN integer, NAME varchar, ATTRIBUTE varchar, "
              "ANIMAL varchar, BODY varchar, FAMILY varchar,  DIRECTION varchar, noun varchar, "
              "adjective varchar, verb varchar)");
}

TEST_F(DatabaseContent, ProgramPrefsHasOneRowWithInstalledFonts) {
    auto rows = db.select("Select * from ProgramPrefs");
    ASSERT_EQ(rows.size(), 1u);
    const Row& r = rows.front();

    // The test's main has made the application object, so the installed fonts can be listed.
    const QStringList families = QFontDatabase::families();
    for (const char* column : {"font_above", "font_title", "font_judgement", "font_short",
                               "font_sixnines", "font_text"}) {
        ASSERT_TRUE(r.count(column)) << column;
        ASSERT_TRUE(hasText(r.at(column))) << column;
        const QString family = QString::fromStdString(r.at(column).text);
        EXPECT_TRUE(family.startsWith("DejaVu")) << column << " = " << r.at(column).text;
        EXPECT_TRUE(families.contains(family, Qt::CaseInsensitive))
            << column << " = " << r.at(column).text << " is not an installed font family";
    }
    for (const char* column : {"DisplayW", "ListsW", "ChainW", "TextW"}) {
        ASSERT_TRUE(r.count(column)) << column;
        EXPECT_EQ(r.at(column).type, SQLITE_TEXT) << column;
        EXPECT_EQ(r.at(column).text, "") << column;
    }
}

TEST_F(DatabaseContent, TrigramTableHoldsTheEightTrigrams) {
    auto rows = db.select("Select * from TRIGRAMS_DEFAULT ORDER BY NUMBER_BOOLEAN");
    ASSERT_EQ(rows.size(), 8u);
    // The later-heaven directions and the images, by trigram number.
    const char* images[8] = {"earth", "thunder", "water", "lake", "mountain", "fire", "wind", "heaven"};
    const char* directions[8] = {"southwest", "east", "north", "west",
                                 "northeast", "south", "southeast", "northwest"};
    std::set<std::string> names;
    for (int n = 0; n < 8; ++n) {
        const Row& r = rows[n];
        EXPECT_EQ(r.at("NUMBER_BOOLEAN").type, SQLITE_INTEGER);
        EXPECT_EQ(r.at("NUMBER_BOOLEAN").integer, n);
        for (const std::string& column : kTriTextColumns)
            EXPECT_TRUE(hasText(r.at(column))) << "trigram " << n << " " << column;
        EXPECT_EQ(r.at("noun").text, images[n]) << "trigram " << n;
        EXPECT_EQ(r.at("DIRECTION").text, directions[n]) << "trigram " << n;
        EXPECT_TRUE(names.insert(r.at("NAME").text).second) << r.at("NAME").text;
        // The input window shows "The " + BODY + " of the " + ANIMAL + ".": plain lower-case words.
        for (const char* column : {"BODY", "ANIMAL"}) {
            const QString word = QString::fromStdString(r.at(column).text);
            EXPECT_EQ(word, word.trimmed().toLower()) << "trigram " << n << " " << column;
            EXPECT_FALSE(word.endsWith('.')) << "trigram " << n << " " << column;
        }
    }
}

TEST_F(DatabaseContent, HexagramTableHoldsEachCodeOnce) {
    auto rows = db.select("SELECT NUMBER_BOOLEAN, NUMBER_BOOK FROM ENGLISH_DEFAULT ORDER BY NUMBER_BOOLEAN");
    ASSERT_EQ(rows.size(), 64u);
    for (int code = 0; code < 64; ++code) {
        EXPECT_EQ(rows[code].at("NUMBER_BOOLEAN").type, SQLITE_INTEGER);
        EXPECT_EQ(rows[code].at("NUMBER_BOOLEAN").integer, code);
    }
    std::set<long long> books;
    for (const Row& r : rows) books.insert(r.at("NUMBER_BOOK").integer);
    EXPECT_EQ(books.size(), 64u);
    EXPECT_EQ(*books.begin(), 1);
    EXPECT_EQ(*books.rbegin(), 64);
}

// The checks below go row by row, so they hold for whatever rows the file has.
TEST_F(DatabaseContent, HexagramRowsFollowTheirCodeAndTheBook) {
    const auto books = bookByCode();
    auto rows = db.select("Select * from ENGLISH_DEFAULT");
    ASSERT_FALSE(rows.empty());
    for (const Row& r : rows) {
        const long long code = r.at("NUMBER_BOOLEAN").integer;
        SCOPED_TRACE("NUMBER_BOOLEAN " + std::to_string(code));
        ASSERT_GE(code, 0);
        ASSERT_LE(code, 63);
        for (const char* column : {"NUMBER_BOOK", "above", "below"})
            EXPECT_EQ(r.at(column).type, SQLITE_INTEGER) << column;
        EXPECT_EQ(r.at("above").integer, code / 8);
        EXPECT_EQ(r.at("below").integer, code % 8);
        EXPECT_EQ(r.at("NUMBER_BOOK").integer, books.at(static_cast<int>(code)));
    }
}

TEST_F(DatabaseContent, HexagramTextsAreFilledAndFitTheirPlaces) {
    auto rows = db.select("Select * from ENGLISH_DEFAULT");
    ASSERT_FALSE(rows.empty());
    std::set<std::string> names, shortNames;
    for (const Row& r : rows) {
        SCOPED_TRACE("NUMBER_BOOLEAN " + std::to_string(r.at("NUMBER_BOOLEAN").integer));
        for (const std::string& column : kHexTextColumns)
            EXPECT_TRUE(hasText(r.at(column))) << column;
        EXPECT_LE(characters(r.at("NAME").text), 28);
        EXPECT_LE(characters(r.at("ShortName").text), 12);
        EXPECT_TRUE(names.insert(r.at("NAME").text).second) << "NAME twice: " << r.at("NAME").text;
        EXPECT_TRUE(shortNames.insert(r.at("ShortName").text).second)
            << "ShortName twice: " << r.at("ShortName").text;
        // The program heads the line texts itself.
        for (const char* column : {"first", "second", "third", "fourth", "fifth", "sixth"}) {
            const QString text = QString::fromStdString(r.at(column).text).trimmed();
            EXPECT_FALSE(text.startsWith("Nine in", Qt::CaseInsensitive)) << column;
            EXPECT_FALSE(text.startsWith("Six in", Qt::CaseInsensitive)) << column;
        }
    }
    // No two rows share a longer text.
    std::set<std::string> texts;
    for (const Row& r : rows)
        for (const char* column : {"DESCRIPTION", "JUDGEMENT", "first", "second", "third", "fourth",
                                   "fifth", "sixth", "all_nines"})
            EXPECT_TRUE(texts.insert(r.at(column).text).second) << "repeated text: " << r.at(column).text;
}

// all_nines turns every line over: it names the opposite hexagram by its name and its book.
// Short names are bare nouns, like the figures' captions on the chain page.
TEST_F(DatabaseContent, AllNinesNamesTheOppositeHexagramAndShortNamesHaveNoArticle) {
    auto rows = db.select("Select * from ENGLISH_DEFAULT");
    ASSERT_EQ(rows.size(), 64u);
    std::map<long long, const Row*> byCode;
    for (const Row& r : rows) byCode[r.at("NUMBER_BOOLEAN").integer] = &r;
    for (const Row& r : rows) {
        const long long code = r.at("NUMBER_BOOLEAN").integer;
        SCOPED_TRACE("NUMBER_BOOLEAN " + std::to_string(code));
        const Row& opposite = *byCode.at(code ^ 63);
        // "The Abysmal, Water" and "Influence (Wooing)" are named without their second part.
        std::string name = opposite.at("NAME").text;
        name = name.substr(0, std::min(name.find(", "), name.find(" (")));
        const std::string reference = name + " (" + std::to_string(opposite.at("NUMBER_BOOK").integer) + ")";
        EXPECT_NE(r.at("all_nines").text.find(reference), std::string::npos) << r.at("all_nines").text;
        EXPECT_FALSE(QString::fromStdString(r.at("ShortName").text).startsWith("The ")) << r.at("ShortName").text;
    }
}

TEST_F(DatabaseContent, HexChainsIsAPlainTableOfWellFormedChains) {
    // A plain rowid table: no column is a primary key.
    auto columns = db.select("PRAGMA table_info(HexChains)");
    std::set<std::string> columnNames;
    for (const Row& c : columns) {
        columnNames.insert(c.at("name").text);
        EXPECT_EQ(c.at("pk").integer, 0) << c.at("name").text;
    }
    EXPECT_EQ(columnNames, (std::set<std::string>{"NAME", "comment", "chain"}));

    auto rows = db.select("SELECT rowid, * FROM HexChains");
    ASSERT_FALSE(rows.empty());
    std::set<std::string> names;
    for (const Row& r : rows) {
        SCOPED_TRACE("HexChains row " + r.at("NAME").text);
        EXPECT_TRUE(hasText(r.at("NAME")));
        EXPECT_TRUE(hasText(r.at("comment")));
        EXPECT_TRUE(names.insert(r.at("NAME").text).second);
        ASSERT_EQ(r.at("chain").type, SQLITE_TEXT);

        const QStringList records = QString::fromStdString(r.at("chain").text).split(';');
        ASSERT_GE(records.size(), 2) << "a header and at least one link";
        // Header: width and height of the drawing, positive integers.
        const QStringList header = records.front().split(',');
        ASSERT_EQ(header.size(), 2);
        bool okW = false, okH = false;
        EXPECT_GT(header[0].toInt(&okW), 0);
        EXPECT_GT(header[1].toInt(&okH), 0);
        EXPECT_TRUE(okW && okH) << records.front().toStdString();
        // Links: code 0..63 and the mask toward the next code; the last mask 0.
        std::vector<int> codes, masks;
        for (qsizetype i = 1; i < records.size(); ++i) {
            const QStringList link = records[i].split(',');
            ASSERT_EQ(link.size(), 2) << records[i].toStdString();
            bool okB = false, okM = false;
            codes.push_back(link[0].toInt(&okB));
            masks.push_back(link[1].toInt(&okM));
            ASSERT_TRUE(okB && okM) << records[i].toStdString();
            EXPECT_GE(codes.back(), 0);
            EXPECT_LE(codes.back(), 63);
        }
        for (size_t k = 0; k + 1 < codes.size(); ++k)
            EXPECT_EQ(masks[k], codes[k] ^ codes[k + 1]) << "link " << k + 1;
        EXPECT_EQ(masks.back(), 0);
    }
}

// The switch of database file accepts the shipped file: App::checkDatabase passes it without a
// message and without changing it.
TEST(DatabaseThroughTheProgram, PassesTheProgramsValidation) {
    ASSERT_TRUE(QFile::exists(kDatabaseFile));
    const QByteArray before = fileHash(kDatabaseFile);
    ScriptedDialogs dialogs;
    bool passes = false;
    {
        SQLDatabase candidate;
        candidate.setDatabaseFile(kDatabaseFile);
        ASSERT_TRUE(candidate.Connect()) << candidate.ErrorMessage().toStdString();
        passes = App::checkDatabase(candidate);
        candidate.Close();
    }
    EXPECT_TRUE(passes);
    EXPECT_EQ(dialogs.messages, QStringList());
    EXPECT_EQ(fileHash(kDatabaseFile), before);
}

// The program's loaders read the shipped file as the start-up connection would: the fonts stay
// as stored (they are installed), the trigram objects get their texts, and every hexagram row
// that the file holds makes a loaded Hexagram.
TEST(DatabaseThroughTheProgram, LoadsFontsTrigramsAndHexagrams) {
    // Work on a copy, so nothing the loaders might do reaches the shipped file.
    TestFolder folder;
    const QString copy = folder.path("i_virev_DB");
    ASSERT_TRUE(QFile::copy(kDatabaseFile, copy));
    ScriptedDialogs dialogs;
    M_globals::setStartValues();
    M_globals::makeTrigramObjects();
    M_globals::font_system = "system-font-stand-in";
    M_globals::f_db = copy;
    M_globals::db = std::make_shared<SQLDatabase>();
    M_globals::db->setDatabaseFile(copy);
    ASSERT_TRUE(M_globals::db->Connect());

    M_globals::LoadPrefs();
    EXPECT_EQ(M_globals::font_above, "DejaVu Sans");
    EXPECT_EQ(M_globals::font_title, "DejaVu Serif");
    EXPECT_EQ(M_globals::font_judgement, "DejaVu Serif");
    EXPECT_EQ(M_globals::font_short, "DejaVu Sans");
    EXPECT_EQ(M_globals::font_sixnines, "DejaVu Serif");
    EXPECT_EQ(M_globals::font_text, "DejaVu Sans");

    M_globals::loadtritable("TRIGRAMS_DEFAULT");
    ASSERT_GE(M_globals::tridata.size(), 8u);
    for (int n = 0; n < 8; ++n) {
        const trigramClass& t = *M_globals::tridata[static_cast<size_t>(n)];
        EXPECT_EQ(t.number, n);
        EXPECT_FALSE(t.name.isEmpty()) << n;
    }
    EXPECT_EQ(M_globals::tridata[0]->chat(), "The belly of the cow.");
    EXPECT_EQ(M_globals::tridata[7]->chat(), "The head of the horse.");

    auto codes = M_globals::db->SQLSelect("SELECT NUMBER_BOOLEAN FROM ENGLISH_DEFAULT");
    ASSERT_TRUE(codes);
    int loaded = 0;
    for (codes->MoveFirst(); !codes->isEOF(); codes->MoveNext()) {
        const int code = static_cast<int>(codes->Field("NUMBER_BOOLEAN").IntegerValue());
        Hexagram hex(code, false);
        EXPECT_TRUE(hex.isLoaded()) << code;
        EXPECT_EQ(hex.above, code / 8);
        EXPECT_EQ(hex.below, code % 8);
        EXPECT_FALSE(hex.name.trimmed().isEmpty()) << code;
        for (const QString& text : hex.placesSTR) EXPECT_FALSE(text.trimmed().isEmpty()) << code;
        ++loaded;
    }
    EXPECT_GE(loaded, 32);
    EXPECT_EQ(dialogs.messages, QStringList());

    M_globals::db->Close();
    M_globals::db.reset();
    M_globals::f_db.clear();
}
