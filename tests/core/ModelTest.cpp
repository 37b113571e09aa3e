#include "core/Hexagram.h"
#include "core/M_globals.h"
#include "core/TrigramLookup.h"
#include "core/trigramClass.h"
#include "platform/Dialogs.h"
#include "platform/SQLDatabase.h"
#include "support/TestSupport.h"

#include <bit>
#include <climits>
#include <gtest/gtest.h>

using namespace M_globals;

TEST(Preferences, FontsFallBackToTheSystemFont) {
    ProgramDatabase database;
    font_system = "DejaVu Sans Mono";
    database.exec("UPDATE ProgramPrefs SET font_above = 'No Such Font 123', font_title = 'dejavu serif', "
                  "font_short = ''");
    LoadPrefs();
    EXPECT_EQ(font_above, "DejaVu Sans Mono");  // not installed
    EXPECT_EQ(font_title, "dejavu serif");      // installed in another letter case: kept as stored
    EXPECT_EQ(font_short, "DejaVu Sans Mono");  // empty
    EXPECT_EQ(font_judgement, "DejaVu Serif");
    auto stored = db->SQLSelect("Select * from ProgramPrefs");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Field("font_above").StringValue(), "No Such Font 123");  // nothing written back
}

TEST(Preferences, NoRowOrNoTableKeepsTheFonts) {
    for (const char* change : {"DELETE FROM ProgramPrefs", "DROP TABLE ProgramPrefs"}) {
        SCOPED_TRACE(change);
        ProgramDatabase database;
        database.exec(change);
        font_text = "Current";
        font_title = "Title";
        LoadPrefs();
        EXPECT_EQ(font_text, "Current");
        EXPECT_EQ(font_title, "Title");
    }
}

