// Ends the game window as its close box does when the desktop session ends or the process is told to stop.
#include "ShutdownGuard.h"

#include "CWinApp.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> StopSignals = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may do almost nothing: it only writes a byte into the guard's pipe, whose other
// end the event loop watches. The handler can reach the pipe only through this one variable.
volatile std::sig_atomic_t signalPipeWrite = -1;

extern "C" void OnStopSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipeWrite, &byte, 1);
    errno = savedErrno;
}

} // namespace

ShutdownGuard::ShutdownGuard(QWidget* window) : window(window)
{
    if (::pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) == 0) {
        signalPipeWrite = pipeEnds[1];
        notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &ShutdownGuard::OnSignalled);

        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        // A signal the parent set to be ignored (nohup ignores SIGHUP) stays ignored.
        for (std::size_t i = 0; i < StopSignals.size(); ++i) {
            sigaction(StopSignals[i], nullptr, &previousActions[i]);
            if (previousActions[i].sa_handler != SIG_IGN)
                sigaction(StopSignals[i], &action, nullptr);
        }
    }
    // Queued, so that the session manager hears the program has saved before the window goes.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &ShutdownGuard::EndWindow, Qt::QueuedConnection);
}

ShutdownGuard::~ShutdownGuard()
{
    qApp->removeEventFilter(this);
    if (!notifier)
        return;
    for (std::size_t i = 0; i < StopSignals.size(); ++i)
        sigaction(StopSignals[i], &previousActions[i], nullptr);
    signalPipeWrite = -1;
    delete notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

void ShutdownGuard::OnSignalled()
{
    char bytes[16];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    EndWindow();
}

void ShutdownGuard::EndWindow()
{
    if (!ending)
        qApp->installEventFilter(this);
    ending = true;
    CancelMode();
    while (QWidget* modal = QApplication::activeModalWidget())
        if (modal == window || !modal->close())
            break;
    window->close();
}

bool ShutdownGuard::eventFilter(QObject* watched, QEvent* event)
{
    auto* shown = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && shown && shown != window && shown->isWindow() && shown->isModal())
        QMetaObject::invokeMethod(shown, [shown] { shown->close(); }, Qt::QueuedConnection);
    return false;
}
