// The game window's About and Help buttons.
#include "CCorvaneDlg.h"

#include "CAboutDlg.h"
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
