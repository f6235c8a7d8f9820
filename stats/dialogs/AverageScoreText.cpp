// The average score per solved game as the top line and the Score dialog show it.
#include "AverageScoreText.h"

#include <cstdint>

QString AverageScoreText(int totalGames, int totalScore)
{
    if (totalGames == 0)
        return QStringLiteral("0");
    // |totalScore| x 100 < 2^38, so the product and the quotient fit in 64 bits for any totals.
    const std::int64_t average100 = std::int64_t{totalScore} * 100 / totalGames;
    const std::uint64_t magnitude = average100 < 0 ? std::uint64_t(-average100) : std::uint64_t(average100);
    QString digits = QString::number(magnitude);
    if (digits.size() == 1)
        digits.prepend(QLatin1Char('0'));
    digits.insert(digits.size() - 2, QLatin1Char('.'));
    return average100 < 0 ? QLatin1Char('-') + digits : digits;
}
