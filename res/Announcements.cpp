// What the game window tells a screen reader as the game changes, beyond the names of its controls.
#include "Announcements.h"

#include "ControlNames.h"
#include "PieceLabels.h"
#include "ResourceIds.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

QString RowName(int row) { return QStringLiteral("Row %1").arg(QString::fromStdString(RowLabel(row))); }
QString ColumnName(int column) { return QStringLiteral("Column %1").arg(QLatin1Char(ColumnLetter(column))); }

QString CellsText(int count) { return count == 1 ? QStringLiteral("1 cell") : QStringLiteral("%1 cells").arg(count); }

// One group of a line's cells, known the same way: "marked Top at C, water at 4 cells"; empty when the
// line has none of them. place names a cell by its position along the line.
QString LineGroup(const LineReading& cells, CellSource source, const QString& lead, QString (*place)(int))
{
    QStringList parts;
    int water = 0;
    for (int position = 0; position < BoardSize; ++position) {
        const CellReading& cell = cells[position];
        if (cell.source != source || cell.kind == UNKNOWN)
            continue;
        if (cell.kind == WATER && source != CellSource::Clue)
            ++water;
        else
            parts << QStringLiteral("%1 at %2").arg(PieceLabel(cell.kind), place(position));
    }
    if (water > 0)
        parts << QStringLiteral("water at %1").arg(CellsText(water));
    return parts.isEmpty() ? QString() : lead + QLatin1Char(' ') + parts.join(QStringLiteral(", "));
}

QString ColumnPlace(int column) { return QString(QLatin1Char(ColumnLetter(column))); }
QString RowPlace(int row) { return QString::fromStdString(RowLabel(row)); }

QString LineOverview(const QString& line, int count, const LineReading& cells, QString (*place)(int))
{
    QStringList groups;
    const int clues = int(std::count_if(cells.begin(), cells.end(),
                                        [](const CellReading& cell) { return cell.source == CellSource::Clue; }));
    for (const auto& [source, lead] : {std::pair{CellSource::Mark, QStringLiteral("marked")},
                                       {CellSource::Clue, clues == 1 ? QStringLiteral("clue") : QStringLiteral("clues")},
                                       {CellSource::GiveUp, QStringLiteral("shown")}}) {
        const QString group = LineGroup(cells, source, lead, place);
        if (!group.isEmpty())
            groups << group;
    }
    if (groups.isEmpty())
        groups << QStringLiteral("nothing marked");
    return QStringLiteral("%1: count %2; %3").arg(line).arg(count).arg(groups.join(QStringLiteral("; ")));
}

QString CountList(const LineCounts& counts)
{
    QStringList numbers;
    for (int count : counts)
        numbers << QString::number(count);
    return numbers.join(QStringLiteral(", "));
}

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
        return QStringLiteral("Undone: %1").arg(CellAccessibleName(first / BoardSize, first % BoardSize, kindOf(first), CellSource::Mark));
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

QString FixedCellAnnouncement(bool gameOver)
{
    return gameOver ? QStringLiteral("The game is over. Start Game begins a new one")
                    : QStringLiteral("A clue cannot be changed");
}

QString WinAnnouncement(int score, int totalGames, const QString& averageScore)
{
    const QString solved = score == 0   ? QStringLiteral("Solved without a clue")
                           : score == 1 ? QStringLiteral("Solved with 1 clue point")
                                        : QStringLiteral("Solved with %1 clue points").arg(score);
    return QStringLiteral("%1. Total games %2, average score %3").arg(solved).arg(totalGames).arg(averageScore);
}

QString ScoreClearedAnnouncement() { return QStringLiteral("Score cleared"); }

QString NothingToUndoAnnouncement() { return QStringLiteral("Nothing to undo"); }

QString RowOverview(int row, int count, const LineReading& cells)
{
    return LineOverview(RowName(row), count, cells, ColumnPlace);
}

QString ColumnOverview(int column, int count, const LineReading& cells)
{
    return LineOverview(ColumnName(column), count, cells, RowPlace);
}

QString CountsOverview(const LineCounts& rowCounts, const LineCounts& columnCounts)
{
    return QStringLiteral("Row counts %1. Column counts %2").arg(CountList(rowCounts), CountList(columnCounts));
}
