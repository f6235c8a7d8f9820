// The fleet generator, draw for draw, and the shape of every fleet it makes.
#include "BoardPicture.h"
#include "FleetGenerator.h"
#include "KnownLayouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace {

// The lengths of the ships on a layout, longest first; fails the test on a cell that is not part of a
// straight ship with the right end, middle or round pieces. Ships touching in any of the eight
// directions are grouped as one and so show up as misshapen.
std::vector<int> ShipLengths(const Board& board)
{
    std::array<bool, CellCount> seen{};
    std::vector<int> lengths;
    for (int start = 0; start < CellCount; ++start) {
        const PieceKind kind = board.At(start / BoardSize, start % BoardSize);
        EXPECT_NE(kind, UNKNOWN) << "cell " << start;
        if (seen[start] || !IsShipPiece(kind))
            continue;
        std::vector<int> cells;
        std::function<void(int, int)> visit = [&](int row, int column) {
            if (row < 0 || row >= BoardSize || column < 0 || column >= BoardSize)
                return;
            const int index = CellIndex(row, column);
            if (seen[index] || !IsShipPiece(board.At(row, column)))
                return;
            seen[index] = true;
            cells.push_back(index);
            for (const CellOffset& offset : NeighbourOffsets)
                visit(row + offset.row, column + offset.column);
        };
        visit(start / BoardSize, start % BoardSize);
        std::sort(cells.begin(), cells.end());

        const int length = static_cast<int>(cells.size());
        const int step = length > 1 ? cells[1] - cells[0] : 1;
        const bool down = step == BoardSize;
        std::vector<PieceKind> expected(length, SQUARE);
        expected.front() = down ? NORTH : WEST;
        expected.back() = down ? SOUTH : EAST;
        if (length == 1)
            expected.front() = ROUND;
        for (int i = 0; i < length; ++i) {
            const int index = cells[i];
            const bool inLine = index == cells[0] + i * step && (down || index / BoardSize == cells[0] / BoardSize);
            EXPECT_TRUE(inLine && board.At(index / BoardSize, index % BoardSize) == expected[i])
                << "misshapen ship at cell " << index << " on\n" << PictureOf(board);
        }
        lengths.push_back(length);
    }
    std::sort(lengths.rbegin(), lengths.rend());
    return lengths;
}

struct SeedCase {
    std::uint32_t seed;
    std::array<int, FleetTable.size()> attempts; // per ship, in fleet order
    int draws;
    std::string_view layout;
};

class GeneratorSeedTest : public testing::TestWithParam<SeedCase> {};

TEST_P(GeneratorSeedTest, EachShipTakesItsAttempts)
{
    const SeedCase& expected = GetParam();
    GameRandom random = SeededAfter(expected.seed, 0);
    Board board;
    for (std::size_t ship = 0; ship < FleetTable.size(); ++ship) {
        // A ship that never finds a place fails here rather than looping on.
        constexpr int AttemptBudget = 1000;
        int attempts = 1;
        while (!PlaceShip(board, FleetTable[ship], random) && attempts < AttemptBudget)
            ++attempts;
        ASSERT_LT(attempts, AttemptBudget) << "ship " << ship << " found no place";
        EXPECT_EQ(attempts, expected.attempts[ship]) << "ship " << ship;
    }
    EXPECT_EQ(PictureOf(board), PictureOf(BoardFromPicture(expected.layout)));
}

TEST_P(GeneratorSeedTest, LayoutComesOutDrawForDraw)
{
    const SeedCase& expected = GetParam();
    GameRandom random = SeededAfter(expected.seed, 0);
    // Whatever the board held before is replaced whole.
    Board board = BoardFromPicture(std::string(CellCount, '#'));
    GenerateLayout(board, random);
    EXPECT_EQ(PictureOf(board), PictureOf(BoardFromPicture(expected.layout)));
    EXPECT_EQ(random, SeededAfter(expected.seed, expected.draws));
}

INSTANTIATE_TEST_SUITE_P(KnownSeeds, GeneratorSeedTest,
    testing::Values(SeedCase{0, {1, 2, 1, 1, 2, 2, 2, 2, 5, 2}, 60, Seed0Layout},
                    SeedCase{1, {1, 1, 1, 3, 7, 1, 4, 3, 4, 4}, 87, Seed1Layout}));

TEST(FleetGeneratorTest, FailedAttemptLeavesTheBoardAsItWas)
{
    // With seed 0 the first attempt at the second ship touches the first.
    GameRandom random = SeededAfter(0, 0);
    Board board;
    ASSERT_TRUE(PlaceShip(board, 4, random));
    const Board before = board;
    EXPECT_FALSE(PlaceShip(board, 3, random));
    EXPECT_EQ(board, before);
    EXPECT_EQ(random, SeededAfter(0, 6));
}

struct ClearCase {
    int row;
    int column;
    bool clear;
};

