// When the desktop asks for high contrast, and the palette the classic look then draws with.
#include "ClassicStyle.h"
#include "ContrastLook.h"

#include <QApplication>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

QPalette TwoColours(QColor window, QColor text)
{
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    return palette;
}

// The toolkit's own palette, as a desktop that sets none leaves it.
const QPalette Plain = QPalette(QColor(239, 239, 239));

struct AskCase {
    const char* name;
    DesktopColours desktop;
    bool asks;
    QRgb window, text; // of the answer, when it asks
};


TEST(ContrastLook, TheDesktopAsksByItsPaletteOrByNamingAHighContrastTheme)
{
    const AskCase cases[] = {
        {"NothingSet", {Plain, Plain, "fusion", ""}, false, 0, 0},
        {"WhiteOnBlack", {TwoColours(Qt::black, Qt::white), Plain, "fusion", ""}, true, qRgb(0, 0, 0), qRgb(255, 255, 255)},
        {"YellowOnNavy", {TwoColours(QColor(0, 0, 64), QColor(255, 255, 0)), Plain, "fusion", ""}, true, qRgb(0, 0, 64),
         qRgb(255, 255, 0)},
        {"PaletteBelowSevenToOne", {TwoColours(QColor(90, 90, 90), QColor(200, 200, 200)), Plain, "fusion", ""}, false, 0, 0},
        {"InverseThemeNamed", {Plain, Plain, "HighContrastInverse", ""}, true, qRgb(0, 0, 0), qRgb(255, 255, 255)},
        {"OverrideNamesATheme", {Plain, Plain, "fusion", "Adwaita-HighContrast"}, true, qRgb(255, 255, 255), qRgb(0, 0, 0)},
        {"ThemeWithItsOwnColours", {TwoColours(Qt::black, Qt::yellow), TwoColours(Qt::black, Qt::yellow), "high contrast", ""},
         true, qRgb(0, 0, 0), qRgb(255, 255, 0)},
        {"OtherStyleNamed", {Plain, Plain, "windows", "breeze"}, false, 0, 0},
    };
    for (const AskCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<QPalette> answer = HighContrastPalette(c.desktop);
        ASSERT_EQ(answer.has_value(), c.asks);
        if (!answer)
            continue;
        EXPECT_EQ(answer->color(QPalette::Window).rgb(), c.window);
        EXPECT_EQ(answer->color(QPalette::WindowText).rgb(), c.text);
        EXPECT_TRUE(IsFlatPalette(*answer));
    }
}

// Every text of the answer reaches 7:1: the ordinary ones, the highlighted, and those that cannot be used, which
// are dimmer than the rest but no less legible than 7:1; every edge is the text colour, every face the window's.
TEST(ContrastLook, EveryTextOfTheAnswerReachesSevenToOne)
{
    for (const QPalette& desktop : {TwoColours(Qt::black, Qt::white), TwoColours(Qt::white, Qt::black),
                                    TwoColours(QColor(0, 0, 64), QColor(255, 255, 0))}) {
        const QPalette p = *HighContrastPalette({desktop, Plain, "fusion", ""});
        const QColor window = p.color(QPalette::Window);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
                EXPECT_GE(ContrastRatio(p.color(group, role), window), 7.0) << group << " " << role;
                EXPECT_GE(ContrastRatio(p.color(group, role), p.color(group, QPalette::Base)), 7.0);
            }
        EXPECT_GE(ContrastRatio(p.color(QPalette::Highlight), p.color(QPalette::HighlightedText)), 7.0);
        EXPECT_NE(p.color(QPalette::Disabled, QPalette::ButtonText), p.color(QPalette::Active, QPalette::ButtonText))
            << "what cannot be used still looks so";
        for (QPalette::ColorRole edge : {QPalette::Light, QPalette::Midlight, QPalette::Dark, QPalette::Shadow})
            EXPECT_EQ(p.color(edge), p.color(QPalette::WindowText));
        EXPECT_EQ(p.color(QPalette::Button), window);
    }
}

TEST(ContrastLook, ContrastIsMeasuredAsTheGuidelinesMeasureIt)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Qt::white, Qt::black), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(QColor(119, 119, 119), QColor(119, 119, 119)), 1.0);
    EXPECT_NEAR(ContrastRatio(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
    EXPECT_FALSE(IsFlatPalette(ClassicPalette()));
    EXPECT_FALSE(IsFlatPalette(Plain));
}

// The program started on a desktop that asks for nothing keeps the classic look.
TEST(ContrastLook, NoDesktopPaletteKeepsTheClassicLook)
{
    EXPECT_EQ(LookPalette(), ClassicPalette());
    EXPECT_FALSE(IsFlatPalette(QApplication::palette()));
}

} // namespace
