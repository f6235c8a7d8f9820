// The program icon: drawn from its design for the pixels of every size asked for, in the 16 colours.
#include "PixelProbe.h"
#include "Pictures.h"

#include <QIcon>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QRgb> Colours(const QImage& picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y) | 0xff000000);
    return colours;
}

// The sizes a window system takes for title bars, task bars and switchers.
TEST(AppIcon, OffersTheSizesAWindowSystemShows)
{
    const QList<QSize> sizes = LoadAppIcon().availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// Theme sizes and the device sizes of 16 and 32 at the scales desktops offer.
class AppIconAtSize : public ::testing::TestWithParam<int> {};

TEST_P(AppIconAtSize, IsDrawnForItsOwnPixelsInTheSixteenColours)
{
    const int size = GetParam();
    const QImage picture = LoadAppIcon().pixmap(QSize(size, size), 1.0).toImage();
    ASSERT_EQ(picture.size(), QSize(size, size));
    const QSet<QRgb> colours = Colours(picture);
    for (QRgb colour : colours)
        EXPECT_TRUE(standardPalette.contains(colour)) << std::hex << colour;
    EXPECT_GE(colours.size(), 6) << "a picture, not a plain square";
    // Sky above, sea below, the dark hull between them.
    EXPECT_EQ(picture.pixel(0, 0) | 0xff000000, qRgb(0, 255, 255));
    EXPECT_EQ(picture.pixel(0, size - 1) | 0xff000000, blue);
    EXPECT_GT(Count(picture.convertToFormat(QImage::Format_RGB32), QRect(0, size / 3, size, size / 3), black), size / 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppIconAtSize, ::testing::Values(16, 20, 22, 24, 28, 32, 40, 48, 56, 64, 80, 96, 128, 256));

// Asked for at a screen's ratio, the icon comes as many device pixels as the ratio makes of the size.
TEST(AppIcon, AtAScreensRatioIsThatManyDevicePixels)
{
    for (qreal ratio : {1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        const QPixmap pixmap = LoadAppIcon().pixmap(QSize(32, 32), ratio);
        EXPECT_EQ(pixmap.size(), QSize(qRound(32 * ratio), qRound(32 * ratio))) << ratio;
        EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
    }
}

} // namespace
