// The fleet solver: hand-checked boards, the hidden fleet among those found, the cap, and a plain search
// of every placement to check the pruned one against.
#include "BoardPicture.h"
#include "FleetSolver.h"
#include "KnownLayouts.h"
#include "PuzzleRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace {

// Ten counts written as ten digits, row 1 or column A first.
LineCounts Counts(std::string_view digits)
{
    LineCounts counts{};
    for (int line = 0; line < BoardSize; ++line)
        counts[line] = digits[line] - '0';
    return counts;
}

struct Revealed {
    int row;
    int column;
    PieceKind kind;
};

FleetEvidence Evidence(std::string_view rows, std::string_view columns, const std::vector<Revealed>& revealed = {})
{
    FleetEvidence evidence(Counts(rows), Counts(columns));
    for (const Revealed& cell : revealed)
        evidence.Reveal(cell.row, cell.column, cell.kind);
    return evidence;
}

std::set<std::string> Pictures(const std::vector<Board>& fleets)
{
    std::set<std::string> pictures;
    for (const Board& fleet : fleets)
        pictures.insert(PictureOf(fleet));
    return pictures;
}

// Every cell of the layout revealed but the given ones.
FleetEvidence RevealedExcept(const Board& layout, const std::vector<CellPosition>& hidden)
{
    FleetEvidence evidence = FleetEvidence::CountsOf(layout);
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            if (std::find(hidden.begin(), hidden.end(), CellPosition{row, column}) == hidden.end())
                evidence.Reveal(row, column, layout.At(row, column));
    return evidence;
}

constexpr std::array<int, 2> TwoSubmarines = {1, 1};
constexpr std::array<int, 1> OneDestroyer = {2};

struct SmallCase {
    const char* name;
    std::span<const int> fleet;
    FleetEvidence evidence;
    std::vector<std::string_view> fleets;
};

// Boards small enough to check by hand: ships only in the top-left corner of an otherwise empty board.
TEST(FleetSolverTest, SmallBoardsCheckedByHand)
{
    constexpr std::string_view CornersAC = R"(
        o.........
        ..........
        ..o.......
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........)";
    constexpr std::string_view CornersCA = R"(
        ..o.......
        ..........
        o.........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........)";
    constexpr std::string_view DestroyerAcross = R"(
        <>........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........)";
    constexpr std::string_view DestroyerDown = R"(
        ^.........
        v.........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........
        ..........)";
    const std::vector<SmallCase> cases = {
        {"two one-cell ships that may trade columns", TwoSubmarines,
         Evidence("1010000000", "1010000000"), {CornersAC, CornersCA}},
        {"the same with a one-cell ship revealed in row 1, column A", TwoSubmarines,
         Evidence("1010000000", "1010000000", {{0, 0, ROUND}}), {CornersAC}},
        {"the same with water revealed in row 1, column A", TwoSubmarines,
         Evidence("1010000000", "1010000000", {{0, 0, WATER}}), {CornersCA}},
        {"the same with a top end revealed where only a one-cell ship fits", TwoSubmarines,
         Evidence("1010000000", "1010000000", {{0, 0, NORTH}}), {}},
        {"one-cell ships side by side", TwoSubmarines, Evidence("2000000000", "1100000000"), {}},
        {"one-cell ships touching at a corner, either way", TwoSubmarines, Evidence("1100000000", "1100000000"), {}},
        {"counts that do not add up to the fleet", TwoSubmarines, Evidence("1000000000", "1010000000"), {}},
        {"a destroyer across", OneDestroyer, Evidence("2000000000", "1100000000"), {DestroyerAcross}},
        {"a destroyer down", OneDestroyer, Evidence("1100000000", "2000000000"), {DestroyerDown}},
        {"a destroyer down with its bottom end revealed", OneDestroyer,
         Evidence("1100000000", "2000000000", {{1, 0, SOUTH}}), {DestroyerDown}},
        {"a destroyer down with its bottom revealed as a left end", OneDestroyer,
         Evidence("1100000000", "2000000000", {{1, 0, WEST}}), {}},
        {"a destroyer that would have to bend", OneDestroyer, Evidence("1100000000", "1100000000"), {}},
    };
    for (const SmallCase& entry : cases) {
        std::set<std::string> pictures;
        for (std::string_view picture : entry.fleets)
            pictures.insert(PictureOf(BoardFromPicture(picture)));
        const FleetSolver solver(entry.evidence, entry.fleet);
        EXPECT_EQ(Pictures(solver.List(10)), pictures) << entry.name;
        EXPECT_EQ(solver.Count(), (FleetCount{static_cast<int>(pictures.size()), false})) << entry.name;
    }
}

