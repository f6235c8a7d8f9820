// Icons at every scale are drawn for the screen's own pixels: as large as the scale makes them, and in the
// few colours of their design, never the blended colours of a picture smoothed from another size.
#include "WindowPicturesRun.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

constexpr QRgb windowFace = qRgb(192, 192, 192);

// The program icon's colours: the standard 16-colour palette; the prompts': black, white, their grey
// shadow, the question's blue and the warning's yellow.
const QSet<QRgb> appIconColours = {qRgb(0, 0, 0),     qRgb(128, 0, 0),     qRgb(0, 0, 128),     qRgb(192, 192, 192),
                                   qRgb(128, 128, 128), qRgb(0, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
const QSet<QRgb> promptColours = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(153, 153, 153), qRgb(0, 0, 255),
                                  qRgb(255, 255, 0)};

QSet<QRgb> Colours(const QImage& picture, const QRect& area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(picture.pixel(x, y) | 0xff000000);
    return colours;
}

std::string Listed(const QSet<QRgb>& colours)
{
    std::string text;
    for (QRgb colour : colours)
        text += QString::number(colour & 0xffffff, 16).toStdString() + " ";
    return text;
}

class IconColours : public ::testing::TestWithParam<double> {};

TEST_P(IconColours, AreTheDesignsOwnAtTheScreensSize)
{
    const double scale = GetParam();
    const WindowPicturesRun run(scale);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    const int pixels = qRound(32 * scale);
    struct Shown {
        const char* window;
        const QSet<QRgb>& allowed;
        int fewest; // colours a true picture of the design shows at least
    } shown[] = {{"about", appIconColours, 6}, {"prompt", promptColours, 4}, {"warning", promptColours, 3}};
    for (const Shown& expected : shown) {
        SCOPED_TRACE(expected.window);
        const WindowPicture window = run.Window(expected.window);
        int icons = 0;
        for (const FramedControl& control : window.controls) {
            if (control.kind != "icon")
                continue;
            ++icons;
            const QRect device = window.Device(control.rect);
            EXPECT_EQ(device.size(), QSize(pixels, pixels)) << "drawn for the screen's pixels";
            QSet<QRgb> colours = Colours(window.picture, device);
            colours.remove(windowFace);
            EXPECT_TRUE((colours - expected.allowed).isEmpty()) << "colours beyond the design's: " << Listed(colours - expected.allowed);
            EXPECT_GE(colours.size(), expected.fewest) << Listed(colours);
        }
        EXPECT_EQ(icons, 1);
    }
    // The window icon the window system is given, at the sizes a title bar and a task bar take.
    for (int size : {16, 32}) {
        const QImage icon(QString::fromStdString(run.Folder() + "/window-icon-" + std::to_string(size) + ".png"));
        EXPECT_EQ(icon.size(), QSize(qRound(size * scale), qRound(size * scale))) << size;
        const QSet<QRgb> colours = Colours(icon, icon.rect());
        EXPECT_TRUE((colours - appIconColours).isEmpty()) << size << ": " << Listed(colours - appIconColours);
        EXPECT_GE(colours.size(), 6) << size;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, IconColours, ::testing::ValuesIn(LookScales), [](const auto& info) {
    return "x" + std::to_string(qRound(info.param * 100));
});

} // namespace
