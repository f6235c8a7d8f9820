// A picture made of filled and outlined shapes on a square grid, drawn crisp for any number of pixels.
#include "VectorIcon.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// One flag per pixel, row after row.
using Mask = std::vector<char>;

int Boundary(qreal units, qreal scale) { return int(std::floor(units * scale + 0.5)); }

// The pixels [first, last) that a span of the grid covers: from the nearest boundary to the nearest
// boundary, but at least one pixel.
std::pair<int, int> Span(qreal from, qreal to, qreal scale)
{
    const int first = Boundary(from, scale);
    return {first, std::max(first + 1, Boundary(to, scale))};
}

// Even-odd rule: a point is inside when a ray from it crosses the outline an odd number of times.
bool InsidePolygon(const std::vector<QPointF>& corners, QPointF point)
{
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const QPointF a = corners[i], b = corners[j];
        if ((a.y() > point.y()) != (b.y() > point.y()) &&
            point.x() < (b.x() - a.x()) * (point.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

bool InsideEllipse(const std::vector<QPointF>& centreAndRadii, QPointF point)
{
    const QPointF centre = centreAndRadii[0], radii = centreAndRadii[1];
    const qreal dx = (point.x() - centre.x()) / radii.x(), dy = (point.y() - centre.y()) / radii.y();
    return dx * dx + dy * dy < 1;
}

// The pixels a polygon or an ellipse can cover, so that only those are tested.
QRect Bounds(const IconShape& shape, int pixels, qreal scale)
{
    qreal left, top, right, bottom;
    if (shape.kind == IconShape::Ellipse) {
        const QPointF centre = shape.points[0], radii = shape.points[1];
        left = centre.x() - radii.x(), right = centre.x() + radii.x();
        top = centre.y() - radii.y(), bottom = centre.y() + radii.y();
    } else {
        const auto [minX, maxX] = std::minmax_element(shape.points.begin(), shape.points.end(),
                                                      [](QPointF a, QPointF b) { return a.x() < b.x(); });
        const auto [minY, maxY] = std::minmax_element(shape.points.begin(), shape.points.end(),
                                                      [](QPointF a, QPointF b) { return a.y() < b.y(); });
        left = minX->x(), right = maxX->x(), top = minY->y(), bottom = maxY->y();
    }
    const QRect covered(QPoint(int(std::floor(left * scale)) - 1, int(std::floor(top * scale)) - 1),
                        QPoint(int(std::ceil(right * scale)) + 1, int(std::ceil(bottom * scale)) + 1));
    return covered.intersected(QRect(0, 0, pixels, pixels));
}

Mask ShapeMask(const IconShape& shape, int pixels, qreal scale)
{
    Mask mask(std::size_t(pixels) * pixels, 0);
    if (shape.kind == IconShape::Rectangle) {
        const auto [left, right] = Span(shape.points[0].x(), shape.points[1].x(), scale);
        const auto [top, bottom] = Span(shape.points[0].y(), shape.points[1].y(), scale);
        for (int y = std::max(0, top); y < std::min(pixels, bottom); ++y)
            for (int x = std::max(0, left); x < std::min(pixels, right); ++x)
                mask[std::size_t(y) * pixels + x] = 1;
        return mask;
    }
    const QRect bounds = Bounds(shape, pixels, scale);
    for (int y = bounds.top(); y <= bounds.bottom(); ++y)
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            const QPointF centre((x + 0.5) / scale, (y + 0.5) / scale);
            mask[std::size_t(y) * pixels + x] = shape.kind == IconShape::Polygon ? InsidePolygon(shape.points, centre)
                                                                                 : InsideEllipse(shape.points, centre);
        }
    return mask;
}

// The pixels of the shape that have a pixel outside it, or the picture's edge, within width steps along
// their row or their column.
Mask OutlineOf(const Mask& shape, int pixels, int width)
{
    const auto outside = [&](int x, int y) {
        return x < 0 || y < 0 || x >= pixels || y >= pixels || !shape[std::size_t(y) * pixels + x];
    };
    Mask outline(shape.size(), 0);
    for (int y = 0; y < pixels; ++y)
        for (int x = 0; x < pixels; ++x) {
            if (outside(x, y))
                continue;
            for (int step = 1; step <= width && !outline[std::size_t(y) * pixels + x]; ++step)
                outline[std::size_t(y) * pixels + x] =
                    outside(x - step, y) || outside(x + step, y) || outside(x, y - step) || outside(x, y + step);
        }
    return outline;
}

QString Number(qreal value) { return QString::number(value, 'g', 6); }

QString Colour(QRgb colour) { return QColor(colour).name(QColor::HexRgb); }

QString Element(const IconShape& shape, const QString& paint)
{
    const std::vector<QPointF>& p = shape.points;
    switch (shape.kind) {
    case IconShape::Rectangle:
        return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" %5/>")
            .arg(Number(p[0].x()), Number(p[0].y()), Number(p[1].x() - p[0].x()), Number(p[1].y() - p[0].y()), paint);
    case IconShape::Polygon: {
        QStringList corners;
        for (const QPointF& corner : p)
            corners << Number(corner.x()) + QLatin1Char(',') + Number(corner.y());
        return QStringLiteral("<polygon points=\"%1\" %2/>").arg(corners.join(QLatin1Char(' ')), paint);
    }
    case IconShape::Ellipse:
        return QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" %5/>")
            .arg(Number(p[0].x()), Number(p[0].y()), Number(p[1].x()), Number(p[1].y()), paint);
    }
    return {};
}

} // namespace

