// A push button that shows one of four named pictures by state and keeps its text as storage only.
#include "CBitmapButton.h"

#include "ResourceModule.h"

#include <QPainter>
#include <QPixmapCache>

namespace {

// The pictures are shared between cells; each is converted for the screen once, not at every paint.
QPixmap ScreenPicture(const QImage& picture)
{
    const QString key = QStringLiteral("CBitmapButton/%1").arg(picture.cacheKey());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(picture);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace

CBitmapButton::CBitmapButton(const ResourceModule& resources, QWidget* parent)
    : QAbstractButton(parent), resources(resources)
{
    setFocusPolicy(Qt::StrongFocus);
}

bool CBitmapButton::LoadBitmaps(const QString& up, const QString& down, const QString& focus, const QString& disabled)
{
    upPicture = resources.LoadBitmap(up);
    downPicture = focusPicture = disabledPicture = QImage();
    if (upPicture.isNull())
        return false;
    downPicture = resources.LoadBitmap(down);
    focusPicture = resources.LoadBitmap(focus);
    disabledPicture = resources.LoadBitmap(disabled);
    return true;
}

QImage CBitmapButton::CurrentPicture() const
{
    if (isDown() && !downPicture.isNull())
        return downPicture;
    if (hasFocus() && !focusPicture.isNull())
        return focusPicture;
    if (!isEnabled() && !disabledPicture.isNull())
        return disabledPicture;
    return upPicture;
}

// Every state feedback comes from the pictures: no text, no focus rectangle, no greying.
void CBitmapButton::paintEvent(QPaintEvent*)
{
    const QImage picture = CurrentPicture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    // The button may be a pixel or two larger than its picture; that margin shows the dialog's background.
    painter.fillRect(rect(), palette().window());
    // Unscaled in logical pixels; on a high-density screen the painter's default nearest-neighbour
    // scaling keeps the pixel art sharp.
    painter.drawPixmap(QPoint(0, 0), ScreenPicture(picture));
}
