// The group box of a dialog: an etched frame with its title on the top line.
#include "CGroupBox.h"

#include <QPainter>
#include <QStyle>

CGroupBox::CGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

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
