// The totals of solved games: read when the game window is made, saved at every change, shown in its top line.
#include "CCorvaneDlg.h"

#include "AverageScoreText.h"
#include "CScoreDlg.h"
#include "CWinApp.h"

#include <QTimer>

#include <cstdio>

namespace {

// What the player can still count on after any trouble with the file.
const QString StoreTroubleAftermath =
    QStringLiteral(" The file is left as it is; play goes on, but the wins of this run may not be kept.");

void PrintLine(const QString& line)
{
    const QString program = AfxGetApp() ? AfxGetApp()->AppName() : QStringLiteral("corvane");
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(line));
}

} // namespace

void CCorvaneDlg::LoadStats()
{
    const CWinApp* app = AfxGetApp();
    StatsFile = app ? TotalsStore::ForUser(app->RegistryKey(), app->AppName()) : TotalsStore();
    const TotalsOutcome stored = StatsFile.Read();
    TotalGames = stored.totals.games;
    TotalScore = stored.totals.score;
    if (stored.kind == TotalsOutcome::Failed)
        TellStoreTrouble(stored.failure);
}

// Every change is saved when it happens; what is left when the window ends are wins that an earlier save
// could not keep, often none. Adding them to what the file holds now, rather than writing the window's
// own totals, never takes back what another copy of the program has saved meanwhile.
void CCorvaneDlg::SaveStats()
{
    const TotalsOutcome saved = StatsFile.Add(UnsavedWins);
    if (saved.kind == TotalsOutcome::Failed && !StoreTroubleTold)
        PrintLine(saved.failure);
}

void CCorvaneDlg::RecordWin(int score)
{
    const Totals win{1, score};
    // Wins that could not be saved before go with this one, so a file that can be written again gets them all.
    UnsavedWins = SaturatingSum(UnsavedWins, win);
    const TotalsOutcome saved = StatsFile.Add(UnsavedWins);
    const Totals shown = saved.kind == TotalsOutcome::Kept ? saved.totals : SaturatingSum({TotalGames, TotalScore}, win);
    TotalGames = shown.games;
    TotalScore = shown.score;
    if (saved.kind == TotalsOutcome::Failed)
        TellStoreTrouble(saved.failure);
    else
        UnsavedWins = {};
}

// A clearing that cannot be saved does not happen: the window goes on showing what it showed.
void CCorvaneDlg::ClearStats()
{
    const TotalsOutcome cleared = StatsFile.Clear();
    if (cleared.kind == TotalsOutcome::Failed) {
        TellStoreTrouble(cleared.failure);
        return;
    }
    UnsavedWins = {};
    TotalGames = 0;
    TotalScore = 0;
}

void CCorvaneDlg::TellStoreTrouble(const QString& failure)
{
    if (StoreTroubleTold)
        return;
    StoreTroubleTold = true;
    const QString notice = failure + StoreTroubleAftermath;
    PrintLine(notice);
    // Trouble found while the window is being made is told once the window is up.
    if (isVisible())
        AfxMessageBox(notice);
    else
        QTimer::singleShot(0, this, [notice] { AfxMessageBox(notice); });
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
