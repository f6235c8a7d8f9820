// The pictures of the message boxes: the question of a prompt, the exclamation mark of a warning.
#include "PromptIcons.h"

#include "VectorIcon.h"
#include "VectorIconEngine.h"

#include <QApplication>
#include <QStyle>

namespace {

constexpr int Grid = PromptIconSize;
constexpr QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), Shadow = qRgb(153, 153, 153),
               Blue = qRgb(0, 0, 255), Yellow = qRgb(255, 255, 0);

// A shape and the same shape further right and down in the shadow's grey.
std::vector<IconLayer> WithShadow(const IconShape& shape, QPointF offset)
{
    IconShape shadow = shape;
    if (shadow.kind == IconShape::Ellipse)
        shadow.points[0] += offset;
    else
        for (QPointF& point : shadow.points)
            point += offset;
    return {{shadow, Shadow}};
}

// A white speech balloon with a blue question mark: its outline grey where the light falls, black elsewhere.
std::vector<IconLayer> QuestionLayers()
{
    const IconShape balloon = IconShape::Oval(14.5, 11.5, 14.5, 11.5);
    const IconShape tail = IconShape::Poly({{11.5, 20.5}, {19, 20.5}, {18.5, 30.5}});
    const QPointF shadowOffset(2, 1.5);
    std::vector<IconLayer> layers = WithShadow(balloon, shadowOffset);
    const std::vector<IconLayer> tailShadow = WithShadow(tail, shadowOffset);
    layers.insert(layers.end(), tailShadow.begin(), tailShadow.end());
    const int tailLayer = int(layers.size());
    layers.push_back({tail, White, Black, 1});
    layers.push_back({balloon, White, Black, 1});
    // Where the light falls: above the diagonal from the bottom left to the top right.
    const int litLayer = int(layers.size());
    layers.push_back({IconShape::Poly({{-1, -1}, {31, -1}, {-1, 31}})});
    layers.push_back({balloon, std::nullopt, Shadow, 1, std::nullopt, litLayer});
    // The tail joins the balloon without a line between them.
    layers.push_back({IconShape::Rect(0, 18, Grid, 6), White, std::nullopt, 0, std::nullopt, tailLayer});
    layers.push_back({tail, std::nullopt, Black, 1, QRectF(0, 22.5, Grid, 10)});
    // The question mark: a hook round to the right and down, a stem, a dot.
    const IconShape hook = IconShape::Oval(14.5, 8.5, 5, 4);
    layers.push_back({hook, std::nullopt, Blue, 2, QRectF(0, 0, Grid, 8.5)});
    layers.push_back({hook, std::nullopt, Blue, 2, QRectF(14.5, 8.5, 10, 5)});
    layers.push_back({IconShape::Oval(11.5, 8.5, 2.2, 1.6), Blue});
    layers.push_back({IconShape::Rect(13.5, 12, 2.4, 3), Blue});
    layers.push_back({IconShape::Oval(14.7, 18, 2.1, 2), Blue});
    return layers;
}

// A yellow warning triangle with a black exclamation mark.
std::vector<IconLayer> ExclamationLayers()
{
    const IconShape triangle = IconShape::Poly({{14.5, 0.2}, {29.3, 28.8}, {-0.3, 28.8}});
    std::vector<IconLayer> layers = WithShadow(triangle, QPointF(2, 2));
    layers.push_back({triangle, Yellow, Black, 1});
    layers.push_back({IconShape::Poly({{12.8, 9}, {16.2, 9}, {15.2, 20}, {13.8, 20}}), Black});
    layers.push_back({IconShape::Oval(14.5, 23.5, 1.9, 1.9), Black});
    return layers;
}

QIcon PromptIcon(std::vector<IconLayer> layers, QStyle::StandardPixmap madeForThirtyTwo)
{
    const QImage picture = QApplication::style()->standardPixmap(madeForThirtyTwo).toImage();
    QList<QImage> made;
    if (picture.size() == QSize(Grid, Grid))
        made.push_back(picture.convertToFormat(QImage::Format_ARGB32));
    return VectorIconEngine::Icon(std::make_shared<const VectorIcon>(Grid, std::move(layers)), {QSize(Grid, Grid)}, made);
}

} // namespace

QIcon QuestionIcon()
{
    static const QIcon icon = PromptIcon(QuestionLayers(), QStyle::SP_MessageBoxQuestion);
    return icon;
}

QIcon ExclamationIcon()
{
    static const QIcon icon = PromptIcon(ExclamationLayers(), QStyle::SP_MessageBoxWarning);
    return icon;
}
