// A time budget for every test: a test that runs past it fails, named, instead of stalling the run.
#include "TestBudget.h"

#include <cstdio>
#include <cstdlib>
#include <string>

TestBudget::TestBudget(std::chrono::seconds budget) : budget(budget), watcher([this] { Watch(); }) {}

TestBudget::~TestBudget()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    watcher.join();
}

void TestBudget::OnTestStart(const ::testing::TestInfo& test)
{
    {
        const std::lock_guard lock(mutex);
        running = &test;
        deadline = std::chrono::steady_clock::now() + budget;
    }
    changed.notify_all();
}

void TestBudget::OnTestEnd(const ::testing::TestInfo&)
{
    {
        const std::lock_guard lock(mutex);
        running = nullptr;
    }
    changed.notify_all();
}

void TestBudget::Watch()
{
    std::unique_lock lock(mutex);
    while (!stopping) {
        if (!running) {
            changed.wait(lock);
            continue;
        }
        const ::testing::TestInfo* watched = running;
        if (changed.wait_until(lock, deadline, [&] { return stopping || running != watched; }))
            continue;
        std::fprintf(stderr, "\n%s.%s did not finish within %lld s: something in it never ends.\n",
                     watched->test_suite_name(), watched->name(), static_cast<long long>(budget.count()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

void InstallTestBudget()
{
    const char* seconds = std::getenv("CORVANE_TEST_BUDGET");
    const int budget = seconds ? std::atoi(seconds) : 0;
    // The listeners list owns and deletes the budget when the run ends.
    ::testing::UnitTest::GetInstance()->listeners().Append(new TestBudget(std::chrono::seconds(budget > 0 ? budget : 20)));
}
