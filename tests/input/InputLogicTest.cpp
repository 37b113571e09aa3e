// The input windows' rules without a window: lines, captions, what "set" sends, dropped texts and
// the changing-line editor's mask.
#include "input/InputLogic.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace InputLogic;

TEST(InputLogic, LinesAndTrigramsOfACode) {
    struct Case {
        int code;
        Lines lines;
        int upper, lower;
    } cases[] = {
        {56, {false, false, false, true, true, true}, 7, 0},  // heaven over earth
        {7, {true, true, true, false, false, false}, 0, 7},   // earth over heaven
        {29, {true, false, true, true, true, false}, 3, 5},   // lake over fire
        {1, {true, false, false, false, false, false}, 0, 1},
        {32, {false, false, false, false, false, true}, 4, 0},
        {99, {true, true, true, true, true, true}, 7, 7},     // above 63: all yang
        {-4, {false, false, false, false, false, false}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(linesOf(c.code), c.lines);
        EXPECT_EQ(upperTrigram(c.lines), c.upper);
        EXPECT_EQ(lowerTrigram(c.lines), c.lower);
    }
}

TEST(InputLogic, TheCheckBoxCaptionFollowsModeAndValue) {
    EXPECT_EQ(newHexCaption(false, true), "New Hexagram");
    EXPECT_EQ(newHexCaption(false, false), "Edit Hexagram");
    EXPECT_EQ(newHexCaption(true, true), "Change Other Hexagrams");
    EXPECT_EQ(newHexCaption(true, false), "Change 6and9 Transforms");
}

TEST(InputLogic, SetSendsUnlessTheTrigramsAreUnchangedInEditModeOrWithNewHexagramChecked) {
    using Call = SetDecision::Call;
    struct Case {
        const char* what;
        Composition composition;
        Call call;
        int code;
        bool flag;
    } cases[] = {
        {"edit, unchanged", {true, 7, 0, 7, 0, false}, Call::Nothing, 0, false},
        {"edit, unchanged, other hexagrams", {true, 7, 0, 7, 0, true}, Call::Nothing, 0, false},
        {"edit, upper changed", {true, 3, 0, 7, 0, false}, Call::HexEdit, 24, false},
        {"edit, lower changed, other hexagrams", {true, 7, 1, 7, 0, true}, Call::HexEdit, 57, true},
        {"new, unchanged, New Hexagram", {false, 7, 0, 7, 0, true}, Call::Nothing, 0, false},
        {"new, unchanged, replace the last", {false, 7, 0, 7, 0, false}, Call::NewHex, 56, false},
        {"new, changed, New Hexagram", {false, 0, 0, 7, 0, true}, Call::NewHex, 0, true},
        {"new, changed, replace the last", {false, 0, 7, 7, 0, false}, Call::NewHex, 7, false},
        // Only the trigram numbers count: both swapped is a change.
        {"new, trigrams swapped", {false, 0, 7, 7, 0, true}, Call::NewHex, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SetDecision decision = decideSet(c.composition);
        EXPECT_EQ(decision.call, c.call);
        if (c.call == Call::Nothing) continue;
        EXPECT_EQ(decision.code, c.code);
        EXPECT_EQ(decision.flag, c.flag);
    }
}

TEST(InputLogic, ADroppedTextGivesTrigramsOnlyWithThreeFieldsAndBothNumbersInRange) {
    struct Case {
        const char* text;
        bool taken;
        int top, bottom;
    } cases[] = {
        {"3,5,29", true, 3, 5},
        {"3,5,63", true, 3, 5},  // the code is not read
        {"7,0,56", true, 7, 0},
        {"x,y,z", true, 0, 0},   // no number reads as 0
        {" 2,6x,", true, 2, 6},
        {"3,5", false, 0, 0},
        {"3,5,29,1", false, 0, 0},
        {"", false, 0, 0},
        {"8,0,00", false, 0, 0},
        {"0,-1,00", false, 0, 0},
        {"4294967299,0,00", false, 0, 0},                 // 2^32 + 3 must not wrap to 3
        {"99999999999999999999999,1,00", false, 0, 0},
        {"-4294967296,1,00", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto dropped = droppedTrigrams(c.text);
        ASSERT_EQ(dropped.has_value(), c.taken);
        if (!dropped) continue;
        EXPECT_EQ(dropped->top, c.top);
        EXPECT_EQ(dropped->bottom, c.bottom);
    }
}

TEST(InputLogic, TheEditorSendsANewNonEmptyMask) {
    using Outcome = MaskDecision::Outcome;
    const Lines none{}, lines1and3{true, false, true, false, false, false};
    const Lines bottomAndTop{true, false, false, false, false, true};
    EXPECT_EQ(decideMask(none, 33).outcome, Outcome::NoLineMarked);
    EXPECT_EQ(decideMask(none, 0).outcome, Outcome::NoLineMarked);
    EXPECT_EQ(decideMask(bottomAndTop, 33).outcome, Outcome::Unchanged);
    const MaskDecision sent = decideMask(lines1and3, 33);
    EXPECT_EQ(sent.outcome, Outcome::Send);
    EXPECT_EQ(sent.mask, 5);
}
