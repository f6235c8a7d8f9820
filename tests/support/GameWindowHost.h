// One game window for a test, with the application object and the random source it needs.
#pragma once

#include "CorvaneResources.h"
#include "CWinApp.h"
#include "FleetGenerator.h"
#include "GameRandom.h"
#include "ResourceIds.h"
#include "StringTable.h"
#include "TestableCorvaneDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class GameWindowHost {
protected:
    // Replaces the window with a new one, which reads the totals stored by then; shown offscreen and
    // active, but not running modally.
    void StartWindow()
    {
        dialog.reset();
        dialog = std::make_unique<TestableCorvaneDlg>(random);
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
        QObject::connect(qobject_cast<QAbstractButton*>(window.GetDlgItem(IDC_START_GAME)), &QAbstractButton::pressed,
                         &window, [this] { randomAtStart = random; });
    }

    // The window's protected calls, for the few checks that cannot reach them through its controls. Windows
    // a test makes for itself must be TestableCorvaneDlg too; any other fails the test with std::bad_cast.
    static TestableCorvaneDlg& Internals(CCorvaneDlg& window) { return dynamic_cast<TestableCorvaneDlg&>(window); }
    TestableCorvaneDlg& Internals() const { return Internals(*dialog); }

    CWinApp app{CorvaneResources::Instance(), {}};
    GameRandom random;
    GameRandom randomAtStart;
    std::unique_ptr<CCorvaneDlg> dialog;
};
