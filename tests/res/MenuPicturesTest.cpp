// The menu pictures 3000 to 3007: piece symbol on the left, label to the right.
#include "PixelProbe.h"
#include "Pictures.h"

#include <gtest/gtest.h>

namespace {

struct MenuCase {
    int id;
    const char* piece;
    int width;
};

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.id; }

const MenuCase menus[] = {
    {3000, "NORTH", 51}, {3001, "EAST", 62}, {3002, "SOUTH", 76}, {3003, "WEST", 52},
    {3004, "ROUND", 102}, {3005, "SQUARE", 75}, {3006, "WATER", 69}, {3007, "UNKNOWN", 90},
};

const QRect menuSymbolArea(1, 1, 15, 15);

// Columns holding black pixels from column 16 on, where only the label may draw.
std::pair<int, int> LabelColumns(const QImage& picture)
{
    int first = picture.width(), last = -1;
    for (int x = 16; x < picture.width(); ++x)
        if (Count(picture, QRect(x, 0, 1, picture.height()), black) > 0) {
            first = std::min(first, x);
            last = std::max(last, x);
        }
    return {first, last};
}

class MenuPictures : public ::testing::TestWithParam<MenuCase> {
protected:
    QImage Picture() const { return LoadMenuBitmap(GetParam().id); }
};

TEST_P(MenuPictures, SeventeenHighWithTheListedWidthAndStandardPalette)
{
    const QImage picture = Picture();
    EXPECT_EQ(picture.size(), QSize(GetParam().width, 17));
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_EQ(picture.colorTable(), standardPalette);
}

TEST_P(MenuPictures, SymbolIsTheCellSymbolAndUnknownAnOutline)
{
    QImage expected;
    if (QString(GetParam().piece) == "UNKNOWN") {
        expected = QImage(15, 15, QImage::Format_RGB32);
        expected.fill(black);
        for (int y = 1; y < 14; ++y)
            for (int x = 1; x < 14; ++x)
                expected.setPixel(x, y, lightGrey);
    } else {
        expected = Cut(LoadBitmap(QString("IDB_%1_U").arg(GetParam().piece)), QRect(3, 3, 15, 15));
    }
    EXPECT_EQ(Cut(Picture(), menuSymbolArea), expected);
}

TEST_P(MenuPictures, NoBorderAndLightGreyAroundTheSymbol)
{
    const QImage picture = Picture();
    EXPECT_EQ(CountOtherThan(picture, QRect(0, 0, 22, 1), lightGrey), 0);
    EXPECT_EQ(CountOtherThan(picture, QRect(0, 16, 22, 1), lightGrey), 0);
    EXPECT_EQ(CountOtherThan(picture, QRect(0, 0, 1, 17), lightGrey), 0);
    EXPECT_EQ(CountOtherThan(picture, QRect(16, 0, 6, 17), lightGrey), 0);
}

TEST_P(MenuPictures, BlackLabelFromColumn22ToThreePixelsBeforeTheRightEdge)
{
    const QImage picture = Picture();
    const auto [first, last] = LabelColumns(picture);
    EXPECT_EQ(first, 22);
    EXPECT_EQ(last, picture.width() - 4);
    const QRect label(22, 0, picture.width() - 22, 17);
    EXPECT_EQ(Count(picture, label, black) + Count(picture, label, lightGrey), label.width() * label.height());
}

INSTANTIATE_TEST_SUITE_P(EveryPiece, MenuPictures, ::testing::ValuesIn(menus),
                         [](const auto& info) { return std::string(info.param.piece); });

TEST(MenuPictureNumbers, OutsideTheRangeGiveNoPicture)
{
    for (int id : {2999, 3008, 3009, 0, -1})
        EXPECT_TRUE(LoadMenuBitmap(id).isNull()) << id;
}

} // namespace
