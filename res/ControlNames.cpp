// What a screen reader calls the controls whose own text says too little: counts, totals, the fleet.
#include "ControlNames.h"

#include "FleetGenerator.h"
#include "PieceLabels.h"
#include "Pictures.h"
#include "ResourceIds.h"

#include <QCoreApplication>

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

// The formats are translated in the context "ControlNames"; {place} and {number} stay as they are.
struct NameRule {
    int firstId;
    int count;
    Subject subject;
    const char* many;  // the number is not 1
    const char* one;   // the number is 1; none when many says it as well
    const char* empty; // the control shows no text yet
    bool counts;       // many is said of a count, in a form for each number where a language has several
};

constexpr std::array<NameRule, 9> Rules = {{
    {IDC_FIRST_ROW_COUNT, BoardSize, Subject::Row, QT_TRANSLATE_N_NOOP("ControlNames", "Row {place}: {number} ship cells"),
     QT_TRANSLATE_NOOP("ControlNames", "Row {place}: 1 ship cell"),
     QT_TRANSLATE_NOOP("ControlNames", "Row {place}: no count yet"), true},
    {IDC_FIRST_COLUMN_COUNT, BoardSize, Subject::Column,
     QT_TRANSLATE_N_NOOP("ControlNames", "Column {place}: {number} ship cells"),
     QT_TRANSLATE_NOOP("ControlNames", "Column {place}: 1 ship cell"),
     QT_TRANSLATE_NOOP("ControlNames", "Column {place}: no count yet"), true},
    {IDC_FIRST_COLUMN_LETTER, BoardSize, Subject::Column, QT_TRANSLATE_NOOP("ControlNames", "Column {place}"), nullptr,
     QT_TRANSLATE_NOOP("ControlNames", "Column {place}"), false},
    //: {place} is the kind of ship as its check box shows it.
    {IDC_FIRST_SHIP_CHECK, int(FleetTable.size()), Subject::Ship,
     QT_TRANSLATE_N_NOOP("ControlNames", "{place}, {number} cells long"),
     QT_TRANSLATE_NOOP("ControlNames", "{place}, one cell"), "{place}", true},
    {IDC_STATUS, 1, Subject::Value, QT_TRANSLATE_NOOP("ControlNames", "Status: {number}"), nullptr,
     QT_TRANSLATE_NOOP("ControlNames", "Status: empty"), false},
    {IDC_CURRENT_SCORE, 1, Subject::Value, QT_TRANSLATE_NOOP("ControlNames", "Current Score: {number}"), nullptr,
     QT_TRANSLATE_NOOP("ControlNames", "Current Score: none yet"), false},
    {IDC_AVERAGE_SCORE, 1, Subject::Value, QT_TRANSLATE_NOOP("ControlNames", "Total Score: {number}"), nullptr,
     QT_TRANSLATE_NOOP("ControlNames", "Total Score: none yet"), false},
    {IDC_TOTAL_GAMES, 1, Subject::Value, QT_TRANSLATE_NOOP("ControlNames", "Total Games: {number}"), nullptr,
     QT_TRANSLATE_NOOP("ControlNames", "Total Games: none yet"), false},
    {IDC_GAME_NUMBER, 1, Subject::Value, QT_TRANSLATE_NOOP("ControlNames", "Current Game: {number}"), nullptr,
     QT_TRANSLATE_NOOP("ControlNames", "Current Game: none yet"), false},
}};

QString NameText(const char* text, int count = -1)
{
    return QCoreApplication::translate("ControlNames", text, nullptr, count);
}

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
    return length == 1 ? NameText(QT_TRANSLATE_NOOP("ControlNames", "Picture of a ship of one cell"))
                       : NameText(QT_TRANSLATE_N_NOOP("ControlNames", "Picture of a ship %n cells long"), length);
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
    const bool one = number == QLatin1String("1") && rule.one;
    const QString format = text.isEmpty() ? NameText(rule.empty)
                           : one          ? NameText(rule.one)
                           : rule.counts  ? NameText(rule.many, number.toInt())
                                          : NameText(rule.many);
    return QString(format)
        .replace(QLatin1String("{place}"), place)
        .replace(QLatin1String("{number}"), number);
}

} // namespace

QString ControlAccessibleName(const ControlTemplate& control, const QString& text)
{
    if (const int length = ShipLengthOf(control.text); control.kind == ControlKind::StaticPicture && length > 0)
        return ShipPictureDescription(length);
    if (control.kind == ControlKind::StaticIcon)
        return NameText(QT_TRANSLATE_NOOP("ControlNames", "Corvane icon"));
    const auto rule = std::find_if(Rules.begin(), Rules.end(), [&](const NameRule& r) {
        return control.id >= r.firstId && control.id < r.firstId + r.count;
    });
    return rule == Rules.end() ? QString() : NameBy(*rule, control.id - rule->firstId, text);
}

QString CellAccessibleName(int row, int column, PieceKind kind, CellSource source)
{
    //: %1 the row's number, %2 the column's letter, %3 the piece; cells keep these names in every language.
    const QString format =
        source == CellSource::Clue     ? NameText(QT_TRANSLATE_NOOP("ControlNames", "Row %1, Column %2: %3, clue"))
        : source == CellSource::GiveUp ? NameText(QT_TRANSLATE_NOOP("ControlNames", "Row %1, Column %2: %3, from Give Up"))
                                       : NameText(QT_TRANSLATE_NOOP("ControlNames", "Row %1, Column %2: %3"));
    return format.arg(QString::fromStdString(RowLabel(row))).arg(QLatin1Char(ColumnLetter(column))).arg(PieceLabel(kind));
}

QString CellAccessibleDescription(int rowCount, int columnCount)
{
    return NameText(QT_TRANSLATE_NOOP("ControlNames", "Row count %1, column count %2")).arg(rowCount).arg(columnCount);
}
