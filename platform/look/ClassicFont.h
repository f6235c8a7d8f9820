// The font of the classic look: every dialog of the program and every text the style draws use it.
#pragma once

#include <QFont>

// Carlito at pointSize points, falling back to the desktop's sans serif for the letters it lacks; without
// blended edges in a high-contrast look.
QFont DialogFont(int pointSize);
