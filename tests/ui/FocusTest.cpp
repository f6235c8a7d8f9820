// Where the keyboard focus goes in the game window: disabling a control, Tab, and the arrow keys in the grid.
#include "MainWindowFixture.h"

namespace {

using GameWindowFocus = MainWindowFixture;

// Disabling the control that holds the focus moves the focus off it first; disabling another control or
// enabling one never moves the focus.
TEST_F(GameWindowFocus, EnableControlMovesTheFocusOnlyOffAControlBeingDisabled)
{
    const struct {
        const char* name;
        int focused; // control identifier
        int changed;
        bool enable;
        bool focusMoves;
    } cases[] = {
        {"focused button disabled", IDC_START_GAME, IDC_START_GAME, false, true},
        {"focused cell disabled", 2055, 2055, false, true},
        {"other cell disabled", IDC_START_GAME, 2055, false, false},
        {"cell enabled", IDC_SCORE, 2010, true, false},
        {"focused cell enabled again", 2055, 2055, true, false},
        {"button enabled", 2055, IDC_CLUE, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        Internals().EnableCells(true);
        ASSERT_NO_FATAL_FAILURE(Focus(Item(c.focused)));
        Internals().EnableControl(Item(c.changed), c.enable);
        EXPECT_EQ(Item(c.changed)->isEnabled(), c.enable);
        EXPECT_EQ(Item(c.focused)->hasFocus(), !c.focusMoves);
        EXPECT_TRUE(dialog->isActiveWindow()) << "the focus stays in the window";
    }
}

// A clue fixed on the focused cell keeps the focus: it is read-only, not disabled.
TEST_F(GameWindowFocus, ClueOnTheFocusedCellKeepsTheFocus)
{
    Internals().EnableCells(true);
    Focus(Cell(7, 2));
    Internals().SetCell(Cell(7, 2), SOUTH, true);
    EXPECT_TRUE(Cell(7, 2)->hasFocus());
    EXPECT_TRUE(Cell(7, 2)->IsReadOnly());
}

TEST_F(GameWindowFocus, EnableCellsSwitchesEveryCell)
{
    for (bool enable : {true, false}) {
        Internals().EnableCells(enable);
        for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
            ASSERT_EQ(Item(id)->isEnabled(), enable) << id;
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

    // During a game the cells come first, row by row, then the first ship box, then the buttons.
    Internals().EnableCells(true);
    Item(6000)->setEnabled(true);
    Item(6001)->setEnabled(true);
    Focus(Cell(0, 8));
    EXPECT_EQ(walk(Qt::NoModifier, 3), (std::vector<int>{2009, 2010, 2011}));
    Focus(Cell(9, 9));
    EXPECT_EQ(walk(Qt::NoModifier, 2), (std::vector<int>{6000, IDC_START_GAME})) << "6001 is no tab stop";
    Focus(Item(IDC_EXIT));
    EXPECT_EQ(walk(Qt::NoModifier, 2), (std::vector<int>{2000, 2001}));
    EXPECT_EQ(walk(Qt::ShiftModifier, 2), (std::vector<int>{2000, IDC_EXIT}));
}

// The arrow keys move the focus between the enabled cells: left and right within the row, up and down
// within the column, past disabled cells, never off the grid's edge.
TEST_F(GameWindowFocus, ArrowsWalkTheGrid)
{
    const struct {
        int row, column;
        Qt::Key key;
        std::vector<int> disabled; // cell identifiers
        int row2, column2;         // where the focus ends
    } cases[] = {
        {5, 5, Qt::Key_Right, {}, 5, 6},
        {5, 5, Qt::Key_Left, {}, 5, 4},
        {5, 5, Qt::Key_Up, {}, 4, 5},
        {5, 5, Qt::Key_Down, {}, 6, 5},
        {5, 9, Qt::Key_Right, {}, 5, 9},
        {0, 3, Qt::Key_Up, {}, 0, 3},
        {9, 0, Qt::Key_Down, {}, 9, 0},
        {4, 0, Qt::Key_Left, {}, 4, 0},
        {5, 5, Qt::Key_Right, {2056, 2057}, 5, 8},
        {5, 5, Qt::Key_Up, {2045, 2035}, 2, 5},
        {8, 2, Qt::Key_Down, {2092}, 8, 2},
        {3, 0, Qt::Key_Right, {2031, 2032, 2033, 2034, 2035, 2036, 2037, 2038, 2039}, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " column " << c.column << " key " << c.key);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        Internals().EnableCells(true);
        for (int id : c.disabled)
            Internals().EnableControl(Item(id), false);
        ASSERT_NO_FATAL_FAILURE(Focus(Cell(c.row, c.column)));
        Press(c.key);
        EXPECT_EQ(QApplication::focusWidget(), Cell(c.row2, c.column2));
        EXPECT_EQ(dialog->GetMark(Cell(c.row, c.column)), UNKNOWN) << "an arrow marks nothing";
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
