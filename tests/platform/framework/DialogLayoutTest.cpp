// A translation's own rectangles for a dialog's controls, read from the text it gives under "LAYOUT".
#include "DialogLayout.h"
#include "DialogTemplate.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const DialogTemplate& Sample()
{
    static const DialogTemplate dialog{1, "Sample", 100, 60, 8, 0u, {
        {1000, ControlKind::PushButton, "&Start", 4, 40, 30, 14, TabStop},
        {NoControlId, ControlKind::Static, "Current Game:", 4, 2, 40, 8, 0u},
        {NoControlId, ControlKind::AutoCheckBox, "Cruiser", 4, 12, 40, 10, 0u},
        {NoControlId, ControlKind::AutoCheckBox, "Cruiser", 4, 24, 40, 10, 0u},
        {NoControlId, ControlKind::Static, "Version 1\nMore lines", 50, 2, 46, 30, 0u},
        {NoControlId, ControlKind::Static, "&1", 4, 48, 8, 8, 0u},
        {1, ControlKind::PushButton, "E&xit", 60, 40, 30, 14, TabStop},
    }, nullptr};
    return dialog;
}

struct LayoutCase {
    const char* name;
    const char* text;
    std::vector<std::pair<int, QRect>> changed; // index, new rectangle
    int errors;
};

const LayoutCase LayoutCases[] = {
    {"EnglishLayout", "LAYOUT", {}, 0},
    {"ByIdentifier", "1000 = 2, 40, 36, 14", {{0, QRect(2, 40, 36, 14)}}, 0},
    {"ByEnglishText", "Current Game: = 4, 2, 48, 10", {{1, QRect(4, 2, 48, 10)}}, 0},
    {"WithoutSpaces", "Current Game:=4,2,48,10", {{1, QRect(4, 2, 48, 10)}}, 0},
    {"ByFirstLine", "Version 1 = 48, 2, 48, 30", {{4, QRect(48, 2, 48, 30)}}, 0},
    {"SeveralLinesAndSemicolons", "1000 = 2, 40, 36, 14\nCurrent Game: = 4, 2, 48, 10; Version 1 = 48, 2, 48, 30",
     {{0, QRect(2, 40, 36, 14)}, {1, QRect(4, 2, 48, 10)}, {4, QRect(48, 2, 48, 30)}}, 0},
    {"TextOfAControlWithANumber", "&Start = 2, 40, 36, 14", {}, 1},
    {"NumberBeforeText", "1 = 58, 40, 32, 14", {{6, QRect(58, 40, 32, 14)}}, 0},
    {"TextWhereNoControlHasTheNumber", "&1 = 2, 48, 8, 8", {{5, QRect(2, 48, 8, 8)}}, 0},
    {"TextOfTwoControls", "Cruiser = 4, 12, 50, 10", {}, 1},
    {"NoSuchControl", "Cancel = 1, 1, 1, 1", {}, 1},
    {"NotARectangle", "1000 = 2, 40, 36", {}, 1},
    {"ReadableBesideUnreadable", "1000 = wide\n1000 = 2, 40, 36, 14", {{0, QRect(2, 40, 36, 14)}}, 1},
};

class DialogLayoutRead : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DialogLayoutRead, MovesTheNamedControlsAndSaysWhatItCannotRead)
{
    const LayoutCase& given = GetParam();
    const DialogLayout layout = DialogLayout::Read(Sample(), QString::fromUtf8(given.text));
    EXPECT_EQ(layout.Errors().size(), given.errors) << layout.Errors().join(" / ").toStdString();
    std::vector<int> changed;
    for (const auto& [index, rect] : given.changed)
        changed.push_back(index);
    EXPECT_EQ(layout.Changed(), changed);
    for (int i = 0; i < int(Sample().controls.size()); ++i) {
        const ControlTemplate& control = Sample().controls[i];
        QRect expected(control.x, control.y, control.cx, control.cy);
        for (const auto& [index, rect] : given.changed)
            if (index == i)
                expected = rect;
        EXPECT_EQ(layout.RectOf(i), expected) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, DialogLayoutRead, ::testing::ValuesIn(LayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
