// The totals in the user's settings file: read in one go, changed under a lock, replaced whole.
#include "TotalsStore.h"

#include "FileReplacement.h"
#include "NativePath.h"
#include "WinJournal.h"

#include <QCoreApplication>
#include <QFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why the totals could not be had, with the file (%1) and the reason (%2).
const char* const CannotRead = QT_TRANSLATE_NOOP("TotalsStore", "Cannot read the totals in %1: %2.");
const char* const CannotSave = QT_TRANSLATE_NOOP("TotalsStore", "Cannot save the totals in %1: %2.");
const char* const CannotClear = QT_TRANSLATE_NOOP("TotalsStore", "Cannot clear the totals in %1: %2.");

// What stands where the settings file should be, when it is no file.
struct NotAFile {
    mode_t type;
    const char* what;
};

constexpr std::array<NotAFile, 5> NotFiles = {{
    {S_IFDIR, QT_TRANSLATE_NOOP("TotalsStore", "it is a folder")},
    {S_IFCHR, QT_TRANSLATE_NOOP("TotalsStore", "it is a device, not a file")},
    {S_IFBLK, QT_TRANSLATE_NOOP("TotalsStore", "it is a device, not a file")},
    {S_IFIFO, QT_TRANSLATE_NOOP("TotalsStore", "it is a pipe, not a file")},
    {S_IFSOCK, QT_TRANSLATE_NOOP("TotalsStore", "it is a socket, not a file")},
}};

// Why what the status describes cannot be the settings file; empty when it can.
QString NotReadable(const struct stat& status)
{
    for (const NotAFile& notFile : NotFiles)
        if ((status.st_mode & S_IFMT) == notFile.type)
            return QCoreApplication::translate("TotalsStore", notFile.what);
    if (status.st_size > TotalsStore::LargestFile)
        return QCoreApplication::translate("TotalsStore", "it is %1 bytes long, too long for a settings file").arg(status.st_size);
    return {};
}

// The file's whole text; a file that does not exist reads as empty.
struct FileText {
    QByteArray text;
    QString failure;
    bool exists = false;
};

