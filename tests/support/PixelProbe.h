// Colours and pixel counts, so that a picture test can name the shapes it expects instead of whole bitmaps.
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QWidget>

inline constexpr QRgb black = qRgb(0, 0, 0);
inline constexpr QRgb darkGrey = qRgb(128, 128, 128);
inline constexpr QRgb lightGrey = qRgb(192, 192, 192);
inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb blue = qRgb(0, 0, 255);

// Black, the six dark colours, light and dark grey, the six bright colours, white.
inline const QList<QRgb> standardPalette = {
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// QImage::pixel takes the column first; these helpers take the row first, as the picture geometry is written.
inline QRgb At(const QImage& image, int row, int column)
{
    return image.pixel(column, row);
}

// Pixels inside the area whose colour differs from the given one.
inline int CountOtherThan(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != colour;
    return count;
}

inline int Count(const QImage& image, const QRect& area, QRgb colour)
{
    return area.width() * area.height() - CountOtherThan(image, area, colour);
}

// The area, cut out and made comparable with areas of pictures in other formats.
inline QImage Cut(const QImage& image, const QRect& area)
{
    return image.copy(area).convertToFormat(QImage::Format_RGB32);
}

// The control draws the picture, unscaled, at its top left.
inline bool Shows(QWidget* control, const QImage& picture)
{
    return !picture.isNull() && Cut(control->grab().toImage(), picture.rect()) == Cut(picture, picture.rect());
}
