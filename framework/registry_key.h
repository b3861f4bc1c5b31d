// An open registry key, closed when the object goes.
#pragma once

#include <windows.h>

#include <string>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool Open(HKEY parent, const std::wstring& path, REGSAM access);
    bool Create(HKEY parent, const std::wstring& path, REGSAM access);
    void Close();

    // The value when it is a REG_DWORD of four bytes, else false.
    bool ReadDword(const std::wstring& name, DWORD* value) const;
    bool WriteDword(const std::wstring& name, DWORD value) const;

private:
    HKEY m_key = nullptr;
};
