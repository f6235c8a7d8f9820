// A cell of the game window shows the picture of its mark in its state, keeps the mark as its text and names itself.
#include "GameWindowFixture.h"

#include "DialogUnits.h"
#include "Pictures.h"

#include <QAccessible>
#include <QSignalSpy>

namespace {

constexpr PieceKind AllKinds[] = {NORTH, EAST, SOUTH, WEST, ROUND, SQUARE, WATER, UNKNOWN};

// The picture area of a cell as the window draws it.
QImage Shown(CBitmapButton* cell)
{
    return cell->grab().toImage().copy(0, 0, 22, 22).convertToFormat(QImage::Format_RGB32);
}

QImage Picture(const QString& name)
{
    const QImage picture = LoadBitmap(name);
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    return picture.convertToFormat(QImage::Format_RGB32);
}

QString Named(PieceKind kind, const char* state) { return QStringLiteral("IDB_%1_%2").arg(PieceName(kind), state); }

QString ClueNamed(PieceKind kind) { return QStringLiteral("IDB_RED_%1_X").arg(PieceName(kind)); }

class GameWindowCell : public GameWindowFixture {
protected:
    // Plays seed 0 to clues of every piece, each fixed on the cell that holds the focus, which keeps it: 19 clues fix every ship cell but one; with that one marked and ship pieces put on two water cells,
    // the next clue shows water, and no win, since one of them is still wrong. Returns the clue cells in the
    // order they came.
    std::vector<CellPosition> CluesOfEveryPiece()
    {
        std::vector<CellPosition> clues;
        const auto clueOnTheFocusedCell = [&] {
            const CellPosition cell = NextClue();
            ClueOn(cell);
            EXPECT_TRUE(Cell(cell.row, cell.column)->hasFocus()) << cell.row << "," << cell.column;
            clues.push_back(cell);
        };
        for (int clue = 0; clue < 19; ++clue)
            clueOnTheFocusedCell();
        Mark(4, 4, NORTH);
        Mark(4, 7, NORTH);
        for (const CellPosition& ship : ShipCells())
            if (!Cell(ship.row, ship.column)->IsReadOnly())
                Mark(ship.row, ship.column, HiddenLayout().At(ship.row, ship.column));
        clueOnTheFocusedCell();
        EXPECT_EQ(dialog->GetMark(Cell(clues.back().row, clues.back().column)), WATER);
        return clues;
    }
};

// An enabled cell shows its up picture at rest, its focus picture while focused, its down picture while the
// mouse button is held on it (focused or not) and, disabled, its disabled picture, which equals the up one:
// each piece marked through the menu, then every piece of the layout shown when the game is given up, which
// never shows itself pressed, and the unknown piece before the first game, disabled.
TEST_F(GameWindowCell, ShowsThePictureOfItsKindAndState)
{
    EXPECT_EQ(Shown(Cell(0, 0)), Picture(Named(UNKNOWN, "X"))) << "disabled before the first game";
    EXPECT_EQ(Shown(Cell(0, 0)), Picture(Named(UNKNOWN, "U"))) << "disabled looks like at rest";

    StartGame();
    for (PieceKind kind : AllKinds) {
        SCOPED_TRACE(PieceName(kind));
        CBitmapButton* cell = Cell(kind, 9 - kind);
        Mark(kind, 9 - kind, kind);
        Focus(Item(IDC_GIVE_UP));
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "U"))) << "at rest";

        Focus(cell);
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "F"))) << "focused";

        const QPoint centre = cell->rect().center();
        QTest::mousePress(cell, Qt::LeftButton, Qt::NoModifier, centre);
        ASSERT_TRUE(cell->isDown());
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "D"))) << "pressed";
        // Let go outside the cell: no click, so no piece menu.
        QTest::mouseRelease(cell, Qt::LeftButton, Qt::NoModifier, centre + QPoint(0, 3 * cell->height()));
        ASSERT_FALSE(cell->isDown());
    }

    GiveUp(QMessageBox::Yes);
    const Board layout = HiddenLayout();
    for (PieceKind kind : AllKinds) {
        if (kind == UNKNOWN)
            continue;
        SCOPED_TRACE(PieceName(kind));
        int index = 0;
        while (layout.At(index / BoardSize, index % BoardSize) != kind)
            ++index;
        CBitmapButton* cell = Cell(index / BoardSize, index % BoardSize);
        ASSERT_TRUE(cell->IsReadOnly());
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "X"))) << "ended";
        cell->setDown(true);
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "U"))) << "pressed, yet read-only";
        cell->setDown(false);
    }
}

