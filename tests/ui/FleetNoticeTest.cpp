// The notice for a whole fleet that fits all the player knows but is not the hidden one, and the count
// behind it, made away from the window's thread.
#include "GameWindowFixture.h"

#include "FleetCounter.h"
#include "FleetSolver.h"
#include "StatusTexts.h"

#include <QRegularExpression>
#include <QSignalSpy>

namespace {

// A count takes milliseconds; this is only how long a broken count may keep a test waiting.
constexpr int CountWaitMilliseconds = 10'000;

const QString FirstClueMessage = QStringLiteral("Clue is on Row 8, Column G");

bool IsEnd(PieceKind kind) { return kind == NORTH || kind == EAST || kind == SOUTH || kind == WEST; }

class FleetNoticeTest : public GameWindowFixture {
protected:
    // What the window has shown of the hidden fleet: its counts, and the cells clues fixed.
    FleetEvidence Known() const
    {
        FleetEvidence evidence = FleetEvidence::CountsOf(HiddenLayout());
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                if (Cell(row, column)->IsReadOnly())
                    evidence.Reveal(row, column, dialog->GetMark(Cell(row, column)));
        return evidence;
    }

    // A fleet that fits all of that but is not the hidden one, as the solver finds it.
    Board OtherFleet() const
    {
        for (const Board& fleet : FleetSolver(Known()).List(2))
            if (!(fleet == HiddenLayout()))
                return fleet;
        ADD_FAILURE() << "only the hidden fleet fits";
        return HiddenLayout();
    }

    // The ship cells of a fleet in cell order, with their pieces.
    static std::vector<CellPosition> ShipCellsOf(const Board& fleet)
    {
        std::vector<CellPosition> cells;
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                if (IsShipPiece(fleet.At(row, column)))
                    cells.push_back({row, column});
        return cells;
    }

    // Marks the fleet's ship cells through the piece menu, all but those left; cells that already show their
    // piece (clues) are passed over.
    void MarkFleet(const Board& fleet, const std::vector<CellPosition>& left = {})
    {
        for (const CellPosition& cell : ShipCellsOf(fleet))
            if (std::find(left.begin(), left.end(), cell) == left.end() &&
                dialog->GetMark(Cell(cell.row, cell.column)) != fleet.At(cell.row, cell.column))
                Mark(cell.row, cell.column, fleet.At(cell.row, cell.column));
    }

    // Marks the fleet's last ship cell through the menu and at once clicks the control, with no event
    // handled between the two steps; the other ship cells must be marked already.
    void CompleteThenClick(const Board& fleet, QWidget* control)
    {
        const CellPosition last = ShipCellsOf(fleet).back();
        NestedLoopDriver driver;
        driver.ExpectMenu(MenuChoice::Click(3000 + fleet.At(last.row, last.column)));
        QTest::mouseClick(Cell(last.row, last.column), Qt::LeftButton);
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_TRUE(driver.AllSeen());
        EXPECT_TRUE(driver.Unexpected().empty());
    }

    QString Notice() const { return FleetNoticeText(FleetSolver(Known()).Count()); }

    bool StatusBecomes(const QString& text) const
    {
        return QTest::qWaitFor([&] { return Text(IDC_STATUS) == text; }, CountWaitMilliseconds);
    }

    bool ShowsAClueMessage() const
    {
        static const QRegularExpression message("^Clue is on Row \\d+, Column [A-J]$");
        return message.match(Text(IDC_STATUS)).hasMatch();
    }

    FleetCounter& Counter() const { return *dialog->findChild<FleetCounter*>(); }
};

TEST_F(FleetNoticeTest, AnotherFittingFleetBringsTheNoticeUntilTheMarksChangeOrAClueIsTaken)
{
    StartGame();
    Clue();
    ASSERT_EQ(Text(IDC_STATUS), FirstClueMessage);
    const Board other = OtherFleet();
    const CellPosition last = ShipCellsOf(other).back();
    MarkFleet(other, {last});
    ASSERT_EQ(Text(IDC_STATUS), FirstClueMessage) << "no notice while a ship cell is missing";
    const std::string marks = MarksPicture();

    Mark(last.row, last.column, other.At(last.row, last.column));

    const QString notice = Notice();
    ASSERT_TRUE(StatusBecomes(notice)) << Text(IDC_STATUS).toStdString();
    EXPECT_EQ(Item(IDC_STATUS)->accessibleName(), "Status: " + notice);
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "1");
    EXPECT_EQ(Totals(), TotalsShownFor(0, 0));
    EXPECT_TRUE(InProgress()) << "the notice is no win";

    Undo();
    EXPECT_EQ(MarksPicture(), marks) << "the mark was a step of its own";
    EXPECT_EQ(Text(IDC_STATUS), FirstClueMessage) << "the clue message comes back when the notice goes";

    Mark(last.row, last.column, other.At(last.row, last.column));
    EXPECT_EQ(Text(IDC_STATUS), notice) << "the count is known by now: the notice comes at once";

    Clue();
    EXPECT_TRUE(ShowsAClueMessage()) << Text(IDC_STATUS).toStdString();
    EXPECT_NE(Text(IDC_STATUS), FirstClueMessage);
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "2");
}

