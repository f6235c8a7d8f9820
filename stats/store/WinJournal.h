// Wins kept beside the settings file until a save adds them, each in a file whose name says whether the
// settings file holds it.
#pragma once

#include "TotalsText.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Each kept win (or batch of wins) is a small file of its own beside the settings file, holding
// "GAMES SCORE", written whole under another name first:
//   .<name>.win-XXXXXX              waits to be added;
//   .<name>.win-XXXXXX.in-YYYYYY    is carried by the replacement .<name>.new-YYYYYY of the settings file:
//                                   it still waits while that replacement stands beside the file, and is in
//                                   the file once the replacement is gone, having taken the file's place.
// A save under the lock writes its replacement, renames the wins it adds after it, puts it in the file's
// place and only then removes them. Killed at any moment, it leaves each win either waiting or named after
// a replacement that is gone, so each is counted exactly once, whatever replaces the settings file later:
// the name alone says it, and no other program touches the replacement. A replacement that never took the
// file's place is removed only after its wins wait again.
// A file of these names that cannot be read is told and left alone; one that holds no win is set aside as
// .<name>.win-XXXXXX.damaged, never counted and never removed. What killed copies left half made (a win
// being written, .<name>.win-XXXXXX.new, and a token the lock set aside, .<name>.merging-XXXXXX) is
// removed once older than any save lasts.
class WinJournal {
public:
    // The journal of the settings file at path (links already followed).
    explicit WinJournal(const QByteArray& path);

    // Where the replacement of the settings file named by letters (six letters or digits) is written.
    QByteArray ReplacementPath(const QByteArray& letters) const;

    // Keeps wins beside the file; any copy may, with or without the lock. Returns why it failed, or nothing.
    QString Keep(Totals wins) const;

    // What waits as it stands now, for a reader with or without the lock; changes nothing.
    struct Waiting {
        Totals wins;
        // A sentence for each file of the journal's names whose wins cannot be counted.
        QStringList remarks;
    };
    Waiting Look() const;

    // What a save adds: every win that waits, after what killed saves left is settled. Only a save that
    // holds the lock takes wins, and settles whatever a save left; any other settles only what is older than
    // any save lasts, and takes none.
    struct Batches {
        Totals sum;
        std::vector<QByteArray> letters;
        QStringList remarks;
    };
    Batches Settle(bool locked) const;
    // Names the batches after the replacement about to take the settings file's place, and syncs the
    // folder. Returns why one could not be, with none renamed, or nothing.
    QString Carry(const Batches& batches, const QByteArray& replacement) const;
    // Sets them waiting again after the replacement failed to take its place.
    void Uncarry(const Batches& batches, const QByteArray& replacement) const;
    // Removes them once the replacement is in place, and syncs the folder.
    void Forget(const Batches& batches, const QByteArray& replacement) const;

private:
    QByteArray Name(const QByteArray& letters, const char* suffix = "") const;
    QByteArray CarriedName(const QByteArray& letters, const QByteArray& replacement) const;

    QByteArray folder;
    QByteArray prefix;
};
