// The one look of every window: the grey classic desktop, bevelled buttons, sunken check boxes, raised menus, dotted focus.
#include "ClassicStyle.h"

#include "DialogUnits.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <array>
#include <span>

namespace {

constexpr QRgb Face = qRgb(192, 192, 192);
constexpr QRgb Shadow = qRgb(128, 128, 128);
constexpr QRgb Highlight = qRgb(0, 0, 128);
constexpr int DialogPointSize = 8;

// Menus: a two-line raised edge and one line of face inside it; text items indented like the pictures' labels.
constexpr int MenuEdge = 2;
constexpr int MenuPanelWidth = MenuEdge + 1;
constexpr int MenuTextIndent = 22;
constexpr int MenuTextRightMargin = 12;
constexpr int SeparatorHeight = 9;

// An edge is a few lines from the outside in, each with one colour on the top and left and another on the
// bottom and right.
struct EdgeLine {
    QRgb topLeft, bottomRight;
};

constexpr QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0);
// The raised edge of a menu, a push button's, a default or pressed push button's, and a check box's well.
constexpr std::array<EdgeLine, 2> RaisedEdge = {{{Face, Black}, {White, Shadow}}};
constexpr std::array<EdgeLine, 2> ButtonEdge = {{{White, Black}, {Face, Shadow}}};
constexpr std::array<EdgeLine, 3> DefaultButtonEdge = {{{Black, Black}, {White, Black}, {Face, Shadow}}};
constexpr std::array<EdgeLine, 2> PressedButtonEdge = {{{Black, Black}, {Shadow, Shadow}}};
constexpr std::array<EdgeLine, 2> SunkenEdge = {{{Shadow, White}, {Black, Face}}};

// The classic check mark: seven columns, each three pixels tall, falling then rising.
constexpr std::array<int, 7> CheckMarkTops = {2, 3, 4, 3, 2, 1, 0};
constexpr QSize CheckMarkSize(7, 7);

// While it lives, the painter draws in device pixels: lines and marks are whole device pixels, each
// pixel of the classic design as many of them as the screen's scale rounds to, so that at a fractional
// scale the four sides of an edge come out equally wide and a mark keeps its shape.
class DevicePixels {
public:
    explicit DevicePixels(QPainter& painter)
        : painter(painter), ratio(painter.device() ? painter.device()->devicePixelRatioF() : 1.0),
          pixel(std::max(1, qRound(ratio)))
    {
        painter.save();
        painter.scale(1 / ratio, 1 / ratio);
    }
    ~DevicePixels() { painter.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    int Pixel() const { return pixel; }
    // At most one pixel of the design, for a mark that has to stay inside the lines around it.
    int InnerPixel() const { return std::max(1, int(ratio)); }
    int Map(int logical) const { return qRound(logical * ratio); }
    QRect Map(const QRect& logical) const
    {
        return QRect(QPoint(Map(logical.left()), Map(logical.top())),
                     QPoint(Map(logical.right() + 1) - 1, Map(logical.bottom() + 1) - 1));
    }

private:
    QPainter& painter;
    qreal ratio;
    int pixel;
};

void DrawEdge(QPainter& painter, const QRect& rect, std::span<const EdgeLine> lines)
{
    const DevicePixels device(painter);
    const int width = device.Pixel();
    QRect r = device.Map(rect);
    for (const EdgeLine& line : lines) {
        painter.fillRect(r.left(), r.top(), r.width() - width, width, QColor(line.topLeft));
        painter.fillRect(r.left(), r.top(), width, r.height() - width, QColor(line.topLeft));
        painter.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, QColor(line.bottomRight));
        painter.fillRect(r.right() + 1 - width, r.top(), width, r.height(), QColor(line.bottomRight));
        r.adjust(width, width, -width, -width);
    }
}

// A push button on the face: the default one wears a black line around its raised edge, a pressed one a
// black line and a dark grey one.
void DrawButtonPanel(QPainter& painter, const QStyleOption& option)
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option);
    const bool isDefault = button && (button->features & QStyleOptionButton::DefaultButton);
    const bool pressed = option.state & (QStyle::State_Sunken | QStyle::State_On);
    painter.fillRect(option.rect, option.palette.button());
    if (pressed)
        DrawEdge(painter, option.rect, PressedButtonEdge);
    else if (isDefault)
        DrawEdge(painter, option.rect, DefaultButtonEdge);
    else
        DrawEdge(painter, option.rect, ButtonEdge);
}

