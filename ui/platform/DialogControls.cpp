// The static controls whose keyboard mnemonic moves the focus to the next control, as on a dialog box.
#include "DialogControls.h"

#include "Pictures.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

CStatic::CStatic(const QString& text, std::function<void(QWidget*)> onMnemonic, QWidget* parent)
    : QLabel(text, parent), onMnemonic(std::move(onMnemonic))
{
    // A label shows and grabs its mnemonic only when it has a buddy; it is its own, and
    // event() below decides where the focus goes.
    if (text.contains(QLatin1Char('&')))
        setBuddy(this);
}

bool CStatic::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        onMnemonic(this);
        return true;
    }
    return QLabel::event(event);
}

CGroupBox::CGroupBox(const QString& title, std::function<void(QWidget*)> onMnemonic, QWidget* parent)
    : QGroupBox(title, parent), onMnemonic(std::move(onMnemonic))
{
}

bool CGroupBox::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        onMnemonic(this);
        return true;
    }
    return QGroupBox::event(event);
}

void CGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // The frame's top line runs through the middle of the title.
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(frame);
    painter.setPen(Qt::white);
    painter.drawRect(frame.translated(1, 1));

    // The title starts one character in, on a gap in the line a little wider than itself.
    const int indent = metrics.averageCharWidth();
    const int gap = 2;
    const QString shown = QString(title()).remove(QLatin1Char('&'));
    const QRect titleArea(indent, 0, metrics.horizontalAdvance(shown), metrics.height());
    painter.fillRect(titleArea.adjusted(-gap, 0, gap, 0), palette().window());
    style()->drawItemText(&painter, titleArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

CPicture::CPicture(const QString& name, QWidget* parent) : QLabel(parent), name(name) {}

QSize CPicture::sizeHint() const { return LoadBitmap(name).size(); }

void CPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), LoadBitmap(name, devicePixelRatioF()));
}
