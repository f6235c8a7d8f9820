// What a window tells a screen reader without showing it: one utterance a turn, spoken while the window is
// active, through a notification in a status bar; and which windows a screen reader takes for frames.
#include "Announcer.h"
#include "CAboutDlg.h"
#include "MainWindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// A top-level window, shown and active, with its announcer.
class AnnouncerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // What the announcer has spoken once control has returned to the event loop.
    std::string SpokenAfterThisTurn()
    {
        QCoreApplication::processEvents();
        return announcer->LastSpoken().toStdString();
    }

    QWidget window;
    Announcer* announcer = new Announcer(&window);
};

// Each utterance cuts the one before it short, so what a turn says is spoken as one, in the order said.
TEST_F(AnnouncerTest, WhatOneTurnSaysIsSpokenAsOneUtterance)
{
    announcer->Say("Clue is on Row 8, Column G");
    announcer->Say("It shows Top.");
    announcer->Say("   ");
    announcer->Say("Found!");
    announcer->Say(" Current Score: 1 ");
    EXPECT_EQ(announcer->LastSpoken().toStdString(), "") << "spoken before control returned to the event loop";
    EXPECT_EQ(SpokenAfterThisTurn(), "Clue is on Row 8, Column G. It shows Top. Found! Current Score: 1.");

    announcer->Say("Water");
    EXPECT_EQ(SpokenAfterThisTurn(), "Water.") << "a later turn repeats what was spoken before";
    EXPECT_EQ(SpokenAfterThisTurn(), "Water.");
}

// Spoken while a prompt is in front, it would be read over the prompt, or cut short by the window's return.
TEST_F(AnnouncerTest, AnInactiveWindowSpeaksOnceItIsActiveAgain)
{
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

    announcer->Say("The fleet is shown");
    EXPECT_EQ(SpokenAfterThisTurn(), "");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(announcer->LastSpoken().toStdString(), "The fleet is shown.");
}

TEST_F(AnnouncerTest, SpeakNowDoesNotWaitForTheTurnToEnd)
{
    announcer->Say("Top");
    announcer->SpeakNow();
    EXPECT_EQ(announcer->LastSpoken().toStdString(), "Top.");
    announcer->Say("Water");
    EXPECT_EQ(SpokenAfterThisTurn(), "Water.") << "what comes after is spoken in its own turn";
}

// A screen reader speaks a notification as it shows, without a role word when it is part of a status bar;
// both say they cannot be seen, since nothing of them is drawn. Each utterance is a notification that keeps
// its words, since a screen reader may come to one after the next has shown.
TEST_F(AnnouncerTest, AScreenReaderFindsEachUtteranceAsANotificationInAStatusBarOfTheWindow)
{
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(announcer);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::StatusBar);
    EXPECT_EQ(bar->childCount(), 0) << "nothing said yet";

    announcer->Say("Water");
    SpokenAfterThisTurn();
    ASSERT_EQ(bar->childCount(), 1);
    QAccessibleInterface* water = bar->child(0);
    ASSERT_NE(water, nullptr);
    EXPECT_EQ(water->role(), QAccessible::Notification);
    EXPECT_EQ(water->text(QAccessible::Name).toStdString(), "Water.");
    EXPECT_TRUE(water->state().invisible);
    EXPECT_EQ(water->childCount(), 0);
    EXPECT_EQ(water->parent(), bar);
    EXPECT_EQ(bar->indexOfChild(water), 0);
    EXPECT_TRUE(bar->state().invisible);
    EXPECT_EQ(bar->text(QAccessible::Name).toStdString(), "");
    EXPECT_EQ(bar->parent(), QAccessible::queryAccessibleInterface(&window));
    EXPECT_EQ(water->window(), window.windowHandle());

    const QAccessible::Id waterId = QAccessible::uniqueId(water);
    announcer->Say("Top");
    SpokenAfterThisTurn();
    QAccessibleInterface* top = bar->child(0);
    EXPECT_EQ(top->text(QAccessible::Name).toStdString(), "Top.");
    EXPECT_NE(QAccessible::uniqueId(top), waterId);
    EXPECT_EQ(QAccessible::accessibleInterface(waterId)->text(QAccessible::Name).toStdString(), "Water.")
        << "the earlier notification keeps its words";
}

// The game window is the program's main window, with a task-bar button: a frame, whose return from a prompt
// brings back its title; its own dialogs stay dialogs, whose every label is read as they open.
class DialogRoles : public MainWindowFixture {};

TEST_F(DialogRoles, TheMainWindowIsAFrameAndItsDialogsAreDialogs)
{
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(dialog.get());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->role(), QAccessible::Window);
    EXPECT_EQ(main->text(QAccessible::Name).toStdString(), "Corvane");

    CAboutDlg about;
    about.Create();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&about);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Dialog);
}

// A dialog's own reading follows what its owner had still to say, rather than being said over it: the owner
// has spoken by the time the dialog shows, before any turn of the dialog's own loop.
TEST_F(DialogRoles, ADialogOpeningSpeaksWhatItsOwnerStillHadToSay)
{
    class OnShow : public QObject {
    public:
        explicit OnShow(std::function<void()> action) : action(std::move(action)) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Show)
                action();
            return false;
        }
        std::function<void()> action;
    };
    dialog->Announce("Top");
    std::string spokenWhenShown = "not shown";
    CAboutDlg about;
    OnShow filter([&] { spokenWhenShown = dialog->findChild<Announcer*>()->LastSpoken().toStdString(); });
    about.installEventFilter(&filter);
    QTimer::singleShot(0, &about, [&] { about.reject(); });
    about.DoModal();
    EXPECT_EQ(spokenWhenShown, "Top.");
}

} // namespace
