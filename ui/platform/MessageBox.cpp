// Message boxes with a string-table prompt, captioned with the application name.
#include "MessageBox.h"

#include "CWinApp.h"
#include "StringTable.h"

#include <QApplication>
#include <QMessageBox>
#include <QShortcut>

namespace {

constexpr unsigned ButtonsMask = 0x0F;
constexpr unsigned IconMask = 0xF0;

// The program's active window: the modal dialog in front (the Score dialog while it runs), else the
// main window.
QWidget* ActiveOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd)
        return app->m_pMainWnd;
    return QApplication::activeWindow();
}

// A box that names no icon gets the exclamation mark.
QMessageBox::Icon IconOf(unsigned type)
{
    return (type & IconMask) == MB_ICONQUESTION ? QMessageBox::Question : QMessageBox::Warning;
}

int ResultOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default: return IDCANCEL;
    }
}

} // namespace

int AfxMessageBox(int stringId, unsigned type) { return AfxMessageBox(LoadString(stringId), type); }

int AfxMessageBox(const QString& text, unsigned type)
{
    const bool yesNo = (type & ButtonsMask) == MB_YESNO;
    const QString caption = AfxGetApp() ? AfxGetApp()->AppName() : QString();
    QMessageBox box(IconOf(type), caption, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    ActiveOwner());
    // The first button is the default: Yes, or OK.
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    // Modal to the program's own windows only, so that the help viewer stays usable.
    box.setWindowModality(Qt::WindowModal);
    // F1 opens help here as in every other window of the program.
    QShortcut help(QKeySequence(Qt::Key_F1), &box);
    QObject::connect(&help, &QShortcut::activated, &box, [] {
        if (CWinApp* app = AfxGetApp())
            app->OnHelp();
    });
    return ResultOf(box.exec());
}
