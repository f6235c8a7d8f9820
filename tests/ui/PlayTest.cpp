// Random play against the real window, a thousand steps a walk, with the game's invariants checked after each.
#include "GameWindowFixture.h"

#include <QRegularExpression>

#include <cstdint>
#include <random>
#include <set>

namespace {

constexpr int StepCount = 1000;

enum class Move { MarkAnyCell, MarkShipCell, ClearWrongWater, Fill, Dismiss, Clue, Undo, GiveUpNo, GiveUpYes, Start };

// How often each move is tried while a game is in progress; between games only Start is possible.
constexpr struct {
    Move move;
    int weight;
} InProgressMoves[] = {
    {Move::MarkAnyCell, 14}, {Move::MarkShipCell, 30}, {Move::ClearWrongWater, 14}, {Move::Fill, 5},
    {Move::Dismiss, 3},      {Move::Clue, 5},          {Move::Undo, 16},            {Move::GiveUpNo, 2},
    {Move::GiveUpYes, 1},
};

// Each walk takes its own choices, and so plays games of its own: three short walks rather than one long one,
// so that each stays well within a test's time under the sanitizers.
class PlayTest : public GameWindowFixture, public ::testing::WithParamInterface<std::uint32_t> {
protected:
    // The test's own choices, apart from the game's random source.
    std::mt19937 choices{GetParam()};

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choices); }

    // A move whose button can be used now.
    Move ChooseMove()
    {
        if (!InProgress())
            return Move::Start;
        const auto weight = [this](const auto& entry) {
            return entry.move == Move::Undo && !Item(IDC_UNDO)->isEnabled() ? 0 : entry.weight;
        };
        int total = 0;
        for (const auto& entry : InProgressMoves)
            total += weight(entry);
        int pick = Below(total);
        for (const auto& entry : InProgressMoves) {
            if (pick < weight(entry))
                return entry.move;
            pick -= weight(entry);
        }
        return Move::Start;
    }

    // A way of choosing the item through the menu: mouse, either button, or the keyboard.
    NestedLoopDriver::MenuAction AnyWayOfChoosing(int id)
    {
        switch (Below(4)) {
        case 0: return MenuChoice::Click(id, Qt::LeftButton);
        case 1: return MenuChoice::Click(id, Qt::RightButton);
        case 2:
            if (id == 3008)
                return MenuChoice::Keys({Qt::Key_R});
            if (id == 3009)
                return MenuChoice::Keys({Qt::Key_C});
            return MenuChoice::Arrows(id);
        default: return MenuChoice::Arrows(id);
        }
    }

    CellPosition AnyCell() { return {Below(BoardSize), Below(BoardSize)}; }

    // A random cell for which wrong(its kind in the layout, its mark) holds, if there is one.
    template <class Wrong> std::optional<CellPosition> AnyCellWhere(Wrong wrong)
    {
        std::vector<CellPosition> cells;
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                if (wrong(HiddenLayout().At(row, column), dialog->GetMark(Cell(row, column))))
                    cells.push_back({row, column});
        if (cells.empty())
            return std::nullopt;
        return cells[Below(static_cast<int>(cells.size()))];
    }

    // Clicks a cell and answers its menu; a cell that cannot be changed opens nothing.
    void Play(CellPosition cell, NestedLoopDriver::MenuAction choice)
    {
        NestedLoopDriver driver;
        if (Cell(cell.row, cell.column)->isEnabled() && !Cell(cell.row, cell.column)->IsReadOnly())
            driver.ExpectMenu(std::move(choice));
        Run(driver, Cell(cell.row, cell.column));
    }

    void Run(NestedLoopDriver& driver, QWidget* control)
    {
        driver.AllowCongratulations();
        ClickWith(driver, control);
        wins += driver.Congratulated();
    }

    void Step(Move move)
    {
        switch (move) {
        case Move::MarkAnyCell:
            return Play(AnyCell(), AnyWayOfChoosing(3000 + Below(PieceKindCount)));
        case Move::MarkShipCell:
            if (const auto cell = AnyCellWhere([](PieceKind kind, PieceKind mark) { return IsShipPiece(kind) && mark != kind; }))
                Play(*cell, AnyWayOfChoosing(3000 + HiddenLayout().At(cell->row, cell->column)));
            return;
        case Move::ClearWrongWater:
            if (const auto cell = AnyCellWhere([](PieceKind kind, PieceKind mark) { return kind == WATER && IsShipPiece(mark); }))
                Play(*cell, AnyWayOfChoosing(3000 + (Below(2) ? WATER : UNKNOWN)));
            return;
        case Move::Fill:
            return Play(AnyCell(), AnyWayOfChoosing(3008 + Below(2)));
        case Move::Dismiss:
            return Play(AnyCell(), Below(2) ? MenuChoice::Keys({Qt::Key_Down, Qt::Key_Escape})
                                            : MenuChoice::ClickBeside(Cell(Below(BoardSize), Below(BoardSize))));
        case Move::Clue: {
            NestedLoopDriver driver;
            return Run(driver, Item(IDC_CLUE));
        }
        case Move::Undo: {
            NestedLoopDriver driver;
            return Run(driver, Item(IDC_UNDO));
        }
        case Move::GiveUpNo:
        case Move::GiveUpYes: {
            NestedLoopDriver driver;
            driver.ExpectPrompt(move == Move::GiveUpYes ? QMessageBox::Yes : QMessageBox::No);
            return Run(driver, Item(IDC_GIVE_UP));
        }
        case Move::Start: {
            NestedLoopDriver driver;
            return Run(driver, Item(IDC_START_GAME));
        }
        }
    }

    // The cell a clue named in the status line.
    CellPosition ClueFromStatus() const
    {
        static const QRegularExpression message("^Clue is on Row (\\d+), Column ([A-J])$");
        const QRegularExpressionMatch match = message.match(Text(IDC_STATUS));
        EXPECT_TRUE(match.hasMatch()) << Text(IDC_STATUS).toStdString();
        return {match.captured(1).toInt() - 1, match.captured(2).at(0).unicode() - 'A'};
    }

    int wins = 0;
};

