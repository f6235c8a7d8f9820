// Sizes, colours, piece symbols and menu labels from which every picture of the program is drawn.
#pragma once

#include "PieceKind.h"

#include <QRgb>
#include <array>

namespace PictureGeometry {

// The standard 16-colour palette in its usual order; every picture carries it as its colour table.
inline constexpr std::array<QRgb, 16> Palette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

// Palette indices of the colours the pictures use: the pieces and tiles only black, the greys, blue and
// white; the program icon the others as well.
enum Colour : uint { Black = 0, DarkRed = 1, Navy = 4, LightGrey = 7, DarkGrey = 8, Blue = 12, Cyan = 14, White = 15 };

inline constexpr int CellSize = 22;        // cell pictures and the blocks of a ship picture
inline constexpr int SymbolSize = 15;
inline constexpr int CellSymbolOffset = 3; // rows and columns 3..17 of a cell or block
inline constexpr int LongestShip = 4;

// A rounded corner takes this many pixels, counted from the corner, off each of the five pixel lines
// nearest it; the profile is its own mirror image, so it reads the same along rows and along columns.
inline constexpr std::array<int, 5> CornerProfile = {5, 3, 2, 1, 1};

enum Corner : unsigned { NoCorner = 0, TopLeft = 1, TopRight = 2, BottomLeft = 4, BottomRight = 8 };
inline constexpr std::array<Corner, 4> Corners = {TopLeft, TopRight, BottomLeft, BottomRight};

enum class Fill { Nothing, Solid, Outline };

struct Symbol {
    Fill fill;
    Colour colour;
    unsigned roundedCorners;
};

struct PiecePictures {
    Symbol symbol;
    bool hasCluePicture; // a clue only ever shows a kind of the hidden layout, which never holds UNKNOWN
};

// Indexed by PieceKind code.
inline constexpr std::array<PiecePictures, PieceKindCount> Pieces = {{
    {{Fill::Solid, Black, TopLeft | TopRight}, true},       // NORTH
    {{Fill::Solid, Black, TopRight | BottomRight}, true},   // EAST
    {{Fill::Solid, Black, BottomLeft | BottomRight}, true}, // SOUTH
    {{Fill::Solid, Black, TopLeft | BottomLeft}, true},     // WEST
    {{Fill::Solid, Black, TopLeft | TopRight | BottomLeft | BottomRight}, true}, // ROUND
    {{Fill::Solid, Black, NoCorner}, true},                 // SQUARE
    {{Fill::Solid, Blue, NoCorner}, true},                  // WATER
    {{Fill::Nothing, Black, NoCorner}, false},              // UNKNOWN: the plain tile
}};

// How a cell picture frames its symbol.
enum class Tile { Raised, Pressed, Focused, Clue, FocusedClue };

struct CellState {
    char letter;
    Tile tile;
};

// The normal image set in slot order up, down, focus, disabled; disabled looks exactly like up.
inline constexpr std::array<CellState, 4> NormalStates = {{
    {'U', Tile::Raised}, {'D', Tile::Pressed}, {'F', Tile::Focused}, {'X', Tile::Raised},
}};
// A clue shows its one picture in every state but the focused one, which adds the focus frame.
inline constexpr std::array<CellState, 2> ClueStates = {{{'X', Tile::Clue}, {'F', Tile::FocusedClue}}};
inline constexpr const char* CluePrefix = "RED_";

// The focus frame: black dots at the odd positions 1..19 along these rows and these columns.
inline constexpr std::array<int, 2> FocusDotLines = {1, 19};

// The clue diamond: half its width on each of its rows, centred on the cell's centre pixel (10, 10).
inline constexpr int DiamondCentre = 10;
inline constexpr std::array<int, 5> DiamondHalfWidths = {0, 1, 2, 1, 0};

// Menu pictures: the symbol at rows and columns 1..15, the label from column 22 to three pixels
// before the right edge. UNKNOWN shows an outline there, where its cell shows nothing.
inline constexpr int MenuHeight = 17;
inline constexpr int MenuSymbolOffset = 1;
inline constexpr int MenuLabelLeft = 22;
inline constexpr int MenuLabelRightMargin = 3;
inline constexpr Symbol UnknownMenuSymbol = {Fill::Outline, Black, NoCorner};

// Widths of the menu pictures, indexed by PieceKind code; the labels are the piece labels. A word of
// another language that needs more room at its own spacing widens its picture.
inline constexpr std::array<int, PieceKindCount> MenuPictureWidths = {51, 62, 76, 52, 102, 75, 69, 90};

// A bold face at this size fills the 17 pixel lines and needs little extra spacing to reach the label widths.
inline constexpr const char* LabelFamily = "Liberation Sans";
inline constexpr int LabelPixelSize = 15;
inline constexpr bool LabelBold = true;
inline constexpr int LabelBaseline = 13;

} // namespace PictureGeometry
