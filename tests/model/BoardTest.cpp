// The board as a plain value of 100 piece kinds, row-major.
#include "Board.h"
#include "BoardPicture.h"

#include <gtest/gtest.h>

namespace {

void ExpectAllWater(const Board& board)
{
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            EXPECT_EQ(board.At(row, column), WATER) << "row " << row << ", column " << column;
}

TEST(BoardTest, NewBoardHoldsWaterEverywhere) { ExpectAllWater(Board()); }

TEST(BoardTest, FillWaterClearsWhateverTheBoardHeld)
{
    Board board = BoardFromPicture(std::string(CellCount, '?'));
    board.FillWater();
    ExpectAllWater(board);
}

TEST(BoardTest, RowIsTheSlowIndex)
{
    // Cell 9 is the end of the first row, cell 90 the start of the last.
    const Board board = BoardFromPicture(R"(
        .........o
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ^........v
    )");
    EXPECT_EQ(board.At(0, 9), ROUND);
    EXPECT_EQ(board.At(9, 0), NORTH);
    EXPECT_EQ(board.At(9, 9), SOUTH);
}

TEST(BoardTest, SetChangesOnlyItsOwnCell)
{
    Board board;
    board.Set(5, 7, SQUARE);
    const Board expected = BoardFromPicture(R"(
        ..........
        ..........
        ..........
        ..........
        ..........
        .......#..
        ..........
        ..........
        ..........
        ..........
    )");
    EXPECT_EQ(PictureOf(board), PictureOf(expected));
}

TEST(BoardTest, ChangingACopyLeavesTheSourceAlone)
{
    Board source;
    source.Set(0, 0, ROUND);
    Board copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy, source);

    copy.Set(0, 0, WATER);
    copy.Set(9, 9, NORTH);
    EXPECT_EQ(source.At(0, 0), ROUND);
    EXPECT_EQ(source.At(9, 9), WATER);
}

} // namespace
