// Starts Corvane: one application object, one game window.
#include "CCorvaneApp.h"

#include <QApplication>
#include <cstdio>

#include <xcb/xcb.h>

namespace {

// The toolkit draws through X unless told to use another platform, and aborts when it cannot open the
// X display: no DISPLAY, one that does not answer, or only a Wayland display. Trying the display first
// lets the program say so plainly instead.
bool HasDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM").split(':').constFirst();
    if (!platform.isEmpty() && platform != "xcb")
        return true;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
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
