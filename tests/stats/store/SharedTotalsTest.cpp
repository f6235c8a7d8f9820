// Game windows sharing one settings file, and the one notice a window gives when the file fails it.
#include "StatsTestSupport.h"

#include "GameWindowFixture.h"

#include <QCursor>

#include <fcntl.h>
#include <sys/file.h>

namespace {

// Holds the lock that every copy takes to change the file, as another copy of the game stopped in the
// middle of a save would.
class HeldLock {
public:
    explicit HeldLock(const QString& settingsFile)
    {
        const QFileInfo file(settingsFile);
        EXPECT_TRUE(QDir().mkpath(file.path()));
        const QByteArray lockFile = QFile::encodeName(file.path() + "/." + file.fileName() + ".lock");
        descriptor = ::open(lockFile.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        EXPECT_EQ(::flock(descriptor, LOCK_EX | LOCK_NB), 0);
    }
    ~HeldLock() { Release(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

    void Release()
    {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }

private:
    int descriptor = -1;
};

class SharedTotals : public StatsFixture {
protected:
    // Another game window beside the test's, as another copy of the game would show it.
    std::unique_ptr<CCorvaneDlg> OtherCopy()
    {
        auto other = std::make_unique<CCorvaneDlg>(random);
        other->Create();
        other->show();
        return other;
    }

    // Shows a window whose notice will take the activation from it.
    void StartToldWindow()
    {
        dialog = std::make_unique<CCorvaneDlg>(random);
        app.m_pMainWnd = dialog.get();
        dialog->Create();
        dialog->show();
    }
};

TEST_F(SharedTotals, TheWindowShowsWhatTheFileHoldsAfterAWin)
{
    SeedTotals(1, 3);
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const auto other = OtherCopy();
    WinAGame(*other, 4);

    WinAGame(*dialog, 2);

    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "3");
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "3.00");
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=3\nTotalScore=9\n");
}

TEST_F(SharedTotals, AnIdleCopyEndingKeepsTheWinsOfAnother)
{
    SeedTotals(1, 3);
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    WhenModal([&](QWidget*) {
        WinAGame(*OtherCopy(), 2);
        Button(dialog.get(), IDC_EXIT)->click();
    });

    dialog->DoModal();

    EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(1, 3)) << "the idle copy never saw the other's win";
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=2\nTotalScore=5\n");
}

TEST_F(SharedTotals, ClearingInOneCopyWhileAnotherPlays)
{
    SeedTotals(4, 4);
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const auto other = OtherCopy();
    WinAGame(*other, 1);

    ClearTotals(*dialog);
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=0\nTotalScore=0\n");
    EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(0, 0));

    WinAGame(*other, 3);
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=1\nTotalScore=3\n");
    EXPECT_EQ(TotalsShown(*other), TotalsShownFor(1, 3));
}

TEST_F(SharedTotals, DamagedTotalsAreToldOnceCountedInTheWindowAndLeftInTheFile)
{
    const QByteArray damaged = "[Stats]\nTotalGames=abc\nTotalScore=7\n";
    WriteSettings(damaged);
    const NoticeWatcher notices;
    CapturedErrors errors;

    StartToldWindow();
    QTRY_COMPARE_WITH_TIMEOUT(notices.texts.size(), 1, 10000);
    WinAGame(*dialog, 2);
    WinAGame(*dialog, 1);

    const QString notice = "Cannot read the totals in " + SettingsFile() +
                           ": TotalGames is not a whole number from 0 to 2147483647. The file is left as it is; play "
                           "goes on, but the wins of this run may not be kept.";
    EXPECT_EQ(notices.texts, QStringList{notice});
    EXPECT_EQ(notices.captions, QStringList{app.AppName()});
    EXPECT_EQ(errors.Text().count(app.AppName() + ": " + notice + "\n"), 1) << errors.Text().toStdString();
    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "2");
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "1.50");
    EXPECT_EQ(ReadSettings(), damaged);
}

