#include "tests/support/watchdog.h"

#include <cstdio>
#include <cstdlib>

#include "tests/support/clock.h"
#include "tests/support/user_registry.h"
#include "tests/support/wait.h"

namespace {

constexpr DWORD kLookEveryMs = 250;

}  // namespace

void EndTestProgram(const std::string& why)
{
    std::fflush(stdout);
    std::fprintf(stdout, "\n%s\n", why.c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    RemovePrivateUserRegistry();
    // Not ExitProcess: a stuck thread may hold what it would wait for.
    TerminateProcess(GetCurrentProcess(), 1);
    std::_Exit(1);
}

Watchdog::Watchdog(int limitS) : m_limitS(limitS), m_stop(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    m_thread = CreateThread(nullptr, 0, &Watch, this, 0, nullptr);
}

Watchdog::~Watchdog()
{
    Stop();
    CloseHandle(m_stop);
}

void Watchdog::OnTestStart(const testing::TestInfo& test)
{
    const Hold hold(m_lock);
    m_test = std::string(test.test_suite_name()) + "." + test.name();
    m_deadline = NowMs() + m_limitS * 1000.0;
}

void Watchdog::OnTestEnd(const testing::TestInfo&)
{
    const Hold hold(m_lock);
    m_test.clear();
}

void Watchdog::OnTestProgramEnd(const testing::UnitTest&)
{
    Stop();
}

void Watchdog::Stop()
{
    if (!m_thread)
        return;
    SetEvent(m_stop);
    WaitForSingleObject(m_thread, 5000);
    CloseHandle(m_thread);
    m_thread = nullptr;
}

DWORD WINAPI Watchdog::Watch(void* self)
{
    Watchdog& dog = *static_cast<Watchdog*>(self);
    while (WaitForSingleObject(dog.m_stop, kLookEveryMs) == WAIT_TIMEOUT) {
        std::string late;
        {
            const Hold hold(dog.m_lock);
            if (!dog.m_test.empty() && NowMs() > dog.m_deadline)
                late = dog.m_test;
        }
        if (late.empty())
            continue;
        const std::string waits = WaitsUnderWay();
        EndTestProgram(late + " did not finish within " + std::to_string(dog.m_limitS) +
                       " s; waiting for: " + (waits.empty() ? "nothing named (the test's own code)" : waits));
    }
    return 0;
}
