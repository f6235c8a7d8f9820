// The application object: its name, its settings store, its help calls.
#pragma once

#include <QString>

class QWidget;

inline constexpr unsigned HELP_QUIT = 2;
inline constexpr unsigned HELP_FINDER = 11;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return false; }
    // The command ID_HELP: open help at its contents.
    virtual void OnHelp();

    // The executable's file name without directory and extension: the caption of every message box.
    const QString& AppName() const { return appName; }
    // The help file beside the executable, or in the installed data directory.
    const QString& HelpFilePath() const { return helpFilePath; }

    void SetRegistryKey(const QString& key);
    int GetProfileInt(const QString& section, const QString& entry, int defaultValue) const;
    bool WriteProfileInt(const QString& section, const QString& entry, int value);

    // Hands the call to the help viewer through the main window; shows "Failed to launch help." on failure.
    void WinHelp(unsigned long data, unsigned command);

    QWidget* m_pMainWnd = nullptr;

private:
    QString appName;
    QString helpFilePath;
    QString registryKey;
};

// The one application object of the process.
CWinApp* AfxGetApp();