TEST_F(SharedTotals, AFileThatCannotBeReadIsToldAndNeverReplaced)
{
    ASSERT_TRUE(QDir().mkpath(SettingsFile() + "/inside"));
    const NoticeWatcher notices;

    StartToldWindow();
    QTRY_COMPARE_WITH_TIMEOUT(notices.texts.size(), 1, 10000);
    WinAGame(*dialog, 2);
    EndWindow();

    EXPECT_EQ(notices.texts.size(), 1);
    EXPECT_TRUE(notices.texts.value(0).startsWith("Cannot read the totals in " + SettingsFile() + ": it is a folder."));
    EXPECT_TRUE(QFileInfo(SettingsFile() + "/inside").isDir());
}

TEST_F(SharedTotals, WinsThatCouldNotBeSavedReachTheFileOnceItCanBeWritten)
{
    SeedTotals(5, 7);
    const QByteArray before = ReadSettings();
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const NoticeWatcher notices;

    {
        const FullDisk full;
        WinAGame(*dialog, 2);
    }
    EXPECT_EQ(ReadSettings(), before);
    EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(6, 9)) << "the window counts the win all the same";
    WinAGame(*dialog, 1);

    EXPECT_EQ(notices.texts.size(), 1);
    EXPECT_TRUE(notices.texts.value(0).startsWith("Cannot save the totals in " + SettingsFile() + ": "));
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=7\nTotalScore=10\n");
}

TEST_F(SharedTotals, WinsStillUnsavedWhenTheWindowEndsAreSavedThen)
{
    SeedTotals(5, 7);
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    const NoticeWatcher notices;
    WhenModal<CCorvaneDlg>([&](CCorvaneDlg* window) {
        {
            const FullDisk full;
            WinAGame(*window, 2);
        }
        Button(window, IDC_EXIT)->click();
    });

    dialog->DoModal();

    EXPECT_EQ(notices.texts.size(), 1);
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=6\nTotalScore=9\n");
}

TEST_F(SharedTotals, AClearingThatCannotBeSavedChangesNothing)
{
    SeedTotals(2, 3);
    const QByteArray before = ReadSettings();
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const NoticeWatcher notices;

    {
        const FullDisk full;
        ClearTotals(*dialog);
    }

    EXPECT_EQ(notices.texts.size(), 1);
    EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(2, 3));
    EXPECT_EQ(ReadSettings(), before);
}

TEST_F(SharedTotals, AClearingThatFailsIsToldEveryTime)
{
    SeedTotals(2, 3);
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const NoticeWatcher notices;
    CapturedErrors errors;

    {
        const FullDisk full;
        ClearTotals(*dialog);
        ClearTotals(*dialog);
    }

    const QString notice = "Cannot save the totals in " + SettingsFile() + ": File too large. The totals stay as they were.";
    EXPECT_EQ(notices.texts, (QStringList{notice, notice}));
    EXPECT_EQ(errors.Text().count(app.AppName() + ": " + notice + "\n"), 2) << errors.Text().toStdString();
    EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(2, 3));
}

TEST_F(SharedTotals, WinsStillUnsavedAtTheEndAreSaidOnStandardError)
{
    SeedTotals(5, 7);
    const NoticeWatcher notices;
    CapturedErrors errors;

    {
        const FullDisk full;
        RunWindow([this](CCorvaneDlg& window) {
            WinAGame(window, 2);
            WinAGame(window, 1);
        });
    }

    EXPECT_EQ(notices.texts.size(), 1) << "the trouble itself is told once";
    EXPECT_EQ(errors.Text().count(app.AppName() + ": 2 wins (3 points) of this run could not be saved. Cannot save the totals in " +
                                  SettingsFile() + ": File too large.\n"),
              1)
        << errors.Text().toStdString();
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=5\nTotalScore=7\n");
}

// Where no lock can be had at all, as on a network file system without locks, each change is still saved,
// by replacing the file whole; why is said once, on standard error, since nothing is lost.
TEST_F(SharedTotals, SavesWithoutALockWhereNoneCanBeHadAndSaysSoOnce)
{
    SeedTotals(5, 7);
    ASSERT_TRUE(QDir().mkpath(ConfigFolder() + "/Brindlemoor/.stats_tests.conf.lock"));
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const NoticeWatcher notices;
    CapturedErrors errors;

    WinAGame(*dialog, 2);
    WinAGame(*dialog, 1);

    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=7\nTotalScore=10\n");
    EXPECT_EQ(notices.texts, QStringList());
    EXPECT_EQ(errors.Text().count(": Cannot lock the totals in "), 1) << errors.Text().toStdString();
    EXPECT_TRUE(errors.Text().contains(app.AppName() + ": Cannot lock the totals in " + SettingsFile() + ": the lock file " +
                                       ConfigFolder() + "/Brindlemoor/.stats_tests.conf.lock cannot be opened: Is a directory; they "
                                                        "are saved without the lock.\n"));
}

