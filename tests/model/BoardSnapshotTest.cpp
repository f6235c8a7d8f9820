// Snapshots: one digit per mark in cell order, and back.
#include "BoardPicture.h"
#include "BoardSnapshot.h"
#include "PuzzleRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::string_view SampleMarking = R"(
    ^???????.o
    #?......??
    v?<#>...??
    ??????????
    ??????????
    ??????????
    ??????????
    ??????????
    ??????????
    ?????????^
)";

TEST(BoardSnapshotTest, FreshMarkingIsOneHundredSevens)
{
    EXPECT_EQ(BoardSnapshot::Take(ArrayMarkGrid()).Text(), std::string(CellCount, '7'));
}

TEST(BoardSnapshotTest, TextHoldsEachMarkAsItsDigitInCellOrder)
{
    const std::string text = BoardSnapshot::Take(MarksFromPicture(SampleMarking)).Text();
    EXPECT_EQ(text.substr(0, 30), "077777776457666666772735166677");
    EXPECT_EQ(text.substr(90), "7777777770");
}

TEST(BoardSnapshotTest, KindAtReadsBackEveryMark)
{
    const ArrayMarkGrid marks = MarksFromPicture(SampleMarking);
    const BoardSnapshot snapshot = BoardSnapshot::Take(marks);
    ArrayMarkGrid restored;
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            restored.SetMark(row, column, snapshot.KindAt(row, column));
    EXPECT_EQ(PictureOf(restored), PictureOf(marks));
    EXPECT_EQ(BoardSnapshot::Take(restored), snapshot);
}

TEST(BoardSnapshotTest, OneChangedMarkMakesADifferentSnapshot)
{
    ArrayMarkGrid marks = MarksFromPicture(SampleMarking);
    const BoardSnapshot before = BoardSnapshot::Take(marks);
    marks.SetMark(9, 9, SOUTH);
    EXPECT_NE(BoardSnapshot::Take(marks), before);
    marks.SetMark(9, 9, NORTH);
    EXPECT_EQ(BoardSnapshot::Take(marks), before);
}

// What a step changed, as the window reports it: a fill of the first row, or one mark at each end of the board.
TEST(BoardSnapshotTest, CellsChangedSinceListsEveryChangedCellInCellOrder)
{
    const BoardSnapshot before = BoardSnapshot::Take(MarksFromPicture(SampleMarking));
    EXPECT_EQ(before.CellsChangedSince(before), std::vector<int>());

    ArrayMarkGrid filled = MarksFromPicture(SampleMarking);
    FillRowWithWater(filled, 0);
    EXPECT_EQ(BoardSnapshot::Take(filled).CellsChangedSince(before), std::vector<int>({1, 2, 3, 4, 5, 6, 7}));

    ArrayMarkGrid ends = MarksFromPicture(SampleMarking);
    ends.SetMark(0, 0, WATER);
    ends.SetMark(9, 9, UNKNOWN);
    EXPECT_EQ(BoardSnapshot::Take(ends).CellsChangedSince(before), std::vector<int>({0, 99}));
    EXPECT_EQ(before.CellsChangedSince(BoardSnapshot::Take(ends)), std::vector<int>({0, 99}));
}

} // namespace
