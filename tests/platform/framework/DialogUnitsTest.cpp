// Dialog units become pixels through the dialog font, and every text of the game window fits its control.
#include "MainWindowFixture.h"

#include "ClassicFont.h"
#include "DialogUnits.h"
#include "Templates.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>

namespace {

// The dialog font is a real installed family, not a substitute: the layout was measured with it.
TEST(DialogFont, IsCarlitoAtEightPoints)
{
    const QFontInfo info(DialogFont(8));
    EXPECT_EQ(info.family(), "Carlito");
    EXPECT_EQ(info.pointSize(), 8);
}

// At the 96 dots per inch of the test screen, 8-point Carlito averages 6 pixels per letter and is 13 high.
TEST(DialogUnits, BaseUnitsOfTheDialogFont)
{
    const DialogUnits units(DialogFont(8));
    EXPECT_EQ(units.BaseX(), 6);
    EXPECT_EQ(units.BaseY(), 13);
}

// A horizontal unit is a quarter of the base width, a vertical one an eighth of the base height,
// rounded to the nearest pixel with halves rounded up.
TEST(DialogUnits, ConvertsAndRoundsLikeTheDialogManager)
{
    const DialogUnits units(DialogFont(8));
    const struct {
        int dlu, x, y;
    } cases[] = {
        {0, 0, 0},     {1, 2, 2},   {2, 3, 3},    {4, 6, 7},      {8, 12, 13},
        {14, 21, 23},  {15, 23, 24}, {40, 60, 65}, {256, 384, 416}, {341, 512, 554},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dlu);
        EXPECT_EQ(units.ToPixelsX(c.dlu), c.x);
        EXPECT_EQ(units.ToPixelsY(c.dlu), c.y);
    }
    EXPECT_EQ(units.ToPixels(21, 40, 15, 15), QRect(32, 65, 23, 24));
}

// The text without its mnemonic marker, as the control shows it.
QString Shown(QString text) { return text.remove(QLatin1Char('&')); }

// The rectangle in which a control draws its text, as the style lays the control out.
QRect TextRoom(QWidget* control)
{
    QStyle* style = control->style();
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    }
    if (qobject_cast<QGroupBox*>(control)) {
        // The title sits on the frame's top line, a character in from either side.
        const int indent = control->fontMetrics().averageCharWidth();
        return QRect(indent, 0, control->width() - 2 * indent, control->fontMetrics().height());
    }
    return control->contentsRect();
}

using GameWindowTexts = MainWindowFixture;

// Every label, button, check box and group title of the game window shows its whole text on one line.
TEST_F(GameWindowTexts, EveryTextFitsItsControl)
{
    const auto& templateControls = MainDialogTemplate().controls;
    ASSERT_EQ(dialog->Controls().size(), templateControls.size());
    int measured = 0;
    for (size_t i = 0; i < templateControls.size(); ++i) {
        const ControlTemplate& control = templateControls[i];
        if (control.text.isEmpty() || control.kind == ControlKind::StaticPicture)
            continue;
        QWidget* widget = dialog->Controls()[i];
        const QFontMetrics metrics(widget->font());
        const QRect room = TextRoom(widget);
        SCOPED_TRACE(control.text.toStdString());
        EXPECT_EQ(QFontInfo(widget->font()).family(), "Carlito");
        EXPECT_LE(metrics.horizontalAdvance(Shown(control.text)), room.width());
        EXPECT_LE(metrics.height(), room.height());
        EXPECT_TRUE(widget->rect().contains(room)) << "text area outside the control";
        ++measured;
    }
    // 4 top-line labels, 2 group boxes, 10 column letters, 10 row labels, 10 check boxes, 8 visible buttons.
    EXPECT_EQ(measured, 44);
}

} // namespace
