// The game window built from its template: its controls, their pixel rectangles and order, and its state after start-up.
#include "MainWindowFixture.h"

#include "DialogUnits.h"
#include "Pictures.h"
#include "Templates.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <set>

namespace {

using GameWindowLayout = MainWindowFixture;

constexpr int RowCount = IDC_FIRST_ROW_COUNT;
constexpr int ColumnCount = IDC_FIRST_COLUMN_COUNT;
constexpr int ColumnLetter = IDC_FIRST_COLUMN_LETTER;
constexpr int ShipCheck = IDC_FIRST_SHIP_CHECK;

bool IsPictureSizedLabel(int id)
{
    for (int first : {RowCount, ColumnCount, ColumnLetter})
        if (id >= first && id < first + BoardSize)
            return true;
    return false;
}

// The widget each kind of template control becomes.
bool HasWidgetOfKind(QWidget* widget, ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton: return qobject_cast<QPushButton*>(widget) != nullptr;
    case ControlKind::OwnerDrawButton: return qobject_cast<CBitmapButton*>(widget) != nullptr;
    case ControlKind::AutoCheckBox: return qobject_cast<QCheckBox*>(widget) != nullptr;
    case ControlKind::GroupBox: return qobject_cast<QGroupBox*>(widget) != nullptr;
    case ControlKind::Static:
    case ControlKind::StaticPicture:
    case ControlKind::StaticIcon: return qobject_cast<QLabel*>(widget) != nullptr;
    }
    return false;
}

TEST_F(GameWindowLayout, IsAFixedWindowWithItsTitleAndIcon)
{
    EXPECT_EQ(dialog->windowTitle(), "Corvane");
    const DialogUnits units(dialog->font());
    EXPECT_EQ(dialog->size(), QSize(units.ToPixelsX(341), units.ToPixelsY(264)));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window) << "a top-level window with its own task-bar button";
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    const QList<QSize> iconSizes = dialog->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
}

// The widgets are created in template order, one of the right kind per control, each at its rectangle
// converted from dialog units; creation order is the stacking order of the window's children.
TEST_F(GameWindowLayout, WidgetsFollowTheTemplate)
{
    const auto& controls = MainDialogTemplate().controls;
    const auto& widgets = dialog->Controls();
    ASSERT_EQ(widgets.size(), 180u);
    ASSERT_EQ(controls.size(), 180u);
    const DialogUnits units(dialog->font());
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& control = controls[i];
        QWidget* widget = widgets[i];
        SCOPED_TRACE(testing::Message() << "control " << i << " id " << control.id);
        EXPECT_EQ(widget->parentWidget(), dialog.get());
        EXPECT_EQ(dialog->GetDlgCtrlID(widget), control.id);
        EXPECT_TRUE(HasWidgetOfKind(widget, control.kind));
        const QRect rect = units.ToPixels(control.x, control.y, control.cx, control.cy);
        EXPECT_EQ(widget->pos(), rect.topLeft());
        if (control.kind != ControlKind::StaticPicture && !IsPictureSizedLabel(control.id)) {
            EXPECT_EQ(widget->size(), rect.size());
        }
        EXPECT_EQ(widget->isVisibleTo(dialog.get()), !(control.style & Hidden));
    }

    std::vector<QWidget*> stacking;
    for (QObject* child : dialog->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            stacking.push_back(widget);
    EXPECT_EQ(stacking, widgets);
}

// Rectangles worked out by hand in dialog units, converted with the base units of the font in use.
TEST_F(GameWindowLayout, PixelRectanglesOfLandmarks)
{
    const DialogUnits units(dialog->font());
    const struct {
        int id;
        int x, y, cx, cy;
    } cases[] = {
        {IDC_FIRST_CELL, 21, 40, 15, 15},        {IDC_LAST_CELL, 165, 184, 15, 15},
        {IDC_STATUS, 4, 223, 333, 22},           {IDC_START_GAME, 4, 248, 41, 14},
        {IDC_EXIT, 308, 248, 29, 14},            {IDC_FIRST_SHIP_CHECK, 218, 41, 46, 10},
        {IDC_FIRST_SHIP_CHECK + 9, 218, 194, 46, 10}, {IDC_GAME_NUMBER, 53, 2, 17, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(Item(c.id)->geometry(), units.ToPixels(c.x, c.y, c.cx, c.cy));
    }
}

// Tab visits the focusable controls in template order: the focus chain is the template order.
TEST_F(GameWindowLayout, FocusChainIsTemplateOrder)
{
    const auto& widgets = dialog->Controls();
    const std::set<QWidget*> controls(widgets.begin(), widgets.end());
    std::vector<QWidget*> chain;
    QWidget* widget = widgets.front();
    do {
        if (controls.count(widget))
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != widgets.front() && chain.size() <= widgets.size());
    EXPECT_EQ(chain, widgets);
}

// The fleet panel shows each ship picture whole, at its own size, beside its check box.
TEST_F(GameWindowLayout, ShipPicturesAtTheirOwnSize)
{
    const int lengths[] = {4, 3, 3, 2, 2, 2, 1, 1, 1, 1};
    const auto& widgets = dialog->Controls();
    const auto& controls = MainDialogTemplate().controls;
    int shown = 0;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::StaticPicture)
            continue;
        ASSERT_LT(shown, 10);
        const QString name = QStringLiteral("IDB_COUNT_%1").arg(lengths[shown]);
        SCOPED_TRACE(name.toStdString());
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->size(), QSize(22 * lengths[shown], 22));
        const QImage expected = LoadBitmap(name).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(label->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
        // Beside its check box, inside the panel's frame.
        const QWidget* box = Item(ShipCheck + shown);
        EXPECT_GT(label->x(), box->geometry().right());
        EXPECT_EQ(label->y(), box->y());
        EXPECT_TRUE(widgets[149]->geometry().contains(label->geometry()));
        ++shown;
    }
    EXPECT_EQ(shown, 10);
}

