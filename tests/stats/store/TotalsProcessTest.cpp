// Copies of the game's totals keeping, each a process of its own: running at once, killed at any moment,
// or denied the file by the system; every win a copy reports is in the file, and the pair always agrees.
#include "StoreLock.h"
#include "TotalsStore.h"

#include <QDeadlineTimer>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <grp.h>
#include <iterator>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <memory>
#include <optional>
#include <random>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int Budget = 30000;
constexpr uid_t Nobody = 65534;
// What the driver ends with when it cannot stop at a step of a save on this processor.
constexpr int CannotStopAtSteps = 5;

// In a copy about to start: runs it as nobody, or ends it with 3.
void BecomeNobody()
{
    if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
        ::_exit(3);
}

// In a copy about to start: every flock call fails as it does on a network file system without locks.
void TakeAwayLocks()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_flock, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (ENOLCK & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
        ::_exit(4);
}

// The driver as the copies start it, and whether they run as nobody. Permissions mean nothing to the
// superuser, so its copies run as nobody, in folders given to nobody; nobody may not be able to reach the
// build's own driver (a checkout in a folder that only its owner may enter), and then starts a copy of it
// in a folder that anyone may enter. Where even that cannot be started, the copies run as the superuser.
struct Driver {
    QString path;
    bool asNobody;
};

bool NobodyCanStart(const QString& driver)
{
    QProcess probe;
    probe.setChildProcessModifier(BecomeNobody);
    probe.start(driver, {});
    // Without arguments the driver only says how it is called.
    return probe.waitForFinished(Budget) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 2;
}

const Driver& TheDriver()
{
    static QTemporaryDir reachable;
    static const Driver driver = [] {
        if (::geteuid() != 0)
            return Driver{TOTALS_DRIVER, false};
        if (NobodyCanStart(TOTALS_DRIVER))
            return Driver{TOTALS_DRIVER, true};
        const QString copied = reachable.filePath("totals_driver");
        const QFile::Permissions anyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        if (reachable.isValid() && QFile::setPermissions(reachable.path(), anyone) && QFile::copy(TOTALS_DRIVER, copied) &&
            QFile::setPermissions(copied, anyone) && NobodyCanStart(copied))
            return Driver{copied, true};
        return Driver{TOTALS_DRIVER, false};
    }();
    return driver;
}

// Tests of what the system denies need copies that it denies something.
bool PermissionsHold() { return ::geteuid() != 0 || TheDriver().asNobody; }

// A running copy, with what it has reported so far.
class Copy {
public:
    enum Locks { WithLocks, WithoutLocks };

    // mask: the copy's umask, when not the test's own.
    explicit Copy(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                  Locks locks = WithLocks, std::optional<mode_t> mask = std::nullopt)
    {
        process.setProcessEnvironment(environment);
        const bool asNobody = TheDriver().asNobody;
        process.setChildProcessModifier([asNobody, locks, mask] {
            if (asNobody)
                BecomeNobody();
            if (locks == WithoutLocks)
                TakeAwayLocks();
            if (mask)
                ::umask(*mask);
        });
        process.start(TheDriver().path, arguments);
    }

    // The lines reported by the time the copy has ended.
    QList<QByteArray> Finish()
    {
        EXPECT_TRUE(process.waitForFinished(Budget));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return Lines();
    }

    // Every line reported so far.
    QList<QByteArray> Lines()
    {
        received += process.readAllStandardOutput();
        QList<QByteArray> lines = received.split('\n');
        lines.removeLast();
        return lines;
    }

    // What the copy has said on its standard error.
    QByteArray Errors() { return process.readAllStandardError(); }

    // Waits until at least count lines are reported, for at most milliseconds.
    bool WaitForLines(qsizetype count, int milliseconds = Budget)
    {
        QDeadlineTimer deadline(milliseconds);
        while (Lines().size() < count)
            if (deadline.hasExpired() || (!process.waitForReadyRead(100) && process.state() == QProcess::NotRunning))
                return Lines().size() >= count;
        return true;
    }

    void Kill()
    {
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        EXPECT_TRUE(process.waitForFinished(Budget));
    }

    QProcess process;

private:
    QByteArray received;
};

