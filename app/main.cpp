// Starts Corvane: one application object, one game window.
#include "CCorvaneApp.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit would abort with a message of its own; say it plainly instead.
bool HasDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "corvane: no display found; start it from a graphical desktop session.\n");
        return 1;
    }
    QApplication application(argc, argv);
    // Ties the window to the desktop entry that installation puts in place.
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));
    CCorvaneApp app;
    app.InitInstance();
    return 0;
}
