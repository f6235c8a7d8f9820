// The piece menu: its items, their owner drawing, where it opens, how it is answered and dismissed, the fills.
#include "GameWindowFixture.h"

#include "Pictures.h"

#include <QPainter>
#include <QScreen>

namespace {

using PieceMenuTest = GameWindowFixture;

constexpr int PictureWidths[] = {51, 62, 76, 52, 102, 75, 69, 90};

TEST_F(PieceMenuTest, HoldsEightPicturesASeparatorAndTheTwoFills)
{
    const QList<QAction*> items = PieceMenu()->actions();
    ASSERT_EQ(items.size(), 11);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(items[i]->data().toInt(), 3000 + i);
        EXPECT_TRUE(items[i]->text().isEmpty()) << i;
    }
    EXPECT_TRUE(items[8]->isSeparator());
    EXPECT_EQ(items[9]->data().toInt(), 3008);
    EXPECT_EQ(items[9]->text(), "Fill &Row with Water");
    EXPECT_EQ(items[10]->data().toInt(), 3009);
    EXPECT_EQ(items[10]->text(), "Fill &Column with Water");
}

TEST_F(PieceMenuTest, PictureItemIsAsWideAsItsPictureAndHalfAgainAsHigh)
{
    const CPieceMenu& menu = *PieceMenu();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(menu.MeasureItem(3000 + i, QSize(7, 7)), QSize(PictureWidths[i], 25)) << 3000 + i;
    EXPECT_EQ(menu.MeasureItem(3008, QSize(7, 7)), QSize(7, 7)) << "without a picture the proposed size stays";
}

// The shown menu is laid out by MeasureItem: 25 pixels per picture item, at least as wide as the widest picture.
TEST_F(PieceMenuTest, ShownMenuTakesTheMeasuredSizes)
{
    StartGame();
    std::vector<QRect> itemRects;
    Mark(2, 2, [&itemRects](CPieceMenu& menu) {
        for (QAction* action : menu.actions())
            itemRects.push_back(menu.actionGeometry(action));
        QTest::keyClick(&menu, Qt::Key_Escape);
    });

    ASSERT_EQ(itemRects.size(), 11u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(itemRects[i].height(), 25) << i;
        EXPECT_GE(itemRects[i].width(), 102) << i;
        if (i > 0) {
            EXPECT_EQ(itemRects[i].top(), itemRects[i - 1].bottom() + 1) << "one under the other";
        }
    }
}

struct DrawCase {
    const char* name;
    bool selected;
};

class DrawItemTest : public GameWindowFixture, public ::testing::WithParamInterface<DrawCase> {};

// Selected: the highlight colour around the picture; otherwise light grey. The picture itself is copied
// unscaled at the left, centred vertically, in both states.
TEST_P(DrawItemTest, FillsTheItemThenCopiesThePictureAtTheLeft)
{
    const CPieceMenu& menu = *PieceMenu();
    const QColor fill = GetParam().selected ? menu.palette().color(QPalette::Active, QPalette::Highlight)
                                            : QColor(192, 192, 192);
    for (int id = 3000; id <= 3007; ++id) {
        QImage item(140, 25, QImage::Format_RGB32);
        item.fill(Qt::magenta);
        {
            QPainter painter(&item);
            menu.DrawItem(painter, id, item.rect(), GetParam().selected);
        }
        const QImage picture = LoadMenuBitmap(id).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(item.copy(0, 4, picture.width(), picture.height()), picture) << id;
        for (const QPoint beside : {QPoint(0, 0), QPoint(0, 3), QPoint(30, 21), QPoint(0, 24), QPoint(139, 12)})
            EXPECT_EQ(item.pixelColor(beside), fill) << id << " at " << beside.x() << "," << beside.y();
    }
}

