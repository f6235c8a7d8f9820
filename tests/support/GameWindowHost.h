// One game window for a test, with the application object and the random source it needs.
#pragma once

#include "CorvaneResources.h"
#include "CCorvaneDlg.h"
#include "CWinApp.h"
#include "GameRandom.h"
#include "StringTable.h"

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
        dialog = std::make_unique<CCorvaneDlg>(random);
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

    CWinApp app{CorvaneResources::Instance(), {}};
    GameRandom random;
    std::unique_ptr<CCorvaneDlg> dialog;
};
