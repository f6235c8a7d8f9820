// What the game window tells a screen reader as the game changes, beyond the names of its controls.
#pragma once

#include "BoardSnapshot.h"
#include "PieceKind.h"

#include <QString>
#include <vector>

// The piece menu has opened on a cell, named as a screen reader names the cell.
QString PieceMenuOpenedAnnouncement(const QString& cellName);
// What a piece menu command did on the cell at row and column: the piece it set, or how many cells of the
// cell's row or column a fill turned to water. command is one of the menu's ten; changed is the number of
// cells the command changed.
QString PieceCommandAnnouncement(int command, int row, int column, int changed);
// What Undo brought back: the cells it changed, by index, and the marking it restored.
QString UndoAnnouncement(const std::vector<int>& changed, const BoardSnapshot& restored);
// The piece a clue shows, said after the status line's message of where the clue is.
QString CluePieceAnnouncement(PieceKind kind);
// What Start Game, which takes the focus when the player gives up, says after its name until the next game.
QString GaveUpDescription();
