// The colours a control's pictures are drawn in: their own, or the two of a high-contrast look.
#include "PictureInks.h"

#include "ContrastLook.h"

std::optional<Inks> PictureInks(const QPalette& palette)
{
    if (!IsFlatPalette(palette))
        return std::nullopt;
    return Inks{palette.color(QPalette::WindowText).rgb(), palette.color(QPalette::Window).rgb()};
}
