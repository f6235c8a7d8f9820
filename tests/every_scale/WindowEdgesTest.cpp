// Every window at every scale a desktop offers, as the screen shows it: each bevel, frame and etched line
// of each control is whole device pixels, as wide on all four sides, scaled with the rest and never cut off.
#include "WindowPicturesRun.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

constexpr QRgb black = qRgb(0, 0, 0), darkGrey = qRgb(128, 128, 128), face = qRgb(192, 192, 192),
               midlight = qRgb(223, 223, 223), white = qRgb(255, 255, 255);

// How a kind of control draws its edge, from the outside in.
struct EdgeModel {
    enum Shape {
        // Nested lines, each with one colour on the top and left and another on the bottom and right; the
        // bottom and right lines run the full length, the top and left ones stop where those begin.
        Bevel,
        // Two equal rectangles, the second a line further right and down: the etched frame of a group box.
        Etched,
    } shape;
    std::vector<QRgb> topLeft, bottomRight;
};

const std::map<QString, EdgeModel> models = {
    {"button", {EdgeModel::Bevel, {white, face}, {black, darkGrey}}},
    {"default-button", {EdgeModel::Bevel, {black, white, face}, {black, black, darkGrey}}},
    {"check-box", {EdgeModel::Bevel, {darkGrey, black}, {white, face}}},
    {"panel-sunken", {EdgeModel::Bevel, {darkGrey}, {white}}},
    {"winpanel-sunken", {EdgeModel::Bevel, {darkGrey, black}, {white, midlight}}},
    {"styled-sunken", {EdgeModel::Bevel, {darkGrey, black}, {white, face}}},
    {"line-edit", {EdgeModel::Bevel, {darkGrey, black}, {white, face}}},
    {"menu", {EdgeModel::Bevel, {face, white}, {black, darkGrey}}},
    {"tab-pane", {EdgeModel::Bevel, {white, face}, {black, darkGrey}}},
    {"scroll-button", {EdgeModel::Bevel, {white, face}, {black, darkGrey}}},
    {"group-box", {EdgeModel::Etched, {darkGrey}, {white}}},
};

// The colour the model gives a pixel of the edge, or nothing for a pixel inside the edge. x and y count
// from the rectangle's top-left corner; line is the width of one line in device pixels.
std::optional<QRgb> Expected(const EdgeModel& model, QSize size, int line, int x, int y)
{
    const int right = size.width() - 1, bottom = size.height() - 1;
    if (model.shape == EdgeModel::Etched) {
        // The dark rectangle's outline, then the light one's over it.
        const auto onOutline = [&](int shift) {
            const QRect outer(shift, shift, size.width() - line, size.height() - line);
            const QRect inner = outer.adjusted(line, line, -line, -line);
            return outer.contains(x, y) && !inner.contains(x, y);
        };
        if (onOutline(line))
            return model.bottomRight[0];
        if (onOutline(0))
            return model.topLeft[0];
        const QRect whole(0, 0, size.width(), size.height());
        return whole.adjusted(2 * line, 2 * line, -2 * line, -2 * line).contains(x, y) ? std::nullopt
                                                                                          : std::optional<QRgb>(face);
    }
    const int depth = std::min({x, y, right - x, bottom - y}) / line;
    if (depth >= int(model.topLeft.size()))
        return std::nullopt;
    // The line at this depth: the bottom and right parts take the last `line` pixels of its rectangle.
    const int inset = depth * line;
    const bool bottomRight = y > bottom - inset - line || x > right - inset - line;
    return bottomRight ? model.bottomRight[depth] : model.topLeft[depth];
}

std::string Hex(QRgb colour) { return QString::number(colour & 0xffffff, 16).rightJustified(6, '0').toStdString(); }

// The pixels of the control's edge that differ from the model, described; empty when all agree. skip
// leaves out the pixels it holds, such as a group box's title over its top line.
std::vector<std::string> EdgeFaults(const QImage& picture, const QRect& device, const EdgeModel& model, int line,
                                    const QRect& skip)
{
    std::vector<std::string> faults;
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x) {
            const QPoint at = device.topLeft() + QPoint(x, y);
            const std::optional<QRgb> expected = Expected(model, device.size(), line, x, y);
            if (!expected || skip.contains(at) || !picture.rect().contains(at))
                continue;
            const QRgb seen = picture.pixel(at) & 0xffffff;
            if (seen != (*expected & 0xffffff) && faults.size() < 6)
                faults.push_back("(" + std::to_string(x) + "," + std::to_string(y) + ") is " + Hex(seen) + ", not " +
                                 Hex(*expected));
        }
    return faults;
}

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
