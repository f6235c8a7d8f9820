// What the game window tells a screen reader as the game changes, beyond the names of its controls.
#include "Announcements.h"

#include "ControlNames.h"
#include "PieceLabels.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {

QString RowName(int row) { return QStringLiteral("Row %1").arg(QString::fromStdString(RowLabel(row))); }
QString ColumnName(int column) { return QStringLiteral("Column %1").arg(QLatin1Char(ColumnLetter(column))); }

QString CellsText(int count) { return count == 1 ? QStringLiteral("1 cell") : QStringLiteral("%1 cells").arg(count); }

// The row or the column that holds all the given cells, or nothing when they lie on no one line.
QString LineOf(const std::vector<int>& cells)
{
    const auto rowOf = [](int index) { return index / BoardSize; };
    const auto columnOf = [](int index) { return index % BoardSize; };
    const int first = cells.front();
    if (std::all_of(cells.begin(), cells.end(), [&](int index) { return rowOf(index) == rowOf(first); }))
        return RowName(rowOf(first));
    if (std::all_of(cells.begin(), cells.end(), [&](int index) { return columnOf(index) == columnOf(first); }))
        return ColumnName(columnOf(first));
    return QString();
}

} // namespace

QString PieceMenuOpenedAnnouncement(const QString& cellName) { return QStringLiteral("Piece menu on %1").arg(cellName); }

QString PieceCommandAnnouncement(int command, int row, int column, int changed)
{
    if (command != IDC_FILL_ROW && command != IDC_FILL_COLUMN)
        return PieceLabel(static_cast<PieceKind>(command - IDC_FIRST_PIECE_COMMAND));
    const QString line = command == IDC_FILL_ROW ? RowName(row) : ColumnName(column);
    if (changed == 0)
        return QStringLiteral("%1: no unknown cell to fill").arg(line);
    return QStringLiteral("%1: %2 filled with water").arg(line, CellsText(changed));
}

QString UndoAnnouncement(const std::vector<int>& changed, const BoardSnapshot& restored)
{
    if (changed.empty())
        return QStringLiteral("Undone");
    const auto kindOf = [&](int index) { return restored.KindAt(index / BoardSize, index % BoardSize); };
    const int first = changed.front();
    if (changed.size() == 1)
        return QStringLiteral("Undone: %1").arg(CellAccessibleName(first / BoardSize, first % BoardSize, kindOf(first), false));
    const QString line = LineOf(changed);
    const bool oneKind = std::all_of(changed.begin(), changed.end(), [&](int index) { return kindOf(index) == kindOf(first); });
    QString text = QStringLiteral("Undone: %1").arg(CellsText(int(changed.size())));
    if (!line.isEmpty())
        text += QStringLiteral(" of %1").arg(line);
    if (oneKind)
        text += QStringLiteral(" back to %1").arg(PieceLabel(kindOf(first)));
    return text;
}

QString CluePieceAnnouncement(PieceKind kind) { return QStringLiteral("It shows %1").arg(PieceLabel(kind)); }

QString GaveUpDescription() { return QStringLiteral("The fleet is shown"); }
