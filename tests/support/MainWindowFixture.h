// A game window as it stands right after start-up: built from its template, shown offscreen and active.
#pragma once

#include "CBitmapButton.h"
#include "GameWindowHost.h"
#include "StringTable.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

class MainWindowFixture : public ::testing::Test, public GameWindowHost {
protected:
    void SetUp() override
    {
        // Wins are saved as they happen: each test starts from no totals at all.
        const QString configFolder = qEnvironmentVariable("XDG_CONFIG_HOME");
        ASSERT_FALSE(configFolder.isEmpty()) << "the tests must never touch the real settings";
        QDir(configFolder).removeRecursively();
        app.SetRegistryKey(LoadString(IDS_REGISTRY_KEY));
        ASSERT_NO_FATAL_FAILURE(StartWindow());
    }

    void TearDown() override { EndWindow(); }

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

};
