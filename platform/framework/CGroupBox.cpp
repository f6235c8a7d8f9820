// The group box of a dialog: an etched frame with its title on the top line.
#include "CGroupBox.h"

CGroupBox::CGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}
