#include "tests/support/platform.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "tests/support/saved_setting.h"
#include "tests/support/user_registry.h"

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void StartTestProgram(const char* program)
{
    const auto refuse = [program](const char* why) {
        std::fprintf(stderr, "%s %s\n", program, why);
        std::exit(1);
    };
    HANDLE token = nullptr;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    if (!RunningUnderWine() && OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) && elevation.TokenIsElevated)
        refuse("refuses to run elevated: a test could then change settings of the whole machine");
    if (token)
        CloseHandle(token);
    // Never closed: the system closes it as the process ends, and the job
    // then ends every process still in it.
    static const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job || !SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits) ||
        !AssignProcessToJobObject(job, GetCurrentProcess()))
        refuse("cannot join a job that ends what it starts with it (the job it runs in forbids that, as on Windows 7)");
    for (const std::wstring& key : KeysOfEndedRuns()) {
        PutBackFromJournal(key);
        RemoveTestRunKey(key);
    }
}

std::wstring NewTempPath(const wchar_t* prefix)
{
    static LONG count = 0;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    wchar_t number[32] = {};
    swprintf(number, 32, L"%lu-%ld", GetCurrentProcessId() ^ GetTickCount(), InterlockedIncrement(&count));
    return std::wstring(temp) + prefix + number;
}

std::wstring NewTempFolder(const wchar_t* prefix)
{
    const std::wstring folder = NewTempPath(prefix);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}
