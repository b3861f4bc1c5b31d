// Text helpers of the acceptance driver: UTF-8 inside, UTF-16 at the window
// system, and Unix paths as Wine's Z: drive sees them.
#pragma once

#include <string>

#include "tests/support/text.h"  // Widen, Narrow

// "/work/x/a.exe" -> "Z:\work\x\a.exe"; a path with a drive letter is kept
// (with its slashes turned into backslashes).
std::wstring WindowsPath(const std::string& path);

// The text in quotes, with control characters shown as \xNN, so that a
// trailing blank or an empty text stays visible in a report line.
std::string Quoted(const std::string& utf8);
