// The Congratulations dialog shown when the fleet is found.
#pragma once

#include "CNoticeDlg.h"
#include "Templates.h"

class CCongratsDlg : public CNoticeDlg {
    Q_OBJECT
public:
    // Without a parent the dialog runs over the main window.
    explicit CCongratsDlg(QWidget* parent = nullptr) : CNoticeDlg(CongratsDialogTemplate(), parent) {}
};
