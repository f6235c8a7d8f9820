// The application object: its name, its settings key, its help calls.
#include "CWinApp.h"

#include "CDialog.h"
#include "ClassicStyle.h"
#include "HelpViewer.h"
#include "ModuleNames.h"
#include "ResourceModule.h"
#include "Translation.h"

#include <QApplication>

namespace {

CWinApp* theApp = nullptr;

// The dialog layer's own text, whatever the program's resources hold.
const char* const HelpFailedText = QT_TRANSLATE_NOOP("CWinApp", "Failed to launch help.");

} // namespace

CWinApp* AfxGetApp() { return theApp; }

int AfxMessageBox(int stringId, unsigned type)
{
    return AfxMessageBox(theApp ? theApp->Resources().LoadString(stringId) : QString(), type);
}

int AfxMessageBox(const QString& text, unsigned type)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner && theApp)
        owner = theApp->m_pMainWnd;
    if (!owner)
        owner = QApplication::activeWindow();
    // F1 opens help in a message box too, as in every other window of the program.
    const auto help = [] {
        if (theApp)
            theApp->OnHelp();
    };
    return ShowMessageBox(owner, theApp ? theApp->AppName() : QString(), text, type, help);
}

void CancelMode()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        if (!popup->close())
            break;
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

CWinApp::CWinApp(const ResourceModule& resources, const QStringList& helpDirectories)
    : resources(resources),
      translation(std::make_unique<Translation>(resources.CatalogueFolder(), resources.CatalogueName(),
                                                QLocale::system().uiLanguages(), Translation::ToolkitFolder())),
      appName(ApplicationNameOf(QCoreApplication::applicationFilePath())),
      helpFilePath(FindHelpFile(QCoreApplication::applicationFilePath(), helpDirectories, translation->Language()))
{
    theApp = this;
    ApplyClassicLook(resources.LoadIcon());
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

void CWinApp::OnHelp() { WinHelp(0, HELP_FINDER); }

QString CWinApp::Language() const { return translation->Language(); }

void CWinApp::SetRegistryKey(const QString& key) { registryKey = key; }

void CWinApp::WinHelp(unsigned long, unsigned command)
{
    CancelMode();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool called = CallHelpViewer(command);
    QApplication::restoreOverrideCursor();
    if (!called)
        AfxMessageBox(QCoreApplication::translate("CWinApp", HelpFailedText));
}

bool CWinApp::CallHelpViewer(unsigned command)
{
    switch (command) {
    case HELP_FINDER:
        if (!helpViewer)
            helpViewer = std::make_unique<HelpViewer>();
        if (const auto* dialog = qobject_cast<const CDialog*>(m_pMainWnd))
            return helpViewer->ShowContents(helpFilePath, dialog, dialog->FocalArea());
        return helpViewer->ShowContents(helpFilePath, m_pMainWnd);
    case HELP_QUIT:
        helpViewer.reset();
        return true;
    default:
        return false;
    }
}
