// A 10 x 10 grid of piece kinds, and the ship counts of its rows and columns.
#pragma once

#include "PieceKind.h"

#include <array>

// A plain value, row-major; a new board holds WATER everywhere. Rows and columns are 0..9 and unchecked.
class Board {
public:
    Board();

    PieceKind At(int row, int column) const { return cells[CellIndex(row, column)]; }
    void Set(int row, int column, PieceKind kind) { cells[CellIndex(row, column)] = kind; }
    void FillWater();
    void CopyFrom(const Board& other);

    friend bool operator==(const Board&, const Board&) = default;

private:
    std::array<PieceKind, CellCount> cells;
};

// How many ship pieces a row or a column of the board holds: the counts the player is shown.
int RowShipCount(const Board& layout, int row);
int ColumnShipCount(const Board& layout, int column);
