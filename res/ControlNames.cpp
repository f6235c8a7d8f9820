// What a screen reader calls the controls whose own text says too little: counts, totals, the fleet.
#include "ControlNames.h"

#include "FleetGenerator.h"
#include "PieceKind.h"

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
    {4000, BoardSize, Subject::Row, "Row {place}: {number} ship cells", "Row {place}: 1 ship cell",
     "Row {place}: no count yet"},
    {5000, BoardSize, Subject::Column, "Column {place}: {number} ship cells", "Column {place}: 1 ship cell",
     "Column {place}: no count yet"},
    {7000, BoardSize, Subject::Column, "Column {place}", "Column {place}", "Column {place}"},
    {6000, int(FleetTable.size()), Subject::Ship, "{place}, {number} cells long", "{place}, one cell", "{place}"},
    {1010, 1, Subject::Value, "Status: {number}", "Status: 1", "Status: empty"},
    {1011, 1, Subject::Value, "Current Score: {number}", "Current Score: 1", "Current Score: none yet"},
    {1012, 1, Subject::Value, "Total Score: {number}", "Total Score: 1", "Total Score: none yet"},
    {1013, 1, Subject::Value, "Total Games: {number}", "Total Games: 1", "Total Games: none yet"},
    {1014, 1, Subject::Value, "Current Game: {number}", "Current Game: 1", "Current Game: none yet"},
}};

// The ship pictures of the fleet panel carry no identifier; their names say which ship they draw.
const QString ShipPicturePrefix = QStringLiteral("IDB_COUNT_");

QString ShipPictureName(const QString& pictureName)
{
    const int length = pictureName.mid(ShipPicturePrefix.size()).toInt();
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
    if (control.kind == ControlKind::StaticPicture && control.text.startsWith(ShipPicturePrefix))
        return ShipPictureName(control.text);
    if (control.kind == ControlKind::StaticIcon)
        return QStringLiteral("Corvane icon");
    const auto rule = std::find_if(Rules.begin(), Rules.end(), [&](const NameRule& r) {
        return control.id >= r.firstId && control.id < r.firstId + r.count;
    });
    return rule == Rules.end() ? QString() : NameBy(*rule, control.id - rule->firstId, text);
}
