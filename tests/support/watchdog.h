// A GUI test that hangs fails at once, named, instead of holding its whole
// run to the run's time limit.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/lock.h"

// How long one test may take: the slowest takes some seconds.
constexpr int kTestLimitS = 60;

// Ends the test program now, without unwinding: prints `why` and flushes
// the output, removes the private user registry (user_registry.h) and exits
// with status 1. For a thread that finds the program stuck.
[[noreturn]] void EndTestProgram(const std::string& why);

// Appended to GoogleTest's listeners: a test still running `limitS` seconds
// after it started ends the program with "<Suite.Test> did not finish within
// N s; waiting for: <the named waits under way>" (tests/support/wait.h).
class Watchdog : public testing::EmptyTestEventListener {
public:
    explicit Watchdog(int limitS = kTestLimitS);
    ~Watchdog() override;
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void OnTestStart(const testing::TestInfo& test) override;
    void OnTestEnd(const testing::TestInfo& test) override;
    void OnTestProgramEnd(const testing::UnitTest& unit) override;

private:
    static DWORD WINAPI Watch(void* self);
    void Stop();

    const int m_limitS;
    HANDLE m_stop;
    HANDLE m_thread = nullptr;
    Lock m_lock;
    std::string m_test;  // the test under way; empty between tests
    double m_deadline = 0;
};
