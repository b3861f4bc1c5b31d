// Which Win32 the tests run on, for the few checks whose right answer is the
// platform's own (Wine leaves some calls unimplemented), and scratch names.
#pragma once

#include <string>

// True under Wine: its ntdll exports wine_get_version.
bool RunningUnderWine();

// A fresh name in the temporary folder: `prefix` and numbers of this process
// and this call. Nothing is made there.
std::wstring NewTempPath(const wchar_t* prefix);
// A new folder of such a name; the caller removes it.
std::wstring NewTempFolder(const wchar_t* prefix);
