// The pictures drawn for screens of other device pixel ratios: sizes, even edges, true symmetry, smooth curves.
#include "PixelProbe.h"
#include "Pictures.h"

#include <QFont>
#include <gtest/gtest.h>

namespace {

const qreal ratios[] = {1.0, 1.25, 1.5, 1.75, 2.0, 3.0};

int Px(qreal logical, qreal ratio) { return qRound(logical * ratio); }

// The width every edge should have at this ratio: whole device pixels, never less than one.
int LineWidth(qreal ratio) { return std::max(1, qRound(ratio)); }

// How many pixels of one colour run from (x, y) in the direction (dx, dy).
int RunLength(const QImage& image, int x, int y, int dx, int dy)
{
    const QRgb colour = image.pixel(x, y);
    int run = 0;
    while (x >= 0 && y >= 0 && x < image.width() && y < image.height() && image.pixel(x, y) == colour) {
        ++run;
        x += dx;
        y += dy;
    }
    return run;
}

// The symbol's square of a cell picture at this ratio, comparable across formats.
QImage SymbolSquare(const QString& name, qreal ratio)
{
    const QImage picture = LoadBitmap(name, ratio);
    const int first = Px(3, ratio);
    return Cut(picture, QRect(first, first, Px(18, ratio) - first, Px(18, ratio) - first));
}

// Largest difference of any colour channel between two pictures of one size.
int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// Pixels that are neither of the two given colours: the blended edge of an antialiased shape.
int Blended(const QImage& image, QRgb a, QRgb b)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != a && image.pixel(x, y) != b;
    return count;
}

class ScaledPictures : public ::testing::TestWithParam<qreal> {
protected:
    qreal ratio() const { return GetParam(); }
};

TEST_P(ScaledPictures, CoverTheirLogicalSizeInDevicePixels)
{
    for (const char* name : {"IDB_NORTH_U", "IDB_WATER_D", "IDB_RED_ROUND_X", "IDB_UNKNOWN_F"}) {
        const QImage picture = LoadBitmap(name, ratio());
        EXPECT_EQ(picture.size(), QSize(Px(22, ratio()), Px(22, ratio()))) << name;
        EXPECT_EQ(picture.devicePixelRatio(), ratio()) << name;
    }
    for (int length = 1; length <= 4; ++length)
        EXPECT_EQ(LoadBitmap(QString("IDB_COUNT_%1").arg(length), ratio()).size(),
                  QSize(Px(22 * length, ratio()), Px(22, ratio()))) << length;
    EXPECT_TRUE(LoadBitmap("IDB_RED_UNKNOWN_X", ratio()).isNull());
}

// The raised tile: white on the top and left, dark grey inside black on the bottom and right, every band
// the same width on every side.
TEST_P(ScaledPictures, RaisedTileEdgesAreEquallyWideOnEverySide)
{
    const QImage tile = LoadBitmap("IDB_UNKNOWN_U", ratio());
    const int middle = tile.width() / 2, last = tile.width() - 1, b = LineWidth(ratio());
    EXPECT_EQ(tile.pixel(0, middle), white);
    EXPECT_EQ(RunLength(tile, 0, middle, 1, 0), b) << "white on the left";
    EXPECT_EQ(RunLength(tile, middle, 0, 0, 1), b) << "white on the top";
    EXPECT_EQ(tile.pixel(last, middle), black);
    EXPECT_EQ(RunLength(tile, last, middle, -1, 0), b) << "black on the right";
    EXPECT_EQ(RunLength(tile, middle, last, 0, -1), b) << "black at the bottom";
    EXPECT_EQ(tile.pixel(last - b, middle), darkGrey);
    EXPECT_EQ(RunLength(tile, last - b, middle, -1, 0), b) << "dark grey on the right";
    EXPECT_EQ(RunLength(tile, middle, last - b, 0, -1), b) << "dark grey at the bottom";
    EXPECT_EQ(tile.pixel(middle, middle), lightGrey);

    const QImage pressed = LoadBitmap("IDB_UNKNOWN_D", ratio());
    for (auto [x, y, dx, dy] : {std::tuple{0, middle, 1, 0}, {middle, 0, 0, 1}, {last, middle, -1, 0}, {middle, last, 0, -1}})
        EXPECT_EQ(RunLength(pressed, x, y, dx, dy), b) << "pressed frame " << x << "," << y;
}

