// The average score per solved game as the top line and the Score dialog show it.
#include "AverageScoreText.h"

#include <QLocale>

#include <cstdint>

QString AverageScoreText(int totalGames, int totalScore)
{
    if (totalGames == 0)
        return QLocale().toString(0);
    // |totalScore| x 100 < 2^38, so the product and the quotient fit in 64 bits for any totals.
    const std::int64_t average100 = std::int64_t{totalScore} * 100 / totalGames;
    const std::uint64_t magnitude = average100 < 0 ? std::uint64_t(-average100) : std::uint64_t(average100);
    // The digits and the decimal sign of the language spoken (see Translation); no group separators.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString digits = locale.toString(qulonglong(magnitude));
    if (digits.size() == 1)
        digits.prepend(locale.zeroDigit());
    digits.insert(digits.size() - 2, locale.decimalPoint());
    return average100 < 0 ? locale.negativeSign() + digits : digits;
}
