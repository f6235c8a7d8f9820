// A dialog that only tells the player something: centred over its owner, closed by its one button.
#pragma once

#include "CDialog.h"

// The template's button with identifier 1 ("&Close") ends the dialog through OnOK, as Enter does;
// Escape and the close box end it through OnCancel. Callers never look at the result.
class CNoticeDlg : public CDialog {
    Q_OBJECT
public:
    CNoticeDlg(const DialogTemplate& dialogTemplate, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void ConnectHandlers() override;
};
