#include "registry_probe.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "tests/support/settings_store.h"
#include "text.h"

namespace {

using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)>;

// The key `path` (under HKEY_CURRENT_USER) and all below it.
void AppendKey(const std::wstring& path, std::string& out)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        out += "no key HKCU\\" + Narrow(path) + "\n";
        return;
    }
    const Key key(opened, &RegCloseKey);
    FILETIME written{};
    DWORD subkeys = 0, values = 0, maxValueName = 0, maxData = 0;
    RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, &maxValueName, &maxData,
                     nullptr, &written);
    char line[96];
    std::snprintf(line, sizeof line, "] written %08lx%08lx\n", static_cast<unsigned long>(written.dwHighDateTime),
                  static_cast<unsigned long>(written.dwLowDateTime));
    out += "[HKCU\\" + Narrow(path) + line;

    for (DWORD i = 0; i < values; ++i) {
        std::vector<wchar_t> name(maxValueName + 2);
        std::vector<BYTE> data(maxData + 2);
        DWORD nameLen = static_cast<DWORD>(name.size()), dataLen = static_cast<DWORD>(data.size()), type = 0;
        if (RegEnumValueW(key.get(), i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen) != ERROR_SUCCESS)
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
        wchar_t name[256];  // the longest key name Windows allows, and its end
        DWORD nameLen = 256;
        if (RegEnumKeyExW(key.get(), i, name, &nameLen, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            AppendKey(path + L"\\" + std::wstring(name, nameLen), out);
    }
}

}  // namespace

std::string StoredPrecisionText()
{
    const StoredRaw raw = ReadStoredRaw();
    if (!raw)
        return "none";
    const auto& [type, data] = *raw;
    if (type != REG_DWORD || data.size() != sizeof(DWORD))
        return "a value of type " + std::to_string(type) + " and " + std::to_string(data.size()) + " bytes";
    DWORD value = 0;
    std::memcpy(&value, data.data(), sizeof value);
    return std::to_string(value);
}

std::string SnapshotCompanyKey()
{
    std::string out;
    AppendKey(CompanyKey(), out);
    return out;
}
