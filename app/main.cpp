// Starts Corvane: one application object, one game window.
#include "CCorvaneApp.h"
#include "CommandLine.h"
#include "CorvaneResources.h"
#include "Translation.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <xcb/xcb.h>

namespace {

// The toolkit draws through X unless told to use another platform, and aborts when it cannot open the
// X display: no display, one that does not answer, or only a Wayland display. Trying the display first
// lets the program say so plainly instead. The command line's -platform and -display come before the
// environment, as they do for the toolkit.
bool HasDisplay(const CommandLine& commandLine)
{
    std::string platform = commandLine.ToolkitValue("platform");
    if (platform.empty())
        platform = qgetenv("QT_QPA_PLATFORM").toStdString();
    platform = platform.substr(0, platform.find(':'));
    if (!platform.empty() && platform != "xcb")
        return true;
    const std::string display = commandLine.ToolkitValue("display");
    xcb_connection_t* connection = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}

// Prints a text the program was asked for. A text that could not be written whole (a closed or full
// output) is said on standard error and must not end as a success: false then.
bool Print(const std::string& text)
{
    if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0)
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("main", "corvane: cannot write the text: %1")
                                                .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    return false;
}

// What the program says without a window: the usage, the version, a complaint about the command line, or
// that there is no display. Returns the exit status.
int Answer(const CommandLine& commandLine)
{
    switch (commandLine.What()) {
    case CommandLine::Request::ShowHelp:
        return Print(CommandLine::Usage()) ? 0 : 1;
    case CommandLine::Request::ShowVersion:
        return Print(CommandLine::Version()) ? 0 : 1;
    case CommandLine::Request::Refuse:
        std::fprintf(stderr, "corvane: %s\n%s", commandLine.Complaint().c_str(), CommandLine::Usage().c_str());
        return 2;
    case CommandLine::Request::Play:
        break;
    }
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                     "main", "corvane: no display found; start it from a graphical desktop session.")));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (commandLine.What() != CommandLine::Request::Play || !HasDisplay(commandLine)) {
        // The texts said without a window are in the desktop's language too: that needs the toolkit's core
        // and the program's catalogues, not a display.
        const QCoreApplication core(argc, argv);
        const CorvaneResources& resources = CorvaneResources::Instance();
        const Translation translation(resources.CatalogueFolder(), resources.CatalogueName(),
                                      QLocale::system().uiLanguages(), Translation::ToolkitFolder());
        return Answer(commandLine);
    }
    QApplication application(argc, argv);
    // Ties the window to the desktop entry that installation puts in place.
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));
    CCorvaneApp app;
    app.InitInstance();
    return 0;
}
