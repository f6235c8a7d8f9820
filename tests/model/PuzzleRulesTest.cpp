// Counts, the solved test, the clue choice and the water fills against the layout of seed 0.
#include "BoardPicture.h"
#include "FleetGenerator.h"
#include "KnownLayouts.h"
#include "PuzzleRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

// Failures name cells the way the player sees them.
void PrintTo(const CellPosition& cell, std::ostream* out)
{
    *out << "row " << RowLabel(cell.row) << ", column " << ColumnLetter(cell.column);
}

namespace {

struct Mark {
    int row;
    int column;
    PieceKind kind;
};

// A marking written as a picture with a few cells changed.
ArrayMarkGrid Marking(std::string_view picture, const std::vector<Mark>& changes = {})
{
    ArrayMarkGrid marks = MarksFromPicture(picture);
    for (const Mark& change : changes)
        marks.SetMark(change.row, change.column, change.kind);
    return marks;
}

// The layout of seed 0 with every water cell left UNKNOWN: only the ships are marked.
std::string ShipsOnly()
{
    std::string picture(Seed0Layout);
    std::replace(picture.begin(), picture.end(), '.', '?');
    return picture;
}

const std::string AllUnknown(CellCount, '?');

struct JudgeCase {
    const char* what;
    std::string marks;
    std::vector<Mark> changes;
    bool solved;
    bool allShipsMarked;
};

TEST(PuzzleRulesTest, SolvedAndAllShipsMarked)
{
    const Board layout = BoardFromPicture(Seed0Layout);
    const std::string layoutMarks(Seed0Layout);
    const std::vector<JudgeCase> cases = {
        {"fresh game", AllUnknown, {}, false, false},
        {"only the ships marked", ShipsOnly(), {}, true, true},
        {"every cell marked", layoutMarks, {}, true, true},
        {"a water cell marked NORTH", ShipsOnly(), {{4, 4, NORTH}}, false, true},
        {"a NORTH cell marked SQUARE", layoutMarks, {{2, 7, SQUARE}}, false, true},
        {"a ship cell marked WATER", layoutMarks, {{9, 5, WATER}}, false, false},
        {"a ship cell left UNKNOWN", ShipsOnly(), {{0, 0, UNKNOWN}}, false, false},
    };
    for (const JudgeCase& entry : cases) {
        const ArrayMarkGrid marks = Marking(entry.marks, entry.changes);
        EXPECT_EQ(IsSolved(layout, marks), entry.solved) << entry.what;
        EXPECT_EQ(AllShipsMarked(layout, marks), entry.allShipsMarked) << entry.what;
    }
}

TEST(PuzzleRulesTest, AnotherFleetWithTheSameCountsIsNotASolution)
{
    // The submarines of rows 1 and 2 swap columns: every count stays, the layout differs.
    const ArrayMarkGrid marks = Marking(Seed0SubmarinesSwapped);
    Board other;
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            other.Set(row, column, marks.MarkAt(row, column));
    const Board layout = BoardFromPicture(Seed0Layout);
    for (int line = 0; line < BoardSize; ++line) {
        ASSERT_EQ(RowShipCount(other, line), RowShipCount(layout, line));
        ASSERT_EQ(ColumnShipCount(other, line), ColumnShipCount(layout, line));
    }
    EXPECT_FALSE(IsSolved(layout, marks));
}

TEST(PuzzleRulesTest, ClueWalkOfSeedZero)
{
    GameRandom random = SeededAfter(0, 0);
    Board layout;
    GenerateLayout(layout, random);
    const ArrayMarkGrid marks;

    // The cells tried before the clue lands, each drawn row first: all water.
    GameRandom tries = random;
    constexpr std::array<CellPosition, 3> missed = {{{4, 6}, {8, 2}, {2, 4}}};
    for (const CellPosition& cell : missed) {
        const CellPosition drawn{tries.Next() % BoardSize, tries.Next() % BoardSize};
        ASSERT_EQ(drawn, cell);
        ASSERT_EQ(layout.At(cell.row, cell.column), WATER);
    }

    const std::optional<CellPosition> clue = ChooseClueCell(layout, marks, random);
    ASSERT_TRUE(clue.has_value());
    EXPECT_EQ(*clue, (CellPosition{7, 6}));
    EXPECT_EQ(layout.At(clue->row, clue->column), ROUND);
    EXPECT_EQ(random, SeededAfter(0, 60 + 8));
}

TEST(PuzzleRulesTest, NoClueAndNoDrawWhenEveryMarkMatches)
{
    const Board layout = BoardFromPicture(Seed0Layout);
    GameRandom random = SeededAfter(0, 0);
    EXPECT_EQ(ChooseClueCell(layout, MarksFromPicture(Seed0Layout), random), std::nullopt);
    EXPECT_EQ(random, SeededAfter(0, 0));
}

struct ClueCase {
    const char* what;
    std::string marks;
    std::vector<Mark> changes;
    CellPosition clue;
};

TEST(PuzzleRulesTest, ClueFindsTheOnlyCellThatQualifies)
{
    const Board layout = BoardFromPicture(Seed0Layout);
    const std::string layoutMarks(Seed0Layout);
    const std::vector<ClueCase> cases = {
        {"water cell still UNKNOWN once all ships are marked", layoutMarks, {{3, 3, UNKNOWN}}, {3, 3}},
        {"ship cell with the wrong piece", layoutMarks, {{2, 7, SQUARE}}, {2, 7}},
        {"water cell marked with a ship piece", layoutMarks, {{4, 4, NORTH}}, {4, 4}},
        {"unmarked ship cell among 80 unknown water cells", ShipsOnly(), {{9, 5, UNKNOWN}}, {9, 5}},
        {"unmarked ship cell before a wrong piece", layoutMarks, {{9, 5, WATER}, {2, 7, SQUARE}}, {9, 5}},
    };
    for (const ClueCase& entry : cases)
        for (std::uint32_t seed = 0; seed < 20; ++seed) {
            GameRandom random = SeededAfter(seed, 0);
            EXPECT_EQ(ChooseClueCell(layout, Marking(entry.marks, entry.changes), random), entry.clue)
                << entry.what << ", seed " << seed;
        }
}

struct FleetCase {
    const char* what;
    std::string marks;
    std::vector<Mark> changes;
    std::optional<std::string_view> fleet;
};

TEST(PuzzleRulesTest, FleetInMarksReadsOnlyWholeFleets)
{
    const std::string layoutMarks(Seed0Layout);
    const std::vector<FleetCase> cases = {
        {"only the ships marked", ShipsOnly(), {}, Seed0Layout},
        {"ships and water marked", layoutMarks, {}, Seed0Layout},
        {"another fleet", std::string(Seed0SubmarinesSwapped), {}, Seed0SubmarinesSwapped},
        {"a top end marked as a middle", layoutMarks, {{2, 7, SQUARE}}, std::nullopt},
        {"a one-cell ship marked as a top end", layoutMarks, {{0, 0, NORTH}}, std::nullopt},
        {"a ship across marked as a ship down", layoutMarks, {{3, 0, NORTH}, {3, 1, SOUTH}}, std::nullopt},
        {"a ship cell left unknown", ShipsOnly(), {{9, 5, UNKNOWN}}, std::nullopt},
        {"a one-cell ship touching two others at their corners", layoutMarks, {{0, 0, WATER}, {1, 8, ROUND}},
         std::nullopt},
        {"a one-cell ship beside the end of another ship", layoutMarks, {{0, 0, WATER}, {2, 6, ROUND}},
         std::nullopt},
        {"the longest ship one cell longer", layoutMarks, {{8, 8, SQUARE}, {9, 8, SOUTH}}, std::nullopt},
        {"an eleventh ship", layoutMarks, {{8, 3, ROUND}}, std::nullopt},
        {"a one-cell ship short", layoutMarks, {{9, 5, WATER}}, std::nullopt},
    };
    for (const FleetCase& entry : cases) {
        const std::optional<Board> fleet = FleetInMarks(Marking(entry.marks, entry.changes));
        ASSERT_EQ(fleet.has_value(), entry.fleet.has_value()) << entry.what;
        if (fleet) {
            EXPECT_EQ(PictureOf(*fleet), PictureOf(BoardFromPicture(*entry.fleet))) << entry.what;
        }
    }
}

struct OtherFleetCase {
    const char* what;
    std::string marks;
    std::vector<Mark> changes;
    std::vector<Mark> revealed;
    bool otherFleet;
};

TEST(PuzzleRulesTest, MarksHoldAnotherFittingFleet)
{
    const Board layout = BoardFromPicture(Seed0Layout);
    const std::string swapped(Seed0SubmarinesSwapped);
    const std::vector<OtherFleetCase> cases = {
        {"another fleet with the same counts", swapped, {}, {}, true},
        {"the same, agreeing with a clue", swapped, {}, {{3, 0, WEST}, {4, 4, WATER}}, true},
        {"the same, where a clue showed a one-cell ship it lacks", swapped, {}, {{0, 0, ROUND}}, false},
        {"the same, where a clue showed water it has a ship on", swapped, {}, {{1, 0, WATER}}, false},
        {"the same with an end marked as a middle", swapped, {{3, 0, SQUARE}}, {}, false},
        {"the hidden fleet", ShipsOnly(), {}, {{0, 0, ROUND}}, false},
        {"a whole fleet that misses the counts", std::string(Seed0Layout), {{9, 5, WATER}, {8, 3, ROUND}}, {}, false},
        {"no whole fleet", AllUnknown, {}, {}, false},
    };
    for (const OtherFleetCase& entry : cases) {
        FleetEvidence evidence = FleetEvidence::CountsOf(layout);
        for (const Mark& clue : entry.revealed)
            evidence.Reveal(clue.row, clue.column, clue.kind);
        EXPECT_EQ(MarksHoldAnotherFittingFleet(layout, Marking(entry.marks, entry.changes), evidence), entry.otherFleet)
            << entry.what;
    }
}

struct FillCase {
    const char* what;
    void (*fill)(MarkGrid&, int);
    int line;
    std::string_view before;
    std::string_view after;
};

TEST(PuzzleRulesTest, FillsTurnOnlyUnknownMarksOfTheLineIntoWater)
{
    // The ROUND in row 4 stands for a clue cell; the cell with identifier 2047 is row 5, column H.
    constexpr std::array<FillCase, 2> cases = {{
        {"fill row 4", FillRowWithWater, 3,
         R"(??????????
            ??????????
            ??????????
            ?.?#?o????
            ??????????
            ??????????
            ??????????
            ??????????
            ??????????
            ??????????)",
         R"(??????????
            ??????????
            ??????????
            ...#.o....
            ??????????
            ??????????
            ??????????
            ??????????
            ??????????
            ??????????)"},
        {"fill column H from cell 2047", FillColumnWithWater, (2047 - FirstCellId) % BoardSize,
         R"(???????^??
            ???????#??
            ???????v??
            ??????????
            ????<>????
            ??????????
            ?????????.
            ??????????
            ??????????
            ??????????)",
         R"(???????^??
            ???????#??
            ???????v??
            ???????.??
            ????<>?.??
            ???????.??
            ???????.?.
            ???????.??
            ???????.??
            ???????.??)"},
    }};
    for (const FillCase& entry : cases) {
        ArrayMarkGrid marks = MarksFromPicture(entry.before);
        const std::string after = PictureOf(MarksFromPicture(entry.after));
        entry.fill(marks, entry.line);
        EXPECT_EQ(PictureOf(marks), after) << entry.what;
        entry.fill(marks, entry.line);
        EXPECT_EQ(PictureOf(marks), after) << entry.what << ", a second time";
    }
}

} // namespace
