// A game window as it stands right after start-up: built from its template, shown offscreen and active.
#pragma once

#include "CBitmapButton.h"
#include "CCorvaneDlg.h"
#include "CWinApp.h"
#include "GameRandom.h"
#include "StringTable.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.SetRegistryKey(LoadString(IDS_REGISTRY_KEY));
        ASSERT_NO_FATAL_FAILURE(StartWindow());
    }

    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        dialog.reset();
    }

    // Replaces the window with a new one, which reads the totals stored by then.
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

    QWidget* Item(int id) const { return dialog->GetDlgItem(id); }
    CBitmapButton* Cell(int row, int column) const { return dialog->CellAt(row, column); }

    // Types a key as the keyboard would: through the window, so that shortcuts see it before the focused control.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(dialog->windowHandle(), key, modifiers);
    }

    // Gives the focus to a control of the active window and checks that it took it.
    static void Focus(QWidget* control)
    {
        control->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(control->hasFocus()) << control->property("controlId").toInt();
    }

    CWinApp app;
    GameRandom random;
    std::unique_ptr<CCorvaneDlg> dialog;
};
