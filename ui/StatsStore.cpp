// The game window's totals of solved games: read when it is made, written when it closes, shown in its top line.
#include "CCorvaneDlg.h"

#include "AverageScoreText.h"
#include "CScoreDlg.h"
#include "CWinApp.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

const QString StatsSection = QStringLiteral("Stats");
const QString TotalGamesEntry = QStringLiteral("TotalGames");
const QString TotalScoreEntry = QStringLiteral("TotalScore");

// Totals stop at the ends of the 32-bit range instead of wrapping round.
int SaturatingAdd(int total, int amount)
{
    const std::int64_t sum = std::int64_t{total} + amount;
    return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
}

} // namespace

void CCorvaneDlg::LoadStats()
{
    CWinApp* app = AfxGetApp();
    TotalGames = app ? app->GetProfileInt(StatsSection, TotalGamesEntry, 0) : 0;
    TotalScore = app ? app->GetProfileInt(StatsSection, TotalScoreEntry, 0) : 0;
}

void CCorvaneDlg::SaveStats()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    app->WriteProfileInt(StatsSection, TotalGamesEntry, TotalGames);
    app->WriteProfileInt(StatsSection, TotalScoreEntry, TotalScore);
}

void CCorvaneDlg::RecordWin(int score)
{
    TotalScore = SaturatingAdd(TotalScore, score);
    TotalGames = SaturatingAdd(TotalGames, 1);
}

void CCorvaneDlg::ShowStats()
{
    SetDlgItemInt(IDC_TOTAL_GAMES, TotalGames);
    SetDlgItemText(IDC_AVERAGE_SCORE, AverageScoreText(TotalGames, TotalScore));
}

void CCorvaneDlg::OnScore()
{
    CScoreDlg score(this, [this] { TotalGames = TotalScore = 0; });
    score.DoModal();
    ShowStats();
}
