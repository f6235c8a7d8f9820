// The finish of the game window: the piece menu's frame and face, check boxes as wide as their
// rectangles, and prompts in the same look as the window.
#include "GameWindowFixture.h"

#include "ClassicStyle.h"
#include "DialogUnits.h"
#include "PixelProbe.h"
#include "Templates.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPainter>
#include <QStyleOptionButton>

#include <vector>

namespace {

using ClassicLook = GameWindowFixture;

// A raised frame all round: light grey then white on the top and left, black then dark grey on the
// bottom and right; inside it one face colour, behind the pictures and the text items alike.
TEST_F(ClassicLook, PieceMenuHasARaisedFrameAllRoundAndOneFace)
{
    StartGame();
    QImage menu;
    {
        NestedLoopDriver driver;
        driver.ExpectMenu([&menu](CPieceMenu& m) {
            menu = m.grab().toImage().convertToFormat(QImage::Format_RGB32);
            m.close();
        });
        ClickWith(driver, Cell(6, 7));
    }
    ASSERT_FALSE(menu.isNull());
    const int w = menu.width(), h = menu.height();
    EXPECT_EQ(CountOtherThan(menu, QRect(0, 0, w - 1, 1), lightGrey), 0) << "outer top";
    EXPECT_EQ(CountOtherThan(menu, QRect(0, 0, 1, h - 1), lightGrey), 0) << "outer left";
    EXPECT_EQ(CountOtherThan(menu, QRect(0, h - 1, w, 1), black), 0) << "outer bottom";
    EXPECT_EQ(CountOtherThan(menu, QRect(w - 1, 0, 1, h), black), 0) << "outer right";
    EXPECT_EQ(CountOtherThan(menu, QRect(1, 1, w - 3, 1), white), 0) << "inner top";
    EXPECT_EQ(CountOtherThan(menu, QRect(1, 1, 1, h - 3), white), 0) << "inner left";
    EXPECT_EQ(CountOtherThan(menu, QRect(1, h - 2, w - 2, 1), darkGrey), 0) << "inner bottom";
    EXPECT_EQ(CountOtherThan(menu, QRect(w - 2, 1, 1, h - 2), darkGrey), 0) << "inner right";

    // Inside the edge a ring of face, then the items. The right-hand column of the items: face all the
    // way down, but for the separator's etched line, which runs across the whole width.
    const int ring = 2, inside = w - ring - 2;
    EXPECT_EQ(CountOtherThan(menu, QRect(ring, ring, w - 2 * ring, h - 2 * ring), lightGrey),
              CountOtherThan(menu, QRect(ring + 1, ring + 1, w - 2 * ring - 2, h - 2 * ring - 2), lightGrey))
        << "a ring of face inside the edge";
    int etched = -1;
    for (int y = 2; y < h - 2; ++y)
        if (menu.pixel(inside, y) != lightGrey) {
            EXPECT_EQ(menu.pixel(inside, y), darkGrey) << y;
            EXPECT_EQ(menu.pixel(inside, y + 1), white) << y;
            EXPECT_EQ(etched, -1) << "one separator line";
            etched = y++;
        }
    ASSERT_GT(etched, h / 2) << "the separator stands below the pictures";
    const QRect across(ring + 1, etched, w - 2 * ring - 2, 1);
    EXPECT_EQ(CountOtherThan(menu, across, darkGrey), 0) << "the separator spans the menu";
    EXPECT_EQ(CountOtherThan(menu, across.translated(0, 1), white), 0);
    // The text items stand on the same face as the pictures.
    EXPECT_EQ(CountOtherThan(menu, QRect(ring, etched + 3, 8, h - etched - 6), lightGrey), 0);
}

// A click anywhere inside a check box's template rectangle ticks it, right of its text too.
TEST_F(ClassicLook, CheckBoxesAreTheirWholeTemplateRectangle)
{
    StartGame();
    const DialogUnits units(dialog->font());
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        auto* box = qobject_cast<QCheckBox*>(Item(IDC_FIRST_SHIP_CHECK + k));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->geometry(), units.ToPixels(218, 41 + 17 * k, 46, 10));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(box->width() - 2, box->height() / 2));
        EXPECT_TRUE(box->isChecked());
    }
}

// The Give Up prompt: the window's grey face, buttons without icons, the dialogs' font.
TEST_F(ClassicLook, PromptsShareTheWindowsLook)
{
    StartGame();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()), 5000);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = true;
        EXPECT_EQ(box->palette().color(QPalette::Window), QColor(lightGrey));
        EXPECT_EQ(box->palette().color(QPalette::Button), QColor(lightGrey));
        EXPECT_EQ(box->font(), dialog->font());
        EXPECT_EQ(box->style(), dialog->style());
        for (QAbstractButton* button : box->buttons()) {
            EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
            // No tinted face and no coloured glow: the grey of the window's own buttons, and a black line
            // around the default one.
            const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int tinted = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    tinted += qBlue(image.pixel(x, y)) != qRed(image.pixel(x, y));
            EXPECT_EQ(tinted, 0) << button->text().toStdString();
            EXPECT_EQ(image.pixel(5, image.height() / 2), lightGrey) << button->text().toStdString();
            if (button == box->defaultButton()) {
                EXPECT_EQ(CountOtherThan(image, QRect(0, 0, image.width(), 1), black), 0) << "the default's black line";
            }
        }
        const QImage face = box->grab().toImage();
        EXPECT_EQ(face.pixel(face.width() / 2, 2), lightGrey);
        box->reject();
    });
    Button(IDC_GIVE_UP)->click();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(InProgress()) << "No changes nothing";
}

