#include "registry_probe.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <optional>

#include "tests/support/saved_setting.h"
#include "tests/support/settings_store.h"
#include "text.h"

namespace {

// The key `path` (under HKEY_CURRENT_USER), as read into `tree`, and all
// below it.
void AppendKey(const std::wstring& path, const KeyTree& tree, std::string& out)
{
    char line[96];
    std::snprintf(line, sizeof line, "] written %08lx%08lx\n", static_cast<unsigned long>(tree.written.dwHighDateTime),
                  static_cast<unsigned long>(tree.written.dwLowDateTime));
    out += "[HKCU\\" + Narrow(path) + line;
    for (const KeyTree::Value& value : tree.values) {
        std::snprintf(line, sizeof line, " type %lu:", static_cast<unsigned long>(value.type));
        out += "  " + Quoted(Narrow(value.name)) + line;
        for (const BYTE b : value.data) {
            std::snprintf(line, sizeof line, " %02x", b);
            out += line;
        }
        out += "\n";
    }
    for (const auto& [name, below] : tree.subkeys)
        AppendKey(path + L"\\" + name, below, out);
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
    const std::optional<KeyTree> company = ReadKeyTree(CompanyKey());
    if (!company)
        return "no key HKCU\\" + Narrow(CompanyKey()) + "\n";
    std::string out;
    AppendKey(CompanyKey(), *company, out);
    return out;
}