// Another copy holds the file for a moment: the window shows the wait cursor, goes on handling what is
// not the player's input meanwhile, and saves the win as soon as the other lets go.
TEST_F(SharedTotals, WaitsForAnotherCopyAliveAndUnderTheWaitCursor)
{
    SeedTotals(1, 3);
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    PlayToTheWinningClue(*dialog, 2);
    HeldLock other(SettingsFile());
    bool handledWhileWaiting = false;
    bool waitCursor = false;
    QTimer::singleShot(0, [&] {
        handledWhileWaiting = true;
        waitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        other.Release();
    });

    NestedLoopDriver win;
    win.ExpectCongratulations();
    ClickWith(*dialog, win, Button(dialog.get(), IDC_CLUE));

    EXPECT_TRUE(handledWhileWaiting) << "the window handled nothing while it waited";
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor goes when the wait is over";
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=2\nTotalScore=5\n");
}

// Another copy holds the file and has stopped: the win waits beside the file, is counted in what the
// window shows, is said at the end, and is in the file once a save can be made.
TEST_F(SharedTotals, AWinWaitsBesideAFileThatAStoppedCopyHoldsAndIsSaidAtTheEnd)
{
    SeedTotals(1, 3);
    HeldLock stopped(SettingsFile());
    const NoticeWatcher notices;
    CapturedErrors errors;
    QByteArray storedMeanwhile;

    RunWindow([&](CCorvaneDlg& window) {
        WinAGame(window, 2);
        EXPECT_EQ(TotalsShown(window), TotalsShownFor(2, 5));
        storedMeanwhile = ReadSettings();
    });

    EXPECT_EQ(storedMeanwhile, "[Stats]\nTotalGames=1\nTotalScore=3\n");
    EXPECT_EQ(notices.texts, QStringList()) << "nothing is lost, so nothing interrupts the game";
    EXPECT_EQ(errors.Text().count(app.AppName() + ": 1 win (2 points) is kept beside the totals in " + SettingsFile() +
                                  " until a save of the program can add them.\n"),
              1)
        << errors.Text().toStdString();
    stopped.Release();
    RunWindow([](CCorvaneDlg& window) { EXPECT_EQ(TotalsShown(window).games, "2") << "a new window counts the waiting win"; });
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=2\nTotalScore=5\n") << "the next save adds it";
    EXPECT_EQ(QDir(ConfigFolder() + "/Brindlemoor").entryList(QDir::Files | QDir::Hidden),
              (QStringList{".stats_tests.conf.lock", "stats_tests.conf"}));
}

// A game won while another copy holds the totals and does not let go: the window counts the win at once
// and says on its status line that it will be added when the other copy is done; the next win, once the
// other has let go, adds both to the file.
class WinWhileAnotherCopyHolds : public GameWindowFixture {
protected:
    void WinTheGame()
    {
        StartGame();
        const CellPosition last = ShipCells().back();
        MarkShipsExcept({last});
        Mark(last.row, last.column, HiddenLayout().At(last.row, last.column), /*wins=*/true);
    }

    QByteArray StoredText() const
    {
        QFile file(ConfigFolder() + "/Brindlemoor/" + app.AppName() + ".conf");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }
};

TEST_F(WinWhileAnotherCopyHolds, IsCountedSaidOnTheStatusLineAndAddedByTheNextSave)
{
    HeldLock other(ConfigFolder() + "/Brindlemoor/" + app.AppName() + ".conf");

    WinTheGame();

    EXPECT_EQ(Text(IDC_STATUS), "Your win will be added to your totals when the other Corvane is done.");
    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "1");
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), ".00");
    EXPECT_EQ(StoredText(), "(no file)");

    other.Release();
    WinTheGame();

    EXPECT_EQ(Text(IDC_STATUS), "");
    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "2");
    EXPECT_EQ(StoredText(), "[Stats]\nTotalGames=2\nTotalScore=0\n");
}

} // namespace
