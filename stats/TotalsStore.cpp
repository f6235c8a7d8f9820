// The totals in the user's settings file: read in one go, changed under a lock, replaced whole.
#include "TotalsStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Long enough for any number of copies to take their turns, short enough that a copy stopped while
// holding the lock does not freeze the others for good.
constexpr int LockWaitMilliseconds = 10000;
constexpr int LockRetryMilliseconds = 2;

// An exclusive lock on the folder that holds the file, for as long as it lives. The folder is locked
// rather than the file because each change replaces the file; the kernel lets go of the lock however
// the process ends, so a killed copy never leaves one behind.
class FolderLock {
public:
    explicit FolderLock(const QString& folder)
        : descriptor(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (descriptor < 0) {
            failure = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        const QDeadlineTimer deadline(LockWaitMilliseconds);
        while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                failure = QString::fromLocal8Bit(std::strerror(errno));
                return;
            }
            if (deadline.hasExpired()) {
                failure = QStringLiteral("another program has kept its folder locked for %1 seconds")
                              .arg(LockWaitMilliseconds / 1000);
                return;
            }
            QThread::msleep(LockRetryMilliseconds);
        }
    }
    ~FolderLock()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Empty once the lock is held.
    QString failure;

private:
    int descriptor;
};

// The file's whole text; a file that does not exist reads as empty.
struct FileText {
    QByteArray text;
    QString failure;
};

FileText ReadWhole(const QString& path)
{
    // Only a file that is certainly not there reads as empty; one that cannot even be looked at is not.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileText{} : FileText{{}, QString::fromLocal8Bit(std::strerror(errno))};
    if (S_ISDIR(status.st_mode))
        return {{}, QStringLiteral("it is a folder")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {text, {}};
}

// The user's configuration folder, or empty when the environment names none.
QString UserConfigFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configHome))
        return configHome;
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir(home).filePath(QStringLiteral(".config"));
    return {};
}

// A copy killed while it wrote leaves its unfinished replacement beside the file, named after it with six
// more characters. Under the lock no other copy is writing, so any such file is a leftover.
void RemoveUnfinishedReplacements(const QString& filePath)
{
    const QFileInfo file(filePath);
    const QRegularExpression replacement(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    QDir folder = file.absoluteDir();
    for (const QString& name : folder.entryList({file.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden))
        if (replacement.match(name).hasMatch())
            folder.remove(name);
}

} // namespace

TotalsStore::TotalsStore(QString filePath) : filePath(std::move(filePath)) {}

TotalsStore TotalsStore::ForUser(const QString& key, const QString& appName)
{
    if (key.isEmpty())
        return {};
    const QString folder = UserConfigFolder();
    if (folder.isEmpty()) {
        TotalsStore store;
        store.unusable = QStringLiteral("Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.");
        return store;
    }
    return TotalsStore(QDir(folder).filePath(key + QLatin1Char('/') + appName + QStringLiteral(".conf")));
}

TotalsOutcome TotalsStore::Failure(const char* what, const QString& reason) const
{
    return {TotalsOutcome::Failed, {}, QStringLiteral("Cannot %1 the totals in %2: %3.").arg(QLatin1String(what), filePath, reason)};
}

TotalsOutcome TotalsStore::Read() const
{
    if (!unusable.isEmpty())
        return {TotalsOutcome::Failed, {}, unusable};
    if (filePath.isEmpty())
        return {};
    // A reader takes the writers' lock too, so it sees the file between two changes. A folder that may be
    // searched but not opened still lets it read the file, and the read goes on without the lock then:
    // what it cannot read is told below.
    const QString folder = QFileInfo(filePath).absolutePath();
    const FolderLock lock(folder);
    const FileText file = ReadWhole(filePath);
    if (!file.failure.isEmpty())
        return Failure("read", file.failure);
    const StoredTotals stored = ReadTotals(file.text);
    if (stored.IsDamaged())
        return Failure("read", stored.damage);
    return {TotalsOutcome::Kept, stored.totals, {}};
}

TotalsOutcome TotalsStore::Add(Totals wins)
{
    return Rewrite([wins](Totals stored) { return SaturatingSum(stored, wins); }, false);
}

TotalsOutcome TotalsStore::Clear()
{
    return Rewrite([](Totals) { return Totals{}; }, true);
}

TotalsOutcome TotalsStore::Rewrite(const std::function<Totals(Totals stored)>& change, bool overDamage)
{
    if (!unusable.isEmpty())
        return {TotalsOutcome::Failed, {}, unusable};
    if (filePath.isEmpty())
        return {};
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return Failure("save", QStringLiteral("the folder %1 cannot be made").arg(folder));
    const FolderLock lock(folder);
    if (!lock.failure.isEmpty())
        return Failure("save", lock.failure);

    const FileText file = ReadWhole(filePath);
    if (!file.failure.isEmpty())
        return Failure("read", file.failure);
    const StoredTotals stored = ReadTotals(file.text);
    if (stored.IsDamaged() && !overDamage)
        return Failure("read", stored.damage);

    const Totals totals = change(stored.totals);
    RemoveUnfinishedReplacements(filePath);
    // Unbuffered, so that a write the system refuses (a full disk) is seen before the old file is replaced.
    QSaveFile replacement(filePath);
    if (!replacement.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure("save", replacement.errorString());
    const QByteArray text = WithTotals(file.text, totals);
    if (replacement.write(text) != text.size() || !replacement.commit())
        return Failure("save", replacement.errorString());
    return {TotalsOutcome::Kept, totals, {}};
}
