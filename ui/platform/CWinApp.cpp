// The application object: its name, its settings store, its help calls.
#include "CWinApp.h"

#include "ClassicStyle.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "ModuleNames.h"
#include "StringTable.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QVariant>

#include <limits>

namespace {

CWinApp* theApp = nullptr;

// Where an installed program keeps its help file: relative to the program's own directory (so that a
// staged or moved installation still finds it), then the directory the build was configured for.
QStringList HelpDataDirectories()
{
    return {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(CORVANE_DATA_DIR_FROM_BIN)),
            QStringLiteral(CORVANE_DATA_DIR)};
}

// Anything but a whole number from 0 to the largest 32-bit integer is not a total the program wrote.
int ProfileIntFrom(const QVariant& stored, int defaultValue)
{
    bool isNumber = false;
    const qlonglong value = stored.toString().toLongLong(&isNumber);
    if (!isNumber || value < 0 || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(value);
}

QString KeyOf(const QString& section, const QString& entry) { return section + QLatin1Char('/') + entry; }

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
    ApplyClassicLook();
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

void CWinApp::OnHelp() { WinHelp(0, HELP_FINDER); }

void CWinApp::SetRegistryKey(const QString& key) { registryKey = key; }

int CWinApp::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    if (registryKey.isEmpty())
        return defaultValue;
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, registryKey, appName);
    if (settings.status() != QSettings::NoError)
        return defaultValue;
    return ProfileIntFrom(settings.value(KeyOf(section, entry)), defaultValue);
}

bool CWinApp::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    if (registryKey.isEmpty())
        return false;
    // QSettings writes a new file and renames it over the old one, so a failed write leaves the old intact.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, registryKey, appName);
    settings.setValue(KeyOf(section, entry), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

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
        return helpViewer->ShowContents(helpFilePath, m_pMainWnd);
    case HELP_QUIT:
        helpViewer.reset();
        return true;
    default:
        return false;
    }
}
