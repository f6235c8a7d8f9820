// The colours a control's pictures are drawn in: their own, or the two of a high-contrast look.
#pragma once

#include "ResourceModule.h"

#include <QPalette>

#include <optional>

// Nothing for a palette that keeps the pictures' own colours; for a high-contrast palette, which draws every
// edge in its text colour, that colour as ink on its window colour.
std::optional<Inks> PictureInks(const QPalette& palette);
