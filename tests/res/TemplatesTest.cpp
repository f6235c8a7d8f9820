// The four dialog templates hold the controls, texts, rectangles and styles of the program's windows.
#include "ClassicFont.h"
#include "DialogUnits.h"
#include "Templates.h"

#include <QFontMetrics>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Fields = std::tuple<int, int, std::string, int, int, int, int, unsigned>;

// Every field of a control, in a form that GoogleTest compares and prints.
Fields FieldsOf(const ControlTemplate& c)
{
    return {c.id, int(c.kind), c.text.toStdString(), c.x, c.y, c.cx, c.cy, c.style};
}

std::vector<Fields> FieldsOfAll(const std::vector<ControlTemplate>& controls)
{
    std::vector<Fields> fields;
    std::transform(controls.begin(), controls.end(), std::back_inserter(fields),
                   [](const ControlTemplate& c) { return FieldsOf(c); });
    return fields;
}

const std::vector<ControlTemplate>& MainControls() { return MainDialogTemplate().controls; }

// Positions in template order of the main window's blocks: 8 top-line statics, the "Radar Screen" box,
// 10 column letters, 10 rows of 12 controls, 10 column counts, the fleet box, 10 check boxes, 10 pictures.
constexpr int FirstColumnLetter = 9;
constexpr int FirstRow = 19;
constexpr int RowLength = 12;
constexpr int FirstColumnCount = 139;
constexpr int FleetBox = 149;
constexpr int FirstShipCheck = 150;
constexpr int FirstShipPicture = 160;
constexpr int FirstBottom = 170;

TEST(MainDialogTemplate, IsTheFixedGameWindow)
{
    const DialogTemplate& dialog = MainDialogTemplate();
    EXPECT_EQ(dialog.id, 102);
    EXPECT_EQ(dialog.caption, "Corvane");
    EXPECT_EQ(dialog.cx, 341);
    EXPECT_EQ(dialog.cy, 264);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.style, MinimizeBox | AppWindow);
    EXPECT_EQ(dialog.controls.size(), 180u);
    EXPECT_EQ(&dialog, &MainDialogTemplate());
}

// The identifiers in template order, which is also the tab order, written out block by block.
TEST(MainDialogTemplate, IdentifiersFollowTheLayoutOrder)
{
    std::vector<int> expected = {-1, 1014, -1, 1011, -1, 1012, -1, 1013, -1};
    for (int id = 7000; id <= 7009; ++id)
        expected.push_back(id);
    for (int r = 0; r < 10; ++r) {
        expected.push_back(-1);
        for (int id = 2000 + 10 * r; id <= 2009 + 10 * r; ++id)
            expected.push_back(id);
        expected.push_back(4000 + r);
    }
    for (int id = 5000; id <= 5009; ++id)
        expected.push_back(id);
    expected.push_back(-1);
    for (int id = 6000; id <= 6009; ++id)
        expected.push_back(id);
    expected.insert(expected.end(), 10, -1);
    expected.insert(expected.end(), {1010, 1000, 1005, 1003, 1004, 1006, 1007, 1008, 1, 1015});

    std::vector<int> actual;
    for (const ControlTemplate& c : MainControls())
        actual.push_back(c.id);
    EXPECT_EQ(actual, expected);
}

TEST(MainDialogTemplate, GridStandsOnItsPitch)
{
    for (int r = 0; r < 10; ++r) {
        for (int j = 0; j < 10; ++j) {
            SCOPED_TRACE(testing::Message() << "row " << r << " column " << j);
            EXPECT_EQ(FieldsOf(MainControls()[FirstRow + r * RowLength + 1 + j]),
                      FieldsOf({2000 + 10 * r + j, ControlKind::OwnerDrawButton, "", 21 + 16 * j, 40 + 16 * r, 15, 15,
                                TabStop | LeftToRight}));
        }
    }
}

