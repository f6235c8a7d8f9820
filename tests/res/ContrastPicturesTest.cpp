// The pictures in the two colours of a high-contrast look: every shape in ink on paper, each kind still told
// apart from the others, at scale 1 and on screens of other ratios.
#include "PixelProbe.h"
#include "Pictures.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr Inks WhiteOnBlack{qRgb(255, 255, 255), qRgb(0, 0, 0)};
constexpr Inks BlackOnWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};

class ContrastPictures : public ::testing::TestWithParam<std::tuple<Inks, qreal>> {
protected:
    const Inks& inks() const { return std::get<0>(GetParam()); }
    qreal ratio() const { return std::get<1>(GetParam()); }
    QImage Picture(const QString& name) const
    {
        return LoadBitmap(name, ratio(), inks()).convertToFormat(QImage::Format_RGB32);
    }
    // Whether a colour lies on the way from paper to ink: one of them, or an antialiased blend of the two.
    bool BetweenInkAndPaper(QRgb colour) const
    {
        const auto channel = [](QRgb c, int i) { return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c); };
        for (int i = 0; i < 3; ++i) {
            const int low = std::min(channel(inks().ink, i), channel(inks().paper, i));
            const int high = std::max(channel(inks().ink, i), channel(inks().paper, i));
            if (channel(colour, i) < low || channel(colour, i) > high)
                return false;
        }
        return true;
    }
};

// Every cell, ship and menu picture exists in two colours at the size of its classic one, and holds no other.
TEST_P(ContrastPictures, EveryPictureIsInkOnPaperAtItsOwnSize)
{
    QStringList names;
    for (const char* kind : {"NORTH", "EAST", "SOUTH", "WEST", "ROUND", "SQUARE", "WATER", "UNKNOWN"})
        for (const char* state : {"U", "D", "F", "X"})
            names << QStringLiteral("IDB_%1_%2").arg(kind, state);
    for (const char* kind : {"NORTH", "ROUND", "WATER"})
        names << QStringLiteral("IDB_RED_%1_X").arg(kind) << QStringLiteral("IDB_RED_%1_F").arg(kind);
    for (int length = 1; length <= 4; ++length)
        names << QStringLiteral("IDB_COUNT_%1").arg(length);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage picture = Picture(name);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), LoadBitmap(name, ratio()).size());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ASSERT_TRUE(BetweenInkAndPaper(picture.pixel(x, y))) << x << "," << y;
    }
    for (int id = IDC_FIRST_PIECE_COMMAND; id < IDC_FIRST_PIECE_COMMAND + PieceKindCount; ++id) {
        const QImage menu = LoadMenuBitmap(id, ratio(), inks()).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(menu.size(), LoadMenuBitmap(id, ratio()).size()) << id;
        // The label, from its column on: as sharp as every text of the look.
        const QRect label(qRound(22 * ratio()), 0, menu.width() - qRound(22 * ratio()), menu.height());
        EXPECT_EQ(CountOtherThan(menu, label, inks().ink) + CountOtherThan(menu, label, inks().paper),
                  label.width() * label.height())
            << id << ": the label is ink or paper";
        EXPECT_GT(Count(menu, label, inks().ink), 0) << id;
    }
}

// Water and a middle square are both full squares, told apart by colour in the classic look: in two colours
// water is stripes. Every kind still shows its own picture, and a clue its diamond.
TEST_P(ContrastPictures, EveryKindKeepsAPictureOfItsOwn)
{
    std::set<QByteArray> seen;
    for (const char* kind : {"NORTH", "EAST", "SOUTH", "WEST", "ROUND", "SQUARE", "WATER", "UNKNOWN"}) {
        const QImage up = Picture(QStringLiteral("IDB_%1_U").arg(kind));
        const QByteArray bytes(reinterpret_cast<const char*>(up.constBits()), int(up.sizeInBytes()));
        EXPECT_TRUE(seen.insert(bytes).second) << kind << " looks like another kind";
    }
    const QImage water = Picture("IDB_WATER_U");
    const int line = std::max(1, qRound(ratio()));
    const int column = water.width() / 2, top = qRound(3 * ratio());
    EXPECT_EQ(water.pixel(column, top) & 0xffffff, inks().ink & 0xffffff) << "a stripe of ink at the top of the square";
    EXPECT_EQ(water.pixel(column, top + line) & 0xffffff, inks().paper & 0xffffff) << "then paper";
    EXPECT_EQ(water.pixel(column, top + 2 * line) & 0xffffff, inks().ink & 0xffffff) << "then ink again";

    const QImage clue = Picture("IDB_RED_SQUARE_X"), square = Picture("IDB_SQUARE_U");
    EXPECT_NE(clue, square);
    // The diamond is centred on the middle of pixel 10 of the design; its ring of paper reaches a line further.
    const QPoint centre(int(10.5 * ratio()), int(10.5 * ratio()));
    EXPECT_EQ(clue.pixel(centre) & 0xffffff, inks().ink & 0xffffff) << "the diamond";
    // On the ink square, the ring of paper that sets the diamond apart: paper where the square alone has none.
    const QRect symbol(qRound(4 * ratio()), qRound(4 * ratio()), qRound(13 * ratio()), qRound(13 * ratio()));
    EXPECT_EQ(Count(square, symbol, (inks().paper & 0xffffff) | 0xff000000), 0);
    EXPECT_GT(Count(clue, symbol, (inks().paper & 0xffffff) | 0xff000000), 4 * line) << "the ring of paper";
}

INSTANTIATE_TEST_SUITE_P(InksAndRatios, ContrastPictures,
                         ::testing::Combine(::testing::Values(WhiteOnBlack, BlackOnWhite), ::testing::Values(1.0, 1.5, 2.0)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).ink == qRgb(0, 0, 0) ? "BlackOnWhite" : "WhiteOnBlack") +
                                    "_x" + std::to_string(qRound(std::get<1>(info.param) * 100));
                         });

} // namespace
