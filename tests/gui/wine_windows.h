// Windows that Wine draws itself instead of leaving them to a window manager.
// Wine hides a window it leaves to a manager only once the manager has seen
// it shown, and where there is none (the tests' private Xvfb) it waits 2 s
// for one at every window that closes: most of a GUI test's time. Whether
// Wine leaves windows to a manager is read as its display driver loads,
// before main, so the program sets it off for itself and runs again.
#pragma once

#include <optional>

// Under Wine, when this program's windows are left to a window manager:
// sets them to be Wine's own for this program and runs it again with the
// same command line, answering that run's exit status. Otherwise, and on
// Windows, nullopt: the program goes on as it is.
std::optional<int> RunAgainWithWinesOwnWindows();
