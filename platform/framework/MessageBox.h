// The message box of the dialog layer: a text, an icon, OK or Yes and No.
#pragma once

#include <QString>

#include <functional>

class QWidget;

enum MessageBoxType : unsigned {
    MB_OK = 0x0,
    MB_YESNO = 0x4,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
};

enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

// Runs a box modal to owner's window only, so that a window of its own such as the help viewer stays
// usable. A type that names no icon gets the exclamation mark; the first button is the default; F1 calls
// onHelp. Once it closes, the focus is where it was before it opened. Returns the button pressed.
int ShowMessageBox(QWidget* owner, const QString& caption, const QString& text, unsigned type,
                   const std::function<void()>& onHelp);
