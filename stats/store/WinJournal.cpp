// Wins kept beside the settings file until a save adds them, each in a file whose name says whether the
// settings file holds it.
#include "WinJournal.h"

#include "FileReplacement.h"
#include "NativePath.h"
#include "StoreLock.h"

#include <QCoreApplication>
#include <QList>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A batch is two numbers and a line end; anything longer is no batch of the program's.
constexpr qsizetype LongestBatch = 32;

const QByteArray Waits = QByteArrayLiteral(".win-");
const QByteArray Replacement = QByteArrayLiteral(".new-");
const QByteArray CarriedBy = QByteArrayLiteral(".in-");
// What the lock sets aside for a moment as it clears away a token left by a copy that has ended.
const QByteArray TokenAside = QByteArrayLiteral(".merging-");
constexpr char Writing[] = ".new";
constexpr char Damaged[] = ".damaged";

// A file of the journal's names, as the folder lists it.
struct Entry {
    enum Kind { Waiting, Carried, Replacing, Leftover } kind; // Leftover: a win being written, a token set aside
    QByteArray name;
    QByteArray letters; // the win's; the replacement's for Replacing
    QByteArray carrier; // Carried: the replacement's letters
    struct stat status;
};

// The wins a batch file holds, or why it holds none: it cannot be read, or (no trouble) it is damaged.
struct BatchText {
    std::optional<Totals> wins;
    QString trouble;
};

BatchText ReadBatch(const QByteArray& file, const struct stat& listed)
{
    if (const QString why = NotAFile(listed); !why.isEmpty())
        return {std::nullopt, why};
    const int descriptor = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return {std::nullopt, ErrorText(errno)};
    char bytes[LongestBatch + 1];
    const ssize_t length = ::read(descriptor, bytes, sizeof bytes);
    const int error = errno;
    ::close(descriptor);
    if (length < 0)
        return {std::nullopt, ErrorText(error)};
    const QList<QByteArray> numbers = QByteArray(bytes, length).trimmed().split(' ');
    bool gamesRead = false;
    bool scoreRead = false;
    const Totals wins{numbers.value(0).toInt(&gamesRead), numbers.value(1).toInt(&scoreRead)};
    if (length > LongestBatch || numbers.size() != 2 || !gamesRead || !scoreRead || wins.games < 0 || wins.score < 0)
        return {};
    return {wins, {}};
}

QString CannotCount(const QByteArray& file, const BatchText& batch)
{
    return QCoreApplication::translate("TotalsStore", "Cannot count the win kept in %1: %2.")
        .arg(PathText(file),
             batch.trouble.isEmpty() ? QCoreApplication::translate("TotalsStore", "it holds no win") : batch.trouble);
}

bool IsOld(const struct stat& status) { return std::time(nullptr) - status.st_mtime > StoreLock::LongestSaveSeconds; }

bool IsOurs(const struct stat& status) { return S_ISREG(status.st_mode) && status.st_uid == ::geteuid(); }

bool Stands(const QByteArray& file)
{
    struct stat status {};
    return ::lstat(file.constData(), &status) == 0 || errno != ENOENT;
}

// Every file of the journal's names in the folder; none when the folder cannot be listed.
std::vector<Entry> Scan(const QByteArray& folder, const QByteArray& prefix)
{
    std::vector<Entry> entries;
    DIR* listing = ::opendir(folder.constData());
    if (!listing)
        return entries;
    while (const dirent* found = ::readdir(listing)) {
        const QByteArray name(found->d_name);
        Entry entry{Entry::Waiting, name, {}, {}, {}};
        if (name.startsWith(prefix + Replacement)) {
            entry.kind = Entry::Replacing;
            entry.letters = name.mid(prefix.size() + Replacement.size());
        } else if (name.startsWith(prefix + TokenAside)) {
            entry.kind = Entry::Leftover;
            entry.letters = name.mid(prefix.size() + TokenAside.size());
        } else if (name.startsWith(prefix + Waits)) {
            entry.letters = name.mid(prefix.size() + Waits.size(), 6);
            const QByteArray rest = name.mid(prefix.size() + Waits.size() + 6);
            if (rest.startsWith(CarriedBy) && AreUniqueLetters(rest.mid(CarriedBy.size()))) {
                entry.kind = Entry::Carried;
                entry.carrier = rest.mid(CarriedBy.size());
            } else if (rest == Writing) {
                entry.kind = Entry::Leftover;
            } else if (!rest.isEmpty()) {
                continue;
            }
        } else {
            continue;
        }
        if (AreUniqueLetters(entry.letters) && ::lstat(Joined(folder, name).constData(), &entry.status) == 0)
            entries.push_back(entry);
    }
    ::closedir(listing);
    return entries;
}

} // namespace

WinJournal::WinJournal(const QByteArray& path) : folder(FolderOf(path)), prefix('.' + NameOf(path)) {}

