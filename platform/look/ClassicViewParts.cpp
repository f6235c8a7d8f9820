// The classic desktop's tabs, tree branches and scroll bars, drawn on whole device pixels at any scale.
#include "ClassicViewParts.h"

#include "ClassicEdges.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QStyleOptionTab>

namespace {

// A tab's edge: light then face on the left and top, shadow then dark on the right; open below.
constexpr std::array<EdgeLine, 2> TabEdge = {{{QPalette::Light, QPalette::Shadow}, {QPalette::Button, QPalette::Dark}}};
// How much lower a tab that is not chosen stands, and the side of a branch box, in pixels of the design.
constexpr int TabDrop = 2;
constexpr int BranchBox = 9;
// An arrow on a scroll bar's button: four rows, seven pixels of the design wide at the base.
constexpr int ArrowRows = 4;

// The rows of an arrow pointing along (dx, dy), centred on a device point, each row a pixel of the design.
void DrawArrow(QPainter& painter, QPoint centre, int width, int dx, int dy, const QColor& colour)
{
    for (int row = 0; row < ArrowRows; ++row) {
        const int half = (ArrowRows - 1 - row) * width;
        // Row 0 is the base; the tip is ArrowRows - 1 rows further along the arrow's direction.
        const int along = (row - ArrowRows / 2) * width;
        if (dy != 0)
            painter.fillRect(centre.x() - half, centre.y() + along * dy, 2 * half + width, width, colour);
        else
            painter.fillRect(centre.x() + along * dx, centre.y() - half, width, 2 * half + width, colour);
    }
}

// The track: a chequer of light and face, each square a pixel of the design.
void DrawTrack(QPainter& painter, const QRect& r, int width, const QPalette& palette)
{
    painter.fillRect(r, palette.color(QPalette::Button));
    for (int y = r.top(); y <= r.bottom(); y += width)
        for (int x = r.left() + ((y - r.top()) / width % 2) * width; x <= r.right(); x += 2 * width)
            painter.fillRect(QRect(x, y, width, width).intersected(r), palette.color(QPalette::Light));
}

} // namespace

void DrawTab(QPainter& painter, const QStyleOptionTab& tab, int overlap)
{
    const DevicePixels device(painter);
    const int width = device.Pixel();
    const QRect r = device.Map(tab.rect);
    const int paneTop = device.Map(QRect(tab.rect.left(), tab.rect.bottom() + 1 - overlap, 1, 1)).top();
    const bool chosen = tab.state & QStyle::State_Selected;
    // The chosen tab covers the pane's edge beneath it; the others end on it. The bottom of the edge's lines
    // stays open, so the tab's sides run into the pane.
    const int top = chosen ? r.top() : r.top() + TabDrop * width;
    const int bottom = chosen ? paneTop + 2 * width : paneTop;
    const QRect body(QPoint(r.left(), top), QPoint(r.right(), bottom - 1 + 2 * width));
    painter.save();
    painter.setClipRect(QRect(QPoint(r.left(), top), QPoint(r.right(), bottom - 1)));
    painter.fillRect(body, tab.palette.color(QPalette::Button));
    DrawEdgeLines(painter, body, width, TabEdge, tab.palette);
    painter.restore();
}

void DrawBranchIndicator(QPainter& painter, const QStyleOption& branch)
{
    if (!(branch.state & QStyle::State_Children))
        return;
    const DevicePixels device(painter);
    const int width = device.Pixel();
    const QPoint centre = device.Map(branch.rect).center();
    const int half = BranchBox / 2 * width;
    const QRect box(centre.x() - half, centre.y() - half, BranchBox * width, BranchBox * width);
    painter.fillRect(box, branch.palette.base());
    DrawOutline(painter, box, width, branch.palette.color(QPalette::Dark));
    const QColor mark = branch.palette.color(QPalette::Text);
    const int arm = 2 * width;
    painter.fillRect(centre.x() - arm, centre.y(), 2 * arm + width, width, mark);
    if (!(branch.state & QStyle::State_Open))
        painter.fillRect(centre.x(), centre.y() - arm, width, 2 * arm + width, mark);
}

void DrawScrollBar(QPainter& painter, const QStyleOptionSlider& bar, const QStyle& style, const QWidget* widget)
{
    const auto part = [&](QStyle::SubControl sub) { return style.subControlRect(QStyle::CC_ScrollBar, &bar, sub, widget); };
    const bool vertical = bar.orientation == Qt::Vertical;
    const bool enabled = bar.state & QStyle::State_Enabled;
    const QColor arrow = bar.palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    {
        const DevicePixels device(painter);
        DrawTrack(painter, device.Map(part(QStyle::SC_ScrollBarGroove)), device.Pixel(), bar.palette);
    }
    for (QStyle::SubControl button : {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine}) {
        const QRect rect = part(button);
        if (rect.isEmpty())
            continue;
        const bool pressed = (bar.activeSubControls & button) && (bar.state & QStyle::State_Sunken);
        DrawPanel(painter, rect, bar.palette.button(), pressed ? std::span<const EdgeLine>(PressedButtonEdge.data(), 1)
                                                               : std::span<const EdgeLine>(ButtonEdge), bar.palette);
        const DevicePixels device(painter);
        const int width = device.Pixel();
        // A pressed button's arrow moves a pixel right and down, as its face does.
        const QPoint centre = device.Map(rect).center() + (pressed ? QPoint(width, width) : QPoint());
        const int towards = button == QStyle::SC_ScrollBarSubLine ? -1 : 1;
        DrawArrow(painter, centre, width, vertical ? 0 : towards, vertical ? towards : 0, arrow);
    }
    const QRect thumb = part(QStyle::SC_ScrollBarSlider);
    if (enabled && !thumb.isEmpty() && bar.maximum > bar.minimum)
        DrawPanel(painter, thumb, bar.palette.button(), ButtonEdge, bar.palette);
}
