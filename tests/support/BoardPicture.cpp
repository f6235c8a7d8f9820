// Reads and writes boards as text pictures.
#include "BoardPicture.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace {

constexpr std::string_view Symbols = "^>v<o#.?"; // indexed by piece code

std::string CellsOf(std::string_view picture)
{
    std::string cells;
    for (char c : picture)
        if (!std::isspace(static_cast<unsigned char>(c)))
            cells += c;
    if (cells.size() != CellCount)
        throw std::invalid_argument("a board picture needs 100 cells, got " + std::to_string(cells.size()));
    return cells;
}

PieceKind KindOf(char symbol)
{
    auto code = Symbols.find(symbol);
    if (code == std::string_view::npos)
        throw std::invalid_argument(std::string("not a board picture symbol: ") + symbol);
    return static_cast<PieceKind>(code);
}

template <class Read> std::string Picture(Read read)
{
    std::string text;
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column)
            text += PictureChar(read(row, column));
        text += '\n';
    }
    return text;
}

} // namespace

char PictureChar(PieceKind kind) { return Symbols[kind]; }

Board BoardFromPicture(std::string_view picture)
{
    const std::string cells = CellsOf(picture);
    Board board;
    for (int i = 0; i < CellCount; ++i)
        board.Set(i / BoardSize, i % BoardSize, KindOf(cells[i]));
    return board;
}

ArrayMarkGrid MarksFromPicture(std::string_view picture)
{
    const std::string cells = CellsOf(picture);
    ArrayMarkGrid marks;
    for (int i = 0; i < CellCount; ++i)
        marks.SetMark(i / BoardSize, i % BoardSize, KindOf(cells[i]));
    return marks;
}

std::string PictureOf(const Board& board)
{
    return Picture([&](int row, int column) { return board.At(row, column); });
}

std::string PictureOf(const MarkGrid& marks)
{
    return Picture([&](int row, int column) { return marks.MarkAt(row, column); });
}
