// Handing a target (a web address, an e-mail address, a file) to the
// shell's "open" verb.
#pragma once

#include <string>

// Asks the shell to open `target` as the user would with a double click: no
// owner window, no parameters, shown normally. True when the shell reports
// success.
bool OpenInShell(const std::wstring& target);

// The shell's part as the system plays it; a test may put another in its
// place from any thread, so that nothing of the user's starts (null puts the
// system's back).
using ShellOpenFunction = bool (*)(const std::wstring& target);
void SetShellOpenFunction(ShellOpenFunction function);
