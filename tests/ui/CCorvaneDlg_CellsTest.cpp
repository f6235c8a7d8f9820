// A cell of the game window shows the picture of its mark in its state, keeps the mark as its text and names itself.
#include "MainWindowFixture.h"

#include "DialogUnits.h"
#include "Pictures.h"

#include <QAccessible>
#include <QSignalSpy>

namespace {

using GameWindowCell = MainWindowFixture;

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

// An enabled cell shows its up picture at rest, its focus picture while focused, its down picture while the
// mouse button is held on it (focused or not) and, disabled, its disabled picture, which equals the up one.
TEST_F(GameWindowCell, ShowsThePictureOfItsKindAndState)
{
    for (PieceKind kind : AllKinds) {
        SCOPED_TRACE(PieceName(kind));
        CBitmapButton* cell = Cell(kind, 9 - kind);
        Internals().EnableControl(cell, true);
        Internals().SetCell(cell, kind, false);
        ASSERT_FALSE(cell->hasFocus());
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "U"))) << "at rest";

        MainWindowFixture::Focus(cell);
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "F"))) << "focused";

        const QPoint centre = cell->rect().center();
        QTest::mousePress(cell, Qt::LeftButton, Qt::NoModifier, centre);
        ASSERT_TRUE(cell->isDown());
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "D"))) << "pressed";
        // Let go outside the cell: no click, so no piece menu.
        QTest::mouseRelease(cell, Qt::LeftButton, Qt::NoModifier, centre + QPoint(0, 3 * cell->height()));
        ASSERT_FALSE(cell->isDown());

        Internals().EnableControl(cell, false);
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "X"))) << "disabled";
        EXPECT_EQ(Shown(cell), Picture(Named(kind, "U"))) << "disabled looks like at rest";
    }
}

// A clue cell becomes read-only at once but keeps the focus, and shows its diamond picture whatever happens to
// it, framed while it holds the focus.
TEST_F(GameWindowCell, ClueCellShowsItsDiamondInEveryState)
{
    for (PieceKind kind : AllKinds) {
        if (kind == UNKNOWN)
            continue;
        SCOPED_TRACE(PieceName(kind));
        CBitmapButton* cell = Cell(9 - kind, kind);
        Internals().EnableControl(cell, true);
        MainWindowFixture::Focus(cell);
        Internals().SetCell(cell, kind, true);
        EXPECT_TRUE(cell->isEnabled());
        EXPECT_TRUE(cell->IsReadOnly());
        EXPECT_TRUE(cell->hasFocus());
        const QImage focusedClue = Picture(QStringLiteral("IDB_RED_%1_F").arg(PieceName(kind)));
        EXPECT_EQ(Shown(cell), focusedClue);
        cell->setDown(true);
        EXPECT_EQ(Shown(cell), focusedClue) << "down";
        cell->setDown(false);
        MainWindowFixture::Focus(Item(IDC_EXIT));
        const QImage clue = Picture(ClueNamed(kind));
        EXPECT_EQ(Shown(cell), clue);
        EXPECT_NE(Shown(cell), Picture(Named(kind, "U")));
        cell->setDown(true);
        EXPECT_EQ(Shown(cell), clue) << "down";
        cell->setDown(false);
    }
}

// Whatever the image set, the mark read back is the kind last set, and the text is its one-digit code.
TEST_F(GameWindowCell, MarksRoundTripThroughTheCellText)
{
    CBitmapButton* cell = Cell(4, 4);
    for (bool clue : {false, true}) {
        for (PieceKind kind : AllKinds) {
            if (clue && kind == UNKNOWN)
                continue;
            SCOPED_TRACE(testing::Message() << PieceName(kind) << (clue ? " clue" : ""));
            Internals().EnableControl(cell, true);
            Internals().SetCell(cell, kind, clue);
            EXPECT_EQ(dialog->GetMark(cell), kind);
            EXPECT_EQ(cell->text(), QString::number(kind));
            EXPECT_EQ(cell->IsReadOnly(), clue);
            // Setting the same kind again changes nothing that can be read, and never resizes the cell.
            Internals().SetCell(cell, kind, clue);
            EXPECT_EQ(dialog->GetMark(cell), kind);
            EXPECT_EQ(cell->size(), DialogUnits(dialog->font()).ToPixels(0, 0, 15, 15).size());
        }
    }
}

// Setting a cell with the normal pictures never enables it: only the game's own steps do.
TEST_F(GameWindowCell, SettingADisabledCellKeepsItDisabled)
{
    CBitmapButton* cell = Cell(2, 3);
    Internals().SetCell(cell, WATER, false);
    EXPECT_FALSE(cell->isEnabled());
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

// A screen reader speaks the cell's place and its mark, and whether a clue fixed it.
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
        {3, 1, NORTH, true, "Row 4, Column B: Top, clue"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBitmapButton* cell = Cell(c.row, c.column);
        Internals().SetCell(cell, c.kind, c.clue);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(cell);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), c.name);
        EXPECT_EQ(accessible->role(), QAccessible::Button);
    }
}

} // namespace
