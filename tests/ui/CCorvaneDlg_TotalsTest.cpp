// The totals in the game window: shown from the store, added to by a win and saved with it.
#include "StatsTestSupport.h"

#include <QSettings>

#include <climits>

namespace {

using StatsWindow = StatsFixture;

struct ShownCase {
    int totalGames;
    int totalScore;
    const char* games;
    const char* average;
};

constexpr ShownCase ShownCases[] = {
    {0, 0, "0", "0"},
    {3, 2, "3", ".66"},
    {4, 50, "4", "12.50"},
    {1, INT_MAX, "1", "2147483647.00"},
};

TEST_F(StatsWindow, TopLineShowsTheStoredTotals)
{
    for (const ShownCase& c : ShownCases) {
        SeedTotals(c.totalGames, c.totalScore);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        EXPECT_EQ(Text(IDC_TOTAL_GAMES), c.games) << c.totalGames << " " << c.totalScore;
        EXPECT_EQ(Text(IDC_AVERAGE_SCORE), c.average) << c.totalGames << " " << c.totalScore;
    }
}

TEST_F(StatsWindow, WinsAddUpAndShow)
{
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    WinAGame(*dialog, 1);
    WinAGame(*dialog, 2);
    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "2");
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "1.50");
}

TEST_F(StatsWindow, TotalsStopAtTheLargestValueInsteadOfWrappingAndSaySoOnce)
{
    SeedTotals(INT_MAX, INT_MAX - 1);
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const NoticeWatcher notices;
    CapturedErrors errors;

    WinAGame(*dialog, 5);
    WinAGame(*dialog, 1);

    EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(INT_MAX, INT_MAX));
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "1.00");
    const QString notice = "The totals have reached 2147483647, the largest number they can hold, and count no further.";
    EXPECT_EQ(notices.texts, QStringList{notice});
    EXPECT_EQ(errors.Text().count(app.AppName() + ": " + notice + "\n"), 1) << errors.Text().toStdString();
}

TEST_F(StatsWindow, EachWinReachesTheFileAtOnce)
{
    SeedTotals(1, 3);
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    QByteArray storedWhileOpen;
    WhenModal([&](QWidget*) {
        WinAGame(*dialog, 2);
        storedWhileOpen = ReadSettings();
        Button(dialog.get(), IDC_EXIT)->click();
    });

    dialog->DoModal();

    EXPECT_EQ(storedWhileOpen, "[Stats]\nTotalGames=2\nTotalScore=5\n");
    EXPECT_EQ(ReadSettings(), storedWhileOpen) << "ending the window adds nothing more";
}

TEST_F(StatsWindow, FirstRunWritesZeros)
{
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    WhenModal([&](QWidget*) { dialog->close(); });

    dialog->DoModal();

    const QSettings stored(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Stats/TotalGames").toString(), "0");
    EXPECT_EQ(stored.value("Stats/TotalScore").toString(), "0");
}

} // namespace
