// The game window's play: starting a game, clues, giving up, and deciding when a game is won.
#include "CCorvaneDlg.h"

#include "Announcements.h"
#include "AverageScoreText.h"
#include "CBitmapButton.h"
#include "CCongratsDlg.h"
#include "CWinApp.h"
#include "ControlNames.h"
#include "FleetGenerator.h"
#include "PuzzleRules.h"
#include "StatusTexts.h"
#include "StringTable.h"

#include <QLabel>
#include <QPushButton>

void CCorvaneDlg::OnStartGame()
{
    BeginWaitCursor();
    GenerateLayout(FleetLayout, Random);
    Evidence = FleetEvidence::CountsOf(FleetLayout);
    // The player's next step is a mark on the board, so the keyboard goes to its first cell, and goes there
    // before anything else changes: a screen reader then reads the cell at once, not after the hundred other
    // changes a new game makes.
    CBitmapButton* first = CellAt(0, 0);
    EnableControl(first, true);
    SetCell(first, UNKNOWN, false);
    DescribeCellByItsCounts(0, 0);
    GotoDlgCtrl(first);

    StartGameButton->setAccessibleDescription(QString());
    ClueStatus.clear();
    ShowStatus(ClueStatus);
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        EnableControl(CellById(id), true);
        SetCell(CellById(id), UNKNOWN, false);
    }
    SetCurrentScore(0);
    UndoHistory.Clear();
    UpdateUndoButton();
    EnableGameControls(true);
    for (int row = 0; row < BoardSize; ++row)
        SetDlgItemInt(IDC_FIRST_ROW_COUNT + row, Evidence.RowCount(row));
    for (int column = 0; column < BoardSize; ++column)
        SetDlgItemInt(IDC_FIRST_COLUMN_COUNT + column, Evidence.ColumnCount(column));
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            DescribeCellByItsCounts(row, column);
    EndWaitCursor();
}

void CCorvaneDlg::OnClue()
{
    // The button is usable only while some mark differs from the layout, so a cell is always found.
    const std::optional<CellPosition> cell = ChooseClueCell(FleetLayout, Marks, Random);
    if (!cell)
        return;
    SetCell(CellAt(cell->row, cell->column), FleetLayout.At(cell->row, cell->column), true);
    Evidence.Reveal(cell->row, cell->column, FleetLayout.At(cell->row, cell->column));
    ShowClueStatus(cell->row, cell->column);
    SetCurrentScore(CurrentScore + 1);
    AnnounceClue(FleetLayout.At(cell->row, cell->column));
    UndoHistory.Clear();
    UpdateUndoButton();
    UpdateFleetNotice();
    CheckForWin();
}

void CCorvaneDlg::OnGiveUp()
{
    if (AfxMessageBox(IDS_GIVE_UP_PROMPT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    BeginWaitCursor();
    // Heard with Start Game as the focus lands on it: a screen reader reads a control's description with its
    // name, where an announcement would be dropped among the changes of a hundred cells.
    StartGameButton->setAccessibleDescription(GaveUpDescription());
    EnableGameControls(false);
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            ShowPiece(CellAt(row, column), FleetLayout.At(row, column), CellSource::GiveUp);
    UpdateFleetNotice();
    EndWaitCursor();
}

void CCorvaneDlg::CheckForWin()
{
    if (!IsSolved(FleetLayout, Marks))
        return;
    GameNumber += 1;
    RecordWin(CurrentScore);
    ShowStats();
    EnableGameControls(false);
    CCongratsDlg congratulations;
    congratulations.DoModal();
    GotoDlgCtrl(StartGameButton);
    // What a sighted player reads off the top line as the game window comes back.
    Announce(WinAnnouncement(CurrentScore, TotalGames, AverageScoreText(TotalGames, TotalScore)));
}

void CCorvaneDlg::EnableGameControls(bool on)
{
    // A game that ends hands the keyboard to Start Game before it disables anything, so that the focus
    // never walks from each control being disabled to the next: a screen reader would speak every step.
    if (!on) {
        EnableControl(StartGameButton, true);
        GotoDlgCtrl(StartGameButton);
    }
    EnableControl(ClueButton, on);
    EnableControl(GiveUpButton, on);
    EnableControl(StartGameButton, !on);
    // An ended game's board can still be walked and read, but no longer changed.
    if (on)
        EnableCells(true);
    else
        for (CBitmapButton* cell : Cells)
            cell->SetReadOnly(true);
    if (on)
        SetDlgItemInt(IDC_GAME_NUMBER, GameNumber);
    UndoHistory.Clear();
    UpdateUndoButton();
    for (int id = IDC_FIRST_SHIP_CHECK; id < IDC_FIRST_SHIP_CHECK + static_cast<int>(FleetTable.size()); ++id) {
        CheckDlgButton(id, false);
        GetDlgItem(id)->setEnabled(on);
    }
}

void CCorvaneDlg::SetCurrentScore(int n)
{
    CurrentScore = n;
    SetDlgItemInt(IDC_CURRENT_SCORE, n);
}

void CCorvaneDlg::ShowClueStatus(int row, int column)
{
    ClueStatus = ClueStatusText(LoadString(IDS_CLUE_STATUS), row, column);
    ShowStatus(ClueStatus);
}

void CCorvaneDlg::ShowStatus(const QString& text) { SetWindowText(StatusText, text); }

void CCorvaneDlg::UpdateFleetNotice()
{
    const std::optional<FleetCount> count = MarksHoldAnotherFittingFleet(FleetLayout, Marks, Evidence)
                                                ? NoticeCounter.CountFor(Evidence)
                                                : std::nullopt;
    const QString text = count ? FleetNoticeText(*count) : ClueStatus;
    // Unchanged, the line stays as it is: a screen reader hears it once.
    if (text != StatusText->text())
        ShowStatus(text);
}

void CCorvaneDlg::DescribeCellByItsCounts(int row, int column)
{
    CellAt(row, column)->SetDescription(CellAccessibleDescription(Evidence.RowCount(row), Evidence.ColumnCount(column)));
}

void CCorvaneDlg::AnnounceClue(PieceKind kind)
{
    Announce(CluePieceAnnouncement(kind));
    Announce(GetDlgItem(IDC_CURRENT_SCORE)->accessibleName());
}
