// The group box of a dialog: an etched frame with its title on the top line.
#pragma once

#include <QGroupBox>

// The controls it frames are its siblings, not its children. It leaves the inside unpainted, so that the
// pictures set on it stand on the dialog's own face; the style draws the frame and the title.
class CGroupBox : public QGroupBox {
    Q_OBJECT
public:
    CGroupBox(const QString& title, QWidget* parent);
};
