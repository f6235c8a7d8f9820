// The named cell and ship pictures against their geometry.
#include "PixelProbe.h"
#include "Pictures.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

const QRect symbolArea(3, 3, 15, 15);

struct PieceCase {
    const char* piece;
    QRgb symbol;
    int symbolPixels;
    bool roundedTopLeft, roundedTopRight, roundedBottomLeft, roundedBottomRight;
};

void PrintTo(const PieceCase& c, std::ostream* os) { *os << c.piece; }

const PieceCase pieces[] = {
    {"NORTH", black, 201, true, true, false, false},
    {"EAST", black, 201, false, true, false, true},
    {"SOUTH", black, 201, false, false, true, true},
    {"WEST", black, 201, true, false, true, false},
    {"ROUND", black, 177, true, true, true, true},
    {"SQUARE", black, 225, false, false, false, false},
    {"WATER", blue, 225, false, false, false, false},
    {"UNKNOWN", lightGrey, 0, false, false, false, false},
};

struct CornerCase {
    bool PieceCase::*rounded;
    int row, column; // the corner pixel of the symbol square
    int rowStep, columnStep; // pointing into the square
};

const CornerCase corners[] = {
    {&PieceCase::roundedTopLeft, 3, 3, 1, 1},
    {&PieceCase::roundedTopRight, 3, 17, 1, -1},
    {&PieceCase::roundedBottomLeft, 17, 3, -1, 1},
    {&PieceCase::roundedBottomRight, 17, 17, -1, -1},
};

// A rounded corner leaves this many background pixels on each of the five lines nearest it.
const std::array<int, 5> roundedProfile = {5, 3, 2, 1, 1};

const std::vector<QPoint> diamond = { // (column, row)
    {10, 8}, {9, 9}, {10, 9}, {11, 9}, {8, 10}, {9, 10}, {10, 10}, {11, 10}, {12, 10}, {9, 11}, {10, 11}, {11, 11}, {10, 12},
};

bool IsFocusDot(int row, int column)
{
    const auto onLine = [](int line) { return line == 1 || line == 19; };
    const auto odd = [](int position) { return position % 2 == 1 && position <= 19; };
    return (onLine(row) && odd(column)) || (onLine(column) && odd(row));
}

// Background pixels met when walking from (row, column) in the given direction before the symbol starts.
int BackgroundRun(const QImage& picture, int row, int column, int rowStep, int columnStep)
{
    int run = 0;
    while (At(picture, row + run * rowStep, column + run * columnStep) == lightGrey)
        ++run;
    return run;
}

void ExpectRaisedEdges(const QImage& picture)
{
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(At(picture, 0, i), white) << "top edge, column " << i;
        EXPECT_EQ(At(picture, i, 0), white) << "left edge, row " << i;
    }
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(At(picture, i, 20), darkGrey) << "inner right edge, row " << i;
        EXPECT_EQ(At(picture, 20, i), darkGrey) << "inner bottom edge, column " << i;
    }
    for (int i = 0; i <= 21; ++i) {
        EXPECT_EQ(At(picture, 21, i), black) << "outer bottom edge, column " << i;
        EXPECT_EQ(At(picture, i, 21), black) << "outer right edge, row " << i;
    }
}

class CellPictures : public ::testing::TestWithParam<PieceCase> {
protected:
    QImage Picture(const char* letter) const { return LoadBitmap(QString("IDB_%1_%2").arg(GetParam().piece, letter)); }
    QImage CluePicture() const { return LoadBitmap(QString("IDB_RED_%1_X").arg(GetParam().piece)); }
};

TEST_P(CellPictures, UpIsRaisedTileWithSymbolOnLightGreyFace)
{
    const QImage up = Picture("U");
    ASSERT_EQ(up.size(), QSize(22, 22));
    ExpectRaisedEdges(up);
    EXPECT_EQ(CountOtherThan(up, QRect(1, 1, 19, 19), lightGrey), GetParam().symbolPixels);
}

TEST_P(CellPictures, SymbolFillsItsSquareExceptRoundedCorners)
{
    const PieceCase& piece = GetParam();
    const QImage up = Picture("U");
    EXPECT_EQ(Count(up, symbolArea, piece.symbol), piece.symbol == lightGrey ? 225 : piece.symbolPixels);
    if (piece.symbolPixels == 0)
        return;
    for (const CornerCase& corner : corners)
        for (int line = 0; line < int(roundedProfile.size()); ++line) {
            const int expected = piece.*corner.rounded ? roundedProfile[line] : 0;
            EXPECT_EQ(BackgroundRun(up, corner.row + line * corner.rowStep, corner.column, 0, corner.columnStep), expected)
                << "row " << line << " from the corner at (" << corner.row << ", " << corner.column << ")";
            EXPECT_EQ(BackgroundRun(up, corner.row, corner.column + line * corner.columnStep, corner.rowStep, 0), expected)
                << "column " << line << " from the corner at (" << corner.row << ", " << corner.column << ")";
        }
}

TEST_P(CellPictures, DisabledIsIdenticalToUp)
{
    EXPECT_EQ(Picture("X"), Picture("U"));
}

TEST_P(CellPictures, DownIsBlackFrameWithSymbolMovedRightAndDown)
{
    const QImage down = Picture("D");
    ASSERT_EQ(down.size(), QSize(22, 22));
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(At(down, 0, i), black);
        EXPECT_EQ(At(down, 21, i), black);
        EXPECT_EQ(At(down, i, 0), black);
        EXPECT_EQ(At(down, i, 21), black);
    }
    EXPECT_EQ(CountOtherThan(down, QRect(1, 1, 20, 20), lightGrey), GetParam().symbolPixels);
    EXPECT_EQ(Cut(down, symbolArea.translated(1, 1)), Cut(Picture("U"), symbolArea));
}