TEST(Preferences, AWriteThatCannotBeMadeSaysWhyAndChangesNothing) {
    struct Case {
        const char* change;
        std::vector<std::pair<QString, QString>> values;
        const char* says;
    };
    const Case cases[] = {
        {"ALTER TABLE ProgramPrefs DROP COLUMN DisplayW", {{"DisplayW", "1,2,3,4"}},
         "The table ProgramPrefs has no column DisplayW."},
        {"ALTER TABLE ProgramPrefs DROP COLUMN font_short",  // the others are not written either
         {{"font_above", "Changed"}, {"font_short", "Changed"}},
         "The table ProgramPrefs has no column font_short."},
        {"DELETE FROM ProgramPrefs", {{"DisplayW", "1,2,3,4"}}, "The table ProgramPrefs has no row to store the settings in."},
        {"DROP TABLE ProgramPrefs", {{"DisplayW", "1,2,3,4"}}, "no such table: ProgramPrefs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        ProgramDatabase database;
        database.exec(c.change);
        const QByteArray before = fileHash(database.file());
        ScriptedDialogs dialogs;
        EXPECT_FALSE(writeFirstPrefsRow(c.values, "The settings were not saved"));
        EXPECT_EQ(dialogs.messages, QStringList{c.says});
        EXPECT_EQ(fileHash(database.file()), before);
    }
}

TEST(TrigramTable, FillsTheEightObjectsByTheirOwnNumber) {
    ProgramDatabase database;  // its rows are stored 7 down to 0
    const auto objects = tridata;
    loadtritable("TRIGRAMS_DEFAULT");
    EXPECT_EQ(tridata, objects);  // the same objects, never replaced
    for (int t = 0; t < 8; ++t) {
        const trigramClass& trigram = *tridata[static_cast<size_t>(t)];
        EXPECT_EQ(trigram.number, t);
        EXPECT_EQ(trigram.name, QString("tri%1").arg(t));
        EXPECT_EQ(trigram.verb, QString("verb%1").arg(t));
    }
    EXPECT_EQ(tridata[3]->chat(), "The body3 of the animal3.");
    EXPECT_EQ(trigramClass().chat(), "The  of the .");
}

TEST(TrigramTable, BadRowsAreSkipped) {
    ProgramDatabase database;
    loadtritable("TRIGRAMS_DEFAULT");
    database.exec("CREATE TABLE T2 AS SELECT * FROM TRIGRAMS_DEFAULT WHERE NUMBER_BOOLEAN > 2;"
                  "UPDATE T2 SET NAME = 'new' || NUMBER_BOOLEAN;"
                  "INSERT INTO T2 (NUMBER_BOOLEAN, NAME) VALUES (-1, 'negative'), (9, 'nine'), (4, 'again');");
    // Rows in order: -1 (skipped), 3, 4, 4 again (overwrites), 5, 6, 7, 9 (skipped) - that is eight.
    loadtritable("T2");
    EXPECT_EQ(tridata[0]->name, "tri0");  // no row: keeps its texts
    EXPECT_EQ(tridata[2]->name, "tri2");
    EXPECT_EQ(tridata[3]->name, "new3");
    EXPECT_EQ(tridata[4]->name, "again");
    EXPECT_EQ(tridata[7]->name, "new7");

    loadtritable("NoSuchTable");  // a failed select changes nothing
    EXPECT_EQ(tridata[3]->name, "new3");
}

TEST(TrigramTable, OnlyTheFirstEightRowsAreRead) {
    ProgramDatabase database;
    loadtritable("TRIGRAMS_DEFAULT");
    database.exec("CREATE TABLE T3 AS SELECT * FROM TRIGRAMS_DEFAULT;"
                  "UPDATE T3 SET NAME = 'first' || NUMBER_BOOLEAN;"
                  "INSERT INTO T3 (NUMBER_BOOLEAN, NAME) VALUES (8, 'eight'), (10, 'ten');"
                  "INSERT INTO T3 (NUMBER_BOOLEAN, NAME) SELECT NUMBER_BOOLEAN + 20, NAME FROM T3;");
    loadtritable("T3");
    for (int t = 0; t < 8; ++t) EXPECT_EQ(tridata[static_cast<size_t>(t)]->name, QString("first%1").arg(t));
}

TEST(TrigramTable, ANumberWithoutALoadedTrigramHasNoName) {
    ProgramDatabase database;
    loadtritable("TRIGRAMS_DEFAULT");
    struct Case {
        int t;
        const char* name;
    };
    const Case cases[] = {{0, "tri0"}, {7, "tri7"}, {-1, ""}, {8, ""}, {INT_MIN, ""}, {INT_MAX, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        EXPECT_EQ(trigramName(c.t), c.name);
        EXPECT_EQ(loadedTrigram(c.t) != nullptr, *c.name != '\0');
    }
    // Before start-up has made the eight objects there is only the empty first slot.
    const auto objects = tridata;
    tridata.assign(1, nullptr);
    EXPECT_EQ(loadedTrigram(0), nullptr);
    EXPECT_EQ(trigramName(0), "");
    EXPECT_EQ(trigramName(3), "");
    tridata = objects;
}

namespace {

struct Segment { double x1, x2, y; bool upper; };

void expectFigure(const Hexagram& hex, const std::vector<Segment>& expected, int width) {
    ASSERT_EQ(hex.Lines.size(), expected.size() + 1);  // element 0 is the empty slot
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const CurveShape& line = *hex.Lines[i + 1];
        EXPECT_EQ(line.X, expected[i].x1);
        EXPECT_EQ(line.X2, expected[i].x2);
        EXPECT_EQ(line.Y, expected[i].y);
        EXPECT_EQ(line.Y2, expected[i].y);
        EXPECT_EQ(line.BorderWidth, width);
        EXPECT_EQ(line.BorderColor, expected[i].upper ? Used_upperTricolor : Used_lowerTriColor);
    }
}

}  // namespace

TEST(HexagramModel, ReadsItsRow) {
    ProgramDatabase database;
    EXPECT_EQ(hexagramRowStatement("ENGLISH_DEFAULT", 63), "select * from \"ENGLISH_DEFAULT\"  where NUMBER_BOOLEAN=63");
    ScriptedDialogs dialogs;
    Hexagram hex(42, false);
    EXPECT_TRUE(hex.isLoaded());
    EXPECT_EQ(hex.N_Book, 43);
    EXPECT_EQ(hex.name, "name42");
    EXPECT_EQ(hex.description, "desc42");
    EXPECT_EQ(hex.judgement, "judg42");
    EXPECT_EQ(hex.china_phonics, "pin42");
    EXPECT_EQ(hex.placesSTR[0], "all42");
    EXPECT_EQ(hex.placesSTR[1], "line42.1");
    EXPECT_EQ(hex.placesSTR[6], "line42.6");
    EXPECT_EQ(hex.above, 5);
    EXPECT_EQ(hex.below, 2);
    EXPECT_EQ(hex.shortname, "s42");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(HexagramModel, ChainPageFigure) {
    ProgramDatabase database;
    font_short = "DejaVu Sans";
    Used_HexWidth = 9;  // the chain page keeps its own geometry
    Used_HexSpacing = 7;
    Hexagram hex(42, true);
    // Lines 6, 4, 2 yang; 5, 3, 1 yin; top to bottom at y 2, 9, 16, 23, 30, 37.
    expectFigure(hex, {{0, 44, 2, true}, {0, 15, 9, true}, {29, 44, 9, true}, {0, 44, 16, true},
                       {0, 15, 23, false}, {29, 44, 23, false}, {0, 44, 30, false},
                       {0, 15, 37, false}, {29, 44, 37, false}}, 4);
    ASSERT_EQ(hex.thepic->Count(), 10);
    auto label = std::dynamic_pointer_cast<StringShape>(hex.thepic->Item(9));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Text, "s42");
    EXPECT_EQ(label->X, 22);
    EXPECT_EQ(label->Y, -6);
    EXPECT_EQ(label->TextSize, 9);
    EXPECT_TRUE(label->Bold);
    EXPECT_EQ(label->TextFont, "DejaVu Sans");
}

TEST(HexagramModel, DisplayFigureFollowsTheSettings) {
    ProgramDatabase database;
    Hexagram hex(63, false);
    std::vector<Segment> yang;
    for (int i = 0; i < 6; ++i) yang.push_back({0, 50, 2.0 + 8 * i, i < 3});
    expectFigure(hex, yang, 5);
    EXPECT_EQ(hex.thepic->Count(), 6);
    for (int k = 1; k <= 6; ++k) EXPECT_TRUE(hex.YinYang[static_cast<size_t>(k)]);

    Hexagram yin(0, false);
    EXPECT_EQ(yin.thepic->Count(), 12);
    EXPECT_EQ(yin.Lines[2]->X, 30);  // right half of line 6 after the gap of 10
    for (int k = 1; k <= 6; ++k) EXPECT_FALSE(yin.YinYang[static_cast<size_t>(k)]);

    // Redrawn after the settings changed: a new figure with the new geometry only.
    const auto before = hex.thepic;
    Used_yangLength = 80;
    Used_HexWidth = 4;
    Used_HexSpacing = 6;
    Used_upperTricolor = RGB(200, 0, 0);
    hex.alterhexsettings();
    hex.drawgroup();
    EXPECT_NE(hex.thepic, before);
    std::vector<Segment> wider;
    for (int i = 0; i < 6; ++i) wider.push_back({0, 80, 2.0 + 10 * i, i < 3});
    expectFigure(hex, wider, 4);
}

TEST(HexagramModel, ChangingLines) {
    ProgramDatabase database;
    Hexagram hex(42, true);
    EXPECT_TRUE(hex.ninesANDsixes(21, true));  // 42 XOR 21 = 63: every line changes
    EXPECT_TRUE(hex.YinYang[0]);
    EXPECT_EQ(hex.changeMask(), 63);
    EXPECT_FALSE(hex.ninesANDsixes(42, true));  // the same hexagram: places stay
    EXPECT_FALSE(hex.YinYang[0]);
    EXPECT_EQ(hex.changeMask(), 63);
    EXPECT_TRUE(hex.ninesANDsixes(5, false));  // a mask
    EXPECT_EQ(hex.changeMask(), 5);
    EXPECT_FALSE(hex.YinYang[0]);  // a mask leaves element 0 alone
    EXPECT_TRUE(hex.ninesANDsixes(0, false));
    EXPECT_EQ(hex.changeMask(), 0);
}

TEST(HexagramModel, MissingRowOrConnection) {
    ProgramDatabase database({1});
    {
        ScriptedDialogs dialogs;
        Hexagram hex(63, false);
        EXPECT_FALSE(hex.isLoaded());
        EXPECT_EQ(hex.name, "");
        EXPECT_EQ(hex.N_Book, 0);
        EXPECT_EQ(hex.thepic->Count(), 6);  // still drawn
        EXPECT_TRUE(dialogs.messages.isEmpty());
    }
    {
        ScriptedDialogs dialogs;
        TableHex = "Missing";
        Hexagram hex(1, false);
        EXPECT_FALSE(hex.isLoaded());
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].contains("Missing"));
        TableHex = "ENGLISH_DEFAULT";
    }
    {
        ScriptedDialogs dialogs;
        db->Close();
        db->setDatabaseFile(database.file() + ".gone");
        Hexagram hex(1, false);
        EXPECT_EQ(dialogs.messages, QStringList({"No database connection!"}));
        EXPECT_EQ(hex.name, "");
        EXPECT_EQ(hex.thepic->Count(), 11);  // five yin lines and one yang line
    }
}

