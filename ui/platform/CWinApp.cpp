// The application object: its name, its settings store, its help calls.
#include "CWinApp.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
CWinApp* theApp = nullptr;
}

CWinApp* AfxGetApp() { return theApp; }

CWinApp::CWinApp()
    : appName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName())
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

int CWinApp::GetProfileInt(const QString&, const QString&, int defaultValue) const { return defaultValue; }

bool CWinApp::WriteProfileInt(const QString&, const QString&, int) { return false; }

void CWinApp::WinHelp(unsigned long, unsigned) {}
