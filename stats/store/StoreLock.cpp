// The writers' lock of a settings file: an exclusive lock on a lock file of its own beside the file.
#include "StoreLock.h"

#include "NativePath.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds RetryPause(2);

// What shows that a file has been changed: every change replaces it or at least touches it.
struct FileMark {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long changed = 0;

    bool operator==(const FileMark&) const = default;
};

FileMark MarkOf(const QByteArray& file)
{
    struct stat status {};
    if (::stat(file.constData(), &status) != 0)
        return {};
    return {status.st_dev, status.st_ino, status.st_size,
            static_cast<long long>(status.st_ctim.tv_sec) * 1000000000LL + status.st_ctim.tv_nsec};
}

} // namespace

StoreLock::StoreLock(const QByteArray& lockPath, const QByteArray& file, const WaitObserver& observer, bool create)
{
    descriptor = Open(lockPath, create);
    if (descriptor >= 0)
        Wait(file, observer);
}

StoreLock::~StoreLock()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

int StoreLock::Open(const QByteArray& lockPath, bool create)
{
    // Never through a link, and never blocking on whatever else may stand there.
    constexpr int Flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int opened = ::open(lockPath.constData(), O_RDWR | Flags);
    if (opened < 0 && errno == ENOENT && create) {
        opened = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_EXCL | Flags, 0666);
        if (opened >= 0)
            GiveToFolderOwner(opened, FolderOf(lockPath));
        else if (errno == EEXIST)
            opened = ::open(lockPath.constData(), O_RDWR | Flags);
    }
    // A lock file that may only be read still locks on a local disk.
    if (opened < 0 && errno == EACCES)
        opened = ::open(lockPath.constData(), O_RDONLY | Flags);
    if (opened < 0) {
        reason = QCoreApplication::translate("TotalsStore", "the lock file %1 cannot be opened: %2").arg(PathText(lockPath), ErrorText(errno));
        return -1;
    }
    struct stat status {};
    if (::fstat(opened, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = QCoreApplication::translate("TotalsStore", "%1 is not a file that can be locked").arg(PathText(lockPath));
        ::close(opened);
        return -1;
    }
    return opened;
}

void StoreLock::Wait(const QByteArray& file, const WaitObserver& observer)
{
    QElapsedTimer sinceStart;
    QElapsedTimer sinceChange;
    sinceStart.start();
    sinceChange.start();
    FileMark mark = MarkOf(file);
    bool waited = false;
    for (;;) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            state = Held;
            break;
        }
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            reason = QCoreApplication::translate("TotalsStore", "the lock cannot be taken: %1").arg(ErrorText(errno));
            break;
        }
        if (const FileMark now = MarkOf(file); now != mark) {
            mark = now;
            sinceChange.restart();
        }
        if (sinceChange.hasExpired(StallMilliseconds) || sinceStart.hasExpired(MostMilliseconds)) {
            state = Busy;
            const bool stalled = sinceChange.hasExpired(StallMilliseconds);
            const char* why =
                stalled ? QT_TRANSLATE_N_NOOP("TotalsStore", "another copy of the program holds them and has changed nothing for %n seconds")
                        : QT_TRANSLATE_N_NOOP("TotalsStore", "other copies of the program have kept them for %n seconds");
            reason = QCoreApplication::translate("TotalsStore", why, nullptr,
                                                 (stalled ? StallMilliseconds : MostMilliseconds) / 1000);
            break;
        }
        if (observer)
            observer(waited ? WaitStep::GoesOn : WaitStep::Begins);
        waited = true;
        std::this_thread::sleep_for(RetryPause);
    }
    if (waited && observer)
        observer(WaitStep::Ends);
}
