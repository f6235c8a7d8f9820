// What the game window tells a screen reader as the game changes, beyond the names of its controls.
#include "Announcements.h"

#include "ControlNames.h"
#include "PieceLabels.h"
#include "ResourceIds.h"

#include <QCoreApplication>

#include <algorithm>

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
            .arg(CellAccessibleName(first / BoardSize, first % BoardSize, kindOf(first), false));
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
