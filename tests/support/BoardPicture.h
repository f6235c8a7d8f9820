// Boards and markings written as ten lines of ten characters, for readable fixtures.
#pragma once

#include "Board.h"
#include "MarkGrid.h"

#include <string>
#include <string_view>

// ^ NORTH, > EAST, v SOUTH, < WEST, o ROUND, # SQUARE, . WATER, ? UNKNOWN.
// White space is ignored; the picture must hold exactly 100 of these characters.
Board BoardFromPicture(std::string_view picture);
ArrayMarkGrid MarksFromPicture(std::string_view picture);
std::string PictureOf(const Board& board);
std::string PictureOf(const MarkGrid& marks);
char PictureChar(PieceKind kind);
