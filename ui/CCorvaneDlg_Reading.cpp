// The game window's keys that read the board at once, as a glance takes it in: the focused cell's row or
// column, or every count.
#include "CCorvaneDlg.h"

#include "Announcements.h"
#include "CBitmapButton.h"

#include <QKeyEvent>

#include <algorithm>
#include <utility>

namespace {

enum class Reading { Row, Column, Counts };

// Pressed on a cell, without Alt, Ctrl or Shift. R and C are also the piece menu's keys for filling the
// cell's row and column.
constexpr std::pair<int, Reading> ReadingKeys[] = {
    {Qt::Key_R, Reading::Row},
    {Qt::Key_C, Reading::Column},
    {Qt::Key_N, Reading::Counts},
};

} // namespace

bool CCorvaneDlg::ReadBoard(const QKeyEvent& key)
{
    const int id = focusWidget() ? GetDlgCtrlID(focusWidget()) : 0;
    if (id < IDC_FIRST_CELL || id > IDC_LAST_CELL || (key.modifiers() & ~Qt::KeypadModifier))
        return false;
    const auto reading = std::find_if(std::begin(ReadingKeys), std::end(ReadingKeys),
                                      [&](const auto& entry) { return entry.first == key.key(); });
    if (reading == std::end(ReadingKeys))
        return false;

    const int row = (id - IDC_FIRST_CELL) / BoardSize, column = (id - IDC_FIRST_CELL) % BoardSize;
    const auto cellReading = [this](int r, int c) {
        return CellReading{GetMark(CellAt(r, c)), CellSources[CellIndex(r, c)]};
    };
    LineReading line{};
    switch (reading->second) {
    case Reading::Row:
        for (int c = 0; c < BoardSize; ++c)
            line[c] = cellReading(row, c);
        Announce(RowOverview(row, Evidence.RowCount(row), line));
        break;
    case Reading::Column:
        for (int r = 0; r < BoardSize; ++r)
            line[r] = cellReading(r, column);
        Announce(ColumnOverview(column, Evidence.ColumnCount(column), line));
        break;
    case Reading::Counts: {
        LineCounts rows{}, columns{};
        for (int i = 0; i < BoardSize; ++i) {
            rows[i] = Evidence.RowCount(i);
            columns[i] = Evidence.ColumnCount(i);
        }
        Announce(CountsOverview(rows, columns));
        break;
    }
    }
    return true;
}
