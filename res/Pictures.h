// The program's pictures, drawn once from their geometry and found by name or number.
#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

#include <memory>

#include "PieceKind.h"
#include "ResourceModule.h"

class VectorIcon;

// The name of a cell picture: "IDB_", "RED_" for a clue, the piece name, "_" and the state letter (U up,
// D down, F focused, X disabled or clue).
QString CellPictureName(PieceKind kind, bool clue, char stateLetter);
// The name of the picture of a ship of length 1..4 in the fleet panel.
QString ShipPictureName(int length);

// A cell picture ("IDB_NORTH_U", "IDB_RED_WATER_X", ...) or a ship picture ("IDB_COUNT_1".."IDB_COUNT_4"):
// 16-colour indexed images. A name outside the catalogue, "IDB_RED_UNKNOWN_X" among them, yields a null image.
QImage LoadBitmap(const QString& name);
// The same picture for a screen of the given device pixel ratio: at 1 the picture above; at any other
// ratio drawn from the same geometry at the screen's own pixels, carrying that ratio. Each is drawn once.
QImage LoadBitmap(const QString& name, qreal devicePixelRatio);
// The same picture in the two colours of a high-contrast look: every edge, symbol and mark in ink on paper,
// water as stripes (its blue would be the ink of a middle square) and a clue's diamond in ink ringed with paper.
QImage LoadBitmap(const QString& name, qreal devicePixelRatio, const Inks& inks);

// Menu pictures 3000..3007, one per piece kind; any other number yields a null image. Each shows the piece's
// label in the language the program speaks, at least as wide as its English picture and wider where the
// word needs it; where the language is written right to left, the symbol stands at the right and the word
// to its left. The labels are drawn with a font, so the application object must exist.
QImage LoadMenuBitmap(int id);
// The same for a screen of the given device pixel ratio, drawn at the screen's own pixels: the label in the
// same bold face at every ratio, filling the same columns, so the menu looks alike at every scale.
QImage LoadMenuBitmap(int id, qreal devicePixelRatio);
// The same in the two colours of a high-contrast look, as the cell pictures are drawn in them.
QImage LoadMenuBitmap(int id, qreal devicePixelRatio, const Inks& inks);
// The word that menu picture id shows beside its symbol, for those who cannot see it; empty for any other number.
QString MenuBitmapLabel(int id);

// Icon 128, the program's own, drawn from its design for the device pixels of any size but 16, which has a
// picture drawn by hand. Needs the application object.
QIcon LoadAppIcon();
// The design itself, for pictures of the icon made outside the program.
std::shared_ptr<const VectorIcon> AppIconDesign();
