// The two totals as they stand in the text of the settings file, read and replaced without touching the rest.
#pragma once

#include <QByteArray>
#include <QString>

struct Totals {
    int games = 0;
    int score = 0;

    bool operator==(const Totals&) const = default;
};

// What the [Stats] section of a settings text holds. A missing section or value counts as 0; a value
// that is there but is not a whole number from 0 to 2147483647, or a text with NUL bytes, is damage:
// the totals are unknown and `damage` says why. `complete` when both values are there and sound, so that
// writing the same totals again would change nothing the file says.
struct StoredTotals {
    Totals totals;
    QString damage;
    bool complete = false;

    bool IsDamaged() const { return !damage.isEmpty(); }
};

// Lines are read as the settings store writes them: "[section]" headers, "key=value" entries, spaces
// around keys and values ignored, a value in double quotes unquoted, and the last of repeated entries
// counting. A header without its closing bracket starts a section of no
// name, so that nothing after it is taken for a total. A line ends at LF, CR LF or CR alone, and a UTF-8
// byte order mark before the first line is no part of it, as other editors write both.
StoredTotals ReadTotals(const QByteArray& text);

// text with the totals of its [Stats] section replaced by totals, every other line kept byte for byte,
// the byte order mark included: the two entries go right below the first [Stats] header, or into a new
// section at the end, each line ended as the header is (else as the text's first line, else with LF).
QByteArray WithTotals(const QByteArray& text, Totals totals);

// Both totals increased by added, each stopping at 2147483647 instead of wrapping round.
Totals SaturatingSum(Totals stored, Totals added);
