// The font of the classic look: every dialog of the program and every text the style draws use it.
#include "ClassicFont.h"

QFont DialogFont(int pointSize)
{
    QFont font(QStringLiteral("Carlito"));
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
