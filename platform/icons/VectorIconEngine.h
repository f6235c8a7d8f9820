// An icon drawn from its design for the device pixels of every size asked for, never scaled from another size.
#pragma once

#include "VectorIcon.h"

#include <QIconEngine>
#include <QList>

#include <map>
#include <memory>

class VectorIconEngine : public QIconEngine {
public:
    // offered are the sizes the icon names when asked which it has, in logical pixels. A picture in
    // madeForSizes is shown as it is wherever exactly its size is asked for.
    VectorIconEngine(std::shared_ptr<const VectorIcon> design, QList<QSize> offered, QList<QImage> madeForSizes = {});

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

    // The icon as a QIcon, which takes over a new engine.
    static QIcon Icon(std::shared_ptr<const VectorIcon> design, QList<QSize> offered, QList<QImage> madeForSizes = {});

private:
    // The square picture for the shorter side of size, in device pixels.
    QImage Picture(QSize size) const;

    std::shared_ptr<const VectorIcon> design;
    QList<QSize> offered;
    QList<QImage> madeForSizes;
    std::map<int, QPixmap> drawn;
};
