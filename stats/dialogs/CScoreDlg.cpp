// The Score dialog: shows the two totals as the game window does and can clear them.
#include "CScoreDlg.h"

#include "CWinApp.h"
#include "Templates.h"

#include <QPushButton>

namespace {

// The texts the dialog copies from the game window, which are shown under the same identifiers.
constexpr int CopiedTexts[] = {IDC_TOTAL_GAMES, IDC_AVERAGE_SCORE};

} // namespace

CScoreDlg::CScoreDlg(CDialog* mainDialog, std::function<void()> clearTotals)
    : CDialog(ScoreDialogTemplate(), mainDialog), MainDialog(mainDialog), ClearTotals(std::move(clearTotals))
{
}

void CScoreDlg::DoDataExchange() { CancelButton = Item<QPushButton>(IDC_EXIT); }

void CScoreDlg::ConnectHandlers()
{
    OnClicked(IDC_CLEAR_SCORE, [this] { OnClearScore(); });
    OnClicked(IDC_EXIT, [this] { OnOK(); });
}

bool CScoreDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    DoDataExchange();
    for (int id : CopiedTexts)
        SetDlgItemText(id, MainDialog->GetDlgItemText(id));
    CenterWindow();
    GotoDlgCtrl(CancelButton);
    return false;
}

void CScoreDlg::OnClearScore()
{
    if (AfxMessageBox(IDS_CLEAR_SCORE_PROMPT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ClearTotals();
    OnOK();
}
