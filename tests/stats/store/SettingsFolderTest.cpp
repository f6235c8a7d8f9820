// What a settings folder may hold besides a plain settings file, and what the game does with it: every
// folder is pictured byte for byte before and after a start and an exit, a win and a clearing.
#include "StatsTestSupport.h"

#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Everything below a folder, by path below it: what kind of entry, and what it holds (a file's bytes, a
// link's target, a device's number). Paths are bytes, as the file system holds them.
using FolderPicture = std::map<QByteArray, QByteArray>;

void Picture(const QByteArray& root, const QByteArray& below, FolderPicture& picture)
{
    DIR* listing = ::opendir((root + below).constData());
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = below + '/' + name;
        const QByteArray full = root + path;
        struct stat status {};
        ::lstat(full.constData(), &status);
        if (S_ISREG(status.st_mode)) {
            QByteArray bytes(static_cast<qsizetype>(status.st_size), '\0');
            const int descriptor = ::open(full.constData(), O_RDONLY);
            const ssize_t read = descriptor >= 0 ? ::read(descriptor, bytes.data(), static_cast<std::size_t>(bytes.size())) : -1;
            if (descriptor >= 0)
                ::close(descriptor);
            picture[path] = read == bytes.size() ? "file " + bytes : QByteArray("unreadable file");
        } else if (S_ISLNK(status.st_mode)) {
            QByteArray target(4096, '\0');
            target.truncate(std::max<ssize_t>(0, ::readlink(full.constData(), target.data(), static_cast<std::size_t>(target.size()))));
            picture[path] = "link " + target;
        } else if (S_ISDIR(status.st_mode)) {
            picture[path] = "folder";
            Picture(root, path, picture);
        } else {
            picture[path] = "other " + QByteArray::number(status.st_mode & S_IFMT) + ' ' + QByteArray::number(status.st_rdev);
        }
    }
    ::closedir(listing);
}

FolderPicture PictureOf(const QByteArray& root)
{
    FolderPicture picture;
    Picture(root, {}, picture);
    return picture;
}

// Lets a failed comparison show what differs.
std::string Described(const FolderPicture& picture)
{
    std::string text;
    for (const auto& [path, what] : picture)
        text += path.toStdString() + ": " + what.left(80).toStdString() + "\n";
    return text;
}

ino_t InodeAt(const QByteArray& path)
{
    struct stat status {};
    return ::stat(path.constData(), &status) == 0 ? status.st_ino : 0;
}

// Removes a folder and all below it, whatever bytes the names hold.
void RemoveTree(const QByteArray& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return;
    if (S_ISDIR(status.st_mode)) {
        if (DIR* listing = ::opendir(path.constData())) {
            while (const dirent* entry = ::readdir(listing))
                if (QByteArray(entry->d_name) != "." && QByteArray(entry->d_name) != "..")
                    RemoveTree(path + '/' + entry->d_name);
            ::closedir(listing);
        }
        ::rmdir(path.constData());
    } else {
        ::unlink(path.constData());
    }
}

// The test's configuration folder, where every case makes its files.
QByteArray Root() { return qgetenv("XDG_CONFIG_HOME"); }

// Makes the folders below the test's folder that path needs.
void MakeFoldersFor(const QByteArray& below)
{
    ::mkdir(Root().constData(), 0700);
    for (qsizetype slash = below.indexOf('/'); slash > 0; slash = below.indexOf('/', slash + 1))
        ::mkdir((Root() + '/' + below.left(slash)).constData(), 0755);
}

void Write(const QByteArray& below, const QByteArray& contents)
{
    MakeFoldersFor(below);
    const QByteArray path = Root() + '/' + below;
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0) << below.toStdString();
    ASSERT_EQ(::write(descriptor, contents.constData(), static_cast<std::size_t>(contents.size())), contents.size());
    ::close(descriptor);
}

const QByteArray Settings = "Brindlemoor/stats_tests.conf";
const QByteArray Seeded = "[Stats]\nTotalGames=5\nTotalScore=7\n";
const QByteArray AfterWin = "[Stats]\nTotalGames=6\nTotalScore=10\n";
const QByteArray AfterClearing = "[Stats]\nTotalGames=0\nTotalScore=0\n";

