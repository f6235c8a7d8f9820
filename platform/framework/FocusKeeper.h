// Puts the keyboard focus back where it stood once a modal window that took it has closed.
#pragma once

#include <QPointer>
#include <QWidget>

// Without a window manager nothing hands the keyboard back to the window underneath when a prompt or a dialog
// closes, and keys would go nowhere; with one, the window comes back but its focus may not. Live across the
// modal run: on leaving, the window that was active is activated again and the control that had the focus
// gets it back, when both still exist and can take it.
class FocusKeeper {
public:
    FocusKeeper();
    ~FocusKeeper();
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWidget> window;
    QPointer<QWidget> control;
};
