// Runs GoogleTest with a time budget for every test, for the tests that need no window.
#include "TestBudget.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    InstallTestBudget();
    return RUN_ALL_TESTS();
}
