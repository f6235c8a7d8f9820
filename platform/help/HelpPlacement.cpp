// Where the help viewer opens: beside the window the player reads it for, never over what they look at.
#include "HelpPlacement.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

enum class Side { Right, Left, Below, Above };
// In this order of preference when two strips give the viewer the same room.
constexpr std::array<Side, 4> Sides = {Side::Right, Side::Left, Side::Below, Side::Above};

// The part of the work area on one side of a rectangle, across the whole work area the other way.
QRect Strip(const QRect& area, const QRect& avoid, Side side)
{
    switch (side) {
    case Side::Right:
        return QRect(QPoint(avoid.right() + 1, area.top()), area.bottomRight());
    case Side::Left:
        return QRect(area.topLeft(), QPoint(avoid.left() - 1, area.bottom()));
    case Side::Below:
        return QRect(QPoint(area.left(), avoid.bottom() + 1), area.bottomRight());
    case Side::Above:
        return QRect(area.topLeft(), QPoint(area.right(), avoid.top() - 1));
    }
    return {};
}

int Clamp(int value, int low, int high) { return std::clamp(value, low, std::max(low, high)); }

// A frame of the given size in the strip, against the side it shares with what it avoids and level with it.
QRect PlaceIn(const QRect& strip, const QRect& avoid, QSize size, Side side)
{
    QRect frame(QPoint(), size);
    const int top = Clamp(avoid.top(), strip.top(), strip.bottom() + 1 - size.height());
    const int left = Clamp(avoid.left(), strip.left(), strip.right() + 1 - size.width());
    switch (side) {
    case Side::Right:
        frame.moveTopLeft(QPoint(strip.left(), top));
        break;
    case Side::Left:
        frame.moveTopRight(QPoint(strip.right(), top));
        break;
    case Side::Below:
        frame.moveTopLeft(QPoint(left, strip.top()));
        break;
    case Side::Above:
        frame.moveBottomLeft(QPoint(left, strip.bottom()));
        break;
    }
    return frame;
}

} // namespace

QRect HelpPlacement::Frame() const
{
    const QSize decoration(frame.left() + frame.right(), frame.top() + frame.bottom());
    // A viewer the player made smaller than the smallest needs no more room than its own.
    const QSize wanted = preferred + decoration, least = smallest.boundedTo(preferred) + decoration;
    for (const QRect& avoid : {window, inView}) {
        std::optional<QRect> best;
        for (Side side : Sides) {
            const QRect strip = Strip(area, avoid, side);
            const QSize size = wanted.boundedTo(strip.size());
            if (size.width() < least.width() || size.height() < least.height())
                continue;
            if (!best || size.width() * size.height() > best->width() * best->height())
                best = PlaceIn(strip, avoid, size, side);
        }
        if (best)
            return *best;
    }
    QRect fallback(QPoint(), wanted.boundedTo(area.size()));
    fallback.moveTopRight(area.topRight());
    return fallback;
}
