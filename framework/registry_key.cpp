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
    // Query the type and size first: a value of another type or size (a
    // string, binary data, a QWORD) must not be read into a DWORD.
    DWORD type = 0;
    DWORD size = 0;
    if (!m_key || RegQueryValueExW(m_key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof(DWORD))
        return false;
    DWORD data = 0;
    if (RegQueryValueExW(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(DWORD))
        return false;
    *value = data;
    return true;
}

bool RegistryKey::WriteDword(const std::wstring& name, DWORD value) const
{
    return m_key && RegSetValueExW(m_key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof(value)) == ERROR_SUCCESS;
}