// The dotted focus frame: on the second band in from the top and left and the band just inside the
// shadow, dots one edge wide at least one edge apart, the rows matching the columns and meeting at the corners.
TEST_P(ScaledPictures, FocusDotsAreEvenOnEverySide)
{
    const QImage focused = LoadBitmap("IDB_UNKNOWN_F", ratio());
    const int b = LineWidth(ratio()), size = focused.width();
    for (int line : {b, size - 3 * b}) {
        SCOPED_TRACE(line);
        std::vector<int> along, down;
        for (int position = 0; position < size; ++position) {
            along.push_back(focused.pixel(position, line) == black);
            down.push_back(focused.pixel(line, position) == black);
        }
        EXPECT_EQ(along, down) << "the frame's rows and columns match";
        EXPECT_EQ(focused.pixel(b, line), black) << "a dot in the near corner";
        EXPECT_EQ(focused.pixel(size - 3 * b, line), black) << "a dot in the far corner";
        std::vector<int> dots, gaps;
        for (int position = b; position < size - 2 * b;) {
            const int run = RunLength(focused, position, line, 1, 0);
            (focused.pixel(position, line) == black ? dots : gaps).push_back(run);
            position += run;
        }
        EXPECT_GE(dots.size(), 7u);
        for (int dot : dots)
            EXPECT_EQ(dot, b);
        for (int gap : gaps) {
            EXPECT_GE(gap, b);
            EXPECT_LE(gap, 2 * b);
        }
    }
}

// A disc is round the same way in every direction; a ship end is the mirror of the opposite end.
TEST_P(ScaledPictures, SymbolsAreTrulySymmetric)
{
    const QImage round = SymbolSquare("IDB_ROUND_U", ratio());
    EXPECT_LE(LargestDifference(round, round.mirrored(true, false)), 2);
    EXPECT_LE(LargestDifference(round, round.mirrored(false, true)), 2);
    const QImage north = SymbolSquare("IDB_NORTH_U", ratio());
    EXPECT_LE(LargestDifference(north, north.mirrored(true, false)), 2);
    EXPECT_LE(LargestDifference(north, SymbolSquare("IDB_SOUTH_U", ratio()).mirrored(false, true)), 2);
    EXPECT_LE(LargestDifference(SymbolSquare("IDB_EAST_U", ratio()), SymbolSquare("IDB_WEST_U", ratio()).mirrored(true, false)), 2);
    EXPECT_LE(LargestDifference(north.transformed(QTransform().rotate(90)), SymbolSquare("IDB_EAST_U", ratio())), 2);
}

// The full square and the water fill the symbol's square exactly; nothing spills beyond it.
TEST_P(ScaledPictures, SquareSymbolsFillTheirSquareExactly)
{
    const QImage square = SymbolSquare("IDB_SQUARE_U", ratio());
    EXPECT_EQ(CountOtherThan(square, square.rect(), black), 0);
    const QImage tile = Cut(LoadBitmap("IDB_SQUARE_U", ratio()), QRect(QPoint(), LoadBitmap("IDB_SQUARE_U", ratio()).size()));
    const int b = LineWidth(ratio());
    const QRect face(b, b, tile.width() - 3 * b, tile.height() - 3 * b);
    EXPECT_EQ(Count(tile, face, black), square.width() * square.height());
}

// Each ratio is drawn once: asking again gives the very same picture, not a new drawing.
TEST_P(ScaledPictures, AreDrawnOncePerRatio)
{
    EXPECT_EQ(LoadBitmap("IDB_EAST_F", ratio()).cacheKey(), LoadBitmap("IDB_EAST_F", ratio()).cacheKey());
    EXPECT_EQ(LoadMenuBitmap(3004, ratio()).cacheKey(), LoadMenuBitmap(3004, ratio()).cacheKey());
}

