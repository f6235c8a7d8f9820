// Every window at every scale a desktop offers, as the screen shows it: each bevel, frame and etched line
// of each control is whole device pixels, as wide on all four sides, scaled with the rest and never cut off.
#include "EdgeModels.h"
#include "WindowPicturesRun.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

class WindowEdges : public ::testing::TestWithParam<double> {};

TEST_P(WindowEdges, AreWholeEqualLinesOnEverySide)
{
    const double scale = GetParam();
    const WindowPicturesRun run(scale);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    const int line = std::max(1, qRound(scale));
    int measured = 0;
    for (const char* name : {"start", "started", "menu", "prompt", "warning", "score", "about", "congratulations", "help"}) {
        const WindowPicture window = run.Window(name);
        ASSERT_FALSE(window.picture.isNull()) << name;
        EXPECT_DOUBLE_EQ(window.ratio, scale) << name;
        for (const FramedControl& control : window.controls) {
            const auto model = models.find(control.kind);
            if (model == models.end())
                continue;
            ++measured;
            const QRect device = window.Device(control.rect);
            const QRect skip = window.Device(control.skip);
            const std::vector<std::string> faults = EdgeFaults(window.picture, device, model->second, line, skip);
            EXPECT_TRUE(faults.empty()) << name << ": " << control.kind.toStdString() << " at ("
                                        << device.x() << "," << device.y() << " " << device.width() << "x"
                                        << device.height() << "): " << ::testing::PrintToString(faults);
        }
    }
    EXPECT_GT(measured, 60) << "every window's framed controls were found";
}

// Etched separators of the piece menu: a dark line and a white one beneath, each a whole line wide, across
// the menu.
TEST_P(WindowEdges, MenuSeparatorIsOneDarkAndOneWhiteLine)
{
    const double scale = GetParam();
    const WindowPicturesRun run(scale);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    const int line = std::max(1, qRound(scale));
    const WindowPicture menu = run.Window("menu");
    int separators = 0;
    for (const FramedControl& control : menu.controls) {
        if (control.kind != "separator")
            continue;
        ++separators;
        const QRect device = menu.Device(control.rect);
        // Down the middle column: face, line rows of dark grey, line rows of white, face.
        std::vector<std::pair<QRgb, int>> runs;
        for (int y = device.top(); y <= device.bottom(); ++y) {
            const QRgb colour = menu.picture.pixel(device.center().x(), y) & 0xffffff;
            if (runs.empty() || runs.back().first != colour)
                runs.emplace_back(colour, 0);
            ++runs.back().second;
        }
        ASSERT_EQ(runs.size(), 4u) << ::testing::PrintToString(runs);
        EXPECT_EQ(runs[1], std::make_pair(darkGrey & 0xffffff, line));
        EXPECT_EQ(runs[2], std::make_pair(white & 0xffffff, line));
        // The two lines span the whole item.
        const int top = device.top() + runs[0].second;
        for (int x = device.left(); x <= device.right(); ++x)
            for (int k = 0; k < line; ++k) {
                ASSERT_EQ(menu.picture.pixel(x, top + k) & 0xffffff, darkGrey & 0xffffff) << x;
                ASSERT_EQ(menu.picture.pixel(x, top + line + k) & 0xffffff, white & 0xffffff) << x;
            }
    }
    EXPECT_EQ(separators, 1);
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowEdges, ::testing::ValuesIn(LookScales), [](const auto& info) {
    return "x" + std::to_string(qRound(info.param * 100));
});

} // namespace
