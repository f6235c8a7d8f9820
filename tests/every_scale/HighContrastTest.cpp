// Every window in a high-contrast look, as a desktop that sets a white-on-black or a black-on-white palette
// gets it, at scales 1 and 2: every text reaches 7:1 against what it stands on, and every bevel, frame and
// etched line keeps its shape, in the palette's text colour on its window colour.
#include "EdgeModels.h"
#include "WindowPicturesRun.h"

#include <QColor>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

namespace {

struct ContrastCase {
    const char* palette;
    QRgb ink, paper;
    double scale;
};

void PrintTo(const ContrastCase& c, std::ostream* os) { *os << c.palette << " at " << c.scale; }

const ContrastCase Cases[] = {
    {"white-on-black", qRgb(255, 255, 255), qRgb(0, 0, 0), 1.0},
    {"white-on-black", qRgb(255, 255, 255), qRgb(0, 0, 0), 2.0},
    {"black-on-white", qRgb(0, 0, 0), qRgb(255, 255, 255), 1.0},
    {"black-on-white", qRgb(0, 0, 0), qRgb(255, 255, 255), 2.0},
};

const char* const Windows[] = {"start", "started", "menu", "prompt", "warning", "score", "about", "congratulations", "help"};

double Luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text's contrast as the eye takes it: the colour most of the place is (what the text stands on) against
// the colour furthest from it that a few pixels share (the text's own, where a glyph is solid). 0 for a place
// of one colour.
double TextContrast(const QImage& picture, const QRect& place)
{
    std::map<QRgb, int> counts;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x)
            if (picture.rect().contains(x, y))
                ++counts[picture.pixel(x, y) & 0xffffff];
    if (counts.size() < 2)
        return 0;
    const QRgb ground = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                            return a.second < b.second;
                        })->first;
    double best = 1;
    for (const auto& [colour, count] : counts)
        if (count >= 3)
            best = std::max(best, Contrast(colour, ground));
    return best;
}

class HighContrast : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(HighContrast, EveryTextReachesSevenToOne)
{
    const ContrastCase& c = GetParam();
    const WindowPicturesRun run(c.scale, QSize(3840, 2160), "en", false, c.palette);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    int measured = 0;
    double lowest = 21;
    for (const char* name : Windows) {
        const WindowPicture window = run.Window(name);
        ASSERT_FALSE(window.picture.isNull()) << name;
        for (const QRect& text : window.texts) {
            const QRect device = window.Device(text);
            const double contrast = TextContrast(window.picture, device);
            if (contrast == 0)
                continue; // an empty label, a list with nothing in view
            ++measured;
            lowest = std::min(lowest, contrast);
            EXPECT_GE(contrast, 7.0) << name << ": " << contrast << ":1 for the text at (" << device.x() << "," << device.y() << " "
                                     << device.width() << "x" << device.height() << ")";
        }
    }
    EXPECT_GT(measured, 60) << "every window's texts were found";
    RecordProperty("lowest_text_contrast", QString::number(lowest, 'f', 2).toStdString());
    std::printf("%s at %.0f: %d texts, lowest contrast %.2f:1\n", c.palette, c.scale, measured, lowest);
}

// The classic bevels in two colours: where the classic look draws light grey the window colour, and where it
// draws white, dark grey or black the text colour, line for line, on every framed control.
TEST_P(HighContrast, EveryBevelKeepsItsShapeInTheTextColour)
{
    const ContrastCase& c = GetParam();
    const WindowPicturesRun run(c.scale, QSize(3840, 2160), "en", false, c.palette);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    const int line = std::max(1, qRound(c.scale));
    const auto inColours = [&c](QRgb classic) { return (classic & 0xffffff) == (face & 0xffffff) ? c.paper : c.ink; };
    int measured = 0;
    for (const char* name : Windows) {
        const WindowPicture window = run.Window(name);
        for (const FramedControl& control : window.controls) {
            const auto model = models.find(control.kind);
            if (model == models.end())
                continue;
            ++measured;
            const QRect device = window.Device(control.rect);
            const std::vector<std::string> faults =
                EdgeFaults(window.picture, device, model->second, line, window.Device(control.skip), inColours);
            EXPECT_TRUE(faults.empty()) << name << ": " << control.kind.toStdString() << " at (" << device.x() << ","
                                        << device.y() << " " << device.width() << "x" << device.height()
                                        << "): " << ::testing::PrintToString(faults);
        }
    }
    EXPECT_GT(measured, 60) << "every window's framed controls were found";
}

// The same windows without a desktop palette keep the classic colours: the look changes only when asked.
TEST(HighContrastOnlyWhenAsked, TheClassicFaceStaysWithoutADesktopPalette)
{
    const WindowPicturesRun run(1.0);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    const WindowPicture start = run.Window("start");
    EXPECT_EQ(start.picture.pixel(start.picture.width() / 2, 2) & 0xffffff, face & 0xffffff);
}

INSTANTIATE_TEST_SUITE_P(Palettes, HighContrast, ::testing::ValuesIn(Cases), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.palette).replace('-', '_');
    return name.toStdString() + "_x" + std::to_string(qRound(info.param.scale * 100));
});

} // namespace
