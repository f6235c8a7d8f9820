// A new version of a file, written beside it under a name of the program's own and put in its place by
// one rename, so that a copy killed at any moment leaves either the old file or the new one.
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

class FileReplacement {
public:
    // The replacement of target (a regular file, or none yet), written as ".<name>.new-XXXXXX" beside it,
    // where name is the last part of namedAfter: the settings file, whatever the target.
    FileReplacement(QByteArray target, const QByteArray& namedAfter);
    // Removes the replacement unless it has taken the target's place.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Writes text and syncs it to the disk. The replacement takes the target's owner, group and mode where
    // the process may give them; a new file is made as any other. Returns why it failed, or nothing.
    QString Write(const QByteArray& text);
    // Which file the replacement is, once written.
    ino_t Inode() const { return inode; }
    // Puts the written replacement in the target's place and syncs the folder, so that the change
    // outlives a power cut. Returns why it failed, or nothing.
    QString Commit();

    // Removes what copies killed while they wrote left behind for the settings file at path, and nothing
    // else: only files of the program's own name. Only while holding the lock, when no copy is writing.
    static void RemoveLeftovers(const QByteArray& path);

private:
    QByteArray target;
    QByteArray prefix;
    QByteArray temporary;
    int descriptor = -1;
    ino_t inode = 0;
    bool made = false;
    bool committed = false;
};
