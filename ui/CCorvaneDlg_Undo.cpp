// The game window's side of undo: snapshots of the cells, restoring one, the Undo button.
#include "CCorvaneDlg.h"

#include "Announcements.h"
#include "CBitmapButton.h"

#include <QPushButton>

BoardSnapshot CCorvaneDlg::TakeSnapshot() const { return BoardSnapshot::Take(Marks); }

void CCorvaneDlg::RestoreSnapshot(const BoardSnapshot& snapshot)
{
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        CBitmapButton* cell = CellById(id);
        // Clue cells stay as the clue left them.
        if (!cell->IsReadOnly()) {
            const int index = id - IDC_FIRST_CELL;
            SetCell(cell, snapshot.KindAt(index / BoardSize, index % BoardSize), false);
        }
    }
}

void CCorvaneDlg::OnUndo()
{
    BeginWaitCursor();
    if (!UndoHistory.Empty()) {
        const BoardSnapshot before = TakeSnapshot();
        RestoreSnapshot(UndoHistory.Top());
        UndoHistory.Pop();
        const BoardSnapshot after = TakeSnapshot();
        Announce(UndoAnnouncement(after.CellsChangedSince(before), after));
    }
    UpdateUndoButton();
    UpdateFleetNotice();
    EndWaitCursor();
}

void CCorvaneDlg::UpdateUndoButton() { EnableControl(UndoButton, !UndoHistory.Empty()); }
