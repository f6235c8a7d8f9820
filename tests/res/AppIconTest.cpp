// The program icon: two sizes of 16-colour artwork.
#include "PixelProbe.h"
#include "Pictures.h"

#include <QIcon>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(AppIcon, OffersThirtyTwoAndSixteenPixelPictures)
{
    const QList<QSize> sizes = LoadAppIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

TEST(AppIcon, EachSizeIsArtworkInTheSixteenColours)
{
    const QIcon icon = LoadAppIcon();
    for (int size : {32, 16}) {
        const QImage picture = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(picture.size(), QSize(size, size));
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                colours.insert(picture.pixel(x, y) | 0xff000000);
        for (QRgb colour : colours)
            EXPECT_TRUE(standardPalette.contains(colour)) << std::hex << colour;
        EXPECT_TRUE(colours.contains(blue)) << "the water";
        EXPECT_GE(colours.size(), 4) << "a picture, not a plain square";
    }
}

} // namespace