struct FullCase {
    const char* name;
    FleetEvidence evidence;
    std::vector<std::string_view> fleets;
};

TEST(FleetSolverTest, WholeFleetsCheckedByHand)
{
    const Board layout = BoardFromPicture(Seed0Layout);
    FleetEvidence clueInAnEmptyRow = FleetEvidence::CountsOf(layout);
    clueInAnEmptyRow.Reveal(4, 4, ROUND);
    FleetEvidence shipsRevealed = FleetEvidence::CountsOf(layout);
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            if (IsShipPiece(layout.At(row, column)))
                shipsRevealed.Reveal(row, column, layout.At(row, column));

    const std::vector<FullCase> cases = {
        {"all but the cells of two submarines that may trade places revealed",
         RevealedExcept(layout, {{0, 0}, {0, 4}, {1, 0}, {1, 4}}), {Seed0Layout, Seed0SubmarinesSwapped}},
        {"all but two ship cells that only the hidden fleet can fill", RevealedExcept(layout, {{5, 3}, {9, 5}}),
         {Seed0Layout}},
        {"every ship cell revealed, the water not", shipsRevealed, {Seed0Layout}},
        {"a one-cell ship revealed in a row whose count is 0", clueInAnEmptyRow, {}},
    };
    for (const FullCase& entry : cases) {
        std::set<std::string> pictures;
        for (std::string_view picture : entry.fleets)
            pictures.insert(PictureOf(BoardFromPicture(picture)));
        const FleetSolver solver(entry.evidence);
        EXPECT_EQ(Pictures(solver.List(10)), pictures) << entry.name;
        EXPECT_EQ(solver.Count(), (FleetCount{static_cast<int>(pictures.size()), false})) << entry.name;
    }
}

// A board marked cell for cell.
ArrayMarkGrid MarksOf(const Board& board)
{
    ArrayMarkGrid marks;
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            marks.SetMark(row, column, board.At(row, column));
    return marks;
}

// Each fleet found fits, is a whole fleet as the marks would be read, and is found once; the hidden one is
// among them, with the counts alone and after the first clues of the game's own order.
TEST(FleetSolverTest, TheHiddenFleetIsAlwaysFound)
{
    constexpr int Everything = 100'000;
    for (std::uint32_t seed = 0; seed < 8; ++seed) {
        GameRandom random = SeededAfter(seed, 0);
        Board layout;
        GenerateLayout(layout, random);
        FleetEvidence evidence = FleetEvidence::CountsOf(layout);
        ArrayMarkGrid marks;
        for (int clues = 0; clues <= 3; ++clues) {
            const FleetSolver solver(evidence);
            const std::vector<Board> fleets = solver.List(Everything);
            EXPECT_EQ(Pictures(fleets).size(), fleets.size()) << "seed " << seed << ": a fleet met twice";
            EXPECT_EQ(solver.Count(Everything), (FleetCount{static_cast<int>(fleets.size()), false}));
            EXPECT_EQ(std::count(fleets.begin(), fleets.end(), layout), 1)
                << "seed " << seed << " after " << clues << " clues:\n" << PictureOf(layout);
            for (const Board& fleet : fleets) {
                ASSERT_TRUE(evidence.Fits(fleet)) << PictureOf(fleet);
                ASSERT_EQ(FleetInMarks(MarksOf(fleet)), fleet) << PictureOf(fleet);
            }
            const std::optional<CellPosition> clue = ChooseClueCell(layout, marks, random);
            marks.SetMark(clue->row, clue->column, layout.At(clue->row, clue->column));
            evidence.Reveal(clue->row, clue->column, layout.At(clue->row, clue->column));
        }
    }
}

