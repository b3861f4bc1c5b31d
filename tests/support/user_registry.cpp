#include "tests/support/user_registry.h"

#include <cstdio>

#include "tests/support/lock.h"

namespace {

// Where the test runs' keys lie, and the names of their processes' mutexes.
constexpr wchar_t kPrivateKeys[] = L"Software\\Jednotar jednotek tests";
const std::wstring kRunning = L"Global\\Jednotar jednotek tests ";

// The private key in use; removed once, by whichever comes first: the
// object's end, or a program that ends without unwinding.
Lock g_lock;
std::wstring g_inUse;

void Remove(const std::wstring& path)
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RemoveTestRunKey(path);
}

std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& path)
{
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    wchar_t name[256];  // the longest name a key may have, and its end
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0, size = 256;
         RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i, size = 256)
        names.emplace_back(name, size);
    RegCloseKey(key);
    return names;
}

}  // namespace

// While a test run's process runs, it holds a mutex named by its key; the
// mutex goes with the process, however it ends.
std::wstring TestRunKey(const wchar_t* what)
{
    const std::wstring name = std::wstring(what) + L" " + std::to_wstring(GetCurrentProcessId());
    CreateMutexW(nullptr, FALSE, (kRunning + name).c_str());  // never closed
    return std::wstring(kPrivateKeys) + L"\\" + name;
}

std::vector<std::wstring> KeysOfEndedRuns()
{
    std::vector<std::wstring> ended;
    for (const std::wstring& name : SubkeyNames(RealUserKey().get(), kPrivateKeys)) {
        const HANDLE running = OpenMutexW(SYNCHRONIZE, FALSE, (kRunning + name).c_str());
        if (!running && GetLastError() != ERROR_ACCESS_DENIED)  // refused: another user's run, or an elevated one
            ended.push_back(std::wstring(kPrivateKeys) + L"\\" + name);
        if (running)
            CloseHandle(running);
    }
    return ended;
}

void UnlockKeyTree(HKEY root, const std::wstring& path)
{
    alignas(SECURITY_DESCRIPTOR) BYTE usual[4096];
    DWORD size = sizeof usual;
    HKEY key = nullptr;
    if (RegGetKeySecurity(root, DACL_SECURITY_INFORMATION, usual, &size) == ERROR_SUCCESS &&
        RegOpenKeyExW(root, path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, usual);
        RegCloseKey(key);
    }
    for (const std::wstring& name : SubkeyNames(root, path))
        UnlockKeyTree(root, path + L"\\" + name);
}

bool DeleteKeyTree(HKEY root, const std::wstring& path)
{
    UnlockKeyTree(root, path);
    const LONG status = RegDeleteTreeW(root, path.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

void RemoveTestRunKey(const std::wstring& path)
{
    const RealUserKey user;
    DeleteKeyTree(user.get(), path);
    RegDeleteKeyW(user.get(), kPrivateKeys);  // only when no other run's key is left in it
}

PrivateUserRegistry::PrivateUserRegistry(const wchar_t* program) : m_path(TestRunKey(program))
{
    const RealUserKey user;
    HKEY key = nullptr;
    if (!user.get() || RegCreateKeyExW(user.get(), m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                       nullptr) != ERROR_SUCCESS) {
        std::fwprintf(stderr, L"%ls: no registry key of its own could stand in for the user's\n", program);
        return;
    }
    const Hold hold(g_lock);
    m_active = g_inUse.empty() && RegOverridePredefKey(HKEY_CURRENT_USER, key) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (m_active) {
        g_inUse = m_path;
    } else {
        std::fwprintf(stderr, L"%ls: HKEY_CURRENT_USER could not be pointed at a key of its own\n", program);
        RegDeleteTreeW(user.get(), m_path.c_str());
    }
}

PrivateUserRegistry::~PrivateUserRegistry()
{
    if (m_active)
        RemovePrivateUserRegistry();
}

void RemovePrivateUserRegistry()
{
    const Hold hold(g_lock);
    if (g_inUse.empty())
        return;
    Remove(g_inUse);
    g_inUse.clear();
}

RealUserKey::RealUserKey()
{
    if (RegOpenCurrentUser(KEY_ALL_ACCESS, &m_key) != ERROR_SUCCESS)
        m_key = nullptr;
}

RealUserKey::~RealUserKey()
{
    if (m_key)
        RegCloseKey(m_key);
}