// Rows and columns at the grid's corners, with the rectangles worked out by hand.
TEST(MainDialogTemplate, CornersOfTheGridAndItsCounts)
{
    const std::vector<ControlTemplate> corners = {
        {7000, ControlKind::Static, "A", 21, 28, 15, 8, AlignCenter | Group | LeftToRight},
        {7009, ControlKind::Static, "J", 165, 28, 15, 8, AlignCenter | Group | LeftToRight},
        {2000, ControlKind::OwnerDrawButton, "", 21, 40, 15, 15, TabStop | LeftToRight},
        {2009, ControlKind::OwnerDrawButton, "", 165, 40, 15, 15, TabStop | LeftToRight},
        {2090, ControlKind::OwnerDrawButton, "", 21, 184, 15, 15, TabStop | LeftToRight},
        {2099, ControlKind::OwnerDrawButton, "", 165, 184, 15, 15, TabStop | LeftToRight},
        {4000, ControlKind::Static, "", 183, 40, 15, 15, AlignCenter | StaticEdge | LeftToRight},
        {4009, ControlKind::Static, "", 183, 184, 15, 15, AlignCenter | StaticEdge | LeftToRight},
        {5000, ControlKind::Static, "", 21, 202, 15, 15, AlignCenter | StaticEdge | LeftToRight},
        {5009, ControlKind::Static, "", 165, 202, 15, 15, AlignCenter | StaticEdge | LeftToRight},
    };
    for (const ControlTemplate& expected : corners) {
        const auto found = std::find_if(MainControls().begin(), MainControls().end(),
                                        [&](const ControlTemplate& c) { return c.id == expected.id; });
        ASSERT_NE(found, MainControls().end()) << expected.id;
        EXPECT_EQ(FieldsOf(*found), FieldsOf(expected));
    }
}

TEST(MainDialogTemplate, ColumnLettersAndCounts)
{
    const QString letters = "ABCDEFGHIJ";
    for (int j = 0; j < 10; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(FieldsOf(MainControls()[FirstColumnLetter + j]),
                  FieldsOf({7000 + j, ControlKind::Static, letters.mid(j, 1), 21 + 16 * j, 28, 15, 8,
                            AlignCenter | Group | LeftToRight}));
        EXPECT_EQ(FieldsOf(MainControls()[FirstColumnCount + j]),
                  FieldsOf({5000 + j, ControlKind::Static, "", 21 + 16 * j, 202, 15, 15,
                            AlignCenter | StaticEdge | LeftToRight}));
    }
}

TEST(MainDialogTemplate, RowLabelsAndRowCounts)
{
    const std::array<const char*, 10> labels = {"&1", "&2", "&3", "&4", "&5", "&6", "&7", "&8", "&9", "1&0"};
    for (int r = 0; r < 10; ++r) {
        SCOPED_TRACE(r);
        const int first = FirstRow + r * RowLength;
        EXPECT_EQ(FieldsOf(MainControls()[first]),
                  FieldsOf({-1, ControlKind::Static, labels[r], 9, 40 + 16 * r, 8, 15, AlignRight | Group | LeftToRight}));
        EXPECT_EQ(FieldsOf(MainControls()[first + RowLength - 1]),
                  FieldsOf({4000 + r, ControlKind::Static, "", 183, 40 + 16 * r, 15, 15,
                            AlignCenter | StaticEdge | LeftToRight}));
    }
}

TEST(MainDialogTemplate, FleetPanelListsTheShipsLargestFirst)
{
    EXPECT_EQ(FieldsOf(MainControls()[FleetBox]),
              FieldsOf({-1, ControlKind::GroupBox, "Check &Off Ships As You Find Them", 212, 15, 125, 206, TabStop}));
    const std::array<const char*, 10> names = {"Battleship", "Cruiser",   "Cruiser",   "Destroyer", "Destroyer",
                                               "Destroyer",  "Submarine", "Submarine", "Submarine", "Submarine"};
    const std::array<const char*, 10> pictures = {"IDB_COUNT_4", "IDB_COUNT_3", "IDB_COUNT_3", "IDB_COUNT_2",
                                                  "IDB_COUNT_2", "IDB_COUNT_2", "IDB_COUNT_1", "IDB_COUNT_1",
                                                  "IDB_COUNT_1", "IDB_COUNT_1"};
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        const unsigned checkStyle = k == 0 ? Disabled | Group | TabStop : Disabled;
        EXPECT_EQ(FieldsOf(MainControls()[FirstShipCheck + k]),
                  FieldsOf({6000 + k, ControlKind::AutoCheckBox, names[k], 218, 41 + 17 * k, 46, 10, checkStyle}));
        EXPECT_EQ(FieldsOf(MainControls()[FirstShipPicture + k]),
                  FieldsOf({-1, ControlKind::StaticPicture, pictures[k], 272, 41 + 17 * k, 11, 11,
                            k == 0 ? Group : 0u}));
    }
}

