// The Score dialog: shows the two totals as the game window does and can clear them.
#pragma once

#include "CDialog.h"

#include <functional>

class QPushButton;

class CScoreDlg : public CDialog {
    Q_OBJECT
public:
    // mainDialog shows the totals under the same identifiers as this dialog, outlives it and is its parent
    // window; clearTotals is called once the player has confirmed clearing them.
    CScoreDlg(CDialog* mainDialog, std::function<void()> clearTotals);

protected:
    bool OnInitDialog() override;
    void ConnectHandlers() override;

private:
    void DoDataExchange();
    void OnClearScore();

    QPushButton* CancelButton = nullptr;
    CDialog* MainDialog;
    std::function<void()> ClearTotals;
};
