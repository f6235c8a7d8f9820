// The one look of every window: the grey classic desktop, bevelled buttons, sunken check boxes, raised menus, dotted focus.
#include "ClassicStyle.h"

#include "DialogUnits.h"
#include "PromptIcons.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QFrame>

#include <array>
#include <cmath>
#include <vector>
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

// A push button's dotted focus frame keeps this many pixels of the design from its sides: inside the edge of
// a default button too.
constexpr QMargins ButtonFocusInset(3, 4, 3, 4);

// A group box's frame: its title starts one character in, on a gap in the line a little wider than itself.
constexpr int GroupTitleGap = 2;

// The classic check mark: seven columns, each three pixels tall, falling then rising.
constexpr std::array<int, 7> CheckMarkTops = {2, 3, 4, 3, 2, 1, 0};
constexpr QSize CheckMarkSize(7, 7);

// While it lives, the painter draws in the device's own pixels, and Map tells which of them a rectangle in
// the caller's coordinates covers: each edge on the nearest pixel boundary, the same rule by which the window
// system clips a control whose rectangle ends on a fraction of a device pixel. Lines of the classic design
// are whole device pixels, as many as the screen's scale rounds to, so the four sides of an edge come out
// equally wide at any scale, a mark keeps its shape, and a control's last line lands on its last pixel
// instead of outside its clip.
class DevicePixels {
public:
    explicit DevicePixels(QPainter& painter)
        : painter(painter), toDevice(painter.deviceTransform()),
          ratio(painter.device() ? painter.device()->devicePixelRatioF() : 1.0), pixel(std::max(1, qRound(ratio)))
    {
        painter.save();
        // The world transform that, followed by what the painter adds for the device, changes nothing.
        painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    }
    ~DevicePixels() { painter.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    int Pixel() const { return pixel; }
    // At most one pixel of the design, for a mark that has to stay inside the lines around it.
    int InnerPixel() const { return std::max(1, int(ratio)); }
    QRect Map(const QRect& logical) const
    {
        const QRectF exact = toDevice.mapRect(QRectF(logical));
        return QRect(QPoint(qRound(exact.left()), qRound(exact.top())),
                     QPoint(qRound(exact.right()) - 1, qRound(exact.bottom()) - 1));
    }

private:
    QPainter& painter;
    QTransform toDevice;
    qreal ratio;
    int pixel;
};

// The lines of an edge inside a rectangle of device pixels, each as wide as a pixel of the design.
void DrawEdgeLines(QPainter& painter, QRect r, int width, std::span<const EdgeLine> lines)
{
    for (const EdgeLine& line : lines) {
        painter.fillRect(r.left(), r.top(), r.width() - width, width, QColor(line.topLeft));
        painter.fillRect(r.left(), r.top(), width, r.height() - width, QColor(line.topLeft));
        painter.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, QColor(line.bottomRight));
        painter.fillRect(r.right() + 1 - width, r.top(), width, r.height(), QColor(line.bottomRight));
        r.adjust(width, width, -width, -width);
    }
}

void DrawEdge(QPainter& painter, const QRect& rect, std::span<const EdgeLine> lines)
{
    const DevicePixels device(painter);
    DrawEdgeLines(painter, device.Map(rect), device.Pixel(), lines);
}

// The face of a control and its edge around it.
void DrawPanel(QPainter& painter, const QRect& rect, const QBrush& face, std::span<const EdgeLine> lines)
{
    const DevicePixels device(painter);
    const QRect r = device.Map(rect);
    painter.fillRect(r, face);
    DrawEdgeLines(painter, r, device.Pixel(), lines);
}

// The outline of a rectangle of device pixels, width thick.
void DrawOutline(QPainter& painter, const QRect& r, int width, const QColor& colour)
{
    painter.fillRect(r.left(), r.top(), r.width(), width, colour);
    painter.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, colour);
    painter.fillRect(r.left(), r.top(), width, r.height(), colour);
    painter.fillRect(r.right() + 1 - width, r.top(), width, r.height(), colour);
}

// An etched frame: a dark grey rectangle and a white one a line further right and down, cut into the face.
void DrawEtchedFrame(QPainter& painter, const QRect& rect)
{
    const DevicePixels device(painter);
    const int width = device.Pixel();
    const QRect r = device.Map(rect);
    const QRect dark(r.topLeft(), r.size() - QSize(width, width));
    DrawOutline(painter, dark, width, QColor(Shadow));
    DrawOutline(painter, dark.translated(width, width), width, Qt::white);
}

