// The Score dialog: shows the two totals as the game window does and can clear them.
#include "CScoreDlg.h"

#include "CCorvaneDlg.h"
#include "MessageBox.h"
#include "StringTable.h"
#include "Templates.h"

#include <QPushButton>

namespace {

// The texts the dialog copies from the game window, which are shown under the same identifiers.
constexpr int CopiedTexts[] = {IDC_TOTAL_GAMES, IDC_AVERAGE_SCORE};
constexpr int IDC_CLEAR_SCORE = 1000;

} // namespace

CScoreDlg::CScoreDlg(CCorvaneDlg* mainDialog) : CDialog(ScoreDialogTemplate(), mainDialog), MainDialog(mainDialog) {}

void CScoreDlg::DoDataExchange() { CancelButton = Item<QPushButton>(IDOK); }

void CScoreDlg::ConnectHandlers()
{
    OnClicked(IDC_CLEAR_SCORE, [this] { OnClearScore(); });
    OnClicked(IDOK, [this] { OnOK(); });
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
    MainDialog->ClearStats();
    OnOK();
}