// Whether process pid holds the lock on the file with this inode, as the kernel lists the locks held:
// "1: FLOCK  ADVISORY  WRITE 4242 fe:01:1234 0 EOF"; a request still waiting has "->" after its number.
bool HoldsLock(qint64 pid, ino_t inode)
{
    QFile locks("/proc/locks");
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[4].toLongLong() == pid &&
            fields[5].endsWith(':' + QByteArray::number(static_cast<qulonglong>(inode))))
            return true;
    }
    return false;
}

// Whether the process has come to a stop: its state in /proc, after its name in brackets, is T.
bool IsStopped(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = status.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) == "T";
}

ino_t InodeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

// Wins counted by each reported line; a line that is not "kept ..." is a failure, and so is a line that
// is not "deferred ..." either where the wins may wait beside the file.
enum class Waits { Never, Allowed };
int KeptLines(const QList<QByteArray>& lines, Waits waits = Waits::Never)
{
    int kept = 0;
    for (const QByteArray& line : lines) {
        const bool counted = line.startsWith("kept ") || (waits == Waits::Allowed && line.startsWith("deferred "));
        EXPECT_TRUE(counted) << line.toStdString();
        kept += counted;
    }
    return kept;
}

// Sets the time of every file in folder back by seconds, as if they had been left that long ago.
void Age(const QString& folder, int seconds)
{
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        timeval then[2] = {};
        ::gettimeofday(&then[0], nullptr);
        then[0].tv_sec -= seconds;
        then[1] = then[0];
        ::lutimes(QFile::encodeName(folder + '/' + name).constData(), then);
    }
}

class CopiesAtOnce : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        if (TheDriver().asNobody) {
            ASSERT_EQ(::chown(QFile::encodeName(folder.path()).constData(), Nobody, Nobody), 0);
        }
    }

    QByteArray FileText() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    // What a copy of the program reads: under the same lock as every change.
    Totals FileTotals() const
    {
        const TotalsOutcome stored = TotalsStore(path).Read();
        EXPECT_EQ(stored.kind, TotalsOutcome::Kept) << stored.failure.toStdString();
        return stored.totals;
    }

    // A file the copies may replace.
    void Seed(const QByteArray& contents) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        if (TheDriver().asNobody) {
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), Nobody, Nobody), 0);
        }
    }

    // Puts the file, holding contents, into a folder of its own, and gives both the modes.
    void SeedInFolder(const QByteArray& contents, mode_t fileMode, mode_t folderMode)
    {
        inner = folder.filePath("Brindlemoor");
        ASSERT_TRUE(QDir().mkpath(inner));
        path = inner + "/corvane.conf";
        ASSERT_NO_FATAL_FAILURE(Seed(contents));
        if (TheDriver().asNobody) {
            ASSERT_EQ(::chown(QFile::encodeName(inner).constData(), Nobody, Nobody), 0);
        }
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), fileMode), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(inner).constData(), folderMode), 0);
    }

    // Opens the folder and the file again for the test's own look at them.
    void OpenFolder() const
    {
        ::chmod(QFile::encodeName(inner).constData(), 0755);
        ::chmod(QFile::encodeName(path).constData(), 0644);
    }

    // mode: "" wins straight on, "hold" waits after the wins, "step" waits for a line before each win.
    std::unique_ptr<Copy> Wins(int count, int score, const QString& mode = {}) const
    {
        QStringList arguments{path, "wins", QString::number(count), QString::number(score)};
        if (!mode.isEmpty())
            arguments << mode;
        return std::make_unique<Copy>(arguments);
    }

    void KillRounds(int rounds, Waits waits);

    // Stops the copy, which wins when told, in the middle of a save, holding the lock: stopped the moment it
    // is seen holding it; should it let go just before the stop, it goes on and is caught at a later save.
    // Returns whether it was caught.
    bool StopInsideASave(Copy& copy, int wins)
    {
        copy.process.write(QByteArray(wins, '\n'));
        if (!copy.WaitForLines(1))
            return false;
        // Its first save has made the lock file.
        const ino_t lockFile = InodeOf(folder.filePath(".corvane.conf.lock"));
        const qint64 pid = copy.process.processId();
        const QDeadlineTimer deadline(Budget);
        while (!deadline.hasExpired() && copy.process.state() == QProcess::Running) {
            if (!HoldsLock(pid, lockFile)) {
                QThread::yieldCurrentThread();
                continue;
            }
            ::kill(static_cast<pid_t>(pid), SIGSTOP);
            while (!IsStopped(pid) && !deadline.hasExpired())
                QThread::yieldCurrentThread();
            if (HoldsLock(pid, lockFile))
                return true;
            ::kill(static_cast<pid_t>(pid), SIGCONT);
        }
        return false;
    }

    QTemporaryDir folder;
    QString path = folder.filePath("corvane.conf");
    QString inner;
};

