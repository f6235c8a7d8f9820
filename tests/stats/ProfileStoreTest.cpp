// The totals in the settings store: where they live, what bad data reads as, and writes that fail.
#include "CorvaneResources.h"
#include "StatsTestSupport.h"

#include <QSettings>

#include <csignal>
#include <string_view>
#include <sys/resource.h>

namespace {

using namespace std::string_view_literals;

struct StoredCase {
    const char* name;
    bool fileExists;
    std::string_view contents;
    int totalGames;
    int totalScore;
};

const StoredCase StoredCases[] = {
    {"NoFile", false, ""sv, 0, 0},
    {"EmptyFile", true, ""sv, 0, 0},
    {"NoStatsGroup", true, "TotalGames=5\nTotalScore=7\n"sv, 0, 0},
    {"OneValueMissing", true, "[Stats]\nTotalScore=7\n"sv, 0, 7},
    {"WholeNumbers", true, "[Stats]\nTotalGames=5\nTotalScore=7\n"sv, 5, 7},
    {"LeadingZeros", true, "[Stats]\nTotalGames=005\nTotalScore=0007\n"sv, 5, 7},
    {"Largest", true, "[Stats]\nTotalGames=2147483647\nTotalScore=2147483647\n"sv, 2147483647, 2147483647},
    {"Words", true, "[Stats]\nTotalGames=abc\nTotalScore=7\n"sv, 0, 7},
    {"Fraction", true, "[Stats]\nTotalGames=3.5\nTotalScore=7\n"sv, 0, 7},
    {"EmptyValue", true, "[Stats]\nTotalGames=\nTotalScore=7\n"sv, 0, 7},
    {"BeyondThirtyTwoBits", true, "[Stats]\nTotalGames=2147483648\nTotalScore=4294967296\n"sv, 0, 0},
    {"FarBeyond", true, "[Stats]\nTotalGames=99999999999999999999999\nTotalScore=7\n"sv, 0, 7},
    {"Negative", true, "[Stats]\nTotalGames=-1\nTotalScore=-2147483648\n"sv, 0, 0},
    {"Hexadecimal", true, "[Stats]\nTotalGames=0x10\nTotalScore=7\n"sv, 0, 7},
    {"List", true, "[Stats]\nTotalGames=1, 2\nTotalScore=7\n"sv, 0, 7},
    {"NumberWithText", true, "[Stats]\nTotalGames=5 games\nTotalScore=7\n"sv, 0, 7},
    {"NotText", true, "\xff\xfe\x00\x01[Stats\n\x80\x81=\n"sv, 0, 0},
};

class StoredTotals : public StatsFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredTotals, ReadAsWholeNumbersOrZero)
{
    const StoredCase& c = GetParam();
    if (c.fileExists)
        WriteSettings(QByteArray(c.contents.data(), static_cast<qsizetype>(c.contents.size())));

    EXPECT_EQ(app.GetProfileInt("Stats", "TotalGames", 0), c.totalGames);
    EXPECT_EQ(app.GetProfileInt("Stats", "TotalScore", 0), c.totalScore);

    ASSERT_NO_FATAL_FAILURE(StartWindow());
    EXPECT_EQ(dialog->TotalGamesValue(), c.totalGames);
    EXPECT_EQ(dialog->TotalScoreValue(), c.totalScore);
    EXPECT_EQ(Text(IDC_TOTAL_GAMES), QString::number(c.totalGames));
}

INSTANTIATE_TEST_SUITE_P(Files, StoredTotals, ::testing::ValuesIn(StoredCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ProfileStore = StatsFixture;

TEST_F(ProfileStore, LivesInTheUsersConfigurationFolderUnderKeyAndApplicationName)
{
    EXPECT_TRUE(app.WriteProfileInt("Stats", "TotalGames", 12));
    EXPECT_TRUE(app.WriteProfileInt("Stats", "TotalScore", 345));

    const QSettings settings(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Stats/TotalGames").toString(), "12");
    EXPECT_EQ(settings.value("Stats/TotalScore").toString(), "345");
    EXPECT_EQ(SettingsFile(), QDir(ConfigFolder()).filePath("Brindlemoor/stats_tests.conf"));
}

TEST_F(ProfileStore, WhatOneApplicationObjectWritesTheNextReads)
{
    app.WriteProfileInt("Stats", "TotalGames", 2147483647);
    app.WriteProfileInt("Stats", "TotalScore", 0);

    CWinApp nextRun{CorvaneResources::Instance(), {}};
    nextRun.SetRegistryKey("Brindlemoor");
    EXPECT_EQ(nextRun.GetProfileInt("Stats", "TotalGames", 0), 2147483647);
    EXPECT_EQ(nextRun.GetProfileInt("Stats", "TotalScore", 9), 0);
    EXPECT_EQ(nextRun.GetProfileInt("Stats", "Missing", 9), 9);
}

TEST_F(ProfileStore, AFolderWhereTheFileShouldBeReadsAsZeroAndTakesNoWrite)
{
    ASSERT_TRUE(QDir().mkpath(SettingsFile()));

    EXPECT_EQ(app.GetProfileInt("Stats", "TotalGames", 0), 0);
    EXPECT_FALSE(app.WriteProfileInt("Stats", "TotalGames", 4));
    EXPECT_TRUE(QFileInfo(SettingsFile()).isDir());
}

TEST_F(ProfileStore, AKeyFolderThatCannotBeMadeFailsTheWriteSilently)
{
    ASSERT_TRUE(QDir().mkpath(ConfigFolder()));
    QFile blocker(ConfigFolder() + "/Brindlemoor");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_FALSE(app.WriteProfileInt("Stats", "TotalGames", 4));
    EXPECT_EQ(app.GetProfileInt("Stats", "TotalGames", 0), 0);
}

// The disk is full: nothing more can be written, whoever the user is.
class FullDisk {
public:
    FullDisk()
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previousLimit);
        rlimit none = previousLimit;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previousLimit{};
    void (*previousHandler)(int) = nullptr;
};

TEST_F(ProfileStore, AFailedWriteLeavesTheStoredTotalsWholeAndTheNextWriteCatchesUp)
{
    SeedTotals(5, 7);
    const QByteArray before = ReadSettings();

    bool written = true;
    {
        const FullDisk full;
        written = app.WriteProfileInt("Stats", "TotalGames", 9);
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadSettings(), before);
    EXPECT_EQ(QDir(ConfigFolder() + "/Brindlemoor").entryList(QDir::Files), QStringList{"stats_tests.conf"})
        << "no half-written file is left behind";

    // Once there is room again, the next write saves what the failed one could not.
    EXPECT_TRUE(app.WriteProfileInt("Stats", "TotalScore", 8));
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=9\nTotalScore=8\n");
}

TEST_F(ProfileStore, WithoutAKeyNothingIsReadOrWritten)
{
    SeedTotals(5, 7);
    CWinApp keyless{CorvaneResources::Instance(), {}};
    EXPECT_EQ(keyless.GetProfileInt("Stats", "TotalGames", 0), 0);
    EXPECT_FALSE(keyless.WriteProfileInt("Stats", "TotalGames", 9));
    EXPECT_EQ(app.GetProfileInt("Stats", "TotalGames", 0), 5);
}

} // namespace
