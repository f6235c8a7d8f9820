// What a screen reader calls the controls whose own text says too little: counts, totals, the fleet.
#include "ControlNames.h"

#include "FleetGenerator.h"
#include "PieceLabels.h"
#include "Pictures.h"
#include "ResourceIds.h"

#include <algorithm>
#include <array>

namespace {

// What a name says the control is about, and where the number that chooses between the singular
// and the plural form comes from.
enum class Subject {
    Value,  // {number} is the text
    Row,    // {place} the row's number, {number} the text
    Column, // {place} the column's letter, {number} the text
    Ship,   // {place} the text (the kind of ship), {number} its length
};

struct NameRule {
    int firstId;
    int count;
    Subject subject;
    const char* many;  // the number is not 1
    const char* one;   // the number is 1
    const char* empty; // the control shows no text yet
};

constexpr std::array<NameRule, 9> Rules = {{
    {IDC_FIRST_ROW_COUNT, BoardSize, Subject::Row, "Row {place}: {number} ship cells", "Row {place}: 1 ship cell",
     "Row {place}: no count yet"},
    {IDC_FIRST_COLUMN_COUNT, BoardSize, Subject::Column, "Column {place}: {number} ship cells", "Column {place}: 1 ship cell",
     "Column {place}: no count yet"},
    {IDC_FIRST_COLUMN_LETTER, BoardSize, Subject::Column, "Column {place}", "Column {place}", "Column {place}"},
    {IDC_FIRST_SHIP_CHECK, int(FleetTable.size()), Subject::Ship, "{place}, {number} cells long", "{place}, one cell", "{place}"},
    {IDC_STATUS, 1, Subject::Value, "Status: {number}", "Status: 1", "Status: empty"},
    {IDC_CURRENT_SCORE, 1, Subject::Value, "Current Score: {number}", "Current Score: 1", "Current Score: none yet"},
    {IDC_AVERAGE_SCORE, 1, Subject::Value, "Total Score: {number}", "Total Score: 1", "Total Score: none yet"},
    {IDC_TOTAL_GAMES, 1, Subject::Value, "Total Games: {number}", "Total Games: 1", "Total Games: none yet"},
    {IDC_GAME_NUMBER, 1, Subject::Value, "Current Game: {number}", "Current Game: 1", "Current Game: none yet"},
}};

// The ship pictures of the fleet panel carry no identifier; their names say which ship they draw.
// 0 for a picture that is not a ship's.
int ShipLengthOf(const QString& pictureName)
{
    const auto ship = std::find_if(FleetTable.begin(), FleetTable.end(),
                                   [&](int length) { return pictureName == ShipPictureName(length); });
    return ship == FleetTable.end() ? 0 : *ship;
}

QString ShipPictureDescription(int length)
{
    return length == 1 ? QStringLiteral("Picture of a ship of one cell")
                       : QStringLiteral("Picture of a ship %1 cells long").arg(length);
}

QString NameBy(const NameRule& rule, int index, const QString& text)
{
    QString place;
    QString number = text;
    switch (rule.subject) {
    case Subject::Value:
        break;
    case Subject::Row:
        place = QString::fromStdString(RowLabel(index));
        break;
    case Subject::Column:
        place = QString(QLatin1Char(ColumnLetter(index)));
        break;
    case Subject::Ship:
        place = text;
        number = QString::number(FleetTable[index]);
        break;
    }
    const char* format = text.isEmpty() ? rule.empty : number == QLatin1String("1") ? rule.one : rule.many;
    return QString::fromLatin1(format)
        .replace(QLatin1String("{place}"), place)
        .replace(QLatin1String("{number}"), number);
}

} // namespace

QString ControlAccessibleName(const ControlTemplate& control, const QString& text)
{
    if (const int length = ShipLengthOf(control.text); control.kind == ControlKind::StaticPicture && length > 0)
        return ShipPictureDescription(length);
    if (control.kind == ControlKind::StaticIcon)
        return QStringLiteral("Corvane icon");
    const auto rule = std::find_if(Rules.begin(), Rules.end(), [&](const NameRule& r) {
        return control.id >= r.firstId && control.id < r.firstId + r.count;
    });
    return rule == Rules.end() ? QString() : NameBy(*rule, control.id - rule->firstId, text);
}

QString CellAccessibleName(int row, int column, PieceKind kind, CellSource source)
{
    const QString how = source == CellSource::Clue     ? QStringLiteral(", clue")
                        : source == CellSource::GiveUp ? QStringLiteral(", from Give Up")
                                                       : QString();
    return QStringLiteral("Row %1, Column %2: %3%4")
        .arg(QString::fromStdString(RowLabel(row)))
        .arg(QLatin1Char(ColumnLetter(column)))
        .arg(PieceLabel(kind))
        .arg(how);
}

QString CellAccessibleDescription(int rowCount, int columnCount)
{
    return QStringLiteral("Row count %1, column count %2").arg(rowCount).arg(columnCount);
}
