#include "tests/support/wine_windows.h"

#include <windows.h>

#include "tests/support/platform.h"

namespace {

// A program's own settings of Wine's display driver, which Wine reads before
// the common ones.
std::wstring DriverSettingsKey(const std::wstring& program)
{
    return L"Software\\Wine\\AppDefaults\\" + program.substr(program.find_last_of(L"\\/") + 1) + L"\\X11 Driver";
}

bool WineDrawsTheWindowsOf(const std::wstring& program)
{
    wchar_t managed[8] = {};
    DWORD size = sizeof(managed);
    return RegGetValueW(HKEY_CURRENT_USER, DriverSettingsKey(program).c_str(), L"Managed", RRF_RT_REG_SZ, nullptr,
                        managed, &size) == ERROR_SUCCESS &&
           (managed[0] == L'N' || managed[0] == L'n');
}

std::wstring ThisProgram()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

bool LetWineDrawTheWindowsOf(const std::wstring& program)
{
    const wchar_t no[] = L"N";
    return RunningUnderWine() && RegSetKeyValueW(HKEY_CURRENT_USER, DriverSettingsKey(program).c_str(), L"Managed",
                                                 REG_SZ, no, sizeof(no)) == ERROR_SUCCESS;
}

std::optional<int> RunAgainWithWinesOwnWindows()
{
    const std::wstring program = ThisProgram();
    if (!RunningUnderWine() || WineDrawsTheWindowsOf(program) || !LetWineDrawTheWindowsOf(program))
        return std::nullopt;
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return std::nullopt;  // slower, but the same tests
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
