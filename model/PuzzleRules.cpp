// Counts, the solved test, the clue choice and the water fills.
#include "PuzzleRules.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace {

bool EveryMarkMatches(const Board& layout, const MarkGrid& marks)
{
    const std::array<PieceKind, CellCount> all = marks.AllMarks();
    for (int index = 0; index < CellCount; ++index)
        if (all[index] != layout.At(index / BoardSize, index % BoardSize))
            return false;
    return true;
}

bool IsUnmarked(PieceKind mark) { return mark == WATER || mark == UNKNOWN; }

// The format is string table data: it is used only when it asks for exactly a number and then a letter.
bool TakesNumberThenLetter(std::string_view format)
{
    std::string conversions;
    for (std::size_t at = format.find('%'); at != std::string_view::npos; at = format.find('%', at + 2)) {
        if (at + 1 == format.size())
            return false;
        if (format[at + 1] != '%')
            conversions += format[at + 1];
    }
    return conversions == "dc";
}

} // namespace

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

bool IsSolved(const Board& layout, const MarkGrid& marks)
{
    // All marks in one call: a call per cell would cost more than the test itself.
    const std::array<PieceKind, CellCount> all = marks.AllMarks();
    for (int index = 0; index < CellCount; ++index) {
        const PieceKind kind = layout.At(index / BoardSize, index % BoardSize);
        const PieceKind mark = all[index];
        if (mark != kind && !(kind == WATER && mark == UNKNOWN))
            return false;
    }
    return true;
}

bool AllShipsMarked(const Board& layout, const MarkGrid& marks)
{
    const std::array<PieceKind, CellCount> all = marks.AllMarks();
    for (int index = 0; index < CellCount; ++index)
        if (IsShipPiece(layout.At(index / BoardSize, index % BoardSize)) && IsUnmarked(all[index]))
            return false;
    return true;
}

std::optional<CellPosition> ChooseClueCell(const Board& layout, const MarkGrid& marks, GameRandom& random)
{
    // With nothing left to reveal the draws below would never end.
    if (EveryMarkMatches(layout, marks))
        return std::nullopt;
    const bool allMarked = AllShipsMarked(layout, marks);
    for (;;) {
        const int row = random.Next() % BoardSize;
        const int column = random.Next() % BoardSize;
        const PieceKind kind = layout.At(row, column);
        const PieceKind mark = marks.MarkAt(row, column);
        if ((kind != WATER && IsUnmarked(mark)) || (allMarked && mark != kind))
            return CellPosition{row, column};
    }
}

std::string ClueStatusText(const char* format, int row, int column)
{
    if (!TakesNumberThenLetter(format))
        return format;
    const int number = row + 1;
    const char letter = ColumnLetter(column);
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, number, letter)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, number, letter);
    return text;
}

void FillRowWithWater(MarkGrid& marks, int row)
{
    for (int column = 0; column < BoardSize; ++column)
        if (marks.MarkAt(row, column) == UNKNOWN)
            marks.SetMark(row, column, WATER);
}

void FillColumnWithWater(MarkGrid& marks, int column)
{
    for (int row = 0; row < BoardSize; ++row)
        if (marks.MarkAt(row, column) == UNKNOWN)
            marks.SetMark(row, column, WATER);
}