TEST_F(CopiesAtOnce, TwoCopiesWinningInTurnAndTogetherKeepEveryWin)
{
    for (int turn = 0; turn < 3; ++turn) {
        EXPECT_EQ(KeptLines(Wins(4, 1)->Finish()), 4);
        EXPECT_EQ(KeptLines(Wins(4, 2)->Finish()), 4);
    }
    const auto first = Wins(100, 1);
    const auto second = Wins(100, 2);
    EXPECT_EQ(KeptLines(first->Finish()), 100);
    EXPECT_EQ(KeptLines(second->Finish()), 100);

    EXPECT_EQ(FileTotals(), (Totals{224, 12 + 24 + 100 + 200}));
}

TEST_F(CopiesAtOnce, HundredsOfInterleavedWinsFromSeveralCopiesEndWithTheExactSum)
{
    constexpr int CopyCount = 4;
    constexpr int WinsEach = 150;
    std::array<std::unique_ptr<Copy>, CopyCount> copies;
    for (int i = 0; i < CopyCount; ++i)
        copies[i] = Wins(WinsEach, i + 1);
    int reported = 0;
    for (auto& copy : copies)
        reported += KeptLines(copy->Finish());

    EXPECT_EQ(reported, CopyCount * WinsEach);
    EXPECT_EQ(FileTotals(), (Totals{CopyCount * WinsEach, WinsEach * (1 + 2 + 3 + 4)}));
    std::printf("[ figure   ] %d wins from %d copies at once, %d in the file\n", reported, CopyCount, FileTotals().games);
}

TEST_F(CopiesAtOnce, AWinIsInTheFileTheMomentItIsReported)
{
    ASSERT_NO_FATAL_FAILURE(Seed("[Stats]\nTotalGames=5\nTotalScore=7\n"));
    const auto copy = Wins(1, 4, "hold");
    ASSERT_TRUE(copy->WaitForLines(1));

    copy->Kill();

    EXPECT_EQ(copy->Lines(), QList<QByteArray>{"kept 6 11"});
    EXPECT_EQ(FileTotals(), (Totals{6, 11}));
}

// Rounds of three copies winning at once, each killed at a seeded random moment. Each copy's wins carry a
// score of its own power of Base, so the file's total score tells how many wins of each copy it holds, and
// the games must be their sum. A copy killed between its save and its report has one win more in the file
// than it said. Then one more win clears what the killed copies left, once it is old enough to be told
// from a save still running.
void CopiesAtOnce::KillRounds(int rounds, Waits waits)
{
    constexpr int CopyCount = 3;
    constexpr int Base = 256;
    constexpr std::array<int, CopyCount> Scores = {1, Base, Base * Base};
    std::mt19937 random(20240611);
    int kills = 0;
    int reportedWins = 0;
    for (int round = 0; round < rounds; ++round) {
        const Totals before = FileTotals();
        std::array<std::unique_ptr<Copy>, CopyCount> copies;
        for (int i = 0; i < CopyCount; ++i)
            copies[i] = Wins(Base - 1, Scores[i]);
        std::array<int, CopyCount> order = {0, 1, 2};
        std::shuffle(order.begin(), order.end(), random);
        for (int i : order) {
            QThread::msleep(std::uniform_int_distribution<int>(0, 120)(random));
            copies[i]->Kill();
            ++kills;
            const Totals now = FileTotals();
            const int added = now.score - before.score;
            EXPECT_EQ(now.games - before.games, added % Base + added / Base % Base + added / (Base * Base))
                << "round " << round << ": the pair disagrees in\n" << FileText().toStdString();
        }
        const int added = FileTotals().score - before.score;
        const std::array<int, CopyCount> kept = {added % Base, added / Base % Base, added / (Base * Base)};
        for (int i = 0; i < CopyCount; ++i) {
            const int reported = KeptLines(copies[i]->Lines(), waits);
            reportedWins += reported;
            EXPECT_GE(kept[i], reported) << "round " << round << ", copy " << i << " lost wins";
            EXPECT_LE(kept[i], reported + 1) << "round " << round << ", copy " << i;
        }
    }
    const Totals total = FileTotals();
    std::printf("[ figure   ] %d wins reported by %d copies (%d at a time), %d kills, %d wins in the file, %d lost\n",
                reportedWins, rounds * CopyCount, CopyCount, kills, total.games, std::max(0, reportedWins - total.games));
    EXPECT_GT(reportedWins, 0) << "the kills came before any win";
    if (waits == Waits::Allowed)
        Age(folder.path(), 2 * StoreLock::LongestSaveSeconds);
    EXPECT_EQ(KeptLines(Wins(1, 0)->Finish()), 1);
    EXPECT_EQ(ReadTotals(FileText()).totals, (Totals{total.games + 1, total.score})) << "the file itself holds every win";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{".corvane.conf.lock", "corvane.conf"}))
        << "no leftovers of a killed save: only the file and the lock file that every copy locks";
}

