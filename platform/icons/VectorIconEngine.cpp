// An icon drawn from its design for the device pixels of every size asked for, never scaled from another size.
#include "VectorIconEngine.h"

#include <QPainter>
#include <QPixmap>

VectorIconEngine::VectorIconEngine(std::shared_ptr<const VectorIcon> design, QList<QSize> offered,
                                   QList<QImage> madeForSizes)
    : design(std::move(design)), offered(std::move(offered)), madeForSizes(std::move(madeForSizes))
{
}

QIcon VectorIconEngine::Icon(std::shared_ptr<const VectorIcon> design, QList<QSize> offered, QList<QImage> madeForSizes)
{
    return QIcon(new VectorIconEngine(std::move(design), std::move(offered), std::move(madeForSizes)));
}

QImage VectorIconEngine::Picture(QSize size) const
{
    const int pixels = std::min(size.width(), size.height());
    for (const QImage& picture : madeForSizes)
        if (picture.size() == QSize(pixels, pixels))
            return picture;
    return design->Draw(pixels);
}

QPixmap VectorIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    // Drawn once per size: a window icon and a dialog's picture ask again at every paint.
    const int pixels = std::min(size.width(), size.height());
    auto found = drawn.find(pixels);
    if (found == drawn.end())
        found = drawn.emplace(pixels, QPixmap::fromImage(Picture(size))).first;
    return found->second;
}

QPixmap VectorIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal)
{
    return pixmap(size, mode, state);
}

void VectorIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    const QSizeF shown = picture.deviceIndependentSize();
    painter->drawPixmap(QPointF(rect.x() + (rect.width() - shown.width()) / 2, rect.y() + (rect.height() - shown.height()) / 2),
                        picture);
}

QSize VectorIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = std::min(size.width(), size.height());
    return QSize(side, side);
}

QList<QSize> VectorIconEngine::availableSizes(QIcon::Mode, QIcon::State) { return offered; }

QIconEngine* VectorIconEngine::clone() const { return new VectorIconEngine(design, offered, madeForSizes); }

QString VectorIconEngine::key() const { return QStringLiteral("VectorIconEngine"); }
