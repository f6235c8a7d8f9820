// What a screen reader hears of the game as it changes: a cell's counts with its name, what each step did,
// the clue with its piece and score, the status line's news, and the end of a game with Start Game.
#include "GameWindowFixture.h"

#include "Announcer.h"
#include "CScoreDlg.h"
#include "PieceLabels.h"
#include "StatsTestSupport.h"

#include <QAccessible>

namespace {

// While it lives, how often the program itself gives a control the keyboard focus (not the window system
// on its return from a menu or another window): a screen reader reads a control that takes the focus.
class FocusTaken : public QObject {
public:
    explicit FocusTaken(QWidget* control) : control(control) { control->installEventFilter(this); }
    ~FocusTaken() override { control->removeEventFilter(this); }
    int Count() const { return count; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() == Qt::OtherFocusReason)
            ++count;
        return false;
    }

private:
    QWidget* control;
    int count = 0;
};

class GameAnnouncements : public GameWindowFixture {
protected:
    // The window's last utterance once the turn that made it has ended, as the event loop ends it between a
    // player's steps; empty when the window never spoke.
    std::string Spoken() const
    {
        QCoreApplication::processEvents();
        const Announcer* announcer = dialog->findChild<Announcer*>();
        return announcer ? announcer->LastSpoken().toStdString() : std::string();
    }

    std::string StartGameDescription() const { return Item(IDC_START_GAME)->accessibleDescription().toStdString(); }
};

// What a screen reader reads after a cell's name.
std::string DescriptionOf(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Description).toStdString() : std::string("<no interface>");
}

// Seed 0 deals counts of 3 for row 1 and 5 for column A, 3 for row 4 and 1 for column D.
TEST_F(GameAnnouncements, ACellIsDescribedByTheCountsOfItsRowAndColumn)
{
    EXPECT_EQ(DescriptionOf(Cell(0, 0)), "") << "no counts before the first game";
    StartGame();
    EXPECT_EQ(DescriptionOf(Cell(0, 0)), "Row count 3, column count 5");
    EXPECT_EQ(DescriptionOf(Cell(3, 3)), "Row count 3, column count 1");
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            EXPECT_EQ(DescriptionOf(Cell(row, column)),
                      QStringLiteral("Row count %1, column count %2")
                          .arg(Text(IDC_FIRST_ROW_COUNT + row), Text(IDC_FIRST_COLUMN_COUNT + column))
                          .toStdString());
    EXPECT_EQ(Spoken(), "") << "Start Game leaves the speaking to the focus on the first cell";
}

// A cell is a push button named by its place and piece alone (its text is the mark's code), pressed by its
// press action as by a click.
TEST_F(GameAnnouncements, ACellIsAPushButtonNamedByPlaceAndPiece)
{
    StartGame();
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(Cell(4, 4));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Button);
    EXPECT_EQ(cell->text(QAccessible::Name), "Row 5, Column E: Unknown");
    EXPECT_TRUE(cell->state().focusable);
    ASSERT_NE(cell->actionInterface(), nullptr);
    NestedLoopDriver pressed;
    pressed.ExpectMenu(MenuChoice::Click(3000 + WATER));
    Drive(pressed, [&] {
        cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_TRUE(QTest::qWaitFor([&] { return pressed.AllSeen(); }, 2000));
    });
    EXPECT_EQ(dialog->GetMark(Cell(4, 4)), WATER);
}

// The piece is chosen in the menu, where a screen reader follows the highlight; the cell then tells it the
// focus is back on the cell, which it reads with its new piece, and nothing else is said of it.
TEST_F(GameAnnouncements, AMarkIsHeardWithTheCellTheMenuClosesOn)
{
    StartGame();
    QString before = PieceLabel(UNKNOWN);
    for (PieceKind kind : {WATER, NORTH, NORTH, UNKNOWN}) {
        SCOPED_TRACE(PieceName(kind));
        const FocusTaken focus(Cell(2, 3));
        Mark(2, 3, kind);
        EXPECT_EQ(Spoken(), ("Piece menu on Row 3, Column D: " + before + ".").toStdString()) << "nothing more said";
        EXPECT_EQ(focus.Count(), 1);
        EXPECT_EQ(Cell(2, 3)->Name(), "Row 3, Column D: " + PieceLabel(kind));
        before = PieceLabel(kind);
    }
}