// A sunken white well, face-coloured when the box cannot be used, with the black check mark when ticked.
void DrawCheckBox(QPainter& painter, const QStyleOption& option)
{
    const QRect well = option.rect;
    painter.fillRect(well, option.palette.base());
    DrawEdge(painter, well, SunkenEdge);
    if (!(option.state & QStyle::State_On))
        return;
    const QColor mark = option.palette.color(QPalette::Text);
    const DevicePixels device(painter);
    const int pixel = device.InnerPixel();
    const QPoint origin =
        device.Map(well).center() - QPoint(CheckMarkSize.width() / 2, CheckMarkSize.height() / 2) * pixel;
    for (int column = 0; column < int(CheckMarkTops.size()); ++column)
        painter.fillRect(origin.x() + column * pixel, origin.y() + CheckMarkTops[column] * pixel, pixel, 3 * pixel,
                         mark);
}

void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter, const QStyle& style)
{
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        // An etched line across the whole width of the menu.
        const int y = item.rect.center().y();
        painter.fillRect(item.rect, item.palette.window());
        painter.fillRect(item.rect.left(), y, item.rect.width(), 1, QColor(Shadow));
        painter.fillRect(item.rect.left(), y + 1, item.rect.width(), 1, Qt::white);
        return;
    }
    const bool selected = (item.state & QStyle::State_Selected) && (item.state & QStyle::State_Enabled);
    painter.fillRect(item.rect, selected ? item.palette.highlight() : item.palette.window());
    const QRect text = item.rect.adjusted(MenuTextIndent, 0, -MenuTextRightMargin, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    style.drawItemText(&painter, text, flags, item.palette, item.state & QStyle::State_Enabled,
                       item.text.section(QLatin1Char('\t'), 0, 0),
                       selected ? QPalette::HighlightedText : QPalette::WindowText);
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QPalette ClassicStyle::standardPalette() const { return ClassicPalette(); }

QPalette ClassicPalette()
{
    QPalette palette(Qt::black, QColor(Face), Qt::white, QColor(Shadow), QColor(160, 160, 160), Qt::black,
                     Qt::white, Qt::white, QColor(Face));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(Highlight));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    // The darker grey of the pictures' palette: a disabled label or button still reads on the face.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(Shadow));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(Face));
    return palette;
}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return MenuPanelWidth;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    switch (hint) {
    case SH_UnderlineShortcut:
        return 1;
    case SH_DialogButtonBox_ButtonsHaveIcons:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QSize ClassicStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                     const QWidget* widget) const
{
    // The items reach the frame on both sides, so that the highlight and the separator span the menu.
    if (type == CT_Menu)
        return size;
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && item->menuItemType == QStyleOptionMenuItem::Separator)
            return QSize(size.width(), SeparatorHeight);
        if (item) {
            const QFontMetrics metrics(item->font);
            const QString text = QString(item->text).remove(QLatin1Char('&'));
            return QSize(MenuTextIndent + metrics.horizontalAdvance(text) + MenuTextRightMargin,
                         std::max(size.height(), metrics.height() + 6));
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    switch (element) {
    case PE_PanelMenu:
        painter->fillRect(option->rect, option->palette.window());
        return;
    case PE_FrameMenu:
        DrawEdge(*painter, option->rect, RaisedEdge);
        return;
    case PE_PanelButtonCommand:
        DrawButtonPanel(*painter, *option);
        return;
    case PE_IndicatorCheckBox:
        DrawCheckBox(*painter, *option);
        return;
    case PE_FrameFocusRect: {
        // The dotted rectangle of the classic desktop, whatever moved the focus.
        painter->save();
        QPen dots(option->palette.color(QPalette::WindowText), 1, Qt::DotLine);
        painter->setPen(dots);
        painter->setBrush(Qt::NoBrush);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            DrawMenuItem(*item, *painter, *this);
            return;
        }
    }
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        // The button without the base style's own focus glow, then the dotted frame inside its edge.
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            QStyleOptionButton plain = *button;
            plain.state &= ~State_HasFocus;
            QProxyStyle::drawControl(element, &plain, painter, widget);
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*button);
            focus.rect = subElementRect(SE_PushButtonFocusRect, button, widget).adjusted(1, 1, -1, -1);
            drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
            return;
        }
    }
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, option->palette.window());
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ApplyClassicLook(const QIcon& icon)
{
    if (!qobject_cast<ClassicStyle*>(QApplication::style())) {
        auto* style = new ClassicStyle;
        QApplication::setStyle(style);
        QApplication::setPalette(style->standardPalette());
    }
    QApplication::setFont(DialogFont(DialogPointSize));
    QApplication::setWindowIcon(icon);
}
