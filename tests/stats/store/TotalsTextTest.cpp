// The totals in the settings text: what each kind of file reads as, and how a change rewrites it.
#include "TotalsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

struct ReadCase {
    const char* name;
    std::string_view text;
    std::optional<Totals> totals; // none: damaged
};

const ReadCase ReadCases[] = {
    {"Empty", ""sv, Totals{0, 0}},
    {"AsTheProgramWritesIt", "[Stats]\nTotalGames=5\nTotalScore=7\n"sv, Totals{5, 7}},
    {"TruncatedHeaderAfterwards", "[Stats]\nTotalGames=5\nTotalScore=7\n[Sta"sv, Totals{5, 7}},
    {"BrokenHeaderBefore", "[Gen\nTotalGames=9\n[Stats]\nTotalGames=5\nTotalScore=7\n"sv, Totals{5, 7}},
    {"OtherSections", "[General]\nTotalGames=9\n\n[Stats]\nTotalGames=5\nTotalScore=7\n\n[Other]\nTotalScore=9\n"sv,
     Totals{5, 7}},
    {"BrokenHeaderEndsTheSection", "[Stats]\nTotalGames=5\n[Stats\nTotalScore=7\n"sv, Totals{5, 0}},
    {"NoSection", "TotalGames=5\nTotalScore=7\n"sv, Totals{0, 0}},
    {"SectionNamedOtherwise", "[stats]\nTotalGames=5\n"sv, Totals{0, 0}},
    {"OneValueMissing", "[Stats]\nTotalScore=7\n"sv, Totals{0, 7}},
    {"Spaces", "  [Stats]  \n TotalGames = 5 \nTotalScore=\t7\n"sv, Totals{5, 7}},
    {"CarriageReturns", "[Stats]\r\nTotalGames=5\r\nTotalScore=7\r\n"sv, Totals{5, 7}},
    {"Quoted", "[Stats]\nTotalGames=\"5\"\nTotalScore=7\n"sv, Totals{5, 7}},
    {"CommentedOut", "[Stats]\n;TotalGames=9\nTotalGames=5\nTotalScore=7\n"sv, Totals{5, 7}},
    {"LastOfRepeatedEntries", "[Stats]\nTotalGames=1\nTotalScore=7\n[Stats]\nTotalGames=5\n"sv, Totals{5, 7}},
    {"LeadingZeros", "[Stats]\nTotalGames=005\nTotalScore=0007\n"sv, Totals{5, 7}},
    {"NoLastNewline", "[Stats]\nTotalGames=5\nTotalScore=7"sv, Totals{5, 7}},
    {"Largest", "[Stats]\nTotalGames=2147483647\nTotalScore=2147483647\n"sv, Totals{INT_MAX, INT_MAX}},
    {"Words", "[Stats]\nTotalGames=abc\nTotalScore=7\n"sv, std::nullopt},
    {"Fraction", "[Stats]\nTotalGames=3.5\nTotalScore=7\n"sv, std::nullopt},
    {"EmptyValue", "[Stats]\nTotalGames=\nTotalScore=7\n"sv, std::nullopt},
    {"BeyondThirtyTwoBits", "[Stats]\nTotalGames=5\nTotalScore=2147483648\n"sv, std::nullopt},
    {"FarBeyond", "[Stats]\nTotalGames=99999999999999999999999\nTotalScore=7\n"sv, std::nullopt},
    {"Negative", "[Stats]\nTotalGames=-1\nTotalScore=7\n"sv, std::nullopt},
    {"Hexadecimal", "[Stats]\nTotalGames=0x10\nTotalScore=7\n"sv, std::nullopt},
    {"List", "[Stats]\nTotalGames=1, 2\nTotalScore=7\n"sv, std::nullopt},
    {"NumberWithText", "[Stats]\nTotalGames=5 games\nTotalScore=7\n"sv, std::nullopt},
    {"NotText", "\xff\xfe\x00\x01[Stats]\nTotalGames=5\n"sv, std::nullopt},
    {"ByteOrderMark", "\xEF\xBB\xBF[Stats]\nTotalGames=5\nTotalScore=7\n"sv, Totals{5, 7}},
    {"CarriageReturnsAlone", "[Stats]\rTotalGames=5\rTotalScore=7\r"sv, Totals{5, 7}},
    {"CarriageReturnEndsTheSection", "[Stats]\rTotalGames=5\r[Other]\rTotalScore=7\r"sv, Totals{5, 0}},
    {"ByteOrderMarkAndCarriageReturns", "\xEF\xBB\xBF[Stats]\rTotalGames=5\rTotalScore=7"sv, Totals{5, 7}},
    {"ByteOrderMarkLaterIsNoMark", "[General]\n\xEF\xBB\xBF[Stats]\nTotalGames=5\n"sv, Totals{0, 0}},
};

class TotalsInText : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TotalsInText, ReadAsStoredOrAsDamage)
{
    const ReadCase& c = GetParam();
    const StoredTotals stored = ReadTotals(Bytes(c.text));
    EXPECT_EQ(stored.IsDamaged(), !c.totals) << stored.damage.toStdString();
    if (c.totals) {
        EXPECT_EQ(stored.totals.games, c.totals->games);
        EXPECT_EQ(stored.totals.score, c.totals->score);
    }
}

