// The counts and revealed cells, and whether a board agrees with them.
#include "FleetEvidence.h"

FleetEvidence::FleetEvidence(const LineCounts& rowCounts, const LineCounts& columnCounts)
    : rowCounts(rowCounts), columnCounts(columnCounts)
{
    known.fill(UNKNOWN);
}

FleetEvidence FleetEvidence::CountsOf(const Board& layout)
{
    LineCounts rows{};
    LineCounts columns{};
    for (int line = 0; line < BoardSize; ++line) {
        rows[line] = RowShipCount(layout, line);
        columns[line] = ColumnShipCount(layout, line);
    }
    return FleetEvidence(rows, columns);
}

void FleetEvidence::Reveal(int row, int column, PieceKind kind) { known[CellIndex(row, column)] = kind; }

bool FleetEvidence::Fits(const Board& fleet) const
{
    for (int line = 0; line < BoardSize; ++line)
        if (RowShipCount(fleet, line) != rowCounts[line] || ColumnShipCount(fleet, line) != columnCounts[line])
            return false;
    for (int index = 0; index < CellCount; ++index) {
        const PieceKind revealed = known[index];
        if (revealed != UNKNOWN && fleet.At(index / BoardSize, index % BoardSize) != revealed)
            return false;
    }
    return true;
}
