#include "framework/shell_open.h"

#include <windows.h>

#include <shellapi.h>

#include <atomic>

namespace {

bool AskTheShell(const std::wstring& target)
{
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<UINT_PTR>(result) > 32;
}

std::atomic<ShellOpenFunction> g_shellOpen{nullptr};

}  // namespace

bool OpenInShell(const std::wstring& target)
{
    const ShellOpenFunction function = g_shellOpen.load();
    return function ? function(target) : AskTheShell(target);
}

void SetShellOpenFunction(ShellOpenFunction function)
{
    g_shellOpen.store(function);
}