TEST(FleetSolverTest, CountStopsAtItsCapAndSaysMore)
{
    // Seed 0's counts alone fit 814 fleets; seed 22's more than the usual cap.
    const FleetSolver seed0(FleetEvidence::CountsOf(BoardFromPicture(Seed0Layout)));
    EXPECT_EQ(seed0.Count(814), (FleetCount{814, false}));
    EXPECT_EQ(seed0.Count(813), (FleetCount{813, true}));
    EXPECT_EQ(seed0.Count(0), (FleetCount{0, true}));
    EXPECT_EQ(seed0.Count(), (FleetCount{814, false}));
    EXPECT_EQ(seed0.List(5).size(), 5u);

    GameRandom random = SeededAfter(22, 0);
    Board layout;
    GenerateLayout(layout, random);
    EXPECT_EQ(FleetSolver(FleetEvidence::CountsOf(layout)).Count(), (FleetCount{FleetSolver::CountCap, true}));
}

// Every way of putting the ships down one after the other, with no order among them and nothing pruned but
// lines that already hold more ship cells than their counts: slow, and plainly right.
class PlainSearch {
public:
    PlainSearch(const FleetEvidence& evidence, std::span<const int> fleet) : evidence(evidence), fleet(fleet) {}

    std::set<std::string> Fleets()
    {
        Place(0, Board());
        return found;
    }

private:
    void Place(std::size_t ship, const Board& board)
    {
        if (ship == fleet.size()) {
            if (evidence.Fits(board))
                found.insert(PictureOf(board));
            return;
        }
        const int length = fleet[ship];
        for (ShipAxis axis : {ShipAxis::Across, ShipAxis::Down})
            for (int row = 0; row < BoardSize; ++row)
                for (int column = 0; column < BoardSize; ++column) {
                    Board next = board;
                    bool clear = true;
                    for (int place = 0; place < length && clear; ++place) {
                        const int r = row + (axis == ShipAxis::Down ? place : 0);
                        const int c = column + (axis == ShipAxis::Across ? place : 0);
                        clear = OnBoard(r, c) && AreaIsClear(board, r, c);
                        if (clear)
                            next.Set(r, c, ShipPiece(length, place, axis));
                    }
                    if (clear && WithinCounts(next))
                        Place(ship + 1, next);
                }
    }

    bool WithinCounts(const Board& board) const
    {
        for (int line = 0; line < BoardSize; ++line)
            if (RowShipCount(board, line) > evidence.RowCount(line) ||
                ColumnShipCount(board, line) > evidence.ColumnCount(line))
                return false;
        return true;
    }

    const FleetEvidence& evidence;
    std::span<const int> fleet;
    std::set<std::string> found;
};

// Reveals a cell drawn from the source: a water cell, or a ship cell.
void RevealDrawn(FleetEvidence& evidence, const Board& layout, GameRandom& random, bool water)
{
    for (;;) {
        const int row = random.Next() % BoardSize;
        const int column = random.Next() % BoardSize;
        if ((layout.At(row, column) == WATER) == water)
            return evidence.Reveal(row, column, layout.At(row, column));
    }
}

TEST(FleetSolverTest, AgreesWithAPlainSearchOnSmallerFleets)
{
    // Unsorted on purpose: the solver takes the longest first whatever the order given.
    constexpr std::array<int, 5> fiveShips = {2, 3, 1, 2, 1};
    constexpr std::array<int, 3> shortOnes = {1, 2, 1};
    for (std::span<const int> fleet : {std::span<const int>(fiveShips), std::span<const int>(shortOnes)})
        for (std::uint32_t seed = 0; seed < 6; ++seed) {
            GameRandom random = SeededAfter(seed, 0);
            Board layout;
            GenerateLayout(layout, random, fleet);
            FleetEvidence evidence = FleetEvidence::CountsOf(layout);
            for (int revealed = 0; revealed <= 2; ++revealed) {
                const std::set<std::string> plain = PlainSearch(evidence, fleet).Fleets();
                ASSERT_TRUE(plain.count(PictureOf(layout))) << "the plain search misses the layout";
                EXPECT_EQ(Pictures(FleetSolver(evidence, fleet).List(100'000)), plain)
                    << "seed " << seed << ", " << revealed << " cells revealed, layout\n" << PictureOf(layout);
                RevealDrawn(evidence, layout, random, /*water=*/revealed == 0);
            }
        }
}

} // namespace
