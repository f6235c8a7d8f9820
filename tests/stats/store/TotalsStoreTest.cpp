// The totals in the settings file: where it lives, what each state of it reads as, and changes that fail.
#include "StatsTestSupport.h"

#include "TotalsStore.h"

#include <QSettings>

#include <optional>
#include <sys/stat.h>
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

// Wins kept beside the file wait as files of their own; a save that was killed while it added them leaves
// them named after the file it was about to put in place. Those it put in place are in the file already;
// the others still wait. Each is counted once, and the next save adds what waits and clears them all away.
TEST_F(ProfileStore, WinsKeptBesideTheFileAreCountedOnceWhateverASaveLeftOfThem)
{
    SeedTotals(5, 7);
    const QString folder = ConfigFolder() + "/Brindlemoor/";
    const auto keep = [&folder](const QString& name, const QByteArray& wins) {
        QFile batch(folder + name);
        ASSERT_TRUE(batch.open(QIODevice::WriteOnly));
        batch.write(wins);
    };
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(SettingsFile()).constData(), &status), 0);
    const qulonglong inode = status.st_ino;
    ASSERT_NO_FATAL_FAILURE(keep(QStringLiteral(".stats_tests.conf.added-%1-AAAAAA").arg(inode), "1 4\n"));
    ASSERT_NO_FATAL_FAILURE(keep(QStringLiteral(".stats_tests.conf.added-%1-BBBBBB").arg(inode + 1), "1 2\n"));
    ASSERT_NO_FATAL_FAILURE(keep(".stats_tests.conf.win-CCCCCC", "2 1\n"));
    ASSERT_NO_FATAL_FAILURE(keep(".stats_tests.conf.win-DDDDDD", "not a batch"));
    TotalsStore store(SettingsFile());

    const TotalsOutcome read = store.Read();
    EXPECT_EQ(read.totals, (Totals{8, 10}));
    EXPECT_EQ(read.waiting, (Totals{3, 3}));
    EXPECT_EQ(store.Add({1, 1}).totals, (Totals{9, 11}));
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=9\nTotalScore=11\n");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{".stats_tests.conf.lock", ".stats_tests.conf.win-DDDDDD", "stats_tests.conf"}))
        << "what is no batch of the program's is left alone";
}

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