TEST_F(CopiesAtOnce, KillsAtRandomMomentsLoseNoWinAndLeaveAConsistentPair) { KillRounds(12, Waits::Never); }

// Where the lock file's name is taken by a folder, the copies take turns through a token beside the file:
// killed at random, they lose no win and, once what they left is old enough, leave nothing behind.
TEST_F(CopiesAtOnce, WithAFolderAtTheLockFilesNameKillsAtRandomLoseNoWinAndLeaveNothingBehind)
{
    ASSERT_TRUE(QDir().mkdir(folder.filePath(".corvane.conf.lock")));
    KillRounds(6, Waits::Allowed);
}

TEST_F(CopiesAtOnce, ClearingWhileAnotherCopyWinsKeepsOnlyTheWinsAfterTheClearing)
{
    // The winner stays running throughout and wins only when told, so the clearing lands between two of
    // its wins however fast or slow the machine is.
    const auto winner = Wins(20, 1, "step");
    winner->process.write(QByteArray(10, '\n'));
    ASSERT_TRUE(winner->WaitForLines(10));
    EXPECT_EQ(Copy({path, "clear"}).Finish(), QList<QByteArray>{"kept 0 0"});
    winner->process.write(QByteArray(10, '\n'));
    winner->process.closeWriteChannel();
    const QList<QByteArray> lines = winner->Finish();
    ASSERT_EQ(KeptLines(lines), 20);

    // The winner's totals rise one by one, fall to one game once, and rise again to what the file holds.
    int falls = 0;
    int afterClearing = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int previous = lines[i - 1].split(' ')[1].toInt();
        const int now = lines[i].split(' ')[1].toInt();
        if (now != previous + 1) {
            EXPECT_EQ(now, 1) << lines[i].toStdString();
            ++falls;
            afterClearing = 0;
        }
        ++afterClearing;
    }
    EXPECT_EQ(falls, 1);
    EXPECT_EQ(FileTotals(), (Totals{afterClearing, afterClearing}));
}

// A copy stopped while it holds the lock (a debugger, a frozen desktop) keeps no other copy from keeping its
// win: the other waits a moment, keeps its win beside the file and ends, and the stopped copy's next save,
// once it goes on, adds the win to the file.
TEST_F(CopiesAtOnce, ACopyStoppedInsideItsSaveCostsAnotherCopyNoWin)
{
    constexpr int GivenFirst = 200;
    constexpr int GivenAfter = 5;
    const auto stopped = Wins(GivenFirst + GivenAfter, 1, "step");
    ASSERT_TRUE(StopInsideASave(*stopped, GivenFirst)) << "the copy never stopped inside a save";
    const qint64 pid = stopped->process.processId();

    const QList<QByteArray> other = Wins(1, 1000)->Finish();
    ::kill(static_cast<pid_t>(pid), SIGCONT);
    stopped->process.write(QByteArray(GivenAfter, '\n'));
    stopped->process.closeWriteChannel();

    EXPECT_EQ(KeptLines(stopped->Finish()), GivenFirst + GivenAfter);
    ASSERT_EQ(other.size(), 1);
    EXPECT_TRUE(other[0].startsWith("deferred ")) << other[0].toStdString();
    EXPECT_EQ(ReadTotals(FileText()).totals, (Totals{GivenFirst + GivenAfter + 1, GivenFirst + GivenAfter + 1000}))
        << "the file itself holds every win";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{".corvane.conf.lock", "corvane.conf"}))
        << "no win waits beside the file any longer";
}

