// Paths as the file system holds them: bytes, never decoded, so that a folder whose name is not UTF-8 is
// used under its own name.
#include "NativePath.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// More links than any honest chain of them holds; the system itself gives up at 40.
constexpr int MostLinks = 40;

// What may stand at a file's name that is no file.
struct NotAFileKind {
    mode_t type;
    const char* what;
};

constexpr std::array<NotAFileKind, 6> NotFiles = {{
    {S_IFDIR, QT_TRANSLATE_NOOP("TotalsStore", "it is a folder")},
    {S_IFCHR, QT_TRANSLATE_NOOP("TotalsStore", "it is a device, not a file")},
    {S_IFBLK, QT_TRANSLATE_NOOP("TotalsStore", "it is a device, not a file")},
    {S_IFIFO, QT_TRANSLATE_NOOP("TotalsStore", "it is a pipe, not a file")},
    {S_IFSOCK, QT_TRANSLATE_NOOP("TotalsStore", "it is a socket, not a file")},
    {S_IFLNK, QT_TRANSLATE_NOOP("TotalsStore", "it is a link, not a file")},
}};

constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int NameLetters = 6;

} // namespace

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray NameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

QByteArray Joined(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray ResolveLinks(const QByteArray& path)
{
    QByteArray resolved = path;
    for (int link = 0; link < MostLinks; ++link) {
        struct stat status {};
        if (::lstat(resolved.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return resolved;
        QByteArray target(static_cast<qsizetype>(status.st_size > 0 ? status.st_size : PATH_MAX), '\0');
        const ssize_t length = ::readlink(resolved.constData(), target.data(), static_cast<std::size_t>(target.size()));
        if (length <= 0)
            return resolved;
        target.truncate(length);
        resolved = target.startsWith('/') ? target : Joined(FolderOf(resolved), target);
    }
    return resolved;
}

bool MakeFolders(const QByteArray& folder)
{
    struct stat status {};
    if (::stat(folder.constData(), &status) == 0)
        return S_ISDIR(status.st_mode);
    const QByteArray parent = FolderOf(folder);
    if (parent == folder || NameOf(folder).isEmpty() || !MakeFolders(parent))
        return false;
    if (::mkdir(folder.constData(), 0777) != 0)
        return errno == EEXIST && ::stat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode);
    if (::stat(folder.constData(), &status) == 0 && (status.st_mode & S_IRWXU) != S_IRWXU)
        ::chmod(folder.constData(), (status.st_mode & 07777) | S_IRWXU);
    struct stat parentStatus {};
    if (::stat(parent.constData(), &parentStatus) == 0 && parentStatus.st_uid != ::geteuid()) {
        // Whether the process may give a folder away is the system's decision; refused, it stays the process's.
        const int given = ::chown(folder.constData(), parentStatus.st_uid, parentStatus.st_gid);
        static_cast<void>(given);
    }
    return true;
}

void GiveToFolderOwner(int descriptor, const QByteArray& folder)
{
    struct stat status {};
    if (::stat(folder.constData(), &status) == 0 && status.st_uid != ::geteuid()) {
        const int given = ::fchown(descriptor, status.st_uid, status.st_gid);
        static_cast<void>(given);
    }
}

void KeepOwnersWrite(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && !(status.st_mode & S_IWUSR))
        ::fchmod(descriptor, (status.st_mode & 07777) | S_IWUSR);
}

void SyncFolder(const QByteArray& folder)
{
    if (const int opened = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); opened >= 0) {
        ::fsync(opened);
        ::close(opened);
    }
}

FileMark MarkOf(const QByteArray& path)
{
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return {};
    return {status.st_dev, status.st_ino, status.st_size,
            static_cast<long long>(status.st_ctim.tv_sec) * 1000000000LL + status.st_ctim.tv_nsec};
}

QString NotAFile(const struct stat& status)
{
    for (const NotAFileKind& kind : NotFiles)
        if ((status.st_mode & S_IFMT) == kind.type)
            return QCoreApplication::translate("TotalsStore", kind.what);
    return {};
}

QByteArray UniqueLetters()
{
    QByteArray letters(NameLetters, '\0');
    for (char& letter : letters)
        letter = Letters[QRandomGenerator::system()->bounded(static_cast<int>(sizeof Letters - 1))];
    return letters;
}

bool AreUniqueLetters(const QByteArray& letters)
{
    return letters.size() == NameLetters &&
           std::all_of(letters.begin(), letters.end(), [](char letter) { return QByteArray(Letters).contains(letter); });
}

QString ErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString PathText(const QByteArray& path) { return QFile::decodeName(path); }
