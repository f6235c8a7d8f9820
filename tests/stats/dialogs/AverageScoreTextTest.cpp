// The average score text: the totals a player can reach, and totals that play never produces.
#include "AverageScoreText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct AverageCase {
    int totalGames;
    int totalScore;
    const char* text;
};

constexpr AverageCase Cases[] = {
    {0, 0, "0"},
    {0, 17, "0"},
    {1, 0, ".00"},
    {20, 1, ".05"},
    {3, 1, ".33"},
    {3, 2, ".66"},
    {2, 3, "1.50"},
    {1, 3, "3.00"},
    {4, 50, "12.50"},
    {7, 0, ".00"},
    // TotalScore x 100 leaves the 32-bit range: the average is still exact.
    {1, INT_MAX, "2147483647.00"},
    {3, INT_MAX, "715827882.33"},
    {INT_MAX, INT_MAX, "1.00"},
    {INT_MAX, 1, ".00"},
    // Negative totals keep the same digits behind a "-".
    {1, -3, "-3.00"},
    {3, -1, "-.33"},
    {20, -1, "-.05"},
    {-2, 3, "-1.50"},
    {-2, -3, "1.50"},
    {1, INT_MIN, "-2147483648.00"},
    {INT_MIN, INT_MIN, "1.00"},
    {-1, INT_MIN, "2147483648.00"},
    {INT_MIN, 1, ".00"},
};

class AverageScoreTextTest : public ::testing::TestWithParam<AverageCase> {};

TEST_P(AverageScoreTextTest, ShowsHundredthsTruncated)
{
    const AverageCase& c = GetParam();
    EXPECT_EQ(AverageScoreText(c.totalGames, c.totalScore).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Totals, AverageScoreTextTest, ::testing::ValuesIn(Cases));

} // namespace
