// Draws a new hidden fleet of ten non-touching ships onto a board.
#pragma once

#include "Board.h"
#include "GameRandom.h"

#include <array>
#include <span>

// Longest first: the big ships need the most room and still find it on an emptier board.
inline constexpr std::array<int, 10> FleetTable = {4, 3, 3, 2, 2, 2, 1, 1, 1, 1};

struct CellOffset {
    int row;
    int column;
};

// The area a ship cell needs clear: the cell and all eight around it, since ships may not touch even at
// a corner.
inline constexpr std::array<CellOffset, 9> NeighbourOffsets = {{
    {0, 0}, {0, +1}, {+1, +1}, {+1, 0}, {+1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, +1},
}};

enum class ShipAxis { Down, Across };

// The piece at place index (0 = top or left) of a ship of the given length lying along axis: a one-cell
// ship is ROUND; a longer one reads NORTH..SOUTH down or WEST..EAST across, with SQUARE between.
PieceKind ShipPiece(int length, int index, ShipAxis axis);

// Fills the board with a complete fleet; the result depends only on the random state, so a seed replays
// a game. Ships placed early can leave a later one no room at all, and no amount of retrying that ship
// would help: the whole fleet is drawn again from water, the random state running on so that the next try
// differs. The fleet must fit on the board at least some of the time.
void GenerateLayout(Board& board, GameRandom& random, std::span<const int> fleet = FleetTable);

// One pass of the generator: water, then the ships in order. False as soon as a ship has no clear position
// left; the board then holds the ships placed before it.
bool PlaceFleet(Board& board, std::span<const int> fleet, GameRandom& random);

// One attempt at a ship of length 1..4. It always takes three draws, even for a one-cell ship whose
// direction decides nothing, so that a seed keeps giving the same fleet. On failure the board is unchanged.
bool PlaceShip(Board& board, int length, GameRandom& random);

// True when the cell and each of its on-board neighbours hold WATER.
bool AreaIsClear(const Board& board, int row, int column);

// True when a ship of this length fits somewhere on the board without touching another.
bool HasClearPosition(const Board& board, int length);
