// A dialog that only tells the player something: centred over its owner, closed by its one button.
#include "CNoticeDlg.h"

#include "MessageBox.h"

CNoticeDlg::CNoticeDlg(const DialogTemplate& dialogTemplate, QWidget* parent) : CDialog(dialogTemplate, parent) {}

void CNoticeDlg::ConnectHandlers() { OnClicked(IDOK, [this] { OnOK(); }); }

bool CNoticeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    // The focus goes to the first tab-stop control: the Close button.
    return true;
}