TEST(FleetGeneratorTest, AreaIsClearLooksAtTheCellAndItsEightNeighbours)
{
    const Board board = BoardFromPicture(R"(
        ..........
        ..........
        ..........
        ..........
        ....o.....
        ..........
        ..........
        ..........
        ..........
        v.........
    )");
    constexpr std::array<ClearCase, 14> cases = {{
        {4, 4, false}, {4, 5, false}, {5, 5, false}, {5, 4, false}, {5, 3, false},
        {4, 3, false}, {3, 3, false}, {3, 4, false}, {3, 5, false},
        {4, 6, true}, {2, 4, true}, {0, 0, true}, {8, 1, false}, {9, 9, true},
    }};
    for (const ClearCase& cell : cases)
        EXPECT_EQ(AreaIsClear(board, cell.row, cell.column), cell.clear)
            << "row " << cell.row << ", column " << cell.column;
}

// Seven submarines are more than the board can always take: with seed 150 the first pass leaves the
// last of them no room at all, and the second pass places the whole fleet.
constexpr std::array<int, 13> CrowdedFleet = {4, 3, 3, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1};

constexpr std::string_view Seed150Jammed = R"(
    .....o....
    o.^.....^.
    ..#.....v.
    o.v..o....
    ..........
    o.o.....^.
    .....^..#.
    .....#..#.
    ^..^.v..v.
    v..v......
)";

constexpr std::string_view Seed150Layout = R"(
    ......o...
    ....^.....
    ....#.<##>
    .<>.v.....
    ......<>.^
    ..^......#
    o.v......v
    ....o.o...
    .........o
    ..o..o....
)";

struct RoomCase {
    Board board;
    int length;
    bool room;
};

TEST(FleetGeneratorTest, HasClearPositionTriesEveryStartAndDirection)
{
    // Only column 9 (first picture) or row 9 (second) is clear, in runs of at most two cells.
    constexpr std::string_view downOnly = R"(
        .#..#..#..
        .#..#..#..
        .#..#..#..
        .#..#..#.o
        .#..#..#..
        .#..#..#..
        .#..#..#..
        .#..#..#.o
        .#..#..#..
        .#..#..#..
    )";
    constexpr std::string_view acrossOnly = R"(
        ..........
        ##########
        ..........
        ..........
        ##########
        ..........
        ..........
        ##########
        ..........
        ...o...o..
    )";
    const Board down = BoardFromPicture(downOnly);
    const Board across = BoardFromPicture(acrossOnly);
    const Board jammed = BoardFromPicture(Seed150Jammed);
    const std::array<RoomCase, 10> cases = {{
        {down, 1, true}, {down, 2, true}, {down, 3, false}, {down, 4, false},
        {across, 1, true}, {across, 2, true}, {across, 3, false}, {across, 4, false},
        {jammed, 1, false}, {Board(), 4, true},
    }};
    for (const RoomCase& entry : cases)
        EXPECT_EQ(HasClearPosition(entry.board, entry.length), entry.room)
            << "length " << entry.length << " on\n" << PictureOf(entry.board);
}

TEST(FleetGeneratorTest, PassStopsWhenAShipHasNoRoomLeft)
{
    GameRandom random = SeededAfter(150, 0);
    Board board;
    EXPECT_FALSE(PlaceFleet(board, CrowdedFleet, random));
    EXPECT_EQ(PictureOf(board), PictureOf(BoardFromPicture(Seed150Jammed)));
}

TEST(FleetGeneratorTest, GeneratorStartsAgainFromWaterWhenAShipHasNoRoom)
{
    GameRandom twoPasses = SeededAfter(150, 0);
    Board scratch;
    ASSERT_FALSE(PlaceFleet(scratch, CrowdedFleet, twoPasses));
    ASSERT_TRUE(PlaceFleet(scratch, CrowdedFleet, twoPasses));

    GameRandom random = SeededAfter(150, 0);
    Board board;
    GenerateLayout(board, random, CrowdedFleet);
    EXPECT_EQ(PictureOf(board), PictureOf(BoardFromPicture(Seed150Layout)));
    EXPECT_EQ(random, twoPasses);
    EXPECT_EQ(ShipLengths(board), std::vector<int>(CrowdedFleet.begin(), CrowdedFleet.end()));
}

TEST(FleetGeneratorTest, EveryLayoutHoldsTheWholeFleetApart)
{
    const std::vector<int> fleet(FleetTable.begin(), FleetTable.end());
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        GameRandom random = SeededAfter(seed, 0);
        Board board;
        GenerateLayout(board, random);
        ASSERT_EQ(ShipLengths(board), fleet) << "seed " << seed;
    }
}

// Ships read from their top or left end: a length and an axis give the pieces in order.
TEST(ShipPieceTest, EachLengthAndAxisReadsEndToEnd)
{
    const struct {
        int length;
        ShipAxis axis;
        std::vector<PieceKind> pieces;
    } cases[] = {
        {1, ShipAxis::Down, {ROUND}},
        {1, ShipAxis::Across, {ROUND}},
        {2, ShipAxis::Down, {NORTH, SOUTH}},
        {2, ShipAxis::Across, {WEST, EAST}},
        {4, ShipAxis::Down, {NORTH, SQUARE, SQUARE, SOUTH}},
        {3, ShipAxis::Across, {WEST, SQUARE, EAST}},
    };
    for (const auto& c : cases) {
        std::vector<PieceKind> pieces;
        for (int index = 0; index < c.length; ++index)
            pieces.push_back(ShipPiece(c.length, index, c.axis));
        EXPECT_EQ(pieces, c.pieces) << "length " << c.length << (c.axis == ShipAxis::Down ? " down" : " across");
    }
}

} // namespace
