// The game window's cells: found by identifier or place, set to a piece, read back as marks, walked by arrows.
#include "CCorvaneDlg.h"

#include "CBitmapButton.h"
#include "ControlNames.h"
#include "Pictures.h"

namespace {

// A cell shows its up, down, focused and disabled pictures; a clue shows its one picture in every state but
// the focused one, which frames it.
constexpr char NormalLetters[] = "UDFX";
constexpr char ClueLetters[] = "XXFX";

} // namespace

CBitmapButton* CCorvaneDlg::CellById(int id) const { return Cells[id - IDC_FIRST_CELL]; }

CBitmapButton* CCorvaneDlg::CellAt(int row, int column) const { return CellById(CellId(row, column)); }

void CCorvaneDlg::SetCell(CBitmapButton* cell, PieceKind kind, bool clue)
{
    ShowPiece(cell, kind, clue ? CellSource::Clue : CellSource::Mark);
}

void CCorvaneDlg::ShowPiece(CBitmapButton* cell, PieceKind kind, CellSource source)
{
    const bool clue = source == CellSource::Clue;
    const char* letters = clue ? ClueLetters : NormalLetters;
    cell->LoadBitmaps(CellPictureName(kind, clue, letters[0]), CellPictureName(kind, clue, letters[1]),
                      CellPictureName(kind, clue, letters[2]), CellPictureName(kind, clue, letters[3]));
    cell->setText(QString::fromStdString(KindToText(kind)));
    const int index = GetDlgCtrlID(cell) - IDC_FIRST_CELL;
    CellSources[index] = source;
    cell->SetName(CellAccessibleName(index / BoardSize, index % BoardSize, kind, source));
    // What the game has shown stays reachable and readable, as the player's own marks are, but only those
    // can change.
    cell->SetReadOnly(source != CellSource::Mark);
    cell->update();
}

PieceKind CCorvaneDlg::GetMark(const CBitmapButton* cell) const
{
    return KindFromText(cell->text().toStdString());
}

PieceKind CCorvaneDlg::CellMarks::MarkAt(int row, int column) const
{
    return dialog.GetMark(dialog.CellAt(row, column));
}

void CCorvaneDlg::CellMarks::SetMark(int row, int column, PieceKind kind)
{
    dialog.SetCell(dialog.CellAt(row, column), kind, false);
}

QWidget* CCorvaneDlg::ArrowTarget(QWidget* from, int key) const
{
    const int id = GetDlgCtrlID(from);
    if (id < IDC_FIRST_CELL || id > IDC_LAST_CELL)
        return CDialog::ArrowTarget(from, key);

    // Within the grid the arrows walk the row or the column, past cells that cannot take the focus (before the
    // first game, all of them).
    const int rowStep = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    const int columnStep = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    int row = (id - IDC_FIRST_CELL) / BoardSize + rowStep;
    int column = (id - IDC_FIRST_CELL) % BoardSize + columnStep;
    for (; row >= 0 && row < BoardSize && column >= 0 && column < BoardSize; row += rowStep, column += columnStep)
        if (CellAt(row, column)->isEnabled())
            return CellAt(row, column);
    return nullptr;
}