// Why what stands at file cannot be read as the settings file, without opening it; empty when it can, or
// when nothing stands there.
QString LookAt(const QByteArray& file)
{
    struct stat status {};
    if (::stat(file.constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? QString() : ErrorText(errno);
    return NotReadable(status);
}

// Nothing but a regular file is ever opened, so that a pipe cannot hold the program up and a device
// cannot flood it, and no more is read than a settings file can hold.
FileText ReadSettings(const QByteArray& file)
{
    if (const QString why = LookAt(file); !why.isEmpty())
        return {{}, why};
    const int descriptor = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileText{} : FileText{{}, ErrorText(errno)};
    // What was opened may no longer be what was looked at.
    struct stat status {};
    QString failure = ::fstat(descriptor, &status) == 0 ? NotReadable(status) : ErrorText(errno);
    // Room for one byte more than the file holds, to see it end; a file that grows meanwhile gets more.
    QByteArray text(failure.isEmpty() ? status.st_size + 1 : 0, '\0');
    qsizetype length = 0;
    while (failure.isEmpty()) {
        if (length == text.size() && length <= TotalsStore::LargestFile)
            text.resize(std::min<qsizetype>(2 * length, TotalsStore::LargestFile + 1));
        if (length == text.size()) {
            failure = QCoreApplication::translate("TotalsStore", "it has grown too long for a settings file");
            break;
        }
        const ssize_t step = ::read(descriptor, text.data() + length, static_cast<std::size_t>(text.size() - length));
        if (step == 0)
            break;
        if (step < 0 && errno != EINTR)
            failure = ErrorText(errno);
        length += std::max<ssize_t>(step, 0);
    }
    ::close(descriptor);
    if (!failure.isEmpty())
        return {{}, failure};
    text.truncate(length);
    return {text, {}, true};
}

// Whether the process may do what mode says to path, as the effective user.
int Denied(const QByteArray& path, int mode)
{
    return ::faccessat(AT_FDCWD, path.constData(), mode, AT_EACCESS) == 0 ? 0 : errno;
}

// Puts text in the place of file, with batches of wins from beside it added to it exactly once. Returns
// why it could not, or nothing.
QString Replace(const QByteArray& file, const QByteArray& text, const WinJournal& journal, const WinJournal::Batches& batches)
{
    FileReplacement replacement(file, file);
    if (const QString failure = replacement.Write(text); !failure.isEmpty())
        return failure;
    if (const QString failure = journal.MarkAdded(batches, replacement.Inode()); !failure.isEmpty())
        return QCoreApplication::translate("TotalsStore", "the wins kept beside it cannot be added: %1").arg(failure);
    if (const QString failure = replacement.Commit(); !failure.isEmpty()) {
        journal.Unmark(batches, replacement.Inode());
        return failure;
    }
    journal.Forget(batches, replacement.Inode());
    return {};
}

QByteArray LockPathOf(const QByteArray& file) { return Joined(FolderOf(file), '.' + NameOf(file) + ".lock"); }

// The user's configuration folder, or empty when the environment names none: bytes as the environment
// holds them, whatever their encoding.
QByteArray UserConfigFolder()
{
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    if (configHome.startsWith('/'))
        return configHome;
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return Joined(home, ".config");
    return {};
}

} // namespace

TotalsStore::TotalsStore(QByteArray filePath) : filePath(std::move(filePath)) {}

TotalsStore::TotalsStore(const QString& filePath) : TotalsStore(QFile::encodeName(filePath)) {}

TotalsStore TotalsStore::ForUser(const QString& key, const QString& appName)
{
    if (key.isEmpty())
        return {};
    const QByteArray folder = UserConfigFolder();
    if (folder.isEmpty()) {
        TotalsStore store;
        store.unusable = QCoreApplication::translate("TotalsStore", "Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.");
        return store;
    }
    return TotalsStore(Joined(Joined(folder, QFile::encodeName(key)), QFile::encodeName(appName) + ".conf"));
}

QString TotalsStore::FilePath() const { return PathText(filePath); }

TotalsOutcome TotalsStore::Failure(const char* what, const QString& reason) const
{
    return {TotalsOutcome::Failed, {}, {}, QCoreApplication::translate("TotalsStore", what).arg(FilePath(), reason), {}};
}

TotalsOutcome TotalsStore::Read(const WaitObserver& observer) const
{
    if (!unusable.isEmpty())
        return {TotalsOutcome::Failed, {}, {}, unusable, {}};
    if (filePath.isEmpty())
        return {};
    const QByteArray file = ResolveLinks(filePath);
    if (const QString why = LookAt(file); !why.isEmpty())
        return Failure(CannotRead, why);
    // A reader takes the writers' lock where there is one, so that it sees the file and the wins beside it
    // between two changes; where there is none, or its holder has stopped, it reads all the same, since
    // every change replaces the file whole.
    const StoreLock lock(LockPathOf(file), file, observer, false);
    const FileText read = ReadSettings(file);
    if (!read.failure.isEmpty())
        return Failure(CannotRead, read.failure);
    const StoredTotals stored = ReadTotals(read.text);
    if (stored.IsDamaged())
        return Failure(CannotRead, stored.damage);
    const Totals waiting = WinJournal(file).Waiting();
    return {TotalsOutcome::Kept, SaturatingSum(stored.totals, waiting), waiting, {}, {}};
}

TotalsOutcome TotalsStore::Add(Totals wins, const WaitObserver& observer) { return Rewrite(wins, observer); }

TotalsOutcome TotalsStore::Clear(const WaitObserver& observer) { return Rewrite(std::nullopt, observer); }

TotalsOutcome TotalsStore::Rewrite(std::optional<Totals> added, const WaitObserver& observer)
{
    if (!unusable.isEmpty())
        return {TotalsOutcome::Failed, {}, {}, unusable, {}};
    if (filePath.isEmpty())
        return {};
    const auto change = [&added](Totals stored) { return added ? SaturatingSum(stored, *added) : Totals{}; };
    if (!MakeFolders(FolderOf(filePath)))
        return Failure(CannotSave, QCoreApplication::translate("TotalsStore", "the folder %1 cannot be made").arg(PathText(FolderOf(filePath))));
    const QByteArray file = ResolveLinks(filePath);
    if (const int denied = Denied(FolderOf(file), W_OK | X_OK))
        return Failure(CannotSave, ErrorText(denied));
    const FileText looked = ReadSettings(file);
    if (!looked.failure.isEmpty())
        return Failure(CannotRead, looked.failure);
    // A file the player has made read-only is one the player keeps from being written.
    if (const int denied = looked.exists ? Denied(file, W_OK) : 0)
        return Failure(CannotSave, ErrorText(denied));
    const StoredTotals seen = ReadTotals(looked.text);
    if (seen.IsDamaged() && added)
        return Failure(CannotRead, seen.damage);
    WinJournal journal(file);
    // A change that would leave everything as it is needs neither the lock nor the disk, whatever other
    // copies do meanwhile: the file is not touched and keeps its links, owner and time.
    if (seen.complete && change(seen.totals) == seen.totals && journal.Waiting() == Totals{})
        return {TotalsOutcome::Kept, seen.totals, {}, {}, {}};

    const StoreLock lock(LockPathOf(file), file, observer, true);
    if (lock.Result() == StoreLock::Busy)
        return added ? Defer(file, *added, lock.Reason()) : Failure(CannotClear, lock.Reason());
    const bool locked = lock.Result() == StoreLock::Held;
    if (locked)
        FileReplacement::RemoveLeftovers(file);
    const WinJournal::Batches batches = locked ? journal.Settle() : WinJournal::Batches{};
    const FileText now = ReadSettings(file);
    if (!now.failure.isEmpty())
        return Failure(CannotRead, now.failure);
    const StoredTotals stored = ReadTotals(now.text);
    if (stored.IsDamaged() && added)
        return Failure(CannotRead, stored.damage);
    const Totals totals = change(SaturatingSum(stored.totals, batches.sum));
    const Totals waiting = locked ? Totals{} : journal.Waiting();
    TotalsOutcome kept{TotalsOutcome::Kept, SaturatingSum(totals, waiting), waiting, {}, {}};
    if (!locked)
        kept.warning = QCoreApplication::translate("TotalsStore", "Cannot lock the totals in %1: %2; they are saved without the lock.").arg(FilePath(), lock.Reason());
    if (stored.complete && totals == stored.totals && batches.names.empty())
        return kept;

    if (const QString failure = Replace(file, WithTotals(now.text, totals), journal, batches); !failure.isEmpty())
        return Failure(CannotSave, failure);
    return kept;
}

TotalsOutcome TotalsStore::Defer(const QByteArray& file, Totals added, const QString& reason) const
{
    const FileText now = ReadSettings(file);
    const StoredTotals stored = ReadTotals(now.text);
    if (!now.failure.isEmpty() || stored.IsDamaged())
        return Failure(CannotRead, now.failure.isEmpty() ? stored.damage : now.failure);
    const WinJournal journal(file);
    if (added != Totals{})
        if (const QString failure = journal.Keep(added); !failure.isEmpty())
            return Failure(CannotSave, QCoreApplication::translate("TotalsStore", "%1, and the wins cannot be kept beside them: %2").arg(reason, failure));
    const Totals waiting = journal.Waiting();
    return {added == Totals{} ? TotalsOutcome::Kept : TotalsOutcome::Deferred, SaturatingSum(stored.totals, waiting), waiting, {}, {}};
}
