// Windows that Wine draws itself instead of leaving them to a window manager.
// Wine hides a window it leaves to a manager only once the manager has seen
// it shown, and where there is none (the tests' private Xvfb) it waits 2 s
// for one at every window that closes: most of a GUI test's time. Wine reads
// whether to leave a program's windows to a manager as its display driver
// loads, before the program's main, and keeps it per program in the prefix.
#pragma once

#include <optional>
#include <string>

// Under Wine, has Wine draw the windows of `program` (its path or file name)
// itself from the program's next start on. False on Windows, or when the
// setting could not be made.
bool LetWineDrawTheWindowsOf(const std::wstring& program);

// For a test program's main: under Wine, when this program's windows are left
// to a window manager, has Wine draw them and runs the program again with the
// same command line and standard handles, answering that run's exit status.
// Otherwise, and on Windows, nullopt: the program goes on as it is.
std::optional<int> RunAgainWithWinesOwnWindows();
