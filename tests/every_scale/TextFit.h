// What each text of a window needs and what its control gives it, and which controls overlap, as the window
// is laid out in the language it speaks.
#pragma once

#include <QString>
#include <QStringList>

#include <map>

class QWidget;

// One line for each text and one for each fault, in the window's logical pixels:
//   text <needed width> <needed height> <room width> <room height> <control>: <text>
//   overlap <control> | <control>
//   outside <control>
// A text needs its widest line and its lines' heights as the fonts that draw it round them, whatever
// script they are in; its room is what the control leaves for it inside its frame, indicator or margins.
// Beside the texts controls show, alsoShown names further texts a control may come to show, by its
// identifier (the status line's messages, the widest values).
QStringList MeasureTexts(QWidget& window, const std::map<int, QStringList>& alsoShown = {});
