// Ends the game window as its close box does when the desktop session ends or the process is told to stop.
#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;
class QWidget;

// SIGTERM, SIGINT and SIGHUP, and the session manager's request to save before the session ends, close
// the menu and the dialogs in front of the window and then the window itself, so that it ends through
// its normal ending. A dialog that the program opens after that, as the code that was running in a closed
// dialog goes on, is closed as soon as it shows: nothing is left open over a window that has gone. The
// guard takes over the three signals while it lives, except any that the process started with ignored,
// and gives them back when it goes; one guard at a time. window outlives the guard.
class ShutdownGuard : public QObject {
    Q_OBJECT
public:
    explicit ShutdownGuard(QWidget* window);
    ~ShutdownGuard() override;
    ShutdownGuard(const ShutdownGuard&) = delete;
    ShutdownGuard& operator=(const ShutdownGuard&) = delete;

    // What a stop signal or the session's end does: closes whatever is in front, then the window.
    void EndWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnSignalled();

    QWidget* window;
    bool ending = false;
    std::array<int, 2> pipeEnds{-1, -1};
    QSocketNotifier* notifier = nullptr;
    std::array<struct sigaction, 3> previousActions{};
};
