// The status line's texts: the clue message from its format, and the notice with its count.
#include "StatusTexts.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr const char* ClueFormat = "Clue is on Row %d, Column %c";

struct StatusCase {
    const char* format;
    int row;
    int column;
    const char* text;
};

TEST(StatusTextsTest, ClueStatusTextNamesTheCell)
{
    // A format that does not ask for exactly a number and then a letter is shown as it stands.
    constexpr std::array<StatusCase, 8> cases = {{
        {ClueFormat, 7, 6, "Clue is on Row 8, Column G"},
        {ClueFormat, 9, 9, "Clue is on Row 10, Column J"},
        {ClueFormat, 0, 0, "Clue is on Row 1, Column A"},
        {"100%% at %d%c", 4, 7, "100% at 5H"},
        {"Row %s", 1, 1, "Row %s"},
        {"Column %c, Row %d", 1, 1, "Column %c, Row %d"},
        {"Row %d", 1, 1, "Row %d"},
        {"Row %d, Column %c%", 1, 1, "Row %d, Column %c%"},
    }};
    for (const StatusCase& entry : cases)
        EXPECT_EQ(ClueStatusText(entry.format, entry.row, entry.column), entry.text) << entry.format;
}

struct NoticeCase {
    FleetCount count;
    const char* fleets;
};

TEST(StatusTextsTest, FleetNoticeSaysHowManyFleetsFit)
{
    constexpr std::array<NoticeCase, 4> cases = {{
        {{2, false}, "2"},
        {{814, false}, "814"},
        {{1012, false}, "1,012"},
        {{10'000, true}, "more than 10,000"},
    }};
    for (const NoticeCase& entry : cases)
        EXPECT_EQ(FleetNoticeText(entry.count),
                  QStringLiteral("Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit "
                                 "what you know. Your next clue will show a ship cell that your fleet leaves empty.")
                      .arg(QLatin1String(entry.fleets)));
}

} // namespace
