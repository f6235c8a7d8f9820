// A new version of a file, written beside it under a name of the program's own and put in its place by
// one rename, so that a copy killed at any moment leaves either the old file or the new one.
#include "FileReplacement.h"

#include "NativePath.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MostNameTries = 100;

// The start of every replacement's name for the settings file at path; six letters or digits follow.
QByteArray ReplacementPrefix(const QByteArray& path) { return '.' + NameOf(path) + ".new-"; }

bool IsReplacementName(const QByteArray& name, const QByteArray& prefix)
{
    return name.startsWith(prefix) && AreUniqueLetters(name.mid(prefix.size()));
}

} // namespace

FileReplacement::FileReplacement(QByteArray target, const QByteArray& namedAfter)
    : target(std::move(target)), prefix(ReplacementPrefix(namedAfter))
{
}

FileReplacement::~FileReplacement()
{
    if (descriptor >= 0)
        ::close(descriptor);
    if (made && !committed)
        ::unlink(temporary.constData());
}

QString FileReplacement::Write(const QByteArray& text)
{
    const QByteArray folder = FolderOf(target);
    for (int attempt = 0; descriptor < 0; ++attempt) {
        temporary = Joined(folder, prefix + UniqueLetters());
        descriptor = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (descriptor < 0 && (errno != EEXIST || attempt == MostNameTries))
            return ErrorText(errno);
    }
    made = true;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return ErrorText(errno);
    inode = status.st_ino;

    struct stat old {};
    if (::stat(target.constData(), &old) == 0) {
        // The owner first: giving a file away clears the set-id bits that its mode then puts back.
        const int owned = ::fchown(descriptor, old.st_uid, old.st_gid);
        const int moded = ::fchmod(descriptor, old.st_mode & 07777);
        static_cast<void>(owned);
        static_cast<void>(moded);
    } else {
        GiveToFolderOwner(descriptor, folder);
    }
    for (qsizetype written = 0; written < text.size();) {
        const ssize_t step = ::write(descriptor, text.constData() + written, static_cast<std::size_t>(text.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return ErrorText(step < 0 ? errno : ENOSPC);
        written += step;
    }
    if (::fsync(descriptor) != 0)
        return ErrorText(errno);
    return {};
}

QString FileReplacement::Commit()
{
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed != 0)
        return ErrorText(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return ErrorText(errno);
    committed = true;
    // A folder that may not be opened cannot be synced; the rename stands all the same.
    if (const int folder = ::open(FolderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

void FileReplacement::RemoveLeftovers(const QByteArray& path)
{
    const QByteArray folder = FolderOf(path);
    const QByteArray prefix = ReplacementPrefix(path);
    DIR* listing = ::opendir(folder.constData());
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        struct stat status {};
        const QByteArray leftover = Joined(folder, name);
        if (IsReplacementName(name, prefix) && ::lstat(leftover.constData(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid())
            ::unlink(leftover.constData());
    }
    ::closedir(listing);
}
