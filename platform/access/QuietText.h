// Buttons named and described for a screen reader without a word to it at every change.
#pragma once

#include <QString>

class QAbstractButton;

// A screen reader reads a button's name and description as the focus lands on it, yet hears of every change of
// them: a hundred buttons renamed at once hold up everything the reader says next, and a renamed button that
// holds the focus is not read again anyway. A button given its texts here keeps the toolkit's role, states and
// press action, and is named and described by the last texts given, with no one told when they change.
void SetQuietName(QAbstractButton* button, const QString& name);
void SetQuietDescription(QAbstractButton* button, const QString& description);
QString QuietName(const QAbstractButton* button);
QString QuietDescription(const QAbstractButton* button);