// A clue cell becomes read-only at once but keeps the focus, and shows its diamond picture whatever happens to
// it, framed while it holds the focus.
TEST_F(GameWindowCell, ClueCellShowsItsDiamondInEveryState)
{
    StartGame();
    std::vector<PieceKind> shown;
    for (const CellPosition& clue : CluesOfEveryPiece()) {
        CBitmapButton* cell = Cell(clue.row, clue.column);
        const PieceKind kind = dialog->GetMark(cell);
        SCOPED_TRACE(PieceName(kind));
        shown.push_back(kind);
        EXPECT_TRUE(cell->isEnabled());
        EXPECT_TRUE(cell->IsReadOnly());
        Focus(cell);
        const QImage focusedClue = Picture(QStringLiteral("IDB_RED_%1_F").arg(PieceName(kind)));
        EXPECT_EQ(Shown(cell), focusedClue);
        cell->setDown(true);
        EXPECT_EQ(Shown(cell), focusedClue) << "down";
        cell->setDown(false);
        Focus(Item(IDC_EXIT));
        const QImage picture = Picture(ClueNamed(kind));
        EXPECT_EQ(Shown(cell), picture);
        EXPECT_NE(Shown(cell), Picture(Named(kind, "U")));
        cell->setDown(true);
        EXPECT_EQ(Shown(cell), picture) << "down";
        cell->setDown(false);
    }
    for (PieceKind kind : AllKinds)
        EXPECT_EQ(std::count(shown.begin(), shown.end(), kind) > 0, kind != UNKNOWN) << PieceName(kind);
}

// Whatever the picture set, the mark read back is the kind last set, and the text is its one-digit code.
TEST_F(GameWindowCell, MarksRoundTripThroughTheCellText)
{
    const QSize size = DialogUnits(dialog->font()).ToPixels(0, 0, 15, 15).size();
    StartGame();
    CBitmapButton* cell = Cell(4, 4);
    for (PieceKind kind : AllKinds) {
        SCOPED_TRACE(PieceName(kind));
        // Setting the same kind again changes nothing that can be read, and never resizes the cell.
        for (int time = 0; time < 2; ++time) {
            Mark(4, 4, kind);
            EXPECT_EQ(dialog->GetMark(cell), kind);
            EXPECT_EQ(cell->text(), QString::number(kind));
            EXPECT_TRUE(cell->isEnabled());
            EXPECT_FALSE(cell->IsReadOnly());
            EXPECT_EQ(cell->size(), size);
        }
    }
    for (const CellPosition& clue : CluesOfEveryPiece()) {
        CBitmapButton* clueCell = Cell(clue.row, clue.column);
        const PieceKind kind = HiddenLayout().At(clue.row, clue.column);
        SCOPED_TRACE(testing::Message() << PieceName(kind) << " clue");
        EXPECT_EQ(dialog->GetMark(clueCell), kind);
        EXPECT_EQ(clueCell->text(), QString::number(kind));
        EXPECT_TRUE(clueCell->IsReadOnly());
        EXPECT_EQ(clueCell->size(), size);
    }
}

// Give Up shows the layout in cells that can still be reached and read but not changed, drawn at rest.
TEST_F(GameWindowCell, GiveUpShowsTheLayoutInReadOnlyCells)
{
    StartGame();
    GiveUp(QMessageBox::Yes);
    CBitmapButton* cell = Cell(2, 3);
    EXPECT_EQ(dialog->GetMark(cell), WATER);
    EXPECT_TRUE(cell->isEnabled());
    EXPECT_TRUE(cell->IsReadOnly());
    EXPECT_EQ(Shown(cell), Picture("IDB_WATER_X"));
}

TEST_F(GameWindowCell, DisabledCellIgnoresClicks)
{
    CBitmapButton* cell = Cell(0, 0);
    QSignalSpy clicks(cell, &QAbstractButton::clicked);
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, cell->rect().center());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(dialog->GetMark(cell), UNKNOWN);
}

// A screen reader speaks the cell's place and its mark, and whether a clue fixed it (seed 0's first clue).
TEST_F(GameWindowCell, AccessibleNameSaysPlaceAndMark)
{
    const struct {
        int row, column;
        PieceKind kind;
        bool clue;
        const char* name;
    } cases[] = {
        {5, 7, WATER, false, "Row 6, Column H: Water"},
        {0, 0, UNKNOWN, false, "Row 1, Column A: Unknown"},
        {9, 9, ROUND, false, "Row 10, Column J: Submarine"},
        {7, 6, ROUND, true, "Row 8, Column G: Submarine, clue"},
    };
    StartGame();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBitmapButton* cell = Cell(c.row, c.column);
        if (c.clue)
            Clue();
        else
            Mark(c.row, c.column, c.kind);
        ASSERT_EQ(dialog->GetMark(cell), c.kind);
        ASSERT_EQ(cell->IsReadOnly(), c.clue);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(cell);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), c.name);
        EXPECT_EQ(accessible->role(), QAccessible::Button);
    }

    // Give Up names every cell it shows as its own, the clue's too, as it draws them all alike.
    GiveUp(QMessageBox::Yes);
    for (const auto& [row, column, name] : {std::tuple{2, 3, "Row 3, Column D: Water, from Give Up"},
                                            {7, 6, "Row 8, Column G: Submarine, from Give Up"}})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(Cell(row, column))->text(QAccessible::Name), name);
}

} // namespace
