// Piece names, the one-digit text form of a piece, and the names and numbers of cells.
#include "PieceKind.h"

#include <array>
#include <charconv>

namespace {

// Indexed by piece code; the cell pictures are named after these.
constexpr std::array<const char*, PieceKindCount> PieceNames = {
    "NORTH", "EAST", "SOUTH", "WEST", "ROUND", "SQUARE", "WATER", "UNKNOWN",
};

} // namespace

const char* PieceName(PieceKind kind) { return PieceNames[kind]; }

bool IsShipPiece(PieceKind kind) { return kind != WATER && kind != UNKNOWN; }

// Every code is a single decimal digit.
std::string KindToText(PieceKind kind) { return std::string(1, static_cast<char>('0' + kind)); }

PieceKind KindFromText(std::string_view text)
{
    // Only the leading digits count: no sign, no blanks.
    const std::string_view digits = text.substr(0, text.find_first_not_of("0123456789"));
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return static_cast<PieceKind>(value);
}

int CellId(int row, int column) { return FirstCellId + CellIndex(row, column); }

std::string RowLabel(int row) { return std::to_string(row + 1); }

char ColumnLetter(int column) { return static_cast<char>('A' + column); }
