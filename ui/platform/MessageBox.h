// Message boxes with a string-table prompt, captioned with the application name.
#pragma once

#include <QString>

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

// Owned by the active window; modal to it. Returns the button pressed.
int AfxMessageBox(int stringId, unsigned type = MB_OK);
int AfxMessageBox(const QString& text, unsigned type = MB_OK);
