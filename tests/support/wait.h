// Polling waits: a condition looked at again and again until it holds or the
// time is up. Size the time for a busy machine; never follow a wait that ran
// out with a check that something did not happen. And what the tests are
// waiting for, named, for the report of a test that hangs.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/clock.h"

// Names a wait for its life, on any thread: "the precision dialog to
// close". Waits may nest.
class WaitingFor {
public:
    explicit WaitingFor(std::string what);
    ~WaitingFor();
    WaitingFor(const WaitingFor&) = delete;
    WaitingFor& operator=(const WaitingFor&) = delete;

private:
    unsigned long long m_id;
};
// Every named wait under way, the latest first, "; " between them; empty
// when there is none.
std::string WaitsUnderWay();

// Polls `condition` every `pollMs` until it holds; false after `timeoutMs`.
// The condition is looked at once more at the end, so a zero timeout asks once.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs, DWORD pollMs = 20)
{
    const double deadline = NowMs() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (NowMs() >= deadline)
            return false;
        Sleep(pollMs);
    }
}
