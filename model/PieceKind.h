// The eight things a cell can hold, and how rows, columns and cells are named.
#pragma once

#include <string>
#include <string_view>

// The codes are stored in cell texts and undo snapshots and index the piece name table: never reorder.
enum PieceKind : int {
    NORTH = 0,   // top end of a vertical ship
    EAST = 1,    // right end of a horizontal ship
    SOUTH = 2,   // bottom end of a vertical ship
    WEST = 3,    // left end of a horizontal ship
    ROUND = 4,   // a ship of one cell
    SQUARE = 5,  // middle cell of a ship of three or four
    WATER = 6,
    UNKNOWN = 7, // only ever a player's mark, never part of a layout
};

inline constexpr int PieceKindCount = 8;
inline constexpr int BoardSize = 10;
inline constexpr int CellCount = BoardSize * BoardSize;
inline constexpr int FirstCellId = 2000;

// Every function below expects codes 0..7 and rows/columns 0..9; none checks.
const char* PieceName(PieceKind kind);
bool IsShipPiece(PieceKind kind);
std::string KindToText(PieceKind kind);
// Lenient the way the cell texts have always been read: the leading digits count, a text without any
// reads as 0. Cell texts only ever hold what KindToText wrote.
PieceKind KindFromText(std::string_view text);

// Inline: every look at a board or a marking goes through it.
constexpr int CellIndex(int row, int column) { return row * BoardSize + column; }
// The one function here that takes any row and column: a cell's neighbours may lie off the board.
constexpr bool OnBoard(int row, int column) { return row >= 0 && row < BoardSize && column >= 0 && column < BoardSize; }
int CellId(int row, int column);
std::string RowLabel(int row);
char ColumnLetter(int column);
