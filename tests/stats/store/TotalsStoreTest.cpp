// The totals in the settings file: where it lives, what each state of it reads as, and changes that fail.
#include "StatsTestSupport.h"

#include "StoreLock.h"
#include "TotalsKeeper.h"
#include "TotalsStore.h"

#include <QSettings>

#include <optional>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// A stored file, what the game reads from it, and what a win of score 3 leaves in it.
struct StoredCase {
    const char* name;
    std::optional<std::string_view> contents; // none: no file
    std::optional<Totals> read;               // none: the totals cannot be read
    std::optional<std::string_view> afterWin; // none: the file is left byte for byte
};

const StoredCase StoredCases[] = {
    {"NoFile", std::nullopt, Totals{0, 0}, "[Stats]\nTotalGames=1\nTotalScore=3\n"sv},
    {"EmptyFile", ""sv, Totals{0, 0}, "[Stats]\nTotalGames=1\nTotalScore=3\n"sv},
    {"AsTheProgramWritesIt", "[Stats]\nTotalGames=5\nTotalScore=7\n"sv, Totals{5, 7},
     "[Stats]\nTotalGames=6\nTotalScore=10\n"sv},
    {"TruncatedHeaderElsewhere", "[Stats]\nTotalGames=5\nTotalScore=7\n[Sta"sv, Totals{5, 7},
     "[Stats]\nTotalGames=6\nTotalScore=10\n[Sta"sv},
    {"OtherSectionsKept", "[General]\nsize=2\n\n[Stats]\nTotalGames=5\nTotalScore=7\n"sv, Totals{5, 7},
     "[General]\nsize=2\n\n[Stats]\nTotalGames=6\nTotalScore=10\n"sv},
    {"NoStatsSection", "TotalGames=5\nTotalScore=7\n"sv, Totals{0, 0},
     "TotalGames=5\nTotalScore=7\n\n[Stats]\nTotalGames=1\nTotalScore=3\n"sv},
    {"OneValueMissing", "[Stats]\nTotalScore=7\n"sv, Totals{0, 7}, "[Stats]\nTotalGames=1\nTotalScore=10\n"sv},
    {"LargestStaysLargest", "[Stats]\nTotalGames=2147483647\nTotalScore=2147483646\n"sv, Totals{INT_MAX, INT_MAX - 1},
     "[Stats]\nTotalGames=2147483647\nTotalScore=2147483647\n"sv},
    {"Words", "[Stats]\nTotalGames=abc\nTotalScore=7\n"sv, std::nullopt, std::nullopt},
    {"Negative", "[Stats]\nTotalGames=-1\nTotalScore=-2147483648\n"sv, std::nullopt, std::nullopt},
    {"BeyondThirtyTwoBits", "[Stats]\nTotalGames=2147483648\nTotalScore=4294967296\n"sv, std::nullopt, std::nullopt},
    {"NotText", "\xff\xfe\x00\x01[Stats\n\x80\x81=\n"sv, std::nullopt, std::nullopt},
};

class TotalsFile : public StatsFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(TotalsFile, ReadInOneGoAndAddedToOrLeftAlone)
{
    const StoredCase& c = GetParam();
    if (c.contents)
        WriteSettings(QByteArray(c.contents->data(), static_cast<qsizetype>(c.contents->size())));
    const QByteArray before = ReadSettings();
    TotalsStore store(SettingsFile());

    const TotalsOutcome read = store.Read();
    const TotalsOutcome won = store.Add({1, 3});