// The thirty count and letter labels take the size of a cell picture, keeping their corners;
// the cells and the row labels keep their template sizes.
TEST_F(GameWindowLayout, SizeLabelsMakesTheCountsAsLargeAsAPicture)
{
    const DialogUnits units(dialog->font());
    const QSize picture = LoadBitmap("IDB_NORTH_D").size();
    for (int first : {RowCount, ColumnCount, ColumnLetter}) {
        for (int id = first; id < first + BoardSize; ++id) {
            SCOPED_TRACE(id);
            EXPECT_EQ(Item(id)->size(), picture);
        }
    }
    EXPECT_EQ(Item(RowCount + 3)->pos(), units.ToPixels(183, 88, 15, 15).topLeft());
    EXPECT_EQ(Item(ColumnLetter + 9)->pos(), units.ToPixels(165, 28, 15, 8).topLeft());
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        ASSERT_EQ(Item(id)->size(), units.ToPixels(0, 0, 15, 15).size()) << id;
    EXPECT_EQ(dialog->Controls()[19]->size(), units.ToPixels(0, 0, 8, 15).size()) << "row label";
}

// Right after start-up only Start Game, Score, Help, About and Exit can be used, the focus is on
// Start Game, the counts, game number, score and status line are empty and the top line shows the stored totals.
TEST_F(GameWindowLayout, StateRightAfterStartUp)
{
    TotalsStore store = TotalsStore::ForUser(app.RegistryKey(), app.AppName());
    store.Add({3, 2});
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    store.Clear();

    EXPECT_EQ(QApplication::focusWidget(), Item(IDC_START_GAME));
    for (int id : {IDC_START_GAME, IDC_SCORE, IDC_HELP, IDC_ABOUT, IDC_EXIT})
        EXPECT_TRUE(Item(id)->isEnabled()) << id;
    for (int id : {IDC_GIVE_UP, IDC_CLUE, IDC_UNDO, IDC_HIDDEN_DEFAULT})
        EXPECT_FALSE(Item(id)->isEnabled()) << id;
    for (int k = 0; k < 10; ++k) {
        auto* box = qobject_cast<QCheckBox*>(Item(ShipCheck + k));
        EXPECT_FALSE(box->isEnabled()) << k;
        EXPECT_FALSE(box->isChecked()) << k;
    }
    const QImage tile = LoadBitmap("IDB_UNKNOWN_U").convertToFormat(QImage::Format_RGB32);
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        CBitmapButton* cell = dialog->CellById(id);
        SCOPED_TRACE(id);
        EXPECT_FALSE(cell->isEnabled());
        EXPECT_EQ(cell->text(), "7");
        EXPECT_EQ(dialog->GetMark(cell), UNKNOWN);
        EXPECT_EQ(cell->grab().toImage().copy(0, 0, 22, 22).convertToFormat(QImage::Format_RGB32), tile);
    }
    for (int first : {RowCount, ColumnCount})
        for (int id = first; id < first + BoardSize; ++id)
            EXPECT_EQ(dialog->GetDlgItemText(id), "") << id;
    for (int id : {IDC_GAME_NUMBER, IDC_CURRENT_SCORE, IDC_STATUS})
        EXPECT_EQ(dialog->GetDlgItemText(id), "") << id;
    EXPECT_EQ(dialog->GetDlgItemText(IDC_TOTAL_GAMES), "3");
    EXPECT_EQ(dialog->GetDlgItemText(IDC_AVERAGE_SCORE), ".66");
}

// Pixels of an area of a control dark enough to read as text on the light grey face.
int InkIn(QWidget* control, const QRect& area)
{
    const QImage image = control->grab().toImage();
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 160;
    return ink;
}

// The names of the ships and the buttons that cannot be used yet are greyed, not lost in the face.
TEST_F(GameWindowLayout, DisabledTextsStillRead)
{
    std::vector<int> ids = {IDC_GIVE_UP, IDC_CLUE, IDC_UNDO};
    for (int k = 0; k < 10; ++k)
        ids.push_back(ShipCheck + k);
    for (int id : ids) {
        SCOPED_TRACE(id);
        auto* button = qobject_cast<QAbstractButton*>(Item(id));
        ASSERT_FALSE(button->isEnabled());
        // Where the text goes: centred in a button, after the square of a check box.
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        QRect area(QPoint(), text);
        area.moveCenter(button->rect().center());
        if (qobject_cast<QCheckBox*>(button)) {
            QStyleOptionButton option;
            option.initFrom(button);
            area = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        }
        EXPECT_GT(InkIn(button, area), text.width()) << button->text().toStdString();
    }
}

// The cell lookups agree with the control identifiers: row-major from 2000.
TEST_F(GameWindowLayout, CellLookups)
{
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            const int id = 2000 + row * 10 + column;
            ASSERT_EQ(dialog->CellAt(row, column), Item(id)) << id;
            ASSERT_EQ(dialog->CellById(id), Item(id)) << id;
        }
    }
}

} // namespace
