// The texts of the game window's status line: where a clue landed, and the notice about another fleet.
#pragma once

#include "FleetSolver.h"

#include <QString>

// format takes the row number (%d) and then the column letter (%c), "%%" standing for "%"; a format that
// asks for anything else is shown as it stands.
QString ClueStatusText(const QString& format, int row, int column);

// count is how many fleets fit the counts and the revealed cells; at least two do while the notice shows.
QString FleetNoticeText(const FleetCount& count);
