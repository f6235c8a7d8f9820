// The game window with the calls its controls make opened to tests and benchmarks that must make them directly:
// a handler whose control is disabled, a handler being timed, or a cell state no click can reach.
#pragma once

#include "CCorvaneDlg.h"

class TestableCorvaneDlg : public CCorvaneDlg {
public:
    using CCorvaneDlg::CCorvaneDlg;

    using CCorvaneDlg::OnCellClicked;
    using CCorvaneDlg::OnClue;
    using CCorvaneDlg::OnGiveUp;
    using CCorvaneDlg::OnPieceCommand;
    using CCorvaneDlg::OnStartGame;
    using CCorvaneDlg::OnUndo;

    using CCorvaneDlg::EnableCells;
    using CCorvaneDlg::EnableControl;
    using CCorvaneDlg::SetCell;

    using CCorvaneDlg::RestoreSnapshot;
    using CCorvaneDlg::TakeSnapshot;

    using CCorvaneDlg::ClearStats;
    using CCorvaneDlg::RecordWin;
    using CCorvaneDlg::ShowStats;
};
