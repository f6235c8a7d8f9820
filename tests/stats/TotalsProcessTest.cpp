// Copies of the game's totals keeping, each a process of its own: running at once, killed at any moment,
// or denied the file by the system; every win a copy reports is in the file, and the pair always agrees.
#include "TotalsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <grp.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int Budget = 30000;

// A running copy, with what it has reported so far.
class Copy {
public:
    explicit Copy(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        process.setProcessEnvironment(environment);
        // Permissions mean nothing to the superuser: its copies run as nobody, in folders given to nobody.
        if (::geteuid() == 0)
            process.setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                    ::_exit(3);
            });
        process.start(TOTALS_DRIVER, arguments);
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
    static constexpr uid_t Nobody = 65534;

private:
    QByteArray received;
};

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
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(QFile::encodeName(folder.path()).constData(), Copy::Nobody, Copy::Nobody), 0);
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
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), Copy::Nobody, Copy::Nobody), 0);
        }
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
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"corvane.conf"}) << "no leftovers of a killed save";
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
    {"ReadOnlyFolder", 0644, 0555, "kept 5 7", "failed Cannot save the totals in "},
    {"UnreadableFile", 0200, 0755, "failed Cannot read the totals in ", "failed Cannot read the totals in "},
    {"UnlistableFolder", 0644, 0311, "kept 5 7", "failed Cannot save the totals in "},
    {"ClosedFolder", 0644, 0000, "failed Cannot read the totals in ", "failed Cannot save the totals in "},
};

class DeniedStore : public CopiesAtOnce, public ::testing::WithParamInterface<DeniedCase> {};

TEST_P(DeniedStore, SaysSoAndLeavesTheFileAlone)
{
    const DeniedCase& c = GetParam();
    const QString inner = folder.filePath("Brindlemoor");
    ASSERT_TRUE(QDir().mkpath(inner));
    path = inner + "/corvane.conf";
    const QByteArray contents = "[Stats]\nTotalGames=5\nTotalScore=7\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    for (const QString& made : {inner, path}) {
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(QFile::encodeName(made).constData(), Copy::Nobody, Copy::Nobody), 0);
        }
    }
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), c.fileMode), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(inner).constData(), c.folderMode), 0);

    const QList<QByteArray> read = Copy({path, "read"}).Finish();
    const QList<QByteArray> won = Wins(1, 3)->Finish();

    ::chmod(QFile::encodeName(inner).constData(), 0755);
    ::chmod(QFile::encodeName(path).constData(), 0644);
    ASSERT_EQ(read.size(), 1);
    ASSERT_EQ(won.size(), 1);
    EXPECT_TRUE(read[0].startsWith(c.read)) << read[0].toStdString();
    EXPECT_TRUE(won[0].startsWith(c.win)) << won[0].toStdString();
    EXPECT_TRUE(won[0].contains(QFile::encodeName(path))) << "the line names the file";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), contents);
    EXPECT_EQ(QDir(inner).entryList(QDir::Files), QStringList{"corvane.conf"});
}

INSTANTIATE_TEST_SUITE_P(Modes, DeniedStore, ::testing::ValuesIn(DeniedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopiesAtOnce, AHomeThatCannotBeWrittenFailsTheSaveAndSaysWhy)
{
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
