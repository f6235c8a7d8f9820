// The Score dialog: shows the two totals as the game window does and can clear them.
#pragma once

#include "CDialog.h"

class CCorvaneDlg;
class QPushButton;

class CScoreDlg : public CDialog {
    Q_OBJECT
public:
    // mainDialog outlives the dialog; it is also its parent window.
    explicit CScoreDlg(CCorvaneDlg* mainDialog);

protected:
    bool OnInitDialog() override;
    void ConnectHandlers() override;

private:
    void DoDataExchange();
    void OnClearScore();

    QPushButton* CancelButton = nullptr;
    CCorvaneDlg* MainDialog;
};
