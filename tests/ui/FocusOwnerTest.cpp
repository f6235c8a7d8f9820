// After every action the keyboard focus stands on a usable control, and the focus mark shows from the start.
#include "GameWindowFixture.h"

#include "ClassicStyle.h"

#include <QStyleOptionButton>

namespace {

using FocusOwner = GameWindowFixture;

// The control that holds the focus: never the bare window, never a control that cannot be used.
void ExpectFocusOn(const CCorvaneDlg& dialog, const QWidget* expected)
{
    const QWidget* owner = dialog.focusWidget();
    ASSERT_NE(owner, nullptr);
    EXPECT_NE(owner, &dialog) << "the window itself holds the focus";
    EXPECT_TRUE(owner->isEnabled());
    EXPECT_EQ(dialog.GetDlgCtrlID(owner), dialog.GetDlgCtrlID(expected));
}

TEST_F(FocusOwner, StartGameByKeyboardOrMouseLeavesTheFocusOnTheFirstCell)
{
    ExpectFocusOn(*dialog, Item(IDC_START_GAME));
    Press(Qt::Key_S, Qt::AltModifier);
    // A mnemonic clicks its button after a short press of its own.
    ASSERT_TRUE(QTest::qWaitFor([this] { return InProgress(); }, 2000));
    ExpectFocusOn(*dialog, Cell(0, 0));

    GiveUp(QMessageBox::Yes);
    ExpectFocusOn(*dialog, Item(IDC_START_GAME));
    StartGame();
    ExpectFocusOn(*dialog, Cell(0, 0));
}

// Undo disabled by its own last use passes the focus on as Tab would: to Score, the next usable button.
TEST_F(FocusOwner, LastUndoPassesTheFocusToTheNextButton)
{
    StartGame();
    Mark(3, 3, WATER);
    Focus(Item(IDC_UNDO));
    Press(Qt::Key_Space);
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
    ExpectFocusOn(*dialog, Item(IDC_SCORE));
}

// A clue fixed on the focused cell leaves the focus there, beside other clue cells too: the cell can still
// be read, though no longer changed. The seeds are those whose clues fall so: seed 0's first on (7, 6);
// seed 3788's first on (6, 0), its second on (5, 9); seed 77's first on (9, 9).
TEST_F(FocusOwner, ClueOnTheFocusedCellKeepsTheFocus)
{
    const struct {
        std::uint32_t seed;
        CellPosition focused;
    } cases[] = {
        {0, {7, 6}},
        {3788, {5, 9}},
        {77, {9, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.focused.row << "," << c.focused.column);
        random.Seed(c.seed);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        StartGame();
        ASSERT_NO_FATAL_FAILURE(ClueOn(c.focused));
        ExpectFocusOn(*dialog, Cell(c.focused.row, c.focused.column));
    }
}

// The rule for focus marks and mnemonics: both always show, whatever moved the focus.
// Once a prompt or the About dialog closes, the window is active again and the control that had the focus
// has it: nothing else hands the keyboard back where no window manager does.
TEST_F(FocusOwner, ComesBackToItsControlWhenAPromptOrADialogCloses)
{
    StartGame();
    Focus(Cell(4, 6));
    {
        NestedLoopDriver driver;
        driver.ExpectPrompt(QMessageBox::No);
        Button(IDC_GIVE_UP)->click();
        EXPECT_TRUE(driver.AllSeen());
    }
    // The activation reaches the window as the platform's event, a moment later.
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get(), 2000));
    ExpectFocusOn(*dialog, Cell(4, 6));

    Focus(Item(IDC_FIRST_SHIP_CHECK + 3));
    {
        NestedLoopDriver driver;
        driver.AllowCongratulations(); // closes the About dialog as it would the Congratulations dialog
        Button(IDC_ABOUT)->click();
        EXPECT_EQ(driver.Congratulated(), 1);
    }
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get(), 2000));
    ExpectFocusOn(*dialog, Item(IDC_FIRST_SHIP_CHECK + 3));
}

TEST_F(FocusOwner, FocusMarkAndMnemonicsShowWithoutAnyKeyPressed)
{
    ASSERT_TRUE(qobject_cast<const ClassicStyle*>(dialog->style()));
    EXPECT_TRUE(dialog->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, dialog.get()));
    auto* start = Item(IDC_START_GAME);
    ASSERT_TRUE(start->hasFocus());
    ASSERT_FALSE(dialog->testAttribute(Qt::WA_KeyboardFocusChange)) << "no key has moved the focus yet";
    const QImage focused = start->grab().toImage();
    Focus(Item(IDC_SCORE));
    const QImage unfocused = start->grab().toImage();
    EXPECT_NE(focused, unfocused) << "Start Game draws its focus mark at start-up";
    // The mark is a dotted frame inside the button: dark pixels inside the face that the unfocused button lacks.
    int marked = 0;
    for (int y = 3; y < focused.height() - 3; ++y)
        for (int x = 3; x < focused.width() - 3; ++x)
            marked += focused.pixel(x, y) != unfocused.pixel(x, y) && qGray(focused.pixel(x, y)) < 64;
    EXPECT_GT(marked, 20);
}

} // namespace
