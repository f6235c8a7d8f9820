// The game window's About and Help buttons, and what help leaves in view.
#include "CCorvaneDlg.h"

#include "CAboutDlg.h"
#include "CBitmapButton.h"
#include "CGroupBox.h"
#include "CWinApp.h"

void CCorvaneDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CCorvaneDlg::OnHelp()
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(0, HELP_FINDER);
}

QRect CCorvaneDlg::FocalArea() const
{
    for (QWidget* control : Controls())
        if (qobject_cast<CGroupBox*>(control) && control->geometry().contains(CellById(IDC_FIRST_CELL)->geometry()))
            return QRect(control->mapToGlobal(QPoint()), control->size());
    return CDialog::FocalArea();
}
