// The words the player sees for each piece kind: menu labels and what a screen reader says.
#include "PieceLabels.h"

#include <array>

namespace {
constexpr std::array<const char*, PieceKindCount> Labels = {
    "Top", "Right", "Bottom", "Left", "Submarine", "Square", "Water", "Unknown",
};
}

QString PieceLabel(PieceKind kind) { return QString::fromLatin1(Labels[kind]); }
