// The About dialog: the program's version line, its icon and Close.
#pragma once

#include "CNoticeDlg.h"
#include "Templates.h"

class CAboutDlg : public CNoticeDlg {
    Q_OBJECT
public:
    // Without a parent the dialog runs over the main window.
    explicit CAboutDlg(QWidget* parent = nullptr) : CNoticeDlg(AboutDialogTemplate(), parent) {}
};
