// The grid of piece kinds and the counts of its lines.
#include "Board.h"

Board::Board() { FillWater(); }

void Board::FillWater() { cells.fill(WATER); }

void Board::CopyFrom(const Board& other) { cells = other.cells; }

int RowShipCount(const Board& layout, int row)
{
    int count = 0;
    for (int column = 0; column < BoardSize; ++column)
        count += IsShipPiece(layout.At(row, column));
    return count;
}

int ColumnShipCount(const Board& layout, int column)
{
    int count = 0;
    for (int row = 0; row < BoardSize; ++row)
        count += IsShipPiece(layout.At(row, column));
    return count;
}
