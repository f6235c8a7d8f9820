// A push button that shows one of four named pictures by state and keeps its text as storage only.
#include "CBitmapButton.h"

#include "PictureInks.h"
#include "QuietText.h"
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
    SetQuietName(this, QString());
}

void CBitmapButton::SetName(const QString& name) { SetQuietName(this, name); }

QString CBitmapButton::Name() const { return QuietName(this); }

void CBitmapButton::SetDescription(const QString& description) { SetQuietDescription(this, description); }

bool CBitmapButton::LoadBitmaps(const QString& up, const QString& down, const QString& focus, const QString& disabled)
{
    upPicture = downPicture = focusPicture = disabledPicture = QString();
    if (resources.LoadBitmap(up, 1).isNull())
        return false;
    upPicture = up;
    for (auto [slot, name] : {std::pair{&downPicture, down}, {&focusPicture, focus}, {&disabledPicture, disabled}})
        if (!resources.LoadBitmap(name, 1).isNull())
            *slot = name;
    return true;
}

QString CBitmapButton::CurrentPictureName() const
{
    if (isDown() && !readOnly && !downPicture.isEmpty())
        return downPicture;
    if (hasFocus() && !focusPicture.isEmpty())
        return focusPicture;
    if (!isEnabled() && !disabledPicture.isEmpty())
        return disabledPicture;
    return upPicture;
}

void CBitmapButton::SetReadOnly(bool readOnly)
{
    if (readOnly == this->readOnly)
        return;
    this->readOnly = readOnly;
    update();
}

// Every state feedback comes from the pictures: no text, no focus rectangle, no greying. The pictures come in
// the colours of the button's palette: their own, or the two of a high-contrast look.
void CBitmapButton::paintEvent(QPaintEvent*)
{
    const QString name = CurrentPictureName();
    if (name.isEmpty())
        return;
    QPainter painter(this);
    // The button may be a pixel or two larger than its picture; that margin shows the dialog's background.
    painter.fillRect(rect(), palette().window());
    // Drawn for this screen's pixels, so that it is copied one to one, never stretched.
    painter.drawPixmap(QPoint(0, 0), ScreenPicture(resources.LoadBitmap(name, devicePixelRatioF(), PictureInks(palette()))));
}
