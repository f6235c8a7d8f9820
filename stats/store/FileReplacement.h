// A new version of a file, written beside it under a name of the program's own and put in its place by
// one rename, so that a copy killed at any moment leaves either the old file or the new one.
#pragma once

#include <QByteArray>

class FileReplacement {
public:
    // The replacement of target (a regular file, or none yet), written as temporary, a name beside it
    // that no other file has.
    FileReplacement(QByteArray target, QByteArray temporary);
    // Removes the replacement unless it has taken the target's place.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Writes text and syncs it to the disk. The replacement takes the target's owner, group and mode where
    // the process may give them; in place of no file it gets the mode the player's umask gives, with the
    // owner's write bit, and goes to the folder's owner. Returns the error number, 0 once written.
    int Write(const QByteArray& text);
    // Puts the written replacement in the target's place and syncs the folder, so that the change outlives
    // a power cut. Returns the error number, 0 once done.
    int Commit();

private:
    QByteArray target;
    QByteArray temporary;
    int descriptor = -1;
    bool made = false;
    bool committed = false;
};

// Writes text over the file at path in place and syncs it, for a folder that takes no new file: the file
// is never emptied first, so a copy killed meanwhile leaves the new text over the start of the old one.
// Returns the error number, 0 once written.
int WriteInPlace(const QByteArray& path, const QByteArray& text);
