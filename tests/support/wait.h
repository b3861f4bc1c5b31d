// Polling waits: a condition looked at again and again until it holds or the
// time is up. Size the time for a busy machine; never follow a wait that ran
// out with a check that something did not happen.
#pragma once

#include <windows.h>

#include "tests/support/clock.h"

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
