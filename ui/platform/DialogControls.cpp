// The static controls whose keyboard mnemonic moves the focus to the next control, as on a dialog box.
#include "DialogControls.h"

#include <QEvent>

CStatic::CStatic(const QString& text, std::function<void(QWidget*)> onMnemonic, QWidget* parent)
    : QLabel(text, parent), onMnemonic(std::move(onMnemonic))
{
    // A label shows and grabs its mnemonic only when it has a buddy; it is its own, and
    // event() below decides where the focus goes.
    if (text.contains(QLatin1Char('&')))
        setBuddy(this);
}

bool CStatic::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        onMnemonic(this);
        return true;
    }
    return QLabel::event(event);
}

CGroupBox::CGroupBox(const QString& title, std::function<void(QWidget*)> onMnemonic, QWidget* parent)
    : QGroupBox(title, parent), onMnemonic(std::move(onMnemonic))
{
}

bool CGroupBox::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        onMnemonic(this);
        return true;
    }
    return QGroupBox::event(event);
}
