// Undo: snapshots of the cells, the history that piece commands, clues, wins and give-ups leave, restoring.
#include "GameWindowFixture.h"

#include "Pictures.h"

namespace {

using UndoTest = GameWindowFixture;

TEST_F(UndoTest, SnapshotIsTheCellTextsInCellOrder)
{
    StartGame();
    Mark(0, 0, NORTH);
    Mark(9, 9, WATER);
    Mark(4, 2, SQUARE);
    EXPECT_EQ(Internals().TakeSnapshot().Text(), "0" + std::string(41, '7') + "5" + std::string(56, '7') + "6");
}

TEST_F(UndoTest, ThreeUndosTakeBackThreeCommandsInTurn)
{
    StartGame();
    std::vector<std::string> seen{MarksPicture()};
    Mark(1, 1, NORTH);
    seen.push_back(MarksPicture());
    Mark(1, 2, MenuChoice::Keys({Qt::Key_R}));
    seen.push_back(MarksPicture());
    Mark(1, 1, ROUND);
    EXPECT_EQ(dialog->History().Size(), 3);

    for (int undone = 1; undone <= 3; ++undone) {
        ASSERT_TRUE(Item(IDC_UNDO)->isEnabled());
        Undo();
        EXPECT_EQ(MarksPicture(), seen[3 - undone]) << "after undo " << undone;
    }
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
    EXPECT_TRUE(InProgress()) << "Undo never ends a game";
}

// Commands that change no mark add no step and leave the Undo button as it was. Row 3 and column G are
// all water, cell (7, 3) shows a right end.
struct NoChangeCase {
    const char* name;
    CellPosition cell;
    NestedLoopDriver::MenuAction command;
};

class NoChangeTest : public GameWindowFixture, public ::testing::WithParamInterface<NoChangeCase> {};

TEST_P(NoChangeTest, AddsNoUndoStep)
{
    StartGame();
    Mark(2, 2, MenuChoice::Keys({Qt::Key_R}));
    Mark(6, 6, MenuChoice::Keys({Qt::Key_C}));
    Mark(7, 3, EAST);
    const int entries = dialog->History().Size();
    const std::string marks = MarksPicture();

    Mark(GetParam().cell.row, GetParam().cell.column, GetParam().command);

    EXPECT_EQ(dialog->History().Size(), entries);
    EXPECT_EQ(MarksPicture(), marks);
    EXPECT_TRUE(Item(IDC_UNDO)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(UndoTest, NoChangeTest,
                         ::testing::Values(NoChangeCase{"SamePiece", {7, 3}, MenuChoice::Click(3000 + EAST)},
                                           NoChangeCase{"SameWater", {2, 4}, MenuChoice::Click(3000 + WATER)},
                                           NoChangeCase{"SameUnknown", {5, 5}, MenuChoice::Click(3000 + UNKNOWN)},
                                           NoChangeCase{"FillOfAFullRow", {2, 4}, MenuChoice::Keys({Qt::Key_R})},
                                           NoChangeCase{"FillOfAFullColumn", {4, 6}, MenuChoice::Keys({Qt::Key_C})}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UndoTest, OneUndoTakesBackAWholeFill)
{
    StartGame();
    Mark(5, 5, NORTH);
    const std::string before = MarksPicture();
    Mark(0, 5, MenuChoice::Keys({Qt::Key_C}));
    EXPECT_EQ(dialog->History().Size(), 2);

    Undo();
    EXPECT_EQ(MarksPicture(), before);
}

TEST_F(UndoTest, MarkingACellAndMarkingItBackGivesTwoSteps)
{
    StartGame();
    Mark(8, 1, WATER);
    Mark(8, 1, UNKNOWN);
    ASSERT_EQ(dialog->History().Size(), 2);

    Undo();
    EXPECT_EQ(dialog->GetMark(Cell(8, 1)), WATER);
    Undo();
    EXPECT_EQ(dialog->GetMark(Cell(8, 1)), UNKNOWN);
}

// A clue empties the history, so no Undo reaches back past it, and the clue cell stays as the clue set it.
TEST_F(UndoTest, NoUndoReachesBackPastAClue)
{
    StartGame();
    Mark(0, 0, SQUARE);
    Mark(7, 5, WATER);
    Clue();
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
    EXPECT_TRUE(dialog->History().Empty());

    Mark(7, 7, WATER);
    Undo();
    EXPECT_EQ(dialog->GetMark(Cell(0, 0)), SQUARE);
    EXPECT_EQ(dialog->GetMark(Cell(7, 5)), WATER);
    EXPECT_EQ(dialog->GetMark(Cell(7, 7)), UNKNOWN);
    EXPECT_EQ(dialog->GetMark(Cell(7, 6)), ROUND);
    EXPECT_EQ(Cell(7, 6)->CurrentPicture(), LoadBitmap("IDB_RED_ROUND_X"));
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
}

// Restoring writes only the cells the player may still change: a clue cell keeps its piece and its picture.
TEST_F(UndoTest, RestoreLeavesClueCellsAlone)
{
    StartGame();
    Clue();
    Mark(0, 0, NORTH);

    Internals().RestoreSnapshot(BoardSnapshot(std::string(CellCount, '6')));

    std::string expected(CellCount, '6');
    expected[7 * BoardSize + 6] = '4';
    EXPECT_EQ(Internals().TakeSnapshot().Text(), expected);
    EXPECT_TRUE(Cell(7, 6)->IsReadOnly());
    EXPECT_EQ(Cell(7, 6)->CurrentPicture(), LoadBitmap("IDB_RED_ROUND_X"));
    EXPECT_EQ(Cell(5, 5)->CurrentPicture(), LoadBitmap("IDB_WATER_U"));
}

TEST_F(UndoTest, WinAndGiveUpLeaveAnEmptyHistory)
{
    StartGame();
    Mark(0, 1, WATER);
    GiveUp(QMessageBox::Yes);
    EXPECT_TRUE(dialog->History().Empty());
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());

    StartGame();
    Mark(0, 1, WATER);
    const CellPosition last = ShipCells().back();
    MarkShipsExcept({last});
    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);
    EXPECT_TRUE(dialog->History().Empty());
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
}

// Taking back every step of a game that came within one cell of a win never brings a win about.
TEST_F(UndoTest, UndoNeverWins)
{
    StartGame();
    Mark(0, 1, NORTH);
    MarkShipsExcept({});
    ASSERT_TRUE(InProgress()) << "the stray north end keeps the board unsolved";
    const int steps = dialog->History().Size();

    for (int undone = 0; undone < steps; ++undone)
        Undo();

    EXPECT_EQ(MarksPicture(), PictureOf(ArrayMarkGrid()));
    EXPECT_TRUE(InProgress());
    EXPECT_EQ(dialog->TotalGamesValue(), 0);
}

// Undo disabled by its own last use hands the keyboard focus back to the dialog first.
TEST_F(UndoTest, LastUndoByKeyboardMovesTheFocusOff)
{
    StartGame();
    Mark(3, 3, WATER);
    Focus(Item(IDC_UNDO));

    Press(Qt::Key_Space);

    EXPECT_EQ(dialog->GetMark(Cell(3, 3)), UNKNOWN);
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
    EXPECT_FALSE(Item(IDC_UNDO)->hasFocus());
    EXPECT_TRUE(dialog->isActiveWindow());
}

} // namespace
