#include "core/M_globals.h"
#include "display/ChainLogic.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <climits>

using namespace ChainLogic;

namespace {

const QString Tab(QChar(9));

// A chain built as newhex builds it: each hexagram's changing lines lead to the next.
HexagramList chainOf(std::initializer_list<int> codes) {
    HexagramList chain;
    for (int code : codes) {
        if (!chain.empty()) chain.back()->ninesANDsixes(code, true);
        chain.push_back(std::make_shared<Hexagram>(code, false));
    }
    return chain;
}

}  // namespace

TEST(ChainLogic, ChainStringAndItsReading) {
    ProgramDatabase database({0, 5, 63});
    EXPECT_EQ(chainString(chainOf({63, 0, 5}), 3), "63,63;0,5;5,0");
    EXPECT_EQ(chainString(chainOf({5}), 1), "5,0");
    EXPECT_EQ(chainString({}, 0), "");
    // The last link's mask is 0 whatever its flags hold.
    auto chain = chainOf({0, 5});
    chain.back()->ninesANDsixes(63, false);
    EXPECT_EQ(chainString(chain, 2), "0,5;5,0");

    const auto links = M_globals::readChainLinks("63,1;62,62;0,0");
    ASSERT_TRUE(links);
    ASSERT_EQ(links->size(), 3u);
    EXPECT_EQ(links->at(1).code, 62);
    EXPECT_EQ(links->at(1).mask, 62);
    EXPECT_EQ(M_globals::chainText(*links), "63,1;62,62;0,0");
    const auto none = M_globals::readChainLinks("");  // no link, and nothing damaged
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

TEST(ChainLogic, Geometry) {
    EXPECT_EQ(chainWidth(1), 250);
    EXPECT_EQ(chainWidth(2), 680);
    EXPECT_EQ(chainWidth(3), 1110);
    EXPECT_EQ(columnX(2), 430);
    // Start settings: hexH 45, top 37.
    struct Case { int th, y; };
    const Case cases[] = {{31, 44}, {45, 37}, {60, 11}, {82, 0}, {83, 10}, {200, 10}};
    for (const Case& c : cases) EXPECT_EQ(transitionTop(c.th, 45, 37), c.y) << c.th;
}

TEST(ChainLogic, HitTest) {
    struct Case { double x; int count; int number; bool transition; };  // number 0: nothing
    const Case cases[] = {
        {100, 3, 1, false}, {300, 3, 1, true}, {500, 3, 2, false}, {1000, 3, 3, false},
        {1200, 3, 0, false},  // no transition after the last hexagram
        {250, 3, 0, false}, {430, 3, 0, false}, {680, 3, 0, false}, {0, 3, 0, false},  // boundaries
        {100, 0, 0, false}, {-5, 2, 0, false}, {300, 1, 0, false}, {249.5, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("x %1 of %2").arg(c.x).arg(c.count).toStdString());
        const auto hit = hitTest(c.x, c.count);
        ASSERT_EQ(hit.has_value(), c.number != 0);
        if (hit) {
            EXPECT_EQ(hit->number, c.number);
            EXPECT_EQ(hit->transition, c.transition);
        }
    }
}

TEST(ChainLogic, SelectionValidity) {
    struct Case { bool selected; int number; bool transition; int count; bool valid; };
    const Case cases[] = {
        {true, 1, false, 1, true},  {true, 1, true, 1, false},  // no hexagram after the transition
        {true, 2, true, 3, true},   {true, 3, true, 3, false},  {true, 4, false, 3, false},  // past the end
        {false, 1, false, 3, false}, {true, -1, false, 3, false}, {true, 0, false, 3, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectionIsValid(c.selected, c.number, c.transition, c.count), c.valid)
            << c.selected << " " << c.number << " " << c.transition << " " << c.count;
}

TEST(ChainLogic, TransitionTexts) {
    ProgramDatabase database({0, 1, 45, 63});
    auto chain = chainOf({63, 45});
    // 63 -> 45 changes lines 2 and 5 (mask 18), both yang in 63.
    EXPECT_EQ(transitionText(*chain[0]), "Nine in the 5th place:" + CR + "line63.5" + CR + CR + "Nine in the 2nd place:" +
                                             CR + "line63.2" + CR + CR);
    EXPECT_EQ(gettransition(*chain[0]), "line63.2" + Tab + "line63.5" + Tab);
    auto yin = chainOf({0, 1});
    EXPECT_EQ(transitionText(*yin[0]), "Six in the 1st place:" + CR + "line0.1" + CR + CR);
    EXPECT_EQ(transitionText(*yin[1]), "");
    EXPECT_EQ(gettransition(*yin[1]), "");
}

TEST(ChainLogic, SpokenTexts) {
    ProgramDatabase database({0, 1, 21, 42, 62, 63});
    M_globals::loadtritable("TRIGRAMS_DEFAULT");
    auto chain = chainOf({42, 21});  // every line changes
    EXPECT_EQ(spokenTransition(*chain[0], *chain[1]),
              "From name42 to name21.  Above: from tri5 to tri2.  Below: from tri2 to tri5. The transition is, " + Tab +
                  "line42.1" + Tab + "line42.2" + Tab + "line42.3" + Tab + "line42.4" + Tab + "line42.5" + Tab +
                  "line42.6" + Tab);
    EXPECT_EQ(spokenHexagram(*chain[1]), "name21.  desc21judg21");
    EXPECT_EQ(spokenChain(chain, 2), "name42.desc42.judg42.  Next hexagram.name21.desc21.judg21");
    EXPECT_EQ(spokenChain(chain, 1), "name42.desc42.judg42");
    EXPECT_EQ(spokenChain({}, 0), "");
}

TEST(ChainLogic, StoredForms) {
    struct Case {
        const char* form;
        int height;        // 0: damaged
        const char* body;  // the chain string kept: written anew from the links read
    } cases[] = {
        {"900,700;56,7;63,0", 700, "56,7;63,0"},
        {"0,1;5,0", 1, "5,0"},
        {"0,600;63,1;0,0", 600, "63,1;0,0"},       // a mask that does not lead to the next hexagram
        {"0,600;5,3", 600, "5,3"},                 // nor does the last link's
        {"0,600;07,01;0063,0", 600, "7,1;63,0"},   // whole numbers, written without their zeros
        {"0,99999999999;5,0", INT_MAX, "5,0"},     // a height beyond int reads as the largest
        // Damaged: the header.
        {"", 0, ""}, {"900,700", 0, ""}, {"900,0;5,0", 0, ""}, {"900;5,0", 0, ""}, {"x,600;5,0", 0, ""},
        {" 0,600;5,0", 0, ""}, {"0,6e2;5,0", 0, ""}, {"0,-600;5,0", 0, ""}, {"0,600,1;5,0", 0, ""},
        {"0,9999999999999999999;5,0", 0, ""},
        // Damaged: no link, or an empty one.
        {"900,700;", 0, ""}, {"0,500;;;", 0, ""}, {"0,600;5,1;1,0;", 0, ""}, {"0,600;5,0;;1,0", 0, ""},
        {"0,600;,5", 0, ""}, {"0,600;5,", 0, ""}, {"0,600;5", 0, ""},
        // Damaged: numbers out of range.
        {"900,700;64,0", 0, ""}, {"900,700;5,64", 0, ""}, {"900,700;-1,0", 0, ""},
        {"900,700;4294967301,0", 0, ""},
        // Damaged: other characters, blanks included.
        {"0,500; 7 ,  1 ;6x,0", 0, ""}, {"0,600;5x,1y", 0, ""}, {"0,600;5,0 ", 0, ""}, {"0,600;5\t,0", 0, ""},
        {"0,600;1,2\n", 0, ""}, {"0,600;+5,0", 0, ""}, {"0,600;0x3,0", 0, ""}, {"0,600;5,1,2", 0, ""},
        {"0,600;5.0,1", 0, ""}, {"0,600;\u0663,0", 0, ""},  // an Arabic-Indic three is no digit here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const auto stored = readStoredChain(QString::fromUtf8(c.form));
        ASSERT_EQ(stored.has_value(), c.height != 0);
        if (!stored) continue;
        EXPECT_EQ(stored->height, c.height);
        EXPECT_EQ(stored->body, c.body);
        EXPECT_EQ(M_globals::chainText(stored->links), c.body);
    }
}

TEST(ChainLogic, EditsRefuseCodesAndMasksOutsideSixLines) {
    const QString chain = "63,63;0,5;5,0";
    enum Edit { Replace, Change };
    struct Case {
        Edit edit;
        int k;
        int number;          // the new code, or the new mask
        const char* result;  // the chain edited, or as it was when refused
        bool refused;
    } cases[] = {
        {Replace, 2, -1, "63,63;0,5;5,0", true},  {Replace, 2, 64, "63,63;0,5;5,0", true},
        {Replace, 3, -2, "63,63;0,5;5,0", true},  {Replace, 1, 66, "63,63;0,5;5,0", true},
        {Replace, 3, 62, "63,63;0,62;62,0", false},  // in range at both ends
        {Replace, 1, 1, "1,1;0,5;5,0", false},
        {Change, 1, 64, "63,63;0,5;5,0", true},   {Change, 2, -1, "63,63;0,5;5,0", true},
        {Change, 2, 63, "63,63;0,63;63,0", false},
        // A place outside the chain changes nothing and says nothing, whatever the number.
        {Replace, 4, 64, "63,63;0,5;5,0", false}, {Change, 3, -1, "63,63;0,5;5,0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2 with %3").arg(c.edit == Replace ? "replace" : "change").arg(c.k).arg(c.number).toStdString());
        const ChainEdit edit = c.edit == Replace ? replaceHexagram(chain, 3, c.k, c.number) : changeTransition(chain, 3, c.k, c.number);
        EXPECT_EQ(edit.chain, c.result);
        EXPECT_EQ(!edit.refusal.isEmpty(), c.refused) << edit.refusal.toStdString();
        if (c.refused) {
            EXPECT_TRUE(edit.refusal.contains(QString::number(c.number))) << edit.refusal.toStdString();
        }
    }
}
