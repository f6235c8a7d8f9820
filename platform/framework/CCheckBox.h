// A check box of a dialog: the whole of its template rectangle answers the mouse.
#pragma once

#include <QCheckBox>

// A click right of the text, still inside the rectangle the template gives the control, ticks it as a
// click on the mark does.
class CCheckBox : public QCheckBox {
    Q_OBJECT
public:
    CCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};
