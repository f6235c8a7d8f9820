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

    // Does what opens nested loops (a click, a key) while the driver answers them, then checks that it met
    // what it expected and nothing else. On the offscreen platform a closed pop-up does not hand the
    // activation back to the window as a desktop's window manager does; the window is activated again so
    // that the keyboard reaches it.
    void Drive(NestedLoopDriver& driver, const std::function<void()>& action)
    {
        action();
        EXPECT_TRUE(driver.AllSeen()) << "a window the test expected did not open";
        EXPECT_TRUE(driver.Unexpected().empty()) << driver.Unexpected().front();
        if (!dialog->isActiveWindow()) {
            QApplication::setActiveWindow(dialog.get());
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        }
    }

    void ClickWith(NestedLoopDriver& driver, QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        Drive(driver, [control, button] { QTest::mouseClick(control, button); });
    }

    void Click(int id)
    {
        NestedLoopDriver nothingOpens;
        ClickWith(nothingOpens, Item(id));
    }

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
        NestedLoopDriver driver;
        driver.ExpectMenu(std::move(choice));
        if (wins)
            driver.ExpectCongratulations();
        ClickWith(driver, Cell(row, column));
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

    ArrayMarkGrid Marks() const
    {
        ArrayMarkGrid marks;
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                marks.SetMark(row, column, dialog->GetMark(Cell(row, column)));
        return marks;
    }

    std::string MarksPicture() const { return PictureOf(Marks()); }

    bool InProgress() const { return Item(IDC_CLUE)->isEnabled(); }

    // The window's focus control, which holds the keyboard focus whenever the window is active (a closed
    // prompt does not always hand the activation back on the offscreen platform).
    bool StartGameHasTheFocus() const { return dialog->focusWidget() == Item(IDC_START_GAME); }
};
