// The Corvane application object: owns the random source and runs the game window.
#include "CCorvaneApp.h"

#include "CCorvaneDlg.h"
#include "CorvaneResources.h"
#include "ShutdownGuard.h"
#include "StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <chrono>

namespace {

// Where an installed program keeps its help file, found from the program's own directory so that a
// package, a staged installation or a moved prefix finds it just the same.
QStringList HelpDataDirectories()
{
    return {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(CORVANE_DATA_DIR_FROM_BIN))};
}

// Milliseconds since the system started, like the desktop's tick count.
std::uint32_t TickCount()
{
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

} // namespace

CCorvaneApp::CCorvaneApp() : CWinApp(CorvaneResources::Instance(), HelpDataDirectories())
{
    random.Seed(TickCount() & 0xFFFFu);
}

bool CCorvaneApp::InitInstance()
{
    SetRegistryKey(LoadString(IDS_REGISTRY_KEY));
    CCorvaneDlg dialog(random);
    m_pMainWnd = &dialog;
    // The desktop's other ways of ending a program close the window as its close box does.
    const ShutdownGuard guard(&dialog);
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
