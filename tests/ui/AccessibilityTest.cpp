// What a screen reader is told: the names and roles of the window's controls and menu items, and when they change.
#include "GameWindowFixture.h"

#include <QAccessible>
#include <QLabel>

namespace {

using Accessibility = GameWindowFixture;

QString NameOf(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// The counts are read by name, as a screen reader reads them, and must say what the labels show.
TEST_F(Accessibility, CountLabelsNameTheirLineAndTheNumberShown)
{
    EXPECT_EQ(NameOf(Item(IDC_FIRST_ROW_COUNT + 2)), "Row 3: no count yet");
    StartGame();
    for (int line = 0; line < BoardSize; ++line) {
        const int rows = RowShipCount(HiddenLayout(), line);
        const int columns = ColumnShipCount(HiddenLayout(), line);
        EXPECT_EQ(NameOf(Item(IDC_FIRST_ROW_COUNT + line)),
                  QStringLiteral("Row %1: %2 ship cell%3").arg(line + 1).arg(rows).arg(rows == 1 ? "" : "s"));
        EXPECT_EQ(NameOf(Item(IDC_FIRST_COLUMN_COUNT + line)), QStringLiteral("Column %1: %2 ship cell%3")
                                                 .arg(QChar('A' + line))
                                                 .arg(columns)
                                                 .arg(columns == 1 ? "" : "s"));
    }
}

TEST_F(Accessibility, StatusScoreAndTotalsFollowTheGame)
{
    EXPECT_EQ(NameOf(Item(IDC_STATUS)), "Status: empty");
    EXPECT_EQ(NameOf(Item(IDC_GAME_NUMBER)), "Current Game: none yet");
    StartGame();
    EXPECT_EQ(NameOf(Item(IDC_GAME_NUMBER)), "Current Game: 1");
    EXPECT_EQ(NameOf(Item(IDC_CURRENT_SCORE)), "Current Score: 0");
    Clue();
    EXPECT_EQ(NameOf(Item(IDC_STATUS)), "Status: " + Text(IDC_STATUS));
    EXPECT_TRUE(Text(IDC_STATUS).startsWith("Clue is on Row "));
    EXPECT_EQ(NameOf(Item(IDC_CURRENT_SCORE)), "Current Score: 1");
    std::vector<CellPosition> unmarked;
    for (const CellPosition& cell : ShipCells())
        if (dialog->GetMark(Cell(cell.row, cell.column)) == UNKNOWN)
            unmarked.push_back(cell);
    const CellPosition last = unmarked.back();
    MarkShipsExcept({last});
    Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), true);
    EXPECT_FALSE(InProgress());
    EXPECT_EQ(NameOf(Item(IDC_TOTAL_GAMES)), "Total Games: 1");
    EXPECT_EQ(NameOf(Item(IDC_AVERAGE_SCORE)), "Total Score: 1.00");
}

TEST_F(Accessibility, FleetPanelSaysEachShipAndItsLength)
{
    const QStringList boxes = {"Battleship, 4 cells long", "Cruiser, 3 cells long", "Cruiser, 3 cells long",
                               "Destroyer, 2 cells long", "Destroyer, 2 cells long", "Destroyer, 2 cells long",
                               "Submarine, one cell", "Submarine, one cell", "Submarine, one cell",
                               "Submarine, one cell"};
    for (int k = 0; k < boxes.size(); ++k)
        EXPECT_EQ(NameOf(Item(IDC_FIRST_SHIP_CHECK + k)), boxes[k]) << k;

    QStringList pictures;
    for (QWidget* control : dialog->Controls())
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->pixmap().isNull())
            pictures << NameOf(control);
    EXPECT_EQ(pictures, QStringList({"Picture of a ship 4 cells long", "Picture of a ship 3 cells long",
                                     "Picture of a ship 3 cells long", "Picture of a ship 2 cells long",
                                     "Picture of a ship 2 cells long", "Picture of a ship 2 cells long",
                                     "Picture of a ship of one cell", "Picture of a ship of one cell",
                                     "Picture of a ship of one cell", "Picture of a ship of one cell"}));
}

// Every control a player can see carries a name; a nameless one is a hole in what a screen reader reads.
TEST_F(Accessibility, EveryVisibleControlHasAName)
{
    for (QWidget* control : dialog->Controls()) {
        if (control->isVisible()) {
            EXPECT_FALSE(NameOf(control).isEmpty()) << control->property("controlId").toInt();
        }
    }
}

// The picture items carry their words only in their pictures; a screen reader gets them as menu items by name.
TEST_F(Accessibility, PieceMenuItemsAreNamedByTheirPiece)
{
    CPieceMenu& menu = *PieceMenu();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&menu);
    ASSERT_NE(accessible, nullptr);
    ASSERT_EQ(accessible->childCount(), 11);
    const QStringList names = {"Top",   "Right", "Bottom", "Left", "Submarine", "Square", "Water", "Unknown", "",
                               "Fill Row with Water", "Fill Column with Water"};
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface* item = accessible->child(i);

        ASSERT_NE(item, nullptr) << i;
        EXPECT_EQ(item->text(QAccessible::Name), names[i]) << i;
        EXPECT_EQ(item->role(), i == 8 ? QAccessible::Separator : QAccessible::MenuItem) << i;
    }
}

// While the menu is open the highlighted picture item says so, and pressing it chooses its piece.
TEST_F(Accessibility, HighlightedPictureItemIsSelectedAndPressingItChoosesIt)
{
    StartGame();
    std::vector<bool> selected;
    Mark(4, 4, [&selected](CPieceMenu& menu) {
        menu.setActiveAction(menu.actions()[6]);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&menu);
        for (int i = 0; i < 8; ++i)
            selected.push_back(accessible->child(i)->state().selected);
        accessible->child(6)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    EXPECT_EQ(selected, std::vector<bool>({false, false, false, false, false, false, true, false}));
    EXPECT_EQ(dialog->GetMark(Cell(4, 4)), WATER);
    EXPECT_EQ(NameOf(Cell(4, 4)), "Row 5, Column E: Water");
}

} // namespace
