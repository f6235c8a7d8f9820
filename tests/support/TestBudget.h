// A time budget for every test: a test that runs past it fails, named, instead of stalling the run.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A loop of the program that never ends cannot be interrupted from the test's own thread, so a watcher
// thread ends the whole process once a test has run longer than its budget, printing which test it was.
// One process runs one test under CTest, so nothing else is lost.
class TestBudget : public ::testing::EmptyTestEventListener {
public:
    explicit TestBudget(std::chrono::seconds budget);
    ~TestBudget() override;

    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo& test) override;

private:
    void Watch();

    const std::chrono::seconds budget;
    std::mutex mutex;
    std::condition_variable changed;
    const ::testing::TestInfo* running = nullptr;
    std::chrono::steady_clock::time_point deadline;
    bool stopping = false;
    std::thread watcher;
};

// Installs the budget for the whole run: CORVANE_TEST_BUDGET seconds, 20 unless set.
void InstallTestBudget();
