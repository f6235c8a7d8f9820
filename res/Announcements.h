// What the game window tells a screen reader as the game changes, beyond the names of its controls.
#pragma once

#include "BoardSnapshot.h"
#include "ControlNames.h"
#include "FleetEvidence.h"
#include "PieceKind.h"

#include <QString>
#include <array>
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
// Why a cell keeps its piece when the player tries to change it: the game is over, or a clue fixed it.
QString FixedCellAnnouncement(bool gameOver);
// The results of a won game, said as the window comes back to Start Game: the clue points the game took,
// then the totals as the top line now shows them (averageScore as shown there).
QString WinAnnouncement(int score, int totalGames, const QString& averageScore);
// The totals have been set back to zero.
QString ScoreClearedAnnouncement();
// Undo was asked for with no step to take back.
QString NothingToUndoAnnouncement();

// A cell as the overviews read it: its piece and how that is known.
struct CellReading {
    PieceKind kind;
    CellSource source;
};
using LineReading = std::array<CellReading, BoardSize>;
// A whole row or column in one sentence, as a glance takes it in: its count, the player's marks (ship pieces
// by place, water as a number of cells), the clues, and the fleet Give Up showed; unknown cells go unsaid.
// "Row 3: count 2; marked Top at C, water at 4 cells; clue Submarine at E". A row's cells are placed by their
// column letters, a column's by their row numbers.
QString RowOverview(int row, int count, const LineReading& cells);
QString ColumnOverview(int column, int count, const LineReading& cells);
// All ten row counts, then all ten column counts.
QString CountsOverview(const LineCounts& rowCounts, const LineCounts& columnCounts);
