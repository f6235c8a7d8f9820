// An icon of a dialog, shown at the size a dialog's icon has and drawn for the pixels of the screen it is on.
#pragma once

#include <QIcon>
#include <QLabel>

class CStaticIcon : public QLabel {
    Q_OBJECT
public:
    CStaticIcon(const QIcon& icon, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon icon;
};