IconShape IconShape::Rect(qreal left, qreal top, qreal width, qreal height)
{
    return {Rectangle, {QPointF(left, top), QPointF(left + width, top + height)}};
}

IconShape IconShape::Poly(std::vector<QPointF> corners) { return {Polygon, std::move(corners)}; }

IconShape IconShape::Oval(qreal centreX, qreal centreY, qreal radiusX, qreal radiusY)
{
    return {Ellipse, {QPointF(centreX, centreY), QPointF(radiusX, radiusY)}};
}

VectorIcon::VectorIcon(int gridSize, std::vector<IconLayer> layers) : gridSize(gridSize), layers(std::move(layers)) {}

QImage VectorIcon::Draw(int pixels) const
{
    QImage picture(pixels, pixels, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    if (pixels <= 0)
        return picture;
    const qreal scale = qreal(pixels) / gridSize;
    std::vector<Mask> shapes;
    shapes.reserve(layers.size());
    for (const IconLayer& layer : layers) {
        Mask shape = ShapeMask(layer.shape, pixels, scale);
        Mask allowed(shape.size(), 1);
        if (layer.clip) {
            const Mask clip = ShapeMask(IconShape::Rect(layer.clip->x(), layer.clip->y(), layer.clip->width(),
                                                        layer.clip->height()),
                                        pixels, scale);
            std::transform(allowed.begin(), allowed.end(), clip.begin(), allowed.begin(), std::logical_and<>());
        }
        if (layer.clipToLayer) {
            const Mask& clip = shapes.at(std::size_t(*layer.clipToLayer));
            std::transform(allowed.begin(), allowed.end(), clip.begin(), allowed.begin(), std::logical_and<>());
        }
        const auto paint = [&](const Mask& where, QRgb colour) {
            for (int y = 0; y < pixels; ++y)
                for (int x = 0; x < pixels; ++x)
                    if (where[std::size_t(y) * pixels + x] && allowed[std::size_t(y) * pixels + x])
                        picture.setPixel(x, y, colour | 0xff000000);
        };
        if (layer.fill)
            paint(shape, *layer.fill);
        if (layer.outline) {
            const Mask outline = OutlineOf(shape, pixels, std::max(1, int(std::floor(layer.outlineWidth * scale + 0.5))));
            // A shape too small to hold anything inside its outline is left without one, in its fill colour.
            if (!layer.fill || outline != shape)
                paint(outline, *layer.outline);
        }
        shapes.push_back(std::move(shape));
    }
    return picture;
}

// Each shape that clips or is outlined is also a clip path; an outline is a stroke twice as wide kept inside
// its own shape, so that only its inner half shows, as in the drawing.
QString VectorIcon::Svg() const
{
    std::set<int> clipping;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (layers[i].clipToLayer)
            clipping.insert(*layers[i].clipToLayer);
        if (layers[i].outline)
            clipping.insert(int(i));
    }
    const QString size = Number(gridSize);
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\" "
                                 "shape-rendering=\"crispEdges\">\n<defs>\n")
                      .arg(size);
    for (int i : clipping)
        svg += QStringLiteral("<clipPath id=\"shape%1\">%2</clipPath>\n").arg(i).arg(Element(layers[i].shape, QString()));
    for (std::size_t i = 0; i < layers.size(); ++i)
        if (const auto& clip = layers[i].clip)
            svg += QStringLiteral("<clipPath id=\"clip%1\">%2</clipPath>\n")
                       .arg(i)
                       .arg(Element(IconShape::Rect(clip->x(), clip->y(), clip->width(), clip->height()), QString()));
    svg += QStringLiteral("</defs>\n");
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const IconLayer& layer = layers[i];
        QString groups, ends;
        if (layer.clip) {
            groups += QStringLiteral("<g clip-path=\"url(#clip%1)\">").arg(i);
            ends += QStringLiteral("</g>");
        }
        if (layer.clipToLayer) {
            groups += QStringLiteral("<g clip-path=\"url(#shape%1)\">").arg(*layer.clipToLayer);
            ends += QStringLiteral("</g>");
        }
        QString body;
        if (layer.fill)
            body += Element(layer.shape, QStringLiteral("fill=\"%1\"").arg(Colour(*layer.fill)));
        if (layer.outline)
            body += Element(layer.shape, QStringLiteral("fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" clip-path=\"url(#shape%3)\"")
                                             .arg(Colour(*layer.outline), Number(2 * layer.outlineWidth))
                                             .arg(i));
        svg += groups + body + ends + QLatin1Char('\n');
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}
