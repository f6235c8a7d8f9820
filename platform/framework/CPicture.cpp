// A named picture of a dialog, shown at its own size and drawn for the pixels of the screen it is on.
#include "CPicture.h"

#include "PictureInks.h"
#include "ResourceModule.h"

#include <QPainter>

CPicture::CPicture(const ResourceModule& resources, const QString& name, QWidget* parent)
    : QLabel(parent), resources(resources), name(name)
{
    // The picture of scale 1 also makes the label a picture to those that ask, a screen reader among them;
    // the painting below shows the one drawn for the screen.
    setPixmap(QPixmap::fromImage(resources.LoadBitmap(name, 1)));
}

void CPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), resources.LoadBitmap(name, devicePixelRatioF(), PictureInks(palette())));
}
