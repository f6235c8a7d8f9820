// Buttons whose description a screen reader reads as the focus lands on them, changed without a word.
#pragma once

#include <QString>

class QAbstractButton;

// A screen reader reads a button's description only as the focus lands on it, yet hears of every change of it:
// a hundred buttons whose descriptions all change at once hold up everything the reader says next. A button
// given its description here keeps the toolkit's role, name, states and press action, and is described by the
// last text given, with no one told when it changes.
void SetQuietDescription(QAbstractButton* button, const QString& description);
QString QuietDescription(const QAbstractButton* button);
