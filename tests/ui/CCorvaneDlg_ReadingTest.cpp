// Reading the board from the keyboard: every cell, whatever the game has made of it, takes the focus and is
// named with its piece and how it is known; what cannot change says why; a key reads a whole line at once.
#include "GameWindowFixture.h"

#include "Announcer.h"

#include <QAccessible>

namespace {

class BoardReading : public GameWindowFixture {
protected:
    // The window's last utterance once the turn that made it has ended; empty when it never spoke.
    std::string Spoken() const
    {
        QCoreApplication::processEvents();
        const Announcer* announcer = dialog->findChild<Announcer*>();
        return announcer ? announcer->LastSpoken().toStdString() : std::string();
    }

    // The name a screen reader reads for the control that holds the focus.
    std::string FocusedName() const
    {
        QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(dialog->focusWidget());
        return focused ? focused->text(QAccessible::Name).toStdString() : std::string();
    }

    // Presses a key that must open no menu, no prompt and no dialog.
    void PressAlone(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // What the steps before said is spoken first, as the event loop would between a player's keys.
        QCoreApplication::processEvents();
        NestedLoopDriver nothingOpens;
        Drive(nothingOpens, [&] { Press(key, modifiers); });
    }
};

TEST_F(BoardReading, AClueCellIsReachedByKeysReadAndKeptAsItIs)
{
    StartGame();
    Clue();
    PressAlone(Qt::Key_8, Qt::AltModifier);
    for (int column = 1; column <= FirstClue.column; ++column)
        PressAlone(Qt::Key_Right);
    ASSERT_EQ(dialog->focusWidget(), Cell(FirstClue.row, FirstClue.column)) << "the arrows stop on the clue";
    EXPECT_EQ(FocusedName(), "Row 8, Column G: Submarine, clue");

    PressAlone(Qt::Key_Space);
    EXPECT_EQ(Spoken(), "A clue cannot be changed.");
    NestedLoopDriver clicked;
    ClickWith(clicked, Cell(FirstClue.row, FirstClue.column));
    EXPECT_EQ(dialog->GetMark(Cell(FirstClue.row, FirstClue.column)), ROUND);
    PressAlone(Qt::Key_Right);
    EXPECT_EQ(dialog->focusWidget(), Cell(FirstClue.row, FirstClue.column + 1)) << "and walk on past it";
}

// Once a game ends every cell can still be walked and read, named by how its piece is known, and none opens
// the piece menu.
TEST_F(BoardReading, AnEndedGameIsWalkedAndReadButNotChanged)
{
    const struct {
        const char* name;
        bool givenUp;
        const char* source;
    } endings[] = {
        {"GivenUp", true, ", from Give Up"},
        {"Won", false, ""},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        random.Seed(0);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        StartGame();
        if (ending.givenUp) {
            Mark(0, 0, WATER);
            GiveUp(QMessageBox::Yes);
        } else {
            Clue();
            MarkShipsExcept({{0, 0}});
            Mark(0, 0, ROUND, /*wins=*/true);
        }
        ASSERT_FALSE(InProgress());
        PressAlone(Qt::Key_1, Qt::AltModifier);
        ASSERT_EQ(dialog->focusWidget(), Cell(0, 0));
        EXPECT_EQ(FocusedName(), std::string("Row 1, Column A: Submarine") + ending.source);
        PressAlone(Qt::Key_Space);
        EXPECT_EQ(Spoken(), "The game is over. Start Game begins a new one.");
        EXPECT_EQ(dialog->GetMark(Cell(0, 0)), ROUND);
        PressAlone(Qt::Key_Down);
        PressAlone(Qt::Key_Down);
        EXPECT_EQ(dialog->focusWidget(), Cell(2, 0));
    }
    // The clue of the won game keeps its word.
    PressAlone(Qt::Key_8, Qt::AltModifier);
    for (int column = 1; column <= FirstClue.column; ++column)
        PressAlone(Qt::Key_Right);
    EXPECT_EQ(FocusedName(), "Row 8, Column G: Submarine, clue");
}

// R reads the focused cell's row, C its column, N every count; with Alt they stay the buttons' keys, and away
// from the grid they read nothing.
TEST_F(BoardReading, KeysOnACellReadItsLineOrEveryCount)
{
    StartGame();
    Clue();
    Mark(7, 0, SOUTH);
    Mark(7, 1, WATER);
    Mark(7, 2, WATER);
    Focus(Cell(7, 3));

    PressAlone(Qt::Key_R);
    EXPECT_EQ(Spoken(), "Row 8: count 3; marked Bottom at A, water at 2 cells; clue Submarine at G.");
    PressAlone(Qt::Key_C);
    EXPECT_EQ(Spoken(), "Column D: count 1; nothing marked.");
    Focus(Cell(FirstClue.row, FirstClue.column));
    PressAlone(Qt::Key_C);
    EXPECT_EQ(Spoken(), "Column G: count 2; clue Submarine at 8.");

    PressAlone(Qt::Key_N);
    QStringList rows, columns;
    for (int line = 0; line < BoardSize; ++line) {
        rows << QString::number(RowShipCount(HiddenLayout(), line));
        columns << QString::number(ColumnShipCount(HiddenLayout(), line));
    }
    EXPECT_EQ(Spoken(), QStringLiteral("Row counts %1. Column counts %2.")
                            .arg(rows.join(", "), columns.join(", "))
                            .toStdString());

    Focus(Item(IDC_HELP));
    const std::string before = Spoken();
    PressAlone(Qt::Key_N);
    EXPECT_EQ(Spoken(), before) << "away from the grid the keys read nothing";
}

} // namespace