TEST_P(PlayTest, InvariantsHoldThroughRandomPlay)
{
    std::set<std::string> seenSinceClue;  // every marking the board has shown since the start or the last clue
    std::vector<std::string> undoable;    // what each Undo should bring back, newest last
    std::vector<CellPosition> clueCells;
    int games = 0, givenUp = 0, undos = 0, clues = 0;
    int totalGames = 0, totalScore = 0; // as the wins so far add up

    for (int step = 0; step < StepCount; ++step) {
        const Move move = ChooseMove();
        const std::string before = BoardSnapshot::Take(Marks()).Text();
        const int winsBefore = wins;

        Step(move);
        ASSERT_FALSE(HasFailure()) << "step " << step;

        const std::string after = BoardSnapshot::Take(Marks()).Text();
        const bool won = wins > winsBefore;
        switch (move) {
        case Move::Start:
            ++games;
            seenSinceClue = {after};
            undoable.clear();
            clueCells.clear();
            break;
        case Move::Clue:
            ++clues;
            clueCells.push_back(ClueFromStatus());
            seenSinceClue = {after};
            undoable.clear();
            break;
        case Move::Undo:
            ++undos;
            ASSERT_NE(after, before) << "step " << step << ": every Undo changes a mark";
            ASSERT_TRUE(seenSinceClue.count(after)) << "step " << step << ": Undo brought back a marking never seen";
            ASSERT_EQ(after, undoable.back()) << "step " << step;
            undoable.pop_back();
            break;
        case Move::GiveUpNo:
            ASSERT_EQ(after, before) << "step " << step;
            break;
        case Move::GiveUpYes:
            ++givenUp;
            ASSERT_EQ(MarksPicture(), PictureOf(HiddenLayout())) << "step " << step;
            break;
        default:
            if (after != before)
                undoable.push_back(before);
            seenSinceClue.insert(after);
        }
        if (won || move == Move::GiveUpYes)
            undoable.clear();

        // Undo is usable exactly while a step is left to take back; each Undo is checked against the step it
        // should take back, so a step too many or too few shows as soon as Undo comes down to it.
        ASSERT_EQ(Item(IDC_UNDO)->isEnabled(), !undoable.empty()) << "step " << step;
        for (const CellPosition& clue : clueCells) {
            ASSERT_TRUE(Cell(clue.row, clue.column)->IsReadOnly()) << "step " << step;
            ASSERT_EQ(dialog->GetMark(Cell(clue.row, clue.column)), HiddenLayout().At(clue.row, clue.column));
        }
        if (InProgress())
            for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
                const int index = id - IDC_FIRST_CELL;
                const bool clue = std::count(clueCells.begin(), clueCells.end(),
                                             CellPosition{index / BoardSize, index % BoardSize}) > 0;
                ASSERT_TRUE(dialog->CellById(id)->isEnabled()) << "step " << step << " cell " << id;
                ASSERT_EQ(dialog->CellById(id)->IsReadOnly(), clue) << "step " << step << " cell " << id;
            }
        ASSERT_FALSE(InProgress() && IsSolved(HiddenLayout(), Marks())) << "step " << step << ": solved but playing";
        if (won) {
            totalGames += 1;
            totalScore += Text(IDC_CURRENT_SCORE).toInt();
            ASSERT_FALSE(InProgress());
        }
        ASSERT_EQ(Totals(), TotalsShownFor(totalGames, totalScore)) << "step " << step << ": totals change only on wins";
    }

    RecordProperty("games", games);
    RecordProperty("wins", wins);
    RecordProperty("undos", undos);
    RecordProperty("clues", clues);
    // The walk must have gone everywhere worth checking.
    EXPECT_GE(wins, 3);
    EXPECT_GE(givenUp, 1);
    EXPECT_GE(undos, 60);
    EXPECT_GE(clues, 15);
    EXPECT_EQ(games, wins + givenUp + (InProgress() ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(Walks, PlayTest, ::testing::Values(20240611u, 7u, 1999u));

} // namespace
