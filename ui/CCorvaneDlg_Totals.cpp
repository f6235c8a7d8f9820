// The totals of solved games in the game window: asked of the keeper at start, at every change and at the
// end, shown in the top line and in the Score dialog, and what the keeper has to tell, told.
#include "CCorvaneDlg.h"

#include "Announcements.h"
#include "AverageScoreText.h"
#include "CScoreDlg.h"
#include "CWinApp.h"
#include "KeepAlive.h"
#include "StringTable.h"

#include <QTimer>

#include <cstdio>

namespace {

void PrintLine(const QString& line)
{
    const QString program = AfxGetApp() ? AfxGetApp()->AppName() : QStringLiteral("corvane");
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(line));
}

} // namespace

void CCorvaneDlg::LoadStats()
{
    const CWinApp* app = AfxGetApp();
    StatsKeeper = TotalsKeeper(app ? TotalsStore::ForUser(app->RegistryKey(), app->AppName()) : TotalsStore(),
                               [this](WaitStep step) { WhileStatsWait(step); });
    Tell(StatsKeeper.Load());
}

void CCorvaneDlg::SaveStats()
{
    for (const QString& line : StatsKeeper.Finish())
        PrintLine(line);
}

void CCorvaneDlg::RecordWin(int score) { Tell(StatsKeeper.Win(score)); }

void CCorvaneDlg::ClearStats()
{
    Tell(StatsKeeper.Clear());
    // Heard as the game window comes back; a clearing that failed has been told in its own words.
    if (TotalGames == 0 && TotalScore == 0)
        Announce(ScoreClearedAnnouncement());
}

void CCorvaneDlg::Tell(const TotalsNews& news)
{
    TotalGames = news.shown.games;
    TotalScore = news.shown.score;
    // Kept as the line's message until the next game, whatever the count of fitting fleets brings meanwhile.
    if (news.winWaits) {
        ClueStatus = LoadString(IDS_WIN_WAITS);
        ShowStatus(ClueStatus);
    }
    for (const QString& line : news.lines)
        PrintLine(line);
    if (news.notice.isEmpty())
        return;
    PrintLine(news.notice);
    // Trouble found while the window is being made is told once the window is up.
    if (isVisible())
        AfxMessageBox(news.notice);
    else
        QTimer::singleShot(0, this, [notice = news.notice] { AfxMessageBox(notice); });
}

// Another copy of the program holds the file for a moment: the window waits with the wait cursor up,
// painted and answering the desktop.
void CCorvaneDlg::WhileStatsWait(WaitStep step)
{
    if (step == WaitStep::Begins)
        BeginWaitCursor();
    if (step == WaitStep::Ends)
        EndWaitCursor();
    else
        KeepWindowsAlive();
}

void CCorvaneDlg::ShowStats()
{
    SetDlgItemInt(IDC_TOTAL_GAMES, TotalGames);
    SetDlgItemText(IDC_AVERAGE_SCORE, AverageScoreText(TotalGames, TotalScore));
}

void CCorvaneDlg::OnScore()
{
    CScoreDlg score(this, [this] { ClearStats(); });
    score.DoModal();
    ShowStats();
}
