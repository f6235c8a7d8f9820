// How each kind of framed control draws its edge in the classic look, and the pixels of a picture that differ.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

inline constexpr QRgb black = qRgb(0, 0, 0), darkGrey = qRgb(128, 128, 128), face = qRgb(192, 192, 192),
               midlight = qRgb(223, 223, 223), white = qRgb(255, 255, 255);

// How a kind of control draws its edge, from the outside in.
struct EdgeModel {
    enum Shape {
        // Nested lines, each with one colour on the top and left and another on the bottom and right; the
        // bottom and right lines run the full length, the top and left ones stop where those begin.
        Bevel,
        // Two equal rectangles, the second a line further right and down: the etched frame of a group box.
        Etched,
    } shape;
    std::vector<QRgb> topLeft, bottomRight;
};

inline const std::map<QString, EdgeModel> models = {
    {"button", {EdgeModel::Bevel, {white, face}, {black, darkGrey}}},
    {"default-button", {EdgeModel::Bevel, {black, white, face}, {black, black, darkGrey}}},
    {"check-box", {EdgeModel::Bevel, {darkGrey, black}, {white, face}}},
    {"panel-sunken", {EdgeModel::Bevel, {darkGrey}, {white}}},
    {"winpanel-sunken", {EdgeModel::Bevel, {darkGrey, black}, {white, midlight}}},
    {"styled-sunken", {EdgeModel::Bevel, {darkGrey, black}, {white, face}}},
    {"line-edit", {EdgeModel::Bevel, {darkGrey, black}, {white, face}}},
    {"menu", {EdgeModel::Bevel, {face, white}, {black, darkGrey}}},
    {"tab-pane", {EdgeModel::Bevel, {white, face}, {black, darkGrey}}},
    {"scroll-button", {EdgeModel::Bevel, {white, face}, {black, darkGrey}}},
    {"group-box", {EdgeModel::Etched, {darkGrey}, {white}}},
};

// The colour the model gives a pixel of the edge, or nothing for a pixel inside the edge. x and y count
// from the rectangle's top-left corner; line is the width of one line in device pixels.
inline std::optional<QRgb> Expected(const EdgeModel& model, QSize size, int line, int x, int y)
{
    const int right = size.width() - 1, bottom = size.height() - 1;
    if (model.shape == EdgeModel::Etched) {
        // The dark rectangle's outline, then the light one's over it.
        const auto onOutline = [&](int shift) {
            const QRect outer(shift, shift, size.width() - line, size.height() - line);
            const QRect inner = outer.adjusted(line, line, -line, -line);
            return outer.contains(x, y) && !inner.contains(x, y);
        };
        if (onOutline(line))
            return model.bottomRight[0];
        if (onOutline(0))
            return model.topLeft[0];
        const QRect whole(0, 0, size.width(), size.height());
        return whole.adjusted(2 * line, 2 * line, -2 * line, -2 * line).contains(x, y) ? std::nullopt
                                                                                          : std::optional<QRgb>(face);
    }
    const int depth = std::min({x, y, right - x, bottom - y}) / line;
    if (depth >= int(model.topLeft.size()))
        return std::nullopt;
    // The line at this depth: the bottom and right parts take the last `line` pixels of its rectangle.
    const int inset = depth * line;
    const bool bottomRight = y > bottom - inset - line || x > right - inset - line;
    return bottomRight ? model.bottomRight[depth] : model.topLeft[depth];
}

inline std::string Hex(QRgb colour) { return QString::number(colour & 0xffffff, 16).rightJustified(6, '0').toStdString(); }

// The pixels of the control's edge that differ from the model, described; empty when all agree. skip
// leaves out the pixels it holds, such as a group box's title over its top line. inColours gives the colour a
// colour of the classic model is drawn in, for a look of other colours.
inline std::vector<std::string> EdgeFaults(const QImage& picture, const QRect& device, const EdgeModel& model, int line,
                                           const QRect& skip, const std::function<QRgb(QRgb)>& inColours = {})
{
    std::vector<std::string> faults;
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x) {
            const QPoint at = device.topLeft() + QPoint(x, y);
            std::optional<QRgb> expected = Expected(model, device.size(), line, x, y);
            if (!expected || skip.contains(at) || !picture.rect().contains(at))
                continue;
            if (inColours)
                expected = inColours(*expected);
            const QRgb seen = picture.pixel(at) & 0xffffff;
            if (seen != (*expected & 0xffffff) && faults.size() < 6)
                faults.push_back("(" + std::to_string(x) + "," + std::to_string(y) + ") is " + Hex(seen) + ", not " +
                                 Hex(*expected));
        }
    return faults;
}

