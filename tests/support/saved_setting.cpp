#include "tests/support/saved_setting.h"

#include "tests/support/settings_store.h"
#include "tests/support/user_registry.h"

namespace {

bool Read(HKEY key, KeyTree& tree)
{
    DWORD subkeys = 0, values = 0, maxSubkey = 0, maxValueName = 0, maxData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values, &maxValueName,
                         &maxData, nullptr, &tree.written) != ERROR_SUCCESS)
        return false;
    for (DWORD i = 0; i < values; ++i) {
        std::wstring name(maxValueName + 1, L'\0');
        DWORD nameLength = maxValueName + 1;
        KeyTree::Value value;
        value.data.resize(maxData);
        DWORD size = maxData;
        if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &value.type, value.data.data(), &size) !=
            ERROR_SUCCESS)
            return false;
        value.name = name.substr(0, nameLength);
        value.data.resize(size);
        tree.values.push_back(std::move(value));
    }
    for (DWORD i = 0; i < subkeys; ++i) {
        std::wstring name(maxSubkey + 1, L'\0');
        DWORD nameLength = maxSubkey + 1;
        HKEY subkey = nullptr;
        if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
            RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, &subkey) != ERROR_SUCCESS)
            return false;
        KeyTree below;
        const bool read = Read(subkey, below);
        RegCloseKey(subkey);
        if (!read)
            return false;
        tree.subkeys.emplace_back(name.substr(0, nameLength), std::move(below));
    }
    return true;
}

void Write(HKEY key, const KeyTree& tree)
{
    for (const KeyTree::Value& value : tree.values)
        RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    for (const auto& [name, below] : tree.subkeys) {
        HKEY subkey = nullptr;
        if (RegCreateKeyExW(key, name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &subkey, nullptr) != ERROR_SUCCESS)
            continue;
        Write(subkey, below);
        RegCloseKey(subkey);
    }
}

// Makes the current user's key `path` hold `tree`, or be no key; a key
// that holds it already is not written.
void Rewrite(const std::wstring& path, const std::optional<KeyTree>& tree)
{
    HKEY key = nullptr;
    if (ReadKeyTree(path) == tree || !DeleteKeyTree(HKEY_CURRENT_USER, path) || !tree ||
        RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
        return;
    Write(key, *tree);
    RegCloseKey(key);
}

// A journal holds a copy of the company key (none if there was none) and,
// once the copy is whole, the value "Complete".
constexpr wchar_t kCopy[] = L"\\company";

}  // namespace

std::optional<KeyTree> ReadKeyTree(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    KeyTree tree;
    const bool read = Read(key, tree);
    RegCloseKey(key);
    return read ? std::optional<KeyTree>(std::move(tree)) : std::nullopt;
}

SavedSetting::SavedSetting() : m_found(ReadKeyTree(CompanyKey())), m_journal(TestRunKey(L"journal"))
{
    // A key that is there but cannot be read whole is left alone.
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, CompanyKey().c_str(), 0, KEY_READ, &key);
    if (status == ERROR_SUCCESS)
        RegCloseKey(key);
    m_readable = m_found || status == ERROR_FILE_NOT_FOUND;
    const DWORD complete = 1;
    if (m_readable)
        Rewrite(m_journal + kCopy, m_found);
    if (m_readable && ReadKeyTree(m_journal + kCopy) == m_found)
        RegSetKeyValueW(HKEY_CURRENT_USER, m_journal.c_str(), L"Complete", REG_DWORD, &complete, sizeof complete);
}

SavedSetting::~SavedSetting()
{
    Restore();
    if (!m_readable || ReadKeyTree(CompanyKey()) == m_found)  // else the next test program tries
        RemoveTestRunKey(m_journal);
}

void SavedSetting::Restore() const
{
    if (m_readable)
        Rewrite(CompanyKey(), m_found);
}

void PutBackFromJournal(const std::wstring& journal)
{
    if (ReadUserDword(journal.c_str(), L"Complete"))
        Rewrite(CompanyKey(), ReadKeyTree(journal + kCopy));
}
