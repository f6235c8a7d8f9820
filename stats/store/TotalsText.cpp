// The two totals as they stand in the text of the settings file, read and replaced without touching the rest.
#include "TotalsText.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

constexpr int Largest = std::numeric_limits<int>::max();
const QByteArray StatsSection = QByteArrayLiteral("Stats");
constexpr std::array<const char*, 2> Entries = {"TotalGames", "TotalScore"};

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Every line of text with its own ending (LF, CR LF or CR); the last may have none.
QList<QByteArray> LinesOf(const QByteArray& text)
{
    QList<QByteArray> lines;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        if (end < text.size())
            end += text.mid(end, 2) == "\r\n" ? 2 : 1;
        lines.append(text.mid(start, end - start));
        start = end;
    }
    return lines;
}

// The ending of a line, empty for a last line without one.
QByteArray EndingOf(const QByteArray& line)
{
    if (line.endsWith("\r\n"))
        return QByteArrayLiteral("\r\n");
    if (line.endsWith('\n') || line.endsWith('\r'))
        return line.right(1);
    return {};
}

// The text without the byte order mark that may stand before its first line.
QByteArray WithoutByteOrderMark(const QByteArray& text)
{
    return text.startsWith(ByteOrderMark) ? text.mid(ByteOrderMark.size()) : text;
}

// The section a header line starts; none for a line that is not a header.
std::optional<QByteArray> SectionOf(const QByteArray& line)
{
    const QByteArray body = line.trimmed();
    if (!body.startsWith('['))
        return std::nullopt;
    if (!body.endsWith(']'))
        return QByteArray();
    return body.mid(1, body.size() - 2);
}

// Which total an entry line sets (its index in Entries) and the value it gives; none for other lines.
std::optional<std::size_t> TotalEntryOf(const QByteArray& line, QByteArray& value)
{
    const QByteArray body = line.trimmed();
    const qsizetype equals = body.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    const QByteArray key = body.left(equals).trimmed();
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        if (key == Entries[i]) {
            value = body.mid(equals + 1).trimmed();
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> CountFrom(QByteArray value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    if (value.isEmpty())
        return std::nullopt;
    std::int64_t count = 0;
    for (const char digit : value) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        count = count * 10 + (digit - '0');
        if (count > Largest)
            return std::nullopt;
    }
    return static_cast<int>(count);
}

int SaturatingAdd(int stored, int added)
{
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{stored} + added, 0, Largest));
}

} // namespace

StoredTotals ReadTotals(const QByteArray& text)
{
    if (text.contains('\0'))
        return {{}, QCoreApplication::translate("TotalsStore", "it holds bytes that are not text")};
    std::array<std::optional<QByteArray>, Entries.size()> values;
    bool inStats = false;
    for (const QByteArray& line : LinesOf(WithoutByteOrderMark(text))) {
        if (const std::optional<QByteArray> section = SectionOf(line)) {
            inStats = *section == StatsSection;
            continue;
        }
        QByteArray value;
        if (const std::optional<std::size_t> entry = inStats ? TotalEntryOf(line, value) : std::nullopt)
            values[*entry] = value;
    }
    std::array<int, Entries.size()> counts{};
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        const std::optional<int> count = values[i] ? CountFrom(*values[i]) : 0;
        if (!count)
            return {{}, QCoreApplication::translate("TotalsStore", "%1 is not a whole number from 0 to %2").arg(QLatin1String(Entries[i])).arg(Largest)};
        counts[i] = *count;
    }
    const bool complete = std::all_of(values.begin(), values.end(), [](const auto& value) { return value.has_value(); });
    return {{counts[0], counts[1]}, {}, complete};
}

QByteArray WithTotals(const QByteArray& text, Totals totals)
{
    const QByteArray body = WithoutByteOrderMark(text);
    const QList<QByteArray> lines = LinesOf(body);
    const auto ended = std::find_if(lines.begin(), lines.end(), [](const QByteArray& line) { return !EndingOf(line).isEmpty(); });
    const QByteArray textEnding = ended == lines.end() ? QByteArrayLiteral("\n") : EndingOf(*ended);
    const auto entries = [&totals](const QByteArray& ending) {
        return QByteArray(Entries[0]) + '=' + QByteArray::number(totals.games) + ending + QByteArray(Entries[1]) + '=' +
               QByteArray::number(totals.score) + ending;
    };
    QByteArray result = text.left(text.size() - body.size());
    bool inStats = false;
    bool written = false;
    for (const QByteArray& line : lines) {
        QByteArray value;
        if (const std::optional<QByteArray> section = SectionOf(line)) {
            inStats = *section == StatsSection;
            result += line;
            if (inStats && !written) {
                QByteArray ending = EndingOf(line);
                if (ending.isEmpty()) {
                    ending = textEnding;
                    result += ending;
                }
                result += entries(ending);
                written = true;
            }
        } else if (!inStats || !TotalEntryOf(line, value)) {
            result += line;
        }
    }
    if (written)
        return result;
    // A new section goes at the end, after a blank line as the settings store separates its sections.
    if (!body.isEmpty() && EndingOf(lines.constLast()).isEmpty())
        result += textEnding;
    if (!body.isEmpty() && !result.endsWith(textEnding + textEnding))
        result += textEnding;
    return result + "[" + StatsSection + "]" + textEnding + entries(textEnding);
}

Totals SaturatingSum(Totals stored, Totals added)
{
    return {SaturatingAdd(stored.games, added.games), SaturatingAdd(stored.score, added.score)};
}
