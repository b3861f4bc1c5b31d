// Which Win32 the tests run on, for the few checks whose right answer is the
// platform's own (Wine leaves some calls unimplemented), and a scratch folder.
#pragma once

#include <string>

// True under Wine: its ntdll exports wine_get_version.
bool RunningUnderWine();

// A new folder in the temporary folder, named `prefix` and a number of this
// process; the caller removes it.
std::wstring NewTempFolder(const wchar_t* prefix);
