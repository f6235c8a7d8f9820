// Keeps the program's windows alive while it waits on something outside it.
#include "KeepAlive.h"

#include <QCoreApplication>

void KeepWindowsAlive()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}
