#include "tests/support/platform.h"

#include <windows.h>

#include <cwchar>

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
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
