// The board as a plain value of 100 piece kinds, row-major, and the ship counts of its lines.
#include "Board.h"
#include "BoardPicture.h"
#include "KnownLayouts.h"

#include <array>

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

TEST(BoardTest, CountsOfSeedZero)
{
    const Board layout = BoardFromPicture(Seed0Layout);
    constexpr std::array<int, BoardSize> rows = {3, 1, 1, 3, 0, 5, 2, 3, 1, 1};
    constexpr std::array<int, BoardSize> columns = {5, 1, 1, 1, 2, 1, 2, 3, 4, 0};
    for (int line = 0; line < BoardSize; ++line) {
        EXPECT_EQ(RowShipCount(layout, line), rows[line]) << "row " << RowLabel(line);
        EXPECT_EQ(ColumnShipCount(layout, line), columns[line]) << "column " << ColumnLetter(line);
    }
}

} // namespace
