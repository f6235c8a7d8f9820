// What a screen reader calls the controls whose own text says too little: counts, totals, the fleet.
#pragma once

#include "DialogTemplate.h"
#include "PieceKind.h"

#include <QString>

// The name of a control made from its template entry and now showing text (for a picture, text is the
// picture's name); empty when the control's own text, as the toolkit reads it, is name enough.
// The identifiers named here mean the same in every dialog of the program.
QString ControlAccessibleName(const ControlTemplate& control, const QString& text);

// A cell by its place and the piece it shows: "Row 4, Column B: Top", with ", clue" for a cell a clue fixed.
QString CellAccessibleName(int row, int column, PieceKind kind, bool clue);
// What a screen reader says after a cell's name: the ship cells its row and its column hold.
QString CellAccessibleDescription(int rowCount, int columnCount);