TEST_F(FleetNoticeTest, OneEndMarkedAsAMiddleGetsNoNotice)
{
    StartGame();
    const Board other = OtherFleet();
    const std::vector<CellPosition> cells = ShipCellsOf(other);
    const CellPosition end = *std::find_if(cells.begin(), cells.end(),
                                           [&](CellPosition cell) { return IsEnd(other.At(cell.row, cell.column)); });
    MarkFleet(other);
    // Once the notice has shown, the count for these counts is known, and a notice that were due would come at once.
    ASSERT_TRUE(StatusBecomes(Notice()));

    Mark(end.row, end.column, SQUARE);
    EXPECT_EQ(Text(IDC_STATUS), "");
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(IDC_STATUS), "");

    Mark(end.row, end.column, other.At(end.row, end.column));
    EXPECT_EQ(Text(IDC_STATUS), Notice());
}

TEST_F(FleetNoticeTest, TheHiddenFleetStillWinsWithoutANotice)
{
    StartGame();
    Clue();
    const CellPosition last = ShipCells().back();
    MarkShipsExcept({last});

    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);

    EXPECT_EQ(Totals(), TotalsShownFor(1, 1));
    EXPECT_EQ(Text(IDC_STATUS), FirstClueMessage);
}

// The mark that completes the fleet and the step after it run with no event in between, so the count's answer
// can only come once the board has changed.
TEST_F(FleetNoticeTest, ACountAnsweredAfterAnUndoShowsNothing)
{
    StartGame();
    const Board other = OtherFleet();
    const CellPosition last = ShipCellsOf(other).back();
    MarkFleet(other, {last});
    QSignalSpy counted(&Counter(), &FleetCounter::Counted);

    CompleteThenClick(other, Item(IDC_UNDO));
    ASSERT_EQ(counted.count(), 0);
    ASSERT_EQ(dialog->GetMark(Cell(last.row, last.column)), UNKNOWN) << "Undo took the completing mark back";

    ASSERT_TRUE(counted.wait(CountWaitMilliseconds));
    EXPECT_EQ(Text(IDC_STATUS), "");
}

TEST_F(FleetNoticeTest, ACountAnsweredAfterAClueShowsNothing)
{
    StartGame();
    const Board other = OtherFleet();
    MarkFleet(other, {ShipCellsOf(other).back()});
    QSignalSpy counted(&Counter(), &FleetCounter::Counted);

    CompleteThenClick(other, Item(IDC_CLUE));
    ASSERT_EQ(counted.count(), 0);
    const QString clue = Text(IDC_STATUS);

    ASSERT_TRUE(counted.wait(CountWaitMilliseconds));
    EXPECT_EQ(Text(IDC_STATUS), clue);
    EXPECT_TRUE(ShowsAClueMessage()) << clue.toStdString();
}

// The status line is two lines of text high, so that the longest notice shows whole.
TEST_F(FleetNoticeTest, TheLongestNoticeShowsWhole)
{
    auto* status = qobject_cast<QLabel*>(Item(IDC_STATUS));
    dialog->SetWindowText(status, FleetNoticeText({FleetSolver::CountCap, true}));
    // As the label lays the text out: wrapped at words, from the top left of the room inside its frame.
    const QRect room = status->contentsRect();
    const QRect text =
        status->fontMetrics().boundingRect(room, Qt::TextWordWrap | int(status->alignment()), status->text());
    EXPECT_TRUE(room.contains(text)) << text.height() << " of " << room.height() << " pixels high";
}

FleetEvidence Seed0Counts() { return FleetEvidence::CountsOf(BoardFromPicture(Seed0Layout)); }

TEST(FleetCounterTest, EachAnswerIsForTheEvidenceItWasCountedFor)
{
    const FleetEvidence counts = Seed0Counts();
    FleetEvidence clue = counts;
    clue.Reveal(7, 6, ROUND);
    FleetCounter counter;
    QSignalSpy counted(&counter, &FleetCounter::Counted);

    EXPECT_EQ(counter.CountFor(counts), std::nullopt);
    EXPECT_EQ(counter.CountFor(clue), std::nullopt) << "asked while another count is under way";
    ASSERT_TRUE(counted.wait(CountWaitMilliseconds));
    EXPECT_EQ(counter.CountFor(counts), FleetSolver(counts).Count());
    EXPECT_EQ(counter.CountFor(clue), std::nullopt) << "the answer for the counts alone is not the clue's";

    ASSERT_TRUE(counted.wait(CountWaitMilliseconds));
    EXPECT_EQ(counter.CountFor(clue), FleetSolver(clue).Count());
    EXPECT_EQ(counted.count(), 2);
}

TEST(FleetCounterTest, EndingWhileCountingLeavesNothingBehind)
{
    int answers = 0;
    {
        FleetCounter counter;
        QObject::connect(&counter, &FleetCounter::Counted, [&answers] { ++answers; });
        ASSERT_EQ(counter.CountFor(Seed0Counts()), std::nullopt);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, 0);
}

} // namespace
