#include "tests/support/settings_store.h"

#include "tests/support/text.h"
#include "tests/support/user_registry.h"

// The one place the tests spell the store's key.
const wchar_t kSettingsKey[] = L"Software\\Brodvik\\Jednotar jednotek\\Settings";
const wchar_t kPrecisionValue[] = L"Precision";

std::wstring ApplicationKey()
{
    const std::wstring settings = kSettingsKey;
    return settings.substr(0, settings.rfind(L'\\'));
}

std::wstring CompanyKey()
{
    const std::wstring application = ApplicationKey();
    return application.substr(0, application.rfind(L'\\'));
}

std::string CompanyName()
{
    const std::wstring company = CompanyKey();
    return Narrow(company.substr(company.find(L'\\') + 1));
}

std::optional<DWORD> ReadUserDword(const wchar_t* key, const wchar_t* name, HKEY root)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

std::optional<DWORD> StoredPrecision()
{
    return ReadUserDword(kSettingsKey, kPrecisionValue);
}

void StorePrecision(DWORD value)
{
    StorePrecisionRaw(REG_DWORD, &value, sizeof(value));
}

bool StorePrecisionRaw(DWORD type, const void* data, DWORD size)
{
    return RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kPrecisionValue, type, data, size) == ERROR_SUCCESS;
}

StoredRaw ReadStoredRaw()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, kPrecisionValue, nullptr, &type, nullptr, &size);
    std::vector<BYTE> data(size);
    if (status == ERROR_SUCCESS && size > 0)
        status = RegQueryValueExW(key, kPrecisionValue, nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return std::pair(type, data);
}

bool ClearSettings()
{
    return DeleteKeyTree(HKEY_CURRENT_USER, CompanyKey());
}