QByteArray WinJournal::Name(const QByteArray& letters, const char* suffix) const
{
    return Joined(folder, prefix + Waits + letters + suffix);
}

QByteArray WinJournal::CarriedName(const QByteArray& letters, const QByteArray& replacement) const
{
    return Name(letters) + CarriedBy + replacement;
}

QByteArray WinJournal::ReplacementPath(const QByteArray& letters) const { return Joined(folder, prefix + Replacement + letters); }

QString WinJournal::Keep(Totals wins) const
{
    QByteArray letters;
    struct stat status {};
    do
        letters = UniqueLetters();
    while (::lstat(Name(letters).constData(), &status) == 0 || ::lstat(Name(letters, Writing).constData(), &status) == 0);
    FileReplacement batch(Name(letters), Name(letters, Writing));
    int error = batch.Write(QByteArray::number(wins.games) + ' ' + QByteArray::number(wins.score) + '\n');
    if (!error)
        error = batch.Commit();
    return error ? ErrorText(error) : QString();
}

WinJournal::Waiting WinJournal::Look() const
{
    Waiting waiting;
    for (const Entry& entry : Scan(folder, prefix)) {
        // A replacement is made before the wins it carries are named after it, so it is looked for afterwards.
        if (entry.kind != Entry::Waiting && !(entry.kind == Entry::Carried && Stands(ReplacementPath(entry.carrier))))
            continue;
        const QByteArray file = Joined(folder, entry.name);
        if (const BatchText batch = ReadBatch(file, entry.status); batch.wins)
            waiting.wins = SaturatingSum(waiting.wins, *batch.wins);
        else
            waiting.remarks << CannotCount(file, batch);
    }
    return waiting;
}

WinJournal::Batches WinJournal::Settle(bool locked) const
{
    const std::vector<Entry> entries = Scan(folder, prefix);
    std::set<QByteArray> settled;
    for (const Entry& entry : entries)
        if (entry.kind == Entry::Replacing && IsOurs(entry.status) && (locked || IsOld(entry.status)))
            settled.insert(entry.letters);
    // Replacements with a win that cannot be set waiting again: they stay, and so the win still waits.
    std::set<QByteArray> kept;
    bool changed = false;
    for (const Entry& entry : entries) {
        const QByteArray file = Joined(folder, entry.name);
        if (entry.kind == Entry::Carried && !Stands(ReplacementPath(entry.carrier))) {
            changed |= ::unlink(file.constData()) == 0;
        } else if (entry.kind == Entry::Carried && settled.count(entry.carrier)) {
            if (::rename(file.constData(), Name(entry.letters).constData()) == 0)
                changed = true;
            else
                kept.insert(entry.carrier);
        } else if (entry.kind == Entry::Leftover && IsOurs(entry.status) && IsOld(entry.status)) {
            changed |= ::unlink(file.constData()) == 0;
        }
    }
    // Only once every win it carried waits again.
    for (const QByteArray& letters : settled)
        if (!kept.count(letters))
            changed |= ::unlink(ReplacementPath(letters).constData()) == 0;
    if (changed)
        SyncFolder(folder);
    Batches batches;
    if (!locked)
        return batches;
    for (const Entry& entry : Scan(folder, prefix)) {
        if (entry.kind != Entry::Waiting)
            continue;
        const QByteArray file = Joined(folder, entry.name);
        const BatchText batch = ReadBatch(file, entry.status);
        if (batch.wins) {
            batches.sum = SaturatingSum(batches.sum, *batch.wins);
            batches.letters.push_back(entry.letters);
            continue;
        }
        batches.remarks << CannotCount(file, batch);
        if (batch.trouble.isEmpty())
            ::rename(file.constData(), Name(entry.letters, Damaged).constData());
    }
    return batches;
}

QString WinJournal::Carry(const Batches& batches, const QByteArray& replacement) const
{
    for (std::size_t i = 0; i < batches.letters.size(); ++i) {
        if (::rename(Name(batches.letters[i]).constData(), CarriedName(batches.letters[i], replacement).constData()) != 0) {
            const QString failure = ErrorText(errno);
            Uncarry({{}, {batches.letters.begin(), batches.letters.begin() + static_cast<std::ptrdiff_t>(i)}, {}}, replacement);
            return failure;
        }
    }
    // The names must be on the disk before the replacement takes the file's place.
    if (!batches.letters.empty())
        SyncFolder(folder);
    return {};
}

void WinJournal::Uncarry(const Batches& batches, const QByteArray& replacement) const
{
    for (const QByteArray& letters : batches.letters)
        ::rename(CarriedName(letters, replacement).constData(), Name(letters).constData());
}

void WinJournal::Forget(const Batches& batches, const QByteArray& replacement) const
{
    for (const QByteArray& letters : batches.letters)
        ::unlink(CarriedName(letters, replacement).constData());
    if (!batches.letters.empty())
        SyncFolder(folder);
}
