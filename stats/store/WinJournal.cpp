// Wins kept beside the settings file while another copy of the program holds it, until a save adds them.
#include "WinJournal.h"

#include "FileReplacement.h"
#include "NativePath.h"

#include <QList>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A batch is two numbers and a line end; anything longer is no batch of the program's.
constexpr qsizetype LongestBatch = 32;
// A save under the lock may clear the unfinished batch away just as it is being put in place.
constexpr int MostKeepTries = 3;

// The wins a batch file holds, if it is one.
std::optional<Totals> ReadBatch(const QByteArray& file)
{
    const int descriptor = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return std::nullopt;
    struct stat status {};
    char bytes[LongestBatch + 1];
    const ssize_t length = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) ? ::read(descriptor, bytes, sizeof bytes) : -1;
    ::close(descriptor);
    if (length <= 0 || length > LongestBatch)
        return std::nullopt;
    const QList<QByteArray> numbers = QByteArray(bytes, length).trimmed().split(' ');
    bool gamesRead = false;
    bool scoreRead = false;
    const Totals wins{numbers.value(0).toInt(&gamesRead), numbers.value(1).toInt(&scoreRead)};
    if (numbers.size() != 2 || !gamesRead || !scoreRead || wins.games < 0 || wins.score < 0)
        return std::nullopt;
    return wins;
}

} // namespace

WinJournal::WinJournal(QByteArray path) : path(std::move(path)) {}

QByteArray WinJournal::WaitingName(const QByteArray& letters) const
{
    return Joined(FolderOf(path), '.' + NameOf(path) + ".win-" + letters);
}

QByteArray WinJournal::AddedName(const QByteArray& letters, ino_t newFile) const
{
    return Joined(FolderOf(path), '.' + NameOf(path) + ".added-" + QByteArray::number(static_cast<qulonglong>(newFile)) +
                                      '-' + letters);
}

QString WinJournal::Keep(Totals wins) const
{
    const QByteArray text = QByteArray::number(wins.games) + ' ' + QByteArray::number(wins.score) + '\n';
    QString failure;
    for (int attempt = 0; attempt < MostKeepTries; ++attempt) {
        QByteArray batch;
        struct stat status {};
        do
            batch = WaitingName(UniqueLetters());
        while (::lstat(batch.constData(), &status) == 0);
        FileReplacement replacement(batch, path);
        failure = replacement.Write(text);
        if (failure.isEmpty())
            failure = replacement.Commit();
        if (failure.isEmpty())
            return {};
    }
    return failure;
}

ino_t WinJournal::FileInode() const
{
    struct stat status {};
    return ::stat(path.constData(), &status) == 0 ? status.st_ino : 0;
}

std::vector<WinJournal::Entry> WinJournal::Entries() const
{
    const QByteArray folder = FolderOf(path);
    const QByteArray waiting = '.' + NameOf(path) + ".win-";
    const QByteArray added = '.' + NameOf(path) + ".added-";
    std::vector<Entry> entries;
    DIR* listing = ::opendir(folder.constData());
    if (!listing)
        return entries;
    while (const dirent* found = ::readdir(listing)) {
        const QByteArray name(found->d_name);
        Entry entry{{}, 0, {}};
        if (name.startsWith(waiting)) {
            entry.letters = name.mid(waiting.size());
        } else if (name.startsWith(added)) {
            const QList<QByteArray> parts = name.mid(added.size()).split('-');
            bool numbered = false;
            entry.addedTo = static_cast<ino_t>(parts.value(0).toULongLong(&numbered));
            if (parts.size() != 2 || !numbered || entry.addedTo == 0)
                continue;
            entry.letters = parts[1];
        } else {
            continue;
        }
        const std::optional<Totals> wins = ReadBatch(Joined(folder, name));
        if (!AreUniqueLetters(entry.letters) || !wins)
            continue;
        entry.wins = *wins;
        entries.push_back(entry);
    }
    ::closedir(listing);
    return entries;
}

Totals WinJournal::Waiting() const
{
    const ino_t file = FileInode();
    Totals sum;
    for (const Entry& entry : Entries())
        if (entry.addedTo == 0 || entry.addedTo != file)
            sum = SaturatingSum(sum, entry.wins);
    return sum;
}

WinJournal::Batches WinJournal::Settle() const
{
    const ino_t file = FileInode();
    Batches batches;
    for (const Entry& entry : Entries()) {
        if (entry.addedTo != 0 && entry.addedTo == file) {
            ::unlink(AddedName(entry.letters, entry.addedTo).constData());
            continue;
        }
        if (entry.addedTo != 0 && ::rename(AddedName(entry.letters, entry.addedTo).constData(), WaitingName(entry.letters).constData()) != 0)
            continue;
        batches.sum = SaturatingSum(batches.sum, entry.wins);
        batches.names.push_back(entry.letters);
    }
    return batches;
}

QString WinJournal::MarkAdded(const Batches& batches, ino_t newFile) const
{
    for (std::size_t i = 0; i < batches.names.size(); ++i) {
        if (::rename(WaitingName(batches.names[i]).constData(), AddedName(batches.names[i], newFile).constData()) != 0) {
            const QString failure = ErrorText(errno);
            Unmark({{}, {batches.names.begin(), batches.names.begin() + static_cast<std::ptrdiff_t>(i)}}, newFile);
            return failure;
        }
    }
    return {};
}

void WinJournal::Unmark(const Batches& batches, ino_t newFile) const
{
    for (const QByteArray& letters : batches.names)
        ::rename(AddedName(letters, newFile).constData(), WaitingName(letters).constData());
}

void WinJournal::Forget(const Batches& batches, ino_t newFile) const
{
    for (const QByteArray& letters : batches.names)
        ::unlink(AddedName(letters, newFile).constData());
}
