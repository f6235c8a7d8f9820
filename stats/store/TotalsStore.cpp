// The totals in the user's settings file: read in one go, changed under a lock, replaced whole.
#include "TotalsStore.h"

#include "FileReplacement.h"
#include "NativePath.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why the totals could not be had, with the file (%1) and the reason (%2).
const char* const CannotRead = QT_TRANSLATE_NOOP("TotalsStore", "Cannot read the totals in %1: %2.");
const char* const CannotSave = QT_TRANSLATE_NOOP("TotalsStore", "Cannot save the totals in %1: %2.");
const char* const CannotClear = QT_TRANSLATE_NOOP("TotalsStore", "Cannot clear the totals in %1: %2.");

// A reader that keeps seeing the file replaced under it gives up on a consistent view after this many.
constexpr int MostReads = 5;
// A change that keeps finding the file changed by another program before it can replace it fails after this many.
constexpr int MostSaves = 3;

// Why what the status describes cannot be the settings file; empty when it can.
QString NotReadable(const struct stat& status)
{
    if (const QString why = NotAFile(status); !why.isEmpty())
        return why;
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

// Nothing but a regular file is ever opened, so that a pipe cannot hold the program up and a device
// cannot flood it, and no more is read than a settings file can hold.
FileText ReadSettings(const QByteArray& file)
{
    struct stat status {};
    if (::stat(file.constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileText{} : FileText{{}, ErrorText(errno)};
    if (const QString why = NotReadable(status); !why.isEmpty())
        return {{}, why};
    const int descriptor = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileText{} : FileText{{}, ErrorText(errno)};
    // What was opened may no longer be what was looked at.
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

QByteArray Beside(const QByteArray& file, const char* suffix) { return Joined(FolderOf(file), '.' + NameOf(file) + suffix); }

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
        store.unusable =
            QCoreApplication::translate("TotalsStore", "Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.");
        return store;
    }
    return TotalsStore(Joined(Joined(folder, QFile::encodeName(key)), QFile::encodeName(appName) + ".conf"));
}

QString TotalsStore::FilePath() const { return PathText(filePath); }

TotalsOutcome TotalsStore::Failure(const char* what, const QString& reason) const
{
    return {TotalsOutcome::Failed, {}, {}, QCoreApplication::translate("TotalsStore", what).arg(FilePath(), reason), {}, {}};
}

TotalsOutcome TotalsStore::Read() const
{
    if (!unusable.isEmpty())
        return {TotalsOutcome::Failed, {}, {}, unusable, {}, {}};
    if (filePath.isEmpty())
        return {};
    const QByteArray file = ResolveLinks(filePath);
    const WinJournal journal(file);
    for (int read = 1;; ++read) {
        const FileMark before = MarkOf(file);
        const FileText text = ReadSettings(file);
        if (!text.failure.isEmpty())
            return Failure(CannotRead, text.failure);
        const StoredTotals stored = ReadTotals(text.text);
        if (stored.IsDamaged())
            return Failure(CannotRead, stored.damage);
        const WinJournal::Waiting waiting = journal.Look();
        // A save that put its file in place meanwhile may have taken in wins that were seen waiting.
        if (MarkOf(file) == before || read == MostReads)
            return {TotalsOutcome::Kept, SaturatingSum(stored.totals, waiting.wins), waiting.wins, {}, {}, waiting.remarks};
    }
}

TotalsOutcome TotalsStore::Add(Totals wins, const WaitObserver& observer) { return Rewrite(wins, observer); }

TotalsOutcome TotalsStore::Clear(const WaitObserver& observer) { return Rewrite(std::nullopt, observer); }

TotalsOutcome TotalsStore::Rewrite(std::optional<Totals> added, const WaitObserver& observer)
{
    if (!unusable.isEmpty())
        return {TotalsOutcome::Failed, {}, {}, unusable, {}, {}};
    if (filePath.isEmpty())
        return {};
    if (!MakeFolders(FolderOf(filePath)))
        return Failure(CannotSave, QCoreApplication::translate("TotalsStore", "the folder %1 cannot be made").arg(PathText(FolderOf(filePath))));
    const QByteArray file = ResolveLinks(filePath);
    if (const int denied = Denied(FolderOf(file), X_OK))
        return Failure(CannotSave, ErrorText(denied));
    const FileText looked = ReadSettings(file);
    if (!looked.failure.isEmpty())
        return Failure(CannotRead, looked.failure);
    // A file the player has made read-only is one the player keeps from being written; a folder that takes
    // no new file still lets a file in it be written over.
    if (const int denied = looked.exists ? Denied(file, W_OK) : Denied(FolderOf(file), W_OK))
        return Failure(CannotSave, ErrorText(denied));
    const StoredTotals seen = ReadTotals(looked.text);
    if (seen.IsDamaged() && added)
        return Failure(CannotRead, seen.damage);
    const WinJournal journal(file);
    // A change that would leave everything as it is needs neither the lock nor the disk, whatever other
    // copies do meanwhile: the file is not touched and keeps its links, owner and time.
    if (const WinJournal::Waiting waiting = journal.Look();
        seen.complete && (added ? SaturatingSum(seen.totals, *added) : Totals{}) == seen.totals && waiting.wins == Totals{})
        return {TotalsOutcome::Kept, seen.totals, {}, {}, {}, waiting.remarks};

    const StoreLock lock(Beside(file, ".lock"), Beside(file, ".merging"), file, observer);
    const bool locked = lock.Result() == StoreLock::Held;
    const WinJournal::Batches batches = journal.Settle(locked);
    if (lock.Result() == StoreLock::Busy)
        return added ? Defer(file, *added, journal) : Failure(CannotClear, lock.Reason());
    TotalsOutcome outcome = Save(file, added, journal, batches, locked);
    outcome.remarks = batches.remarks + outcome.remarks;
    outcome.remarks.removeDuplicates();
    if (!lock.Reason().isEmpty())
        outcome.warning = QCoreApplication::translate("TotalsStore", "Cannot lock the totals in %1: %2; they are saved without the lock.").arg(FilePath(), lock.Reason());
    return outcome;
}

TotalsOutcome TotalsStore::Save(const QByteArray& file, const std::optional<Totals>& added, const WinJournal& journal,
                                const WinJournal::Batches& batches, bool locked) const
{
    const auto change = [&added](Totals stored) { return added ? SaturatingSum(stored, *added) : Totals{}; };
    for (int save = 1;; ++save) {
        const FileMark mark = MarkOf(file);
        const FileText now = ReadSettings(file);
        if (!now.failure.isEmpty())
            return Failure(CannotRead, now.failure);
        const StoredTotals stored = ReadTotals(now.text);
        if (stored.IsDamaged() && added)
            return Failure(CannotRead, stored.damage);
        const Totals totals = change(SaturatingSum(stored.totals, batches.sum));
        // Without the lock no wins are taken in; those that wait are still the player's.
        const WinJournal::Waiting waiting = locked ? WinJournal::Waiting{} : journal.Look();
        TotalsOutcome kept{TotalsOutcome::Kept, SaturatingSum(totals, waiting.wins), waiting.wins, {}, {}, waiting.remarks};
        if (stored.complete && totals == stored.totals && batches.letters.empty())
            return kept;

        const QByteArray letters = UniqueLetters();
        FileReplacement replacement(file, journal.ReplacementPath(letters));
        if (const int error = replacement.Write(WithTotals(now.text, totals)); error == EACCES || error == EPERM) {
            // The folder takes no new file: the file itself is written over, without the wins beside it,
            // which cannot be renamed there either.
            const Totals own = change(stored.totals);
            if (const int failed = WriteInPlace(file, WithTotals(now.text, own)))
                return Failure(CannotSave, ErrorText(failed));
            const WinJournal::Waiting beside = journal.Look();
            kept = {TotalsOutcome::Kept, SaturatingSum(own, beside.wins), beside.wins, {}, {}, beside.remarks};
            kept.remarks << QCoreApplication::translate("TotalsStore", "The folder of %1 takes no new files, so the totals are "
                                                                       "saved by writing over the file itself, which a crash "
                                                                       "in the middle of a save could damage.")
                                .arg(FilePath());
            return kept;
        } else if (error) {
            return Failure(CannotSave, ErrorText(error));
        }
        if (const QString failure = journal.Carry(batches, letters); !failure.isEmpty())
            return Failure(CannotSave, QCoreApplication::translate("TotalsStore", "the wins kept beside it cannot be added: %1").arg(failure));
        // Another program may have written the file since it was read: what it wrote is read again.
        if (MarkOf(file) != mark) {
            journal.Uncarry(batches, letters);
            if (save < MostSaves)
                continue;
            return Failure(CannotSave, QCoreApplication::translate("TotalsStore", "it keeps being changed by another program"));
        }
        if (const int error = replacement.Commit()) {
            journal.Uncarry(batches, letters);
            return Failure(CannotSave, ErrorText(error));
        }
        journal.Forget(batches, letters);
        return kept;
    }
}

TotalsOutcome TotalsStore::Defer(const QByteArray& file, Totals added, const WinJournal& journal) const
{
    const FileText now = ReadSettings(file);
    const StoredTotals stored = ReadTotals(now.text);
    if (!now.failure.isEmpty() || stored.IsDamaged())
        return Failure(CannotRead, now.failure.isEmpty() ? stored.damage : now.failure);
    if (added != Totals{})
        if (const QString failure = journal.Keep(added); !failure.isEmpty())
            return Failure(CannotSave, QCoreApplication::translate("TotalsStore", "another copy of the program holds them, and "
                                                                                  "the wins cannot be kept beside them: %1")
                                           .arg(failure));
    const WinJournal::Waiting waiting = journal.Look();
    return {added == Totals{} ? TotalsOutcome::Kept : TotalsOutcome::Deferred, SaturatingSum(stored.totals, waiting.wins),
            waiting.wins, {}, {}, waiting.remarks};
}
