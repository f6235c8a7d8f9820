// The writers' lock of a settings file: the kernel's lock on a lock file of its own beside the file, or
// where no such lock can be had, a token file that only one copy of the program can make at a time.
#include "StoreLock.h"

#include "NativePath.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds RetryPause(2);
// Never through a link, and never blocking on whatever else may stand there.
constexpr int OpenFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;

// This boot of this machine: a process number means the same process only within it.
const QByteArray& BootId()
{
    static const QByteArray id = [] {
        QFile boot(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        return boot.open(QIODevice::ReadOnly) ? boot.readAll().trimmed() : QByteArray();
    }();
    return id;
}

QByteArray TokenText() { return QByteArray::number(::getpid()) + ' ' + BootId() + '\n'; }

// A token as read: what tells it from any other (its file, its time and its text: a file number alone does
// not, as a new file may get the number of one just removed), its maker and when it was made.
struct TokenSeen {
    QByteArray fingerprint;
    QList<QByteArray> maker;
    time_t made;
};

std::optional<TokenSeen> ReadToken(const QByteArray& path)
{
    const int descriptor = ::open(path.constData(), O_RDONLY | OpenFlags);
    if (descriptor < 0)
        return std::nullopt;
    struct stat status {};
    char bytes[128];
    const ssize_t length = ::fstat(descriptor, &status) == 0 ? ::read(descriptor, bytes, sizeof bytes) : -1;
    ::close(descriptor);
    if (length < 0)
        return std::nullopt;
    const QByteArray text(bytes, length);
    return TokenSeen{QByteArray::number(static_cast<qulonglong>(status.st_ino)) + ' ' + QByteArray::number(status.st_mtim.tv_sec) +
                         ' ' + QByteArray::number(status.st_mtim.tv_nsec) + ' ' + text,
                     text.trimmed().split(' '), status.st_mtime};
}

// Whether the token was left by a copy that no longer saves: one of this boot that has ended, or one older
// than any save lasts.
bool IsStale(const TokenSeen& token)
{
    if (std::time(nullptr) - token.made > StoreLock::LongestSaveSeconds)
        return true;
    bool numbered = false;
    const pid_t pid = static_cast<pid_t>(token.maker.value(0).toLongLong(&numbered));
    return numbered && pid > 0 && !BootId().isEmpty() && token.maker.value(1) == BootId() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the stale token judged, and no other: copies that judged it at once must not remove the token
// that one of them made next. The one rename of it that succeeds moves it aside; a token found moved aside
// that is not the one judged is put back.
void RemoveStale(const QByteArray& path, const TokenSeen& judged)
{
    const QByteArray aside = path + '-' + UniqueLetters();
    if (::rename(path.constData(), aside.constData()) != 0)
        return;
    const std::optional<TokenSeen> moved = ReadToken(aside);
    if (moved && moved->fingerprint != judged.fingerprint && ::link(aside.constData(), path.constData()) != 0)
        return;
    ::unlink(aside.constData());
}

} // namespace

StoreLock::StoreLock(const QByteArray& lockPath, const QByteArray& token, const QByteArray& file, const WaitObserver& observer)
    : token(token)
{
    descriptor = ::open(lockPath.constData(), O_RDWR | O_CREAT | OpenFlags, 0666);
    if (descriptor >= 0) {
        KeepOwnersWrite(descriptor);
        GiveToFolderOwner(descriptor, FolderOf(lockPath));
    } else if (errno == EACCES) {
        // A lock file that may only be read still locks on a local disk.
        descriptor = ::open(lockPath.constData(), O_RDONLY | OpenFlags);
    }
    struct stat status {};
    if (descriptor < 0) {
        reason = QCoreApplication::translate("TotalsStore", "the lock file %1 cannot be opened: %2").arg(PathText(lockPath), ErrorText(errno));
    } else if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = QCoreApplication::translate("TotalsStore", "%1 is not a file that can be locked").arg(PathText(lockPath));
        ::close(descriptor);
        descriptor = -1;
    }

    QElapsedTimer sinceStart;
    QElapsedTimer sinceChange;
    sinceStart.start();
    sinceChange.start();
    FileMark mark = MarkOf(file);
    bool waited = false;
    for (;;) {
        const Attempt attempt = descriptor >= 0 ? LockFile() : Token();
        if (attempt != Attempt::HeldElsewhere) {
            state = attempt == Attempt::Taken ? Held : Unavailable;
            break;
        }
        if (const FileMark now = MarkOf(file); now != mark) {
            mark = now;
            sinceChange.restart();
        }
        if (sinceChange.hasExpired(StallMilliseconds) || sinceStart.hasExpired(MostMilliseconds)) {
            state = Busy;
            reason = QCoreApplication::translate("TotalsStore", "another copy of the program holds them");
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

StoreLock::~StoreLock()
{
    if (descriptor >= 0)
        ::close(descriptor);
    if (tokenMade)
        ::unlink(token.constData());
}

StoreLock::Attempt StoreLock::LockFile()
{
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return Attempt::HeldElsewhere;
        if (errno != EINTR) {
            reason = QCoreApplication::translate("TotalsStore", "the lock cannot be taken: %1").arg(ErrorText(errno));
            ::close(descriptor);
            descriptor = -1;
            return Token();
        }
    }
    return Attempt::Taken;
}

StoreLock::Attempt StoreLock::Token()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int made = ::open(token.constData(), O_WRONLY | O_CREAT | O_EXCL | OpenFlags, 0666);
        if (made >= 0) {
            tokenMade = true;
            const QByteArray text = TokenText();
            const ssize_t written = ::write(made, text.constData(), static_cast<std::size_t>(text.size()));
            static_cast<void>(written);
            ::close(made);
            return Attempt::Taken;
        }
        struct stat status {};
        if (errno != EEXIST)
            return Attempt::Impossible;
        if (::lstat(token.constData(), &status) != 0)
            continue;
        if (!S_ISREG(status.st_mode))
            return Attempt::Impossible;
        const std::optional<TokenSeen> seen = ReadToken(token);
        if (!seen || !IsStale(*seen))
            return Attempt::HeldElsewhere;
        RemoveStale(token, *seen);
    }
    return Attempt::HeldElsewhere;
}
