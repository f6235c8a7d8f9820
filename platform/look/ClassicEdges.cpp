// The edges of the classic desktop, drawn on whole device pixels at any scale.
#include "ClassicEdges.h"

void DrawEdgeLines(QPainter& painter, QRect r, int width, std::span<const EdgeLine> lines, const QPalette& palette)
{
    for (const EdgeLine& line : lines) {
        const QColor topLeft = palette.color(line.topLeft), bottomRight = palette.color(line.bottomRight);
        painter.fillRect(r.left(), r.top(), r.width() - width, width, topLeft);
        painter.fillRect(r.left(), r.top(), width, r.height() - width, topLeft);
        painter.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, bottomRight);
        painter.fillRect(r.right() + 1 - width, r.top(), width, r.height(), bottomRight);
        r.adjust(width, width, -width, -width);
    }
}

void DrawEdge(QPainter& painter, const QRect& rect, std::span<const EdgeLine> lines, const QPalette& palette)
{
    const DevicePixels device(painter);
    DrawEdgeLines(painter, device.Map(rect), device.Pixel(), lines, palette);
}

void DrawPanel(QPainter& painter, const QRect& rect, const QBrush& face, std::span<const EdgeLine> lines,
               const QPalette& palette)
{
    const DevicePixels device(painter);
    const QRect r = device.Map(rect);
    painter.fillRect(r, face);
    DrawEdgeLines(painter, r, device.Pixel(), lines, palette);
}

void DrawOutline(QPainter& painter, const QRect& r, int width, const QColor& colour)
{
    painter.fillRect(r.left(), r.top(), r.width(), width, colour);
    painter.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, colour);
    painter.fillRect(r.left(), r.top(), width, r.height(), colour);
    painter.fillRect(r.right() + 1 - width, r.top(), width, r.height(), colour);
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

