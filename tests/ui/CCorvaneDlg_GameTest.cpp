// The game controller: starting, clues, winning, giving up and the controls of each phase.
#include "GameWindowFixture.h"

#include "PixelProbe.h"
#include "Pictures.h"

#include <QCheckBox>
#include <QCursor>

namespace {

using GameTest = GameWindowFixture;

constexpr int RowCounts[] = {3, 1, 1, 3, 0, 5, 2, 3, 1, 1};
constexpr int ColumnCounts[] = {5, 1, 1, 1, 2, 1, 2, 3, 4, 0};

// The window shows the counts of the layout the seed deals, and Give Up shows that very layout.
TEST_F(GameTest, StartGameDealsTheSeededLayoutAndShowsItsCounts)
{
    StartGame();

    const Board seeded = BoardFromPicture(Seed0Layout);
    for (int i = 0; i < BoardSize; ++i) {
        EXPECT_EQ(Text(IDC_FIRST_ROW_COUNT + i), QString::number(RowShipCount(seeded, i))) << "row " << i;
        EXPECT_EQ(Text(IDC_FIRST_COLUMN_COUNT + i), QString::number(ColumnShipCount(seeded, i))) << "column " << i;
        EXPECT_EQ(RowShipCount(seeded, i), RowCounts[i]) << "row " << i;
        EXPECT_EQ(ColumnShipCount(seeded, i), ColumnCounts[i]) << "column " << i;
    }
    EXPECT_EQ(Text(IDC_GAME_NUMBER), "1");
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "0");
    EXPECT_EQ(Text(IDC_STATUS), "");
    EXPECT_EQ(BoardSnapshot::Take(Marks()).Text(), std::string(CellCount, '7'));

    GiveUp(QMessageBox::Yes);
    EXPECT_EQ(MarksPicture(), PictureOf(seeded));
}

TEST_F(GameTest, FirstClueRevealsRow8ColumnGForAPoint)
{
    StartGame();
    Mark(0, 0, ROUND);
    ASSERT_TRUE(Item(IDC_UNDO)->isEnabled());

    Clue();

    CBitmapButton* clue = Cell(FirstClue.row, FirstClue.column);
    EXPECT_EQ(dialog->GetMark(clue), ROUND);
    EXPECT_TRUE(clue->isEnabled());
    EXPECT_TRUE(clue->IsReadOnly());
    EXPECT_TRUE(Shows(clue, LoadBitmap("IDB_RED_ROUND_X")));
    EXPECT_EQ(Text(IDC_STATUS), "Clue is on Row 8, Column G");
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "1");
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
    EXPECT_TRUE(InProgress());
}

TEST_F(GameTest, MarkingEveryShipCellWins)
{
    StartGame();
    Clue();
    qobject_cast<QCheckBox*>(Item(IDC_FIRST_SHIP_CHECK))->click();
    const std::vector<CellPosition> ships = ShipCells();
    const CellPosition last = ships.back();
    MarkShipsExcept({last});
    ASSERT_TRUE(InProgress()) << "no win before the last ship cell";

    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);

    EXPECT_EQ(Totals(), TotalsShownFor(1, 1));
    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "1");
    EXPECT_TRUE(StartGameHasTheFocus());
    EXPECT_FALSE(InProgress());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(Item(IDC_FIRST_SHIP_CHECK))->isChecked());
    EXPECT_EQ(dialog->GetMark(Cell(last.row, last.column)), HiddenLayout().At(last.row, last.column));
    EXPECT_TRUE(Shows(Cell(FirstClue.row, FirstClue.column), LoadBitmap("IDB_RED_ROUND_X")));
    EXPECT_EQ(Text(IDC_GAME_NUMBER), "1") << "the number of the game just won stays until the next start";
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "1");

    StartGame();
    EXPECT_EQ(Text(IDC_GAME_NUMBER), "2");
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "0");
}

TEST_F(GameTest, ClueThatCompletesTheSolutionWinsWithItsPoint)
{
    StartGame();
    MarkShipsExcept({FirstClue});

    ClueThatWins();

    EXPECT_EQ(Text(IDC_STATUS), "Clue is on Row 8, Column G");
    EXPECT_EQ(Totals(), TotalsShownFor(1, 1));
    EXPECT_FALSE(InProgress());
    EXPECT_TRUE(StartGameHasTheFocus());
}

// Everything the player can see of a game.
struct GameView {
    std::string marks;
    std::vector<bool> enabled;
    QString score, status, gameNumber;
    ShownTotals totals;
    friend bool operator==(const GameView&, const GameView&) = default;
};

