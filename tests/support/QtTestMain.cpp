// Runs GoogleTest inside a QApplication, so that window tests can drive real dialogs.
#include "TestBudget.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Every run gets a settings folder of its own, so that tests running side by side never share totals
    // and none ever touches the player's own.
    QTemporaryDir config;
    if (!config.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // The tests read the program's English, whatever language the machine's desktop speaks; the tests of
    // other languages ask for theirs.
    qputenv("LANGUAGE", "en");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    InstallTestBudget();
    return RUN_ALL_TESTS();
}