// Where no lock can be had at all (a network file system without a lock manager), a copy still saves
// each win by replacing the file whole, and says why it has no lock.
TEST_F(CopiesAtOnce, ACopyThatCanTakeNoLockStillSavesAndSaysWhy)
{
    ASSERT_NO_FATAL_FAILURE(Seed("[Stats]\nTotalGames=5\nTotalScore=7\n"));
    Copy copy({path, "wins", "2", "3"}, QProcessEnvironment::systemEnvironment(), Copy::WithoutLocks);

    EXPECT_EQ(copy.Finish(), (QList<QByteArray>{"kept 6 10", "kept 7 13"}));
    EXPECT_EQ(FileText(), "[Stats]\nTotalGames=7\nTotalScore=13\n");
    EXPECT_TRUE(copy.Errors().startsWith("Cannot lock the totals in " + QFile::encodeName(path) +
                                         ": the lock cannot be taken: No locks available; they are saved without the lock.\n"));
}

// The system denies the file or its folder: the copy says so, and the file stays byte for byte.
struct DeniedCase {
    const char* name;
    mode_t fileMode;
    mode_t folderMode;
    const char* read;     // the start of the line a read reports
    const char* win;      // the start of the line a win reports
};

const DeniedCase DeniedCases[] = {
    {"ReadOnlyFile", 0444, 0755, "kept 5 7", "failed Cannot save the totals in "},
    {"UnreadableFile", 0200, 0755, "failed Cannot read the totals in ", "failed Cannot read the totals in "},
    {"ClosedFolder", 0644, 0000, "failed Cannot read the totals in ", "failed Cannot save the totals in "},
};

class DeniedStore : public CopiesAtOnce, public ::testing::WithParamInterface<DeniedCase> {};

TEST_P(DeniedStore, SaysSoAndLeavesTheFileAlone)
{
    if (!PermissionsHold())
        GTEST_SKIP() << "the superuser passes every permission, and nobody cannot start the driver";
    const DeniedCase& c = GetParam();
    const QByteArray contents = "[Stats]\nTotalGames=5\nTotalScore=7\n";
    ASSERT_NO_FATAL_FAILURE(SeedInFolder(contents, c.fileMode, c.folderMode));

    const QList<QByteArray> read = Copy({path, "read"}).Finish();
    const QList<QByteArray> won = Wins(1, 3)->Finish();

    OpenFolder();
    ASSERT_EQ(read.size(), 1);
    ASSERT_EQ(won.size(), 1);
    EXPECT_TRUE(read[0].startsWith(c.read)) << read[0].toStdString();
    EXPECT_TRUE(won[0].startsWith(c.win)) << won[0].toStdString();
    EXPECT_TRUE(won[0].contains(QFile::encodeName(path))) << "the line names the file";
    EXPECT_EQ(FileText(), contents);
    EXPECT_EQ(QDir(inner).entryList(QDir::Files), QStringList{"corvane.conf"});
}

