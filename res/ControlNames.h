// What a screen reader calls the controls whose own text says too little: counts, totals, the fleet.
#pragma once

#include "DialogTemplate.h"
#include "PieceKind.h"

#include <QString>

// The name of a control made from its template entry and now showing text (for a picture, text is the
// picture's name); empty when the control's own text, as the toolkit reads it, is name enough.
// The identifiers named here mean the same in every dialog of the program.
QString ControlAccessibleName(const ControlTemplate& control, const QString& text);

// How the player knows the piece a cell shows: a mark of their own, a clue, or the fleet Give Up showed.
enum class CellSource { Mark, Clue, GiveUp };

// A cell by its place, the piece it shows and how that is known: "Row 4, Column B: Top", "Row 4, Column J:
// Submarine, clue", "Row 2, Column C: Water, from Give Up".
QString CellAccessibleName(int row, int column, PieceKind kind, CellSource source);
// What a screen reader says after a cell's name: the ship cells its row and its column hold.
QString CellAccessibleDescription(int rowCount, int columnCount);