// The cases whose totals can be read, and so added to: damaged totals never are.
std::vector<ReadCase> ReadableCases()
{
    std::vector<ReadCase> readable;
    std::copy_if(std::begin(ReadCases), std::end(ReadCases), std::back_inserter(readable),
                 [](const ReadCase& c) { return c.totals.has_value(); });
    return readable;
}

class TotalsWrittenInText : public ::testing::TestWithParam<ReadCase> {};

// Whatever the file held around them, the totals written into it are the totals read back.
TEST_P(TotalsWrittenInText, ReadBackAsWrittenIntoTheSameText)
{
    const ReadCase& c = GetParam();
    const Totals written{c.totals->games / 2 + 3, c.totals->score / 3 + 11};
    const StoredTotals reread = ReadTotals(WithTotals(Bytes(c.text), written));
    ASSERT_FALSE(reread.IsDamaged());
    EXPECT_EQ(reread.totals, written);
}

INSTANTIATE_TEST_SUITE_P(Texts, TotalsInText, ::testing::ValuesIn(ReadCases),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Texts, TotalsWrittenInText, ::testing::ValuesIn(ReadableCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Complete when writing the same totals again would change nothing the file says.
TEST(TotalsInText, CompleteWithBothValuesOnly)
{
    EXPECT_TRUE(ReadTotals("[Stats]\nTotalGames=005\nTotalScore=7\n").complete);
    EXPECT_FALSE(ReadTotals("[Stats]\nTotalScore=7\n").complete);
    EXPECT_FALSE(ReadTotals("").complete);
    EXPECT_FALSE(ReadTotals("[Stats]\nTotalGames=x\nTotalScore=7\n").complete);
}

TEST(TotalsInText, DamageNamesTheEntry)
{
    EXPECT_EQ(ReadTotals("[Stats]\nTotalScore=x\n").damage, "TotalScore is not a whole number from 0 to 2147483647");
}

struct RewriteCase {
    const char* name;
    std::string_view before;
    std::string_view after; // with the totals 6 and 9
};

const RewriteCase RewriteCases[] = {
    {"NewFile", ""sv, "[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"AsTheProgramWritesIt", "[Stats]\nTotalGames=5\nTotalScore=7\n"sv, "[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"OtherLinesKeptWhereTheyWere",
     "[General]\nx=1\n\n[Stats]\nTotalScore=7\nOther = 3\r\nTotalGames=5\n\n[Zed]\nTotalGames=9\n"sv,
     "[General]\nx=1\n\n[Stats]\nTotalGames=6\nTotalScore=9\nOther = 3\r\n\n[Zed]\nTotalGames=9\n"sv},
    {"TruncatedHeaderKept", "[Stats]\nTotalGames=5\nTotalScore=7\n[Sta"sv, "[Stats]\nTotalGames=6\nTotalScore=9\n[Sta"sv},
    {"SectionAddedAfterOthers", "[General]\nx=1\n"sv, "[General]\nx=1\n\n[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"SectionAddedAfterAnUnfinishedLine", "[Sta"sv, "[Sta\n\n[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"RepeatedSectionsLoseTheirOldTotals", "[Stats]\nTotalGames=1\n[Stats]\nTotalGames=5\nTotalScore=7\n"sv,
     "[Stats]\nTotalGames=6\nTotalScore=9\n[Stats]\n"sv},
    {"HeaderWithoutNewline", "[Stats]"sv, "[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"DamagedValuesReplaced", "[Stats]\nTotalGames=abc\nTotalScore=7\n"sv, "[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"ByteOrderMarkKept", "\xEF\xBB\xBF[Stats]\nTotalGames=5\n"sv, "\xEF\xBB\xBF[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"ByteOrderMarkAlone", "\xEF\xBB\xBF"sv, "\xEF\xBB\xBF[Stats]\nTotalGames=6\nTotalScore=9\n"sv},
    {"CarriageReturnsKept", "[Stats]\rTotalGames=5\rTotalScore=7\r[Zed]\rx=1\r"sv, "[Stats]\rTotalGames=6\rTotalScore=9\r[Zed]\rx=1\r"sv},
    {"EntriesEndedAsTheirHeader", "[General]\nx=1\n[Stats]\r\n"sv, "[General]\nx=1\n[Stats]\r\nTotalGames=6\r\nTotalScore=9\r\n"sv},
    {"SectionAddedWithTheTextsLineEnds", "[General]\r\nx=1"sv, "[General]\r\nx=1\r\n\r\n[Stats]\r\nTotalGames=6\r\nTotalScore=9\r\n"sv},
    {"SectionAddedAfterCarriageReturns", "[General]\rx=1\r"sv, "[General]\rx=1\r\r[Stats]\rTotalGames=6\rTotalScore=9\r"sv},
};

class RewrittenText : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RewrittenText, KeepsEveryOtherLine)
{
    EXPECT_EQ(WithTotals(Bytes(GetParam().before), {6, 9}), Bytes(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Texts, RewrittenText, ::testing::ValuesIn(RewriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TotalsSum, AddsAndStopsAtTheLargestValue)
{
    EXPECT_EQ(SaturatingSum({2, 3}, {1, 4}), (Totals{3, 7}));
    EXPECT_EQ(SaturatingSum({INT_MAX, INT_MAX - 1}, {1, 5}), (Totals{INT_MAX, INT_MAX}));
}

} // namespace
