// The totals in the user's settings file: read in one go, changed under a lock, replaced whole.
#pragma once

#include "TotalsText.h"

#include <QString>

#include <functional>

// What the file holds after an operation, or why the operation could not be done. `failure` is one
// plain sentence that names the file and the reason.
struct TotalsOutcome {
    enum Kind { Kept, Failed, NotStored };

    Kind kind = NotStored;
    Totals totals;
    QString failure;
};

// Copies of the program running at once each change the file through their own store: every change
// takes a lock that only one of them holds at a time, reads what the file holds now, and writes the
// new pair in one atomic replace, so no copy ever overwrites another's change and a copy killed at any
// moment leaves either the old file or the new one. A file that exists but cannot be read, or whose
// totals are damaged, is never written, except that clearing replaces damaged totals.
class TotalsStore {
public:
    // A store without a file, as before the settings key is known: every operation is NotStored.
    TotalsStore() = default;
    explicit TotalsStore(QString filePath);
    // "<key>/<appName>.conf" in the user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
    // path, else $HOME/.config. No other file is ever read. With an empty key the store has no file;
    // with no folder to be found every operation fails.
    static TotalsStore ForUser(const QString& key, const QString& appName);

    const QString& FilePath() const { return filePath; }

    // The totals the file holds; a missing file holds 0 and 0.
    TotalsOutcome Read() const;
    // Adds wins (a number of games and the sum of their scores) to what the file holds now.
    TotalsOutcome Add(Totals wins);
    // Writes 0 and 0.
    TotalsOutcome Clear();

private:
    // Under the lock: writes change(what the file holds). Damaged totals are left alone unless
    // overDamage, when the change does not depend on them.
    TotalsOutcome Rewrite(const std::function<Totals(Totals stored)>& change, bool overDamage);
    TotalsOutcome Failure(const char* what, const QString& reason) const;

    QString filePath;
    // Why no file can be used at all; empty when the store has a file or keeps nothing on purpose.
    QString unusable;
};
