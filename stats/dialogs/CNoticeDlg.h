// A dialog that only tells the player something: centred over its owner, closed by its one button.
#pragma once

#include "CDialog.h"

// The dialog asks nothing, so however it ends, callers never look at the result. Its button (identifier 1)
// shares OnOK with Enter so that the two cannot come to behave differently.
class CNoticeDlg : public CDialog {
    Q_OBJECT
public:
    CNoticeDlg(const DialogTemplate& dialogTemplate, QWidget* parent);

protected:
    bool OnInitDialog() override;
    void ConnectHandlers() override;
};
