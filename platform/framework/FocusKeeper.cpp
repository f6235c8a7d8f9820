// Puts the keyboard focus back where it stood once a modal window that took it has closed.
#include "FocusKeeper.h"

#include <QApplication>

FocusKeeper::FocusKeeper() : window(QApplication::activeWindow()), control(QApplication::focusWidget()) {}

FocusKeeper::~FocusKeeper()
{
    if (!window || !window->isVisible())
        return;
    window->activateWindow();
    if (control && control->window() == window && control->isEnabled() && control->isVisible())
        control->setFocus(Qt::ActiveWindowFocusReason);
}