// The dotted rectangle of the classic desktop around device pixels r: walking its outline clockwise from the
// top-left corner a pixel of the design at a time and back onto that corner, every third step is a dot,
// beginning with the second.
void DrawDottedOutline(QPainter& painter, const QRect& r, int width, const QColor& colour)
{
    if (r.width() < 2 * width || r.height() < 2 * width)
        return;
    const int right = r.right() + 1 - width, bottom = r.bottom() + 1 - width;
    int step = 0;
    const auto dot = [&](int x, int y) {
        if (step++ % 3 == 1)
            painter.fillRect(x, y, width, width, colour);
    };
    for (int x = r.left(); x < right; x += width)
        dot(x, r.top());
    for (int y = r.top(); y < bottom; y += width)
        dot(right, y);
    for (int x = right; x > r.left(); x -= width)
        dot(x, bottom);
    for (int y = bottom; y >= r.top(); y -= width)
        dot(r.left(), y);
}

void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour)
{
    const DevicePixels device(painter);
    DrawDottedOutline(painter, device.Map(rect), device.Pixel(), colour);
}

// Inside a push button's edge, so many pixels of the design in from its sides whatever the scale.
void DrawButtonFocus(QPainter& painter, const QRect& button, const QColor& colour)
{
    const DevicePixels device(painter);
    const int width = device.Pixel();
    const QRect inside = device.Map(button).adjusted(ButtonFocusInset.left() * width, ButtonFocusInset.top() * width,
                                                     -ButtonFocusInset.right() * width,
                                                     -ButtonFocusInset.bottom() * width);
    DrawDottedOutline(painter, inside, width, colour);
}

// A push button on the face: the default one wears a black line around its raised edge, a pressed one a
// black line and a dark grey one.
void DrawButtonPanel(QPainter& painter, const QStyleOption& option)
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option);
    const bool isDefault = button && (button->features & QStyleOptionButton::DefaultButton);
    const bool pressed = option.state & (QStyle::State_Sunken | QStyle::State_On);
    if (pressed)
        DrawPanel(painter, option.rect, option.palette.button(), PressedButtonEdge);
    else if (isDefault)
        DrawPanel(painter, option.rect, option.palette.button(), DefaultButtonEdge);
    else
        DrawPanel(painter, option.rect, option.palette.button(), ButtonEdge);
}

// A sunken white well, face-coloured when the box cannot be used, with the black check mark when ticked.
void DrawCheckBox(QPainter& painter, const QStyleOption& option)
{
    DrawPanel(painter, option.rect, option.palette.base(), SunkenEdge);
    if (!(option.state & QStyle::State_On))
        return;
    const QColor mark = option.palette.color(QPalette::Text);
    const DevicePixels device(painter);
    const int pixel = device.InnerPixel();
    const QPoint origin =
        device.Map(option.rect).center() - QPoint(CheckMarkSize.width() / 2, CheckMarkSize.height() / 2) * pixel;
    for (int column = 0; column < int(CheckMarkTops.size()); ++column)
        painter.fillRect(origin.x() + column * pixel, origin.y() + CheckMarkTops[column] * pixel, pixel, 3 * pixel,
                         mark);
}

// The frames a label or a scrolled view draws around itself, by the edge of the classic desktop they stand
// for: a static edge of one line (panel), a client edge of two (window panel, styled panel). False for a
// frame drawn some other way.
bool DrawShapedFrame(QPainter& painter, const QStyleOptionFrame& frame)
{
    const QPalette& p = frame.palette;
    const bool sunken = frame.state & QStyle::State_Sunken;
    const QRgb light = p.light().color().rgb(), dark = p.dark().color().rgb(), shadow = p.shadow().color().rgb(),
               midlight = p.midlight().color().rgb(), face = p.button().color().rgb();
    switch (frame.frameShape) {
    case QFrame::Panel: {
        const EdgeLine line = sunken ? EdgeLine{dark, light} : EdgeLine{light, dark};
        const std::vector<EdgeLine> lines(std::max(1, frame.lineWidth), line);
        DrawEdge(painter, frame.rect, lines);
        return true;
    }
    case QFrame::WinPanel: {
        const std::array<EdgeLine, 2> lines =
            sunken ? std::array<EdgeLine, 2>{{{dark, light}, {shadow, midlight}}}
                   : std::array<EdgeLine, 2>{{{light, shadow}, {midlight, dark}}};
        DrawEdge(painter, frame.rect, lines);
        return true;
    }
    case QFrame::StyledPanel: {
        const std::array<EdgeLine, 2> lines =
            sunken ? std::array<EdgeLine, 2>{{{dark, light}, {shadow, face}}}
                   : std::array<EdgeLine, 2>{{{light, shadow}, {face, dark}}};
        DrawEdge(painter, frame.rect, lines);
        return true;
    }
    default:
        return false;
    }
}

