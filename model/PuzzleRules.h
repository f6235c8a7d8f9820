// The rules that relate the hidden layout to the player's marks.
#pragma once

#include "Board.h"
#include "FleetEvidence.h"
#include "FleetGenerator.h"
#include "GameRandom.h"
#include "MarkGrid.h"

#include <optional>
#include <span>

struct CellPosition {
    int row;
    int column;
    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// Every ship cell carries exactly its piece and no water cell carries a ship piece.
bool IsSolved(const Board& layout, const MarkGrid& marks);
// Every ship cell carries some ship piece.
bool AllShipsMarked(const Board& layout, const MarkGrid& marks);

// The cell a clue reveals, drawing a row and a column per try. Returns no cell, without drawing,
// when every mark already equals the layout.
std::optional<CellPosition> ChooseClueCell(const Board& layout, const MarkGrid& marks, GameRandom& random);

// UNKNOWN marks of the line become WATER; every other mark stays.
void FillRowWithWater(MarkGrid& marks, int row);
void FillColumnWithWater(MarkGrid& marks, int column);

// The fleet the marks hold, when their ship pieces make exactly the ships of the fleet table: each one
// straight and marked with its exact pieces (ends, middles, one-cell ships), none touching another even at
// a corner. WATER and UNKNOWN marks count as water.
std::optional<Board> FleetInMarks(const MarkGrid& marks, std::span<const int> fleet = FleetTable);

// The marks hold a whole fleet that fits every count and every revealed cell, yet the puzzle is not solved:
// the player found a fleet the evidence allows, but not the hidden one.
bool MarksHoldAnotherFittingFleet(const Board& layout, const MarkGrid& marks, const FleetEvidence& evidence);
