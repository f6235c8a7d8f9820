// The budget that every test runs under: a test that never ends fails, named, within its seconds.
#include "TestBudget.h"

#include <gtest/gtest.h>

namespace {

// What a broken loop of the program looks like from the test that calls it.
[[noreturn]] void NeverEnds()
{
    for (volatile bool forever = true; forever;) {
    }
    std::abort();
}

TEST(TestBudgetDeathTest, EndsATestThatNeverEndsAndNamesIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ::testing::TestInfo* self = ::testing::UnitTest::GetInstance()->current_test_info();
    EXPECT_EXIT(
        {
            TestBudget budget(std::chrono::seconds(1));
            budget.OnTestStart(*self);
            NeverEnds();
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "EndsATestThatNeverEndsAndNamesIt did not finish within 1 s");
}

TEST(TestBudgetDeathTest, LeavesATestThatEndsInTimeAlone)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ::testing::TestInfo* self = ::testing::UnitTest::GetInstance()->current_test_info();
    // Still running, and ending well, after the budget of a test that has already ended would have run out.
    EXPECT_EXIT(
        {
            TestBudget budget(std::chrono::seconds(1));
            budget.OnTestStart(*self);
            budget.OnTestEnd(*self);
            std::this_thread::sleep_for(std::chrono::milliseconds(1200));
            std::exit(EXIT_SUCCESS);
        },
        ::testing::ExitedWithCode(EXIT_SUCCESS), "");
}

} // namespace
