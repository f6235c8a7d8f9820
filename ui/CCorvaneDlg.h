// The game window: the grid, its counts, the fleet panel, the status line and the buttons.
#pragma once

#include "CDialog.h"
#include "ControlNames.h"
#include "ResourceIds.h"

#include "Board.h"
#include "BoardSnapshot.h"
#include "FleetCounter.h"
#include "FleetEvidence.h"
#include "GameRandom.h"
#include "MarkGrid.h"
#include "TotalsKeeper.h"
#include "UndoHistory.h"

#include <QIcon>
#include <array>
#include <memory>

class CBitmapButton;
class CPieceMenu;
class QLabel;
class QPushButton;


class CCorvaneDlg : public CDialog {
    Q_OBJECT
public:
    // random is the program's one random source; it outlives the dialog.
    explicit CCorvaneDlg(GameRandom& random, QWidget* parent = nullptr);
    ~CCorvaneDlg() override;

    // The cells by identifier or by place, and the piece each shows. Arguments are valid cells and
    // rows/columns 0..9.
    CBitmapButton* CellById(int id) const;
    CBitmapButton* CellAt(int row, int column) const;
    PieceKind GetMark(const CBitmapButton* cell) const;

    // The grid with its counts, inside its frame: what the player keeps looking at while reading help.
    QRect FocalArea() const override;

protected:
    bool OnInitDialog() override;
    void ConnectHandlers() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnDestroy() override;
    QWidget* ArrowTarget(QWidget* from, int key) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What the window's controls and messages call, and the cell and undo operations beneath them.
    void OnStartGame();
    void OnClue();
    void OnGiveUp();
    void OnUndo();
    void OnCellClicked(int id);
    void OnPieceCommand(int id);
    void OnScore();
    void OnAbout();
    void OnHelp();
    const QIcon& OnQueryDragIcon() const { return AppIcon; }

    // kind is 0..7. A clue's cell, like every cell once a game has ended, can be read but not changed.
    void SetCell(CBitmapButton* cell, PieceKind kind, bool clue);
    void EnableControl(QWidget* control, bool enable);
    void EnableCells(bool enable);

    BoardSnapshot TakeSnapshot() const;
    void RestoreSnapshot(const BoardSnapshot& snapshot);

    // Each change reaches the settings file at once; the totals then shown are those the file holds.
    // When the file cannot be read or written, the window counts on by itself and the player is told.
    void RecordWin(int score);
    void ClearStats();
    void ShowStats();

    // SetCell with how the piece is known, which decides its pictures, its name and whether it can change.
    void ShowPiece(CBitmapButton* cell, PieceKind kind, CellSource source);
    // OnPieceCommand, telling the piece set only when sayPiece: a screen reader that reads the cell again
    // hears it there. What a fill filled is always told.
    void CarryOutPieceCommand(int id, bool sayPiece);
    void FocusCellAgain();
    // What a screen reader hears for the keys that read the board at once: the focused cell's row or column,
    // or all the counts. False for any other key.
    bool ReadBoard(const QKeyEvent& key);
    void CheckForWin();
    void EnableGameControls(bool on);
    void SetCurrentScore(int n);
    void ShowClueStatus(int row, int column);
    // Every change of the status line goes through here.
    void ShowStatus(const QString& text);
    // Run after every change of the marks or the evidence: the status line shows the notice while the marks
    // hold a fleet that fits all the player knows but is not the hidden one, and the last clue message (or
    // nothing) otherwise. The notice waits for the count of fitting fleets when that is not known yet.
    void UpdateFleetNotice();
    // What a screen reader says of a cell after its name: the counts of its row and its column.
    void DescribeCellByItsCounts(int row, int column);
    // After the status line's message of where a clue is: the piece it shows and the new score.
    void AnnounceClue(PieceKind kind);
    void UpdateUndoButton();
    void BuildPieceMenu();
    void LoadStats();
    void SaveStats();

    // The marks as the puzzle rules see them: through the cells.
    class CellMarks final : public MarkGrid {
    public:
        explicit CellMarks(CCorvaneDlg& dialog) : dialog(dialog) {}
        PieceKind MarkAt(int row, int column) const override;
        void SetMark(int row, int column, PieceKind kind) override;

    private:
        CCorvaneDlg& dialog;
    };

    void DoDataExchange();
    void SizeLabels();
    void Tell(const TotalsNews& news);
    void WhileStatsWait(WaitStep step);

    QPushButton* StartGameButton = nullptr;
    QPushButton* GiveUpButton = nullptr;
    QPushButton* UndoButton = nullptr;
    QLabel* StatusText = nullptr;
    QPushButton* ClueButton = nullptr;
    std::array<CBitmapButton*, CellCount> Cells{};
    // How each cell's piece is known, by cell index.
    std::array<CellSource, CellCount> CellSources{};
    QIcon AppIcon;
    std::unique_ptr<CPieceMenu> PieceMenu;
    Board FleetLayout;
    // What the player has been shown of FleetLayout: its counts and the clues.
    FleetEvidence Evidence = FleetEvidence::CountsOf(FleetLayout);
    FleetCounter NoticeCounter{this};
    // The status line's own message (the last clue's, or that a win waits for another copy of the game),
    // which it shows again when the notice goes.
    QString ClueStatus;
    ::UndoHistory UndoHistory;
    int SelectedCell = 0;
    // The cell a screen reader that followed the piece menu's highlight is brought back to, once the window
    // has the keyboard again; null when there is none.
    CBitmapButton* CellToFocusAgain = nullptr;
    int CurrentScore = 0;
    int GameNumber = 1;
    int TotalGames = 0;
    int TotalScore = 0;
    TotalsKeeper StatsKeeper;

    GameRandom& Random;
    CellMarks Marks{*this};
};