TEST_P(CellPictures, FocusIsUpWithDottedFrame)
{
    const QImage focus = Picture("F"), up = Picture("U");
    ASSERT_EQ(focus.size(), up.size());
    for (int row = 0; row < 22; ++row)
        for (int column = 0; column < 22; ++column)
            EXPECT_EQ(At(focus, row, column), IsFocusDot(row, column) ? black : At(up, row, column))
                << "row " << row << ", column " << column;
}

TEST_P(CellPictures, ClueIsUpWithWhiteDiamondExceptForUnknown)
{
    const QImage clue = CluePicture();
    if (GetParam().symbolPixels == 0) {
        EXPECT_TRUE(clue.isNull());
        return;
    }
    QImage expected = Picture("U").convertToFormat(QImage::Format_RGB32);
    for (const QPoint& p : diamond)
        expected.setPixel(p, white);
    EXPECT_EQ(clue.convertToFormat(QImage::Format_RGB32), expected);
}

// A clue cell that holds the keyboard focus shows it as every other cell does: its clue picture with the
// dotted frame.
TEST_P(CellPictures, FocusedClueIsClueWithDottedFrame)
{
    const QImage focused = LoadBitmap(QString("IDB_RED_%1_F").arg(GetParam().piece)), clue = CluePicture();
    if (GetParam().symbolPixels == 0) {
        EXPECT_TRUE(focused.isNull());
        return;
    }
    ASSERT_EQ(focused.size(), clue.size());
    for (int row = 0; row < 22; ++row)
        for (int column = 0; column < 22; ++column)
            EXPECT_EQ(At(focused, row, column), IsFocusDot(row, column) ? black : At(clue, row, column))
                << "row " << row << ", column " << column;
}

TEST_P(CellPictures, UseTheStandardPaletteAndOnlyTileColours)
{
    const QImage focusedClue = LoadBitmap(QString("IDB_RED_%1_F").arg(GetParam().piece));
    for (const QImage& picture : {Picture("U"), Picture("D"), Picture("F"), Picture("X"), CluePicture(), focusedClue}) {
        if (picture.isNull())
            continue;
        EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
        EXPECT_EQ(picture.colorTable(), standardPalette);
        const QRect all = picture.rect();
        EXPECT_EQ(Count(picture, all, black) + Count(picture, all, darkGrey) + Count(picture, all, lightGrey)
                      + Count(picture, all, white) + Count(picture, all, blue),
                  22 * 22);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CellPictures, ::testing::ValuesIn(pieces),
                         [](const auto& info) { return std::string(info.param.piece); });

TEST(PictureCatalogue, NamesOutsideTheCatalogueGiveNoPicture)
{
    for (const char* name : {"IDB_RED_UNKNOWN_X", "IDB_RED_NORTH_U", "IDB_NORTH_Z", "IDB_NORTH_", "idb_north_u",
                             "IDB_COUNT_0", "IDB_COUNT_5", "NORTH_U", ""})
        EXPECT_TRUE(LoadBitmap(name).isNull()) << name;
}

TEST(PictureCatalogue, EveryLoadSharesThePictureDrawnOnce)
{
    EXPECT_EQ(LoadBitmap("IDB_ROUND_F").cacheKey(), LoadBitmap("IDB_ROUND_F").cacheKey());
}

struct ShipCase {
    int length;
    std::vector<const char*> blocks; // the piece whose symbol each block shows
    int shipPixels;
};

void PrintTo(const ShipCase& c, std::ostream* os) { *os << "IDB_COUNT_" << c.length; }

const ShipCase ships[] = {
    {1, {"ROUND"}, 177},
    {2, {"WEST", "EAST"}, 402},
    {3, {"WEST", "SQUARE", "EAST"}, 627},
    {4, {"WEST", "SQUARE", "SQUARE", "EAST"}, 852},
};

class ShipPictures : public ::testing::TestWithParam<ShipCase> {
protected:
    QImage Picture() const { return LoadBitmap(QString("IDB_COUNT_%1").arg(GetParam().length)); }
};

TEST_P(ShipPictures, BlocksOfTwentyTwoPixelsReadAsOneShip)
{
    const QImage ship = Picture();
    ASSERT_EQ(ship.size(), QSize(22 * GetParam().length, 22));
    for (int block = 0; block < GetParam().length; ++block) {
        const QImage cell = LoadBitmap(QString("IDB_%1_U").arg(GetParam().blocks[block]));
        EXPECT_EQ(Cut(ship, symbolArea.translated(22 * block, 0)), Cut(cell, symbolArea)) << "block " << block;
    }
}

TEST_P(ShipPictures, LightGreyWithoutTileEdges)
{
    const QImage ship = Picture();
    EXPECT_EQ(CountOtherThan(ship, ship.rect(), lightGrey), GetParam().shipPixels);
    EXPECT_EQ(Count(ship, ship.rect(), black), GetParam().shipPixels);
    EXPECT_EQ(ship.format(), QImage::Format_Indexed8);
    EXPECT_EQ(ship.colorTable(), standardPalette);
}

INSTANTIATE_TEST_SUITE_P(EveryLength, ShipPictures, ::testing::ValuesIn(ships),
                         [](const auto& info) { return "Length" + std::to_string(info.param.length); });

} // namespace
