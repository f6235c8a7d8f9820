// Piece names, texts and ship-ness, and the numbering and naming of cells.
#include "PieceKind.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct KindCase {
    PieceKind kind;
    const char* name;
    const char* text;
    bool isShip;
};

// Codes follow the name table, not the compass: EAST comes before SOUTH and WEST.
constexpr std::array<KindCase, PieceKindCount> Kinds = {{
    {NORTH, "NORTH", "0", true},
    {EAST, "EAST", "1", true},
    {SOUTH, "SOUTH", "2", true},
    {WEST, "WEST", "3", true},
    {ROUND, "ROUND", "4", true},
    {SQUARE, "SQUARE", "5", true},
    {WATER, "WATER", "6", false},
    {UNKNOWN, "UNKNOWN", "7", false},
}};

TEST(PieceKindTest, EachKindHasItsNameTextAndShipness)
{
    for (int code = 0; code < PieceKindCount; ++code) {
        const KindCase& expected = Kinds[code];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(expected.kind, code);
        EXPECT_STREQ(PieceName(expected.kind), expected.name);
        EXPECT_EQ(KindToText(expected.kind), expected.text);
        EXPECT_EQ(KindFromText(expected.text), expected.kind);
        EXPECT_EQ(IsShipPiece(expected.kind), expected.isShip);
    }
}

struct TextCase {
    const char* text;
    int value;
};

constexpr std::array<TextCase, 6> Texts = {{
    {"", 0},
    {"x", 0},
    {"-3", 0},
    {" 5", 0},
    {"12", 12},
    {"6a", 6},
}};

TEST(PieceKindTest, ReadingATextTakesItsLeadingDigits)
{
    for (const TextCase& entry : Texts)
        EXPECT_EQ(KindFromText(entry.text), entry.value) << '"' << entry.text << '"';
}

struct CellCase {
    int row;
    int column;
    int index;
    int id;
    const char* rowLabel;
    char columnLetter;
};

constexpr std::array<CellCase, 4> Cells = {{
    {0, 0, 0, 2000, "1", 'A'},
    {0, 9, 9, 2009, "1", 'J'},
    {5, 7, 57, 2057, "6", 'H'},
    {9, 9, 99, 2099, "10", 'J'},
}};

TEST(PieceKindTest, CellsAreNumberedRowFirstAndNamedFromOne)
{
    for (const CellCase& cell : Cells) {
        SCOPED_TRACE(cell.id);
        EXPECT_EQ(CellIndex(cell.row, cell.column), cell.index);
        EXPECT_EQ(CellId(cell.row, cell.column), cell.id);
        EXPECT_EQ(RowLabel(cell.row), cell.rowLabel);
        EXPECT_EQ(ColumnLetter(cell.column), cell.columnLetter);
    }
}

} // namespace
