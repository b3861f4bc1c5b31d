#include "tests/support/user_registry.h"

#include <cstdio>

#include "tests/support/lock.h"

namespace {

// Where the private keys lie, each named by its program and process.
constexpr wchar_t kPrivateKeys[] = L"Software\\Jednotar jednotek tests";

// The private key in use; removed once, by whichever comes first: the
// object's end, or a program that ends without unwinding.
Lock g_lock;
std::wstring g_inUse;

void Remove(const std::wstring& path)
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    const RealUserKey user;
    RegDeleteTreeW(user.get(), path.c_str());
    RegDeleteKeyW(user.get(), kPrivateKeys);  // only when no other run's key is left in it
}

}  // namespace

PrivateUserRegistry::PrivateUserRegistry(const wchar_t* program)
    : m_path(std::wstring(kPrivateKeys) + L"\\" + program + L" " + std::to_wstring(GetCurrentProcessId()))
{
    const RealUserKey user;
    HKEY key = nullptr;
    // A key of this name is an earlier run's, of a process long gone that
    // had the same number and could not remove it.
    RegDeleteTreeW(user.get(), m_path.c_str());
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
