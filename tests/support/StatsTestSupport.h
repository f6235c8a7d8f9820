// A game window over a settings store in the test's own configuration folder, and help for acting inside
// the nested loops of its dialogs.
#pragma once

#include "GameWindowHost.h"
#include "CScoreDlg.h"
#include "CWinApp.h"
#include "GameRandom.h"
#include "HelpViewer.h"
#include "StringTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

// The configuration folder that CTest gives this test program.
inline QString ConfigFolder() { return qEnvironmentVariable("XDG_CONFIG_HOME"); }

// Once a modal window of the given kind other than `except` is in front and active, runs action on it
// from inside its own loop. Should none come, whatever modal window is open is closed so that the test
// ends instead of hanging; the test then fails on what it expected of the action.
template <class Window = QWidget, class Action>
void WhenModal(Action action, QWidget* except = nullptr, QDeadlineTimer deadline = QDeadlineTimer(5000))
{
    QTimer::singleShot(1, [action = std::move(action), except, deadline]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        auto* window = qobject_cast<Window*>(modal);
        if (window && modal != except && modal->isVisible() && modal->isActiveWindow())
            action(window);
        else if (!deadline.hasExpired())
            WhenModal<Window>(std::move(action), except, deadline);
        else if (modal)
            modal->close();
    });
}

// The help viewer's window, if one exists.
inline HelpViewer* OpenHelpViewer()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<HelpViewer*>(window))
            return viewer;
    return nullptr;
}

inline bool HelpIsShown()
{
    const HelpViewer* viewer = OpenHelpViewer();
    return viewer && viewer->isVisible();
}

// The disk is full: nothing more can be written, whoever the user is.
class FullDisk {
public:
    FullDisk()
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previousLimit);
        rlimit none = previousLimit;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previousLimit{};
    void (*previousHandler)(int) = nullptr;
};

// Every notice (a message box with OK alone) that comes up while it lives: its caption and text, then it is
// closed. The questions are left to whoever asked them.
class NoticeWatcher : public QObject {
public:
    NoticeWatcher() { qApp->installEventFilter(this); }
    ~NoticeWatcher() override { qApp->removeEventFilter(this); }

    QStringList texts;
    QStringList captions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(watched);
            box && event->type() == QEvent::Show && box->standardButtons() == QMessageBox::Ok) {
            texts << box->text();
            captions << box->windowTitle();
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return false;
    }
};

// What the process writes to its standard error while it lives. A pipe takes it rather than a file, so
// that what is said while the disk is full is kept too; a test says far less than a pipe holds.
class CapturedErrors {
public:
    CapturedErrors()
    {
        std::fflush(stderr);
        EXPECT_EQ(::pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
        saved = ::dup(STDERR_FILENO);
        ::dup2(ends[1], STDERR_FILENO);
    }
    ~CapturedErrors()
    {
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        ::close(ends[0]);
        ::close(ends[1]);
    }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    QString Text()
    {
        std::fflush(stderr);
        char bytes[4096];
        for (ssize_t length; (length = ::read(ends[0], bytes, sizeof bytes)) > 0;)
            said.append(bytes, length);
        return QString::fromLocal8Bit(said);
    }

private:
    int ends[2] = {-1, -1};
    int saved = -1;
    QByteArray said;
};

class StatsFixture : public ::testing::Test, public GameWindowHost {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(ConfigFolder().isEmpty()) << "the tests must never touch the real settings";
        QDir(ConfigFolder()).removeRecursively();
        app.SetRegistryKey(LoadString(IDS_REGISTRY_KEY));
    }

    void TearDown() override
    {
        app.WinHelp(0, HELP_QUIT);
        EndWindow();
    }

    // Where the totals live: the user's configuration folder, then the key, then the application name.
    QString SettingsFile() const { return ConfigFolder() + "/Brindlemoor/" + app.AppName() + ".conf"; }

    void WriteSettings(const QByteArray& contents) const
    {
        ASSERT_TRUE(QDir().mkpath(ConfigFolder() + "/Brindlemoor"));
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        // The settings store keeps what it read and reads a file again only when its size or time has
        // changed: a rewrite of the same size within the same millisecond would go unseen. Each rewrite
        // therefore gets a time of its own, set once the contents are out of the buffer.
        static int rewrites = 0;
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(++rewrites), QFileDevice::FileModificationTime));
    }

    QByteArray ReadSettings() const
    {
        QFile file(SettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void SeedTotals(int games, int score) const
    {
        WriteSettings(QStringLiteral("[Stats]\nTotalGames=%1\nTotalScore=%2\n").arg(games).arg(score).toUtf8());
    }

    // Runs a window as the program does, from its start to its end by Exit, with inside done in it as soon
    // as it is the window in front, whether or not it is active (a notice at its start takes the activation).
    void RunWindow(const std::function<void(CCorvaneDlg&)>& inside = {})
    {
        dialog = std::make_unique<CCorvaneDlg>(random);
        app.m_pMainWnd = dialog.get();
        bool ran = false;
        const QDeadlineTimer deadline(5000);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() == dialog.get() && dialog->isVisible()) {
                poll.stop();
                ran = true;
                if (inside)
                    inside(*dialog);
                Button(dialog.get(), IDC_EXIT)->click();
            } else if (deadline.hasExpired() && QApplication::activeModalWidget()) {
                QApplication::activeModalWidget()->close();
            }
        });
        poll.start(1);
        dialog->DoModal();
        EXPECT_TRUE(ran) << "the window never came to the front";
    }

    // Clears the totals as the player does: Score, then Clear Score, answered Yes.
    static void ClearTotals(CCorvaneDlg& window)
    {
        bool asked = false;
        WhenModal<CScoreDlg>([&asked](CScoreDlg* score) {
            WhenModal<QMessageBox>([&asked](QMessageBox* box) {
                asked = true;
                box->button(QMessageBox::Yes)->click();
            });
            score->Item<QAbstractButton>(IDC_CLEAR_SCORE)->click();
        });
        window.Item<QAbstractButton>(IDC_SCORE)->click();
        EXPECT_TRUE(asked) << "the Score dialog never asked";
    }

    QString Text(int id) const { return dialog->GetDlgItemText(id); }
    QAbstractButton* Button(const CDialog* owner, int id) const { return owner->Item<QAbstractButton>(id); }

};