void Neighbours()
{
    Write(Settings, Seeded);
    for (const char* name : {"stats_tests.conf.backup", "stats_tests.conf.orig12", "stats_tests.conf.Ab3dE9",
                             "stats_tests.conf.lock", "stats_tests.conf~", ".stats_tests.conf.swp"})
        Write(QByteArray("Brindlemoor/") + name, QByteArray("the player's own ") + name);
}

// A link to a device that takes every write and gives nothing back, made in a scratch folder as the
// null device is: a common way to keep a program from saving.
void DeviceLink()
{
    Write("scratch/keep", "");
    ASSERT_EQ(::mknod((Root() + "/scratch/null").constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    MakeFoldersFor(Settings);
    ASSERT_EQ(::symlink("../scratch/null", (Root() + '/' + Settings).constData()), 0);
}

void ByteOrderMark() { Write(Settings, "\xEF\xBB\xBF" + Seeded); }

void CarriageReturns() { Write(Settings, "[Stats]\rTotalGames=5\rTotalScore=7\r"); }

void Pipe()
{
    MakeFoldersFor(Settings);
    ASSERT_EQ(::mkfifo((Root() + '/' + Settings).constData(), 0644), 0);
}

void HugeFile() { Write(Settings, Seeded + QByteArray(5 << 20, ';') + '\n'); }

// The file kept in a repository of dotfiles as well, by a second name of the same file.
void HardLink()
{
    Write(Settings, Seeded);
    Write("dotfiles/keep", "");
    ASSERT_EQ(::link((Root() + '/' + Settings).constData(), (Root() + "/dotfiles/stats_tests.conf").constData()), 0);
}

// The file kept elsewhere, beside the player's own files and the leftover of a save that was killed there,
// with the settings folder holding a link to it and a file that only looks like such a leftover.
void LinkElsewhere()
{
    Write("dotfiles/totals.conf", Seeded);
    Write("dotfiles/totals.conf.backup", "the player's own backup");
    Write("dotfiles/.totals.conf.new-Xy12Zw", "a save killed halfway");
    Write("Brindlemoor/.stats_tests.conf.new-Ab34Cd", "not where the program makes its replacements");
    ASSERT_EQ(::symlink("../dotfiles/totals.conf", (Root() + '/' + Settings).constData()), 0);
}

void FolderInstead() { Write(Settings + "/inside", "a file in a folder"); }

// XDG_CONFIG_HOME holds a Latin-1 letter.
void NotUtf8() { Write("caf\xe9/" + Settings, Seeded); }

struct SettingsCase {
    const char* name;
    void (*make)();
    // The file that holds the totals, below the test's folder.
    QByteArray holder;
    // Why the game cannot read them; null when it can.
    const char* trouble;
    // What the window shows at its start.
    Totals shown;
    // XDG_CONFIG_HOME below the test's folder; empty for the folder itself.
    QByteArray configBelow;
    // The leftover of a killed save that a save removes; empty for none.
    QByteArray leftover;
};

const SettingsCase SettingsCases[] = {
    {"NeighbourFilesSurvive", Neighbours, Settings, nullptr, {5, 7}, {}, {}},
    {"LinkToADevice", DeviceLink, "scratch/null", "it is a device, not a file", {}, {}, {}},
    {"ByteOrderMark", ByteOrderMark, Settings, nullptr, {5, 7}, {}, {}},
    {"CarriageReturnsAlone", CarriageReturns, Settings, nullptr, {5, 7}, {}, {}},
    {"Pipe", Pipe, Settings, "it is a pipe, not a file", {}, {}, {}},
    {"FiveMebibytes", HugeFile, Settings, "it is 5242915 bytes long, too long for a settings file", {}, {}, {}},
    {"HardLink", HardLink, Settings, nullptr, {5, 7}, {}, {}},
    {"LinkToAFileElsewhere", LinkElsewhere, "dotfiles/totals.conf", nullptr, {5, 7}, {}, "dotfiles/.totals.conf.new-Xy12Zw"},
    {"FolderInPlaceOfTheFile", FolderInstead, Settings, "it is a folder", {}, {}, {}},
    {"FolderNameNotUtf8", NotUtf8, "caf\xe9/" + Settings, nullptr, {5, 7}, "caf\xe9", {}},
};

// The totals text after a change, as the file was written: with its byte order mark or its line ends.
QByteArray AsWritten(const SettingsCase& c, const QByteArray& text)
{
    if (c.make == ByteOrderMark)
        return "\xEF\xBB\xBF" + text;
    if (c.make == CarriageReturns)
        return QByteArray(text).replace('\n', '\r');
    return text;
}

class SettingsFolder : public StatsFixture, public ::testing::WithParamInterface<SettingsCase> {
protected:
    void SetUp() override
    {
        StatsFixture::SetUp();
        root = Root();
    }

    void TearDown() override
    {
        StatsFixture::TearDown();
        qputenv("XDG_CONFIG_HOME", root);
        RemoveTree(root + "/caf\xe9");
    }

    // Runs a window from its start to its end, as a run of the game does, with inside done in it; returns
    // the notices.
    QStringList Run(const std::function<void(CCorvaneDlg&)>& inside = {})
    {
        const NoticeWatcher notices;
        RunWindow([&](CCorvaneDlg& window) {
            shown = TotalsShown(window);
            if (inside)
                inside(window);
        });
        return notices.texts;
    }

    // The picture once a save has changed the file: the new text, the lock file beside it, and no leftover.
    FolderPicture Saved(FolderPicture picture, const QByteArray& text) const
    {
        const SettingsCase& c = GetParam();
        const qsizetype slash = c.holder.lastIndexOf('/');
        picture['/' + c.holder] = "file " + text;
        picture['/' + c.holder.left(slash + 1) + '.' + c.holder.mid(slash + 1) + ".lock"] = "file ";
        if (!c.leftover.isEmpty())
            picture.erase('/' + c.leftover);
        return picture;
    }

    QByteArray root;
    ShownTotals shown;
};

TEST_P(SettingsFolder, StartAndExitWinAndClearingChangeOnlyTheTotals)
{
    const SettingsCase& c = GetParam();
    if (c.make == DeviceLink && ::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may make a device node";
    ASSERT_NO_FATAL_FAILURE(c.make());
    if (!c.configBelow.isEmpty())
        qputenv("XDG_CONFIG_HOME", root + '/' + c.configBelow);
    const FolderPicture before = PictureOf(root);
    const ino_t holder = InodeAt(root + '/' + c.holder);

    const QStringList started = Run();
    EXPECT_EQ(shown, TotalsShownFor(c.shown.games, c.shown.score));
    EXPECT_EQ(PictureOf(root), before) << "a start and an exit change nothing:\n" << Described(PictureOf(root));
    EXPECT_EQ(InodeAt(root + '/' + c.holder), holder) << "the file was replaced";

    const QStringList won = Run([this](CCorvaneDlg& window) { WinAGame(window, 3); });
    const FolderPicture afterWin = c.trouble ? before : Saved(before, AsWritten(c, AfterWin));
    EXPECT_EQ(PictureOf(root), afterWin) << Described(PictureOf(root));
    EXPECT_EQ(shown, TotalsShownFor(c.shown.games, c.shown.score));

    const QStringList cleared = Run([](CCorvaneDlg& window) { ClearTotals(window); });
    const FolderPicture afterClearing = c.trouble ? before : Saved(before, AsWritten(c, AfterClearing));
    EXPECT_EQ(PictureOf(root), afterClearing) << Described(PictureOf(root));
    EXPECT_EQ(shown, c.trouble ? TotalsShownFor(c.shown.games, c.shown.score) : TotalsShownFor(6, 10));

    if (!c.trouble) {
        EXPECT_EQ(started + won + cleared, QStringList());
        return;
    }
    // Told at every start, and again at the clearing, which the player asked for; the win is counted on.
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(won.size(), 1);
    EXPECT_EQ(cleared.size(), 2) << cleared.join("|").toStdString();
    const QString trouble = "Cannot read the totals in " + SettingsFile() + ": " + c.trouble + ".";
    for (const QString& notice : started + won)
        EXPECT_EQ(notice, trouble + " The file is left as it is; play goes on, but the wins of this run may not be kept.");
    EXPECT_EQ(cleared.value(1), trouble + " The totals stay as they were.");
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsFolder, ::testing::ValuesIn(SettingsCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