TEST_F(GameTest, GiveUpAnsweredNoKeepsTheGameAndItsUndoHistory)
{
    StartGame();
    Clue();
    Mark(0, 0, ROUND);
    Mark(0, 1, WATER);
    const auto view = [this] {
        std::vector<bool> enabled;
        for (QWidget* control : dialog->Controls())
            enabled.push_back(control->isEnabled());
        return GameView{MarksPicture(), enabled, Text(IDC_CURRENT_SCORE), Text(IDC_STATUS), Text(IDC_GAME_NUMBER), Totals()};
    };
    const GameView before = view();

    NestedLoopDriver driver;
    driver.ExpectPrompt(QMessageBox::No);
    ClickWith(driver, Item(IDC_GIVE_UP));

    ASSERT_EQ(driver.Prompts().size(), 1u);
    EXPECT_EQ(driver.Prompts()[0].text, "Are you sure you want to give up?");
    EXPECT_EQ(driver.Prompts()[0].caption, app.AppName());
    EXPECT_EQ(driver.Prompts()[0].icon, QMessageBox::Question);
    EXPECT_EQ(driver.Prompts()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(view() == before);

    EXPECT_EQ(UndoDepth(), 2) << "both marking steps could still be taken back";
    EXPECT_EQ(dialog->GetMark(Cell(0, 0)), UNKNOWN);
}

TEST_F(GameTest, GiveUpAnsweredYesRevealsTheLayoutWithoutClueMarkers)
{
    StartGame();
    Clue();
    Mark(0, 1, NORTH);
    const std::string layout = PictureOf(HiddenLayout());

    GiveUp(QMessageBox::Yes);

    EXPECT_EQ(MarksPicture(), layout);
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        EXPECT_TRUE(dialog->CellById(id)->IsReadOnly()) << id;
    EXPECT_TRUE(Shows(Cell(FirstClue.row, FirstClue.column), LoadBitmap("IDB_ROUND_X")));
    EXPECT_EQ(Totals(), TotalsShownFor(0, 0));
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "1");
    EXPECT_EQ(Text(IDC_STATUS), "Clue is on Row 8, Column G");
    EXPECT_TRUE(StartGameHasTheFocus());

    StartGame();
    EXPECT_EQ(Text(IDC_GAME_NUMBER), "1") << "a game given up keeps its number for the next one";
}

// After Give Up every mark equals the layout, so no cell is left to reveal: the Clue button is disabled, and
// neither a click nor its mnemonic reaches it, so no clue is searched for.
TEST_F(GameTest, ClueWithNothingLeftToRevealChangesNothing)
{
    StartGame();
    GiveUp(QMessageBox::Yes);
    ASSERT_EQ(MarksPicture(), PictureOf(HiddenLayout()));
    ASSERT_FALSE(Item(IDC_CLUE)->isEnabled());

    Clue();
    Press(Qt::Key_C, Qt::AltModifier);

    EXPECT_EQ(MarksPicture(), PictureOf(HiddenLayout()));
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "0");
    EXPECT_EQ(Text(IDC_STATUS), "");
    EXPECT_EQ(Totals(), TotalsShownFor(0, 0));
}

// The phases of a game live only in which controls are enabled.
struct PhaseCase;

class PhaseTest : public GameWindowFixture, public ::testing::WithParamInterface<PhaseCase> {
public:
    using GameWindowFixture::StartGame;

    void WinTheGame()
    {
        StartGame();
        MarkShipsExcept({FirstClue});
        Mark(FirstClue.row, FirstClue.column, ROUND, /*wins=*/true);
    }

    void GiveUpAGame()
    {
        StartGame();
        Mark(4, 4, WATER);
        GiveUp(QMessageBox::Yes);
    }

    void MarkOnce()
    {
        StartGame();
        Mark(4, 4, WATER);
    }
};

struct PhaseCase {
    const char* name;
    void (*reach)(PhaseTest&);
    bool startGame, giveUp, clue, undo;
    bool cellsReached, cellsChanged; // whether the cells take the focus, and whether they can be changed
    bool checkBoxes, startGameFocused;
};

const PhaseCase Phases[] = {
    {"BeforeTheFirstGame", [](PhaseTest&) {}, true, false, false, false, false, false, false, true},
    {"InProgress", [](PhaseTest& test) { test.StartGame(); }, false, true, true, false, true, true, true, false},
    {"InProgressWithUndo", [](PhaseTest& test) { test.MarkOnce(); }, false, true, true, true, true, true, true, false},
    {"Won", [](PhaseTest& test) { test.WinTheGame(); }, true, false, false, false, true, false, false, true},
    {"GivenUp", [](PhaseTest& test) { test.GiveUpAGame(); }, true, false, false, false, true, false, false, true},
};