// An etched line across the whole width of the menu, on the row in the middle of the item.
void DrawMenuSeparator(QPainter& painter, const QStyleOptionMenuItem& item)
{
    const DevicePixels device(painter);
    const int width = device.Pixel();
    const QRect r = device.Map(item.rect);
    const int y = device.Map(QRect(item.rect.left(), item.rect.center().y(), 1, 1)).top();
    painter.fillRect(r, item.palette.window());
    painter.fillRect(r.left(), y, r.width(), width, QColor(Shadow));
    painter.fillRect(r.left(), y + width, r.width(), width, Qt::white);
}

void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter, const QStyle& style)
{
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        DrawMenuSeparator(painter, item);
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

// Logical pixels that hold two lines of the design at the ratio of the widget's screen.
int ClientEdgeWidth(const QWidget* widget)
{
    const qreal ratio = widget ? widget->devicePixelRatioF() : qApp->devicePixelRatio();
    return int(std::ceil(2 * std::max(1, qRound(ratio)) / ratio - 1e-9));
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
    case PM_MessageBoxIconSize:
        return PromptIconSize;
    case PM_DefaultFrameWidth:
        // A frame around a view or a field holds the two lines of a client edge, whole device pixels each, so
        // that what it holds never covers them.
        if (qstyleoption_cast<const QStyleOptionFrame*>(option))
            return ClientEdgeWidth(widget);
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    // The prompts' pictures, drawn for the pixels of the screen the box is on.
    switch (icon) {
    case SP_MessageBoxQuestion:
        return QuestionIcon();
    case SP_MessageBoxWarning:
        return ExclamationIcon();
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
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
    case PE_FrameFocusRect:
        // Whatever moved the focus.
        DrawFocusFrame(*painter, option->rect, option->palette.color(QPalette::WindowText));
        return;
    case PE_FrameGroupBox:
        DrawEtchedFrame(*painter, option->rect);
        return;
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
            DrawButtonFocus(*painter, button->rect, button->palette.color(QPalette::WindowText));
            return;
        }
    }
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, option->palette.window());
        return;
    }
    if (element == CE_ShapedFrame) {
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option); frame && DrawShapedFrame(*painter, *frame))
            return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            QStyleOption frame(*box);
            frame.rect = subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);
            drawPrimitive(PE_FrameGroupBox, &frame, painter, widget);
            if (box->text.isEmpty())
                return;
            const QRect label = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
            painter->fillRect(label, box->palette.window());
            drawItemText(painter, label.adjusted(GroupTitleGap, 0, -GroupTitleGap, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, box->palette,
                         box->state & State_Enabled, box->text, QPalette::WindowText);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                   const QWidget* widget) const
{
    if (control == CC_GroupBox) {
        // The frame's top line runs through the middle of the title; the title's part takes the gap around it.
        const QFontMetrics& metrics = option->fontMetrics;
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        switch (part) {
        case SC_GroupBoxFrame:
            return option->rect.adjusted(0, metrics.height() / 2, 0, 0);
        case SC_GroupBoxLabel: {
            const QString shown = box ? QString(box->text).remove(QLatin1Char('&')) : QString();
            return QRect(metrics.averageCharWidth() - GroupTitleGap, 0,
                         metrics.horizontalAdvance(shown) + 2 * GroupTitleGap, metrics.height())
                .translated(option->rect.topLeft());
        }
        case SC_GroupBoxContents:
            return option->rect.adjusted(0, metrics.height(), 0, 0);
        default:
            break;
        }
    }
    return QProxyStyle::subControlRect(control, option, part, widget);
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
