// Paths as the file system holds them: bytes, never decoded, so that a folder whose name is not UTF-8 is
// used under its own name.
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// The folder that holds path ("." for a bare name) and the last part of path.
QByteArray FolderOf(const QByteArray& path);
QByteArray NameOf(const QByteArray& path);
QByteArray Joined(const QByteArray& folder, const QByteArray& name);

// The path with every symbolic link along its last part followed, as far as the links can be read: the
// file that a change must replace for the link to stay a link.
QByteArray ResolveLinks(const QByteArray& path);

// Makes folder and any folders above it that are missing; false when one cannot be made or is no folder.
// A folder made here belongs to whoever owns the one it is made in, where the process may give it away, and
// its owner may always write in it, whatever the player's umask takes away.
bool MakeFolders(const QByteArray& folder);

// A file just made in folder goes to the folder's owner and group, where the process may give it away: a
// copy run by the superuser in the player's folder leaves nothing there that the player cannot change.
void GiveToFolderOwner(int descriptor, const QByteArray& folder);

// Adds the owner's write bit to a file just made, which a umask such as 0222 takes away: a file the program
// makes is one it must be able to change again.
void KeepOwnersWrite(int descriptor);

// Syncs the names in folder to the disk, so that what was made, renamed and removed in it outlives a power
// cut. A folder that may not be opened cannot be synced; what was done in it stands all the same.
void SyncFolder(const QByteArray& folder);

// What shows that a file has changed: every change replaces it or at least touches it. Nothing there has
// the empty mark.
struct FileMark {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long changed = 0;

    bool operator==(const FileMark&) const = default;
};
FileMark MarkOf(const QByteArray& path);

// Why what the status describes is no file that can be read as text ("it is a pipe, not a file"); empty
// for a regular file.
QString NotAFile(const struct stat& status);

// Six letters or digits, drawn afresh each time, for a name that no other file has.
QByteArray UniqueLetters();
bool AreUniqueLetters(const QByteArray& letters);

// The system's sentence for an error number.
QString ErrorText(int error);

// A path for a sentence shown to the player.
QString PathText(const QByteArray& path);
