// The random service of the input window's first proposal.
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <set>

TEST(Random, OneSeedGivesOneSequenceAndBothBoundsAreDrawn) {
    Random first, second;
    first.setSeed(42);
    second.setSeed(42);
    std::set<int> drawn;
    for (int i = 0; i < 400; ++i) {
        const int a = first.InRange(0, 7);
        EXPECT_EQ(a, second.InRange(0, 7));
        drawn.insert(a);
    }
    EXPECT_EQ(drawn, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(first.Seed(), 42);
}

TEST(Random, AScriptAnswersFirstWithinTheRangeAskedAndRecordsEveryRange) {
    ScriptedRandom script;
    script.draws = {3, 12, -1};
    Random random;
    EXPECT_EQ(random.InRange(0, 7), 3);
    EXPECT_EQ(random.InRange(0, 7), 7);
    EXPECT_EQ(random.InRange(2, 5), 2);
    const int unscripted = random.InRange(10, 20);
    EXPECT_GE(unscripted, 10);
    EXPECT_LE(unscripted, 20);
    const std::vector<std::pair<int, int>> ranges{{0, 7}, {0, 7}, {2, 5}, {10, 20}};
    EXPECT_EQ(script.ranges, ranges);
}
