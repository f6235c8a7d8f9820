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
    Announce(PieceMenuOpenedAnnouncement(cell->Name()));
    const int command = PieceMenu ? PieceMenu->TrackPopupMenu(centre) : 0;
    // A screen reader that followed the highlight into the menu is brought back to the cell, which it reads
    // with what the cell holds now; one that stayed on the cell is told what the menu did, or the cell again.
    const bool readerInMenu = PieceMenu && PieceMenu->HighlightedAnItem();
    if (command)
        CarryOutPieceCommand(command, !readerInMenu);
    else if (!readerInMenu)
        Announce(cell->Name());
    if (readerInMenu) {
        CellToFocusAgain = CellById(id);
        QMetaObject::invokeMethod(this, &CCorvaneDlg::FocusCellAgain, Qt::QueuedConnection);
    }
}

// The keyboard focus comes back to the cell anew, which a screen reader follows, once the window has taken
// the keyboard back from the menu (at once, or when the window system hands it back); a game the menu's
// command has won has moved on to Start Game by then.
void CCorvaneDlg::FocusCellAgain()
{
    if (!CellToFocusAgain || !isActiveWindow())
        return;
    if (focusWidget() == CellToFocusAgain) {
        CellToFocusAgain->clearFocus();
        GotoDlgCtrl(CellToFocusAgain);
    }
    CellToFocusAgain = nullptr;
}

void CCorvaneDlg::changeEvent(QEvent* event)
{
    CDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        FocusCellAgain();
}

void CCorvaneDlg::OnPieceCommand(int id) { CarryOutPieceCommand(id, true); }

void CCorvaneDlg::CarryOutPieceCommand(int id, bool sayPiece)
{
    CBitmapButton* cell = CellById(SelectedCell);
    const int index = SelectedCell - IDC_FIRST_CELL;
    const int row = index / BoardSize;
    const int column = index % BoardSize;

    const BoardSnapshot before = TakeSnapshot();
    const bool fill = id == IDC_FILL_ROW || id == IDC_FILL_COLUMN;
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
    if (sayPiece || fill)
        Announce(PieceCommandAnnouncement(id, row, column, int(after.CellsChangedSince(before).size())));
    UpdateFleetNotice();
    CheckForWin();
}
