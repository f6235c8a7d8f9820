// A game window driven as the player drives it: clicks, keys, the piece menu and the prompts inside their own loops.
#pragma once

#include "MainWindowFixture.h"

#include "BoardPicture.h"
#include "CPieceMenu.h"
#include "KnownLayouts.h"
#include "PuzzleRules.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Acts inside the nested loops that a click opens: the piece menu, a prompt, the Congratulations dialog.
// Each expected window is handled in turn as it appears; a window that nobody expected is closed and
// remembered, so a test never hangs on it and can say what it saw.
class NestedLoopDriver {
public:
    using MenuAction = std::function<void(CPieceMenu&)>;

    NestedLoopDriver()
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] { Tick(); });
        timer.start();
    }

    void ExpectMenu(MenuAction action) { steps.push_back({Window::Menu, std::move(action), {}}); }
    void ExpectPrompt(QMessageBox::StandardButton answer) { steps.push_back({Window::Prompt, {}, answer}); }
    void ExpectCongratulations() { steps.push_back({Window::Congratulations, {}, {}}); }
    // For play whose outcome the test does not foresee: a Congratulations dialog, should one open, is closed.
    void AllowCongratulations() { congratulationsAllowed = true; }
    int Congratulated() const { return congratulated; }

    bool AllSeen() const { return steps.empty(); }
    const std::vector<std::string>& Unexpected() const { return unexpected; }
    // What the prompts said, with their captions, icons and buttons, in the order they came.
    struct PromptSeen {
        QString caption, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const std::vector<PromptSeen>& Prompts() const { return prompts; }
    // The menus as they stood when the driver acted on them: position and size on the screen.
    const std::vector<QRect>& MenuGeometries() const { return menus; }
    // The override cursor while each expected window was open: none, or the wait cursor.
    const std::vector<bool>& WaitCursorWhileOpen() const { return waitCursor; }

private:
    enum class Window { Menu, Prompt, Congratulations };
    struct Step {
        Window window;
        MenuAction menuAction;
        QMessageBox::StandardButton answer;
    };

    void Tick()
    {
        if (auto* menu = qobject_cast<CPieceMenu*>(QApplication::activePopupWidget())) {
            if (!menu->isVisible())
                return;
            if (Next(Window::Menu)) {
                menus.push_back(menu->geometry());
                const MenuAction action = Take().menuAction;
                action(*menu);
            } else {
                Refuse("piece menu", [menu] { menu->close(); });
            }
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (!Next(Window::Prompt))
                return Refuse("prompt " + box->text().toStdString(), [box] { box->reject(); });
            prompts.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            QTest::mouseClick(box->button(Take().answer), Qt::LeftButton);
            return;
        }
        if (auto* dialog = qobject_cast<CDialog*>(modal); dialog && dialog != AfxGetApp()->m_pMainWnd) {
            if (Next(Window::Congratulations))
                Take();
            else if (!congratulationsAllowed)
                return Refuse("dialog " + dialog->windowTitle().toStdString(), [dialog] { dialog->reject(); });
            ++congratulated;
            QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->GetDlgItem(1)), Qt::LeftButton);
        }
    }

    bool Next(Window window)
    {
        return !steps.empty() && steps.front().window == window;
    }

    Step Take()
    {
        waitCursor.push_back(QApplication::overrideCursor() &&
                             QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        Step step = std::move(steps.front());
        steps.pop_front();
        return step;
    }

    void Refuse(std::string what, const std::function<void()>& close)
    {
        unexpected.push_back(std::move(what));
        close();
    }

    QTimer timer;
    std::deque<Step> steps;
    std::vector<std::string> unexpected;
    std::vector<PromptSeen> prompts;
    std::vector<QRect> menus;
    std::vector<bool> waitCursor;
    bool congratulationsAllowed = false;
    int congratulated = 0;
};

namespace {

// A failing case of a table names itself by its name field.
template <class Case>
    requires requires(const Case& row) { row.name; }
void PrintTo(const Case& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace

// Ways of answering the piece menu.
namespace MenuChoice {

// Points at the item and clicks it with the given button.
inline NestedLoopDriver::MenuAction Click(int id, Qt::MouseButton button = Qt::LeftButton)
{
    return [id, button](CPieceMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->data().toInt() != id)
                continue;
            const QPoint centre = menu.actionGeometry(action).center();
            QTest::mouseMove(&menu, centre);
            QTest::mouseClick(&menu, button, Qt::NoModifier, centre);
            return;
        }
        ADD_FAILURE() << "no menu item " << id;
        menu.close();
    };
}

// Types the keys to the open menu.
inline NestedLoopDriver::MenuAction Keys(std::vector<Qt::Key> keys)
{
    return [keys = std::move(keys)](CPieceMenu& menu) {
        for (Qt::Key key : keys)
            QTest::keyClick(&menu, key);
    };
}

// Walks down to the item with the arrow keys and takes it with Enter.
inline NestedLoopDriver::MenuAction Arrows(int id)
{
    // The separator is passed over, so the item is always this many steps down from the top.
    std::vector<Qt::Key> keys(id - 3000 + 1, Qt::Key_Down);
    keys.push_back(Qt::Key_Return);
    return Keys(std::move(keys));
}

// Presses a mouse button beside the menu, over the window underneath.
inline NestedLoopDriver::MenuAction ClickBeside(QWidget* target)
{
    return [target](CPieceMenu& menu) {
        const QPoint inMenu = menu.mapFromGlobal(target->mapToGlobal(target->rect().center()));
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, Qt::NoModifier, inMenu);
    };
}

} // namespace MenuChoice

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
