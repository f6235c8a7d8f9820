// A game window driven as the player drives it: clicks, keys, the piece menu and the prompts inside their own loops.
#pragma once

#include "MainWindowFixture.h"

#include "BoardPicture.h"
#include "CPieceMenu.h"
#include "KnownLayouts.h"
#include "NestedLoopDriver.h"
#include "PuzzleRules.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <functional>
#include <string>
#include <vector>

namespace {

// A failing case of a table names itself by its name field.
template <class Case>
    requires requires(const Case& row) { row.name; }
void PrintTo(const Case& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace

// Seed 0 deals its first clue on Row 8, Column G, a submarine; that row holds 3 ship cells, the column 2.
inline constexpr CellPosition FirstClue{7, 6};

class GameWindowFixture : public MainWindowFixture {
protected:
    void SetUp() override
    {
        random.Seed(0);
        MainWindowFixture::SetUp();
    }

    QAbstractButton* Button(int id) const { return qobject_cast<QAbstractButton*>(Item(id)); }
    QString Text(int id) const { return dialog->GetDlgItemText(id); }
    // The pop-up menu of pieces, which the window owns from its start whether or not it is open.
    CPieceMenu* PieceMenu() const { return dialog->findChild<CPieceMenu*>(); }

    void Drive(NestedLoopDriver& driver, const std::function<void()>& action) { GameWindowHost::Drive(*dialog, driver, action); }

    void ClickWith(NestedLoopDriver& driver, QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        GameWindowHost::ClickWith(*dialog, driver, control, button);
    }

    void Click(int id) { ClickIn(*dialog, id); }

    void StartGame() { Click(IDC_START_GAME); }
    void Clue() { Click(IDC_CLUE); }
    void Undo() { Click(IDC_UNDO); }

    void ClueThatWins()
    {
        NestedLoopDriver driver;
        driver.ExpectCongratulations();
        ClickWith(driver, Item(IDC_CLUE));
    }

    void GiveUp(QMessageBox::StandardButton answer)
    {
        NestedLoopDriver driver;
        driver.ExpectPrompt(answer);
        ClickWith(driver, Item(IDC_GIVE_UP));
    }

    // Opens the menu on a cell and answers it; wins end with the Congratulations dialog closed.
    void Mark(int row, int column, NestedLoopDriver::MenuAction choice, bool wins = false)
    {
        MarkIn(*dialog, row, column, std::move(choice), wins);
    }

    void Mark(int row, int column, PieceKind kind, bool wins = false)
    {
        Mark(row, column, MenuChoice::Click(3000 + kind), wins);
    }

    // The 20 ship cells of the layout, in cell order.
    std::vector<CellPosition> ShipCells() const
    {
        std::vector<CellPosition> cells;
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                if (IsShipPiece(HiddenLayout().At(row, column)))
                    cells.push_back({row, column});
        return cells;
    }

    // Marks every ship cell but the given ones with its piece, passing over those that already show it (clues).
    void MarkShipsExcept(const std::vector<CellPosition>& left)
    {
        for (const CellPosition& cell : ShipCells()) {
            const PieceKind piece = HiddenLayout().At(cell.row, cell.column);
            if (std::find(left.begin(), left.end(), cell) == left.end() && dialog->GetMark(Cell(cell.row, cell.column)) != piece)
                Mark(cell.row, cell.column, piece);
        }
    }

    ArrayMarkGrid Marks() const { return MarksOf(*dialog); }

    int UndoDepth() { return GameWindowHost::UndoDepth(*dialog); }

    ShownTotals Totals() const { return TotalsShown(*dialog); }

    CellPosition NextClue() const { return GameWindowHost::NextClue(*dialog); }

    // Takes clues until the next one falls on the cell, then gives the cell the focus and has the clue fix it
    // there. The clue must come within 19 clues, which never win.
    void ClueOn(CellPosition cell)
    {
        for (int clues = 0; clues < 19 && NextClue() != cell; ++clues)
            Clue();
        ASSERT_EQ(NextClue(), cell) << "no clue of this game falls on " << cell.row << "," << cell.column;
        ASSERT_NO_FATAL_FAILURE(Focus(Cell(cell.row, cell.column)));
        Button(IDC_CLUE)->click();
        ASSERT_TRUE(Cell(cell.row, cell.column)->IsReadOnly());
    }

    // Takes 19 clues, which fix every ship cell but one; seed 0 leaves the middle of row 6's cruiser, (5, 3).
    void CluesOnAllButOneShipCell()
    {
        for (int clue = 0; clue < 19; ++clue)
            Clue();
    }

    std::string MarksPicture() const { return PictureOf(Marks()); }

    bool InProgress() const { return Item(IDC_CLUE)->isEnabled(); }

    // The window's focus control, which holds the keyboard focus whenever the window is active (a closed
    // prompt does not always hand the activation back on the offscreen platform).
    bool StartGameHasTheFocus() const { return dialog->focusWidget() == Item(IDC_START_GAME); }
};
