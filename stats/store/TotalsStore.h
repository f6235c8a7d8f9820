// The totals in the user's settings file: read in one go, changed under a lock, replaced whole.
#pragma once

#include "StoreLock.h"
#include "TotalsText.h"
#include "WinJournal.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the player owns after an operation, or why the operation could not be done.
struct TotalsOutcome {
    enum Kind {
        Kept,      // done: the file holds the change
        Deferred,  // the wins wait beside the file, which another copy holds, for the next save to add them
        Failed,
        NotStored
    };

    Kind kind = NotStored;
    // Kept and Deferred: the file's totals with the wins that wait beside it.
    Totals totals;
    // The wins among them that wait beside the file.
    Totals waiting;
    // Failed: one plain sentence that names the file and the reason.
    QString failure;
    // A save made without the lock, where the lock file cannot be locked: one sentence saying why.
    QString warning;
    // Sentences for the player: files beside the totals whose wins cannot be counted, a save that could not
    // replace the file and wrote over it.
    QStringList remarks;
};

// Copies of the program running at once each change the file through their own store: every change
// takes a lock that only one of them holds at a time, reads what the file holds now, and writes the
// new pair in one atomic replace, so no copy ever overwrites another's change and a copy killed at any
// moment leaves either the old file or the new one. A change that would leave the file saying what it
// says is not written at all. A copy that holds the lock but has stopped (a debugger, a frozen desktop)
// is waited for a moment only: the wins of the others wait beside the file until a save can add them.
// Reading takes no lock and never waits.
//
// Only a regular file of at most LargestFile bytes is read or replaced, and it is replaced where it lies,
// at the end of any symbolic links; anything else (a folder, a device such as the null device, a pipe, a
// socket) and a file that cannot be read, or whose totals are damaged, is never written, except that
// clearing replaces damaged totals. A file in a folder that takes no new file is written over in place.
// Paths are bytes, as the file system holds them.
class TotalsStore {
public:
    // A store without a file, as before the settings key is known: every operation is NotStored.
    TotalsStore() = default;
    explicit TotalsStore(QByteArray filePath);
    explicit TotalsStore(const QString& filePath);
    // "<key>/<appName>.conf" in the user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
    // path, else $HOME/.config. No other file is ever read. With an empty key the store has no file;
    // with no folder to be found every operation fails.
    static TotalsStore ForUser(const QString& key, const QString& appName);

    QString FilePath() const;

    // The totals the file holds and the wins waiting beside it; a missing file holds 0 and 0.
    TotalsOutcome Read() const;
    // Each change tells observer how a wait for another copy goes, should it have to wait.
    // Adds wins (a number of games and the sum of their scores) to what the file holds now.
    TotalsOutcome Add(Totals wins, const WaitObserver& observer = {});
    // Writes 0 and 0, and lets go of the wins waiting beside the file: they were won before the clearing.
    TotalsOutcome Clear(const WaitObserver& observer = {});

    static constexpr qint64 LargestFile = 1 << 20;

private:
    // Adds added to what the file holds, or clears it when there is none. Damaged totals are left alone
    // unless clearing.
    TotalsOutcome Rewrite(std::optional<Totals> added, const WaitObserver& observer);
    // Under the lock, or where none can be had: the change made, with the batches of waiting wins.
    TotalsOutcome Save(const QByteArray& file, const std::optional<Totals>& added, const WinJournal& journal,
                       const WinJournal::Batches& batches, bool locked) const;
    // The wins added wait beside file, whose lock another copy holds.
    TotalsOutcome Defer(const QByteArray& file, Totals added, const WinJournal& journal) const;
    // what is one of the sentences of the file's failures, untranslated, with the file (%1) and reason (%2).
    TotalsOutcome Failure(const char* what, const QString& reason) const;

    QByteArray filePath;
    // Why no file can be used at all; empty when the store has a file or keeps nothing on purpose.
    QString unusable;
};
