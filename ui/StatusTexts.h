// The texts of the game window's status line: where a clue landed.
#pragma once

#include <QString>

// format takes the row number (%d) and then the column letter (%c), "%%" standing for "%"; a format that
// asks for anything else is shown as it stands.
QString ClueStatusText(const QString& format, int row, int column);
