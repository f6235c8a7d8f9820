// The two totals as they stand in the text of the settings file, read and replaced without touching the rest.
#include "TotalsText.h"

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

// Every line of text with its own ending; the last may have none.
QList<QByteArray> LinesOf(const QByteArray& text)
{
    QList<QByteArray> lines;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype newline = text.indexOf('\n', start);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        lines.append(text.mid(start, end - start));
        start = end;
    }
    return lines;
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
        return {{}, QStringLiteral("it holds bytes that are not text")};
    std::array<std::optional<QByteArray>, Entries.size()> values;
    bool inStats = false;
    for (const QByteArray& line : LinesOf(text)) {
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
            return {{}, QStringLiteral("%1 is not a whole number from 0 to %2").arg(QLatin1String(Entries[i])).arg(Largest)};
        counts[i] = *count;
    }
    return {{counts[0], counts[1]}, {}};
}

QByteArray WithTotals(const QByteArray& text, Totals totals)
{
    const QByteArray entries = QByteArray(Entries[0]) + '=' + QByteArray::number(totals.games) + '\n' +
                               QByteArray(Entries[1]) + '=' + QByteArray::number(totals.score) + '\n';
    QByteArray result;
    bool inStats = false;
    bool written = false;
    for (const QByteArray& line : LinesOf(text)) {
        QByteArray value;
        if (const std::optional<QByteArray> section = SectionOf(line)) {
            inStats = *section == StatsSection;
            result += line;
            if (inStats && !written) {
                if (!result.endsWith('\n'))
                    result += '\n';
                result += entries;
                written = true;
            }
        } else if (!inStats || !TotalEntryOf(line, value)) {
            result += line;
        }
    }
    if (written)
        return result;
    // A new section goes at the end, after a blank line as the settings store separates its sections.
    if (!result.isEmpty() && !result.endsWith('\n'))
        result += '\n';
    if (!result.isEmpty() && !result.endsWith("\n\n"))
        result += '\n';
    return result + "[" + StatsSection + "]\n" + entries;
}

Totals SaturatingSum(Totals stored, Totals added)
{
    return {SaturatingAdd(stored.games, added.games), SaturatingAdd(stored.score, added.score)};
}
