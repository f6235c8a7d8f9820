// Copies of the game's totals keeping, each a process of its own: running at once, killed at any moment,
// or denied the file by the system; every win a copy reports is in the file, and the pair always agrees.
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
#include <random>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int Budget = 30000;
constexpr uid_t Nobody = 65534;

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

    explicit Copy(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                  Locks locks = WithLocks)
    {
        process.setProcessEnvironment(environment);
        const bool asNobody = TheDriver().asNobody;
        process.setChildProcessModifier([asNobody, locks] {
            if (asNobody)
                BecomeNobody();
            if (locks == WithoutLocks)
                TakeAwayLocks();
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

    // Waits until at least count lines are reported.
    bool WaitForLines(qsizetype count)
    {
        QDeadlineTimer deadline(Budget);
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

// Wins counted by each reported line; a line that is not "kept ..." is a failure.
int KeptLines(const QList<QByteArray>& lines)
{
    int kept = 0;
    for (const QByteArray& line : lines) {
        EXPECT_TRUE(line.startsWith("kept ")) << line.toStdString();
        kept += line.startsWith("kept ");
    }
    return kept;
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

// Each copy's wins carry a score of its own power of Base, so the file's total score tells how many
// wins of each copy it holds, and the games must be their sum.
TEST_F(CopiesAtOnce, KillsAtRandomMomentsLoseNoWinAndLeaveAConsistentPair)
{
    constexpr int CopyCount = 3;
    constexpr int Base = 256;
    constexpr int Rounds = 12;
    constexpr std::array<int, CopyCount> Scores = {1, Base, Base * Base};
    std::mt19937 random(20240611);
    int kills = 0;
    int reportedWins = 0;
    for (int round = 0; round < Rounds; ++round) {
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
            const int reported = KeptLines(copies[i]->Lines());
            reportedWins += reported;
            // A copy killed between its save and its report has one win more in the file than it said.
            EXPECT_GE(kept[i], reported) << "round " << round << ", copy " << i << " lost wins";
            EXPECT_LE(kept[i], reported + 1) << "round " << round << ", copy " << i;
        }
    }
    const Totals total = FileTotals();
    std::printf("[ figure   ] %d wins reported by %d copies (%d at a time), %d kills, %d wins in the file, %d lost\n",
                reportedWins, Rounds * CopyCount, CopyCount, kills, total.games, std::max(0, reportedWins - total.games));
    EXPECT_GT(reportedWins, 0) << "the kills came before any win";
    // A copy killed in the middle of a save leaves its unfinished replacement; the next save clears it away.
    EXPECT_EQ(KeptLines(Wins(1, 0)->Finish()), 1);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{".corvane.conf.lock", "corvane.conf"}))
        << "no leftovers of a killed save: only the file and the lock file that every copy locks";
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
    stopped->process.write(QByteArray(GivenFirst, '\n'));
    ASSERT_TRUE(stopped->WaitForLines(1)) << "its first save makes the lock file";
    const ino_t lockFile = InodeOf(folder.filePath(".corvane.conf.lock"));
    const qint64 pid = stopped->process.processId();
    // Stopped the moment it is seen holding the lock; should it let go just before the stop, it goes on
    // and is caught at a later save.
    bool caught = false;
    const QDeadlineTimer deadline(Budget);
    while (!caught && !deadline.hasExpired() && stopped->process.state() == QProcess::Running) {
        if (!HoldsLock(pid, lockFile)) {
            QThread::yieldCurrentThread();
            continue;
        }
        ::kill(static_cast<pid_t>(pid), SIGSTOP);
        while (!IsStopped(pid) && !deadline.hasExpired())
            QThread::yieldCurrentThread();
        caught = HoldsLock(pid, lockFile);
        if (!caught)
            ::kill(static_cast<pid_t>(pid), SIGCONT);
    }
    ASSERT_TRUE(caught) << "the copy never stopped inside a save";

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

} // namespace
