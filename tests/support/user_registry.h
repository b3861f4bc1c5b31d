// The current user's registry as a test program leaves it: the program's
// own code, run in the test's process, reads and writes a key of the test's
// instead, and what reaches the real key on purpose goes through
// RealUserKey.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// This test run's key `what` in the real user's key (Software\Jednotar
// jednotek tests\<what> <process id>), the keys of runs whose process has
// ended, and the removal of one (and of their parent once it is empty).
std::wstring TestRunKey(const wchar_t* what);
std::vector<std::wstring> KeysOfEndedRuns();
void RemoveTestRunKey(const std::wstring& path);

// Gives each key of the tree `path` of `root` the DACL of `root`, undoing
// deny entries a test left, which make Windows' RegDeleteTree fail; and
// removes the tree so (false when a key is left).
void UnlockKeyTree(HKEY root, const std::wstring& path);
bool DeleteKeyTree(HKEY root, const std::wstring& path);

// For its life, HKEY_CURRENT_USER in this process is a fresh key of its own
// (TestRunKey(program)), removed with the object; RegOverridePredefKey does
// it. Processes this one starts still see the real key. One at a time.
class PrivateUserRegistry {
public:
    explicit PrivateUserRegistry(const wchar_t* program);
    ~PrivateUserRegistry();
    PrivateUserRegistry(const PrivateUserRegistry&) = delete;
    PrivateUserRegistry& operator=(const PrivateUserRegistry&) = delete;

    // Whether HKEY_CURRENT_USER is the private key; false (and said on the
    // error output) when the registry refused, and the program should not
    // go on.
    bool Active() const { return m_active; }

private:
    std::wstring m_path;
    bool m_active = false;
};

// Undoes the override and removes the private key now, for a program that
// is about to end without unwinding; nothing when there is none.
void RemovePrivateUserRegistry();

// The real current user's key, whatever this process's HKEY_CURRENT_USER is
// (RegOpenCurrentUser): for what another process must see, such as the
// display scale that a program started next reads.
class RealUserKey {
public:
    RealUserKey();
    ~RealUserKey();
    RealUserKey(const RealUserKey&) = delete;
    RealUserKey& operator=(const RealUserKey&) = delete;
    HKEY get() const { return m_key; }  // null when it cannot be opened

private:
    HKEY m_key = nullptr;
};
