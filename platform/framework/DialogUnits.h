// Converts dialog units to pixels from a dialog's font, the way dialog templates are laid out.
#pragma once

#include <QFont>
#include <QRect>

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int BaseX() const { return baseX; }
    int BaseY() const { return baseY; }
    int ToPixelsX(int dlu) const;
    int ToPixelsY(int dlu) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    int baseX; // average width of the 52 letters A-Z and a-z
    int baseY; // the font's height
};

