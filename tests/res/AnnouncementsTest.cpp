// The words a screen reader is given as the game changes: marks, fills, what Undo brought back, clues.
#include "Announcements.h"
#include "ControlNames.h"
#include "ResourceIds.h"

#include "BoardPicture.h"

#include <gtest/gtest.h>

namespace {

TEST(Announcements, APieceCommandSaysThePieceOrWhatItsFillFilled)
{
    const struct {
        int command, row, column, changed;
        const char* heard;
    } cases[] = {
        {3000 + NORTH, 4, 4, 1, "Top"},
        {3000 + SQUARE, 4, 4, 0, "Square"},
        {3000 + UNKNOWN, 0, 0, 1, "Unknown"},
        {IDC_FILL_ROW, 9, 3, 10, "Row 10: 10 cells filled with water"},
        {IDC_FILL_ROW, 2, 3, 1, "Row 3: 1 cell filled with water"},
        {IDC_FILL_COLUMN, 2, 0, 7, "Column A: 7 cells filled with water"},
        {IDC_FILL_COLUMN, 2, 9, 0, "Column J: no unknown cell to fill"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PieceCommandAnnouncement(c.command, c.row, c.column, c.changed), c.heard) << c.heard;
}

// Undo takes back one step: a mark, or a fill of one line back to Unknown. Anything else is still told.
TEST(Announcements, UndoSaysTheCellOrTheLineAndWhatItHoldsAgain)
{
    const BoardSnapshot restored = BoardSnapshot::Take(MarksFromPicture(R"(
        ^?????????
        ??????????
        ?????.????
        ??????????
        ??????????
        ??????????
        ??????????
        ??????????
        ??????????
        ?????????.
    )"));
    const struct {
        std::vector<int> changed;
        const char* heard;
    } cases[] = {
        {{0}, "Undone: Row 1, Column A: Top"},
        {{99}, "Undone: Row 10, Column J: Water"},
        {{31, 32, 33, 39}, "Undone: 4 cells of Row 4 back to Unknown"},
        {{4, 14, 34, 94}, "Undone: 4 cells of Column E back to Unknown"},
        {{1, 2, 10}, "Undone: 3 cells back to Unknown"},
        {{0, 1}, "Undone: 2 cells of Row 1"},
        {{0, 25, 99}, "Undone: 3 cells"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UndoAnnouncement(c.changed, restored), c.heard) << c.heard;
}

TEST(Announcements, CellNamesAndCountsAsAScreenReaderSaysThem)
{
    EXPECT_EQ(CellAccessibleName(3, 1, NORTH, true), "Row 4, Column B: Top, clue");
    EXPECT_EQ(CellAccessibleName(9, 9, UNKNOWN, false), "Row 10, Column J: Unknown");
    EXPECT_EQ(CellAccessibleDescription(0, 10), "Row count 0, column count 10");
    EXPECT_EQ(PieceMenuOpenedAnnouncement("Row 1, Column A: Water"), "Piece menu on Row 1, Column A: Water");
    EXPECT_EQ(CluePieceAnnouncement(ROUND), "It shows Submarine");
    EXPECT_EQ(GaveUpDescription(), "The fleet is shown");
}

} // namespace