INSTANTIATE_TEST_SUITE_P(Modes, DeniedStore, ::testing::ValuesIn(DeniedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A folder whose names may not be listed still lets a copy that may write in it replace the file.
TEST_F(CopiesAtOnce, AFolderThatCanBeWrittenButNotListedStillKeepsWins)
{
    if (!PermissionsHold())
        GTEST_SKIP() << "the superuser passes every permission, and nobody cannot start the driver";
    ASSERT_NO_FATAL_FAILURE(SeedInFolder("[Stats]\nTotalGames=5\nTotalScore=7\n", 0644, 0311));

    const QList<QByteArray> read = Copy({path, "read"}).Finish();
    const QList<QByteArray> won = Wins(1, 3)->Finish();

    OpenFolder();
    EXPECT_EQ(read, QList<QByteArray>{"kept 5 7"});
    EXPECT_EQ(won, QList<QByteArray>{"kept 6 10"});
    EXPECT_EQ(FileText(), "[Stats]\nTotalGames=6\nTotalScore=10\n");
}

TEST_F(CopiesAtOnce, AHomeThatCannotBeWrittenFailsTheSaveAndSaysWhy)
{
    if (!PermissionsHold())
        GTEST_SKIP() << "the superuser passes every permission, and nobody cannot start the driver";
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_CONFIG_HOME");
    environment.insert("HOME", folder.path());

    const QList<QByteArray> read = Copy({"--user", "read"}, environment).Finish();
    const QList<QByteArray> won = Copy({"--user", "wins", "1", "1"}, environment).Finish();

    ::chmod(QFile::encodeName(folder.path()).constData(), 0700);
    EXPECT_EQ(read, QList<QByteArray>{"kept 0 0"}) << "no totals were ever saved";
    ASSERT_EQ(won.size(), 1);
    EXPECT_EQ(won[0], "failed Cannot save the totals in " + QFile::encodeName(folder.path()) +
                          "/.config/Brindlemoor/corvane.conf: the folder " + QFile::encodeName(folder.path()) +
                          "/.config/Brindlemoor cannot be made.");
}

// A save killed just before each of its steps in turn (each sync, rename and removal), after which another
// program replaces the settings file with a file of its own holding the same text, as an editor, sed -i or
// a dotfile sync does; a later save then finds the totals exact. Every win that waited beside the file is
// counted once, and the killed copy's own win is in the file exactly when the file it wrote took the
// settings file's place. Each waiting win here is a game with a score of its own.
struct KillPointCase {
    const char* name;
    // Files beside the settings file before the save: name and text.
    std::vector<std::pair<const char*, QByteArray>> beside;
    Totals waiting;
    // The fewest steps the save takes: the points it is killed at.
    int steps;
};

const KillPointCase KillPointCases[] = {
    {"Save", {}, {}, 3},
    {"MergeOfTwoWaitingWins", {{".corvane.conf.win-AAAAAA", "1 100\n"}, {".corvane.conf.win-BBBBBB", "1 1000\n"}}, {2, 1100}, 9},
    // What a save killed earlier left: a win that its replacement, still beside the file, never carried
    // into it, and one that the replacement, now gone, did.
    {"MergeAfterAKilledMerge",
     {{".corvane.conf.win-AAAAAA", "1 100\n"},
      {".corvane.conf.win-BBBBBB.in-Stands", "1 1000\n"},
      {".corvane.conf.new-Stands", "[Stats]\nTotalGames=7\nTotalScore=1107\n"},
      {".corvane.conf.win-CCCCCC.in-IsGone", "1 10000\n"}},
     {2, 1100},
     12},
};

class KillPoint : public CopiesAtOnce, public ::testing::WithParamInterface<KillPointCase> {
protected:
    void Prepare() const
    {
        ASSERT_NO_FATAL_FAILURE(Seed("[Stats]\nTotalGames=5\nTotalScore=7\n"));
        for (const auto& [name, text] : GetParam().beside) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(text);
            file.close();
            if (TheDriver().asNobody) {
                ASSERT_EQ(::chown(QFile::encodeName(file.fileName()).constData(), Nobody, Nobody), 0);
            }
        }
    }

    // Puts a new file with the same text in the settings file's place.
    void ReplaceByAnotherProgram() const
    {
        const QString edited = path + ".edited";
        QFile file(edited);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(FileText());
        file.close();
        if (TheDriver().asNobody) {
            ASSERT_EQ(::chown(QFile::encodeName(edited).constData(), Nobody, Nobody), 0);
        }
        ASSERT_EQ(::rename(QFile::encodeName(edited).constData(), QFile::encodeName(path).constData()), 0);
    }
};

TEST_P(KillPoint, LosesNoWinAndCountsNoneTwiceWhateverReplacesTheFileAfterwards)
{
    const KillPointCase& c = GetParam();
    const Totals seed{5, 7};
    const Totals own{1, 10};
    int step = 1;
    for (;; ++step) {
        SCOPED_TRACE("killed before step " + std::to_string(step));
        QDir(folder.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(folder.path()));
        if (TheDriver().asNobody) {
            ASSERT_EQ(::chown(QFile::encodeName(folder.path()).constData(), Nobody, Nobody), 0);
        }
        ASSERT_NO_FATAL_FAILURE(Prepare());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TOTALS_DRIVER_KILL_AT", QString::number(step));
        Copy killed({path, "wins", "1", QString::number(own.score)}, environment);
        ASSERT_TRUE(killed.process.waitForFinished(Budget));
        if (killed.process.exitStatus() == QProcess::NormalExit && killed.process.exitCode() == CannotStopAtSteps)
            GTEST_SKIP() << "the driver cannot stop at a step on this processor";
        if (killed.process.exitStatus() == QProcess::NormalExit) {
            const Totals whole = SaturatingSum(SaturatingSum(seed, c.waiting), own);
            EXPECT_EQ(killed.Lines(), QList<QByteArray>{QStringLiteral("kept %1 %2").arg(whole.games).arg(whole.score).toUtf8()});
            break;
        }
        // The file the killed copy wrote either took the settings file's place or did not.
        const Totals inFile = ReadTotals(FileText()).totals;
        const bool taken = inFile != seed;
        if (taken) {
            EXPECT_EQ(inFile, SaturatingSum(SaturatingSum(seed, c.waiting), own));
        }
        const Totals expected = SaturatingSum(SaturatingSum(seed, c.waiting), taken ? own : Totals{});
        EXPECT_EQ(FileTotals(), expected) << "as a reader sees them right after the kill";

        ASSERT_NO_FATAL_FAILURE(ReplaceByAnotherProgram());
        EXPECT_EQ(FileTotals(), expected) << "after another program replaced the file";
        EXPECT_EQ(KeptLines(Wins(1, 1)->Finish()), 1);
        EXPECT_EQ(ReadTotals(FileText()).totals, SaturatingSum(expected, {1, 1})) << FileText().toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{".corvane.conf.lock", "corvane.conf"}));
    }
    EXPECT_GT(step, c.steps) << "the save took fewer steps than it should";
}

