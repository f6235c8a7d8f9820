// Fills the row and column into the clue message, and the count into the fleet notice.
#include "StatusTexts.h"

#include "PieceKind.h"
#include "StringTable.h"

#include <QLocale>

#include <array>

namespace {

struct Conversion {
    QChar letter;
    QString value;
};

} // namespace

QString ClueStatusText(const QString& format, int row, int column)
{
    // The format is string table data: it is used only when it asks for exactly a number and then a letter.
    const std::array<Conversion, 2> wanted = {{
        {QLatin1Char('d'), QString::fromStdString(RowLabel(row))},
        {QLatin1Char('c'), QString(QLatin1Char(ColumnLetter(column)))},
    }};
    QString text;
    std::size_t used = 0;
    for (qsizetype at = 0; at < format.size(); ++at) {
        if (format[at] != QLatin1Char('%')) {
            text += format[at];
            continue;
        }
        if (++at == format.size())
            return format;
        if (format[at] == QLatin1Char('%'))
            text += QLatin1Char('%');
        else if (used < wanted.size() && format[at] == wanted[used].letter)
            text += wanted[used++].value;
        else
            return format;
    }
    return used == wanted.size() ? text : format;
}

QString FleetNoticeText(const FleetCount& count)
{
    // Grouped in thousands, as the language spoken writes numbers (see Translation).
    const QString fleets = QLocale().toString(count.fleets);
    return LoadString(IDS_FLEET_NOTICE).arg(count.moreThan ? LoadString(IDS_MORE_THAN).arg(fleets) : fleets);
}
