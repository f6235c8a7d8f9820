// Message boxes with a string-table prompt, captioned with the application name.
#include "MessageBox.h"

#include "CWinApp.h"
#include "StringTable.h"

#include <QApplication>
#include <QMessageBox>

int AfxMessageBox(int stringId, unsigned type) { return AfxMessageBox(LoadString(stringId), type); }

int AfxMessageBox(const QString& text, unsigned type)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    if (!owner && AfxGetApp())
        owner = AfxGetApp()->m_pMainWnd;

    const bool yesNo = (type & 0xF) == MB_YESNO;
    QMessageBox::Icon icon = QMessageBox::Warning; // no icon named: the exclamation mark
    if ((type & 0xF0) == MB_ICONQUESTION)
        icon = QMessageBox::Question;

    QMessageBox box(icon, AfxGetApp() ? AfxGetApp()->AppName() : QString(), text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.setWindowModality(Qt::WindowModal);
    switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default: return IDCANCEL;
    }
}
