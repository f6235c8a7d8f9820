// What the player knows for certain about the hidden fleet: the twenty counts and the cells clues revealed.
#pragma once

#include "Board.h"

#include <array>

using LineCounts = std::array<int, BoardSize>;

class FleetEvidence {
public:
    // Counts alone, no cell revealed yet.
    FleetEvidence(const LineCounts& rowCounts, const LineCounts& columnCounts);
    static FleetEvidence CountsOf(const Board& layout);

    // kind is what the layout holds there, a piece or WATER.
    void Reveal(int row, int column, PieceKind kind);

    int RowCount(int row) const { return rowCounts[row]; }
    int ColumnCount(int column) const { return columnCounts[column]; }
    // UNKNOWN where no clue has been.
    PieceKind Known(int row, int column) const { return known[CellIndex(row, column)]; }

    // The board meets every count and holds exactly the revealed kind on every revealed cell. Whether its
    // ship pieces make a fleet at all is not asked here.
    bool Fits(const Board& fleet) const;

    friend bool operator==(const FleetEvidence&, const FleetEvidence&) = default;

private:
    LineCounts rowCounts;
    LineCounts columnCounts;
    std::array<PieceKind, CellCount> known;
};
