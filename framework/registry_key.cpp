#include "framework/registry_key.h"

bool RegistryKey::Open(HKEY parent, const std::wstring& path, REGSAM access)
{
    Close();
    if (RegOpenKeyExW(parent, path.c_str(), 0, access, &m_key) == ERROR_SUCCESS)
        return true;
    m_key = nullptr;
    return false;
}

bool RegistryKey::Create(HKEY parent, const std::wstring& path, REGSAM access)
{
    Close();
    if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, access, nullptr, &m_key, nullptr) == ERROR_SUCCESS)
        return true;
    m_key = nullptr;
    return false;
}

void RegistryKey::Close()
{
    if (m_key)
        RegCloseKey(m_key);
    m_key = nullptr;
}

bool RegistryKey::ReadDword(const std::wstring& name, DWORD* value) const
{
    // RRF_RT_REG_DWORD refuses every other type, REG_BINARY included; a
    // REG_DWORD longer than its four bytes does not fit, and a shorter one
    // is refused here.
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (!m_key ||
        RegGetValueW(m_key, nullptr, name.c_str(), RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS ||
        size != sizeof(data))
        return false;
    *value = data;
    return true;
}

bool RegistryKey::WriteDword(const std::wstring& name, DWORD value) const
{
    return m_key && RegSetValueExW(m_key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof(value)) == ERROR_SUCCESS;
}
