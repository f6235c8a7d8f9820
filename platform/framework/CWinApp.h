// The application object: its name, its settings key, its help calls.
#pragma once

#include "MessageBox.h"

#include <QString>
#include <QStringList>
#include <memory>

class HelpViewer;
class QWidget;
class ResourceModule;
class Translation;

inline constexpr unsigned HELP_QUIT = 2;
inline constexpr unsigned HELP_FINDER = 11;

class CWinApp {
public:
    // resources holds the program's texts and pictures and outlives the application object; help files
    // are looked for beside the executable, then in helpDirectories in order. The program speaks the first
    // of the desktop's languages that it has a catalogue of (see Translation), and its help that language
    // where the help file has it.
    CWinApp(const ResourceModule& resources, const QStringList& helpDirectories);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return false; }
    // The command ID_HELP: open help at its contents.
    virtual void OnHelp();

    // The executable's file name without directory and extension: the caption of every message box.
    const QString& AppName() const { return appName; }
    const ResourceModule& Resources() const { return resources; }
    // The help file beside the executable, or in the installed data directory.
    const QString& HelpFilePath() const { return helpFilePath; }
    // The language the program speaks, as its catalogue is named ("de"); empty for English.
    QString Language() const;

    // The key under which the program keeps its settings, beside the application name; empty until set.
    void SetRegistryKey(const QString& key);
    const QString& RegistryKey() const { return registryKey; }

    // HELP_FINDER opens the help viewer at its contents, or raises it; HELP_QUIT closes it. An open menu or
    // a mouse capture would keep the input from the viewer, so both end first, and the wait cursor covers
    // the viewer's start. A failure is told ("Failed to launch help."): help that silently never comes
    // looks like a dead key. data is unused (always 0).
    void WinHelp(unsigned long data, unsigned command);

    QWidget* m_pMainWnd = nullptr;

private:
    // The call of the help viewer itself; false when the viewer cannot do what it is asked.
    bool CallHelpViewer(unsigned command);

    const ResourceModule& resources;
    std::unique_ptr<Translation> translation;
    QString appName;
    QString helpFilePath;
    QString registryKey;
    std::unique_ptr<HelpViewer> helpViewer;
};

// The one application object of the process.
CWinApp* AfxGetApp();

// A message box owned by the program's active window (the modal dialog in front, else the main window),
// captioned with the application name; stringId is looked up in the application's resources.
int AfxMessageBox(int stringId, unsigned type = MB_OK);
int AfxMessageBox(const QString& text, unsigned type = MB_OK);

// Ends whatever holds the input for a moment: open pop-up menus and a mouse capture.
void CancelMode();
