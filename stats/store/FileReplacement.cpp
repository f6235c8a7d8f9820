// A new version of a file, written beside it under a name of the program's own and put in its place by
// one rename, so that a copy killed at any moment leaves either the old file or the new one.
#include "FileReplacement.h"

#include "NativePath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all of text at the descriptor's place; returns the error number, 0 once written.
int WriteAll(int descriptor, const QByteArray& text)
{
    for (qsizetype written = 0; written < text.size();) {
        const ssize_t step = ::write(descriptor, text.constData() + written, static_cast<std::size_t>(text.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return step < 0 ? errno : ENOSPC;
        written += step;
    }
    return 0;
}

} // namespace

FileReplacement::FileReplacement(QByteArray target, QByteArray temporary)
    : target(std::move(target)), temporary(std::move(temporary))
{
}

FileReplacement::~FileReplacement()
{
    if (descriptor >= 0)
        ::close(descriptor);
    if (made && !committed)
        ::unlink(temporary.constData());
}

int FileReplacement::Write(const QByteArray& text)
{
    descriptor = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor < 0)
        return errno;
    made = true;
    struct stat old {};
    if (::stat(target.constData(), &old) == 0) {
        // The owner first: giving a file away clears the set-id bits that its mode then puts back.
        const int owned = ::fchown(descriptor, old.st_uid, old.st_gid);
        const int moded = ::fchmod(descriptor, old.st_mode & 07777);
        static_cast<void>(owned);
        static_cast<void>(moded);
    } else {
        KeepOwnersWrite(descriptor);
        GiveToFolderOwner(descriptor, FolderOf(target));
    }
    if (const int error = WriteAll(descriptor, text))
        return error;
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

int FileReplacement::Commit()
{
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed != 0)
        return errno;
    if (::rename(temporary.constData(), target.constData()) != 0)
        return errno;
    committed = true;
    SyncFolder(FolderOf(target));
    return 0;
}

int WriteInPlace(const QByteArray& path, const QByteArray& text)
{
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return errno;
    int error = WriteAll(descriptor, text);
    if (!error && ::ftruncate(descriptor, text.size()) != 0)
        error = errno;
    if (!error && ::fsync(descriptor) != 0)
        error = errno;
    ::close(descriptor);
    return error;
}
