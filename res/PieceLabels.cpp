// The words the player sees for each piece kind: menu labels and what a screen reader says.
#include "PieceLabels.h"

#include <QCoreApplication>

#include <array>

namespace {
//: The pieces' words, drawn beside their pictures in the piece menu and said by screen readers.
constexpr std::array<const char*, PieceKindCount> Labels = {
    QT_TRANSLATE_NOOP("PieceLabels", "Top"),       QT_TRANSLATE_NOOP("PieceLabels", "Right"),
    QT_TRANSLATE_NOOP("PieceLabels", "Bottom"),    QT_TRANSLATE_NOOP("PieceLabels", "Left"),
    QT_TRANSLATE_NOOP("PieceLabels", "Submarine"), QT_TRANSLATE_NOOP("PieceLabels", "Square"),
    QT_TRANSLATE_NOOP("PieceLabels", "Water"),     QT_TRANSLATE_NOOP("PieceLabels", "Unknown"),
};
}

QString PieceLabel(PieceKind kind) { return QCoreApplication::translate("PieceLabels", Labels[kind]); }
