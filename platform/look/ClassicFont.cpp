// The font of the classic look: every dialog of the program and every text the style draws use it.
#include "ClassicFont.h"

#include "ClassicStyle.h"
#include "ContrastLook.h"

QFont DialogFont(int pointSize)
{
    QFont font(QStringLiteral("Carlito"));
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::SansSerif);
    // In high contrast every pixel of a text is the text colour: no blended edge that a low-vision player
    // would have to make out against the window.
    if (IsFlatPalette(LookPalette()))
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}
