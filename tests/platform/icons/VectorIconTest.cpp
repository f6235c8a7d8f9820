// Icons made of shapes: crisp at any size, thin lines kept, outlines scaled and even, clips kept, and the
// same design written as a scalable picture.
#include "PixelProbe.h"
#include "VectorIcon.h"

#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

constexpr QRgb red = qRgb(255, 0, 0);

// How many pixels of one colour run from (x, y) in the direction (dx, dy).
int RunLength(const QImage& image, int x, int y, int dx, int dy)
{
    const QRgb colour = image.pixel(x, y);
    int run = 0;
    for (; image.rect().contains(x, y) && image.pixel(x, y) == colour; x += dx, y += dy)
        ++run;
    return run;
}

QSet<QRgb> Colours(const QImage& picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return colours;
}

TEST(VectorIcon, AThinLineStaysAPixelWideWhenSmall)
{
    const VectorIcon icon(32, {{IconShape::Rect(15, 3, 1, 5), black}});
    const QImage small = icon.Draw(16);
    int columns = 0;
    for (int x = 0; x < 16; ++x)
        columns += small.pixel(x, 3) == (black | 0xff000000);
    EXPECT_EQ(columns, 1);
    EXPECT_EQ(RunLength(icon.Draw(64), 30, 6, 1, 0), 2) << "and scales up with the rest";
}

// An outline is as many whole pixels wide on every side as its width makes at the size.
TEST(VectorIcon, OutlinesAreEvenOnEverySideAtEverySize)
{
    const VectorIcon icon(32, {{IconShape::Rect(4, 4, 24, 24), white, black, 1}});
    for (int size : {32, 40, 48, 56, 64, 80, 96}) {
        SCOPED_TRACE(size);
        const QImage picture = icon.Draw(size);
        const int width = std::max(1, qRound(size / 32.0)), middle = size / 2;
        const int left = qRound(4 * size / 32.0), right = qRound(28 * size / 32.0) - 1;
        EXPECT_EQ(RunLength(picture, left, middle, 1, 0), width) << "left";
        EXPECT_EQ(RunLength(picture, right, middle, -1, 0), width) << "right";
        EXPECT_EQ(RunLength(picture, middle, left, 0, 1), width) << "top";
        EXPECT_EQ(RunLength(picture, middle, right, 0, -1), width) << "bottom";
    }
}

// Round and slanted edges fall on whole pixels: only the layers' colours, and none where no layer is.
TEST(VectorIcon, NeverBlendsColours)
{
    const VectorIcon icon(32, {{IconShape::Oval(16, 16, 11, 7), red, black, 1.5},
                               {IconShape::Poly({{3, 29}, {16, 20}, {29, 29}}), white}});
    for (int size : {20, 40, 48, 56, 100}) {
        const QSet<QRgb> colours = Colours(icon.Draw(size));
        EXPECT_EQ(colours, QSet<QRgb>({0u, red | 0xff000000, black | 0xff000000, white | 0xff000000})) << size;
    }
}

// A layer stays inside its clip rectangle and inside the shape of the layer it is clipped to; the cut edge of
// a clipped outline is not outlined.
TEST(VectorIcon, LayersKeepInsideTheirClips)
{
    const VectorIcon icon(32, {
        {IconShape::Rect(8, 8, 16, 16), white},
        {IconShape::Rect(0, 14, 32, 4), red, std::nullopt, 0, std::nullopt, 0},
        {IconShape::Oval(16, 4, 4, 4), std::nullopt, black, 1, QRectF(0, 0, 32, 4)},
    });
    const QImage picture = icon.Draw(32);
    EXPECT_EQ(picture.pixel(4, 15), 0u) << "the band outside the square it is clipped to";
    EXPECT_EQ(picture.pixel(10, 15), red | 0xff000000);
    EXPECT_EQ(picture.pixel(16, 0), black | 0xff000000) << "the arch's top";
    EXPECT_EQ(picture.pixel(16, 3), 0u) << "no line along the cut";
    EXPECT_EQ(picture.pixel(16, 5), 0u) << "nothing below the clip";
}

// A shape too small to hold anything inside its outline shows its fill, not a blot of outline.
TEST(VectorIcon, ATinyShapeKeepsItsFill)
{
    const VectorIcon icon(32, {{IconShape::Rect(10, 10, 3, 3), white, black, 1}});
    EXPECT_EQ(icon.Draw(16).pixel(5, 5), white | 0xff000000);
    EXPECT_EQ(icon.Draw(32).pixel(10, 11), black | 0xff000000);
    EXPECT_EQ(icon.Draw(32).pixel(11, 11), white | 0xff000000);
}

// The scalable picture: the grid as its view box, crisp edges asked for, and each layer's fill and outline.
TEST(VectorIcon, WritesTheSameDesignAsAScalablePicture)
{
    const VectorIcon icon(32, {{IconShape::Rect(0, 0, 32, 20), white},
                               {IconShape::Poly({{2, 28}, {16, 18}, {30, 28}}), red, black, 1},
                               {IconShape::Oval(16, 8, 4, 3), std::nullopt, black, 1, QRectF(0, 0, 32, 8)}});
    QXmlStreamReader svg(icon.Svg());
    QStringList drawn;
    bool root = true;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (root) {
            EXPECT_EQ(svg.name(), QLatin1String("svg"));
            EXPECT_EQ(svg.attributes().value("viewBox"), QLatin1String("0 0 32 32"));
            EXPECT_EQ(svg.attributes().value("shape-rendering"), QLatin1String("crispEdges"));
            root = false;
        }
        const QString paint = svg.attributes().hasAttribute("stroke") ? svg.attributes().value("stroke").toString()
                                                                      : svg.attributes().value("fill").toString();
        if (!paint.isEmpty())
            drawn << svg.name().toString() + " " + paint;
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(drawn, QStringList({"rect #ffffff", "polygon #ff0000", "polygon #000000", "ellipse #000000"}));
}

} // namespace
