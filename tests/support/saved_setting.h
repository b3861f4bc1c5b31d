// The settings store of whoever runs the tests, kept through a test that
// starts the program as a process of its own: that process writes the real
// store, which no override in the test's process can redirect.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// A registry key and everything below it: its values (name, type, bytes)
// and subkeys, in the order the registry lists them, and when it was last
// written (which two trees of the same contents need not share).
struct KeyTree {
    struct Value {
        std::wstring name;
        DWORD type = 0;
        std::vector<BYTE> data;
        bool operator==(const Value& other) const
        {
            return name == other.name && type == other.type && data == other.data;
        }
    };
    std::vector<Value> values;
    std::vector<std::pair<std::wstring, KeyTree>> subkeys;
    FILETIME written{};
    bool operator==(const KeyTree& other) const { return values == other.values && subkeys == other.subkeys; }
};

// The current user's key `path` and all below it; nullopt when there is none.
std::optional<KeyTree> ReadKeyTree(const std::wstring& path);

// Notes the whole company key (the settings store and whatever else the
// company keeps) and puts it back as it was when it goes, whatever the test
// did meanwhile: the same keys, values, types and bytes, or no key at all.
// A store found unchanged is not written; one that could not be read whole
// at the start is left alone. What it noted goes to a journal first, which
// the next test program puts back if this one ends hard (platform.h).
class SavedSetting {
public:
    SavedSetting();
    ~SavedSetting();
    SavedSetting(const SavedSetting&) = delete;
    SavedSetting& operator=(const SavedSetting&) = delete;

    // Puts it back now (the end does it again only if changed since).
    void Restore() const;

private:
    std::optional<KeyTree> m_found;  // nullopt: there was no company key
    bool m_readable = true;
    std::wstring m_journal;  // a test run's key (user_registry.h)
};

// Puts back the company key from a journal that was written whole.
void PutBackFromJournal(const std::wstring& journal);