INSTANTIATE_TEST_SUITE_P(PieceMenuTest, DrawItemTest, ::testing::Values(DrawCase{"Unselected", false}, DrawCase{"Selected", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The highlighted item of the open menu is drawn selected; the others are not.
TEST_F(PieceMenuTest, OpenMenuDrawsTheHighlightedItemSelected)
{
    StartGame();
    QImage shot;
    QRect second, third;
    Mark(2, 2, [&](CPieceMenu& menu) {
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        second = menu.actionGeometry(menu.actions()[1]);
        third = menu.actionGeometry(menu.actions()[2]);
        shot = menu.grab().toImage();
        QTest::keyClick(&menu, Qt::Key_Escape);
    });

    const QColor highlight = PieceMenu()->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(shot.pixelColor(second.right() - 2, second.top() + 1), highlight);
    EXPECT_EQ(shot.pixelColor(third.right() - 2, third.top() + 1), QColor(192, 192, 192));
}

TEST_F(PieceMenuTest, OpensWithItsTopLeftCornerOnTheCellCentre)
{
    StartGame();
    for (const CellPosition cell : {CellPosition{0, 0}, CellPosition{4, 7}, CellPosition{9, 2}}) {
        NestedLoopDriver driver;
        driver.ExpectMenu(MenuChoice::Keys({Qt::Key_Escape}));
        QWidget* button = Cell(cell.row, cell.column);
        ClickWith(driver, button);
        ASSERT_EQ(driver.MenuGeometries().size(), 1u);
        const QPoint centre = button->mapToGlobal(QPoint(button->width() / 2, button->height() / 2));
        EXPECT_EQ(driver.MenuGeometries()[0].topLeft(), centre) << cell.row << "," << cell.column;
    }
}

// Near the bottom-right corner of the screen the menu moves in just far enough to be seen whole.
TEST_F(PieceMenuTest, StaysOnTheScreenNearItsEdges)
{
    const QRect screen = dialog->screen()->availableGeometry();
    QWidget* cell = Cell(9, 9);
    const QPoint centre = cell->mapToGlobal(QPoint(cell->width() / 2, cell->height() / 2));
    dialog->move(dialog->pos() + screen.bottomRight() - QPoint(40, 40) - centre);
    StartGame();
    NestedLoopDriver driver;
    driver.ExpectMenu(MenuChoice::Keys({Qt::Key_Escape}));
    ClickWith(driver, cell);

    ASSERT_EQ(driver.MenuGeometries().size(), 1u);
    const QRect menu = driver.MenuGeometries()[0];
    EXPECT_EQ(menu.bottomRight(), screen.bottomRight());
    EXPECT_GT(menu.height(), 40);
    EXPECT_GT(menu.width(), 40);
}

struct ButtonCase {
    const char* name;
    Qt::MouseButton button;
    int command;
    PieceKind expected;
};

class MouseChoiceTest : public GameWindowFixture, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(MouseChoiceTest, EitherMouseButtonChoosesAnItem)
{
    StartGame();
    Mark(3, 3, MenuChoice::Click(GetParam().command, GetParam().button));
    EXPECT_EQ(dialog->GetMark(Cell(3, 3)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PieceMenuTest, MouseChoiceTest,
                         ::testing::Values(ButtonCase{"LeftTop", Qt::LeftButton, 3000, NORTH},
                                           ButtonCase{"RightTop", Qt::RightButton, 3000, NORTH},
                                           ButtonCase{"LeftSubmarine", Qt::LeftButton, 3004, ROUND},
                                           ButtonCase{"RightWater", Qt::RightButton, 3006, WATER},
                                           ButtonCase{"RightFillRow", Qt::RightButton, 3008, WATER}),
                         [](const auto& info) { return std::string(info.param.name); });

// Arrows and Enter choose every picture item, whatever the cell showed before.
TEST_F(PieceMenuTest, ArrowsAndEnterChooseEveryPiece)
{
    StartGame();
    for (int kind = 0; kind < PieceKindCount; ++kind) {
        Mark(3, 3, MenuChoice::Arrows(3000 + kind));
        EXPECT_EQ(dialog->GetMark(Cell(3, 3)), kind);
    }
}

// The fills, chosen by arrows, by mnemonic or by going up past the top, from cell (3, 3) with a square
// already in its row and a left end in its column: only UNKNOWN cells of the line turn to water.
struct FillCase {
    const char* name;
    NestedLoopDriver::MenuAction choice;
    const char* marks;
};

class FillTest : public GameWindowFixture, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillTest, TurnsTheUnknownCellsOfTheLineToWater)
{
    StartGame();
    Mark(3, 5, SQUARE);
    Mark(6, 3, WEST);
    Mark(3, 3, GetParam().choice);
    EXPECT_EQ(MarksPicture(), PictureOf(MarksFromPicture(GetParam().marks)));
}

constexpr const char* RowFilled = R"(
    ? ? ? ? ? ? ? ? ? ?
    ? ? ? ? ? ? ? ? ? ?
    ? ? ? ? ? ? ? ? ? ?
    . . . . . # . . . .
    ? ? ? ? ? ? ? ? ? ?
    ? ? ? ? ? ? ? ? ? ?
    ? ? ? < ? ? ? ? ? ?
    ? ? ? ? ? ? ? ? ? ?
    ? ? ? ? ? ? ? ? ? ?
    ? ? ? ? ? ? ? ? ? ?
)";

constexpr const char* ColumnFilled = R"(
    ? ? ? . ? ? ? ? ? ?
    ? ? ? . ? ? ? ? ? ?
    ? ? ? . ? ? ? ? ? ?
    ? ? ? . ? # ? ? ? ?
    ? ? ? . ? ? ? ? ? ?
    ? ? ? . ? ? ? ? ? ?
    ? ? ? < ? ? ? ? ? ?
    ? ? ? . ? ? ? ? ? ?
    ? ? ? . ? ? ? ? ? ?
    ? ? ? . ? ? ? ? ? ?
)";

const FillCase FillCases[] = {
    {"RowByArrows", MenuChoice::Arrows(3008), RowFilled},
    {"ColumnByArrows", MenuChoice::Arrows(3009), ColumnFilled},
    {"RowByMnemonic", MenuChoice::Keys({Qt::Key_R}), RowFilled},
    {"ColumnByMnemonic", MenuChoice::Keys({Qt::Key_C}), ColumnFilled},
    {"ColumnByGoingUpFromTheTop", MenuChoice::Keys({Qt::Key_Up, Qt::Key_Return}), ColumnFilled},
    {"RowByMouse", MenuChoice::Click(3008), RowFilled},
};

INSTANTIATE_TEST_SUITE_P(PieceMenuTest, FillTest, ::testing::ValuesIn(FillCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A fill leaves clue cells as they are; a second fill of the same line finds nothing to do.
TEST_F(PieceMenuTest, FillPassesOverClueCellsAndRepeatsToNoEffect)
{
    StartGame();
    Clue();
    Mark(7, 0, SOUTH);
    Mark(7, 3, MenuChoice::Keys({Qt::Key_R}));
    const std::string filled = MarksPicture();
    EXPECT_EQ(filled.substr(7 * 11, 10), "v.....o...");
    EXPECT_EQ(dialog->GetMark(Cell(7, 6)), ROUND);
    EXPECT_TRUE(Cell(7, 6)->IsReadOnly());

    Mark(7, 9, MenuChoice::Keys({Qt::Key_R}));
    EXPECT_EQ(MarksPicture(), filled);
    EXPECT_EQ(UndoDepth(), 2) << "the south end and the first fill, and no step for the second";
}

struct DismissCase;

class DismissTest : public GameWindowFixture, public ::testing::WithParamInterface<DismissCase> {
public:
    using GameWindowFixture::Cell;
    using GameWindowFixture::Item;
};

struct DismissCase {
    const char* name;
    NestedLoopDriver::MenuAction (*dismiss)(const DismissTest&);
};

// Closing the menu without a choice runs no command: no mark, no undo step, and the click that closed it
// goes nowhere else (no second menu, no clue).
TEST_P(DismissTest, ClosesWithoutACommand)
{
    StartGame();
    Mark(0, 0, NORTH);
    const std::string marks = MarksPicture();

    NestedLoopDriver driver;
    driver.ExpectMenu(GetParam().dismiss(*this));
    ClickWith(driver, Cell(5, 5));

    EXPECT_FALSE(QApplication::activePopupWidget());
    EXPECT_EQ(MarksPicture(), marks);
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "0");
    EXPECT_TRUE(InProgress());
    EXPECT_EQ(UndoDepth(), 1) << "the north end alone";
}

const DismissCase DismissCases[] = {
    {"Escape", [](const DismissTest&) { return MenuChoice::Keys({Qt::Key_Escape}); }},
    {"EscapeAfterMovingDown",
     [](const DismissTest&) { return MenuChoice::Keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Escape}); }},
    {"ClickOnAnotherCell", [](const DismissTest& test) { return MenuChoice::ClickBeside(test.Cell(0, 0)); }},
    {"ClickOnClue", [](const DismissTest& test) { return MenuChoice::ClickBeside(test.Item(IDC_CLUE)); }},
};

INSTANTIATE_TEST_SUITE_P(PieceMenuTest, DismissTest, ::testing::ValuesIn(DismissCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