// Menu pictures: their widths and 17 lines at this ratio, the symbol as in the cells, the label from the
// label column on and inside the picture.
TEST_P(ScaledPictures, MenuPicturesKeepTheirLayout)
{
    const int widths[] = {51, 62, 76, 52, 102, 75, 69, 90};
    for (int code = 0; code < 8; ++code) {
        SCOPED_TRACE(code);
        const QImage picture = LoadMenuBitmap(3000 + code, ratio());
        ASSERT_EQ(picture.size(), QSize(Px(widths[code], ratio()), Px(17, ratio())));
        const QImage rgb = Cut(picture, picture.rect());
        const int labelLeft = Px(22, ratio());
        EXPECT_EQ(CountOtherThan(rgb, QRect(Px(16, ratio()), 0, labelLeft - Px(16, ratio()), rgb.height()), lightGrey), 0)
            << "nothing between the symbol and the label";
        EXPECT_GT(CountOtherThan(rgb, QRect(labelLeft, 0, rgb.width() - labelLeft, rgb.height()), lightGrey), 0)
            << "a label";
        EXPECT_EQ(CountOtherThan(rgb, QRect(0, 0, rgb.width(), 1), lightGrey), 0) << "no border";
    }
    EXPECT_TRUE(LoadMenuBitmap(3008, ratio()).isNull());
}

// The labels look alike at every scale: the same bold face, as dark for its size, and its ink from the label
// column to three pixels of the design before the right edge, as at scale 1.
TEST_P(ScaledPictures, MenuLabelsLookAsAtScaleOne)
{
    const int widths[] = {51, 62, 76, 52, 102, 75, 69, 90};
    for (int code = 0; code < 8; ++code) {
        SCOPED_TRACE(code);
        const auto inkShare = [](const QImage& picture, int left, int right) {
            int ink = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = left; x < right; ++x)
                    ink += qGray(picture.pixel(x, y)) < 96;
            return double(ink) / ((right - left) * picture.height());
        };
        const QImage one = Cut(LoadMenuBitmap(3000 + code), QRect(0, 0, widths[code], 17));
        const QImage scaled = Cut(LoadMenuBitmap(3000 + code, ratio()), QRect(QPoint(), LoadMenuBitmap(3000 + code, ratio()).size()));
        const int left = Px(22, ratio()), right = Px(widths[code] - 3, ratio());
        int first = scaled.width(), last = -1;
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = left - 2; x < scaled.width(); ++x)
                if (qGray(scaled.pixel(x, y)) < 96) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        EXPECT_NEAR(first, left, 1);
        EXPECT_NEAR(last, right - 1, 1);
        EXPECT_NEAR(inkShare(scaled, left, right), inkShare(one, 22, widths[code] - 3), 0.06) << "as bold as at scale 1";
    }
}

INSTANTIATE_TEST_SUITE_P(AtRatio, ScaledPictures, ::testing::ValuesIn(ratios), [](const auto& info) {
    return "x" + std::to_string(int(info.param * 100));
});

// Away from scale 1 the round ends and the words are smooth: their edges blend into the face.
TEST(ScaledPictureEdges, AreSmoothAwayFromScaleOne)
{
    for (qreal ratio : {1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        EXPECT_GT(Blended(SymbolSquare("IDB_ROUND_U", ratio), black, lightGrey), 0);
        const QImage menu = Cut(LoadMenuBitmap(3001, ratio), QRect(QPoint(), LoadMenuBitmap(3001, ratio).size()));
        EXPECT_GT(Blended(menu, black, lightGrey), 0);
    }
    EXPECT_EQ(Blended(SymbolSquare("IDB_ROUND_U", 1.0), black, lightGrey), 0) << "scale 1 stays pixel art";
}

} // namespace
