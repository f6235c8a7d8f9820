// The game window's side of the piece menu: building it, opening it on a cell, carrying out its commands.
#include "CCorvaneDlg.h"

#include "Announcements.h"
#include "CBitmapButton.h"
#include "CPieceMenu.h"
#include "PuzzleRules.h"
#include "StringTable.h"

#include <QPushButton>

void CCorvaneDlg::BuildPieceMenu()
{
    PieceMenu = std::make_unique<CPieceMenu>(this);
    for (int id = IDC_FIRST_PIECE_COMMAND; id < IDC_FIRST_PIECE_COMMAND + PieceKindCount; ++id)
        PieceMenu->AppendOwnerDrawItem(id);
    PieceMenu->AppendSeparator();
    for (int id : {IDC_FILL_ROW, IDC_FILL_COLUMN})
        PieceMenu->AppendString(id, LoadString(id));
}

void CCorvaneDlg::OnCellClicked(int id)
{
    const CBitmapButton* cell = CellById(id);
    // A cell that cannot change opens no menu; the player hears why instead.
    if (cell->IsReadOnly()) {
        Announce(FixedCellAnnouncement(StartGameButton->isEnabled()));
        return;
    }
    SelectedCell = id;
    const QRect rect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
    const QPoint centre(rect.left() + rect.width() / 2, rect.top() + rect.height() / 2);
    Announce(PieceMenuOpenedAnnouncement(cell->accessibleName()));
    if (const int command = PieceMenu ? PieceMenu->TrackPopupMenu(centre) : 0)
        OnPieceCommand(command);
    else
        Announce(cell->accessibleName());
}

void CCorvaneDlg::OnPieceCommand(int id)
{
    CBitmapButton* cell = CellById(SelectedCell);
    const int index = SelectedCell - IDC_FIRST_CELL;
    const int row = index / BoardSize;
    const int column = index % BoardSize;

    const BoardSnapshot before = TakeSnapshot();
    if (id == IDC_FILL_ROW)
        FillRowWithWater(Marks, row);
    else if (id == IDC_FILL_COLUMN)
        FillColumnWithWater(Marks, column);
    else
        SetCell(cell, static_cast<PieceKind>(id - IDC_FIRST_PIECE_COMMAND), false);
    const BoardSnapshot after = TakeSnapshot();

    if (after != before) {
        UndoHistory.Push(before);
        UpdateUndoButton();
    }
    Announce(PieceCommandAnnouncement(id, row, column, int(after.CellsChangedSince(before).size())));
    UpdateFleetNotice();
    CheckForWin();
}
