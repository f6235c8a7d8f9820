// The application object: its name, its settings key, its help calls.
#include "CWinApp.h"

#include "HelpViewer.h"
#include "MessageBox.h"
#include "ModuleNames.h"
#include "StringTable.h"

#include <QApplication>
#include <QDir>

namespace {

CWinApp* theApp = nullptr;

// Where an installed program keeps its help file: relative to the program's own directory (so that a
// staged or moved installation still finds it), then the directory the build was configured for.
QStringList HelpDataDirectories()
{
    return {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(CORVANE_DATA_DIR_FROM_BIN)),
            QStringLiteral(CORVANE_DATA_DIR)};
}

// A menu being tracked or a mouse capture in progress ends before help takes over.
void CancelMode()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        if (!popup->close())
            break;
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

} // namespace

CWinApp* AfxGetApp() { return theApp; }

CWinApp::CWinApp()
    : appName(ApplicationNameOf(QCoreApplication::applicationFilePath())),
      helpFilePath(FindHelpFile(QCoreApplication::applicationFilePath(), HelpDataDirectories()))
{
    theApp = this;
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

void CWinApp::OnHelp() { WinHelp(0, HELP_FINDER); }

void CWinApp::SetRegistryKey(const QString& key) { registryKey = key; }

void CWinApp::WinHelp(unsigned long, unsigned command)
{
    CancelMode();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool called = CallHelpViewer(command);
    QApplication::restoreOverrideCursor();
    if (!called)
        AfxMessageBox(IDS_HELP_FAILED);
}

bool CWinApp::CallHelpViewer(unsigned command)
{
    switch (command) {
    case HELP_FINDER:
        if (!helpViewer)
            helpViewer = std::make_unique<HelpViewer>();
        return helpViewer->ShowContents(helpFilePath);
    case HELP_QUIT:
        helpViewer.reset();
        return true;
    default:
        return false;
    }
}
