// What the game window tells a screen reader as the game changes, beyond the names of its controls.
#include "Announcements.h"

#include "ControlNames.h"
#include "PieceLabels.h"
#include "ResourceIds.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

QString AnnouncementText(const char* text, int count = -1)
{
    return QCoreApplication::translate("Announcements", text, nullptr, count);
}

QString RowName(int row)
{
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Row %1")).arg(QString::fromStdString(RowLabel(row)));
}
QString ColumnName(int column)
{
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Column %1")).arg(QLatin1Char(ColumnLetter(column)));
}

QString CellsText(int count)
{
    return count == 1 ? AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "1 cell"))
                      : AnnouncementText(QT_TRANSLATE_N_NOOP("Announcements", "%n cells"), count);
}

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
            //: %1 a piece, %2 the cell's letter or number along its line: "Top at C".
            parts << AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "%1 at %2")).arg(PieceLabel(cell.kind), place(position));
    }
    if (water > 0)
        //: %1 how many cells ("4 cells").
        parts << AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "water at %1")).arg(CellsText(water));
    return parts.isEmpty() ? QString() : lead + QLatin1Char(' ') + parts.join(QStringLiteral(", "));
}

QString ColumnPlace(int column) { return QString(QLatin1Char(ColumnLetter(column))); }
QString RowPlace(int row) { return QString::fromStdString(RowLabel(row)); }

QString LineOverview(const QString& line, int count, const LineReading& cells, QString (*place)(int))
{
    QStringList groups;
    const int clues = int(std::count_if(cells.begin(), cells.end(),
                                        [](const CellReading& cell) { return cell.source == CellSource::Clue; }));
    //: The words that lead a line's cells by how they are known: "marked Top at C, water at 4 cells".
    const QString clueLead = clues == 1 ? AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "clue"))
                                        : AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "clues"));
    for (const auto& [source, lead] : {std::pair{CellSource::Mark, AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "marked"))},
                                       {CellSource::Clue, clueLead},
                                       {CellSource::GiveUp, AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "shown"))}}) {
        const QString group = LineGroup(cells, source, lead, place);
        if (!group.isEmpty())
            groups << group;
    }
    if (groups.isEmpty())
        groups << AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "nothing marked"));
    //: %1 the row or column, %2 its ship count, %3 its cells: "Row 3: count 2; marked Top at C".
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "%1: count %2; %3"))
        .arg(line)
        .arg(count)
        .arg(groups.join(QStringLiteral("; ")));
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

QString PieceMenuOpenedAnnouncement(const QString& cellName)
{
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Piece menu on %1")).arg(cellName);
}

QString PieceCommandAnnouncement(int command, int row, int column, int changed)
{
    if (command != IDC_FILL_ROW && command != IDC_FILL_COLUMN)
        return PieceLabel(static_cast<PieceKind>(command - IDC_FIRST_PIECE_COMMAND));
    const QString line = command == IDC_FILL_ROW ? RowName(row) : ColumnName(column);
    if (changed == 0)
        return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "%1: no unknown cell to fill")).arg(line);
    //: %1 the row or column, %2 how many cells ("3 cells").
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "%1: %2 filled with water")).arg(line, CellsText(changed));
}

QString UndoAnnouncement(const std::vector<int>& changed, const BoardSnapshot& restored)
{
    if (changed.empty())
        return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Undone"));
    const auto kindOf = [&](int index) { return restored.KindAt(index / BoardSize, index % BoardSize); };
    const int first = changed.front();
    if (changed.size() == 1)
        return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Undone: %1"))
            .arg(CellAccessibleName(first / BoardSize, first % BoardSize, kindOf(first), CellSource::Mark));
    const QString line = LineOf(changed);
    const bool oneKind = std::all_of(changed.begin(), changed.end(), [&](int index) { return kindOf(index) == kindOf(first); });
    const QString cells = CellsText(int(changed.size()));
    const QString piece = PieceLabel(kindOf(first));
    //: %1 how many cells ("3 cells"), %2 the row or column, %3 the piece they are back to.
    if (!line.isEmpty() && oneKind)
        return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Undone: %1 of %2 back to %3")).arg(cells, line, piece);
    if (!line.isEmpty())
        return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Undone: %1 of %2")).arg(cells, line);
    if (oneKind)
        return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Undone: %1 back to %2")).arg(cells, piece);
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Undone: %1")).arg(cells);
}

QString CluePieceAnnouncement(PieceKind kind)
{
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "It shows %1")).arg(PieceLabel(kind));
}

QString GaveUpDescription() { return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "The fleet is shown")); }

QString FixedCellAnnouncement(bool gameOver)
{
    return gameOver ? AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "The game is over. Start Game begins a new one"))
                    : AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "A clue cannot be changed"));
}

QString WinAnnouncement(int score, int totalGames, const QString& averageScore)
{
    const QString solved =
        score == 0   ? AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Solved without a clue"))
        : score == 1 ? AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Solved with 1 clue point"))
                     : AnnouncementText(QT_TRANSLATE_N_NOOP("Announcements", "Solved with %n clue points"), score);
    //: %1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "%1. Total games %2, average score %3"))
        .arg(solved)
        .arg(totalGames)
        .arg(averageScore);
}

QString ScoreClearedAnnouncement() { return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Score cleared")); }

QString NothingToUndoAnnouncement() { return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Nothing to undo")); }

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
    //: Each %1 and %2 is a list of ten counts, the rows' from 1 to 10, the columns' from A to J.
    return AnnouncementText(QT_TRANSLATE_NOOP("Announcements", "Row counts %1. Column counts %2"))
        .arg(CountList(rowCounts), CountList(columnCounts));
}
