// Where the keyboard focus goes in the game window: disabling a control, Tab, and the arrow keys in the grid.
#include "GameWindowFixture.h"

namespace {

using GameWindowFocus = GameWindowFixture;

// Disabling the control that holds the focus moves the focus off it first; disabling another control or
// enabling one never moves the focus. Each case is a step of play on seed 0's game.
TEST_F(GameWindowFocus, EnableControlMovesTheFocusOnlyOffAControlBeingDisabled)
{
    const auto pressSpace = [this] { Press(Qt::Key_Space); };
    // Water chosen from the menu of a cell that the click or the key opens.
    const auto waterThrough = [this](std::function<void()> open) {
        return [this, open] {
            NestedLoopDriver driver;
            driver.ExpectMenu(MenuChoice::Click(int(IDC_FIRST_PIECE_COMMAND) + WATER));
            Drive(driver, open);
        };
    };
    const struct {
        const char* name;
        int marksBefore; // water marks made before the focus is placed, each an undo step
        int focused;     // control identifier
        std::function<void()> step;
        int changed;
        bool enable;
        bool focusMoves;
    } cases[] = {
        {"focused button disabled", 1, IDC_UNDO, pressSpace, IDC_UNDO, false, true},
        {"button enabled", 0, 2055, waterThrough(pressSpace), IDC_UNDO, true, false},
        {"button enabled while another control has the focus", 0, IDC_SCORE,
         waterThrough([this] { Cell(5, 5)->click(); }), IDC_UNDO, true, false},
        {"focused button enabled again", 2, IDC_UNDO, pressSpace, IDC_UNDO, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        random.Seed(0);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        StartGame();
        for (int mark = 0; mark < c.marksBefore; ++mark)
            Mark(3, 3 + mark, WATER);
        ASSERT_NO_FATAL_FAILURE(Focus(Item(c.focused)));

        c.step();

        EXPECT_EQ(Item(c.changed)->isEnabled(), c.enable);
        EXPECT_EQ(Item(c.focused)->hasFocus(), !c.focusMoves);
        EXPECT_TRUE(dialog->isActiveWindow()) << "the focus stays in the window";
    }
}

// A clue fixed on the focused cell keeps the focus: it is read-only, not disabled.
TEST_F(GameWindowFocus, ClueOnTheFocusedCellKeepsTheFocus)
{
    StartGame();
    ClueOn({7, 6});
    EXPECT_TRUE(Cell(7, 6)->hasFocus());
    EXPECT_TRUE(Cell(7, 6)->IsReadOnly());
}

// No cell takes the focus before the first game; Start Game enables every cell; the end of the game leaves
// every cell reachable but read-only.
TEST_F(GameWindowFocus, CellsAreReachedFromTheFirstGameOn)
{
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        ASSERT_FALSE(Item(id)->isEnabled()) << id;
    for (bool playing : {true, false}) {
        if (playing)
            StartGame();
        else
            GiveUp(QMessageBox::Yes);
        for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
            ASSERT_TRUE(Item(id)->isEnabled()) << id;
            ASSERT_EQ(Cell((id - IDC_FIRST_CELL) / BoardSize, (id - IDC_FIRST_CELL) % BoardSize)->IsReadOnly(), !playing)
                << id;
        }
    }
}

// Tab walks the enabled tab-stop controls in template order and round again; Shift+Tab walks back.
TEST_F(GameWindowFocus, TabFollowsTemplateOrder)
{
    auto walk = [this](Qt::KeyboardModifiers modifiers, int steps) {
        std::vector<int> ids;
        for (int i = 0; i < steps; ++i) {
            Press(Qt::Key_Tab, modifiers);
            ids.push_back(QApplication::focusWidget() ? dialog->GetDlgCtrlID(QApplication::focusWidget()) : 0);
        }
        return ids;
    };
    // Before the first game: only the usable buttons.
    EXPECT_EQ(walk(Qt::NoModifier, 5), (std::vector<int>{IDC_SCORE, IDC_HELP, IDC_ABOUT, IDC_EXIT, IDC_START_GAME}));
    EXPECT_EQ(walk(Qt::ShiftModifier, 2), (std::vector<int>{IDC_EXIT, IDC_ABOUT}));

    // During a game the cells come first, row by row, then the first ship box, then the usable buttons.
    StartGame();
    ASSERT_TRUE(Item(6001)->isEnabled());
    Focus(Cell(0, 8));
    EXPECT_EQ(walk(Qt::NoModifier, 3), (std::vector<int>{2009, 2010, 2011}));
    Focus(Cell(9, 9));
    EXPECT_EQ(walk(Qt::NoModifier, 2), (std::vector<int>{6000, IDC_GIVE_UP})) << "6001 is no tab stop";
    Focus(Item(IDC_EXIT));
    EXPECT_EQ(walk(Qt::NoModifier, 2), (std::vector<int>{2000, 2001}));
    EXPECT_EQ(walk(Qt::ShiftModifier, 2), (std::vector<int>{2000, IDC_EXIT}));
}

// The arrow keys move the focus from cell to cell: left and right within the row, up and down within the
// column, onto clues' cells as onto any other, never off the grid's edge. Seed 0's first 19 clues fix every
// ship cell but (5, 3).
TEST_F(GameWindowFocus, ArrowsWalkTheGrid)
{
    const struct {
        int row, column;
        Qt::Key key;
        std::vector<int> clues; // cell identifiers
        int row2, column2;         // where the focus ends
    } cases[] = {
        {4, 5, Qt::Key_Right, {}, 4, 6},
        {4, 5, Qt::Key_Left, {}, 4, 4},
        {4, 5, Qt::Key_Up, {}, 3, 5},
        {4, 5, Qt::Key_Down, {}, 5, 5},
        {5, 9, Qt::Key_Right, {}, 5, 9},
        {0, 3, Qt::Key_Up, {}, 0, 3},
        {9, 0, Qt::Key_Down, {}, 9, 0},
        {4, 0, Qt::Key_Left, {}, 4, 0},
        {0, 5, Qt::Key_Right, {2006, 2007}, 0, 6},
        {4, 0, Qt::Key_Down, {2050, 2060, 2070}, 5, 0},
        {1, 0, Qt::Key_Up, {2000}, 0, 0},
        {3, 2, Qt::Key_Left, {2031, 2030}, 3, 1},
        {0, 6, Qt::Key_Right, {2006, 2007}, 0, 7},
    };
    StartGame();
    CluesOnAllButOneShipCell();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " column " << c.column << " key " << c.key);
        for (int id : c.clues)
            ASSERT_TRUE(Cell((id - IDC_FIRST_CELL) / BoardSize, (id - IDC_FIRST_CELL) % BoardSize)->IsReadOnly()) << id;
        ASSERT_NO_FATAL_FAILURE(Focus(Cell(c.row, c.column)));
        const PieceKind before = dialog->GetMark(Cell(c.row, c.column));
        Press(c.key);
        EXPECT_EQ(QApplication::focusWidget(), Cell(c.row2, c.column2));
        EXPECT_EQ(dialog->GetMark(Cell(c.row, c.column)), before) << "an arrow marks nothing";
    }
}

// Outside the grid an arrow moves among the usable buttons of the bottom row.
TEST_F(GameWindowFocus, ArrowsWalkTheButtonRow)
{
    Press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), Item(IDC_SCORE));
    Press(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), Item(IDC_START_GAME));
}

} // namespace
