#include "tests/support/platform.h"

#include <windows.h>

#include <cwchar>

bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring NewTempFolder(const wchar_t* prefix)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    wchar_t number[16] = {};
    swprintf(number, 16, L"%lu", GetCurrentProcessId() ^ GetTickCount());
    const std::wstring folder = std::wstring(temp) + prefix + number;
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}
