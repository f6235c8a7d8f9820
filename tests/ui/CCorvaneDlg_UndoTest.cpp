// Undo: snapshots of the cells, the history that piece commands, clues, wins and give-ups leave, restoring.
#include "GameWindowFixture.h"

#include "PixelProbe.h"
#include "Pictures.h"

namespace {

using UndoTest = GameWindowFixture;

// What Undo brings back is every cell's text, in cell order, as it stood before the step.
TEST_F(UndoTest, SnapshotIsTheCellTextsInCellOrder)
{
    StartGame();
    Mark(0, 0, NORTH);
    Mark(9, 9, WATER);
    Mark(4, 2, SQUARE);
    const auto cellTexts = [this] {
        std::string texts;
        for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
            texts += dialog->CellById(id)->text().toStdString();
        return texts;
    };
    const std::string expected = "0" + std::string(41, '7') + "5" + std::string(56, '7') + "6";
    ASSERT_EQ(cellTexts(), expected);

    Mark(9, 0, MenuChoice::Keys({Qt::Key_R}));
    Mark(0, 4, MenuChoice::Keys({Qt::Key_C}));
    Undo();
    Undo();

    EXPECT_EQ(cellTexts(), expected);
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
    const std::string marks = MarksPicture();

    Mark(GetParam().cell.row, GetParam().cell.column, GetParam().command);

    EXPECT_EQ(MarksPicture(), marks);
    EXPECT_TRUE(Item(IDC_UNDO)->isEnabled());
    EXPECT_EQ(UndoDepth(), 3) << "the three steps before, and no more";
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

    Undo();
    EXPECT_EQ(MarksPicture(), before);
    EXPECT_EQ(UndoDepth(), 1) << "the fill was one step";
}

TEST_F(UndoTest, MarkingACellAndMarkingItBackGivesTwoSteps)
{
    StartGame();
    Mark(8, 1, WATER);
    Mark(8, 1, UNKNOWN);

    Undo();
    EXPECT_EQ(dialog->GetMark(Cell(8, 1)), WATER);
    Undo();
    EXPECT_EQ(dialog->GetMark(Cell(8, 1)), UNKNOWN);
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled()) << "two steps exactly";
}

// A clue empties the history, so no Undo reaches back past it, and the clue cell stays as the clue set it.
TEST_F(UndoTest, NoUndoReachesBackPastAClue)
{
    StartGame();
    Mark(0, 0, SQUARE);
    Mark(7, 5, WATER);
    Clue();
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());

    Mark(7, 7, WATER);
    Undo();
    EXPECT_EQ(dialog->GetMark(Cell(0, 0)), SQUARE);
    EXPECT_EQ(dialog->GetMark(Cell(7, 5)), WATER);
    EXPECT_EQ(dialog->GetMark(Cell(7, 7)), UNKNOWN);
    EXPECT_EQ(dialog->GetMark(Cell(7, 6)), ROUND);
    EXPECT_TRUE(Shows(Cell(7, 6), LoadBitmap("IDB_RED_ROUND_X")));
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
}

// Restoring writes only the cells the player may still change: a clue cell keeps its piece and its picture,
// though the step taken back changed every cell around it.
TEST_F(UndoTest, RestoreLeavesClueCellsAlone)
{
    StartGame();
    Clue();
    Mark(5, 5, MenuChoice::Keys({Qt::Key_R}));
    Mark(0, 6, MenuChoice::Keys({Qt::Key_C}));
    Mark(7, 5, NORTH);

    Undo();
    Undo();

    std::string expected(CellCount, '7');
    expected.replace(5 * BoardSize, BoardSize, BoardSize, '6');
    expected[7 * BoardSize + 6] = '4';
    EXPECT_EQ(BoardSnapshot::Take(Marks()).Text(), expected);
    EXPECT_TRUE(Cell(7, 6)->IsReadOnly());
    EXPECT_TRUE(Shows(Cell(7, 6), LoadBitmap("IDB_RED_ROUND_X")));
    EXPECT_TRUE(Shows(Cell(5, 5), LoadBitmap("IDB_WATER_U")));
}

TEST_F(UndoTest, WinAndGiveUpLeaveAnEmptyHistory)
{
    StartGame();
    Mark(0, 1, WATER);
    GiveUp(QMessageBox::Yes);
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());

    StartGame();
    Mark(0, 1, WATER);
    const CellPosition last = ShipCells().back();
    MarkShipsExcept({last});
    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);
    EXPECT_FALSE(Item(IDC_UNDO)->isEnabled());
}

// Taking back every step of a game that came within one cell of a win never brings a win about.
TEST_F(UndoTest, UndoNeverWins)
{
    StartGame();
    Mark(0, 1, NORTH);
    MarkShipsExcept({});
    ASSERT_TRUE(InProgress()) << "the stray north end keeps the board unsolved";

    EXPECT_EQ(UndoDepth(), 21);

    EXPECT_EQ(MarksPicture(), PictureOf(ArrayMarkGrid()));
    EXPECT_TRUE(InProgress());
    EXPECT_EQ(Totals(), TotalsShownFor(0, 0));
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
