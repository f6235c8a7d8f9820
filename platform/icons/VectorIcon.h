// A picture made of filled and outlined shapes on a square grid, drawn crisp for any number of pixels.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

// A rectangle, a polygon or an ellipse, in units of the design grid.
struct IconShape {
    enum Kind { Rectangle, Polygon, Ellipse } kind;
    // Rectangle: its top-left and bottom-right corners. Polygon: its corners in order. Ellipse: its centre
    // and its two radii.
    std::vector<QPointF> points;

    static IconShape Rect(qreal left, qreal top, qreal width, qreal height);
    static IconShape Poly(std::vector<QPointF> corners);
    static IconShape Oval(qreal centreX, qreal centreY, qreal radiusX, qreal radiusY);
};

// One shape drawn over those before it: its inside in one colour, its outline (inside the shape, as wide on
// every side) in another, either or both; only where the clips allow.
struct IconLayer {
    IconShape shape;
    std::optional<QRgb> fill = std::nullopt;
    std::optional<QRgb> outline = std::nullopt;
    qreal outlineWidth = 0;
    // A rectangle of the grid the layer stays inside, and an earlier layer whose shape it stays inside.
    std::optional<QRectF> clip = std::nullopt;
    std::optional<int> clipToLayer = std::nullopt;
};

// Drawn at a size, every pixel takes the colour of the topmost layer covering its centre, never a blend,
// so the picture has only the layers' colours at any size. A rectangle's edges fall on the nearest pixel
// boundaries and it is never less than a pixel wide; an outline is as many whole pixels wide as its width
// rounds to at that size, never less than one, so thin lines survive small sizes and scale with large ones.
class VectorIcon {
public:
    // layers in drawing order on a grid of gridSize units square; a layer clips only to those before it.
    VectorIcon(int gridSize, std::vector<IconLayer> layers);

    // pixels x pixels, transparent where no layer covers.
    QImage Draw(int pixels) const;
    // The same design as a scalable picture, the grid as its view box.
    QString Svg() const;

    int GridSize() const { return gridSize; }

private:
    int gridSize;
    std::vector<IconLayer> layers;
};