    EXPECT_EQ(read.kind, c.read ? TotalsOutcome::Kept : TotalsOutcome::Failed);
    EXPECT_EQ(won.kind, c.afterWin ? TotalsOutcome::Kept : TotalsOutcome::Failed);
    if (c.read) {
        EXPECT_EQ(read.totals, *c.read);
    } else {
        EXPECT_TRUE(read.failure.startsWith("Cannot read the totals in " + SettingsFile() + ": ")) << read.failure.toStdString();
    }
    const QByteArray after = c.afterWin ? QByteArray(c.afterWin->data(), static_cast<qsizetype>(c.afterWin->size())) : before;
    EXPECT_EQ(ReadSettings(), after);
    if (c.afterWin) {
        EXPECT_EQ(won.totals, ReadTotals(after).totals) << "the outcome is what the file holds";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, TotalsFile, ::testing::ValuesIn(StoredCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ProfileStore = StatsFixture;

TEST_F(ProfileStore, LivesInTheUsersConfigurationFolderUnderKeyAndApplicationName)
{
    TotalsStore store = TotalsStore::ForUser("Brindlemoor", app.AppName());
    EXPECT_EQ(store.FilePath(), QDir(ConfigFolder()).filePath("Brindlemoor/stats_tests.conf"));
    ASSERT_EQ(store.Add({12, 345}).kind, TotalsOutcome::Kept);

    // The settings store of the toolkit reads the file as its own.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Brindlemoor", app.AppName());
    EXPECT_EQ(settings.value("Stats/TotalGames").toInt(), 12);
    EXPECT_EQ(settings.value("Stats/TotalScore").toInt(), 345);
    EXPECT_EQ(settings.fileName(), store.FilePath());
}

TEST_F(ProfileStore, FilesOtherThanItsOwnAreNeverRead)
{
    ASSERT_TRUE(QDir().mkpath(ConfigFolder()));
    QFile organisationWide(ConfigFolder() + "/Brindlemoor.conf");
    ASSERT_TRUE(organisationWide.open(QIODevice::WriteOnly));
    organisationWide.write("[Stats]\nTotalGames=40\nTotalScore=80\n");
    organisationWide.close();

    TotalsStore store = TotalsStore::ForUser("Brindlemoor", app.AppName());
    EXPECT_EQ(store.Read().totals, (Totals{0, 0}));
    EXPECT_EQ(store.Add({1, 2}).totals, (Totals{1, 2}));
}

// Sets environment variables for as long as it lives; a null value unsets one.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (const auto& [name, value] : values) {
            saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            if (value)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }
    ~Environment()
    {
        for (const Saved& s : saved)
            s.wasSet ? qputenv(s.name, s.value) : qunsetenv(s.name);
    }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Saved> saved;
};

struct FolderCase {
    const char* name;
    const char* configHome;
    const char* home;
    const char* file; // null: no folder, every operation fails
};

const FolderCase FolderCases[] = {
    {"ConfigHome", "/c", "/h", "/c/Brindlemoor/corvane.conf"},
    {"RelativeConfigHomeIgnored", "c", "/h", "/h/.config/Brindlemoor/corvane.conf"},
    {"HomeAlone", nullptr, "/h", "/h/.config/Brindlemoor/corvane.conf"},
    {"NeitherSet", nullptr, nullptr, nullptr},
    {"HomeEmpty", "", "", nullptr},
    {"HomeRelative", nullptr, "h", nullptr},
};

class UserFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(UserFolder, FromTheEnvironmentOrAFailureThatSaysSo)
{
    const FolderCase& c = GetParam();
    const Environment environment{{"XDG_CONFIG_HOME", c.configHome}, {"HOME", c.home}};
    TotalsStore store = TotalsStore::ForUser("Brindlemoor", "corvane");
    if (c.file) {
        EXPECT_EQ(store.FilePath(), c.file);
        return;
    }
    for (const TotalsOutcome& outcome : {store.Read(), store.Add({1, 1}), store.Clear()}) {
        EXPECT_EQ(outcome.kind, TotalsOutcome::Failed);
        EXPECT_EQ(outcome.failure, "Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.");
    }
}

INSTANTIATE_TEST_SUITE_P(Environments, UserFolder, ::testing::ValuesIn(FolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileStore, AFolderWhereTheFileShouldBeIsNeitherReadNorReplaced)
{
    ASSERT_TRUE(QDir().mkpath(SettingsFile()));
    TotalsStore store(SettingsFile());

    EXPECT_EQ(store.Read().failure, "Cannot read the totals in " + SettingsFile() + ": it is a folder.");
    EXPECT_EQ(store.Add({1, 1}).kind, TotalsOutcome::Failed);
    EXPECT_EQ(store.Clear().kind, TotalsOutcome::Failed);
    EXPECT_TRUE(QFileInfo(SettingsFile()).isDir());
}

TEST_F(ProfileStore, AKeyFolderThatCannotBeMadeFailsTheSaveAndSaysWhy)
{
    ASSERT_TRUE(QDir().mkpath(ConfigFolder()));
    QFile blocker(ConfigFolder() + "/Brindlemoor");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TotalsStore store(SettingsFile());

    EXPECT_EQ(store.Read().totals, (Totals{0, 0})) << "no file can be there";
    const TotalsOutcome won = store.Add({1, 1});
    EXPECT_EQ(won.kind, TotalsOutcome::Failed);
    EXPECT_EQ(won.failure, "Cannot save the totals in " + SettingsFile() + ": the folder " + ConfigFolder() +
                               "/Brindlemoor cannot be made.");
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile());
}

TEST_F(ProfileStore, ClearingWritesZerosOverDamagedTotalsAndKeepsTheRest)
{
    WriteSettings("[General]\nsize=2\n\n[Stats]\nTotalGames=abc\nTotalScore=7\n");
    TotalsStore store(SettingsFile());

    EXPECT_EQ(store.Clear().totals, (Totals{0, 0}));
    EXPECT_EQ(ReadSettings(), "[General]\nsize=2\n\n[Stats]\nTotalGames=0\nTotalScore=0\n");
}

TEST_F(ProfileStore, AFailedSaveLeavesTheStoredTotalsWholeAndSaysSo)
{
    SeedTotals(5, 7);
    const QByteArray before = ReadSettings();
    TotalsStore store(SettingsFile());

    TotalsOutcome won;
    {
        const FullDisk full;
        won = store.Add({1, 2});
    }

    EXPECT_EQ(won.kind, TotalsOutcome::Failed);
    EXPECT_TRUE(won.failure.startsWith("Cannot save the totals in " + SettingsFile() + ": ")) << won.failure.toStdString();
    EXPECT_EQ(ReadSettings(), before);
    EXPECT_EQ(QDir(ConfigFolder() + "/Brindlemoor").entryList(QDir::Files), QStringList{"stats_tests.conf"})
        << "no half-written file is left behind";
    EXPECT_EQ(store.Add({1, 2}).totals, (Totals{6, 9})) << "with room again";
}

// Puts a file of the given text beside the settings file, as a copy of the game or another program left it.
void Beside(const QString& name, const QByteArray& text)
{
    QFile file(ConfigFolder() + "/Brindlemoor/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Puts the settings file's text in its place by a new file, as an editor, sed -i or a backup's restore does.
void ReplaceByAnotherProgram(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    QFile copy(path + ".edited");
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(text);
    copy.close();
    ASSERT_EQ(::rename(QFile::encodeName(copy.fileName()).constData(), QFile::encodeName(path).constData()), 0);
}

// Wins kept beside the file wait as files of their own, and a save that was killed while it added them
// leaves them named after its replacement of the file. One whose replacement still stands beside the file
// never took the file's place and still waits; one whose replacement is gone is in the file. Each is
// counted once by its name alone, whatever replaced the file since, and the next save adds what waits and
// clears the rest away; a file of those names that holds no win is set aside and said.
TEST_F(ProfileStore, EachWaitingWinIsCountedOnceByItsNameWhateverReplacedTheFile)
{
    SeedTotals(5, 7);
    ASSERT_NO_FATAL_FAILURE(Beside(".stats_tests.conf.win-AAAAAA", "1 4\n"));
    ASSERT_NO_FATAL_FAILURE(Beside(".stats_tests.conf.win-BBBBBB.in-Xy12Zw", "1 2\n"));
    ASSERT_NO_FATAL_FAILURE(Beside(".stats_tests.conf.new-Xy12Zw", "[Stats]\nTotalGames=6\nTotalScore=9\n"));
    ASSERT_NO_FATAL_FAILURE(Beside(".stats_tests.conf.win-CCCCCC.in-Gone12", "2 1\n"));
    ASSERT_NO_FATAL_FAILURE(Beside(".stats_tests.conf.win-DDDDDD", "not a batch"));
    ASSERT_NO_FATAL_FAILURE(Beside(".stats_tests.conf.win-later", "1 1\n"));
    ASSERT_NO_FATAL_FAILURE(ReplaceByAnotherProgram(SettingsFile()));
    TotalsStore store(SettingsFile());
    const QString damaged = "Cannot count the win kept in " + ConfigFolder() + "/Brindlemoor/.stats_tests.conf.win-DDDDDD: it holds no win.";

    const TotalsOutcome read = store.Read();
    EXPECT_EQ(read.totals, (Totals{7, 13}));
    EXPECT_EQ(read.waiting, (Totals{2, 6}));
    EXPECT_EQ(read.remarks, QStringList{damaged});
    const TotalsOutcome won = store.Add({1, 1});
    EXPECT_EQ(won.totals, (Totals{8, 14}));
    EXPECT_EQ(won.remarks, QStringList{damaged});
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=8\nTotalScore=14\n");
    EXPECT_EQ(QDir(ConfigFolder() + "/Brindlemoor").entryList(QDir::Files | QDir::Hidden),
              (QStringList{".stats_tests.conf.lock", ".stats_tests.conf.win-DDDDDD.damaged", ".stats_tests.conf.win-later",
                           "stats_tests.conf"}))
        << "what holds no win is set aside, and what is no name of the program's is left alone";
    EXPECT_EQ(store.Read().totals, (Totals{8, 14}));
}

// Sets a file's time back by seconds, as if it had been left that long ago.
void AgeFile(const QString& path, int seconds)
{
    timeval then[2] = {};
    ::gettimeofday(&then[0], nullptr);
    then[0].tv_sec -= seconds;
    then[1] = then[0];
    ASSERT_EQ(::lutimes(QFile::encodeName(path).constData(), then), 0);
}

// What copies killed in the middle of a save left is cleared by a later save once no save can still be
// writing it: a replacement of the file by the holder of the lock, whatever its age, as only a holder
// writes one; a win being written and a token set aside only once older than any save lasts, with or
// without the lock.
TEST_F(ProfileStore, LeftoversOfKilledSavesAreClearedOnceNoSaveCanStillBeWritingThem)
{
    SeedTotals(5, 7);
    const QString folder = ConfigFolder() + "/Brindlemoor/";
    const QString prefix = ".stats_tests.conf.";
    for (const char* name : {"win-Young1.new", "win-Old123.new", "merging-Old456", "new-Young2", "new-Old789"})
        ASSERT_NO_FATAL_FAILURE(Beside(prefix + name, "1 1\n"));
    for (const char* name : {"win-Old123.new", "merging-Old456", "new-Old789"})
        ASSERT_NO_FATAL_FAILURE(AgeFile(folder + prefix + name, 2 * StoreLock::LongestSaveSeconds));
    const auto left = [&] {
        return QDir(folder).entryList({prefix + "new-*", prefix + "merging-*", prefix + "win-*.new"}, QDir::Files | QDir::Hidden);
    };
    TotalsStore store(SettingsFile());

    {
        const int held = ::open(QFile::encodeName(folder + prefix + "lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
        EXPECT_EQ(store.Add({1, 1}).kind, TotalsOutcome::Deferred);
        ::close(held);
    }
    EXPECT_EQ(left(), (QStringList{prefix + "new-Young2", prefix + "win-Young1.new"})) << "without the lock, only what is old";
    EXPECT_EQ(store.Add({1, 1}).totals, (Totals{7, 9}));
    EXPECT_EQ(left(), QStringList{prefix + "win-Young1.new"}) << "with it, every replacement as well";
}

// Files of the names the program keeps wins under that it cannot count: told by name, never counted, and
// kept; one that is a file holding no win is set aside where the player sees it.
struct OddWinCase {
    const char* name;
    void (*make)(const QByteArray& path);
    const char* why;      // how the remark ends
    const char* keptAs;   // its name below the folder afterwards
};

void WriteBytes(const QByteArray& path, const QByteArray& bytes)
{
    QFile file(QFile::decodeName(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const OddWinCase OddWinCases[] = {
    {"Empty", [](const QByteArray& path) { WriteBytes(path, ""); }, "it holds no win", ".stats_tests.conf.win-Odd123.damaged"},
    {"Words", [](const QByteArray& path) { WriteBytes(path, "three wins\n"); }, "it holds no win", ".stats_tests.conf.win-Odd123.damaged"},
    {"Huge", [](const QByteArray& path) { WriteBytes(path, "1 " + QByteArray(5000, '1') + '\n'); }, "it holds no win",
     ".stats_tests.conf.win-Odd123.damaged"},
    {"Negative", [](const QByteArray& path) { WriteBytes(path, "-1 3\n"); }, "it holds no win", ".stats_tests.conf.win-Odd123.damaged"},
    {"Link",
     [](const QByteArray& path) {
         WriteBytes(path + ".target", "1 1\n");
         ASSERT_EQ(::symlink((path + ".target").constData(), path.constData()), 0);
     },
     "it is a link, not a file", ".stats_tests.conf.win-Odd123"},
    {"Pipe", [](const QByteArray& path) { ASSERT_EQ(::mkfifo(path.constData(), 0644), 0); }, "it is a pipe, not a file",
     ".stats_tests.conf.win-Odd123"},
    {"Folder", [](const QByteArray& path) { ASSERT_EQ(::mkdir(path.constData(), 0755), 0); }, "it is a folder",
     ".stats_tests.conf.win-Odd123"},
};

class OddWin : public StatsFixture, public ::testing::WithParamInterface<OddWinCase> {};

TEST_P(OddWin, IsToldOnceNeverCountedAndKept)
{
    const OddWinCase& c = GetParam();
    SeedTotals(5, 7);
    const QString folder = ConfigFolder() + "/Brindlemoor/";
    ASSERT_NO_FATAL_FAILURE(c.make(QFile::encodeName(folder + ".stats_tests.conf.win-Odd123")));
    const QString remark = "Cannot count the win kept in " + folder + ".stats_tests.conf.win-Odd123: " + c.why + ".";
    TotalsKeeper keeper{TotalsStore(SettingsFile())};

    const TotalsNews loaded = keeper.Load();
    const TotalsNews won = keeper.Win(1);
    const TotalsNews again = keeper.Win(2);

    EXPECT_EQ(loaded.shown, (Totals{5, 7}));
    EXPECT_EQ(loaded.notice, remark);
    EXPECT_EQ(won.notice, "") << "told once a run";
    EXPECT_EQ(again.shown, (Totals{7, 10}));
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=7\nTotalScore=10\n");
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System).contains(c.keptAs));
    EXPECT_EQ(TotalsStore(SettingsFile()).Read().remarks.size(), QString(c.keptAs).endsWith(".damaged") ? 0 : 1)
        << "a file set aside is no longer taken for a win";
}

INSTANTIATE_TEST_SUITE_P(Files, OddWin, ::testing::ValuesIn(OddWinCases), [](const auto& info) { return std::string(info.param.name); });

// The file replaced keeps its mode, and, where the process may give files away (the superuser's copy run
// over the player's settings), its owner and group; the files a save makes belong to the folder's owner.
TEST_F(ProfileStore, AReplacedFileKeepsItsOwnerAndModeAndNewFilesGoToTheFoldersOwner)
{
    constexpr uid_t Nobody = 65534;
    const bool mayGiveAway = ::geteuid() == 0;
    SeedTotals(5, 7);
    const QByteArray file = QFile::encodeName(SettingsFile());
    const QByteArray folder = QFile::encodeName(ConfigFolder() + "/Brindlemoor");
    ASSERT_EQ(::chmod(file.constData(), 0640), 0);
    if (mayGiveAway) {
        ASSERT_EQ(::chown(file.constData(), Nobody, Nobody), 0);
        ASSERT_EQ(::chown(folder.constData(), Nobody, Nobody), 0);
    }
    struct stat before {};
    ASSERT_EQ(::stat(file.constData(), &before), 0);

    ASSERT_EQ(TotalsStore(SettingsFile()).Add({1, 1}).kind, TotalsOutcome::Kept);

    struct stat after {};
    ASSERT_EQ(::stat(file.constData(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not written over";
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    struct stat lock {};
    ASSERT_EQ(::stat((folder + "/.stats_tests.conf.lock").constData(), &lock), 0);
    EXPECT_EQ(lock.st_uid, mayGiveAway ? Nobody : ::geteuid()) << "the lock file is the folder owner's";
}

TEST_F(ProfileStore, WithoutAKeyNothingIsReadOrWritten)
{
    SeedTotals(5, 7);
    const QByteArray before = ReadSettings();
    TotalsStore keyless = TotalsStore::ForUser("", app.AppName());

    for (const TotalsOutcome& outcome : {keyless.Read(), keyless.Add({1, 1}), keyless.Clear()})
        EXPECT_EQ(outcome.kind, TotalsOutcome::NotStored);
    EXPECT_EQ(ReadSettings(), before);
}

} // namespace
