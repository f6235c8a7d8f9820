// Converts dialog units to pixels from a dialog's font, the way dialog templates are laid out.
#include "DialogUnits.h"

#include <QFontMetrics>

namespace {

// Rounds value * numerator / denominator to the nearest whole number, halves away from zero.
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX = (letters / 26 + 1) / 2;
    baseY = metrics.height();
}

int DialogUnits::ToPixelsX(int dlu) const { return MulDiv(dlu, baseX, 4); }

int DialogUnits::ToPixelsY(int dlu) const { return MulDiv(dlu, baseY, 8); }

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy));
}