// Push buttons and check boxes drawn at each scale: every line of their edges is as many device pixels
// wide as the scale rounds to, on all four sides alike, so a fractional scale gives no lopsided bevel.
// What the classic style draws of one element of a button, on magenta, at a device pixel ratio.
QImage DrawnAt(QStyle::PrimitiveElement element, QStyle::State state, QStyleOptionButton::ButtonFeatures features,
               QSize logical, double ratio)
{
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    const ClassicStyle style(ClassicPalette());
    QStyleOptionButton option;
    option.rect = QRect(QPoint(), logical);
    option.state = state;
    option.palette = ClassicPalette();
    option.features = features;
    {
        QPainter painter(&image);
        style.drawPrimitive(element, &option, &painter);
    }
    return image;
}

struct EdgeCase {
    const char* what;
    QStyle::PrimitiveElement element;
    QStyle::State state;
    bool isDefault;
    std::vector<QRgb> topLeft;     // the lines from the outside in, on the top and on the left
    std::vector<QRgb> bottomRight; // the same on the bottom and on the right
};

const EdgeCase EdgeCases[] = {
    {"button", QStyle::PE_PanelButtonCommand, QStyle::State_Enabled | QStyle::State_Raised, false,
     {white, lightGrey}, {black, darkGrey}},
    {"default button", QStyle::PE_PanelButtonCommand, QStyle::State_Enabled | QStyle::State_Raised, true,
     {black, white, lightGrey}, {black, black, darkGrey}},
    {"pressed button", QStyle::PE_PanelButtonCommand, QStyle::State_Enabled | QStyle::State_Sunken, true,
     {black, darkGrey}, {black, darkGrey}},
    {"check box", QStyle::PE_IndicatorCheckBox, QStyle::State_Enabled | QStyle::State_Off, false,
     {darkGrey, black}, {white, lightGrey}},
};

void PrintTo(const EdgeCase& edge, std::ostream* out) { *out << edge.what; }

class EdgesAtEveryScale : public ::testing::TestWithParam<std::tuple<EdgeCase, double>> {};

TEST_P(EdgesAtEveryScale, HaveEqualLinesOnEverySide)
{
    const auto& [edge, ratio] = GetParam();
    const QImage image = DrawnAt(edge.element, edge.state,
                                 edge.isDefault ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None,
                                 QSize(40, 20), ratio);
    const int line = std::max(1, qRound(ratio)), w = image.width(), h = image.height();
    for (int k = 0; k < int(edge.topLeft.size()) * line; ++k) {
        const QRgb tl = edge.topLeft[k / line], br = edge.bottomRight[k / line];
        EXPECT_EQ(image.pixel(k, h / 2), tl) << "left " << k;
        EXPECT_EQ(image.pixel(w / 2, k), tl) << "top " << k;
        EXPECT_EQ(image.pixel(w - 1 - k, h / 2), br) << "right " << k;
        EXPECT_EQ(image.pixel(w / 2, h - 1 - k), br) << "bottom " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, EdgesAtEveryScale,
                         ::testing::Combine(::testing::ValuesIn(EdgeCases),
                                            ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 3.0)));

// A ticked box at each scale: the classic check mark of seven columns three pixels tall, each pixel of it
// a whole square of device pixels, so the mark keeps its shape at a fractional scale and stays in its well.
class CheckMarkAtEveryScale : public ::testing::TestWithParam<double> {};

TEST_P(CheckMarkAtEveryScale, KeepsItsShape)
{
    const double ratio = GetParam();
    const QImage image = DrawnAt(QStyle::PE_IndicatorCheckBox, QStyle::State_Enabled | QStyle::State_On,
                                 QStyleOptionButton::None, QSize(13, 13), ratio);
    // The edge's lines are rounded up at a fractional scale, the mark's pixels down, so it fits inside them.
    const int line = std::max(1, qRound(ratio)), pixel = std::max(1, int(ratio));
    const QRect inside = QRect(QPoint(), image.size()).adjusted(2 * line, 2 * line, -2 * line, -2 * line);
    QRect mark;
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixel(x, y) == black) {
                mark |= QRect(x, y, 1, 1);
                ++count;
            }
    EXPECT_EQ(mark.size(), QSize(7, 7) * pixel);
    EXPECT_EQ(count, 7 * 3 * pixel * pixel);
    EXPECT_EQ(CountOtherThan(image, inside, white), count) << "the mark in black on white, nothing else";
}

INSTANTIATE_TEST_SUITE_P(Scales, CheckMarkAtEveryScale, ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 3.0));

} // namespace
