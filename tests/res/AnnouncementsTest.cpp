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
    EXPECT_EQ(CellAccessibleName(3, 1, NORTH, CellSource::Clue), "Row 4, Column B: Top, clue");
    EXPECT_EQ(CellAccessibleName(9, 9, UNKNOWN, CellSource::Mark), "Row 10, Column J: Unknown");
    EXPECT_EQ(CellAccessibleName(1, 2, WATER, CellSource::GiveUp), "Row 2, Column C: Water, from Give Up");
    EXPECT_EQ(CellAccessibleDescription(0, 10), "Row count 0, column count 10");
    EXPECT_EQ(PieceMenuOpenedAnnouncement("Row 1, Column A: Water"), "Piece menu on Row 1, Column A: Water");
    EXPECT_EQ(CluePieceAnnouncement(ROUND), "It shows Submarine");
    EXPECT_EQ(GaveUpDescription(), "The fleet is shown");
}

TEST(Announcements, AWinSaysWhatItCostAndTheTotals)
{
    EXPECT_EQ(WinAnnouncement(0, 1, "0"), "Solved without a clue. Total games 1, average score 0");
    EXPECT_EQ(WinAnnouncement(1, 4, ".75"), "Solved with 1 clue point. Total games 4, average score .75");
    EXPECT_EQ(WinAnnouncement(3, 12, "1.50"), "Solved with 3 clue points. Total games 12, average score 1.50");
    EXPECT_EQ(FixedCellAnnouncement(false), "A clue cannot be changed");
    EXPECT_EQ(FixedCellAnnouncement(true), "The game is over. Start Game begins a new one");
}

// A line is read as a glance takes it in: ship pieces by place, water as a number of cells, clues apart, the
// fleet Give Up showed apart, unknown cells not at all.
TEST(Announcements, ALineIsReadInOneSentence)
{
    const auto line = [](std::initializer_list<std::pair<int, CellReading>> cells) {
        LineReading reading;
        reading.fill({UNKNOWN, CellSource::Mark});
        for (const auto& [position, cell] : cells)
            reading[position] = cell;
        return reading;
    };
    const CellReading top{NORTH, CellSource::Mark}, water{WATER, CellSource::Mark},
        clueSubmarine{ROUND, CellSource::Clue}, clueWater{WATER, CellSource::Clue},
        shownLeft{WEST, CellSource::GiveUp}, shownRight{EAST, CellSource::GiveUp}, shownWater{WATER, CellSource::GiveUp};
    EXPECT_EQ(RowOverview(2, 2, line({{2, top}, {0, water}, {1, water}, {5, water}, {9, water}, {4, clueSubmarine}})),
              "Row 3: count 2; marked Top at C, water at 4 cells; clue Submarine at E");
    EXPECT_EQ(RowOverview(9, 0, line({})), "Row 10: count 0; nothing marked");
    EXPECT_EQ(ColumnOverview(0, 1, line({{9, water}, {3, clueWater}, {6, clueSubmarine}})),
              "Column A: count 1; marked water at 1 cell; clues Water at 4, Submarine at 7");
    EXPECT_EQ(RowOverview(0, 2, line({{0, shownLeft}, {1, shownRight}, {2, shownWater}, {3, shownWater}})),
              "Row 1: count 2; shown Left at A, Right at B, water at 2 cells");
    EXPECT_EQ(CountsOverview({0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, {4, 3, 2, 1, 0, 4, 3, 2, 1, 0}),
              "Row counts 0, 1, 2, 3, 4, 0, 1, 2, 3, 4. Column counts 4, 3, 2, 1, 0, 4, 3, 2, 1, 0");
}

} // namespace