TEST_P(PhaseTest, EnablesExactlyTheControlsOfThePhase)
{
    GetParam().reach(*this);

    EXPECT_EQ(Item(IDC_START_GAME)->isEnabled(), GetParam().startGame);
    EXPECT_EQ(Item(IDC_GIVE_UP)->isEnabled(), GetParam().giveUp);
    EXPECT_EQ(Item(IDC_CLUE)->isEnabled(), GetParam().clue);
    EXPECT_EQ(Item(IDC_UNDO)->isEnabled(), GetParam().undo);
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        ASSERT_EQ(dialog->CellById(id)->isEnabled(), GetParam().cellsReached) << id;
        ASSERT_EQ(!dialog->CellById(id)->IsReadOnly() && GetParam().cellsReached, GetParam().cellsChanged) << id;
    }
    for (int id = IDC_FIRST_SHIP_CHECK; id < IDC_FIRST_SHIP_CHECK + 10; ++id) {
        EXPECT_EQ(Item(id)->isEnabled(), GetParam().checkBoxes) << id;
        EXPECT_FALSE(qobject_cast<QCheckBox*>(Item(id))->isChecked()) << id;
    }
    EXPECT_EQ(StartGameHasTheFocus(), GetParam().startGameFocused);
    for (int id : {IDC_SCORE, IDC_HELP, IDC_ABOUT, IDC_EXIT})
        EXPECT_TRUE(Item(id)->isEnabled()) << id;
    EXPECT_EQ(UndoDepth(), GetParam().undo ? 1 : 0) << "Undo is usable exactly while it has a step to take back";
}

INSTANTIATE_TEST_SUITE_P(GameTest, PhaseTest, ::testing::ValuesIn(Phases),
                         [](const auto& info) { return std::string(info.param.name); });

// Records, whenever a watched control is enabled or disabled, whether the wait cursor is showing.
class CursorProbe : public QObject {
public:
    explicit CursorProbe(QWidget* control) { control->installEventFilter(this); }
    const std::vector<bool>& Seen() const { return seen; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            seen.push_back(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        return false;
    }

private:
    std::vector<bool> seen;
};

TEST_F(GameTest, WaitCursorShowsDuringStartGameUndoAndGiveUpOnly)
{
    CursorProbe corner(Cell(9, 9));
    CursorProbe undo(Item(IDC_UNDO));
    CursorProbe startGame(Item(IDC_START_GAME));

    StartGame();
    EXPECT_EQ(corner.Seen(), std::vector<bool>{true}) << "cells enabled under the wait cursor";

    Mark(0, 0, WATER);
    Undo();
    EXPECT_EQ(undo.Seen(), (std::vector<bool>{false, true})) << "enabled by the mark, disabled by Undo";

    Mark(0, 0, WATER);
    Clue();
    EXPECT_EQ(undo.Seen(), (std::vector<bool>{false, true, false, false})) << "the clue empties the history without it";

    {
        NestedLoopDriver prompt;
        prompt.ExpectPrompt(QMessageBox::Yes);
        ClickWith(prompt, Item(IDC_GIVE_UP));
        EXPECT_EQ(prompt.WaitCursorWhileOpen(), std::vector<bool>{false}) << "not while the question is open";
    }
    EXPECT_EQ(startGame.Seen(), (std::vector<bool>{true, true})) << "the game ends under it";

    StartGame();
    const CellPosition last = ShipCells().back();
    MarkShipsExcept({last});
    NestedLoopDriver win;
    win.ExpectMenu(MenuChoice::Click(3000 + HiddenLayout().At(last.row, last.column)));
    win.ExpectCongratulations();
    ClickWith(win, Cell(last.row, last.column));
    EXPECT_EQ(win.WaitCursorWhileOpen(), (std::vector<bool>{false, false}));
    EXPECT_EQ(startGame.Seen().back(), false) << "the win check ends the game without it";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The whole game by keyboard alone: Enter on Start Game, a row label's mnemonic and the arrows to reach a cell,
// Space to open its menu, the menu's own keys to mark it, Alt+C for a clue.
TEST_F(GameTest, PlaysToAWinWithTheKeyboardAlone)
{
    ASSERT_TRUE(StartGameHasTheFocus());
    Press(Qt::Key_Return);
    ASSERT_TRUE(InProgress());

    // A mnemonic clicks its button at once, as a desktop dialog does.
    Press(Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(Text(IDC_CURRENT_SCORE), "1");

    const std::vector<CellPosition> ships = ShipCells();
    for (const CellPosition& ship : ships) {
        if (ship == FirstClue)
            continue;
        const Qt::Key rowMnemonic = ship.row == 9 ? Qt::Key_0 : Qt::Key(Qt::Key_1 + ship.row);
        Press(rowMnemonic, Qt::AltModifier);
        // The arrows pass over the clue cell, which cannot take the focus.
        for (int presses = 0; presses < BoardSize && !Cell(ship.row, ship.column)->hasFocus(); ++presses)
            Press(Qt::Key_Right);
        ASSERT_TRUE(Cell(ship.row, ship.column)->hasFocus()) << ship.row << "," << ship.column;

        NestedLoopDriver driver;
        driver.ExpectMenu(MenuChoice::Arrows(3000 + HiddenLayout().At(ship.row, ship.column)));
        if (ship == ships.back())
            driver.ExpectCongratulations();
        Drive(driver, [this] { Press(Qt::Key_Space); });
    }

    EXPECT_EQ(Totals(), TotalsShownFor(1, 1));
    EXPECT_TRUE(StartGameHasTheFocus());
}

} // namespace
