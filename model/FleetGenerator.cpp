// The fleet generator: ships drawn one at a time, each kept clear of those already placed.
#include "FleetGenerator.h"

namespace {

struct Direction {
    int rowStep;
    int columnStep;
    ShipAxis axis;
};

// Indexed by the drawn direction: 0 runs down from the start cell, 1 runs right.
constexpr std::array<Direction, 2> Directions = {{
    {1, 0, ShipAxis::Down},
    {0, 1, ShipAxis::Across},
}};

struct ShipEnds {
    PieceKind first;
    PieceKind last;
};

constexpr ShipEnds EndsDown = {NORTH, SOUTH};
constexpr ShipEnds EndsAcross = {WEST, EAST};

// Every cell of the ship is tested on the board as it is, so the ship never blocks itself.
bool ShipFits(const Board& board, int row, int column, int length, const Direction& way)
{
    for (int index = 0; index < length; ++index)
        if (!AreaIsClear(board, row + index * way.rowStep, column + index * way.columnStep))
            return false;
    return true;
}

} // namespace

PieceKind ShipPiece(int length, int index, ShipAxis axis)
{
    const ShipEnds& ends = axis == ShipAxis::Down ? EndsDown : EndsAcross;
    if (length == 1)
        return ROUND;
    if (index == 0)
        return ends.first;
    return index == length - 1 ? ends.last : SQUARE;
}

void GenerateLayout(Board& board, GameRandom& random, std::span<const int> fleet)
{
    while (!PlaceFleet(board, fleet, random))
        continue;
}

bool PlaceFleet(Board& board, std::span<const int> fleet, GameRandom& random)
{
    board.FillWater();
    for (int length : fleet) {
        // The board does not change while a ship keeps failing, so one look for room is enough.
        bool roomSeen = false;
        while (!PlaceShip(board, length, random)) {
            if (!roomSeen && !HasClearPosition(board, length))
                return false;
            roomSeen = true;
        }
    }
    return true;
}

bool PlaceShip(Board& board, int length, GameRandom& random)
{
    const Direction& way = Directions[random.Next() % 2];
    // Along its own direction the start range keeps the whole ship on the board.
    const int row = random.Next() % (way.rowStep ? BoardSize + 1 - length : BoardSize);
    const int column = random.Next() % (way.columnStep ? BoardSize + 1 - length : BoardSize);
    // Testing every cell before writing any gives what a scratch copy would: a failed attempt changes nothing.
    if (!ShipFits(board, row, column, length, way))
        return false;
    for (int index = 0; index < length; ++index)
        board.Set(row + index * way.rowStep, column + index * way.columnStep, ShipPiece(length, index, way.axis));
    return true;
}

bool AreaIsClear(const Board& board, int row, int column)
{
    for (const CellOffset& offset : NeighbourOffsets) {
        const int r = row + offset.row;
        const int c = column + offset.column;
        if (OnBoard(r, c) && board.At(r, c) != WATER)
            return false;
    }
    return true;
}

bool HasClearPosition(const Board& board, int length)
{
    for (const Direction& way : Directions)
        for (int row = 0; row + (length - 1) * way.rowStep < BoardSize; ++row)
            for (int column = 0; column + (length - 1) * way.columnStep < BoardSize; ++column)
                if (ShipFits(board, row, column, length, way))
                    return true;
    return false;
}