INSTANTIATE_TEST_SUITE_P(Saves, KillPoint, ::testing::ValuesIn(KillPointCases), [](const auto& info) { return std::string(info.param.name); });

// A copy stopped while it holds the lock delays no other copy's start: it reads at once, without the lock,
// and sees the win another copy left waiting meanwhile, which the stopped copy adds once it goes on.
TEST_F(CopiesAtOnce, AStoppedHolderDelaysNoStartAndTheWinThatWaitedIsAddedLater)
{
    constexpr int StartMilliseconds = 500;
    const auto stopped = Wins(20, 1, "step");
    ASSERT_TRUE(StopInsideASave(*stopped, 10)) << "the copy never stopped inside a save";
    const Totals before = ReadTotals(FileText()).totals;

    Copy start({path, "read"});
    ASSERT_TRUE(start.WaitForLines(1, StartMilliseconds)) << "a start waited for the stopped copy";
    const QList<QByteArray> won = Wins(1, 1000)->Finish();
    Copy later({path, "read"});
    ASSERT_TRUE(later.WaitForLines(1, StartMilliseconds)) << "a start waited for the stopped copy";
    ::kill(static_cast<pid_t>(stopped->process.processId()), SIGCONT);
    stopped->process.write(QByteArray(10, '\n'));
    stopped->process.closeWriteChannel();
    const QList<QByteArray> resumed = stopped->Finish();

    EXPECT_EQ(start.Lines(), QList<QByteArray>{QStringLiteral("kept %1 %2").arg(before.games).arg(before.score).toUtf8()});
    EXPECT_EQ(won, QList<QByteArray>{QStringLiteral("deferred %1 %2").arg(before.games + 1).arg(before.score + 1000).toUtf8()});
    EXPECT_EQ(later.Lines(), QList<QByteArray>{QStringLiteral("kept %1 %2").arg(before.games + 1).arg(before.score + 1000).toUtf8()});
    EXPECT_EQ(KeptLines(resumed), 20);
    EXPECT_EQ(ReadTotals(FileText()).totals, (Totals{21, 1020})) << "the stopped copy's next saves added the win";
}

// Whatever the player's umask, the files and folders the program makes stay its owner's to change, so
// the second save works as the first did.
struct UmaskCase {
    const char* name;
    mode_t mask;
    mode_t file;
    mode_t folder;
};

const UmaskCase UmaskCases[] = {
    {"NoWriteForAnyone", 0222, 0644, 0755},
    {"OwnerOnly", 0077, 0600, 0700},
};