// A fill says its line and how many cells it turned to water, which a glance at the board would show.
TEST_F(GameAnnouncements, AFillSaysItsLineAndHowManyCellsItFilled)
{
    const struct {
        const char* name;
        std::vector<std::pair<CellPosition, PieceKind>> marks;
        int command;
        CellPosition cell;
        const char* heard;
    } steps[] = {
        {"WholeRow", {}, IDC_FILL_ROW, {3, 4}, "Row 4: 10 cells filled with water."},
        {"RowPastMarks", {{{5, 0}, NORTH}, {{5, 2}, WEST}}, IDC_FILL_ROW, {5, 5}, "Row 6: 8 cells filled with water."},
        {"ColumnPastFilledRows", {}, IDC_FILL_COLUMN, {0, 9}, "Column J: 8 cells filled with water."},
        {"NothingLeft", {}, IDC_FILL_COLUMN, {9, 9}, "Column J: no unknown cell to fill."},
    };
    StartGame();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        for (const auto& [cell, kind] : step.marks)
            Mark(cell.row, cell.column, kind);
        Mark(step.cell.row, step.cell.column, MenuChoice::Click(step.command));
        EXPECT_EQ(Spoken(), step.heard);
    }
}

TEST_F(GameAnnouncements, UndoSaysWhatItBroughtBack)
{
    StartGame();
    Mark(2, 3, NORTH);
    Mark(2, 3, WATER);
    Undo();
    EXPECT_EQ(Spoken(), "Undone: Row 3, Column D: Top.");
    Undo();
    EXPECT_EQ(Spoken(), "Undone: Row 3, Column D: Unknown.");
    Mark(4, 6, MenuChoice::Click(IDC_FILL_COLUMN));
    EXPECT_EQ(Spoken(), "Column G: 10 cells filled with water.");
    Undo();
    EXPECT_EQ(Spoken(), "Undone: 10 cells of Column G back to Unknown.");
}

// The status line's message, the piece it names and the point it cost: what a sighted player sees at once.
TEST_F(GameAnnouncements, AClueSaysWhereItIsWhatItShowsAndTheNewScore)
{
    StartGame();
    Clue();
    EXPECT_EQ(Spoken(), "Clue is on Row 8, Column G. It shows Submarine. Current Score: 1.");
    Clue();
    const QString status = Text(IDC_STATUS);
    ASSERT_NE(status, "Clue is on Row 8, Column G");
    const int row = status.section(' ', 4, 4).chopped(1).toInt() - 1;
    const int column = status.back().unicode() - 'A';
    EXPECT_EQ(Spoken(), (status + ". It shows " + PieceLabel(HiddenLayout().At(row, column)) + ". Current Score: 2.")
                            .toStdString());
}

// Whatever the status line comes to show is heard, however the window sets it; the other labels are read as
// a player comes to them, and a status line that empties says nothing.
TEST_F(GameAnnouncements, TheStatusLineIsHeardWhateverItShows)
{
    dialog->SetDlgItemText(IDC_STATUS, "Any news at all");
    EXPECT_EQ(Spoken(), "Any news at all.");
    dialog->SetDlgItemText(IDC_GAME_NUMBER, "5");
    dialog->SetDlgItemInt(IDC_CURRENT_SCORE, 7);
    dialog->SetWindowText(Item(IDC_STATUS), QString());
    EXPECT_EQ(Spoken(), "Any news at all.");
    dialog->SetWindowText(Item(IDC_STATUS), "More news");
    EXPECT_EQ(Spoken(), "More news.");
}

// The menu opens on the cell with nothing highlighted, so the player is told that it is open and on what.
// Left without a choice, it hands back the cell once: named again where the screen reader stayed on the
// cell, said to take the focus back where the reader followed the highlight into the menu.
TEST_F(GameAnnouncements, ThePieceMenuSaysItIsOpenAndLeavingItSaysTheCellOnce)
{
    StartGame();
    Mark(6, 2, SOUTH);
    QCoreApplication::processEvents();
    std::string heardOpen;
    {
        const FocusTaken focus(Cell(6, 2));
        Mark(6, 2, [&](CPieceMenu& menu) {
            heardOpen = Spoken();
            QTest::keyClick(&menu, Qt::Key_Escape);
        });
        EXPECT_EQ(heardOpen, "Piece menu on Row 7, Column C: Bottom.");
        EXPECT_EQ(Spoken(), "Row 7, Column C: Bottom.");
        EXPECT_EQ(focus.Count(), 0);
    }
    {
        const FocusTaken focus(Cell(6, 2));
        Mark(6, 2, MenuChoice::Keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Escape}));
        EXPECT_EQ(Spoken(), "Piece menu on Row 7, Column C: Bottom.") << "the cell is not named twice";
        EXPECT_EQ(focus.Count(), 1);
    }
}

