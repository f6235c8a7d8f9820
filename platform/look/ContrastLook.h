// The high-contrast form of the classic look: what the desktop asks for, and the palette that answers it.
#pragma once

#include <QPalette>
#include <QString>

#include <optional>

// What the desktop says of its colours, as Qt 6.4 reports them before the program sets a palette of its own.
struct DesktopColours {
    QPalette palette;      // the application's palette as the desktop left it
    QPalette styleDefault; // the palette the style Qt chose brings of itself, which a desktop palette replaces
    QString styleName;     // the style Qt chose: QT_STYLE_OVERRIDE's, or the desktop theme's
    QString styleOverride; // QT_STYLE_OVERRIDE as the environment sets it
};

// Read from the running application; call it before the program's own style and palette are set.
DesktopColours DesktopColoursNow();

// The desktop asks for high contrast when its style or QT_STYLE_OVERRIDE names a high-contrast theme, or when
// it sets a palette of its own whose window text and window differ by at least 7:1. The answer is the
// palette the classic look then draws with: window, buttons and fields in the desktop's window colour, every
// text and every edge in its text colour, the highlight as the desktop has it when that keeps 7:1 as well
// (else the two colours swapped), and text that cannot be used dimmed no further than 7:1 allows. A theme
// named without such colours of its own (a window near black or white) gets white on black when it is an
// inverse or dark one, black on white otherwise. Nothing when the desktop asks for nothing.
std::optional<QPalette> HighContrastPalette(const DesktopColours& desktop);

// The contrast of two colours by their relative luminance, 1:1 to 21:1, as accessibility guidelines measure
// it; the larger over the smaller.
double ContrastRatio(const QColor& a, const QColor& b);

// A palette that draws every edge in its text colour, as the high-contrast one does: the program's pictures
// are then drawn in its window text on its window. The classic palette and the toolkit's are not flat.
bool IsFlatPalette(const QPalette& palette);
