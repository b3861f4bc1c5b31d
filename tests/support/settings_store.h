// The program's settings store, the current user's registry key that its
// profile functions write, as the tests read, fill and empty it from outside;
// and a DWORD of any key of the current user's.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The key the program keeps its settings in, under HKEY_CURRENT_USER, and
// the one value it stores there.
extern const wchar_t kSettingsKey[];
extern const wchar_t kPrecisionValue[];

// The DWORD `name` of the current user's key `key` (or of `root`'s); nullopt
// when there is none or it is not a DWORD of four bytes.
std::optional<DWORD> ReadUserDword(const wchar_t* key, const wchar_t* name, HKEY root = HKEY_CURRENT_USER);

// The company's key (Software\<company>), holding the application's key, which
// holds the settings key; and the company's name as CWinApp::SetRegistryKey takes it.
std::wstring CompanyKey();
std::wstring ApplicationKey();
std::string CompanyName();

// The stored precision as a DWORD; nullopt when there is none or it is not
// a DWORD of four bytes.
std::optional<DWORD> StoredPrecision();
void StorePrecision(DWORD value);
// Writes the precision with any type and bytes, creating the keys; false
// when the registry refuses.
bool StorePrecisionRaw(DWORD type, const void* data, DWORD size);

// The type and bytes of the stored precision; nullopt when there is none.
using StoredRaw = std::optional<std::pair<DWORD, std::vector<BYTE>>>;
StoredRaw ReadStoredRaw();

// Deletes the company's key: the settings store as a first run finds it.
// False when a key is left.
bool ClearSettings();