// The controls before the grid and after the fleet panel, in template order.
TEST(MainDialogTemplate, TopLineAndBottomRow)
{
    const std::vector<ControlTemplate> top = {
        {-1, ControlKind::Static, "Current Game:", 4, 2, 44, 8, Group},
        {1014, ControlKind::Static, "", 53, 2, 17, 8, Group},
        {-1, ControlKind::Static, "Current Score:", 82, 2, 43, 8, Group},
        {1011, ControlKind::Static, "", 132, 2, 17, 8, Group},
        {-1, ControlKind::Static, "Total Score:", 159, 2, 38, 8, Group},
        {1012, ControlKind::Static, "", 201, 2, 26, 8, Group},
        {-1, ControlKind::Static, "Total Games:", 233, 2, 42, 8, Group},
        {1013, ControlKind::Static, "", 280, 2, 29, 8, Group},
        {-1, ControlKind::GroupBox, "Radar Screen", 4, 15, 203, 206, 0},
    };
    const std::vector<ControlTemplate> bottom = {
        {1010, ControlKind::Static, "", 4, 223, 333, 22, Group | StaticEdge | ClientEdge | AnnouncesChanges},
        {1000, ControlKind::PushButton, "&Start Game", 4, 248, 41, 14, TabStop},
        {1005, ControlKind::PushButton, "&Give Up...", 52, 248, 41, 14, TabStop | Disabled},
        {1003, ControlKind::PushButton, "&Clue", 100, 248, 33, 14, TabStop | Disabled},
        {1004, ControlKind::PushButton, "&Undo", 140, 248, 33, 14, TabStop | Disabled},
        {1006, ControlKind::PushButton, "Sco&re...", 182, 248, 34, 14, TabStop},
        {1007, ControlKind::PushButton, "&Help", 224, 248, 34, 14, TabStop},
        {1008, ControlKind::PushButton, "&About...", 266, 248, 34, 14, TabStop},
        {1, ControlKind::PushButton, "E&xit", 308, 248, 29, 14, TabStop},
        {1015, ControlKind::PushButton, "", 311, 198, 15, 14, DefaultButton | TabStop | Disabled | Hidden},
    };
    const auto& controls = MainControls();
    EXPECT_EQ(FieldsOfAll({controls.begin(), controls.begin() + FirstColumnLetter}), FieldsOfAll(top));
    EXPECT_EQ(FieldsOfAll({controls.begin() + FirstBottom, controls.end()}), FieldsOfAll(bottom));
}

