// One game window for a test, with the application object and the random source it needs.
#pragma once

#include "CorvaneResources.h"
#include "CWinApp.h"
#include "GameRandom.h"
#include "StringTable.h"
#include "TestableCorvaneDlg.h"

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
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    void EndWindow()
    {
        app.m_pMainWnd = nullptr;
        dialog.reset();
    }

    // The window's protected calls, for the few checks that cannot reach them through its controls. Windows
    // a test makes for itself must be TestableCorvaneDlg too; any other fails the test with std::bad_cast.
    static TestableCorvaneDlg& Internals(CCorvaneDlg& window) { return dynamic_cast<TestableCorvaneDlg&>(window); }
    TestableCorvaneDlg& Internals() const { return Internals(*dialog); }

    CWinApp app{CorvaneResources::Instance(), {}};
    GameRandom random;
    std::unique_ptr<CCorvaneDlg> dialog;
};
