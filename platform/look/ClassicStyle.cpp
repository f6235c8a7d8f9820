// The one look of every window: the grey classic desktop, bevelled buttons, sunken check boxes, raised menus, dotted focus.
#include "ClassicStyle.h"

#include "ClassicEdges.h"
#include "ClassicFont.h"
#include "ClassicViewParts.h"
#include "ContrastLook.h"
#include "PromptIcons.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QFrame>
#include <QStyleOptionSlider>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

#include <array>
#include <cmath>
#include <vector>

namespace {

// The classic palette's colours.
constexpr QRgb ClassicFace = qRgb(192, 192, 192), ClassicShadow = qRgb(128, 128, 128), ClassicHighlight = qRgb(0, 0, 128);
constexpr int DialogPointSize = 8;
// A scroll bar's width, and its arrow buttons' side.
constexpr int ScrollBarExtent = 16;

// Menus: a two-line raised edge and one line of face inside it; text items indented like the pictures' labels.
constexpr int MenuEdge = 2;
constexpr int MenuPanelWidth = MenuEdge + 1;
constexpr int MenuTextIndent = 22;
constexpr int MenuTextRightMargin = 12;
constexpr int SeparatorHeight = 9;

// A push button's dotted focus frame keeps this many pixels of the design from its sides: inside the edge of
// a default button too.
constexpr QMargins ButtonFocusInset(3, 4, 3, 4);

// A group box's frame: its title starts one character in, on a gap in the line a little wider than itself.
constexpr int GroupTitleGap = 2;

// The classic check mark: seven columns, each three pixels tall, falling then rising.
constexpr std::array<int, 7> CheckMarkTops = {2, 3, 4, 3, 2, 1, 0};
constexpr QSize CheckMarkSize(7, 7);

// An etched frame: a dark rectangle and a light one a line further right and down, cut into the face.
void DrawEtchedFrame(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    const DevicePixels device(painter);
    const int width = device.Pixel();
    const QRect r = device.Map(rect);
    const QRect dark(r.topLeft(), r.size() - QSize(width, width));
    DrawOutline(painter, dark, width, palette.color(QPalette::Dark));
    DrawOutline(painter, dark.translated(width, width), width, palette.color(QPalette::Light));
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
        DrawPanel(painter, option.rect, option.palette.button(), PressedButtonEdge, option.palette);
    else if (isDefault)
        DrawPanel(painter, option.rect, option.palette.button(), DefaultButtonEdge, option.palette);
    else
        DrawPanel(painter, option.rect, option.palette.button(), ButtonEdge, option.palette);
}

// A sunken white well, face-coloured when the box cannot be used, with the black check mark when ticked.
void DrawCheckBox(QPainter& painter, const QStyleOption& option)
{
    DrawPanel(painter, option.rect, option.palette.base(), SunkenEdge, option.palette);
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

// The edge of a window panel or a view: dark and shadow sunken, light and shadow raised, with the light of the
// inner line its own.
std::array<EdgeLine, 2> TwoLineEdge(bool sunken, QPalette::ColorRole innerLight)
{
    if (sunken)
        return {{{QPalette::Dark, QPalette::Light}, {QPalette::Shadow, innerLight}}};
    return {{{QPalette::Light, QPalette::Shadow}, {innerLight, QPalette::Dark}}};
}

// The frames a label or a scrolled view draws around itself, by the edge of the classic desktop they stand
// for: a static edge of one line (panel), a client edge of two (window panel, styled panel). False for a
// frame drawn some other way.
bool DrawShapedFrame(QPainter& painter, const QStyleOptionFrame& frame)
{
    const QPalette& p = frame.palette;
    const bool sunken = frame.state & QStyle::State_Sunken;
    switch (frame.frameShape) {
    case QFrame::Panel: {
        const EdgeLine line = sunken ? EdgeLine{QPalette::Dark, QPalette::Light} : EdgeLine{QPalette::Light, QPalette::Dark};
        const std::vector<EdgeLine> lines(std::max(1, frame.lineWidth), line);
        DrawEdge(painter, frame.rect, lines, p);
        return true;
    }
    case QFrame::WinPanel:
        DrawEdge(painter, frame.rect, TwoLineEdge(sunken, QPalette::Midlight), p);
        return true;
    case QFrame::StyledPanel:
        DrawEdge(painter, frame.rect, TwoLineEdge(sunken, QPalette::Button), p);
        return true;
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
    painter.fillRect(r.left(), y, r.width(), width, item.palette.color(QPalette::Dark));
    painter.fillRect(r.left(), y + width, r.width(), width, item.palette.color(QPalette::Light));
}

void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter, const QStyle& style)
{
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        DrawMenuSeparator(painter, item);
        return;
    }
    const bool selected = (item.state & QStyle::State_Selected) && (item.state & QStyle::State_Enabled);
    painter.fillRect(item.rect, selected ? item.palette.highlight() : item.palette.window());
    // The indent stands where the item starts: at its right in a menu laid out right to left.
    const QRect text = QStyle::visualRect(item.direction, item.rect,
                                          item.rect.adjusted(MenuTextIndent, 0, -MenuTextRightMargin, 0));
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

ClassicStyle::ClassicStyle(const QPalette& palette)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), palette(palette)
{
}

QPalette ClassicStyle::standardPalette() const { return palette; }

QPalette ClassicPalette()
{
    QPalette palette(Qt::black, QColor(ClassicFace), Qt::white, QColor(ClassicShadow), QColor(160, 160, 160), Qt::black,
                     Qt::white, Qt::white, QColor(ClassicFace));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(ClassicHighlight));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    // The darker grey of the pictures' palette: a disabled label or button still reads on the face.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(ClassicShadow));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(ClassicFace));
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
        // A frame around a view, a field or a tab's pane holds the two lines of its edge, whole device pixels
        // each, so that what it holds never covers them.
        if (qstyleoption_cast<const QStyleOptionFrame*>(option) || qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option))
            return ClientEdgeWidth(widget);
        break;
    case PM_TabBarBaseOverlap:
        // The tabs stand on the pane's two-line edge, which the chosen one covers.
        return ClientEdgeWidth(widget);
    case PM_ScrollBarExtent:
        return ScrollBarExtent;
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
        DrawEdge(*painter, option->rect, RaisedEdge, option->palette);
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
        DrawEtchedFrame(*painter, option->rect, option->palette);
        return;
    case PE_FrameTabWidget:
        DrawEdge(*painter, option->rect, ButtonEdge, option->palette);
        return;
    case PE_FrameTabBarBase:
        // The pane's own top edge runs beneath the tabs.
        return;
    case PE_IndicatorBranch:
        DrawBranchIndicator(*painter, *option);
        return;
    case PE_PanelLineEdit:
        DrawPanel(*painter, option->rect, option->palette.base(), SunkenEdge, option->palette);
        return;
    case PE_FrameLineEdit:
        DrawEdge(*painter, option->rect, SunkenEdge, option->palette);
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
    if (element == CE_TabBarTabShape) {
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
            DrawTab(*painter, *tab, pixelMetric(PM_TabBarBaseOverlap, option, widget));
            return;
        }
    }
    if (element == CE_Splitter) {
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
    if (control == CC_ScrollBar) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            DrawScrollBar(*painter, *bar, *this, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect ClassicStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    // A tab's page stands inside the pane's two-line edge.
    if (element == SE_TabWidgetTabContents) {
        const int edge = ClientEdgeWidth(widget);
        return subElementRect(SE_TabWidgetTabPane, option, widget).adjusted(edge, edge, -edge, -edge);
    }
    return QProxyStyle::subElementRect(element, option, widget);
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
            // At the frame's start: its right end in a box laid out right to left.
            const QRect label = QRect(metrics.averageCharWidth() - GroupTitleGap, 0,
                                      metrics.horizontalAdvance(shown) + 2 * GroupTitleGap, metrics.height())
                                    .translated(option->rect.topLeft());
            return QStyle::visualRect(option->direction, option->rect, label);
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
        // What the desktop asks for, read before the program's own style and palette replace it.
        auto* style = new ClassicStyle(HighContrastPalette(DesktopColoursNow()).value_or(ClassicPalette()));
        QApplication::setStyle(style);
        QApplication::setPalette(style->standardPalette());
    }
    QApplication::setFont(DialogFont(DialogPointSize));
    QApplication::setWindowIcon(icon);
}

QPalette LookPalette()
{
    const auto* style = qobject_cast<const ClassicStyle*>(QApplication::style());
    return style ? style->standardPalette() : ClassicPalette();
}
