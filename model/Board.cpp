// The hidden fleet layout's grid of piece kinds.
#include "Board.h"

Board::Board() { FillWater(); }

void Board::FillWater() { cells.fill(WATER); }

void Board::CopyFrom(const Board& other) { cells = other.cells; }
