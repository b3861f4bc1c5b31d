#include "tests/gui/wine_windows.h"

#include <windows.h>

#include <string>

#include "tests/support/platform.h"

namespace {

// This program's own settings of Wine's display driver, which Wine reads
// before its common ones.
std::wstring DriverSettingsKey()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program = path;
    return L"Software\\Wine\\AppDefaults\\" + program.substr(program.find_last_of(L"\\/") + 1) + L"\\X11 Driver";
}

bool WindowsAreWinesOwn(const std::wstring& key)
{
    wchar_t managed[8] = {};
    DWORD size = sizeof(managed);
    return RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", RRF_RT_REG_SZ, nullptr, managed, &size) ==
               ERROR_SUCCESS &&
           (managed[0] == L'N' || managed[0] == L'n');
}

}  // namespace

std::optional<int> RunAgainWithWinesOwnWindows()
{
    const std::wstring key = DriverSettingsKey();
    if (!RunningUnderWine() || WindowsAreWinesOwn(key))
        return std::nullopt;
    const wchar_t no[] = L"N";
    if (RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", REG_SZ, no, sizeof(no)) != ERROR_SUCCESS)
        return std::nullopt;  // slower, but the same tests

    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return std::nullopt;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
