// The words the player sees for each piece kind: menu labels and what a screen reader says.
#pragma once

#include "PieceKind.h"

#include <QString>

QString PieceLabel(PieceKind kind);