// The results of a won game are said once, as the window comes back to Start Game: what the game cost and
// the totals the top line now shows.
TEST_F(GameAnnouncements, AWinSaysItsScoreAndTheNewTotals)
{
    StartGame();
    Clue();
    Clue();
    const CellPosition last = ShipCells().back();
    MarkShipsExcept({last});
    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);
    EXPECT_TRUE(StartGameHasTheFocus());
    EXPECT_EQ(Spoken(), "Solved with 2 clue points. Total games 1, average score 2.00.");

    StartGame();
    const CellPosition next = ShipCells().back();
    MarkShipsExcept({next});
    Mark(next.row, next.column, HiddenLayout().At(next.row, next.column), /*wins=*/true);
    EXPECT_EQ(Spoken(), "Solved without a clue. Total games 2, average score 1.00.");
}

TEST_F(GameAnnouncements, ClearingTheScoreSaysSo)
{
    WhenModal<CScoreDlg>([](CScoreDlg* score) {
        WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }, score);
        score->Item<QAbstractButton>(IDC_CLEAR_SCORE)->click();
    });
    Button(IDC_SCORE)->click();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(Spoken(), "Score cleared.");
}

// Undo's key says that there is nothing to take back, where the disabled button alone would say nothing.
TEST_F(GameAnnouncements, UndoWithNothingLeftSaysSo)
{
    StartGame();
    Press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(Spoken(), "Nothing to undo.");
    Mark(2, 3, WATER);
    Press(Qt::Key_U, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Spoken() == "Undone: Row 3, Column D: Unknown."; }, 2000));
    Press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(Spoken(), "Nothing to undo.");
}

// Said with Start Game as the focus lands there, rather than among the changes of a hundred cells, which a
// screen reader drops; until the next game, whenever the focus comes back to it.
TEST_F(GameAnnouncements, GivingUpTellsStartGameThatTheFleetIsShown)
{
    StartGame();
    GiveUp(QMessageBox::No);
    EXPECT_EQ(StartGameDescription(), "");
    GiveUp(QMessageBox::Yes);
    EXPECT_TRUE(StartGameHasTheFocus());
    EXPECT_EQ(StartGameDescription(), "The fleet is shown");
    StartGame();
    EXPECT_EQ(StartGameDescription(), "");

    const CellPosition last = ShipCells().back();
    MarkShipsExcept({last});
    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);
    EXPECT_EQ(StartGameDescription(), "") << "a won game says Congratulations instead";
}

// A game that ends hands the keyboard straight to Start Game: no other cell than the one played takes the
// focus on the way. A focus that walked across the cells would be read by a screen reader cell by cell, for
// many seconds.
TEST_F(GameAnnouncements, AGameThatEndsWalksTheFocusAcrossNoCell)
{
    // Every cell that takes the focus, in turn.
    class FocusedCells : public QObject {
    public:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::FocusIn)
                seen.push_back(static_cast<QWidget*>(watched));
            return false;
        }
        std::vector<const QWidget*> seen;
    };
    FocusedCells focus;
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        Item(id)->installEventFilter(&focus);

    StartGame();
    const CellPosition last = ShipCells().front();
    MarkShipsExcept({last});
    focus.seen.clear();
    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);
    const QWidget* played = Cell(last.row, last.column);
    EXPECT_EQ(std::count(focus.seen.begin(), focus.seen.end(), played), int(focus.seen.size()))
        << "winning with a click on the first cell";
    EXPECT_TRUE(StartGameHasTheFocus());

    StartGame();
    Focus(Cell(0, 0));
    focus.seen.clear();
    NestedLoopDriver prompt;
    prompt.ExpectPrompt(QMessageBox::Yes);
    Drive(prompt, [this] {
        Press(Qt::Key_G, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !InProgress(); }));
    });
    EXPECT_EQ(std::count(focus.seen.begin(), focus.seen.end(), Cell(0, 0)), int(focus.seen.size()))
        << "giving up from the keyboard on a cell";
    EXPECT_TRUE(StartGameHasTheFocus());
}

} // namespace
