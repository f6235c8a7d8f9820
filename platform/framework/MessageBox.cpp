// The message box of the dialog layer: a text, an icon, OK or Yes and No.
#include "MessageBox.h"

#include "FocusKeeper.h"

#include <QMessageBox>
#include <QShortcut>

namespace {

constexpr unsigned ButtonsMask = 0x0F;
constexpr unsigned IconMask = 0xF0;

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

int ShowMessageBox(QWidget* owner, const QString& caption, const QString& text, unsigned type,
                   const std::function<void()>& onHelp)
{
    const bool yesNo = (type & ButtonsMask) == MB_YESNO;
    QMessageBox box(IconOf(type), caption, text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.setWindowModality(Qt::WindowModal);
    QShortcut help(QKeySequence(Qt::Key_F1), &box);
    QObject::connect(&help, &QShortcut::activated, &box, onHelp);
    const FocusKeeper focus;
    return ResultOf(box.exec());
}
