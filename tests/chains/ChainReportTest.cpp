// The chain report without a window: its lines for a chain of known hexagrams, its transitions,
// and what it does when the trigram table lacks a row or cannot be read.
#include "chains/ChainReport.h"

#include "ChainsSupport.h"
#include "core/M_globals.h"

#include <gtest/gtest.h>

namespace {

QString trigram(int t) { return QString("tri%1  (family%1, body%1, animal%1, dir%1, attr%1)").arg(t); }

QString block(int k, int code) {
    return QString("Hexagram %1:  name%2").arg(k).arg(code) + CR + CR + "  above:  " + trigram(code / 8) + CR +
           "  below:  " + trigram(code % 8) + CR + CR + QString("  desc%1").arg(code) + CR +
           QString("  judg%1").arg(code) + CR;
}

QString chainOf(std::initializer_list<std::pair<int, int>> links, QStringList* messages = nullptr) {
    std::vector<M_globals::ChainLink> chain;
    for (const auto& [code, mask] : links) chain.push_back({code, mask});
    ScriptedDialogs dialogs;
    const QString text = ChainReport::report(chain);
    if (messages) *messages = dialogs.messages;
    return text;
}

}  // namespace

TEST(ChainReport, TwoHexagramsWithAYangAndAYinLineChanging) {
    ProgramDatabase database({1, 8});
    const QString expected = block(1, 1) + CR + "  Transformations..." + CR + "    nine in the 1st place:" + CR +
                             "line1.1" + CR + "    six in the 4th place:" + CR + "line1.4" + CR + CR + block(2, 8);
    QStringList messages;
    EXPECT_EQ(chainOf({{1, 9}, {8, 0}}, &messages), expected);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(expected.split(CR).size(), 22) << "21 lines and the end of the last";
}

TEST(ChainReport, SectionsBetweenHexagrams) {
    ProgramDatabase database({0, 1, 21, 63});
    const QString header = CR + "  Transformations..." + CR;
    QString allYin, allYang;
    for (const char* ordinal : {"1st", "2nd", "3rd", "4th", "5th", "6th"}) {
        const int line = ordinal[0] - '0';
        allYin += QString("    six in the %1 place:").arg(ordinal) + CR + QString("line0.%1").arg(line) + CR;
        allYang += QString("    nine in the %1 place:").arg(ordinal) + CR + QString("line63.%1").arg(line) + CR;
    }
    struct Case {
        const char* what;
        QString text;
        QString expected;
    } cases[] = {
        {"one hexagram", chainOf({{21, 0}}), block(1, 21)},
        {"a link without changing lines", chainOf({{1, 0}, {21, 0}}), block(1, 1) + header + CR + block(2, 21)},
        {"all six yin lines change", chainOf({{0, 63}, {63, 0}}), block(1, 0) + header + allYin + CR + block(2, 63)},
        {"all six yang lines change", chainOf({{63, 63}, {0, 0}}), block(1, 63) + header + allYang + CR + block(2, 0)},
        {"the last mask is not read", chainOf({{21, 63}}), block(1, 21)},
        {"an empty chain", chainOf({}), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.text, c.expected);
    }
}

TEST(ChainReport, AMissingUpperTrigramRowIsNamedOnceAndTheReportGoesOn) {
    ProgramDatabase database({1, 8});
    database.exec("DELETE FROM TRIGRAMS_DEFAULT WHERE NUMBER_BOOLEAN = 0;");
    QStringList messages;
    const QString text = chainOf({{1, 9}, {8, 0}}, &messages);
    // Hexagram 1 has trigram 0 above, hexagram 2 below: only the upper one is reported.
    EXPECT_EQ(messages, QStringList({"Trigram 0 is not in the table TRIGRAMS_DEFAULT."}));
    EXPECT_TRUE(text.startsWith("Hexagram 1:  name1" + CR + CR + "  above:  " + CR + "  below:  " + trigram(1)));
    EXPECT_TRUE(text.contains("  above:  " + trigram(1) + CR + "  below:  " + CR + CR + "  desc8"));
}

TEST(ChainReport, ATrigramTableThatCannotBeReadIsReportedOnce) {
    ProgramDatabase database({1, 8});
    M_globals::TableTri = "GONE";
    QStringList messages;
    const QString text = chainOf({{1, 9}, {8, 0}}, &messages);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("no such table")) << messages[0].toStdString();
    EXPECT_TRUE(text.contains("Hexagram 2:  name8"));
}