TEST(MainDialogTemplate, EveryIdentifierIsUniqueAndOnlyOneDefaultButton)
{
    std::vector<int> ids;
    int defaultButtons = 0;
    for (const ControlTemplate& c : MainControls()) {
        if (c.id != NoControlId)
            ids.push_back(c.id);
        defaultButtons += (c.style & DefaultButton) ? 1 : 0;
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_EQ(ids.size(), 154u); // 100 cells, 40 counts, letters and check boxes, 14 others
    EXPECT_EQ(defaultButtons, 1);
}

TEST(ScoreDialogTemplate, ShowsTheTotalsAndTwoButtons)
{
    const DialogTemplate& dialog = ScoreDialogTemplate();
    EXPECT_EQ(std::tuple(dialog.id, dialog.caption.toStdString(), dialog.cx, dialog.cy, dialog.pointSize, dialog.style),
              std::tuple(138, std::string("Score"), 199, 74, 8, 0u));
    const std::vector<ControlTemplate> expected = {
        {-1, ControlKind::Static, "Total Score:", 24, 11, 38, 8, Group},
        {1012, ControlKind::Static, "", 66, 11, 26, 8, Group},
        {-1, ControlKind::Static, "Total Games:", 98, 11, 42, 8, Group},
        {1013, ControlKind::Static, "", 145, 11, 29, 8, Group},
        {1000, ControlKind::PushButton, "Clear &Score...", 45, 52, 54, 14, TabStop},
        {1, ControlKind::PushButton, "&Cancel", 111, 52, 42, 14, DefaultButton | TabStop},
    };
    EXPECT_EQ(FieldsOfAll(dialog.controls), FieldsOfAll(expected));
}

TEST(CongratsDialogTemplate, CloseComesBeforeTheMessage)
{
    const DialogTemplate& dialog = CongratsDialogTemplate();
    EXPECT_EQ(std::tuple(dialog.id, dialog.caption.toStdString(), dialog.cx, dialog.cy, dialog.pointSize, dialog.style),
              std::tuple(137, std::string("Corvane"), 151, 57, 8, 0u));
    const std::vector<ControlTemplate> expected = {
        {1, ControlKind::PushButton, "&Close", 50, 36, 50, 14, DefaultButton | TabStop},
        {-1, ControlKind::Static, "Congratulations - You found the fleet!!!", 19, 9, 113, 20, Group},
    };
    EXPECT_EQ(FieldsOfAll(dialog.controls), FieldsOfAll(expected));
}

TEST(AboutDialogTemplate, VersionTextIconAndCentredClose)
{
    const DialogTemplate& dialog = AboutDialogTemplate();
    EXPECT_EQ(std::tuple(dialog.id, dialog.caption.toStdString(), dialog.cx, dialog.pointSize, dialog.style),
              std::tuple(103, std::string("About"), 175, 8, 0u));
    ASSERT_EQ(dialog.controls.size(), 3u);

    const ControlTemplate& text = dialog.controls[0];
    EXPECT_EQ(std::tuple(text.id, int(text.kind), text.x, text.y, text.cx, text.cy),
              std::tuple(-1, int(ControlKind::Static), 8, 7, 131, 56));
    const QStringList lines = text.text.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "Corvane v. 1.00 for Windows 95, Windows 98, and NT");
    EXPECT_EQ(lines[1], "");
    EXPECT_FALSE(lines[2].isEmpty());

    const ControlTemplate& icon = dialog.controls[1];
    EXPECT_EQ(std::tuple(icon.id, int(icon.kind), icon.x, icon.y, icon.cx, icon.cy),
              std::tuple(-1, int(ControlKind::StaticIcon), 146, 7, 20, 20));

    const ControlTemplate& close = dialog.controls[2];
    EXPECT_EQ(std::tuple(close.id, int(close.kind), close.text.toStdString(), close.style),
              std::tuple(1, int(ControlKind::PushButton), std::string("&Close"), DefaultButton | TabStop));
    EXPECT_LE(std::abs(2 * close.x + close.cx - dialog.cx), 1) << "Close is centred";
    EXPECT_GE(close.y, text.y + text.cy) << "Close stands below the text";
    EXPECT_LE(close.y + close.cy, dialog.cy - 4) << "Close keeps a margin at the bottom";
}

// The version text must not run past its rectangle in the dialog font, wrapped as a static text wraps.
TEST(AboutDialogTemplate, VersionTextFitsItsRectangle)
{
    const ControlTemplate& text = AboutDialogTemplate().controls[0];
    const QFont font = DialogFont(AboutDialogTemplate().pointSize);
    const DialogUnits units(font);
    const QRect rect = units.ToPixels(text.x, text.y, text.cx, text.cy);
    const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, rect.width(), 10 * rect.height()),
                                                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text.text);
    EXPECT_LE(needed.height(), rect.height());
    EXPECT_LE(needed.width(), rect.width());
}

} // namespace
