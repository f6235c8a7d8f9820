// Ending the program as a desktop ends programs: stop signals and the session's end close the game window
// through its normal ending, so the totals are saved; and a start without a display it can use.
#include "StatsTestSupport.h"

#include "CScoreDlg.h"
#include "PieceKind.h"
#include "ShutdownGuard.h"

#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/types.h>

namespace {

// Totals written without their score: the program reads it as 0 and, when it saves at its end, writes it
// in, so the file shows whether the save happened. A file that holds both totals is not written again
// when they have not changed.
constexpr const char* SeededTotals = "[Stats]\nTotalGames=5\n";
constexpr const char* SavedTotals = "[Stats]\nTotalGames=5\nTotalScore=0\n";

// Whether the signal is in one of the process's signal masks in /proc: "SigCgt" (it has a handler of
// its own) or "SigIgn" (it ignores the signal).
bool InSignalMask(qint64 pid, const QByteArray& mask, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(mask + ':'))
            return (line.mid(mask.size() + 1).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1u;
    return false;
}

bool CatchesSignal(qint64 pid, int signal) { return InSignalMask(pid, "SigCgt", signal); }

struct SignalCase {
    const char* name;
    int signal;
};

const SignalCase SignalCases[] = {{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}, {"SIGHUP", SIGHUP}};

class StoppedProgram : public ::testing::TestWithParam<SignalCase> {};

TEST_P(StoppedProgram, SavesItsTotalsAndEndsNormally)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    ASSERT_TRUE(QDir().mkpath(config.filePath("Brindlemoor")));
    QFile settings(config.filePath("Brindlemoor/corvane.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(SeededTotals);
    settings.close();

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", config.path());
    program.setProcessEnvironment(environment);
    program.start(CORVANE_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted());
    // The program is ready to be stopped once it has taken over the signal.
    QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(program.processId(), GetParam().signal), 60000);

    ::kill(static_cast<pid_t>(program.processId()), GetParam().signal);
    ASSERT_TRUE(program.waitForFinished(60000));

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), SavedTotals);
}

INSTANTIATE_TEST_SUITE_P(Signals, StoppedProgram, ::testing::ValuesIn(SignalCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Under nohup the program starts with SIGHUP ignored; it must stay so, and the other signals still stop it.
TEST(StoppedProgram, ASignalIgnoredAtStartStaysIgnored)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", config.path());
    program.setProcessEnvironment(environment);
    program.setChildProcessModifier([] { std::signal(SIGHUP, SIG_IGN); });
    program.start(CORVANE_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(CatchesSignal(program.processId(), SIGTERM), 60000);

    EXPECT_TRUE(InSignalMask(program.processId(), "SigIgn", SIGHUP));
    EXPECT_FALSE(CatchesSignal(program.processId(), SIGHUP));
    ::kill(static_cast<pid_t>(program.processId()), SIGHUP);
    EXPECT_FALSE(program.waitForFinished(300)) << "the hang-up ended the program";
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

// Displays the program cannot draw on: it says so in one line and ends, instead of aborting.
struct DisplayCase {
    const char* name;
    const char* x11;     // DISPLAY, or null for none
    const char* wayland; // WAYLAND_DISPLAY, or null for none
};

const DisplayCase DisplayCases[] = {
    {"NoDisplay", nullptr, nullptr},
    {"EmptyDisplay", "", nullptr},
    {"DisplayThatDoesNotAnswer", ":31999", nullptr},
    {"DisplayNameThatMeansNothing", "nonsense", nullptr},
    {"WaylandOnly", nullptr, "wayland-0"},
};

class WithoutDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(WithoutDisplay, EndsWithOnePlainLine)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    if (GetParam().x11)
        environment.insert("DISPLAY", GetParam().x11);
    if (GetParam().wayland)
        environment.insert("WAYLAND_DISPLAY", GetParam().wayland);
    environment.insert("XDG_CONFIG_HOME", config.path());
    QProcess program;
    program.setProcessEnvironment(environment);

    program.start(CORVANE_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(60000));

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError(), "corvane: no display found; start it from a graphical desktop session.\n");
}

INSTANTIATE_TEST_SUITE_P(Displays, WithoutDisplay, ::testing::ValuesIn(DisplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ShutdownGuardTest = StatsFixture;

TEST_F(ShutdownGuardTest, ASignalClosesThePromptAndTheScoreDialogThenTheWindow)
{
    WriteSettings(SeededTotals);
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    const ShutdownGuard guard(dialog.get());
    bool prompted = false;
    WhenModal<CCorvaneDlg>([&](CCorvaneDlg* main) {
        WhenModal<CScoreDlg>([&](CScoreDlg* score) {
            WhenModal<QMessageBox>([&](QMessageBox*) {
                prompted = true;
                std::raise(SIGTERM);
            });
            score->Item<QAbstractButton>(IDC_CLEAR_SCORE)->click();
        });
        main->Item<QAbstractButton>(IDC_SCORE)->click();
    });

    dialog->DoModal();

    EXPECT_TRUE(prompted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(TotalsShown(*dialog).games, "5") << "the prompt went without a Yes";
    EXPECT_EQ(ReadSettings(), SavedTotals);
}

// The program was in the middle of a win when the signal came: the notice that the win cannot be saved was
// up. The signal closes it and the window, and the Congratulations dialog that the win then opens is
// closed at once, instead of standing over a window that has gone and keeping the program running.
TEST_F(ShutdownGuardTest, ASignalWhileAWinIsToldClosesEveryDialogThatFollows)
{
    WriteSettings(SeededTotals);
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    const ShutdownGuard guard(dialog.get());
    bool signalled = false;
    bool leftOpen = false;
    WhenModal<CCorvaneDlg>([&](CCorvaneDlg* main) {
        PlayToTheWinningClue(*main, 1);
        WhenModal<QMessageBox>([&](QMessageBox*) {
            signalled = true;
            std::raise(SIGTERM);
        });
        // Should a dialog stay open, it is closed after a while so that the test ends and says so.
        QTimer::singleShot(5000, main, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                leftOpen = true;
                modal->close();
            }
        });
        ButtonOf(*main, IDC_CLUE)->click();
    });

    {
        const FullDisk full;
        dialog->DoModal();
    }

    EXPECT_TRUE(signalled) << "the notice never came";
    EXPECT_FALSE(leftOpen) << "a dialog stayed open over the ended window";
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(TotalsShown(*dialog).games, "6") << "the win was counted";
}

TEST_F(ShutdownGuardTest, TheSessionsEndClosesTheWindowTheSameWay)
{
    WriteSettings(SeededTotals);
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    ShutdownGuard guard(dialog.get());
    WhenModal<CCorvaneDlg>([&](CCorvaneDlg*) { guard.EndWindow(); });

    dialog->DoModal();

    EXPECT_EQ(ReadSettings(), SavedTotals);
}

TEST_F(ShutdownGuardTest, GivesTheSignalsBackWhenItGoes)
{
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    {
        const ShutdownGuard guard(nullptr);
        struct sigaction during {};
        sigaction(SIGTERM, nullptr, &during);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