TEST(HexagramReader, SaysWhatItCannotReadOnceForTheWholeChain) {
    const std::vector<ChainLink> chain = {{1, 4}, {5, 0}, {9, 63}, {5, 0}, {1, 0}};
    struct Case {
        const char* name;
        QString table;   // in use while reading
        bool connected;
        QString message;  // empty: every row read, nothing said
    } cases[] = {
        {"every row there", "FULL", true, ""},
        {"rows missing", "ENGLISH_DEFAULT", true,
         "Hexagram 5 is not in the table ENGLISH_DEFAULT." + CR + "Hexagram 9 is not in the table ENGLISH_DEFAULT."},
        {"no such table", "Gone", true, "no such table: Gone"},
        {"no connection", "ENGLISH_DEFAULT", false, "No database connection!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramDatabase database({1});
        database.exec("CREATE TABLE FULL AS SELECT * FROM ENGLISH_DEFAULT;"
                      "INSERT INTO FULL SELECT 5, 6, 'name5', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 5, NULL, NULL;"
                      "INSERT INTO FULL SELECT 9, 10, 'name9', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 1, 1, NULL, NULL;");
        TableHex = c.table;
        if (!c.connected) {
            db->Close();
            db->setDatabaseFile(database.file() + ".gone");
        }
        ScriptedDialogs dialogs;
        const HexagramList hexagrams = readChainHexagrams(chain, true);
        EXPECT_EQ(dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        ASSERT_EQ(hexagrams.size(), chain.size());
        for (size_t i = 0; i < chain.size(); ++i) {
            const Hexagram& hexagram = *hexagrams[i];
            EXPECT_EQ(hexagram.N_Bool, chain[i].code);
            EXPECT_EQ(hexagram.changeMask(), chain[i].mask);
            // The figure is drawn whether or not the row was read: a label, one shape a yang line, two a yin.
            EXPECT_EQ(hexagram.thepic->Count(), 7 + 6 - std::popcount(static_cast<unsigned>(chain[i].code)));
            EXPECT_EQ(hexagram.isLoaded(), hexagram.readProblem().isEmpty());
            if (hexagram.isLoaded()) {
                EXPECT_EQ(hexagram.name, QString("name%1").arg(chain[i].code));
            } else {
                EXPECT_EQ(hexagram.name, "");
                EXPECT_TRUE(c.message.contains(hexagram.readProblem())) << hexagram.readProblem().toStdString();
            }
        }
        TableHex = "ENGLISH_DEFAULT";
    }
}

TEST(HexagramReader, AnActionThatReadsSeveralTimesSaysOnceWhenItEnds) {
    ProgramDatabase database({1});
    ScriptedDialogs dialogs;
    {
        ReadProblemsSaidOnce action;
        readChainHexagrams({{5, 0}, {1, 0}}, false);
        {
            ReadProblemsSaidOnce inner;
            readHexagram(5, true);
            readHexagram(7, false);
        }
        readChainHexagrams({{7, 0}}, false);
        EXPECT_TRUE(dialogs.messages.isEmpty());
    }
    EXPECT_EQ(dialogs.messages, QStringList{"Hexagram 5 is not in the table ENGLISH_DEFAULT." + QString(QChar(13)) +
                                            "Hexagram 7 is not in the table ENGLISH_DEFAULT."});
    // Outside an action, a read says at once.
    dialogs.messages.clear();
    readHexagram(5, false);
    EXPECT_EQ(dialogs.messages, QStringList{"Hexagram 5 is not in the table ENGLISH_DEFAULT."});
}
