// The average score per solved game as the top line and the Score dialog show it.
#pragma once

#include <QString>

// "0" when no game is solved; otherwise the average in hundredths, truncated toward zero, written with
// exactly two digits after a "." and no "0" before it when the whole part is 0: ".05", "1.50", "12.50";
// in the digits and with the decimal sign of the language spoken (QLocale's default): "1,50" in German.
// Totals that play never produces are shown by the same rule: a negative average gets a leading "-"
// (-0.33 is "-.33"), and any 32-bit totals are computed in 64 bits, so nothing overflows or faults.
QString AverageScoreText(int totalGames, int totalScore);
