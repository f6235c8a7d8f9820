// Counts, the solved test, the clue choice and the water fills.
#include "PuzzleRules.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

bool EveryMarkMatches(const Board& layout, const MarkGrid& marks)
{
    const std::array<PieceKind, CellCount> all = marks.AllMarks();
    for (int index = 0; index < CellCount; ++index)
        if (all[index] != layout.At(index / BoardSize, index % BoardSize))
            return false;
    return true;
}

bool IsUnmarked(PieceKind mark) { return mark == WATER || mark == UNKNOWN; }

// Which ship each cell belongs to, numbered from 1; 0 for water.
using ShipNumbers = std::array<int, CellCount>;

// Reads the ship whose top or left cell is (row, column) and numbers its cells; its length, or 0 when the
// pieces there make no straight ship. A ship is known by its first piece: ROUND stands alone, WEST runs
// across, NORTH runs down.
int ReadShip(const Board& board, int row, int column, int number, ShipNumbers& ships)
{
    const PieceKind first = board.At(row, column);
    if (first != ROUND && first != WEST && first != NORTH)
        return 0;
    const ShipAxis axis = first == NORTH ? ShipAxis::Down : ShipAxis::Across;
    const int rowStep = axis == ShipAxis::Down ? 1 : 0;
    const int columnStep = 1 - rowStep;
    int length = 1;
    if (first != ROUND)
        while (OnBoard(row + length * rowStep, column + length * columnStep) &&
               IsShipPiece(board.At(row + length * rowStep, column + length * columnStep)))
            ++length;
    for (int place = 0; place < length; ++place) {
        const int r = row + place * rowStep;
        const int c = column + place * columnStep;
        if (ships[CellIndex(r, c)] != 0 || board.At(r, c) != ShipPiece(length, place, axis))
            return 0;
        ships[CellIndex(r, c)] = number;
    }
    return length;
}

// No ship cell has a cell of another ship among its eight neighbours.
bool ShipsKeepApart(const ShipNumbers& ships)
{
    for (int index = 0; index < CellCount; ++index) {
        if (ships[index] == 0)
            continue;
        for (const CellOffset& offset : NeighbourOffsets) {
            const int row = index / BoardSize + offset.row;
            const int column = index % BoardSize + offset.column;
            const int neighbour = OnBoard(row, column) ? ships[CellIndex(row, column)] : 0;
            if (neighbour != 0 && neighbour != ships[index])
                return false;
        }
    }
    return true;
}

} // namespace

bool IsSolved(const Board& layout, const MarkGrid& marks)
{
    // All marks in one call: a call per cell would cost more than the test itself.
    const std::array<PieceKind, CellCount> all = marks.AllMarks();
    for (int index = 0; index < CellCount; ++index) {
        const PieceKind kind = layout.At(index / BoardSize, index % BoardSize);
        const PieceKind mark = all[index];
        if (mark != kind && !(kind == WATER && mark == UNKNOWN))
            return false;
    }
    return true;
}

bool AllShipsMarked(const Board& layout, const MarkGrid& marks)
{
    const std::array<PieceKind, CellCount> all = marks.AllMarks();
    for (int index = 0; index < CellCount; ++index)
        if (IsShipPiece(layout.At(index / BoardSize, index % BoardSize)) && IsUnmarked(all[index]))
            return false;
    return true;
}

std::optional<CellPosition> ChooseClueCell(const Board& layout, const MarkGrid& marks, GameRandom& random)
{
    // With nothing left to reveal the draws below would never end.
    if (EveryMarkMatches(layout, marks))
        return std::nullopt;
    const bool allMarked = AllShipsMarked(layout, marks);
    for (;;) {
        const int row = random.Next() % BoardSize;
        const int column = random.Next() % BoardSize;
        const PieceKind kind = layout.At(row, column);
        const PieceKind mark = marks.MarkAt(row, column);
        if ((kind != WATER && IsUnmarked(mark)) || (allMarked && mark != kind))
            return CellPosition{row, column};
    }
}

void FillRowWithWater(MarkGrid& marks, int row)
{
    for (int column = 0; column < BoardSize; ++column)
        if (marks.MarkAt(row, column) == UNKNOWN)
            marks.SetMark(row, column, WATER);
}

void FillColumnWithWater(MarkGrid& marks, int column)
{
    for (int row = 0; row < BoardSize; ++row)
        if (marks.MarkAt(row, column) == UNKNOWN)
            marks.SetMark(row, column, WATER);
}

std::optional<Board> FleetInMarks(const MarkGrid& marks, std::span<const int> fleet)
{
    Board board;
    const std::array<PieceKind, CellCount> all = marks.AllMarks();
    for (int index = 0; index < CellCount; ++index)
        if (IsShipPiece(all[index]))
            board.Set(index / BoardSize, index % BoardSize, all[index]);

    // In cell order every ship is met first at its top or left cell.
    ShipNumbers ships{};
    std::vector<int> lengths;
    for (int index = 0; index < CellCount; ++index) {
        if (!IsShipPiece(all[index]) || ships[index] != 0)
            continue;
        const int number = static_cast<int>(lengths.size()) + 1;
        const int length = ReadShip(board, index / BoardSize, index % BoardSize, number, ships);
        if (length == 0)
            return std::nullopt;
        lengths.push_back(length);
    }
    std::vector<int> wanted(fleet.begin(), fleet.end());
    std::sort(lengths.begin(), lengths.end());
    std::sort(wanted.begin(), wanted.end());
    if (lengths != wanted || !ShipsKeepApart(ships))
        return std::nullopt;
    return board;
}

bool MarksHoldAnotherFittingFleet(const Board& layout, const MarkGrid& marks, const FleetEvidence& evidence)
{
    const std::optional<Board> fleet = FleetInMarks(marks);
    return fleet && evidence.Fits(*fleet) && !IsSolved(layout, marks);
}