class Umask : public CopiesAtOnce, public ::testing::WithParamInterface<UmaskCase> {};

TEST_P(Umask, TheSecondSaveWorksAsTheFirst)
{
    if (!PermissionsHold())
        GTEST_SKIP() << "the superuser passes every permission, and nobody cannot start the driver";
    const UmaskCase& c = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.path());

    const QList<QByteArray> first = Copy({"--user", "wins", "1", "2"}, environment, Copy::WithLocks, c.mask).Finish();
    const QList<QByteArray> second = Copy({"--user", "wins", "1", "3"}, environment, Copy::WithLocks, c.mask).Finish();

    EXPECT_EQ(first, QList<QByteArray>{"kept 1 2"});
    EXPECT_EQ(second, QList<QByteArray>{"kept 2 5"});
    struct stat file {};
    struct stat made {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.filePath("Brindlemoor/corvane.conf")).constData(), &file), 0);
    ASSERT_EQ(::stat(QFile::encodeName(folder.filePath("Brindlemoor")).constData(), &made), 0);
    EXPECT_EQ(file.st_mode & 07777, c.file);
    EXPECT_EQ(made.st_mode & 07777, c.folder);
}

INSTANTIATE_TEST_SUITE_P(Masks, Umask, ::testing::ValuesIn(UmaskCases), [](const auto& info) { return std::string(info.param.name); });

// A waiting win the copy may not read is said by name, not counted, and left as it is, at a start and at a
// win alike; the wins around it are kept.
TEST_F(CopiesAtOnce, AWaitingWinThatMayNotBeReadIsSaidNotCountedAndKept)
{
    if (!PermissionsHold())
        GTEST_SKIP() << "the superuser passes every permission, and nobody cannot start the driver";
    ASSERT_NO_FATAL_FAILURE(Seed("[Stats]\nTotalGames=5\nTotalScore=7\n"));
    const QString unreadable = folder.filePath(".corvane.conf.win-Closed");
    QFile win(unreadable);
    ASSERT_TRUE(win.open(QIODevice::WriteOnly));
    win.write("1 100\n");
    win.close();
    ASSERT_EQ(::chmod(QFile::encodeName(unreadable).constData(), 0), 0);
    const QByteArray said = "Cannot count the win kept in " + QFile::encodeName(unreadable) + ": Permission denied.\n";

    Copy start({path, "read"});
    const QList<QByteArray> read = start.Finish();
    Copy winner({path, "wins", "1", "3"});
    const QList<QByteArray> won = winner.Finish();

    EXPECT_EQ(read, QList<QByteArray>{"kept 5 7"});
    EXPECT_EQ(start.Errors(), said);
    EXPECT_EQ(won, QList<QByteArray>{"kept 6 10"});
    EXPECT_EQ(winner.Errors(), said);
    ::chmod(QFile::encodeName(unreadable).constData(), 0644);
    QFile kept(unreadable);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "1 100\n");
}

// In a folder that takes no new file, a file that may be written is written over in place, since it cannot
// be replaced; the copy says once why the safer replace was not made.
TEST_F(CopiesAtOnce, AReadOnlyFolderWithAWritableFileKeepsTheWins)
{
    if (!PermissionsHold())
        GTEST_SKIP() << "the superuser passes every permission, and nobody cannot start the driver";
    ASSERT_NO_FATAL_FAILURE(SeedInFolder("[General]\nsize=2\n\n[Stats]\nTotalGames=5\nTotalScore=7\n", 0644, 0555));

    Copy copy({path, "wins", "2", "3"});
    const QList<QByteArray> won = copy.Finish();
    const QByteArray errors = copy.Errors();

    OpenFolder();
    EXPECT_EQ(won, (QList<QByteArray>{"kept 6 10", "kept 7 13"}));
    EXPECT_EQ(FileText(), "[General]\nsize=2\n\n[Stats]\nTotalGames=7\nTotalScore=13\n");
    EXPECT_TRUE(errors.contains("The folder of " + QFile::encodeName(path) + " takes no new files, so the totals are saved by "
                                "writing over the file itself")) << errors.toStdString();
    EXPECT_EQ(QDir(inner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"corvane.conf"});
}

} // namespace
