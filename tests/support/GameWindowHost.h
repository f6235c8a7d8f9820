// One game window for a test, with the application object and the random source it needs, and the ways a test
// plays a game window as the player does and reads what it shows.
#pragma once

#include "AverageScoreText.h"
#include "CBitmapButton.h"
#include "CCorvaneDlg.h"
#include "CorvaneResources.h"
#include "CWinApp.h"
#include "FleetGenerator.h"
#include "GameRandom.h"
#include "NestedLoopDriver.h"
#include "PuzzleRules.h"
#include "ResourceIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// The totals as the window's top line shows them: the games solved and the average score.
struct ShownTotals {
    QString games, average;
    friend bool operator==(const ShownTotals&, const ShownTotals&) = default;
};

inline void PrintTo(const ShownTotals& totals, std::ostream* os)
{
    *os << totals.games.toStdString() << " games, average " << totals.average.toStdString();
}

class GameWindowHost {
protected:
    // Replaces the window with a new one, which reads the totals stored by then; shown offscreen and
    // active, but not running modally.
    void StartWindow()
    {
        dialog.reset();
        dialog = std::make_unique<CCorvaneDlg>(random);
        app.m_pMainWnd = dialog.get();
        dialog->Create();
        WatchStartGame(*dialog);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    void EndWindow()
    {
        app.m_pMainWnd = nullptr;
        dialog.reset();
    }

    // The fleet hidden by the game started last in a watched window. The window draws it from the random
    // source at Start Game, so the same draws from a copy of the source as it stood then give the same fleet.
    Board HiddenLayout() const
    {
        GameRandom draws = randomAtStart;
        Board layout;
        GenerateLayout(layout, draws);
        return layout;
    }

    // Keeps a copy of the random source as the window's Start Game is pressed, before it draws the fleet.
    void WatchStartGame(CCorvaneDlg& window)
    {
        QObject::connect(ButtonOf(window, IDC_START_GAME), &QAbstractButton::pressed, &window,
                         [this] { randomAtStart = random; });
    }

    // The cell the window's next clue reveals in the game started last, drawn as the window draws it: from a
    // copy of the random source as it stands, against the marks the cells show. The game must still have a
    // cell to reveal.
    CellPosition NextClue(const CCorvaneDlg& window) const
    {
        GameRandom draws = random;
        return ChooseClueCell(HiddenLayout(), MarksOf(window), draws).value_or(CellPosition{-1, -1});
    }

    static QAbstractButton* ButtonOf(const CDialog& window, int id) { return window.Item<QAbstractButton>(id); }

    static ArrayMarkGrid MarksOf(const CCorvaneDlg& window)
    {
        ArrayMarkGrid marks;
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                marks.SetMark(row, column, window.GetMark(window.CellAt(row, column)));
        return marks;
    }

    static ShownTotals TotalsShown(const CCorvaneDlg& window)
    {
        return {window.GetDlgItemText(IDC_TOTAL_GAMES), window.GetDlgItemText(IDC_AVERAGE_SCORE)};
    }

    // What the top line shows for these totals.
    static ShownTotals TotalsShownFor(int games, int score) { return {QString::number(games), AverageScoreText(games, score)}; }

    // Does what opens nested loops in the window (a click, a key) while the driver answers them, then checks
    // that it met what it expected and nothing else. On the offscreen platform a closed pop-up does not hand
    // the activation back to the window as a desktop's window manager does; the window asks for it again, as
    // through the window system, so that the keyboard reaches it and no later request takes it from a prompt.
    static void Drive(CCorvaneDlg& window, NestedLoopDriver& driver, const std::function<void()>& action)
    {
        action();
        EXPECT_TRUE(driver.AllSeen()) << "a window the test expected did not open";
        EXPECT_TRUE(driver.Unexpected().empty()) << driver.Unexpected().front();
        if (!window.isActiveWindow() || QGuiApplication::focusWindow() != window.windowHandle()) {
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&window] { return QGuiApplication::focusWindow() == window.windowHandle(); }));
            EXPECT_TRUE(window.isActiveWindow());
        }
    }

    static void ClickWith(CCorvaneDlg& window, NestedLoopDriver& driver, QWidget* control,
                          Qt::MouseButton button = Qt::LeftButton)
    {
        Drive(window, driver, [control, button] { QTest::mouseClick(control, button); });
    }

    // Clicks a control that opens nothing.
    static void ClickIn(CCorvaneDlg& window, int id)
    {
        NestedLoopDriver nothingOpens;
        ClickWith(window, nothingOpens, window.GetDlgItem(id));
    }

    // Opens the menu on a cell and answers it; wins end with the Congratulations dialog closed, and the
    // notices about the totals that may come before it closed too, for the test to watch for itself.
    static void MarkIn(CCorvaneDlg& window, int row, int column, NestedLoopDriver::MenuAction choice, bool wins = false)
    {
        NestedLoopDriver driver;
        driver.ExpectMenu(std::move(choice));
        if (wins) {
            driver.AllowNotices();
            driver.ExpectCongratulations();
        }
        ClickWith(window, driver, window.CellAt(row, column));
    }

    // Starts a game in the window and plays it to the clue that wins it with the given score, 1 to 19: that
    // many clues but one, then every ship cell but one marked through the piece menu. A clue reveals a ship
    // cell that is not marked as one, so none wins before, and the next one reveals the cell left.
    void PlayToTheWinningClue(CCorvaneDlg& window, int score)
    {
        randomAtStart = random;
        ClickIn(window, IDC_START_GAME);
        for (int clue = 1; clue < score; ++clue)
            ClickIn(window, IDC_CLUE);
        const Board layout = HiddenLayout();
        std::vector<CellPosition> unmarked;
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                if (IsShipPiece(layout.At(row, column)) && window.GetMark(window.CellAt(row, column)) != layout.At(row, column))
                    unmarked.push_back({row, column});
        unmarked.pop_back();
        for (const CellPosition& cell : unmarked)
            MarkIn(window, cell.row, cell.column, MenuChoice::Click(int(IDC_FIRST_PIECE_COMMAND) + layout.At(cell.row, cell.column)));
    }

    // Starts a game in the window and wins it with the given score, 1 to 19, the last clue winning. Notices
    // about the totals that come with the win are closed, for the test to watch for itself.
    void WinAGame(CCorvaneDlg& window, int score)
    {
        PlayToTheWinningClue(window, score);
        NestedLoopDriver win;
        win.AllowNotices();
        win.ExpectCongratulations();
        ClickWith(window, win, window.GetDlgItem(IDC_CLUE));
    }

    // Presses Undo until it is disabled: the number of steps it took back.
    static int UndoDepth(CCorvaneDlg& window)
    {
        int depth = 0;
        while (window.GetDlgItem(IDC_UNDO)->isEnabled() && depth <= CellCount * CellCount) {
            ClickIn(window, IDC_UNDO);
            ++depth;
        }
        return depth;
    }

    CWinApp app{CorvaneResources::Instance(), {}};
    GameRandom random;
    GameRandom randomAtStart;
    std::unique_ptr<CCorvaneDlg> dialog;
};
