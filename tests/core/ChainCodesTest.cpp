#include "core/M_globals.h"

#include <gtest/gtest.h>

using namespace M_globals;

TEST(ChainCodes, MasksBetweenHexagrams) {
    struct Case { int a, b, mask; };
    const Case cases[] = {{63, 0, 63}, {1, 3, 2}, {17, 17, 0}, {10, 34, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 -> %2").arg(c.a).arg(c.b).toStdString());
        EXPECT_EQ(TwoHex(c.a, c.b), c.mask);
    }
    struct Step { int hex, mask, next; };
    const Step steps[] = {{63, 1, 62}, {0, 63, 63}, {42, 5, 47}, {17, 0, 17}};
    for (const Step& s : steps) EXPECT_EQ(Hex69sToHex(s.hex, s.mask), s.next) << s.hex << " " << s.mask;
}

TEST(ChainCodes, MaskRoundTripOverAllPairs) {
    for (int a = 0; a < 64; ++a) {
        EXPECT_EQ(TwoHex(a, a), 0);
        for (int b = 0; b < 64; ++b) ASSERT_EQ(Hex69sToHex(a, TwoHex(a, b)), b) << a << " " << b;
    }
}

TEST(ChainCodes, LinePatterns) {
    struct Case { int n; const char* pattern; };
    const Case cases[] = {
        {63, "||| |||"}, {0, "::: :::"}, {1, "|:: :::"}, {8, "::: |::"}, {5, "|:| :::"},
        {42, ":|: |:|"}, {21, "|:| :|:"}, {7, "||| :::"},
        {6, ":|| :::"}, {3, "||: :::"},                          // trigrams: bottom line first
        {64, "||| |||"}, {100, "||| |||"}, {-1, "::: :::"},       // out of range: six-bit reading
    };
    for (const Case& c : cases) EXPECT_EQ(getYinYangCharString(c.n), c.pattern) << c.n;
}

TEST(ChainCodes, ReplaceAndMergeLinks) {
    struct Case { const char* chain; const char* link; int index; bool merge; const char* expected; };
    const Case cases[] = {
        {"63,1;62,62;0,0", "61,61", 2, false, "63,1;61,61;0,0"},  // replace a middle link
        {"63,1;62,62;0,0", "63,2", 1, false, "63,2;62,62;0,0"},   // replace the first
        {"63,1;62,62;0,0", "0,1", 3, false, "63,1;62,62;0,1"},    // replace the last: nothing after it
        {"63,1;62,62;0,0", "63,63", 2, true, "63,63;0,0"},        // delete the hexagram between
        {"63,1;62,62;0,0", "62,0", 3, true, "63,1;62,0"},         // merge the last two
        {"63,1;62,62;0,0", "62,0", 1, true, "62,0;62,62;0,0"},    // merge at 1 replaces link 1 only
        {"5,0", "7,0", 1, false, "7,0"},                           // a chain of one
        // An index outside the links leaves the chain unchanged.
        {"63,1;62,62;0,0", "1,1", 0, false, "63,1;62,62;0,0"},
        {"63,1;62,62;0,0", "1,1", 4, false, "63,1;62,62;0,0"},
        {"63,1;62,62;0,0", "1,1", 4, true, "63,1;62,62;0,0"},
        {"5,0", "1,1", -3, true, "5,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2 at %3").arg(c.chain, c.link).arg(c.index).toStdString());
        EXPECT_EQ(HexChainChangeLink(c.chain, c.link, c.index, c.merge), c.expected);
    }
}

TEST(ChainCodes, StringHasText) {
    struct Case { const char* input; bool hasText; const char* after; };
    const Case cases[] = {
        {"  ab ", true, "ab "}, {"   ", false, ""}, {"", false, ""},
        {"\tx", true, "\tx"},   // only the blank counts as empty
        {" \r", true, "\r"},
    };
    for (const Case& c : cases) {
        QString s = c.input;
        EXPECT_EQ(DoesStringHaveText(s), c.hasText) << c.input;
        EXPECT_EQ(s, c.after) << c.input;
    }
    // A comment of a megabyte of blanks before its text.
    QString blanks = QString(1 << 20, ' ') + "x";
    EXPECT_TRUE(DoesStringHaveText(blanks));
    EXPECT_EQ(blanks, "x");
}

TEST(SharedState, StartValues) {
    setStartValues();
    EXPECT_EQ(Used_GapLength, 10);
    EXPECT_EQ(Used_YinLength, 20);
    EXPECT_EQ(Used_GapLength + 2 * Used_YinLength, Used_yangLength);
    EXPECT_EQ(Used_upperTricolor, RGB(30, 30, 200));
    EXPECT_EQ(Used_lowerTriColor, RGB(30, 100, 100));
    EXPECT_EQ(Used_BackgroundColor, RGB(255, 255, 255));
    EXPECT_EQ(Used_textsizeTitle, 12);
    ASSERT_EQ(firsttosixth.size(), 7u);
    EXPECT_EQ(firsttosixth[0], "");
    EXPECT_EQ(firsttosixth[1], "1st");
    EXPECT_EQ(firsttosixth[6], "6th");
    EXPECT_EQ(TableHex, "ENGLISH_DEFAULT");
    EXPECT_EQ(TableTri, "TRIGRAMS_DEFAULT");
    // The derived lengths truncate toward zero.
    EXPECT_EQ(gapLengthFor(55, 33), 18);   // 18.15
    EXPECT_EQ(yinLengthFor(55, 18), 18);   // 18.5
}

TEST(ChainCodes, LineOrdinalsOnlyForSixLines) {
    EXPECT_EQ(lineOrdinal(1), "1st");
    EXPECT_EQ(lineOrdinal(3), "3rd");
    EXPECT_EQ(lineOrdinal(6), "6th");
    for (int outside : {0, 7, -1}) EXPECT_EQ(lineOrdinal(outside), "") << outside;
}

TEST(SharedState, TrigramObjectsAreMadeOnce) {
    makeTrigramObjects();
    ASSERT_EQ(tridata.size(), 8u);
    const auto first = tridata[0];
    const auto last = tridata[7];
    makeTrigramObjects();
    EXPECT_EQ(tridata[0], first);
    EXPECT_EQ(tridata[7], last);
    for (size_t i = 0; i < 8; ++i)
        for (size_t j = i + 1; j < 8; ++j) EXPECT_NE(tridata[i], tridata[j]);
}
