// The edges of the classic desktop, drawn on whole device pixels at any scale.
#pragma once

#include <QPainter>
#include <QPalette>
#include <QRect>

#include <array>
#include <span>

// An edge is a few lines from the outside in, each with one colour on the top and left and another on the
// bottom and right, named by their roles in the control's palette: in the classic palette the button face is
// light grey, the light white, the dark dark grey and the shadow black; in a high-contrast one every edge is the
// text colour and the face the window's.
struct EdgeLine {
    QPalette::ColorRole topLeft, bottomRight;
};

// The raised edge of a menu, a push button's, a default or pressed push button's, and a check box's well.
inline constexpr std::array<EdgeLine, 2> RaisedEdge = {{{QPalette::Button, QPalette::Shadow}, {QPalette::Light, QPalette::Dark}}};
inline constexpr std::array<EdgeLine, 2> ButtonEdge = {{{QPalette::Light, QPalette::Shadow}, {QPalette::Button, QPalette::Dark}}};
inline constexpr std::array<EdgeLine, 3> DefaultButtonEdge = {
    {{QPalette::Shadow, QPalette::Shadow}, {QPalette::Light, QPalette::Shadow}, {QPalette::Button, QPalette::Dark}}};
inline constexpr std::array<EdgeLine, 2> PressedButtonEdge = {{{QPalette::Shadow, QPalette::Shadow}, {QPalette::Dark, QPalette::Dark}}};
inline constexpr std::array<EdgeLine, 2> SunkenEdge = {{{QPalette::Dark, QPalette::Light}, {QPalette::Shadow, QPalette::Button}}};

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

// The lines of an edge inside a rectangle of device pixels, each width pixels wide, in the palette's colours.
void DrawEdgeLines(QPainter& painter, QRect r, int width, std::span<const EdgeLine> lines, const QPalette& palette);
// The edge inside a rectangle of the caller's coordinates.
void DrawEdge(QPainter& painter, const QRect& rect, std::span<const EdgeLine> lines, const QPalette& palette);
// The face of a control and its edge around it.
void DrawPanel(QPainter& painter, const QRect& rect, const QBrush& face, std::span<const EdgeLine> lines,
               const QPalette& palette);
// The outline of a rectangle of device pixels, width thick.
void DrawOutline(QPainter& painter, const QRect& r, int width, const QColor& colour);
// The dotted rectangle of the classic desktop around device pixels r, its dots width square.
void DrawDottedOutline(QPainter& painter, const QRect& r, int width, const QColor& colour);
