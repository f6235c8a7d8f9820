// Wins kept beside the settings file while another copy of the program holds it, until a save adds them.
#pragma once

#include "TotalsText.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <vector>

// Each kept batch of wins is a small file of its own beside the settings file, ".<name>.win-XXXXXX"
// holding "GAMES SCORE", written whole under another name first. A save made under the lock adds them to
// the totals exactly once: before it puts its new file in place it renames each batch it has added to
// ".<name>.added-<inode>-XXXXXX", naming the new file, and removes them once the new file is in place.
// A copy killed between the two leaves batches whose fate the settings file tells: if it is the file
// they name, they are in it; if not, it never took the old file's place and they still wait.
class WinJournal {
public:
    // The journal of the settings file at path (links already followed).
    explicit WinJournal(QByteArray path);

    // Keeps wins beside the file; any copy may, with or without the lock. Returns why it failed, or nothing.
    QString Keep(Totals wins) const;

    // The wins that wait beside the file, not yet in it as it is now.
    Totals Waiting() const;

    // What a save under the lock adds: every batch that waits, once the batches that an interrupted save
    // left behind are settled.
    struct Batches {
        Totals sum;
        std::vector<QByteArray> names; // each batch's six letters
    };
    Batches Settle() const;
    // Marks batches as added to the file that is about to take the settings file's place. Returns why one
    // could not be, with none marked, or nothing.
    QString MarkAdded(const Batches& batches, ino_t newFile) const;
    // Takes the marks back after the new file failed to take its place.
    void Unmark(const Batches& batches, ino_t newFile) const;
    // Removes the batches once the new file is in place.
    void Forget(const Batches& batches, ino_t newFile) const;

private:
    struct Entry {
        QByteArray letters;
        ino_t addedTo; // 0 while the batch waits
        Totals wins;
    };
    std::vector<Entry> Entries() const;
    ino_t FileInode() const;
    QByteArray WaitingName(const QByteArray& letters) const;
    QByteArray AddedName(const QByteArray& letters, ino_t newFile) const;

    QByteArray path;
};
