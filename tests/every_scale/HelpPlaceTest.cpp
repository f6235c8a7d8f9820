// The help viewer opens beside the game where the screen has room, else clear of the grid the player keeps
// looking at; always whole on the screen, and ready for keys on its contents; at every scale and on the
// screens desktops commonly have.
#include "HelpPlacement.h"
#include "WindowPicturesRun.h"

#include <gtest/gtest.h>

namespace {

struct Screen {
    const char* name;
    QSize pixels;
    double scale;
    bool roomBeside; // the screen has room for a readable viewer beside the whole game
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

const Screen screens[] = {
    {"1366x768_at_1", {1366, 768}, 1.0, true},       {"1920x1080_at_1_25", {1920, 1080}, 1.25, true},
    {"2560x1440_at_1_5", {2560, 1440}, 1.5, true},   {"3840x2160_at_2", {3840, 2160}, 2.0, true},
    {"1280x1024_at_1", {1280, 1024}, 1.0, true},     {"1280x1024_at_1_25", {1280, 1024}, 1.25, true},
    {"1280x1024_at_1_5", {1280, 1024}, 1.5, false},  {"1280x1024_at_1_75", {1280, 1024}, 1.75, false},
    {"1280x1024_at_2", {1280, 1024}, 2.0, false},    {"2560x2048_at_2_5", {2560, 2048}, 2.5, true},
    {"2560x2048_at_3", {2560, 2048}, 3.0, false},
};

class HelpWindow : public ::testing::TestWithParam<Screen> {};

TEST_P(HelpWindow, OpensWhereTheGameStaysInSight)
{
    const Screen& screen = GetParam();
    const WindowPicturesRun run(screen.scale, screen.pixels);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    const QRect area = run.Place("screen"), game = run.Place("game"), grid = run.Place("grid"), help = run.Place("help");
    ASSERT_TRUE(area.contains(game)) << "the game itself fits";
    ASSERT_TRUE(game.contains(grid));
    EXPECT_TRUE(area.contains(help)) << "the whole frame on the screen";
    EXPECT_FALSE(help.intersects(grid)) << "the grid in sight";
    if (screen.roomBeside)
        EXPECT_FALSE(help.intersects(game)) << "beside the game";
    else
        EXPECT_TRUE(help.intersects(game)) << "as large as the room beside the grid allows";
    EXPECT_GE(help.width(), 240);
    EXPECT_GE(help.height(), 240);
    EXPECT_EQ(run.Words("help-focus"), QStringList({"contents", "active"})) << "the first key moves through the contents";
}

INSTANTIATE_TEST_SUITE_P(Screens, HelpWindow, ::testing::ValuesIn(screens),
                         [](const auto& info) { return std::string(info.param.name); });

// The rule itself, where the window manager's frame and odd screens are easy to set: the strip with the
// most room wins, the frame is counted, and a screen too small for any strip still gets the whole viewer.
TEST(HelpPlacement, TakesTheLargestStripThatHoldsTheViewerFrameIncluded)
{
    const QMargins frame(4, 24, 4, 4);
    HelpPlacement placement{QRect(0, 0, 1600, 900), QRect(100, 100, 500, 400), QRect(110, 130, 300, 330),
                            QSize(780, 540), QSize(240, 240), frame};
    // Right of the game: 999 wide; above and left too small, below 1600 x 399.
    EXPECT_EQ(placement.Frame(), QRect(600, 100, 788, 568));

    placement.window = QRect(700, 100, 500, 400);
    placement.inView = QRect(710, 130, 300, 330);
    // Left now has 700, right 400: the larger wins, against the game's left side.
    EXPECT_EQ(placement.Frame(), QRect(0, 100, 700, 568));

    placement.area = QRect(0, 0, 900, 600);
    placement.window = QRect(200, 100, 500, 400);
    placement.inView = QRect(210, 130, 300, 330);
    // No strip beside the game holds 248 x 268; right of the grid does: 390 wide, moved up to stay on screen.
    EXPECT_EQ(placement.Frame(), QRect(510, 32, 390, 568));

    placement.area = QRect(0, 0, 520, 420);
    placement.window = QRect(0, 0, 520, 420);
    placement.inView = QRect(10, 30, 400, 380);
    EXPECT_EQ(placement.Frame(), QRect(0, 0, 520, 420)) << "the whole screen, rather than a useless sliver";
}

} // namespace
