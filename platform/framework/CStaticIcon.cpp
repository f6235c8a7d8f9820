// An icon of a dialog, shown at the size a dialog's icon has and drawn for the pixels of the screen it is on.
#include "CStaticIcon.h"

#include <QPainter>

namespace {

constexpr QSize IconSize(32, 32);

} // namespace

CStaticIcon::CStaticIcon(const QIcon& icon, QWidget* parent) : QLabel(parent), icon(icon)
{
    // The picture of scale 1 sets the control's size and makes it a picture to those that ask, a screen
    // reader among them; the painting below shows the one drawn for the screen.
    setPixmap(icon.pixmap(IconSize, 1.0));
}

void CStaticIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), icon.pixmap(IconSize, devicePixelRatioF()));
}
