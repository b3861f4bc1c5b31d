#include "registry_probe.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "tests/support/settings_store.h"
#include "text.h"

namespace {

void AppendKey(HKEY key, const std::wstring& path, std::string& out)
{
    FILETIME written{};
    DWORD subkeys = 0, values = 0, maxSubkey = 0, maxValueName = 0, maxData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values, &maxValueName, &maxData,
                     nullptr, &written);
    char line[96];
    std::snprintf(line, sizeof line, "] written %08lx%08lx\n", static_cast<unsigned long>(written.dwHighDateTime),
                  static_cast<unsigned long>(written.dwLowDateTime));
    out += "[" + Narrow(path) + line;

    for (DWORD i = 0; i < values; ++i) {
        std::vector<wchar_t> name(maxValueName + 2);
        std::vector<BYTE> data(maxData + 2);
        DWORD nameLen = static_cast<DWORD>(name.size()), dataLen = static_cast<DWORD>(data.size()), type = 0;
        if (RegEnumValueW(key, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen) != ERROR_SUCCESS)
            continue;
        std::snprintf(line, sizeof line, " type %lu:", static_cast<unsigned long>(type));
        out += "  " + Quoted(Narrow(std::wstring(name.data(), nameLen))) + line;
        for (DWORD b = 0; b < dataLen; ++b) {
            std::snprintf(line, sizeof line, " %02x", data[b]);
            out += line;
        }
        out += "\n";
    }
    for (DWORD i = 0; i < subkeys; ++i) {
        std::vector<wchar_t> name(maxSubkey + 2);
        DWORD nameLen = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            continue;
        std::wstring childName(name.data(), nameLen);
        HKEY child;
        if (RegOpenKeyExW(key, childName.c_str(), 0, KEY_READ, &child) == ERROR_SUCCESS) {
            AppendKey(child, path + L"\\" + childName, out);
            RegCloseKey(child);
        }
    }
}

}  // namespace

std::string PrecisionInStore::Describe() const
{
    if (!present)
        return "none";
    char buf[96];
    if (type != REG_DWORD || size != 4)
        std::snprintf(buf, sizeof buf, "a value of type %lu and %lu bytes", type, size);
    else
        std::snprintf(buf, sizeof buf, "%lu", value);
    return buf;
}

PrecisionInStore ReadStoredPrecision()
{
    PrecisionInStore stored;
    const StoredRaw raw = ReadStoredRaw();
    if (!raw)
        return stored;
    const std::vector<BYTE>& data = raw->second;
    stored.present = true;
    stored.type = raw->first;
    stored.size = static_cast<unsigned long>(data.size());
    if (stored.type == REG_DWORD && data.size() == 4)
        stored.value = static_cast<unsigned long>(data[0] | (data[1] << 8) | (data[2] << 16)) |
                       (static_cast<unsigned long>(data[3]) << 24);
    return stored;
}

std::string SnapshotCompanyKey()
{
    HKEY key;
    const std::wstring company = CompanyKey();
    if (RegOpenKeyExW(HKEY_CURRENT_USER, company.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "no key HKCU\\" + Narrow(company) + "\n";
    std::string out;
    AppendKey(key, L"HKCU\\" + company, out);
    RegCloseKey(key);
    return out;
}
