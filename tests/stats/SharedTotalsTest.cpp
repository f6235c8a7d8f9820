// Game windows sharing one settings file, and the one notice a window gives when the file fails it.
#include "StatsTestSupport.h"

#include <QMessageBox>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace {

// Every message box that comes up while it lives: its caption and text, then it is closed.
class NoticeWatcher : public QObject {
public:
    NoticeWatcher() { qApp->installEventFilter(this); }
    ~NoticeWatcher() override { qApp->removeEventFilter(this); }

    QStringList texts;
    QStringList captions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
            texts << box->text();
            captions << box->windowTitle();
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return false;
    }
};

// What the process writes to its standard error while it lives.
class CapturedErrors {
public:
    CapturedErrors()
    {
        std::fflush(stderr);
        EXPECT_TRUE(file.open());
        saved = ::dup(STDERR_FILENO);
        ::dup2(file.handle(), STDERR_FILENO);
    }
    ~CapturedErrors()
    {
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    QString Text()
    {
        std::fflush(stderr);
        file.seek(0);
        return QString::fromLocal8Bit(file.readAll());
    }

private:
    QTemporaryFile file;
    int saved = -1;
};

class SharedTotals : public StatsFixture {
protected:
    std::unique_ptr<TestableCorvaneDlg> OtherCopy() { return std::make_unique<TestableCorvaneDlg>(random); }

    // Shows a window whose notice will take the activation from it.
    void StartToldWindow()
    {
        dialog = std::make_unique<TestableCorvaneDlg>(random);
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
    other->RecordWin(4);

    Internals().RecordWin(2);
    Internals().ShowStats();

    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "3");
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "3.00");
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=3\nTotalScore=9\n");
}

TEST_F(SharedTotals, AnIdleCopyEndingKeepsTheWinsOfAnother)
{
    SeedTotals(1, 3);
    dialog = std::make_unique<TestableCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    WhenModal([&](QWidget*) {
        OtherCopy()->RecordWin(2);
        Button(dialog.get(), IDC_EXIT)->click();
    });

    dialog->DoModal();

    EXPECT_EQ(dialog->TotalGamesValue(), 1) << "the idle copy never saw the other's win";
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=2\nTotalScore=5\n");
}

TEST_F(SharedTotals, ClearingInOneCopyWhileAnotherPlays)
{
    SeedTotals(4, 4);
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    const auto other = OtherCopy();
    other->RecordWin(1);

    Internals().ClearStats();
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=0\nTotalScore=0\n");
    EXPECT_EQ(dialog->TotalGamesValue(), 0);

    other->RecordWin(3);
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=1\nTotalScore=3\n");
    EXPECT_EQ(other->TotalGamesValue(), 1);
    EXPECT_EQ(other->TotalScoreValue(), 3);
}

TEST_F(SharedTotals, DamagedTotalsAreToldOnceCountedInTheWindowAndLeftInTheFile)
{
    const QByteArray damaged = "[Stats]\nTotalGames=abc\nTotalScore=7\n";
    WriteSettings(damaged);
    const NoticeWatcher notices;
    CapturedErrors errors;

    StartToldWindow();
    QTRY_COMPARE_WITH_TIMEOUT(notices.texts.size(), 1, 10000);
    Internals().RecordWin(2);
    Internals().RecordWin(1);
    Internals().ShowStats();

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
    Internals().RecordWin(2);
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
        Internals().RecordWin(2);
    }
    EXPECT_EQ(ReadSettings(), before);
    EXPECT_EQ(dialog->TotalGamesValue(), 6) << "the window counts the win all the same";
    Internals().RecordWin(1);

    EXPECT_EQ(notices.texts.size(), 1);
    EXPECT_TRUE(notices.texts.value(0).startsWith("Cannot save the totals in " + SettingsFile() + ": "));
    EXPECT_EQ(ReadSettings(), "[Stats]\nTotalGames=7\nTotalScore=10\n");
}

TEST_F(SharedTotals, WinsStillUnsavedWhenTheWindowEndsAreSavedThen)
{
    SeedTotals(5, 7);
    dialog = std::make_unique<TestableCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    const NoticeWatcher notices;
    WhenModal<CCorvaneDlg>([&](CCorvaneDlg* window) {
        {
            const FullDisk full;
            Internals(*window).RecordWin(2);
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
        Internals().ClearStats();
    }

    EXPECT_EQ(notices.texts.size(), 1);
    EXPECT_EQ(dialog->TotalGamesValue(), 2);
    EXPECT_EQ(dialog->TotalScoreValue(), 3);
    EXPECT_EQ(ReadSettings(), before);
}

} // namespace
